// The "Mix - N - Match" tab as a user drives it: previews hidden for a
// wallpaper without a size, the wallpaper and colour-scheme applies, and the
// selection it shares with the Themes tab.
#include "mixmatch/MixMatchApply.h"
#include "platform/InputFacts.h"
#include "runtime/Error.h"
#include "support/ProgramFixture.h"
#include "system/ScreenInfo.h"
#include "support/TestFacts.h"

#include <algorithm>

namespace {

class MixNMatchTab : public unit_test::ProgramFixture {
protected:
    MixNMatchTab() {
        fillSchemeRows();
        // The cursor key every user profile has; the scheme variant writes into it.
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "", "");
        // Wallpapers from entry 2 on; "Plain" has no size ending.
        module.wallpaperList(2) = "Lake 1024x768";
        module.wallpaperList(3) = "Dunes 800x600";
        module.wallpaperList(4) = "Plain";
        module.wallpaperList(5) = "Gone 800x600"; // no file
        for (const char* name : {"Lake 1024x768", "Dunes 800x600", "Plain"})
            write(std::string(name) + ".bmp", bytes::bmp(8, 6));
        module.colorSchemeList(5) = "five";
        module.colorSchemeList(7) = "seven";
        write("five.bmp", bytes::bmp(4, 3));
        write("seven.bmp", bytes::bmp(4, 3));
        module.themeList(0) = "Harbour 800x600,x,harbour.bmp,harbour-wall.bmp,9";
        write("harbour.bmp", bytes::bmp(8, 6));

        prepare();
        form->Combo1->addItem("Harbour 800x600");
        // Scheme entries at positions 0, 1, 2 with scheme numbers 7, 7, 5.
        for (const auto& [name, number] : {std::pair{"Seven", 7}, {"Seven again", 7}, {"Five", 5}}) {
            form->Combo3->addItem(name);
            form->Combo3->setItemData(form->Combo3->listCount() - 1, number);
        }
        selectTab(1);
        fake.clearLogs();
    }

    headless::ComboBox& wallpapers() { return headless::as<headless::ComboBox>(*form->Combo2); }
    headless::ComboBox& schemes() { return headless::as<headless::ComboBox>(*form->Combo3); }
    std::string file(const std::string& name) const { return folder + "\\" + name; }
    std::optional<std::string> color(const std::string& name) const {
        return userValue("Control Panel\\Colors", name);
    }
    std::optional<std::string> cursor(const std::string& name) const {
        return userValue("Control Panel\\Cursors", name);
    }
    bool nothingApplied() const {
        return fake.registry.writes.empty() && fake.settings.colors.calls.empty() &&
               fake.settings.cursors.calls.empty();
    }
};

TEST_F(MixNMatchTab, AWallpaperWithoutASizeEndingHidesBothAndTheButtonSetsThePreviousOne) {
    wallpapers().userSelect(1);
    wallpapers().userSelect(2); // Plain
    EXPECT_FALSE(form->Image2->visible());
    EXPECT_FALSE(form->Image3->visible());
    EXPECT_EQ(nullptr, headless::as<headless::PictureBox>(*form->Image2).picture());

    click(form->Command1);
    EXPECT_EQ(file("Dunes 800x600.bmp"), fake.deskWallpaper());
}

// A wallpaper without a preview is hidden without an error: a file that is not
// there is not set, one the picture decoder refuses (run-length encoded, which
// Windows shows) is left to Windows.
TEST_F(MixNMatchTab, AWallpaperWithoutAPreviewIsSetOnlyWhenItsFileIsThere) {
    std::string runLengthEncoded = bytes::bmp(8, 6);
    runLengthEncoded.replace(30, 4, bytes::le(1)); // BI_RLE8
    write("Dunes 800x600.bmp", runLengthEncoded);
    for (const auto& [entry, set] : {std::pair{3, std::string()}, {1, file("Dunes 800x600.bmp")}}) {
        wallpapers().userSelect(0);
        wallpapers().userSelect(entry);
        EXPECT_FALSE(form->Image2->visible());
        click(form->Command1);
        EXPECT_EQ(set, fake.deskWallpaper());
    }

    // A scheme whose picture is missing: no preview, but the scheme is recorded.
    fake.remove(file("five.bmp"));
    schemes().userSelect(2);
    EXPECT_FALSE(form->Image3->visible());
    EXPECT_EQ("5", module.activeSchemeRow.value_or(""));
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(MixNMatchTab, ApplyColorTakesCursorsAndIconsFromTheListPositionAndColoursFromTheSchemeNumber) {
    installCursors(2);
    schemes().userSelect(2); // scheme number 5
    // Only the theme variant makes the cursor key; the live cursors change all the same.
    fake.RegDeleteKeyA(win::HKEY_CURRENT_USER, "Control Panel\\Cursors");
    click(form->Command3);
    EXPECT_FALSE(fake.registry.keyExists(win::HKEY_CURRENT_USER, "Control Panel\\Cursors"));
    EXPECT_EQ(fake.settings.cursors.calls.size(), 11u);

    fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "", "");
    press(form->Combo3, win::VK_RETURN); // Enter in the scheme list applies as the button does

    EXPECT_EQ(cursorFile(2, 1), cursor("Arrow"));
    // Windows 98 reads the desktop icons from HKEY_CLASSES_ROOT.
    EXPECT_EQ(iconFile(2, 1),
              fake.getString(win::HKEY_CLASSES_ROOT,
                             "CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon", ""));
    // Colour i of row r is (r, i, r + i).
    EXPECT_EQ("5,0,5", color("Scrollbar"));
    // Each colour under the name Windows reads it from: 9 is the caption text.
    EXPECT_EQ("5,9,14", color("TitleText"));
    EXPECT_EQ("5,25,30", color("ButtonAlternateFace"));
    // The scheme variant leaves the cursor sub-keys alone.
    EXPECT_TRUE(fake.registry.subKeyNames(win::HKEY_CURRENT_USER, "Control Panel\\Cursors").empty());
}

