// A theme file applied over the fake Windows: what each aspect writes and sets
// live, the pictures converted for the desktop, the aspects that fail (a file not
// there) beside those that apply, fonts and sizes combined with the metrics there
// and kept within bounds, and where each Windows gets the desktop icons.
#include "ThemeFileFixture.h"

#include "catalogue/Module1.h"
#include "platform/WinFacts.h"
#include "platform/ui/PictureDecoder.h"
#include "runtime/ErrorTrap.h"
#include "support/Bytes.h"
#include "themeapply/CatalogueTheme.h"
#include "themeapply/MetricLimits.h"
#include "themeapply/Surroundings.h"

using namespace themeapply_test;
using themefile::Aspect;
using themefile::AspectSet;

namespace {

const std::string myComputer = "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon";

class ThemeFileApplyTest : public ThemeFileFixture {};

} // namespace

TEST_F(ThemeFileApplyTest, TheJungleThemeSetsEveryAspectInTheRegistryAndLive) {
    installJungle();
    const themeapply::ApplyReport report = apply(themePath("Jungle.theme"));
    for (Aspect aspect : themefile::allAspects)
        EXPECT_EQ(report[aspect].outcome,
                  aspect == Aspect::pictures ? themeapply::Outcome::absent : themeapply::Outcome::applied)
            << report.line(aspect);
    const std::string theme = themes + "\\";
    const struct {
        win::HKEY root;
        std::string key, name, value;
    } values[] = {
        {win::HKEY_CURRENT_USER, "Control Panel\\Colors", "TitleText", "255 255 255"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Colors", "ButtonAlternateFace", "181 181 181"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Wait", theme + "Jungle wait.ani"},
        {win::HKEY_CLASSES_ROOT, myComputer, "", theme + "Jungle My Computer.ico,0"},
        {win::HKEY_CLASSES_ROOT, "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon", "",
         "C:\\WINDOWS\\SYSTEM\\shell32.dll,17"},
        {win::HKEY_CLASSES_ROOT, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon", "full",
         theme + "Jungle full.ico,0"},
        {win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "TileWallpaper", "0"},
        {win::HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current", "",
         "C:\\WINDOWS\\media\\Jungle Recycle.wav"},
    };
    for (const auto& v : values)
        EXPECT_EQ(fake.getString(v.root, v.key, v.name), v.value) << v.key << " " << v.name;

    // Live: the file's five colours in one call, the busy pointer loaded as it is,
    // the converted wallpaper, the screen saver by its short path, fonts and sizes.
    EXPECT_EQ(fake.settings.colors.calls.at(0).size(), 5u);
    EXPECT_EQ(fake.GetSysColor(win::COLOR_ACTIVECAPTION), 0x008000u);
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_WAIT), theme + "Jungle wait.ani");
    EXPECT_EQ(fake.deskWallpaper(), "C:\\WINDOWS\\Application Data\\Decorama\\Jungle Wallpaper.bmp");
    char saver[67] = {};
    fake.GetShortPathNameA("C:\\WINDOWS\\SYSTEM\\Jungle.scr", saver, 67);
    EXPECT_NE(fake.fileBytes("C:\\WINDOWS\\system.ini").find(std::string("SCRNSAVE.EXE=") + saver),
              std::string::npos);
    const auto metrics = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    EXPECT_STREQ(metrics.lfCaptionFont.lfFaceName, "Jungle Sans");
    EXPECT_EQ(metrics.iScrollWidth, 16);
    EXPECT_EQ(fake.spiStructure<win::ICONMETRICSA>(win::SPI_GETICONMETRICS).iHorzSpacing, 75);
}

// A Windows 2000 theme: its BMP wallpaper set as it is, a pattern handed over
// live, and Windows' own pointer for an empty value, which SPI_SETCURSORS reloads.
TEST_F(ThemeFileApplyTest, TheAutumnThemeOnWindows2000) {
    fake.useVersion(fake::Version::Win2000);
    versionTag = "2000";
    fake.makeFile(themePath("Autumn.theme"), themeBytes("win2000-autumn.theme"));
    for (const char* file : {"C:\\WINNT\\Cursors\\autumn.cur", "C:\\WINNT\\Cursors\\autumn beam.cur"})
        fake.makeFile(file, bytes::cursor());
    fake.makeFile("C:\\WINNT\\Web\\Wallpaper\\Autumn.bmp", bytes::bmp(4, 4));
    fake.settings.cursors.system[win::OCR_HAND] = "C:\\old hand.cur";

    const themeapply::ApplyReport report =
        apply(themePath("Autumn.theme"), AspectSet::of({Aspect::pointers, Aspect::wallpaper}));

    EXPECT_FALSE(report.anyTrouble()) << report.line(Aspect::pointers);
    EXPECT_EQ(fake.deskWallpaper(), "C:\\WINNT\\Web\\Wallpaper\\Autumn.bmp"); // a BMP as it is
    EXPECT_EQ(fake.spiBytes(win::SPI_SETDESKPATTERN), "0 80 114 32 0 5 39 2");
    EXPECT_EQ(fake.getString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Hand"), "");
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_HAND), "");
}

TEST_F(ThemeFileApplyTest, AFileNotThereFailsItsAspectBeforeAnyWriteAndTheOthersApply) {
    installJungle();
    fake.remove(themePath("Jungle arrow.cur"));
    const themeapply::ApplyReport report = apply(themePath("Jungle.theme"));
    EXPECT_EQ(report.line(Aspect::pointers), "pointers: failed: file not found");
    EXPECT_EQ(report[Aspect::colors].outcome, themeapply::Outcome::applied);
    for (const auto& write : fake.registry.writes)
        EXPECT_EQ(write.keyPath.find("Cursors"), std::string::npos) << write.keyPath;
}

