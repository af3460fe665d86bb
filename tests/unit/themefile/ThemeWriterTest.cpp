// The theme writer: what it writes reads back as the theme it was given, in the
// sections and names Windows reads, and what a profile file cannot hold is refused
// rather than written wrongly.
#include "themefile/ThemeWriter.h"

#include "ThemeData.h"
#include "ThemeDescription.h"
#include "runtime/Error.h"
#include "themefile/Metrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace themefile;
using theme_test::describe;
using theme_test::toCp1252;

namespace {

const std::string fileName = "C:\\Themes\\Written.theme";

ThemeFile readBack(const std::string& bytes) {
    return readThemeFile(bytes, fileName, toCp1252);
}

// The error's description, or "written" when the theme was written.
std::string refusalOf(const ThemeFile& theme, const std::vector<ExtraSection>& extra = {}) {
    try {
        writeThemeFile(theme, extra);
    } catch (const rt::Error& error) {
        return std::to_string(error.number()) + " " + error.description();
    }
    return "written";
}

bool onlyCrLfLineEnds(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
    }
    return true;
}

// Every value a theme can hold, each set to value: a path, a name or a text.
ThemeFile themeOfValue(const std::string& value) {
    ThemeFile theme;
    theme.displayName = value;
    theme.pointers.push_back({"Arrow", {1, value}, {}});
    // An icon path that ends in a blank cannot be followed by an index: the reader trims it.
    const bool index = value.empty() || (value.back() != ' ' && value.back() != '\t');
    theme.icons.push_back({"Recycle Bin full", {3, IconRole::full, value, index, index ? -7 : 0}, {}});
    theme.wallpaper = Setting<std::string>{"Wallpaper", value, {}};
    theme.sounds.push_back({".Default\\SystemAsterisk", {".Default", "SystemAsterisk", value}, {}});
    theme.screenSaver = Setting<std::string>{"SCRNSAVE.EXE", value, {}};
    return theme;
}

} // namespace

TEST(ThemeWriterTest, EveryTestThemeReadsBackAsItWas) {
    for (const char* name :
         {"colors-only.theme", "duplicates.theme", "hostile.theme", "later-windows-nature.theme",
          "plus95-jungle.theme", "utf16-boehmerwald.theme", "win2000-autumn.theme"}) {
        const ThemeFile theme = theme_test::readTheme(name);
        const std::string written = writeThemeFile(theme);
        EXPECT_TRUE(onlyCrLfLineEnds(written)) << name;
        const ThemeFile back = readThemeFile(written, std::string("C:\\Themes\\") + name, toCp1252);
        EXPECT_EQ(describe(back), describe(theme)) << name;
        EXPECT_EQ(back.ignored, std::vector<std::string>{"[MasterThemeSelector]"}) << name;
    }
}

TEST(ThemeWriterTest, ValuesTheProfileFunctionsWouldChangeReadBackUnchanged) {
    for (const std::string value : {" leading blank",
                                    "trailing blank ",
                                    "\ttab",
                                    "tab\t",
                                    "end of file\x1A",
                                    "\vvertical tab",
                                    "form feed\f",
                                    "\"double quoted\"",
                                    "'single quoted'",
                                    "\"",
                                    "'",
                                    "''",
                                    "\"open",
                                    "close\"",
                                    "'mixed\"",
                                    "\" quoted with blanks \"",
                                    "a=b=c",
                                    "; not a comment",
                                    "[not a section]",
                                    "%ThemeDir%x.bmp",
                                    "C:\\My Themes\\x,y.ico",
                                    "\xE9t\xE9 \xFF",
                                    "C:\\WINDOWS\\x.bmp  \t"}) {
        const ThemeFile theme = themeOfValue(value);
        const ThemeFile back = readBack(writeThemeFile(theme));
        // A display name with a control character is no display name: the file's name stands in.
        if (value.find_first_of("\t\v\f\x1A") != std::string::npos)
            EXPECT_EQ(back.displayName, "Written") << value;
        else
            EXPECT_EQ(back.displayName, value);
        EXPECT_EQ(describe(back).size(), describe(theme).size()) << value;
        for (std::size_t i = 1; i < describe(theme).size(); ++i)
            EXPECT_EQ(describe(back).at(i), describe(theme)[i]) << value;
    }
}