TEST_F(MixNMatchTab, TheLastSelectionOnEitherTabDecidesWhatTheButtonsApply) {
    wallpapers().userSelect(0);
    schemes().userSelect(2);
    // The theme selection afterwards records its row 9 and its wallpaper; the
    // scheme list keeps position 2, which still gives the cursors.
    form->Combo1->setListIndex(0);
    click(form->Command3);
    click(form->Command1);
    EXPECT_EQ("9,0,9", color("Scrollbar"));
    EXPECT_EQ(cursorFile(2, 1), cursor("Arrow"));
    EXPECT_EQ(file("harbour-wall.bmp"), fake.deskWallpaper());

    // And a scheme chosen after the theme wins again.
    schemes().userSelect(0);
    click(form->Command3);
    EXPECT_EQ("7,0,7", color("Scrollbar"));
}

TEST_F(MixNMatchTab, ApplyColorWithoutAValidSelectionAppliesNothing) {
    struct Case {
        const char* what;
        int position;
        std::optional<std::string> row;
    } cases[] = {
        {"no scheme selected", -1, "5"},
        {"a theme without a preview", 2, ""},
        {"a row past the tables", 2, "29"},
        {"a negative row", 2, "-1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        form->Combo3->setListIndex(c.position);
        module.activeSchemeRow = c.row;
        fake.clearLogs();
        click(form->Command3);
        EXPECT_TRUE(nothingApplied());
        EXPECT_TRUE(fake.messageBoxes.empty());
    }
}

// A Windows whose colour call ends the apply with an error, as a failure of the
// program's own services would part way through it.
TEST_F(MixNMatchTab, ApplyMixNMatchSetsTheWallpaperThenTheSchemeUnderTheBusyPointer) {
    wallpapers().userSelect(0);
    schemes().userSelect(2);
    auto& screen = windows->screen();
    const std::size_t before = screen.mousePointerHistory().size();
    click(form->Command4);

    EXPECT_EQ(file("Lake 1024x768.bmp"), fake.deskWallpaper());
    EXPECT_EQ("5,0,5", color("Scrollbar"));
    // The wallpaper goes to Windows before anything of the scheme.
    const std::vector<std::string>& calls = fake.log.lines;
    const auto first = [&calls](const std::string& start) {
        return std::find_if(calls.begin(), calls.end(),
                            [&](const std::string& c) { return c.rfind(start, 0) == 0; });
    };
    EXPECT_LT(first("SystemParametersInfoA(20,"), first("RegSetValueExA("));
    const std::vector<int> pointers(screen.mousePointerHistory().begin() + static_cast<long>(before),
                                    screen.mousePointerHistory().end());
    EXPECT_EQ((std::vector<int>{ui::vbHourglass, ui::vbDefault}), pointers);

    // An error from inside the apply (the title the colour object asks for)
    // reaches the user, and the pointer is the default again all the same.
    fake.failOnNext("appTitle", rt::ErrPermissionDenied);
    click(form->Command4);
    EXPECT_EQ(ui::vbHourglass, screen.mousePointerHistory().at(before + 2));
    EXPECT_EQ(ui::vbDefault, screen.mousePointer());
    ASSERT_EQ(1u, fake.messageBoxes.size());
    EXPECT_EQ(0u, fake.messageBoxes[0].prompt.find("Run-time error '70'"));
}

} // namespace
