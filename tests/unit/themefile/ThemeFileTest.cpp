// The theme model read from the test theme files: what each aspect holds, what
// the reader refuses, and what it leaves unread.
#include "themefile/ThemeFile.h"

#include "ThemeData.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

using namespace themefile;
using theme_test::ansi98;
using theme_test::readTheme;

namespace {

ThemeFile readText(const std::string& text, const std::string& fileName = "C:\\Themes\\Test.theme") {
    return readThemeFile(text, fileName, ansi98());
}

template <typename T>
std::string outcome(const std::optional<Setting<T>>& setting, const std::string& shown) {
    return !setting ? "(none)" : !setting->refusal.empty() ? "refused: " + setting->refusal : shown;
}

// "0 1 2 ... " of count bytes, each byte i % 256 unless replaced.
std::string byteList(std::size_t count, const std::string& replaceFirst = {}) {
    std::string text = replaceFirst;
    for (std::size_t i = replaceFirst.empty() ? 0 : 1; i < count; ++i)
        text += " " + std::to_string(i % 256);
    return text;
}

} // namespace

TEST(ThemeFileTest, ReadsEachTestTheme) {
    const ThemeFile theme = readTheme("plus95-jungle.theme");
    EXPECT_EQ(theme.displayName, "plus95-jungle");
    std::vector<std::pair<int, win::COLORREF>> colors;
    for (const auto& color : theme.colors)
        colors.push_back({color.value.index, color.value.rgb});
    EXPECT_EQ(colors, (std::vector<std::pair<int, win::COLORREF>>{
                          {1, 0x004000}, {2, 0x008000}, {5, 0xE0FFFF}, {9, 0xFFFFFF}, {25, 0xB5B5B5}}));
    EXPECT_EQ(theme.pointerScheme->value, "Jungle");
    EXPECT_EQ(theme.pointers.size(), 2u);
    EXPECT_TRUE(!theme.tileWallpaper->value && theme.screenSaveActive->value);
    EXPECT_EQ(theme.pattern->value, "(None)");
    ASSERT_EQ(theme.sounds.size(), 3u);
    EXPECT_EQ(theme.sounds[1].name, ".Default\\SystemAsterisk");
    EXPECT_TRUE(theme.ignored.empty());

    const win::NONCLIENTMETRICSA& frame = theme.nonClientMetrics->value;
    EXPECT_EQ(frame.cbSize, 340u);
    EXPECT_EQ(frame.iCaptionHeight, 18);
    EXPECT_EQ(frame.lfCaptionFont.lfHeight, -11);
    EXPECT_STREQ(frame.lfCaptionFont.lfFaceName, "Jungle Sans");
    EXPECT_EQ(frame.lfCaptionFont.lfFaceName[12], '\0') << "the bytes after the name's NUL are cleared";
    EXPECT_EQ(frame.lfSmCaptionFont.lfItalic, 1);
    EXPECT_EQ(frame.lfMessageFont.lfCharSet, 238);
    EXPECT_STREQ(theme.iconMetrics->value.lfFont.lfFaceName, "Jungle Sans");

    // What a later Windows wrote is left unread.
    const ThemeFile later = readTheme("later-windows-nature.theme");
    EXPECT_EQ(later.displayName, "later-windows-nature");
    EXPECT_EQ(later.ignored,
              (std::vector<std::string>{
                  "[Theme] DisplayName", "[Theme] BrandImage", "[Theme] ThemeId",
                  "[Control Panel\\Desktop] MultimonBackgrounds", "[Control Panel\\Desktop] PicturePosition",
                  "[VisualStyles]", "[Slideshow]", "[Sounds]", "[MasterThemeSelector]",
                  "[CLSID\\{59031A47-3F72-44A7-89C5-5595FE6B30EE}\\DefaultIcon]",
                  "[CLSID\\{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}\\DefaultIcon]",
                  "[Control Panel\\Cursors] DefaultValue", "[Control Panel\\Cursors] Pin"}));
    EXPECT_STREQ(later.nonClientMetrics->value.lfMenuFont.lfFaceName, "Jungle Sans") << "344 bytes";

    // A partial theme has only its own aspects.
    const ThemeFile partial = readTheme("colors-only.theme");
    EXPECT_EQ(partial.colors.size(), 2u);
    EXPECT_TRUE(partial.pointers.empty() && partial.icons.empty() && partial.sounds.empty() &&
                partial.ignored.empty());
    EXPECT_FALSE(partial.pointerScheme || partial.wallpaper || partial.tileWallpaper || partial.pattern ||
                 partial.screenSaver || partial.screenSaveActive || partial.nonClientMetrics ||
                 partial.iconMetrics);

    // A Unicode file is converted value by value.
    const ThemeFile unicode = readTheme("utf16-boehmerwald.theme");
    EXPECT_EQ(unicode.displayName, "B\xF6hmerwald");
    EXPECT_EQ(unicode.colors.at(0).value.rgb, 0x1E140Au);
    EXPECT_EQ(unicode.wallpaper->value, "%ThemeDir%B\xF6hmerwald \x96 Herbst.jpg");
    ASSERT_EQ(unicode.pointers.size(), 2u);
    EXPECT_EQ(unicode.pointers[0].value.path, "%ThemeDir%Fichte Pfeil.cur");
    EXPECT_EQ(unicode.pointers[1].refusal, "not in the ANSI code page");
}

