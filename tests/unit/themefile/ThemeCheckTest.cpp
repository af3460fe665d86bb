// The check between a theme file and Windows: every refusal, the expansion of the
// theme's variables, the look of each kind of file, the screen saver's rules, and
// how an aspect reports values left out.
#include "themefile/ThemeCheck.h"

#include "ThemeData.h"
#include "doubles/theme/FileHeads.h"
#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "runtime/Error.h"
#include "themeapply/Surroundings.h"
#include "themefile/Metrics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace themefile;
using namespace theme_test;

namespace {

// "path" when allowed (with " (missing)" for a file not there), else "refused: <reason>".
std::string verdictOf(const PathVerdict& verdict) {
    if (!verdict.path)
        return "refused: " + verdict.refusal;
    return verdict.path->path() + (verdict.path->missing() ? " (missing)" : "");
}

std::vector<std::string> reportLines(const CheckedTheme& theme) {
    std::vector<std::string> lines;
    for (Aspect aspect : allAspects)
        lines.push_back(reportLine(aspect, theme.report(aspect)));
    return lines;
}

// Windows 98 with the theme in Plus!'s folder; the fake's later calls are the files asked about.
class ThemeCheckTest : public ::testing::Test {
protected:
    std::size_t filesAsked() const { return fake.operationTrail().size() - built; }

    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    themeapply::WindowsSurroundings place{platform, "C:\\Program Files\\Plus!\\Themes\\Jungle.theme"};
    const std::size_t built = fake.operationTrail().size();
};

} // namespace

