#include "ThemeFileFixture.h"

#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themefile/ThemeFile.h"
#include "support/Bytes.h"

#include <fstream>
#include <iterator>

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace themeapply_test {

namespace {

void append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

const std::string animatedCursor = std::string("RIFF\x10\0\0\0ACONanih", 16);
const std::string icon = std::string("\0\0\1\0\1\0", 6);
const std::string wave = std::string("RIFF\x24\0\0\0WAVEfmt ", 16);
const std::string program = "MZ\x90\0\3\0";

} // namespace

std::string pictureBytes(PictureFormat format, int width, int height, unsigned char r, unsigned char g,
                         unsigned char b) {
    if (format == PictureFormat::gif) // a 1 x 1 GIF of the colour, whatever the size asked
        return std::string("GIF89a\1\0\1\0\x80\0\0", 13) + std::string{char(r), char(g), char(b), 0, 0, 0} +
               std::string(",\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 18);
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b});
    std::string bytes;
    if (format == PictureFormat::jpeg)
        stbi_write_jpg_to_func(append, &bytes, width, height, 3, pixels.data(), 90);
    else if (format == PictureFormat::png)
        stbi_write_png_to_func(append, &bytes, width, height, 3, pixels.data(), width * 3);
    else
        stbi_write_bmp_to_func(append, &bytes, width, height, 3, pixels.data());
    return bytes;
}

std::string themeData(const std::string& name) {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/unit/")) + "/data/themes/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

ThemeWorld::ThemeWorld() {
    fake.setAppPath(folder);
    fake.makeFolder(themes);
    // Every Windows profile has these keys; the apply writes into them.
    for (const char* key : {"Control Panel\\Colors", "Control Panel\\Desktop"})
        fake.setString(win::HKEY_CURRENT_USER, key, "Decorama", "test");
}

void installJungle(fake::FakeWindows& fake, const std::string& themes) {
    const std::string theme = themes + "\\";
    fake.makeFile(theme + "Jungle.theme", themeData("plus95-jungle.theme"));
    fake.makeFile(theme + "Jungle arrow.cur", bytes::cursor());
    fake.makeFile(theme + "Jungle wait.ani", animatedCursor);
    for (const char* name : {"Jungle My Computer.ico", "Jungle full.ico", "Jungle empty.ico"})
        fake.makeFile(theme + name, icon);
    fake.makeFile(fake.systemFolder() + "\\shell32.dll", program);
    fake.makeFile(theme + "Jungle Wallpaper.jpg", pictureBytes(PictureFormat::jpeg, 64, 48, 0, 128, 0));
    fake.makeFile(theme + "Jungle Default.wav", wave);
    for (const char* name : {"\\media\\Jungle Asterisk.wav", "\\media\\Jungle Recycle.wav"})
        fake.makeFile(fake.windowsFolder() + name, wave);
    fake.makeFile(fake.windowsFolder() + "\\SYSTEM\\Jungle.scr", program);
}

themefile::CheckedTheme ThemeWorld::check(const std::string& file, bool saver) {
    const themefile::ThemeFile theme =
        themefile::readThemeFile(fake.fileBytes(file), file, themeapply::ansiConverter(fake));
    return themefile::checkTheme(theme, themeapply::WindowsSurroundings(platform, file),
                                 themefile::CheckOptions{saver});
}

themeapply::ApplyReport ThemeWorld::apply(const std::string& file, const themefile::AspectSet& aspects,
                                          bool saver) {
    return themeapply::applyThemeFile(platform, check(file, saver), aspects, versionTag);
}

int ThemeWorld::decocmd(const std::vector<std::string>& words) {
    out.clear();
    err.clear();
    return console::decocmd(words, platform, out, err);
}

} // namespace themeapply_test
