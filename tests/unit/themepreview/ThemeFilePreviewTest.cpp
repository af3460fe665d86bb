// The drawn preview of a theme file, read from what it draws on a recording
// canvas: the wallpaper where the desktop would show it, the captions as the
// running Windows draws them, what the theme lacks taken from Windows, and no
// file opened that the check refused or found missing.
#include "themepreview/ThemeFilePreview.h"

#include "doubles/theme/FileHeads.h"
#include "fake/FakeWindows.h"
#include "headless/Controls.h"
#include "platform/DesktopFacts.h"
#include "support/Bytes.h"
#include "support/CheckedThemes.h"
#include "unit/themefile/ThemeData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using themepreview::leftOutLine;
using unit_test::checkedTheme;

namespace {

std::string text(const ui::Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

class ThemeFilePreviewTest : public ::testing::Test {
protected:
    // A 256 x 192 preview of the fake's 1024 x 768 screen: a quarter each way.
    headless::Drawing draw(const std::string& themeText, const std::string& versionTag = "98") {
        headless::RecordingCanvas canvas(256, 192);
        const themefile::CheckedTheme checked = checkedTheme(fake, themeText);
        checkedAt = fake.operationTrail().size();
        themepreview::drawThemePreview(canvas, checked, versionTag, platform);
        return canvas.drawing();
    }
    static headless::Drawing calls(const headless::Drawing& drawing, const std::string& what) {
        headless::Drawing found;
        std::copy_if(drawing.begin(), drawing.end(), std::back_inserter(found),
                     [&](const headless::Drawn& drawn) { return drawn.what == what; });
        return found;
    }
    static headless::Drawn textCall(const headless::Drawing& drawing, const std::string& shown) {
        for (const headless::Drawn& drawn : calls(drawing, "text"))
            if (drawn.text == shown)
                return drawn;
        ADD_FAILURE() << "no text " << shown;
        return {};
    }
    void setDesktop(const char* name, const std::string& value) {
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", name, value);
    }

    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    std::size_t checkedAt = 0; // the trail's length once the last draw's check was done
};

TEST_F(ThemeFilePreviewTest, TheWallpaperLiesWhereTheDesktopShowsItScaledToThePreview) {
    const struct {
        int width, height;
        const char* tileAndStyle; // nothing: the running Windows' own
        const char* desktopTile;
        std::size_t places;
        const char *first, *last;
        int tileWidth;
    } cases[] = {
        {64, 32, "0\nWallpaperStyle=0", "0", 1, "120,92 16x8", "120,92 16x8", 64},
        {2048, 32, "0\nWallpaperStyle=0", "0", 1, "-128,92 512x8", "-128,92 512x8", 2048},
        {64, 32, "0\nWallpaperStyle=2", "1", 1, "0,0 256x192", "0,0 256x192", 64},
        {64, 32, "1\nWallpaperStyle=0", "0", 16 * 24, "0,0 16x8", "240,184 16x8", 64},
        {64, 32, nullptr, "1", 16 * 24, "0,0 16x8", "240,184 16x8", 64},
        // A one-pixel tile is repeated into a bigger one before it is drawn.
        {1, 1, "1\nWallpaperStyle=0", "0", 74 * 55, "0,0 3x3", "255,189 4x3", 14},
    };
    for (const auto& c : cases) {
        fake.makeFile("C:\\Themes\\wall.bmp", bytes::bmp(c.width, c.height));
        setDesktop("TileWallpaper", c.desktopTile);
        const std::string tiling =
            c.tileAndStyle ? std::string("TileWallpaper=") + c.tileAndStyle + "\n" : "";
        const headless::Drawing drawing = draw("[Control Panel\\Colors]\nBackground=0 64 0\n"
                                               "[Control Panel\\Desktop]\nWallpaper=%ThemeDir%wall.bmp\n" +
                                               tiling);
        SCOPED_TRACE(std::to_string(c.width) + " " + tiling);
        ASSERT_GE(drawing.size(), 2u);
        EXPECT_EQ(drawing[0].what + " " + text(drawing[0].area), "fill 0,0 256x192");
        EXPECT_EQ(drawing[0].color, ui::RGB(0, 64, 0));
        EXPECT_EQ(drawing[1].what + " " + text(drawing[1].area), "picture 0,0 256x192");
        EXPECT_EQ(drawing[1].pictureWidth, c.tileWidth);
        ASSERT_EQ(drawing[1].places.size(), c.places);
        EXPECT_EQ(text(drawing[1].places.front()), c.first);
        EXPECT_EQ(text(drawing[1].places.back()), c.last);
    }
}

TEST_F(ThemeFilePreviewTest, AWallpaperRefusedOrMissingIsNeverOpenedAndTheDesktopKeepsItsOwn) {
    fake.makeFile("C:\\Themes\\text.bmp", "not a picture at all");
    fake.makeFile("C:\\WINDOWS\\own.bmp", bytes::bmp(8, 4));
    setDesktop("Wallpaper", "C:\\WINDOWS\\own.bmp");
    const struct {
        const char* value;
        const char* leftOut;
    } cases[] = {
        {"\\\\attacker\\share\\bait.bmp", "Left out: wallpaper (network path)"},
        {"%ThemeDir%text.bmp", "Left out: wallpaper (not a picture)"},
        {"%ThemeDir%gone.bmp", ""},
    };
    for (const auto& c : cases) {
        const std::string theme = std::string("[Control Panel\\Desktop]\nWallpaper=") + c.value + "\n";
        const headless::Drawing pictures = calls(draw(theme), "picture");
        const std::vector<std::string> read = unit_test::filesRead(fake, checkedAt);
        ASSERT_EQ(read.size(), 1u) << c.value;
        EXPECT_NE(read[0].find("own.bmp"), std::string::npos) << read[0];
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_EQ(pictures[0].pictureWidth, 8);
        EXPECT_EQ(leftOutLine(checkedTheme(fake, theme)), c.leftOut);
    }
    // The left-out line names each aspect left out with at most two reasons.
    EXPECT_EQ(leftOutLine(checkedTheme(fake, theme_test::themeBytes("hostile.theme"))),
              "Left out: pointers (web address, unknown variable, ...), icons (network path), "
              "wallpaper (network path), sounds (bad sound name), saver (not a plain path)");
}

TEST_F(ThemeFilePreviewTest, CaptionsAreAGradientOnlyWhereTheRunningWindowsDrawsOne) {
    const std::string theme =
        "[Control Panel\\Colors]\nActiveTitle=0 0 128\nGradientActiveTitle=16 132 208\n";
    for (const auto& [tag, gradient] :
         {std::pair{"95", false}, {"NT", false}, {"98", true}, {"ME", true}, {"2000", true}}) {
        const headless::Drawing drawing = draw(theme, tag);
        const int titleTop = textCall(drawing, "Active Window").area.top;
        bool found = false;
        for (const headless::Drawn& bar : calls(drawing, gradient ? "gradient" : "fill"))
            found = found || (bar.color == ui::RGB(0, 0, 128) && bar.area.top == titleTop &&
                              (!gradient || bar.color2 == ui::RGB(16, 132, 208)));
        EXPECT_TRUE(found) << tag;
        EXPECT_EQ(calls(drawing, "gradient").size(), gradient ? 2u : 0u) << tag;
    }
}

TEST_F(ThemeFilePreviewTest, ColoursAndFontsTheThemeLacksAreTheRunningWindowsOwn) {
    fake.settings.colors.set(win::COLOR_MENUTEXT, ui::RGB(1, 2, 3));
    const std::string colorsOnly = "[Control Panel\\Colors]\nWindowText=200 0 0\n";
    const std::string jungle = theme_test::themeBytes("plus95-jungle.theme");
    const struct {
        const std::string& theme;
        const char* shown;
        const char* face;
        int weight;
        win::COLORREF color;
    } cases[] = {
        {colorsOnly, "Window Text", "MS Sans Serif", 400, ui::RGB(200, 0, 0)},
        {colorsOnly, "Normal", "MS Sans Serif", 400, ui::RGB(1, 2, 3)},
        {jungle, "Active Window", "Jungle Sans", 700, ui::RGB(255, 255, 255)},
        {jungle, "Window Text", "Verdana", 400, fake.GetSysColor(win::COLOR_WINDOWTEXT)},
    };
    for (const auto& c : cases) {
        const headless::Drawn drawn = textCall(draw(c.theme), c.shown);
        EXPECT_STREQ(drawn.font.lfFaceName, c.face) << c.shown;
        EXPECT_EQ(drawn.font.lfWeight, c.weight) << c.shown;
        EXPECT_EQ(drawn.color, c.color) << c.shown;
    }
}

TEST_F(ThemeFilePreviewTest, DesktopIconsAreTheThemesAllowedOnesElseTheDesktopsOwn) {
    fake.makeFile("C:\\Themes\\pc.ico", theme_test::icoHead);
    fake.setString(win::HKEY_CLASSES_ROOT,
                   std::string("CLSID\\") + win::desktopObjects[3].clsid + "\\DefaultIcon", "empty",
                   "C:\\WINDOWS\\recycle.ico,2");
    const headless::Drawing icons =
        calls(draw("[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\n"
                   "DefaultValue=%ThemeDir%pc.ico,0\n"
                   "[CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon]\n"
                   "DefaultValue=\\\\attacker\\share\\net.ico,0\n"
                   "[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\n"
                   "empty=%ThemeDir%gone.ico,0\n"),
              "icon");
    std::vector<std::string> shown;
    for (const headless::Drawn& icon : icons)
        shown.push_back(icon.text + "," + std::to_string(icon.index));
    EXPECT_EQ(shown, (std::vector<std::string>{"C:\\Themes\\pc.ico,0", "shell32.dll,20", "shell32.dll,17",
                                               "C:\\WINDOWS\\recycle.ico,2"}));
}

} // namespace
