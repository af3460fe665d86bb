// The drawn preview of a theme file, read from what it draws on a recording
// canvas: the wallpaper where the desktop would show it, the captions as the
// running Windows draws them, what the theme lacks taken from Windows, and no
// file opened that the check refused or found missing.
#include "themepreview/ThemeFilePreview.h"

#include "fake/FakeWindows.h"
#include "headless/RecordingCanvas.h"
#include "platform/DesktopFacts.h"
#include "support/Bytes.h"
#include "support/CheckedThemes.h"
#include "unit/themefile/ThemeData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using themepreview::drawThemePreview;
using unit_test::checkedTheme;

namespace {

bool operator==(const ui::Rect& a, const ui::Rect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

class ThemeFilePreviewTest : public ::testing::Test {
protected:
    // A 256 x 192 preview of the fake's 1024 x 768 screen: a quarter in each direction.
    headless::Drawing draw(const std::string& themeText, const std::string& versionTag = "98") {
        headless::RecordingCanvas canvas(256, 192);
        drawThemePreview(canvas, checkedTheme(fake, themeText), versionTag, platform);
        return canvas.drawing();
    }
    static std::vector<headless::Drawn> calls(const headless::Drawing& drawing, const std::string& what) {
        std::vector<headless::Drawn> found;
        for (const headless::Drawn& drawn : drawing)
            if (drawn.what == what)
                found.push_back(drawn);
        return found;
    }
    static headless::Drawn textCall(const headless::Drawing& drawing, const std::string& text) {
        for (const headless::Drawn& drawn : calls(drawing, "text"))
            if (drawn.text == text)
                return drawn;
        ADD_FAILURE() << "no text " << text;
        return {};
    }
    void setDesktop(const char* name, const std::string& value) {
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", name, value);
    }

    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
};

TEST_F(ThemeFilePreviewTest, TheWallpaperLiesWhereTheDesktopShowsItScaledToThePreview) {
    const struct {
        int width, height;
        const char* tile;
        const char* style;
        const char* desktopTile; // the running Windows' own, for a theme without one
        std::size_t places;
        ui::Rect first, last;
        int tileWidth;
    } cases[] = {
        {64, 32, "0", "0", "0", 1, {120, 92, 16, 8}, {120, 92, 16, 8}, 64},
        {2048, 32, "0", "0", "0", 1, {-128, 92, 512, 8}, {-128, 92, 512, 8}, 2048},
        {64, 32, "0", "2", "1", 1, {0, 0, 256, 192}, {0, 0, 256, 192}, 64},
        {64, 32, "1", "0", "0", 16 * 24, {0, 0, 16, 8}, {240, 184, 16, 8}, 64},
        {64, 32, nullptr, nullptr, "1", 16 * 24, {0, 0, 16, 8}, {240, 184, 16, 8}, 64},
        // A one-pixel tile is repeated into a bigger one before it is drawn.
        {1, 1, "1", "0", "0", 74 * 55, {0, 0, 3, 3}, {255, 189, 4, 3}, 14},
    };
    for (const auto& c : cases) {
        fake.makeFile("C:\\Themes\\wall.bmp", bytes::bmp(c.width, c.height));
        setDesktop("TileWallpaper", c.desktopTile);
        std::string theme = "[Control Panel\\Colors]\nBackground=0 64 0\n[Control Panel\\Desktop]\n"
                            "Wallpaper=%ThemeDir%wall.bmp\n";
        if (c.tile)
            theme += std::string("TileWallpaper=") + c.tile + "\nWallpaperStyle=" + c.style + "\n";
        const headless::Drawing drawing = draw(theme);
        SCOPED_TRACE(std::to_string(c.width) + " tile " + (c.tile ? c.tile : "-"));
        ASSERT_GE(drawing.size(), 2u);
        EXPECT_EQ(drawing[0].what, "fill");
        EXPECT_TRUE(drawing[0].area == (ui::Rect{0, 0, 256, 192}));
        EXPECT_EQ(drawing[0].color, ui::RGB(0, 64, 0));
        ASSERT_EQ(drawing[1].what, "picture");
        EXPECT_TRUE(drawing[1].area == (ui::Rect{0, 0, 256, 192}));
        EXPECT_EQ(drawing[1].pictureWidth, c.tileWidth);
        ASSERT_EQ(drawing[1].places.size(), c.places);
        EXPECT_TRUE(drawing[1].places.front() == c.first);
        EXPECT_TRUE(drawing[1].places.back() == c.last);
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
        const std::size_t before = fake.operationTrail().size();
        const std::string theme = std::string("[Control Panel\\Desktop]\nWallpaper=") + c.value + "\n";
        const headless::Drawing drawing = draw(theme);
        const std::vector<std::string> read = unit_test::filesRead(fake, before);
        ASSERT_EQ(read.size(), 1u) << c.value;
        EXPECT_NE(read[0].find("own.bmp"), std::string::npos) << read[0];
        ASSERT_EQ(calls(drawing, "picture").size(), 1u);
        EXPECT_EQ(calls(drawing, "picture")[0].pictureWidth, 8);
        EXPECT_EQ(themepreview::leftOutLine(checkedTheme(fake, theme)), c.leftOut);
    }
}

TEST_F(ThemeFilePreviewTest, CaptionsAreAGradientOnlyWhereTheRunningWindowsDrawsOne) {
    const std::string theme =
        "[Control Panel\\Colors]\nActiveTitle=0 0 128\nGradientActiveTitle=16 132 208\n";
    for (const auto& [tag, gradient] :
         {std::pair{"95", false}, {"NT", false}, {"98", true}, {"ME", true}, {"2000", true}}) {
        const headless::Drawing drawing = draw(theme, tag);
        const headless::Drawn title = textCall(drawing, "Active Window");
        bool found = false;
        for (const headless::Drawn& bar : calls(drawing, gradient ? "gradient" : "fill"))
            found = found || (bar.color == ui::RGB(0, 0, 128) && bar.area.top == title.area.top &&
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
        const char* text;
        const char* face;
        int weight;
        win::COLORREF color;
    } cases[] = {
        {colorsOnly, "Window Text", "MS Sans Serif", 400, ui::RGB(200, 0, 0)},
        {colorsOnly, "Normal", "MS Sans Serif", 400, ui::RGB(1, 2, 3)},
        {colorsOnly, "Active Window", "MS Sans Serif", 700, fake.GetSysColor(win::COLOR_CAPTIONTEXT)},
        {jungle, "Active Window", "Jungle Sans", 700, ui::RGB(255, 255, 255)},
        {jungle, "Normal", "Jungle Sans", 400, ui::RGB(1, 2, 3)},
        {jungle, "Window Text", "Verdana", 400, fake.GetSysColor(win::COLOR_WINDOWTEXT)},
    };
    for (const auto& c : cases) {
        const headless::Drawn text = textCall(draw(c.theme), c.text);
        EXPECT_STREQ(text.font.lfFaceName, c.face) << c.text;
        EXPECT_EQ(text.font.lfWeight, c.weight) << c.text;
        EXPECT_EQ(text.color, c.color) << c.text;
    }
}

TEST_F(ThemeFilePreviewTest, DesktopIconsAreTheThemesAllowedOnesElseTheDesktopsOwn) {
    fake.makeFile("C:\\Themes\\pc.ico", std::string("\0\0\1\0\1\0", 6));
    fake.setString(win::HKEY_CLASSES_ROOT,
                   std::string("CLSID\\") + win::desktopObjects[3].clsid + "\\DefaultIcon", "empty",
                   "C:\\WINDOWS\\recycle.ico,2");
    const std::string theme = "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\n"
                              "DefaultValue=%ThemeDir%pc.ico,0\n"
                              "[CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon]\n"
                              "DefaultValue=\\\\attacker\\share\\net.ico,0\n"
                              "[CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon]\n"
                              "empty=%ThemeDir%gone.ico,0\n";
    std::vector<std::string> icons;
    for (const headless::Drawn& icon : calls(draw(theme), "icon"))
        icons.push_back(icon.text + "," + std::to_string(icon.index));
    EXPECT_EQ(icons, (std::vector<std::string>{"C:\\Themes\\pc.ico,0", "shell32.dll,20", "shell32.dll,17",
                                               "C:\\WINDOWS\\recycle.ico,2"}));
}

TEST_F(ThemeFilePreviewTest, TheLeftOutLineNamesEachAspectWithAtMostTwoReasons) {
    EXPECT_EQ(themepreview::leftOutLine(checkedTheme(fake, theme_test::themeBytes("hostile.theme"))),
              "Left out: pointers (web address, unknown variable, ...), icons (network path), "
              "wallpaper (network path), sounds (bad sound name), saver (not a plain path)");
    EXPECT_EQ(themepreview::leftOutLine(checkedTheme(fake, "[Control Panel\\Colors]\nWindow=1 2 3\n")), "");
}

} // namespace
