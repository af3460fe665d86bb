// A theme file applied over the fake Windows: what each aspect writes and sets
// live, the pictures converted for the desktop, the aspects that fail (a file not
// there, a write refused) beside those that apply, the values the check refused,
// the metrics kept within bounds, and where each Windows gets the desktop icons.
#include "ThemeFileFixture.h"

#include "catalogue/Module1.h"
#include "platform/WinFacts.h"
#include "runtime/ErrorTrap.h"
#include "themeapply/CatalogueTheme.h"
#include "themeapply/DesktopBitmap.h"
#include "themeapply/Surroundings.h"

#include <cstring>

using namespace themeapply_test;
using themefile::Aspect;
using themefile::AspectSet;

namespace {

const char* const myComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon";
const char* const recycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";

std::vector<std::string> lines(const themeapply::ApplyReport& report) {
    std::vector<std::string> all;
    for (Aspect aspect : themefile::allAspects)
        all.push_back(report.line(aspect));
    return all;
}

// The pixel at (x, y) of a 24-bit bottom-up BMP, as r, g, b.
std::array<int, 3> bmpPixel(const std::string& bmp, int x, int y) {
    std::int32_t width = 0, height = 0;
    std::memcpy(&width, bmp.data() + 18, 4);
    std::memcpy(&height, bmp.data() + 22, 4);
    const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bmp.data()) + 54 +
                             static_cast<std::size_t>(height - 1 - y) * row + static_cast<std::size_t>(x) * 3;
    return {p[2], p[1], p[0]};
}

// The "R G B" value of a 340-byte NONCLIENTMETRICSA for a theme file's [Metrics].
std::string metricsText(const win::NONCLIENTMETRICSA& metrics) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&metrics);
    std::string text;
    for (std::size_t i = 0; i < sizeof metrics; ++i)
        text += (i ? " " : "") + std::to_string(bytes[i]);
    return text;
}

class ThemeFileApplyTest : public ThemeFileFixture {};

} // namespace

