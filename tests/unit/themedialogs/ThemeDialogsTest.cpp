// The Themes tab's dialogs about theme files, driven as a user would in the
// headless window system: the Settings dialog and the choice it keeps, the
// Details dialog and what it draws and plays, and the question before a theme
// file's screen saver is installed. (The file dialogs are Windows' own: the
// native tests type into them.)
#include "themedialogs/DetailsDialog.h"
#include "themedialogs/SettingsDialog.h"
#include "themedialogs/ThemeFileQuestions.h"

#include "fake/FakeWindows.h"
#include "headless/Controls.h"
#include "platform/InputFacts.h"
#include "doubles/theme/FileHeads.h"
#include "support/Bytes.h"
#include "support/CheckedThemes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace themedialogs;
using themefile::Aspect;
using unit_test::checkedTheme;

namespace {

const char* const programKey = "Software\\Decorama";

class ThemeDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { owner->show(); }

    static headless::CheckBox& box(headless::Window& dialog, Aspect aspect) {
        return headless::find<headless::CheckBox>(dialog, themefile::aspectName(aspect));
    }
    static win::DWORD bits(std::initializer_list<Aspect> off) {
        win::DWORD bits = 0x1FF;
        for (Aspect aspect : off)
            bits &= ~(1u << static_cast<unsigned>(aspect));
        return bits;
    }

    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    headless::HeadlessWindowSystem windows{fake, fake};
    std::unique_ptr<ui::Window> owner =
        windows.createWindow("Decorama", ui::Window::Style::Borderless, {0, 0, 9000, 6000});
};

// The theme has colours and a sound; its wallpaper was refused; it lacks the rest.
TEST_F(ThemeDialogsTest, SettingsShowTheKeptChoiceWithWhatTheThemeLacksDisabledAndKeepOnlyAConfirmedChange) {
    fake.makeFile("C:\\Themes\\ding.wav", theme_test::waveHead);
    const themefile::CheckedTheme theme = checkedTheme(
        fake,
        "[Control Panel\\Colors]\nWindow=1 2 3\n[Control Panel\\Desktop]\nWallpaper=\\\\host\\share\\a.bmp\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]\nDefaultValue=%ThemeDir%ding.wav\n");
    using End = std::function<void(headless::Window&)>;
    const auto click = [](const char* name) {
        return End(
            [name](headless::Window& dialog) { headless::find<headless::Button>(dialog, name).userClick(); });
    };
    const auto key = [](int code) {
        return End([code](headless::Window& dialog) { dialog.userPressKey(code); });
    };
    const struct {
        const char* how;
        End end;
        bool kept;
        const themefile::CheckedTheme* theme;
    } cases[] = {
        {"OK", click("cmdOK"), true, &theme},
        {"Enter", key(win::VK_RETURN), true, nullptr},
        {"Cancel", click("cmdCancel"), false, &theme},
        {"Escape", key(win::VK_ESCAPE), false, nullptr},
        {"close box", [](headless::Window& dialog) { dialog.userClose(); }, false, &theme},
    };
    for (const auto& c : cases) {
        const win::DWORD kept = bits({Aspect::wallpaper});
        fake.setDword(win::HKEY_CURRENT_USER, programKey, "Theme aspects", kept);
        windows.whenModal([&](headless::Window& dialog) {
            for (Aspect aspect : themefile::allAspects) {
                const bool givable = !c.theme || aspect == Aspect::colors || aspect == Aspect::sounds;
                EXPECT_EQ(box(dialog, aspect).enabled(), givable) << c.how << themefile::aspectName(aspect);
                EXPECT_EQ(box(dialog, aspect).value(), aspect != Aspect::wallpaper) << c.how;
            }
            box(dialog, Aspect::sounds).userClick();
            c.end(dialog);
        });
        const auto choice = chooseAspects(windows, *owner, fake, c.theme);
        const win::DWORD changed = bits({Aspect::wallpaper, Aspect::sounds});
        EXPECT_EQ(fake.getDword(win::HKEY_CURRENT_USER, programKey, "Theme aspects"), c.kept ? changed : kept)
            << c.how;
        EXPECT_EQ(choice.has_value(), c.kept) << c.how;
        EXPECT_TRUE(!choice || *choice == ChosenSettings::load(fake)) << c.how;
    }
    fake::FakeWindows fresh; // nothing kept, or not a number: everything chosen
    EXPECT_TRUE(ChosenSettings::load(fresh) == ChosenSettings::all());
    fresh.setString(win::HKEY_CURRENT_USER, programKey, "Theme aspects", "0");
    EXPECT_TRUE(ChosenSettings::load(fresh) == ChosenSettings::all());
}

