// The Themes tab's theme files, as a user meets them: listed after the catalogue's
// themes (the Themes folder, then the files opened before that are still there),
// opened with "Open theme file...", previewed as drawn with what the check left
// out, applied with the aspects chosen in the Settings dialog, the screen saver
// only after a Yes, and what failed told in one box.
#include "support/ProgramFixture.h"

#include "platform/InputFacts.h"
#include "unit/themeapply/ThemeFileFixture.h"

namespace {

const char* const programKey = "Software\\Decorama";
const std::string colorsOnly = "[Control Panel\\Colors]\r\nWindow=1 2 3\r\n";
const std::string refusedWallpaper =
    colorsOnly + "[Control Panel\\Desktop]\r\nWallpaper=\\\\host\\share\\a.bmp\r\n";

class ThemeFilesTabTest : public unit_test::ProgramFixture {
protected:
    void SetUp() override {
        writeStandardCatalogue();
        writeShippedPictures();
        themeapply_test::installJungle(fake, themes);
        fake.makeFile(themes + "\\Autumn.theme", colorsOnly);
        fake.makeFile("C:\\Mine\\Refused.theme", refusedWallpaper);
    }
    std::vector<std::string> listedAfterCatalogue() {
        std::vector<std::string> listed = items(form->Combo1);
        listed.erase(listed.begin(), listed.begin() + 2);
        return listed;
    }
    void open(const std::optional<std::string>& path) {
        windows->whenFileDialog(path);
        click(form->cmdOpenTheme);
    }
    std::optional<std::string> kept(int place) {
        return userValue(programKey, "Theme file " + std::to_string(place));
    }

    const std::string themes = folder + "\\Themes";
};

TEST_F(ThemeFilesTabTest, TheListHoldsTheThemesFolderThenTheOpenedFilesStillThereOnce) {
    fake.setString(win::HKEY_CURRENT_USER, programKey, "Theme file 1", "C:\\Mine\\Refused.theme");
    fake.setString(win::HKEY_CURRENT_USER, programKey, "Theme file 2", "C:\\Mine\\Gone.theme");
    fake.setString(win::HKEY_CURRENT_USER, programKey, "Theme file 3", themes + "\\JUNGLE.THEME");
    load();

    EXPECT_EQ(listedAfterCatalogue(), (std::vector<std::string>{"Autumn", "Jungle", "Refused"}));
    // The first catalogue theme stays selected with its own picture.
    EXPECT_EQ(form->Combo1->listIndex(), 0);
    EXPECT_EQ(shown(form->Image7), "harbour.bmp");
    EXPECT_FALSE(form->cmdDetails->enabled());
    EXPECT_TRUE(prompts().empty());
}

TEST_F(ThemeFilesTabTest, AnOpenedFileIsListedOnceSelectedDrawnAndKeptAmongTheLatestTen) {
    load();
    open("C:\\Mine\\Refused.theme");
    EXPECT_EQ(listedAfterCatalogue(), (std::vector<std::string>{"Autumn", "Jungle", "Refused"}));
    EXPECT_EQ(form->Combo1->listIndex(), 4);
    EXPECT_TRUE(form->Image7->visible());
    EXPECT_NE(form->Image7->picture(), nullptr);
    EXPECT_EQ(picture(form->Image7).picturePath(), "");
    EXPECT_EQ(form->lblLeftOut->caption(), "Left out: wallpaper (network path)");
    EXPECT_TRUE(form->cmdDetails->enabled());
    ASSERT_EQ(windows->fileDialogs.size(), 1u);
    EXPECT_EQ(windows->fileDialogs[0].filterName, "Theme files (*.theme;*.the;*.thm)");

    // A listed file is selected where it is; a catalogue theme afterwards has no note.
    open(themes + "\\jungle.theme");
    EXPECT_EQ(form->Combo1->listIndex(), 3);
    EXPECT_EQ(form->lblLeftOut->caption(), "");
    form->Combo1->setListIndex(1);
    EXPECT_EQ(form->lblLeftOut->caption(), "");
    EXPECT_EQ(shown(form->Image7), "canyon.bmp");

    // Cancel opens nothing; a file that is not there is told and not listed.
    open(std::nullopt);
    open("C:\\Mine\\Missing.theme");
    EXPECT_EQ(prompts(), (std::vector<std::string>{"C:\\Mine\\Missing.theme: File not found"}));
    EXPECT_EQ(listedAfterCatalogue().size(), 3u);

    // Eleven more: the latest ten are kept, latest first, and listed at the next start.
    for (int n = 0; n <= 10; ++n) {
        fake.makeFile("C:\\Mine\\T" + std::to_string(n) + ".theme", colorsOnly);
        open("C:\\Mine\\T" + std::to_string(n) + ".theme");
    }
    EXPECT_EQ(kept(1), "C:\\Mine\\T10.theme");
    EXPECT_EQ(kept(10), "C:\\Mine\\T1.theme");
    EXPECT_EQ(kept(11), std::nullopt);
    load();
    EXPECT_EQ(listedAfterCatalogue(), (std::vector<std::string>{"Autumn", "Jungle", "T10", "T9", "T8", "T7",
                                                                "T6", "T5", "T4", "T3", "T2", "T1"}));
}

// Colours switched off in the Settings dialog; No to the screen saver; the pointers
// and the desktop icons fail.
TEST_F(ThemeFilesTabTest, AnApplyTakesTheChosenSettingsAsksForTheSaverAndTellsWhatFailedInOneBox) {
    load();
    windows->whenModal([](headless::Window& dialog) {
        headless::find<headless::CheckBox>(dialog, "colors").userClick();
        headless::find<headless::Button>(dialog, "cmdOK").userClick();
    });
    click(form->cmdSettings);
    form->Combo1->setListIndex(3); // Jungle
    fake.answers = {rt::vbNo, rt::vbOK};
    fake.failOnNext("LoadCursorFromFileA", static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    fake.failOnNext("RegCreateKeyExA", static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED), 2);
    const std::size_t pointers = windows->screen().mousePointerHistory().size();
    press(form->Combo1, win::VK_RETURN);

    ASSERT_EQ(fake.messageBoxes.size(), 2u);
    EXPECT_EQ(fake.messageBoxes[0].prompt, themes + "\\Jungle.theme will install the screen saver " +
                                               fake.windowsFolder() + "\\SYSTEM\\Jungle.scr. Apply it?");
    EXPECT_EQ(fake.messageBoxes[1].prompt, "These settings could not be applied:\n\n"
                                           "Mouse pointers: LoadCursorFromFileA: access denied (5)\n"
                                           "Desktop icons: RegCreateKeyExA: access denied (5)");
    EXPECT_EQ(fake.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "TitleText"), std::nullopt);
    EXPECT_EQ(fake.getString(win::HKEY_CURRENT_USER,
                             "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current", ""),
              fake.windowsFolder() + "\\media\\Jungle Recycle.wav");
    EXPECT_EQ(fake.fileBytes(fake.windowsFolder() + "\\system.ini").find("Jungle"), std::string::npos);
    const std::vector<int>& history = windows->screen().mousePointerHistory();
    EXPECT_EQ(std::vector<int>(history.begin() + static_cast<std::ptrdiff_t>(pointers), history.end()),
              (std::vector<int>{ui::vbHourglass, ui::vbDefault}));
    EXPECT_EQ(windows->focusedControl(), form->Combo1);
}

