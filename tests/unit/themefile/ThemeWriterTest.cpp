// The theme writer: what it writes reads back as the theme it was given, in the
// sections and names Windows reads; what a profile file cannot hold is refused.
#include "themefile/ThemeWriter.h"

#include "ThemeData.h"
#include "ThemeDescription.h"
#include "runtime/Error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace themefile;
using namespace theme_test;

namespace {

ThemeFile readBack(const std::string& bytes) {
    return readThemeFile(bytes, "C:\\Themes\\Written.theme", ansi98());
}

// "380 <description>" of the error, or "written".
std::string refusalOf(const ThemeFile& theme, const std::vector<ExtraSection>& extra = {}) {
    try {
        writeThemeFile(theme, extra);
    } catch (const rt::Error& error) {
        return std::to_string(error.number()) + " " + error.description();
    }
    return "written";
}

} // namespace

TEST(ThemeWriterTest, EveryTestThemeReadsBackAsItWas) {
    for (const char* name :
         {"colors-only.theme", "duplicates.theme", "hostile.theme", "later-windows-nature.theme",
          "plus95-jungle.theme", "utf16-boehmerwald.theme", "win2000-autumn.theme"}) {
        const ThemeFile theme = readTheme(name);
        const std::string written = writeThemeFile(theme);
        std::string rest = written; // CR LF line ends only
        for (std::size_t at; (at = rest.find("\r\n")) != std::string::npos;)
            rest.erase(at, 2);
        EXPECT_EQ(rest.find_first_of("\r\n"), std::string::npos) << name;
        const ThemeFile back = readThemeFile(written, std::string("C:\\Themes\\") + name, ansi98());
        EXPECT_EQ(describe(back), describe(theme)) << name;
        EXPECT_EQ(back.ignored, std::vector<std::string>{"[MasterThemeSelector]"}) << name;
    }
}

TEST(ThemeWriterTest, ValuesTheProfileFunctionsWouldChangeReadBackUnchanged) {
    for (const std::string value :
         {" leading", "trailing ", "\ttab", "tab\t", "eof\x1A", "\vvt", "ff\f", "\"double\"", "'single'",
          "\"", "''", "\"open", "close'", "'mixed\"", "a=b", "; not a comment", "[not a section]",
          "\xE9t\xE9 \xFF", "C:\\a,b.ico"}) {
        ThemeFile theme;
        theme.displayName = value;
        theme.pointers.push_back({"Arrow", {1, value}, {}});
        theme.wallpaper = Setting<std::string>{"Wallpaper", value, {}};
        theme.sounds.push_back({".Default\\SystemAsterisk", {".Default", "SystemAsterisk", value}, {}});
        theme.screenSaver = Setting<std::string>{"SCRNSAVE.EXE", value, {}};
        std::vector<std::string> back = describe(readBack(writeThemeFile(theme))), sent = describe(theme);
        // A display name with a control character is none: the file's name stands in.
        if (value.find_first_of("\t\v\f\x1A") != std::string::npos)
            sent[0] = "name [Written]";
        EXPECT_EQ(back, sent);
    }
}

TEST(ThemeWriterTest, IconsKeepTheirOrderCommasAndIndexes) {
    const ThemeFile ordered = readBack("[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\n"
                                       "empty=C:\\e.ico\nfull=C:\\f.ico,-3\n"
                                       "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\n"
                                       "DefaultValue=C:\\c.ico\n");
    EXPECT_EQ(describe(readBack(writeThemeFile(ordered))), describe(ordered));
    for (const IconFile& icon : {IconFile{0, IconRole::normal, "C:\\a,5x.ico", false, 0},
                                 IconFile{0, IconRole::normal, "C:\\a,99999999999", false, 0},
                                 IconFile{0, IconRole::normal, "C:\\a,-2147483649", false, 0},
                                 IconFile{0, IconRole::normal, "C:\\a,5", true, 17},
                                 IconFile{0, IconRole::normal, "", true, -2147483647 - 1}}) {
        ThemeFile theme;
        theme.displayName = "Icons";
        theme.icons.push_back({"My Computer", icon, {}});
        EXPECT_EQ(describe(readBack(writeThemeFile(theme))), describe(theme)) << icon.path;
    }
}