TEST(ThemeWriterTest, IconsKeepTheirOrderCommasAndIndexes) {
    // The objects in the order the file named them, whatever the Windows order.
    const ThemeFile ordered = readBack("[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\n"
                                       "empty=C:\\e.ico\nfull=C:\\f.ico\n"
                                       "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\n"
                                       "DefaultValue=C:\\c.ico\n");
    EXPECT_EQ(describe(readBack(writeThemeFile(ordered))), describe(ordered));

    const struct {
        std::string path;
        bool hasIndex;
        int index;
    } cases[] = {
        {"C:\\Icons\\a,b.ico", false, 0},
        {"C:\\Icons\\a,5x.ico", false, 0},
        {"C:\\Icons\\a,99999999999", false, 0},
        {"C:\\Icons\\a,-2147483649", false, 0},
        {"C:\\Icons\\a,", false, 0},
        {"C:\\Icons\\a,5", true, 17},
        {"", true, 3},
        {"C:\\WINNT\\System32\\mydocs.dll", true, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        ThemeFile theme;
        theme.displayName = "Icons";
        theme.icons.push_back({"My Computer", {0, IconRole::normal, c.path, c.hasIndex, c.index}, {}});
        const ThemeFile back = readBack(writeThemeFile(theme));
        EXPECT_EQ(describe(back), describe(theme)) << c.path;
    }
}

TEST(ThemeWriterTest, WritesTheSectionsAndNamesWindowsReads) {
    ThemeFile theme;
    theme.displayName = "Jungle";
    theme.colors.push_back({"Background", {1, 0x004000}, {}});
    theme.colors.push_back({"TitleText", {9, 0xFFFFFF}, {}});
    theme.pointerScheme = Setting<std::string>{"scheme name", "Jungle", {}};
    theme.pointers.push_back({"Wait", {14, "%ThemeDir%Jungle wait.ani"}, {}});
    theme.icons.push_back({"My Computer", {0, IconRole::normal, "%WinDir%explorer.exe", false, 0}, {}});
    theme.icons.push_back({"Recycle Bin empty", {3, IconRole::empty, "%ThemeDir%empty.ico", true, 0}, {}});
    theme.icons.push_back({"Recycle Bin full", {3, IconRole::full, "%ThemeDir%full.ico", true, 0}, {}});
    theme.wallpaper = Setting<std::string>{"Wallpaper", "", {}};
    theme.tileWallpaper = Setting<bool>{"TileWallpaper", true, {}};
    theme.wallpaperStyle = Setting<int>{"WallpaperStyle", 2, {}};
    theme.pattern = Setting<std::string>{"Pattern", "(None)", {}};
    theme.screenSaveActive = Setting<bool>{"ScreenSaveActive", false, {}};
    theme.sounds.push_back({".Default\\.Default", {".Default", ".Default", "%ThemeDir%Jungle.wav"}, {}});
    theme.screenSaver = Setting<std::string>{"SCRNSAVE.EXE", "%WinDir%SYSTEM\\Jungle.scr", {}};
    EXPECT_EQ(writeThemeFile(theme, {{"Decorama", {{"Saved", "1"}}}}),
              "[Theme]\r\nDisplayName=Jungle\r\n"
              "\r\n[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\r\n"
              "DefaultValue=%WinDir%explorer.exe\r\n"
              "\r\n[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\r\n"
              "full=%ThemeDir%full.ico,0\r\nempty=%ThemeDir%empty.ico,0\r\n"
              "\r\n[Control Panel\\Colors]\r\nBackground=0 64 0\r\nTitleText=255 255 255\r\n"
              "\r\n[Control Panel\\Cursors]\r\nWait=%ThemeDir%Jungle wait.ani\r\nDefaultValue=Jungle\r\n"
              "\r\n[Control Panel\\Desktop]\r\nWallpaper=(None)\r\nTileWallpaper=1\r\nWallpaperStyle=2\r\n"
              "Pattern=(None)\r\nScreenSaveActive=0\r\n"
              "\r\n[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]\r\nDefaultValue=%ThemeDir%Jungle."
              "wav\r\n"
              "\r\n[boot]\r\nSCRNSAVE.EXE=%WinDir%SYSTEM\\Jungle.scr\r\n"
              "\r\n[MasterThemeSelector]\r\nMTSM=DABJDKT\r\n"
              "\r\n[Decorama]\r\nSaved=1\r\n");
}

TEST(ThemeWriterTest, WritesTheMetricsAsTheirDecimalBytes) {
    const ThemeFile jungle = theme_test::readTheme("plus95-jungle.theme");
    const ProfileText written = ProfileText::read(writeThemeFile(jungle));
    const ProfileSection* metrics = nullptr;
    for (const ProfileSection& section : written.sections())
        if (sameName(section.name, "Metrics"))
            metrics = &section;
    ASSERT_NE(metrics, nullptr);
    ASSERT_EQ(metrics->keys.size(), 2u);
    EXPECT_TRUE(sameName(metrics->keys[0].name, "IconMetrics"));
    EXPECT_TRUE(sameName(metrics->keys[1].name, "NonclientMetrics"));
    for (const auto& [key, size] : {std::pair{metrics->keys[0], iconMetricsBytes},
                                    std::pair{metrics->keys[1], nonClientMetricsBytes}}) {
        const std::string value(key.value.begin(), key.value.end());
        EXPECT_EQ(readMetricsBytes(value, size).refusal, "");
        EXPECT_EQ(std::count(value.begin(), value.end(), ' '), static_cast<std::ptrdiff_t>(size) - 1);
        EXPECT_EQ(value.substr(0, value.find(' ')), std::to_string(size % 256));
    }
}

TEST(ThemeWriterTest, LeavesOutWhatTheReaderRefused) {
    const ThemeFile theme = readBack("[Control Panel\\Colors]\nMenu=1 2 3 4\nWindow=1 2 3\n"
                                     "[Control Panel\\Desktop]\nTileWallpaper=2\nPattern=1 2\n"
                                     "[Metrics]\nNonclientMetrics=1 2 3\n"
                                     "[AppEvents\\Schemes\\Apps\\A$\\E]\nDefaultValue=C:\\x.wav\n");
    const std::string written = writeThemeFile(theme);
    for (const char* left : {"Menu", "TileWallpaper", "Pattern", "[Metrics]", "A$"})
        EXPECT_EQ(written.find(left), std::string::npos) << left;
    EXPECT_NE(written.find("Window=1 2 3"), std::string::npos);
}

TEST(ThemeWriterTest, WritesTheCallersSectionsAfterTheStandardOnes) {
    const std::vector<ExtraSection> extra{
        {"Decorama Snapshot", {{"ScreenSaveTimeOut", "600"}, {"Padded", "  600 "}, {"Empty", ""}}},
        {"Decorama Other", {{"Quoted", "'x'"}}}};
    const std::string written = writeThemeFile(theme_test::readTheme("plus95-jungle.theme"), extra);
    const ProfileText profile = ProfileText::read(written);
    const std::vector<ProfileSection>& sections = profile.sections();
    ASSERT_GE(sections.size(), 2u);
    const ProfileSection& snapshot = sections[sections.size() - 2];
    EXPECT_TRUE(sameName(snapshot.name, "Decorama Snapshot"));
    std::vector<std::string> keys;
    for (const ProfileKey& key : snapshot.keys)
        keys.push_back(std::string(key.name.begin(), key.name.end()) + "=" +
                       std::string(key.value.begin(), key.value.end()));
    EXPECT_EQ(keys, (std::vector<std::string>{"ScreenSaveTimeOut=600", "Padded=  600 ", "Empty="}));
    EXPECT_EQ(std::string(sections.back().keys.at(0).value.begin(), sections.back().keys.at(0).value.end()),
              "'x'");
    EXPECT_EQ(readBack(written).ignored,
              (std::vector<std::string>{"[MasterThemeSelector]", "[Decorama Snapshot]", "[Decorama Other]"}));
}

TEST(ThemeWriterTest, RefusesWhatAProfileFileCannotHold) {
    const auto with = [](const std::function<void(ThemeFile&)>& change) {
        ThemeFile theme = theme_test::readTheme("plus95-jungle.theme");
        change(theme);
        return refusalOf(theme);
    };
    const auto extra = [](ExtraSection section) {
        return refusalOf(ThemeFile{}, {{"Decorama", {{"Kept", "1"}}}, std::move(section)});
    };
    const std::string cannot = "380 cannot write ";
    std::vector<std::pair<std::string, std::string>> bigFile;
    for (std::size_t size = 0; size <= maxFileBytes; size += maxLineBytes / 2)
        bigFile.push_back({"Key" + std::to_string(size), std::string(maxLineBytes / 2, 'x')});
    const struct {
        std::string refusal;
        std::string expected;
    } cases[] = {
        {with([](ThemeFile& t) { t.wallpaper->value = "C:\\a\r\nb.bmp"; }),
         cannot + "[Control Panel\\Desktop] Wallpaper: a line break or NUL in the value"},
        {with([](ThemeFile& t) { t.sounds[0].value.path = "C:\\a\nb.wav"; }),
         cannot + "[AppEvents\\Schemes\\Apps\\.Default\\."
                  "Default\\.Current] DefaultValue: a "
                  "line break or NUL in the value"},
        {with([](ThemeFile& t) { t.displayName = std::string("a\0b", 3); }),
         cannot + "[Theme] DisplayName: a line break or NUL in the value"},
        {with([](ThemeFile& t) { t.pointers[0].value.path = "C:\\a\r.cur"; }),
         cannot + "[Control Panel\\Cursors] Arrow: a line break or NUL in the value"},
        {with([](ThemeFile& t) {
             t.icons[0].value = {0, IconRole::normal, "C:\\x,5", false, 0};
         }),
         cannot + "My Computer: an icon path that ends in a comma and a number"},
        {with([](ThemeFile& t) {
             t.icons[0].value = {0, IconRole::normal, "C:\\x, -12 ", false, 0};
         }),
         cannot + "My Computer: an icon path that ends in a comma and a number"},
        {with([](ThemeFile& t) {
             t.icons[0].value = {0, IconRole::normal, "C:\\x.ico\t", true, 0};
         }),
         cannot + "My Computer: an icon path that ends in a blank"},
        {with([](ThemeFile& t) { t.icons[0].value.object = 4; }),
         cannot + "My Computer: index 4 has no Windows name"},
        {with([](ThemeFile& t) { t.colors[0].value.index = 29; }),
         cannot + "a colour: index 29 has no Windows name"},
        {with([](ThemeFile& t) { t.colors[1].value.index = t.colors[0].value.index; }),
         cannot + "[Control Panel\\Colors] Background: a key written twice"},
        {with([](ThemeFile& t) { t.pointers[0].value.slot = -1; }),
         cannot + "a pointer: index -1 has no Windows name"},
        {with([](ThemeFile& t) { t.wallpaperStyle->value = 6; }),
         cannot + "WallpaperStyle: style 6 is not 0 or 2"},
        {with([](ThemeFile& t) { t.sounds[1].value.event = "System\\Asterisk"; }),
         cannot +
             ".Default\\SystemAsterisk: an application or event name that is empty or holds a backslash"},
        {with([](ThemeFile& t) { t.sounds[1].value.application = ""; }),
         cannot +
             ".Default\\SystemAsterisk: an application or event name that is empty or holds a backslash"},
        {with([](ThemeFile& t) {
             t.sounds[1].value = {".default", ".DEFAULT", "C:\\x.wav"};
         }),
         cannot + "[AppEvents\\Schemes\\Apps\\.default\\.DEFAULT\\.Current]: a section written twice"},
        {extra({"theme", {}}), cannot + "[theme]: a section written twice"},
        {extra({"DECORAMA", {}}), cannot + "[DECORAMA]: a section written twice"},
        {extra({"Deco\nrama", {}}), cannot + "[Deco\nrama]: a line break or NUL in the section name"},
        {extra({"Mine", {{"a=b", "1"}}}), cannot + "[Mine] a=b: not a key name the profile functions find"},
        {extra({"Mine", {{" a", "1"}}}), cannot + "[Mine]  a: not a key name the profile functions find"},
        {extra({"Mine", {{"a\t", "1"}}}), cannot + "[Mine] a\t: not a key name the profile functions find"},
        {extra({"Mine", {{";a", "1"}}}), cannot + "[Mine] ;a: not a key name the profile functions find"},
        {extra({"Mine", {{"[a]", "1"}}}), cannot + "[Mine] [a]: not a key name the profile functions find"},
        {extra({"Mine", {{"", "1"}}}), cannot + "[Mine] : not a key name the profile functions find"},
        {extra({"Mine", {{"a", "1"}, {"A", "2"}}}), cannot + "[Mine] A: a key written twice"},
        {extra({"Mine", {{"a", "1\n[Theme]"}}}), cannot + "[Mine] a: a line break or NUL in the value"},
        {extra({"Mine", {{"a]", "x"}, {"a;b", "\x01"}}}), "written"},
        {extra({"Mine", {{"a", std::string(maxLineBytes - 2, 'x')}}}), "written"},
        {extra({"Mine", {{"a", std::string(maxLineBytes - 1, 'x')}}}),
         cannot + "[Mine] a: a line over 64 KiB"},
        {extra({std::string(maxLineBytes - 1, 'x'), {}}), cannot + "a section: a line over 64 KiB"},
        {extra({"Mine", bigFile}), cannot + "the theme: a file over 1 MiB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.refusal, c.expected);
}