// Jungle applied, then Autumn (its colours only): "Previous settings" goes back to
// Jungle's, "Original settings" to what was there before both.
TEST_F(ThemeFilesTabTest, KeptSettingsAreListedOnceThereAndRestoreWhatTheAppliesChanged) {
    load();
    form->listKeptSettings();
    EXPECT_EQ(listedAfterCatalogue(), (std::vector<std::string>{"Autumn", "Jungle", "Windows default"}));
    const auto applyEntry = [&](int index) {
        form->Combo1->setListIndex(index);
        press(form->Combo1, win::VK_RETURN);
    };
    const auto window = [&] { return userValue("Control Panel\\Colors", "Window"); };
    const auto recycle = [&] {
        return userValue("AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current", "");
    };
    const std::optional<std::string> windowBefore = window();
    fake.answers = {rt::vbNo};
    applyEntry(3); // Jungle
    EXPECT_EQ(listedAfterCatalogue(), (std::vector<std::string>{"Autumn", "Jungle", "Previous settings",
                                                                "Original settings", "Windows default"}));
    EXPECT_EQ(form->Combo1->listIndex(), 3);
    applyEntry(2); // Autumn
    EXPECT_EQ(window(), "1 2 3");

    applyEntry(4); // "Previous settings"
    EXPECT_EQ(window(), "255 255 224");
    EXPECT_EQ(recycle(), fake.windowsFolder() + "\\media\\Jungle Recycle.wav");
    applyEntry(5); // "Original settings"
    EXPECT_EQ(window(), windowBefore);
    EXPECT_EQ(recycle(), std::nullopt);
    EXPECT_EQ(fake.messageBoxes.size(), 1u); // the screen saver's question

    // "Save current settings...": the file joins the theme files, selected, drawn.
    windows->whenFileDialog("C:\\Mine\\Saved.theme");
    click(form->cmdSaveSettings);
    EXPECT_NE(fake.fileBytes("C:\\Mine\\Saved.theme").find("[Control Panel\\Colors]"), std::string::npos);
    EXPECT_EQ(listedAfterCatalogue(),
              (std::vector<std::string>{"Autumn", "Jungle", "Saved", "Previous settings", "Original settings",
                                        "Windows default"}));
    EXPECT_EQ(form->Combo1->listIndex(), 4);
    EXPECT_TRUE(form->cmdDetails->enabled());
}

} // namespace
