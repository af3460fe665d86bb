#include "support/ProgramFixture.h"

#include "headless/HeadlessWindowSystem.h"
#include "themes/ThemeApplication.h"

namespace {

const char* const soundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

class ThemeApplicationTest : public unit_test::ProgramFixture {
protected:
    ThemeApplicationTest()
        : window(windows->createWindow("Brindlecove", ui::Window::Style::Borderless, {})),
          themeList(window->addComboBox("Combo1", ui::ComboBox::Style::Simple, {})) {
        fillSchemeRows();
        for (const char* name :
             {"logo.sys", "logos.sys", "logow.sys", "wvleft.bmp", "wvline.gif", "wvlogo.gif"})
            fake.makeFile(folder + "\\" + name, std::string("picture ") + name);
        fake.makeFile(folder + "\\Zuve Zivi ziz Odida.wav", "RIFF");
        fake.makeFolder("c:\\WINDOWS\\web");
        module.themeList(0) = "Harbour 800x600,x,harbour.jpg,harbour.bmp,3";
        module.activeSchemeRow = "3";
        module.themeShortAudio(3) = "chime";
        selection.selectedWallpaper = folder + "\\harbour.bmp";
        selection.themeListIndex = 0;
    }

    void apply() { themes::ApplyTheme(platform, module, selection, windows->screen(), themeList); }

    std::string installed(const std::string& path) const { return fake.fileBytes(path); }
    std::optional<std::string> startupSound() const { return userValue(soundKey, ""); }

    std::unique_ptr<ui::Window> window;
    ui::ComboBox& themeList;
    themes::ThemeSelection selection;
};

TEST_F(ThemeApplicationTest, InstallsEverythingOfTheTheme) {
    windows->screen().setMousePointer(ui::vbHourglass);
    apply();

    EXPECT_EQ(userValue("Control Panel\\Colors", "Window"), "3,5,8");
    EXPECT_EQ(fake.deskWallpaper(), selection.selectedWallpaper);
    EXPECT_EQ(installed("c:\\logo.sys"), "picture logo.sys");
    EXPECT_EQ(installed("c:\\WINDOWS\\logos.sys"), "picture logos.sys");
    EXPECT_EQ(installed("c:\\WINDOWS\\logow.sys"), "picture logow.sys");
    EXPECT_EQ(installed("c:\\WINDOWS\\web\\wvleft.bmp"), "picture wvleft.bmp");
    EXPECT_EQ(installed("c:\\WINDOWS\\web\\wvline.gif"), "picture wvline.gif");
    EXPECT_EQ(installed("c:\\WINDOWS\\web\\wvlogo.gif"), "picture wvlogo.gif");
    // The sound goes in by its short path, which the fake derives as Windows does.
    std::array<char, 67> shortPath{};
    fake.GetShortPathNameA((folder + "\\Zuve Zivi ziz Odida.wav").c_str(), shortPath.data(), 67);
    EXPECT_EQ(startupSound(), std::string(shortPath.data()));
    EXPECT_NE(startupSound()->find("~"), std::string::npos);
    EXPECT_EQ(windows->focusedControl(), &themeList);
    EXPECT_EQ(windows->screen().mousePointer(), ui::vbDefault);
}

TEST_F(ThemeApplicationTest, TheNtFamilyInstallsIntoItsOwnWindowsFolder) {
    fake.makeFolder("c:\\WINNT\\web");
    module.windowsVersion = "2000";
    apply();
    EXPECT_EQ(installed("c:\\WINNT\\logos.sys"), "picture logos.sys");
    EXPECT_EQ(installed("c:\\WINNT\\web\\wvlogo.gif"), "picture wvlogo.gif");
    EXPECT_EQ(installed("c:\\logo.sys"), "picture logo.sys");
}

// An empty sound entry, or a sound file that is not there, clears the start-up sound.
TEST_F(ThemeApplicationTest, NoSoundToInstallClearsTheStartupSound) {
    for (const bool emptyEntry : {true, false}) {
        fake.setString(win::HKEY_CURRENT_USER, soundKey, "", "C:\\old.wav");
        if (emptyEntry)
            module.themeShortAudio(3) = "";
        else
            fake.remove(folder + "\\Zuve Zivi ziz Odida.wav");
        apply();
        EXPECT_EQ(startupSound(), "") << emptyEntry;
        module.themeShortAudio(3) = "chime";
    }
}

TEST_F(ThemeApplicationTest, AnEmptyWallpaperLeavesTheWallpaperAlone) {
    selection.selectedWallpaper.clear();
    apply();
    for (const auto& call : fake.settings.spi.calls)
        EXPECT_NE(call.action, win::SPI_SETDESKWALLPAPER);
    EXPECT_EQ(installed("c:\\logo.sys"), "picture logo.sys");
}

TEST_F(ThemeApplicationTest, NoApplicableThemeWritesNothingAtAll) {
    struct Case {
        const char* name;
        int themeListIndex;
        const char* row;
    } cases[] = {{"no theme selected", -1, "3"}, {"theme without preview", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selection.themeListIndex = c.themeListIndex;
        module.activeSchemeRow = c.row;
        apply();
        EXPECT_TRUE(fake.registry.writes.empty());
        EXPECT_TRUE(fake.settings.colors.calls.empty());
        EXPECT_TRUE(fake.settings.spi.calls.empty());
        EXPECT_FALSE(fake.exists("c:\\logo.sys"));
        EXPECT_FALSE(fake.keyExists(win::HKEY_CURRENT_USER, soundKey));
    }
}

} // namespace