TEST(ThemeFileTest, TypesOrRefusesEachValue) {
    const struct {
        const char* section;
        std::string line;
        std::string found;
    } cases[] = {
        {"Control Panel\\Colors", "Menu=0 0 0", "0"},
        {"Control Panel\\Colors", "Menu=255 255\t 255", "16777215"},
        {"Control Panel\\Colors", "Menu=256 0 0", "refused: not a colour"},
        {"Control Panel\\Colors", "Menu=1 2 3 4", "refused: not a colour"},
        {"Control Panel\\Colors", "Menu=-1 2 3", "refused: not a colour"},
        {"Control Panel\\Colors", "Menu=1,2,3", "refused: not a colour"},
        {"Control Panel\\Desktop", "Wallpaper=(none)", "[]"},
        {"Control Panel\\Desktop", "Wallpaper=C:\\(None)", "[C:\\(None)]"},
        {"Control Panel\\Desktop", "TileWallpaper=2", "refused: not 0 or 1"},
        {"Control Panel\\Desktop", "WallpaperStyle=6", "2"},
        {"Control Panel\\Desktop", "WallpaperStyle=10", "2"},
        {"Control Panel\\Desktop", "WallpaperStyle=22", "refused: unknown wallpaper style"},
        {"Control Panel\\Desktop", "Pattern=", "(None)"},
        {"Control Panel\\Desktop", "Pattern=(NONE)", "(NONE)"},
        {"Control Panel\\Desktop", "Pattern=0 80 114 32 0 5 39 2", "0 80 114 32 0 5 39 2"},
        {"Control Panel\\Desktop", "Pattern=0 80 114", "refused: not a pattern"},
        {"Control Panel\\Cursors", "DefaultValue=Jungle\x01", "refused: control character"},
        {"Metrics", "NonclientMetrics=" + byteList(340), "340"},
        {"Metrics", "NonclientMetrics=" + byteList(344), "340"},
        {"Metrics", "NonclientMetrics=" + byteList(339), "refused: wrong length"},
        {"Metrics", "NonclientMetrics=" + byteList(345), "refused: wrong length"},
        {"Metrics", "NonclientMetrics=" + byteList(340, "256"), "refused: not a byte list"},
        {"Metrics", "NonclientMetrics=" + byteList(340, "-1"), "refused: not a byte list"},
        {"Metrics", "NonclientMetrics=", "refused: wrong length"},
        {"Metrics", "IconMetrics=" + byteList(76), "76"},
        {"Metrics", "IconMetrics=" + byteList(80), "refused: wrong length"},
    };
    for (const auto& c : cases) {
        const ThemeFile theme = readText(std::string("[") + c.section + "]\n" + c.line + "\n");
        std::string found = "(none)";
        if (!theme.colors.empty())
            found = outcome(std::optional(theme.colors[0]), std::to_string(theme.colors[0].value.rgb));
        else if (theme.wallpaper)
            found = outcome(theme.wallpaper, "[" + theme.wallpaper->value + "]");
        else if (theme.tileWallpaper)
            found = outcome(theme.tileWallpaper, "");
        else if (theme.wallpaperStyle)
            found = outcome(theme.wallpaperStyle, std::to_string(theme.wallpaperStyle->value));
        else if (theme.pattern)
            found = outcome(theme.pattern, theme.pattern->value);
        else if (theme.pointerScheme)
            found = outcome(theme.pointerScheme, theme.pointerScheme->value);
        else if (theme.nonClientMetrics)
            found = outcome(theme.nonClientMetrics, std::to_string(theme.nonClientMetrics->value.cbSize));
        else if (theme.iconMetrics)
            found = outcome(theme.iconMetrics, std::to_string(theme.iconMetrics->value.cbSize));
        EXPECT_EQ(found, c.found) << c.line;
    }
}

