// Where a theme is checked, in memory: the folders of a Windows 98 machine with
// its theme folder, files by path (compared without regard to case, as Windows
// compares them), and every path the check asked about, so that a test can see
// that a refused path was never looked at.
#pragma once

#include "themefile/ThemePaths.h"
#include "fake/TextUtil.h"

#include <map>
#include <string>
#include <vector>

namespace theme_test {

// The first bytes of each kind of file the check recognises.
inline const std::string bmpHead = "BM\x36\x10\0\0";
inline const std::string jpegHead = "\xFF\xD8\xFF\xE0\0\x10JFIF";
inline const std::string pngHead = "\x89PNG\r\n\x1A\n";
inline const std::string gifHead = "GIF89a";
inline const std::string curHead = std::string("\0\0\2\0\1\0", 6);
inline const std::string aniHead = std::string("RIFF\x10\0\0\0ACONanih", 16);
inline const std::string icoHead = std::string("\0\0\1\0\1\0", 6);
inline const std::string moduleHead = "MZ\x90\0\3\0";
inline const std::string waveHead = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);

class MemorySurroundings : public themefile::Surroundings {
public:
    MemorySurroundings() {
        themeFolder = "C:\\Program Files\\Plus!\\Themes\\";
        windowsFolder = "C:\\WINDOWS";
        systemFolder = "C:\\WINDOWS\\SYSTEM";
        programFilesFolder = "C:\\Program Files";
    }

    void add(const std::string& path, const std::string& bytes) { files_[key(path)] = bytes; }

    // The files of tests/data/themes/plus95-jungle.theme (but its recycling sound),
    // a theme pack's picture beside the theme, and a screen saver that is a bitmap.
    void addJungleFiles() {
        const std::string theme = themeFolder;
        add(theme + "Jungle arrow.cur", curHead);
        add(theme + "Jungle wait.ani", aniHead);
        for (const char* icon : {"Jungle My Computer.ico", "Jungle full.ico", "Jungle empty.ico"})
            add(theme + icon, icoHead);
        add(systemFolder + "\\shell32.dll", moduleHead);
        add(theme + "Jungle Wallpaper.jpg", jpegHead);
        add(theme + "Jungle Default.wav", waveHead);
        add(windowsFolder + "\\media\\Jungle Asterisk.wav", waveHead);
        add(systemFolder + "\\Jungle.scr", moduleHead);
        add(theme + "Nature\\DesktopBackground\\img1.jpg", pngHead);
        add(windowsFolder + "\\Fake.scr", bmpHead);
    }

    bool exists(const std::string& path) const override {
        asked.push_back(path);
        return files_.count(key(path)) != 0;
    }
    std::string head(const std::string& path, std::size_t count) const override {
        asked.push_back(path);
        const auto found = files_.find(key(path));
        return found == files_.end() ? std::string() : found->second.substr(0, count);
    }

    mutable std::vector<std::string> asked;

private:
    static std::string key(const std::string& path) { return fake::upper(path); }

    std::map<std::string, std::string> files_;
};

} // namespace theme_test