// Fonts take only the faces and styles of the theme's records into those Windows
// has, sizes only the sizes, kept within bounds.
TEST_F(ThemeFileApplyTest, FontsAndSizesCombineWithTheCurrentMetricsAndSizesAreBounded) {
    installJungle();
    const auto before = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    apply(themePath("Jungle.theme"), AspectSet::of({Aspect::fonts}));
    const auto fonts = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    EXPECT_STREQ(fonts.lfMenuFont.lfFaceName, "Jungle Sans");
    EXPECT_EQ(fonts.lfMenuFont.lfHeight, before.lfMenuFont.lfHeight);
    EXPECT_EQ(fonts.iScrollWidth, before.iScrollWidth);

    win::NONCLIENTMETRICSA sizes{};
    sizes.iBorderWidth = 90, sizes.iScrollWidth = 2, sizes.iCaptionHeight = 500;
    sizes.lfCaptionFont.lfHeight = -400;
    themeapply::clampSizes(sizes, 96);
    EXPECT_EQ(std::vector<int>({sizes.iBorderWidth, sizes.iScrollWidth, sizes.iCaptionHeight,
                                sizes.lfCaptionFont.lfHeight}),
              std::vector<int>({50, 8, 100, -64}));
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
        {fake::Version::Win98, PictureFormat::jpeg, "w.jpg",
         "C:\\WINDOWS\\Application Data\\Decorama\\w.bmp"},
        {fake::Version::Win2000, PictureFormat::png, "w.png",
         "C:\\Documents and Settings\\Tester\\Application Data\\Decorama\\w.bmp"},
        {fake::Version::Win95, PictureFormat::png, "w.png", folder + "\\w.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        fake.useVersion(c.version);
        fake.makeFile(themePath(c.file), pictureBytes(c.format, 8, 8, 0, 0, 255));
        fake.makeFile(themePath("w.theme"),
                      std::string("[Control Panel\\Desktop]\r\nWallpaper=%ThemeDir%") + c.file + "\r\n");
        EXPECT_EQ(apply(themePath("w.theme")).line(Aspect::wallpaper), "wallpaper: applied");
        EXPECT_EQ(fake.deskWallpaper(), c.wallpaper);
        const std::string bitmap = fake.fileBytes(c.wallpaper);
        ASSERT_EQ(bitmap.substr(0, 2), "BM");
        const ui::DecodedImage picture = ui::decodePicture(bitmap);
        EXPECT_LE(picture.rgba[0] + picture.rgba[1] + 255 - picture.rgba[2], 6); // blue, as a JPEG rounds
    }
}

// Windows 95, 98, ME and NT 4 read desktop icons from HKEY_CLASSES_ROOT alone;
// 2000 and the versions without a tag read the user's classes: the catalogue
// theme's icons and a theme file's go to the same place.
TEST_F(ThemeFileApplyTest, DesktopIconsGoWhereTheVersionReadsThem) {
    const struct {
        fake::Version version;
        std::string tag;
        bool classesRoot;
    } cases[] = {{fake::Version::Win95, "95", true},      {fake::Version::Win98, "98", true},
                 {fake::Version::WinME, "ME", true},      {fake::Version::NT4, "NT", true},
                 {fake::Version::Win2000, "2000", false}, {fake::Version::WinXP, "", false}};
    catalogue::Module1 module;
    module.programFolder = folder;
    module.themeList(0) = "Harbour 800x600,x,h.jpg,h.bmp,1";
    module.activeSchemeRow = "1";
    themeapply::ThemeSelection selection;
    selection.themeListIndex = 0;
    const std::pair<win::HKEY, std::string> roots[] = {
        {win::HKEY_CLASSES_ROOT, myComputer}, {win::HKEY_CURRENT_USER, "Software\\Classes\\" + myComputer}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        fake.useVersion(c.version);
        versionTag = module.windowsVersion = c.tag;
        const auto& [root, key] = roots[c.classesRoot ? 0 : 1];
        const auto& [other, otherKey] = roots[c.classesRoot ? 1 : 0];
        module.themeIcons(1, 1) = "catalogue[" + c.tag + "].ico";
        rt::ErrorTrap onError(rt::passOver);
        themeapply::writeCatalogueTheme(platform, module, selection, AspectSet::of({Aspect::icons}), onError);
        EXPECT_EQ(fake.getString(root, key, ""), folder + "\\catalogue[" + c.tag + "].ico");

        const std::string icon = "file[" + c.tag + "].ico";
        fake.makeFile(themePath(icon), std::string("\0\0\1\0", 4));
        fake.makeFile(themePath("pc.theme"),
                      "[" + myComputer + "]\r\nDefaultValue=%ThemeDir%" + icon + "\r\n");
        EXPECT_EQ(apply(themePath("pc.theme")).line(Aspect::icons), "icons: applied");
        EXPECT_EQ(fake.getString(root, key, ""), themePath(icon));
        EXPECT_EQ(fake.getString(other, otherKey, "").value_or("").find("[" + c.tag + "]"),
                  std::string::npos);
    }
}

TEST(AnsiConverterTest, OnlyTextTheCodePageHoldsExactlyConverts) {
    fake::FakeWindows fake;
    const themefile::ToAnsi toAnsi = themeapply::ansiConverter(fake);
    EXPECT_EQ(toAnsi(u"Caf\u00e9 \u20ac"), std::string("Caf\xE9 \x80"));
    EXPECT_EQ(toAnsi(u"\u0416uk"), std::nullopt);            // the default character
    EXPECT_EQ(toAnsi(u"\u0141\u00f3d\u017a"), std::nullopt); // best-fit letters: "Lodz"
}