TEST(ThemeFileTest, TakesASoundOnlyUnderOneValidApplicationAndEvent) {
    const std::string longName(64, 'a');
    const struct {
        std::string section;
        std::string found;
    } cases[] = {
        {".Default\\SystemAsterisk", ".Default\\SystemAsterisk"},
        {".default\\Mail Beep_2-b\\.current", ".default\\Mail Beep_2-b"},
        {"Explorer", "(none)"},
        {longName + "\\" + longName, longName + "\\" + longName},
        {longName + "a\\Event", "refused: bad sound name"},
        {"..\\Run", "refused: bad sound name"},
        {". \\Run", "refused: bad sound name"},
        {"App\\", "refused: bad sound name"},
        {"App\\Event\\Extra", "refused: bad sound name"},
        {"App\\Event\\.Current\\More", "refused: bad sound name"},
        {"Ap$p\\Event", "refused: bad sound name"},
        {"App\\Ev\xE9nt", "refused: bad sound name"},
    };
    for (const auto& c : cases) {
        const ThemeFile theme = readText("[AppEvents\\Schemes\\Apps\\" + c.section +
                                         "]\nDefaultValue=C:\\WINDOWS\\MEDIA\\x.wav\n");
        std::string found = "(none)";
        if (!theme.sounds.empty())
            found = theme.sounds[0].refusal.empty()
                        ? theme.sounds[0].value.application + "\\" + theme.sounds[0].value.event
                        : "refused: " + theme.sounds[0].refusal;
        EXPECT_EQ(found, c.found) << c.section;
    }
    const ThemeFile repeated =
        readText("[AppEvents\\Schemes\\Apps\\A\\E]\nDefaultValue=C:\\1.wav\n"
                 "[AppEvents\\Schemes\\Apps\\a\\e\\.Current]\nDefaultValue=C:\\2.wav\n");
    ASSERT_EQ(repeated.sounds.size(), 1u);
    EXPECT_EQ(repeated.sounds[0].value.path, "C:\\1.wav");
    EXPECT_EQ(repeated.ignored, std::vector<std::string>{"[AppEvents\\Schemes\\Apps\\a\\e\\.Current]"});
}

TEST(ThemeFileTest, NamesTheThemeByItsPlainDisplayNameOrItsFile) {
    const struct {
        const char* text;
        const char* fileName;
        const char* name;
    } cases[] = {
        {"[Theme]\nDisplayName=Jungle\n", "C:\\Themes\\x.theme", "Jungle"},
        {"[Theme]\nDisplayName=@themeui.dll,-2013\n", "C:\\Themes\\Nature.theme", "Nature"},
        {"[Theme]\nDisplayName=\n", "Sea.Side.theme", "Sea.Side"},
        {"[Theme]\nDisplayName=a\tb\n", "C:/Themes/Tab.theme", "Tab"},
        {"[Colors]\n", "C:\\Themes\\NoExtension", "NoExtension"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readText(c.text, c.fileName).displayName, c.name) << c.text;
}

TEST(ThemeFileTest, ReadsAFileOfManySectionsInLinearTime) {
    const std::string section = "[AppEvents\\Schemes\\Apps\\A\\E]\nDefaultValue=\n";
    std::string sections;
    while (sections.size() + section.size() <= maxFileBytes)
        sections += section;
    const auto start = std::chrono::steady_clock::now();
    const ThemeFile theme = readText(sections);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(theme.sounds.size(), 1u);
    EXPECT_EQ(theme.ignored.size(), sections.size() / section.size() - 1);
}
