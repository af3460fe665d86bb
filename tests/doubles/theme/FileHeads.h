// The first bytes of each kind of file the theme check recognises, for files that
// only need to look like their kind, and the files of a test theme.
#pragma once

#include "platform/Runtime.h"

#include <string>

namespace theme_test {

inline const std::string bmpHead = "BM\x36\x10\0\0";
inline const std::string jpegHead = "\xFF\xD8\xFF\xE0\0\x10JFIF";
inline const std::string pngHead = "\x89PNG\r\n\x1A\n";
inline const std::string gifHead = "GIF89a";
inline const std::string curHead = std::string("\0\0\2\0\1\0", 6);
inline const std::string aniHead = std::string("RIFF\x10\0\0\0ACONanih", 16);
inline const std::string icoHead = std::string("\0\0\1\0\1\0", 6);
inline const std::string moduleHead = "MZ\x90\0\3\0";
inline const std::string waveHead = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);

// The files of tests/data/themes/plus95-jungle.theme (but its recycling sound), a
// theme pack's picture beside the theme, and a screen saver that is a bitmap.
inline void makeJungleFiles(rt::Runtime& windows) {
    const std::string theme = "C:\\Program Files\\Plus!\\Themes\\";
    windows.writeFile(theme + "Jungle arrow.cur", curHead);
    windows.writeFile(theme + "Jungle wait.ani", aniHead);
    for (const char* icon : {"Jungle My Computer.ico", "Jungle full.ico", "Jungle empty.ico"})
        windows.writeFile(theme + icon, icoHead);
    windows.writeFile("C:\\WINDOWS\\SYSTEM\\shell32.dll", moduleHead);
    windows.writeFile(theme + "Jungle Wallpaper.jpg", jpegHead);
    windows.writeFile(theme + "Jungle Default.wav", waveHead);
    windows.writeFile("C:\\WINDOWS\\media\\Jungle Asterisk.wav", waveHead);
    windows.writeFile("C:\\WINDOWS\\SYSTEM\\Jungle.scr", moduleHead);
    windows.writeFile(theme + "Nature\\DesktopBackground\\img1.jpg", pngHead);
    windows.writeFile("C:\\WINDOWS\\Fake.scr", bmpHead);
}

} // namespace theme_test