TEST_F(ThemeFileApplyTest, TheJungleThemeSetsEveryAspectInTheRegistryAndLive) {
    installJungle();
    const themeapply::ApplyReport report = apply(themePath("Jungle.theme"));

    EXPECT_EQ(lines(report),
              (std::vector<std::string>{"colors: applied", "pointers: applied", "icons: applied",
                                        "wallpaper: applied", "sounds: applied", "saver: applied",
                                        "fonts: applied", "sizes: applied", "pictures: absent"}));
    const std::string theme = themes + "\\";
    const struct {
        win::HKEY root;
        std::string key, name, value;
    } values[] = {
        {win::HKEY_CURRENT_USER, "Control Panel\\Colors", "ActiveTitle", "0 128 0"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Colors", "TitleText", "255 255 255"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Colors", "ButtonAlternateFace", "181 181 181"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "", "Jungle"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Wait", theme + "Jungle wait.ani"},
        {win::HKEY_CLASSES_ROOT, myComputer, "", theme + "Jungle My Computer.ico,0"},
        {win::HKEY_CLASSES_ROOT, "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon", "",
         "C:\\WINDOWS\\SYSTEM\\shell32.dll,17"},
        {win::HKEY_CLASSES_ROOT, recycleBin, "full", theme + "Jungle full.ico,0"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "TileWallpaper", "0"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "Pattern", "(None)"},
        {win::HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current", "",
         "C:\\WINDOWS\\media\\Jungle Recycle.wav"},
    };
    for (const auto& v : values)
        EXPECT_EQ(fake.getString(v.root, v.key, v.name), v.value) << v.key << " " << v.name;

    // Live: the file's five colours in one call, the pointers (the busy one loaded as
    // it is), the converted wallpaper, the screen saver, the fonts and sizes.
    ASSERT_EQ(fake.settings.colors.calls.size(), 1u);
    EXPECT_EQ(fake.settings.colors.calls[0].size(), 5u);
    EXPECT_EQ(fake.GetSysColor(win::COLOR_ACTIVECAPTION), 0x008000u);
    EXPECT_EQ(fake.systemCursorFile(win::OCR_WAIT), theme + "Jungle wait.ani");
    const std::string bitmap = "C:\\WINDOWS\\Application Data\\Decorama\\Jungle Wallpaper.bmp";
    EXPECT_EQ(fake.deskWallpaper(), bitmap);
    const std::array<int, 3> pixel = bmpPixel(fake.fileBytes(bitmap), 10, 10);
    EXPECT_NEAR(pixel[1], 128, 4);
    EXPECT_LE(pixel[0] + pixel[2], 8);
    char shortSaver[67] = {};
    fake.GetShortPathNameA("C:\\WINDOWS\\SYSTEM\\Jungle.scr", shortSaver, 67);
    EXPECT_NE(fake.fileBytes("C:\\WINDOWS\\system.ini").find(std::string("SCRNSAVE.EXE=") + shortSaver),
              std::string::npos);
    const auto metrics = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    EXPECT_STREQ(metrics.lfCaptionFont.lfFaceName, "Jungle Sans");
    EXPECT_EQ(metrics.iScrollWidth, 16);
    EXPECT_EQ(fake.spiStructure<win::ICONMETRICSA>(win::SPI_GETICONMETRICS).iHorzSpacing, 75);
}

// A Windows 2000 theme: a pattern handed over live, an empty sound, and Windows'
// own pointer for an empty value, which SPI_SETCURSORS reloads.
TEST_F(ThemeFileApplyTest, TheAutumnThemeOnWindows2000) {
    fake.useVersion(fake::Version::Win2000);
    versionTag = "2000";
    fake.makeFile(themePath("Autumn.theme"), themeData("win2000-autumn.theme"));
    for (const char* file : {"C:\\WINNT\\Cursors\\autumn.cur", "C:\\WINNT\\Cursors\\autumn beam.cur"})
        fake.makeFile(file, std::string("\0\0\2\0\1\0", 6));
    fake.makeFile("C:\\WINNT\\Web\\Wallpaper\\Autumn.bmp",
                  pictureBytes(PictureFormat::bmp, 4, 4, 200, 100, 0));
    fake.settings.cursors.system[win::OCR_HAND] = "C:\\old hand.cur";

    const themeapply::ApplyReport report = apply(
        themePath("Autumn.theme"), AspectSet::of({Aspect::pointers, Aspect::wallpaper, Aspect::sounds}));

    EXPECT_FALSE(report.anyTrouble()) << report.line(Aspect::pointers);
    EXPECT_EQ(fake.spiBytes(win::SPI_SETDESKPATTERN), "0 80 114 32 0 5 39 2");
    EXPECT_EQ(user("Control Panel\\Cursors", "Hand"), "");
    EXPECT_EQ(fake.systemCursorFile(win::OCR_HAND), "");
    EXPECT_EQ(user("AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.Current", ""), "");
}

TEST_F(ThemeFileApplyTest, AFileNotThereFailsItsAspectBeforeAnyWriteAndTheOthersApply) {
    const struct {
        const char* file;
        Aspect aspect;
        const char* key; // what the aspect writes under
    } cases[] = {
        {"Jungle arrow.cur", Aspect::pointers, "Control Panel\\Cursors"},
        {"Jungle full.ico", Aspect::icons, "CLSID"},
        {"Jungle Wallpaper.jpg", Aspect::wallpaper, "Control Panel\\Desktop"},
        {"Jungle Default.wav", Aspect::sounds, "AppEvents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        installJungle();
        fake.remove(themePath(c.file));
        fake.clearLogs();
        const themeapply::ApplyReport report = apply(themePath("Jungle.theme"));
        EXPECT_EQ(report.line(c.aspect),
                  std::string(themefile::aspectName(c.aspect)) + ": failed: file not found");
        EXPECT_EQ(report[Aspect::colors].outcome, themeapply::Outcome::applied);
        for (const auto& write : fake.registry.writes)
            EXPECT_EQ(write.keyPath.find(c.key), std::string::npos) << write.keyPath;
    }
}

TEST_F(ThemeFileApplyTest, WhatTheCheckRefusedIsNeverWritten) {
    fake.makeFile(themePath("Hostile.theme"), themeData("hostile.theme"));
    const themeapply::ApplyReport report = apply(themePath("Hostile.theme"), AspectSet::all(), false);
    EXPECT_EQ(report.line(Aspect::wallpaper), "wallpaper: refused: network path");
    EXPECT_EQ(report.line(Aspect::saver), "saver: refused: not a plain path");
    EXPECT_EQ(report[Aspect::pointers].outcome, themeapply::Outcome::refused);
    EXPECT_TRUE(fake.registry.writes.empty());
    EXPECT_TRUE(fake.settings.cursors.calls.empty());
    EXPECT_EQ(fake.deskWallpaper(), "");
}

// Fonts and sizes each take only their part of the theme's records into the ones
// Windows has; sizes are kept within bounds.
TEST_F(ThemeFileApplyTest, FontsAndSizesCombineWithTheCurrentMetricsAndSizesAreBounded) {
    win::NONCLIENTMETRICSA theme{};
    theme.cbSize = sizeof theme;
    theme.iBorderWidth = 90;
    theme.iScrollWidth = 2;
    theme.iCaptionHeight = 500;
    theme.lfCaptionFont.lfHeight = -400;
    std::strcpy(theme.lfCaptionFont.lfFaceName, "Theme Face");
    fake.makeFile(themePath("Metrics.theme"), "[Metrics]\r\nNonclientMetrics=" + metricsText(theme) + "\r\n");
    const auto before = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);

    apply(themePath("Metrics.theme"), AspectSet::of({Aspect::fonts}));
    auto now = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    EXPECT_STREQ(now.lfCaptionFont.lfFaceName, "Theme Face");
    EXPECT_EQ(now.lfCaptionFont.lfHeight, before.lfCaptionFont.lfHeight);
    EXPECT_EQ(now.iBorderWidth, before.iBorderWidth);

    apply(themePath("Metrics.theme"), AspectSet::of({Aspect::sizes}));
    now = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    EXPECT_STREQ(now.lfCaptionFont.lfFaceName, "Theme Face");
    EXPECT_EQ(now.iBorderWidth, 50);
    EXPECT_EQ(now.iScrollWidth, 8);
    EXPECT_EQ(now.iCaptionHeight, 100);
    EXPECT_EQ(now.lfCaptionFont.lfHeight, -48 * fake.settings.logPixels / 72);
}

// The desktop draws BMP files only: other pictures become a BMP of the same
// picture in the user's application data, or the program folder where Windows
// 95 has none.
TEST_F(ThemeFileApplyTest, APictureTheDesktopCannotDrawIsConvertedToABitmap) {
    const struct {
        fake::Version version;
        PictureFormat format;
        const char* file;
        std::string wallpaper;
    } cases[] = {
        {fake::Version::Win98, PictureFormat::bmp, "w.bmp", themePath("w.bmp")},
        {fake::Version::Win98, PictureFormat::jpeg, "w.jpg",
         "C:\\WINDOWS\\Application Data\\Decorama\\w.bmp"},
        {fake::Version::Win2000, PictureFormat::png, "w.png",
         "C:\\Documents and Settings\\Tester\\Application Data\\Decorama\\w.bmp"},
        {fake::Version::Win95, PictureFormat::gif, "w.gif", folder + "\\w.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fake.useVersion(c.version);
        fake.makeFile(themePath(c.file), pictureBytes(c.format, 8, 8, 0, 0, 255));
        fake.makeFile(themePath("w.theme"),
                      std::string("[Control Panel\\Desktop]\r\nWallpaper=%ThemeDir%") + c.file + "\r\n");
        EXPECT_EQ(apply(themePath("w.theme")).line(Aspect::wallpaper), "wallpaper: applied");
        EXPECT_EQ(fake.deskWallpaper(), c.wallpaper);
        const std::array<int, 3> pixel = bmpPixel(fake.fileBytes(c.wallpaper), 0, 0);
        EXPECT_LE(pixel[0] + pixel[1] + 255 - pixel[2], 6); // blue, within a JPEG's rounding
    }
}

// Windows 95, 98, ME and NT 4 read desktop icons from HKEY_CLASSES_ROOT alone;
// 2000 and the versions without a tag read the user's classes: the catalogue
// theme's icons and a theme file's go to the same place.
TEST_F(ThemeFileApplyTest, DesktopIconsGoWhereTheVersionReadsThem) {
    const struct {
        fake::Version version;
        const char* tag;
        bool classesRoot;
    } cases[] = {{fake::Version::Win95, "95", true},      {fake::Version::Win98, "98", true},
                 {fake::Version::WinME, "ME", true},      {fake::Version::NT4, "NT", true},
                 {fake::Version::Win2000, "2000", false}, {fake::Version::WinXP, "", false}};
    catalogue::Module1 module;
    module.programFolder = folder;
    module.themeList(0) = "Harbour 800x600,x,h.jpg,h.bmp,1";
    module.activeSchemeRow = "1";
    const std::string classesRoot = myComputer, userClasses = std::string("Software\\Classes\\") + myComputer;
    for (const auto& c : cases) {
        const std::string tag = c.tag;
        SCOPED_TRACE(tag);
        fake.useVersion(c.version);
        versionTag = module.windowsVersion = tag;
        const win::HKEY root = c.classesRoot ? win::HKEY_CLASSES_ROOT : win::HKEY_CURRENT_USER;
        const win::HKEY other = c.classesRoot ? win::HKEY_CURRENT_USER : win::HKEY_CLASSES_ROOT;
        const std::string key = c.classesRoot ? classesRoot : userClasses;
        const std::string otherKey = c.classesRoot ? userClasses : classesRoot;

        module.themeIcons(1, 1) = "catalogue[" + tag + "].ico";
        themeapply::ThemeSelection selection;
        selection.themeListIndex = 0;
        rt::ErrorTrap onError(rt::passOver);
        themeapply::writeCatalogueTheme(platform, module, selection, AspectSet::of({Aspect::icons}), onError);
        EXPECT_EQ(fake.getString(root, key, ""), folder + "\\catalogue[" + tag + "].ico");

        const std::string iconFile = "file[" + tag + "].ico";
        fake.makeFile(themePath(iconFile), std::string("\0\0\1\0", 4));
        fake.makeFile(themePath("pc.theme"),
                      "[" + classesRoot + "]\r\nDefaultValue=%ThemeDir%" + iconFile + "\r\n");
        EXPECT_EQ(apply(themePath("pc.theme")).line(Aspect::icons), "icons: applied");
        EXPECT_EQ(fake.getString(root, key, ""), themePath(iconFile));
        const std::optional<std::string> elsewhere = fake.getString(other, otherKey, "");
        EXPECT_TRUE(!elsewhere || elsewhere->find("[" + tag + "]") == std::string::npos) << *elsewhere;
    }
}

TEST(AnsiConverterTest, OnlyTextTheCodePageHoldsExactlyConverts) {
    fake::FakeWindows fake;
    const themefile::ToAnsi toAnsi = themeapply::ansiConverter(fake);
    EXPECT_EQ(toAnsi(u"Caf\u00e9 \u20ac"), std::string("Caf\xE9 \x80"));
    EXPECT_EQ(toAnsi(u""), std::string());
    EXPECT_EQ(toAnsi(u"\u0416uk"), std::nullopt);            // the default character
    EXPECT_EQ(toAnsi(u"\u0141\u00f3d\u017a"), std::nullopt); // best-fit letters: "Lodz"
    EXPECT_EQ(toAnsi(u"\u0081\u0152"), std::string("\x81\x8C"));
}
