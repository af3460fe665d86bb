// "Windows default" of each version: a theme the check allows whole, that points only
// at the version's own files, reads back through the writer unchanged, and shows
// what a user of that version would recognise.
#include "themefile/WindowsDefaults.h"

#include "ThemeDescription.h"
#include "doubles/theme/Cp1252.h"
#include "doubles/theme/MemorySurroundings.h"
#include "platform/DesktopFacts.h"
#include "themefile/ThemeCheck.h"
#include "themefile/ThemeWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace themefile;
using namespace theme_test;

namespace {

const std::vector<std::string> tags{"95", "98", "ME", "NT", "2000"};

bool ntFamily(const std::string& tag) {
    return tag == "NT" || tag == "2000";
}

// A fresh install of the tag's family, with every file the default names as a
// missing one put there: the icons as modules, the sounds as wave files.
MemorySurroundings installOf(const ThemeFile& theme, const std::string& tag) {
    MemorySurroundings place;
    if (ntFamily(tag)) {
        place.windowsFolder = "C:\\WINNT";
        place.systemFolder = "C:\\WINNT\\System32";
    }
    const CheckedTheme first = checkTheme(theme, place, {});
    for (const CheckedIcon& icon : first.icons)
        if (icon.file.missing())
            place.add(icon.file.path(), moduleHead);
    for (const CheckedSound& sound : first.sounds)
        if (sound.file.missing())
            place.add(sound.file.path(), waveHead);
    return place;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

win::COLORREF colorOf(const ThemeFile& theme, int index) {
    const auto& color = theme.colors.at(static_cast<std::size_t>(index));
    EXPECT_EQ(color.value.index, index);
    return color.value.rgb;
}

std::string captionFontOf(const ThemeFile& theme) {
    const win::LOGFONTA& font = theme.nonClientMetrics->value.lfCaptionFont;
    return std::string(font.lfFaceName) + " " + std::to_string(font.lfHeight) + " " +
           std::to_string(font.lfWeight);
}

bool hasIconOf(const ThemeFile& theme, int object) {
    for (const auto& icon : theme.icons)
        if (icon.value.object == object)
            return true;
    return false;
}

constexpr win::COLORREF rgb(unsigned r, unsigned g, unsigned b) {
    return r | g << 8 | b << 16;
}

} // namespace

TEST(WindowsDefaultsTest, EveryVersionIsAllowedWholeAndPointsAtItsOwnFiles) {
    for (const std::string& tag : tags) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        const MemorySurroundings place = installOf(theme, tag);
        const CheckedTheme checked = checkTheme(theme, place, {});
        std::vector<std::string> lines;
        for (Aspect aspect : allAspects) {
            lines.push_back(reportLine(aspect, checked.report(aspect)));
            EXPECT_TRUE(checked.report(aspect).refused.empty()) << tag << " " << aspectName(aspect);
        }
        EXPECT_EQ(lines, (std::vector<std::string>{"colors: ok", "pointers: ok", "icons: ok", "wallpaper: ok",
                                                   "sounds: ok", "saver: absent", "fonts: ok", "sizes: ok",
                                                   "pictures: absent"}))
            << tag;

        EXPECT_EQ(checked.colors.size(), win::colorValueNames.size()) << tag;
        EXPECT_EQ(checked.pointers.size(), win::cursorValueNames.size()) << tag;
        for (const CheckedPointer& pointer : checked.pointers)
            EXPECT_TRUE(pointer.file.isDefault()) << tag << " pointer " << pointer.slot;
        EXPECT_EQ(checked.pointerScheme.value_or("?"), "") << tag;
        ASSERT_TRUE(checked.wallpaper) << tag;
        EXPECT_TRUE(checked.wallpaper->isDefault()) << tag << ": no wallpaper";
        EXPECT_EQ(checked.pattern.value_or("?"), "(None)") << tag;

        // The Recycle Bin's two states, each its own icon of the system's own modules.
        ASSERT_GE(checked.icons.size(), 4u) << tag;
        EXPECT_NE(checked.icons[checked.icons.size() - 1].registryText(),
                  checked.icons[checked.icons.size() - 2].registryText())
            << tag;
        for (const CheckedIcon& icon : checked.icons)
            EXPECT_TRUE(startsWith(icon.file.path(), place.windowsFolder + "\\"))
                << tag << " " << icon.file.path();
        EXPECT_GE(checked.sounds.size(), 7u) << tag;
        for (const CheckedSound& sound : checked.sounds)
            EXPECT_TRUE(startsWith(sound.file.path(), place.windowsFolder + "\\Media\\"))
                << tag << " " << sound.file.path();
    }
}