TEST(ThemeWriterTest, WritesTheSectionsAndNamesWindowsReads) {
    const ThemeFile theme =
        readBack("[boot]\nSCRNSAVE.EXE=%WinDir%SYSTEM\\Jungle.scr\n"
                 "[AppEvents\\Schemes\\Apps\\.Default\\.Default]\nDefaultValue=Jungle.wav\n"
                 "[Control Panel\\Desktop]\nScreenSaveActive=0\nWallpaperStyle=2\nWallpaper=\n"
                 "[Control Panel\\Cursors]\nDefaultValue=Jungle\nWait=wait.ani\n"
                 "[Control Panel\\Colors]\nBackground=0 64 0\n[Theme]\nDisplayName=Jungle\n"
                 "[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\n"
                 "EMPTY=empty.ico,0\nFull=full.ico,0\n");
    EXPECT_EQ(writeThemeFile(theme, {{"Decorama", {{"Saved", "1"}}}}),
              "[Theme]\r\nDisplayName=Jungle\r\n"
              "\r\n[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\r\n"
              "full=full.ico,0\r\nempty=empty.ico,0\r\n"
              "\r\n[Control Panel\\Colors]\r\nBackground=0 64 0\r\n"
              "\r\n[Control Panel\\Cursors]\r\nWait=wait.ani\r\nDefaultValue=Jungle\r\n"
              "\r\n[Control Panel\\Desktop]\r\nWallpaper=(None)\r\nWallpaperStyle=2\r\nScreenSaveActive=0\r\n"
              "\r\n[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]\r\nDefaultValue=Jungle.wav\r\n"
              "\r\n[boot]\r\nSCRNSAVE.EXE=%WinDir%SYSTEM\\Jungle.scr\r\n"
              "\r\n[MasterThemeSelector]\r\nMTSM=DABJDKT\r\n"
              "\r\n[Decorama]\r\nSaved=1\r\n");
}

TEST(ThemeWriterTest, LeavesOutWhatTheReaderRefused) {
    const ThemeFile refused =
        readBack("[Control Panel\\Desktop]\nTileWallpaper=2\n[Metrics]\nIconMetrics=1\n");
    EXPECT_EQ(describe(readBack(writeThemeFile(refused))), describe(refused));
}

TEST(ThemeWriterTest, RefusesWhatAProfileFileCannotHold) {
    const auto with = [](const std::function<void(ThemeFile&)>& change) {
        ThemeFile theme = readTheme("plus95-jungle.theme");
        change(theme);
        return refusalOf(theme);
    };
    const auto key = [](std::string name, std::string value) {
        return refusalOf(ThemeFile{}, {{"Mine", {{"Kept", "1"}, {std::move(name), std::move(value)}}}});
    };
    const std::string longest(maxLineBytes - 2, 'x'); // "a=" and the value fill a line
    const std::string half(maxLineBytes / 2, 'x');
    std::vector<std::pair<std::string, std::string>> bigFile(maxFileBytes / half.size() + 1, {"", half});
    for (std::size_t i = 0; i < bigFile.size(); ++i)
        bigFile[i].first = std::to_string(i);
    const std::pair<std::string, std::string> cases[] = {
        {with([](ThemeFile& t) { t.wallpaper->value = "a\r\nb"; }),
         "[Control Panel\\Desktop] Wallpaper: a line break or NUL in the value"},
        {with([](ThemeFile& t) {
             t.icons[0].value = {0, IconRole::normal, "C:\\x, -12 ", false, 0};
         }),
         "My Computer: an icon path that ends in a comma and a number"},
        {with([](ThemeFile& t) { t.icons[0].value.path += "\t"; }),
         "My Computer: an icon path that ends in a blank"},
        {with([](ThemeFile& t) { t.colors[0].value.index = 29; }), "a colour: index 29 has no Windows name"},
        {with([](ThemeFile& t) { t.wallpaperStyle->value = 6; }), "WallpaperStyle: style 6 is not 0 or 2"},
        {with([](ThemeFile& t) {
             t.sounds[1].value = {".default", ".DEFAULT", "x"};
         }),
         "[AppEvents\\Schemes\\Apps\\.default\\.DEFAULT\\.Current]: a section written twice"},
        {key("a=b", ""), "[Mine] a=b: not a key name the profile functions find"},
        {key("KEPT", ""), "[Mine] KEPT: a key written twice"},
        {key("a", "x" + longest), "[Mine] a: a line over 64 KiB"},
        {refusalOf(ThemeFile{}, {{"Mine", bigFile}}), "the theme: a file over 1 MiB"},
    };
    for (const auto& [refusal, expected] : cases)
        EXPECT_EQ(refusal, "380 cannot write " + expected);
    EXPECT_EQ(key("a]", longest.substr(1)), "written");
}
