#include "ThemeFileFixture.h"

#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themefile/ThemeFile.h"
#include "support/Bytes.h"

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
    std::vector<unsigned char> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b});
    std::string bytes;
    if (format == PictureFormat::jpeg)
        stbi_write_jpg_to_func(append, &bytes, width, height, 3, pixels.data(), 90);
    else
        stbi_write_png_to_func(append, &bytes, width, height, 3, pixels.data(), width * 3);
    return bytes;
}

ThemeFileFixture::ThemeFileFixture() {
    fake.setAppPath(folder);
    fake.makeFolder(themes);
}

void installJungle(fake::FakeWindows& fake, const std::string& themes) {
    const std::string theme = themes + "\\";
    fake.makeFile(theme + "Jungle.theme", themeBytes("plus95-jungle.theme"));
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

themeapply::ApplyReport ThemeFileFixture::apply(const std::string& file, const themefile::AspectSet& aspects,
                                                bool saver) {
    const themefile::ThemeFile theme =
        themefile::readThemeFile(fake.fileBytes(file), file, themeapply::ansiConverter(fake));
    const themefile::CheckedTheme checked = themefile::checkTheme(
        theme, themeapply::WindowsSurroundings(platform, file), themefile::CheckOptions{saver});
    return themeapply::applyThemeFile(platform, checked, aspects, versionTag);
}

int ThemeFileFixture::decocmd(const std::vector<std::string>& words) {
    out.clear();
    err.clear();
    return console::decocmd(words, platform, out, err);
}

} // namespace themeapply_test
