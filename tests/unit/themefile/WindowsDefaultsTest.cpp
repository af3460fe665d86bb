// "Windows default" of each version: a theme the check allows whole, that points only
// at the version's own files, reads back through the writer unchanged, and shows
// what a user of that version would recognise.
#include "themefile/WindowsDefaults.h"

#include "ThemeDescription.h"
#include "doubles/theme/FileHeads.h"
#include "fake/FakeWindows.h"
#include "platform/DesktopFacts.h"
#include "platform/Platform.h"
#include "themeapply/Surroundings.h"
#include "themefile/ThemeCheck.h"
#include "themefile/ThemeWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace themefile;
using namespace theme_test;

namespace {

win::COLORREF colorOf(const std::string& tag, int index) {
    return windowsDefaultTheme(tag).colors.at(static_cast<std::size_t>(index)).value.rgb;
}

std::string captionFontOf(const std::string& tag) {
    const win::LOGFONTA font = windowsDefaultTheme(tag).nonClientMetrics->value.lfCaptionFont;
    return std::string(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " " +
           std::to_string(font.lfWeight);
}

} // namespace

TEST(WindowsDefaultsTest, EveryVersionIsAllowedWholeFromItsOwnFolders) {
    using V = fake::Version;
    const std::pair<const char*, V> versions[] = {
        {"95", V::Win95}, {"98", V::Win98}, {"ME", V::WinME}, {"NT", V::NT4}, {"2000", V::Win2000}};
    for (const auto& [tag, version] : versions) {
        fake::FakeWindows fake; // a fresh install, given the files the default names
        fake.useVersion(version);
        rt::Platform platform{fake, fake, fake};
        const themeapply::WindowsSurroundings place(platform, "C:\\Themes\\Saved.theme");
        const ThemeFile theme = windowsDefaultTheme(tag);
        for (const CheckedIcon& icon : checkTheme(theme, place, {}).icons)
            fake.makeFile(icon.file.path(), moduleHead);
        for (const CheckedSound& sound : checkTheme(theme, place, {}).sounds)
            fake.makeFile(sound.file.path(), waveHead);
        const CheckedTheme checked = checkTheme(theme, place, {});
        std::vector<std::string> lines;
        for (Aspect aspect : allAspects)
            lines.push_back(reportLine(aspect, checked.report(aspect)) +
                            (checked.report(aspect).refused.empty() ? "" : " with refusals"));
        EXPECT_EQ(lines, (std::vector<std::string>{"colors: ok", "pointers: ok", "icons: ok", "wallpaper: ok",
                                                   "sounds: ok", "saver: absent", "fonts: ok", "sizes: ok",
                                                   "pictures: absent"}))
            << tag;
        EXPECT_EQ(checked.colors.size(), 29u) << tag;
        for (const CheckedPointer& pointer : checked.pointers)
            EXPECT_TRUE(pointer.file.isDefault()) << tag << " pointer " << pointer.slot;
        EXPECT_TRUE(checked.wallpaper && checked.wallpaper->isDefault()) << tag << ": no wallpaper";
        for (const CheckedIcon& icon : checked.icons)
            EXPECT_EQ(icon.file.path().rfind(place.windowsFolder + "\\", 0), 0u)
                << tag << " " << icon.file.path();
        for (const CheckedSound& sound : checked.sounds)
            EXPECT_EQ(sound.file.path().rfind(place.windowsFolder + "\\Media\\", 0), 0u) << tag;
        const ThemeFile back =
            readThemeFile(writeThemeFile(theme), "C:\\Themes\\Saved.theme", themeapply::ansiConverter(fake));
        EXPECT_EQ(describe(back), describe(theme)) << tag;
    }
}

TEST(WindowsDefaultsTest, EachVersionLooksAsItsUsersKnowIt) {
    EXPECT_EQ(colorOf("95", win::COLOR_BACKGROUND), 0x808000u) << "the teal desktop, 0 128 128";
    EXPECT_EQ(colorOf("98", win::COLOR_BTNFACE), 0xC0C0C0u);
    EXPECT_EQ(colorOf("2000", win::COLOR_BTNFACE), 0xC8D0D4u) << "212 208 200";
    EXPECT_EQ(captionFontOf("98"), "MS Sans Serif -11 700");
    EXPECT_EQ(captionFontOf("2000"), "Tahoma -11 700");
    for (const std::string tag : {"95", "98", "ME", "NT", "2000"}) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        const bool older = tag == "95" || tag == "NT";
        // Hot-tracking and gradient captions from 98 and 2000 on; 95 and NT 4 read 0 for them.
        for (int index :
             {win::COLOR_HOTLIGHT, win::COLOR_GRADIENTACTIVECAPTION, win::COLOR_GRADIENTINACTIVECAPTION})
            EXPECT_EQ(colorOf(tag, index) == 0, older) << tag << " colour " << index;
        EXPECT_EQ(std::any_of(theme.icons.begin(), theme.icons.end(),
                              [](const auto& i) { return i.value.object == 1; }),
                  !older)
            << tag << ": My Documents";
        EXPECT_STREQ(theme.iconMetrics->value.lfFont.lfFaceName,
                     theme.nonClientMetrics->value.lfMenuFont.lfFaceName);
    }
    EXPECT_EQ(describe(windowsDefaultTheme("ME")), describe(windowsDefaultTheme("98")));
    EXPECT_NE(describe(windowsDefaultTheme("NT")), describe(windowsDefaultTheme("95"))) << "%SystemRoot%";
    for (const char* unknown : {"", "XP", "nt", "2000 "})
        EXPECT_EQ(describe(windowsDefaultTheme(unknown)), describe(windowsDefaultTheme("2000"))) << unknown;
}