TEST_F(ThemeCheckTest, RefusesAPathBeforeLookingAtIt) {
    const struct {
        std::string value;
        FileKind kind;
        const char* reason;
    } cases[] = {
        {"\\\\attacker\\share\\bait.jpg", FileKind::picture, "network path"},
        {"//attacker/share/bait.jpg", FileKind::picture, "network path"},
        {"\\/attacker/share/bait.jpg", FileKind::picture, "network path"},
        {"\\\\?\\C:\\bait.jpg", FileKind::picture, "network path"},
        {"http://attacker/arrow.cur", FileKind::pointer, "web address"},
        {"file:///C:/arrow.cur", FileKind::pointer, "web address"},
        {"ms-settings:display", FileKind::icon, "web address"},
        {"ab:x.ico", FileKind::icon, "web address"},
        {"C:\\Themes\\arrow.cur:stream", FileKind::pointer, "colon in path"},
        {"C:\\Themes\\..\\arrow.cur", FileKind::pointer, "parent folder in path"},
        {"%ThemeDir%...\\arrow.cur", FileKind::pointer, "parent folder in path"},
        {"C:\\Themes\\arrow\x07.cur", FileKind::pointer, "control character"},
        {"C:\\Themes\\COM1.cur", FileKind::pointer, "device name"},
        {"C:\\lpt9\\x.wav", FileKind::sound, "device name"},
        {"%WinDir%nul", FileKind::sound, "device name"},
        {"C:\\Themes\\Aux .tar.wav", FileKind::sound, "device name"},
        {"C:\\Themes\\COM\xB9.wav", FileKind::sound, "device name"},
        {"C:\\Themes\\conin$", FileKind::sound, "device name"},
        {"%USERPROFILE%\\x.wav", FileKind::sound, "unknown variable"},
        {"C:\\Themes\\" + std::string(250, 'x') + ".wav", FileKind::sound, "path too long"},
        {"%ThemeDir%" + std::string(226, 'x') + ".wav", FileKind::sound, "path too long"},
        {"arrow.cur", FileKind::pointer, "not a full path"},
        {"\\Themes\\arrow.cur", FileKind::pointer, "not a full path"},
        {"C:arrow.cur", FileKind::pointer, "not a full path"},
        {"C:\\Themes\\a?.cur", FileKind::pointer, "bad character"},
        {"%ThemeDir%*.cur", FileKind::pointer, "bad character"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(verdictOf(PathCheck(place).file(c.value, c.kind)), std::string("refused: ") + c.reason)
            << c.value;
        EXPECT_EQ(filesAsked(), 0u) << c.value;
    }
    const themeapply::WindowsSurroundings shared(platform, "\\\\server\\themes\\a.theme");
    EXPECT_EQ(verdictOf(PathCheck(shared).file("%ThemeDir%a.bmp", FileKind::picture)),
              "refused: network path");
}

TEST_F(ThemeCheckTest, ExpandsTheThemesVariablesIntoFullPaths) {
    const std::string longest(225, 'x');
    const struct {
        std::string value;
        FileKind kind;
        std::string path;
    } cases[] = {
        {"%ThemeDir%Jungle.jpg", FileKind::picture, "C:\\Program Files\\Plus!\\Themes\\Jungle.jpg"},
        {"%windir%media\\x.wav", FileKind::sound, "C:\\WINDOWS\\media\\x.wav"},
        {"%WinDir%\\media\\x.wav", FileKind::sound, "C:\\WINDOWS\\media\\x.wav"},
        {"%SYSTEMROOT%\\\\media\\\\x.wav", FileKind::sound, "C:\\WINDOWS\\media\\x.wav"},
        {"%ProgramFiles%Plus!\\x.wav", FileKind::sound, "C:\\Program Files\\Plus!\\x.wav"},
        {"C:/WINDOWS/x.bmp", FileKind::picture, "C:\\WINDOWS\\x.bmp"},
        {"shell32.dll", FileKind::icon, "C:\\WINDOWS\\SYSTEM\\shell32.dll"},
        {"C:\\COMPUTER\\console.bmp", FileKind::picture, "C:\\COMPUTER\\console.bmp"},
        {"C:\\COM1X\\LPT.bmp", FileKind::picture, "C:\\COM1X\\LPT.bmp"},
        {"C:\\100% pure.bmp", FileKind::picture, "C:\\100% pure.bmp"},
        {"%ThemeDir%" + longest + ".wav", FileKind::sound,
         "C:\\Program Files\\Plus!\\Themes\\" + longest + ".wav"},
        {"", FileKind::picture, ""},
    };
    for (const auto& c : cases) {
        const PathVerdict verdict = PathCheck(place).file(c.value, c.kind);
        ASSERT_TRUE(verdict.path) << c.value << ": " << verdict.refusal;
        EXPECT_EQ(verdict.path->path(), c.path);
        EXPECT_EQ(verdict.path->missing(), !c.value.empty()) << c.value;
    }
}

TEST_F(ThemeCheckTest, AFileThereMustLookLikeItsKind) {
    const struct {
        FileKind kind;
        std::string head;
        const char* refusal;
    } cases[] = {
        {FileKind::picture, bmpHead, ""},
        {FileKind::picture, jpegHead, ""},
        {FileKind::picture, gifHead, ""},
        {FileKind::picture, pngHead, ""},
        {FileKind::picture, waveHead, "not a picture"},
        {FileKind::picture, "<html>", "not a picture"},
        {FileKind::pointer, curHead, ""},
        {FileKind::pointer, aniHead, ""},
        {FileKind::pointer, icoHead, "not a pointer"},
        {FileKind::icon, icoHead, ""},
        {FileKind::icon, moduleHead, ""},
        {FileKind::icon, bmpHead, "not an icon"},
        {FileKind::sound, waveHead, ""},
        {FileKind::sound, aniHead, "not a sound"},
        {FileKind::sound, "RIFF", "not a sound"},
        {FileKind::sound, "", "unreadable file"},
    };
    for (const auto& c : cases) {
        fake.makeFile("C:\\Themes\\file", c.head);
        const PathVerdict verdict = PathCheck(place).file("c:\\themes\\FILE", c.kind);
        EXPECT_EQ(verdict.refusal, c.refusal) << c.head;
        EXPECT_EQ(verdict.path.has_value(), !*c.refusal);
    }
}

TEST_F(ThemeCheckTest, FindsAThemePacksFilesBesideTheTheme) {
    fake.makeFile("C:\\Program Files\\Plus!\\Themes\\Nature\\DesktopBackground\\img1.jpg", jpegHead);
    const PathCheck check(place);
    EXPECT_EQ(verdictOf(check.file("%SystemRoot%\\Resources\\Themes\\Nature\\DesktopBackground\\img1.jpg",
                                   FileKind::picture)),
              "C:\\Program Files\\Plus!\\Themes\\Nature\\DesktopBackground\\img1.jpg");
    EXPECT_EQ(verdictOf(check.file("%SystemRoot%\\Resources\\Themes\\Nature\\img2.jpg", FileKind::picture)),
              "C:\\WINDOWS\\Resources\\Themes\\Nature\\img2.jpg (missing)");
}

TEST_F(ThemeCheckTest, RunsOnlyAPlainScreenSaverFromTheThemesOrWindowsFolders) {
    const struct {
        const char* value;
        bool allowed;
        const char* verdict;
    } cases[] = {
        {"%WinDir%SYSTEM\\Jungle.scr", true, "C:\\WINDOWS\\SYSTEM\\Jungle.scr"},
        {"%ThemeDir%Jungle.scr", true, "C:\\Program Files\\Plus!\\Themes\\Jungle.scr"},
        {"C:\\windows\\Jungle.scr", true, "C:\\windows\\Jungle.scr"},
        {"", false, ""},
        {"%WinDir%SYSTEM\\Jungle.scr", false, "refused: screen savers not allowed (use /saver)"},
        {"command.com /c format c: /autotest", true, "refused: not a plain path"},
        {"C:\\WINDOWS\\Jungle.scr /s", true, "refused: not a plain path"},
        {"C:\\WINDOWS\\Jungle.scr -s", true, "refused: not a plain path"},
        {"C:\\WINDOWS\\Jungle.scr|del", true, "refused: not a plain path"},
        {"C:\\WINDOWS\\Jungle.scr & x", true, "refused: not a plain path"},
        {"\"C:\\WINDOWS\\Jungle.scr\" x", true, "refused: not a plain path"},
        {"C:\\WINDOWS\\Jungle.exe", true, "refused: not a screen saver"},
        {"C:\\WINDOWS\\Fake.scr", true, "refused: not a screen saver"},
        {"C:\\WINDOWS\\TEMP\\Jungle.scr", true, "refused: outside the theme and windows folders"},
        {"C:\\Jungle.scr", true, "refused: outside the theme and windows folders"},
        {"C:\\WINDOWS\\Missing.scr", true, "refused: file not found"},
        {"\\\\server\\share\\Jungle.scr", true, "refused: network path"},
        {"C:\\WINDOWS\\..\\Jungle.scr", true, "refused: parent folder in path"},
    };
    for (const char* path :
         {"C:\\WINDOWS\\SYSTEM\\Jungle.scr", "C:\\Program Files\\Plus!\\Themes\\Jungle.scr",
          "C:\\WINDOWS\\Jungle.scr", "C:\\WINDOWS\\TEMP\\Jungle.scr", "C:\\Jungle.scr"})
        fake.makeFile(path, moduleHead);
    fake.makeFile("C:\\WINDOWS\\Fake.scr", bmpHead);
    for (const auto& c : cases) {
        const std::size_t asked = filesAsked();
        EXPECT_EQ(verdictOf(PathCheck(place).screenSaver(c.value, c.allowed)), c.verdict) << c.value;
        EXPECT_TRUE(c.allowed || filesAsked() == asked) << c.value;
    }
}

TEST_F(ThemeCheckTest, TakesAnEmptyValueAsWindowsDefault) {
    const CheckedTheme checked = checkTheme(readTheme("win2000-autumn.theme"), place, {});
    EXPECT_TRUE(checked.sounds.at(0).file.isDefault()) << "MailBeep";
    EXPECT_EQ(checked.icons.at(0).file.path(), "C:\\WINDOWS\\System32\\mydocs.dll");
    EXPECT_EQ(checked.icons.at(0).registryText(), "C:\\WINDOWS\\System32\\mydocs.dll,-101");
}

TEST_F(ThemeCheckTest, LeavesOutRefusedValuesAndTheValuesThatGoWithThem) {
    const CheckedTheme hostile = checkTheme(readTheme("hostile.theme"), place, {true});
    EXPECT_EQ(reportLines(hostile),
              (std::vector<std::string>{"colors: absent", "pointers: refused: web address",
                                        "icons: refused: network path", "wallpaper: refused: network path",
                                        "sounds: refused: bad sound name", "saver: refused: not a plain path",
                                        "fonts: absent", "sizes: absent", "pictures: absent"}));
    EXPECT_EQ(hostile.report(Aspect::pointers).refused.size(), 7u);
    EXPECT_FALSE(hostile.tileWallpaper) << "the tiling of a refused picture";
    EXPECT_EQ(filesAsked(), 0u);

    // Some pointers allowed: the aspect applies them and names those left out.
    const ThemeFile mixed =
        readThemeFile("[Control Panel\\Cursors]\nArrow=%ThemeDir%a.cur\nWait=\\\\x\\w.ani\n"
                      "[Control Panel\\Colors]\nMenu=1 2 3 4\n",
                      "mixed.theme", ansi98());
    const CheckedTheme checked = checkTheme(mixed, place, {});
    EXPECT_EQ(reportLine(Aspect::pointers, checked.report(Aspect::pointers)), "pointers: ok");
    ASSERT_EQ(checked.report(Aspect::pointers).refused.size(), 1u);
    EXPECT_EQ(checked.report(Aspect::pointers).refused[0].name, "Wait");
    EXPECT_EQ(checked.report(Aspect::pointers).refused[0].reason, "network path");
    EXPECT_EQ(checked.pointers.size(), 1u);
    EXPECT_EQ(reportLine(Aspect::colors, checked.report(Aspect::colors)), "colors: refused: not a colour");
}

TEST_F(ThemeCheckTest, SplitsFontsFromSizes) {
    win::NONCLIENTMETRICSA theme{}, fonts{}, sizes{};
    theme.iCaptionHeight = 30;
    theme.lfMenuFont = {-20, 8, 0, 0, 700, 1, 0, 0, 238, 0, 0, 0, 0, "Jungle Sans"};
    fonts.iCaptionHeight = sizes.iCaptionHeight = 18;
    fonts.lfMenuFont = sizes.lfMenuFont = {-11, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"};
    takeFonts(theme, fonts);
    takeSizes(theme, sizes);
    const auto font = [](const win::NONCLIENTMETRICSA& m) {
        return std::to_string(m.iCaptionHeight) + " " + std::to_string(m.lfMenuFont.lfHeight) + " " +
               std::to_string(m.lfMenuFont.lfWidth) + " " + std::to_string(m.lfMenuFont.lfWeight) + " " +
               std::to_string(m.lfMenuFont.lfCharSet) + " " + m.lfMenuFont.lfFaceName;
    };
    EXPECT_EQ(font(fonts), "18 -11 0 700 238 Jungle Sans");
    EXPECT_EQ(font(sizes), "30 -20 8 400 0 Tahoma");
}

TEST_F(ThemeCheckTest, ReadsAspectListsAsTheConsoleProgramTakesThem) {
    for (Aspect aspect : allAspects)
        EXPECT_EQ(parseAspectList(aspectName(aspect)), std::vector<Aspect>{aspect});
    EXPECT_EQ(parseAspectList(" colors, Sounds,colors "),
              (std::vector<Aspect>{Aspect::colors, Aspect::sounds}));
    for (const char* wrong : {"colours", "colors,,sounds", ""})
        EXPECT_THROW(parseAspectList(wrong), rt::Error) << wrong;
}
