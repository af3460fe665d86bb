// A theme applied: what it installs, where, and what it leaves alone.
#include "platform/InputFacts.h"
#include "support/ProgramFixture.h"
#include "support/TestFacts.h"
#include "themes/ThemeApplication.h"

#include <cstring>

namespace {

const char* const soundKey = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

// Theme 0 on scheme row 2, selected; the program's start-up sound is there.
class ThemeApplicationTest : public unit_test::ProgramFixture {
protected:
    void SetUp() override {
        themeSelected();
        write("Zuve Zivi ziz Odida.wav", "RIFF");
        selection.selectedWallpaper = form->selectedWallpaper;
        selection.themeListIndex = 0;
        fake.clearLogs();
    }
    void apply() { themes::ApplyTheme(platform, module, selection, windows->screen(), *form->Combo1); }
    std::optional<std::string> startupSound() const { return userValue(soundKey, ""); }

    themes::ThemeSelection selection;
};

// Enter in the theme list applies it, as "Apply Theme" does; other keys there do nothing.
TEST_F(ThemeApplicationTest, EnterInTheThemeListInstallsEverythingOfTheTheme) {
    windows->screen().setMousePointer(ui::vbHourglass);
    const std::size_t before = fake.operationTrail().size();
    for (int key : facts::keysOtherThanEnter)
        press(form->Combo1, key);
    EXPECT_EQ(fake.operationTrail().size(), before);
    press(form->Combo1, win::VK_RETURN);

    EXPECT_EQ(userValue("Control Panel\\Colors", "Window"), "2,5,7");
    EXPECT_EQ(fake.deskWallpaper(), selection.selectedWallpaper);
    for (const char* file :
         {"c:\\logo.sys", "c:\\WINDOWS\\logos.sys", "c:\\WINDOWS\\logow.sys", "c:\\WINDOWS\\web\\wvleft.bmp",
          "c:\\WINDOWS\\web\\wvline.gif", "c:\\WINDOWS\\web\\wvlogo.gif"})
        EXPECT_EQ(fake.fileBytes(file), std::strrchr(file, '\\') + 1);
    // The sound goes in by its short path, which the fake derives as Windows does.
    std::array<char, 67> shortPath{};
    fake.GetShortPathNameA((folder + "\\Zuve Zivi ziz Odida.wav").c_str(), shortPath.data(), 67);
    EXPECT_EQ(startupSound(), std::string(shortPath.data()));
    EXPECT_NE(startupSound()->find("~"), std::string::npos);
    EXPECT_EQ(windows->focusedControl(), form->Combo1);
    EXPECT_EQ(windows->screen().mousePointer(), ui::vbDefault);
}

// An empty sound entry, or a sound file that is not there, clears the start-up sound.
TEST_F(ThemeApplicationTest, NoSoundToInstallClearsTheStartupSound) {
    for (const bool emptyEntry : {true, false}) {
        fake.setString(win::HKEY_CURRENT_USER, soundKey, "", "C:\\old.wav");
        if (emptyEntry)
            module.themeShortAudio(2) = "";
        else
            fake.remove(folder + "\\Zuve Zivi ziz Odida.wav");
        apply();
        EXPECT_EQ(startupSound(), "") << emptyEntry;
        module.themeShortAudio(2) = "x";
    }
}

TEST_F(ThemeApplicationTest, AnEmptyWallpaperLeavesTheWallpaperAlone) {
    selection.selectedWallpaper.clear();
    apply();
    for (const auto& call : fake.settings.spi.calls)
        EXPECT_NE(call.action, win::SPI_SETDESKWALLPAPER);
    EXPECT_EQ(fake.fileBytes("c:\\logo.sys"), "logo.sys");
}

TEST_F(ThemeApplicationTest, NoApplicableThemeWritesNothingAtAll) {
    struct Case {
        const char* name;
        int themeListIndex;
        const char* row;
    } cases[] = {{"no theme selected", -1, "2"}, {"theme without preview", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selection.themeListIndex = c.themeListIndex;
        module.activeSchemeRow = c.row;
        apply();
        EXPECT_TRUE(fake.registry.writes.empty());
        EXPECT_TRUE(fake.settings.colors.calls.empty());
        EXPECT_TRUE(fake.settings.spi.calls.empty());
        EXPECT_FALSE(fake.exists("c:\\logo.sys"));
        EXPECT_FALSE(fake.registry.keyExists(win::HKEY_CURRENT_USER, soundKey));
    }
}

} // namespace