TEST_F(ThemeDialogsTest, DetailsDrawAndPlayOnlyWhatTheCheckAllowedAndFound) {
    fake.makeFile("C:\\Themes\\arrow.cur", bytes::cursor());
    fake.makeFile("C:\\Themes\\ding.wav", theme_test::waveHead);
    fake.makeFile("C:\\Themes\\pc.ico", theme_test::icoHead);
    const themefile::CheckedTheme theme = checkedTheme(
        fake,
        "[Control Panel\\Cursors]\nArrow=%ThemeDir%arrow.cur\nWait=http://attacker/wait.ani\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]\nDefaultValue=%ThemeDir%ding.wav\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\SystemAsterisk\\.Current]\nDefaultValue=%ThemeDir%gone.wav\n"
        "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\nDefaultValue=%ThemeDir%pc.ico,0\n");
    const std::size_t checkedAt = fake.operationTrail().size();
    const struct {
        const char* item;
        const char* file;
        bool playable;
        const char* drawn;
    } rows[] = {
        {"Pointer: Arrow", "C:\\Themes\\arrow.cur", false, "C:\\Themes\\arrow.cur"},
        {"Pointer: Wait (left out)", "Left out: web address", false, ""},
        {"Sound: .Default\\.Default", "C:\\Themes\\ding.wav", true, ""},
        {"Sound: .Default\\SystemAsterisk", "File not found: C:\\Themes\\gone.wav", false, ""},
        {"Icon: My Computer", "C:\\Themes\\pc.ico", false, "C:\\Themes\\pc.ico"},
    };
    windows.whenModal([&](headless::Window& dialog) {
        auto& list = headless::find<headless::ComboBox>(dialog, "lstItems");
        auto& play = headless::find<headless::Button>(dialog, "cmdPlay");
        ASSERT_EQ(list.listCount(), 5);
        for (int index = 0; index < 5; ++index) {
            const auto& row = rows[index];
            list.userSelect(index);
            EXPECT_EQ(list.text(), row.item);
            EXPECT_EQ(headless::find<headless::Label>(dialog, "lblFile").caption(), row.file);
            EXPECT_EQ(play.enabled(), row.playable) << row.item;
            std::string drawn;
            for (const headless::Drawn& call :
                 headless::drawingOf(headless::find<headless::PictureBox>(dialog, "picItem").picture()))
                drawn += call.what == "icon" ? call.text : "";
            EXPECT_EQ(drawn, row.drawn) << row.item;
            if (row.playable)
                play.userClick();
        }
        dialog.userPressKey(win::VK_ESCAPE);
    });
    showThemeDetails(windows, *owner, platform, theme);
    ASSERT_EQ(fake.sounds.size(), 1u);
    EXPECT_EQ(fake.sounds[0].path, "C:\\Themes\\ding.wav");
    EXPECT_EQ(fake.sounds[0].flags, 3u); // SND_ASYNC | SND_NODEFAULT
    EXPECT_TRUE(unit_test::filesRead(fake, checkedAt).empty());
}

TEST_F(ThemeDialogsTest, AThemeFilesScreenSaverIsInstalledOnlyWhenTheUserSaysYes) {
    fake.makeFile("C:\\WINDOWS\\SYSTEM\\Jungle.scr", "MZ program");
    const themefile::CheckedTheme theme =
        checkedTheme(fake, "[boot]\nSCRNSAVE.EXE=%WinDir%SYSTEM\\Jungle.scr\n", true);
    ASSERT_TRUE(theme.screenSaver.has_value());
    for (const auto& [answer, installs] :
         {std::pair{rt::vbYes, true}, {rt::vbNo, false}, {rt::vbOK, false}}) {
        fake.answers = {answer};
        EXPECT_EQ(confirmScreenSaver(fake, "C:\\Themes\\Jungle.theme", *theme.screenSaver), installs)
            << answer;
    }
    ASSERT_EQ(fake.messageBoxes.size(), 3u);
    EXPECT_EQ(
        fake.messageBoxes[0].prompt,
        "C:\\Themes\\Jungle.theme will install the screen saver C:\\WINDOWS\\SYSTEM\\Jungle.scr. Apply it?");
    EXPECT_EQ(fake.messageBoxes[0].style, rt::vbYesNo + rt::vbQuestion + rt::vbDefaultButton2);
}

} // namespace