TEST(WindowsDefaultsTest, EachVersionLooksAsItsUsersKnowIt) {
    const ThemeFile win95 = windowsDefaultTheme("95");
    const ThemeFile win98 = windowsDefaultTheme("98");
    const ThemeFile win2000 = windowsDefaultTheme("2000");

    EXPECT_EQ(colorOf(win95, win::COLOR_BACKGROUND), rgb(0, 128, 128)) << "the teal desktop";
    EXPECT_EQ(colorOf(win95, win::COLOR_BTNFACE), rgb(192, 192, 192));
    EXPECT_EQ(colorOf(win2000, win::COLOR_BTNFACE), rgb(212, 208, 200));
    EXPECT_EQ(captionFontOf(win98), "MS Sans Serif -11 700");
    EXPECT_EQ(captionFontOf(win2000), "Tahoma -11 700");

    // Gradient captions from Windows 98 and 2000 on; Windows 95 and NT 4 answer 0 for
    // the colours they do not have.
    for (const char* tag : {"98", "ME", "2000"}) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        EXPECT_NE(colorOf(theme, win::COLOR_GRADIENTACTIVECAPTION), colorOf(theme, win::COLOR_ACTIVECAPTION))
            << tag;
        EXPECT_TRUE(hasIconOf(theme, 1)) << tag << " has My Documents";
    }
    for (const char* tag : {"95", "NT"}) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        for (int index = win::COLOR_INFOBK + 1; index <= win::COLOR_GRADIENTINACTIVECAPTION; ++index)
            EXPECT_EQ(colorOf(theme, index), 0u) << tag << " colour " << index;
        EXPECT_FALSE(hasIconOf(theme, 1)) << tag << " has no My Documents";
    }

    // Every font 8 points at 96 dpi in the version's one face; captions bold, text regular.
    for (const std::string& tag : tags) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        const win::NONCLIENTMETRICSA& frame = theme.nonClientMetrics->value;
        const std::string face = frame.lfCaptionFont.lfFaceName;
        for (const win::LOGFONTA* font :
             {&frame.lfCaptionFont, &frame.lfSmCaptionFont, &frame.lfMenuFont, &frame.lfStatusFont,
              &frame.lfMessageFont, &theme.iconMetrics->value.lfFont}) {
            EXPECT_EQ(font->lfHeight, -11) << tag;
            EXPECT_EQ(font->lfFaceName, face) << tag;
        }
        EXPECT_EQ(frame.lfMenuFont.lfWeight, 400) << tag;
        EXPECT_GE(frame.iCaptionHeight, 18) << tag << ": a caption holds its 8-point font";
        EXPECT_GT(theme.iconMetrics->value.iHorzSpacing, 32) << tag << ": icons do not overlap";
    }
}

TEST(WindowsDefaultsTest, VersionsOfOneLookDifferOnlyInTheirFolders) {
    const auto withoutPaths = [](std::vector<std::string> lines) {
        std::vector<std::string> kept;
        for (const std::string& line : lines)
            if (line.find('%') == std::string::npos)
                kept.push_back(line);
        return kept;
    };
    EXPECT_EQ(describe(windowsDefaultTheme("ME")), describe(windowsDefaultTheme("98")));
    EXPECT_EQ(withoutPaths(describe(windowsDefaultTheme("NT"))),
              withoutPaths(describe(windowsDefaultTheme("95"))));
    EXPECT_NE(describe(windowsDefaultTheme("NT")), describe(windowsDefaultTheme("95")));
    for (const char* unknown : {"", "XP", "3.1", "nt", "2000 "})
        EXPECT_EQ(describe(windowsDefaultTheme(unknown)), describe(windowsDefaultTheme("2000"))) << unknown;
}

TEST(WindowsDefaultsTest, EveryVersionReadsBackThroughTheWriter) {
    for (const std::string& tag : tags) {
        const ThemeFile theme = windowsDefaultTheme(tag);
        const ThemeFile back = readThemeFile(writeThemeFile(theme), "C:\\Themes\\Saved.theme", toCp1252);
        EXPECT_EQ(describe(back), describe(theme)) << tag;
    }
}
