// The main window's load event: the catalogue files read into the tables and
// lists in their order, the resolution check, the first theme's preview, the
// centring, and how far the load gets when a file is missing or wrong.
#include "links/MakeLink.h"
#include "support/ProgramFixture.h"

#include <cmath>
#include <set>

namespace {

using unit_test::ProgramFixture;
using Parts = std::set<std::string>;

const char* const resolutionMessage = "You must set your screen resolution to at least 800 X 600.";

// The catalogue files in the order the load reads them; the first five fill no list.
const std::vector<std::string> readOrder{"colors.txt",     "cursors.txt",    "icons.txt",
                                         "audio.txt",      "shortAudio.txt", "themes.txt",
                                         "wallpapers.txt", "colorNames.txt", "screenSavers.txt"};
const Parts allFiles(readOrder.begin(), readOrder.end());
const Parts tableFiles(readOrder.begin(), readOrder.begin() + 5);

class StartupTest : public ProgramFixture {
protected:
    void SetUp() override { writeStandardCatalogue(); }
    // The catalogue files whose records of the standard catalogue arrived in
    // their table and, for the four list files, in their list.
    Parts loaded() {
        Parts parts;
        if (module.themeColors(2, 5, 1) == "10" && module.themeColors(2, 5, 3) == "30")
            parts.insert("colors.txt");
        if (module.themeCursors(2, 14) == "wait.ani")
            parts.insert("cursors.txt");
        if (module.themeIcons(2, 1) == "computer.ico")
            parts.insert("icons.txt");
        if (module.themeAudio(0) == "tune")
            parts.insert("audio.txt");
        if (module.themeShortAudio(2) == "yes")
            parts.insert("shortAudio.txt");
        if (module.themeList(1) == "Canyon 1024x768,Desert,canyon.bmp,canyon-wall.bmp,3" &&
            items(form->Combo1) == std::vector<std::string>{"Harbour 800x600", "Canyon 1024x768"})
            parts.insert("themes.txt");
        if (module.wallpaperList(3) == "Dune 800x600" &&
            items(form->Combo2) == std::vector<std::string>{"Lake 1024x768", "Dune 800x600"})
            parts.insert("wallpapers.txt");
        if (module.colorSchemeList(7) == "slate" &&
            items(form->Combo3) == std::vector<std::string>{"Brick", "Slate"} &&
            itemData(form->Combo3) == std::vector<std::int32_t>{4, 7})
            parts.insert("colorNames.txt");
        if (module.screenSaverList(1) == "stars.scr" &&
            items(form->Combo4) == std::vector<std::string>{"Bubbles", "Stars"} &&
            itemData(form->Combo4) == std::vector<std::int32_t>{0, 1})
            parts.insert("screenSavers.txt");
        return parts;
    }

    bool waitMinutesFilled() {
        std::vector<std::string> minutes;
        for (int i = 1; i <= 60; ++i)
            minutes.push_back(std::to_string(i));
        return items(form->Combo5) == minutes && form->Combo5->text() == "10";
    }

    // Centred in twips on the screen, within the rounding of half a twip.
    bool centred() {
        const ui::Rect bounds = form->window().bounds();
        const ui::Screen& screen = windows->screen();
        return std::abs(bounds.left - (screen.width() - bounds.width) / 2.0) <= 0.5 &&
               std::abs(bounds.top - (screen.height() - bounds.height) / 2.0) <= 0.5 &&
               form->window().backColor() == ui::RGB(0, 43, 17) &&
               form->SSTab1->backColor() == ui::RGB(0, 43, 17);
    }

    // Still where and as it was designed: as a window that never loaded.
    bool asDesigned() {
        headless::HeadlessWindowSystem spare(fake, fake);
        catalogue::Module1 spareModule;
        app::frmMain designed(platform, spare, spareModule);
        return form->window().bounds().left == designed.window().bounds().left &&
               form->window().bounds().top == designed.window().bounds().top &&
               form->window().backColor() == designed.window().backColor() &&
               form->SSTab1->backColor() == designed.SSTab1->backColor();
    }

    // The one message box of a load that ended early.
    void expectOneMessage(const std::string& prompt) {
        ASSERT_EQ(prompts(), std::vector<std::string>{prompt});
        EXPECT_EQ(fake.messageBoxes[0].style, rt::vbOKOnly);
        EXPECT_EQ(fake.messageBoxes[0].title, "Decorama");
    }
};

// What every load that passes the resolution check does is held there.
TEST_F(StartupTest, CompleteLoadRecordsTheVersionAndPreviewsTheFirstTheme) {
    fake.useVersion(fake::Version::Win2000);
    prepare();
    windows->screen().setMousePointer(ui::vbHourglass);
    form->Form_Load();

    EXPECT_EQ(module.windowsVersion, "2000");
    EXPECT_EQ(module.programFolder, folder);
    EXPECT_EQ(module.themeList(0), "Harbour 800x600,Coastal,harbour.bmp,harbour-wall.bmp,2");
    EXPECT_EQ(module.themeColors(0, 5, 2), "255");
    EXPECT_EQ(form->Combo1->listIndex(), 0);
    EXPECT_TRUE(form->Image7->visible());
    EXPECT_EQ(picture(form->Image7).picturePath(), folder + "\\harbour.bmp");
    const ui::Rect at = form->Image7->bounds();
    EXPECT_EQ((std::vector<int>{at.left, at.top, at.width, at.height}),
              (std::vector<int>{4920, 1530, 3585, 2685}));
    EXPECT_EQ(form->selectedWallpaper, folder + "\\harbour-wall.bmp");
    EXPECT_EQ(module.activeSchemeRow, std::optional<std::string>("2"));
    EXPECT_EQ(windows->screen().mousePointer(), ui::vbDefault);
}

TEST_F(StartupTest, ResolutionCheckNeedsBothMeasuresBelowTheMinimum) {
    const struct {
        int width, height, twipsPerPixel;
        bool tooSmall;
    } screens[] = {
        {799, 599, 15, true}, {800, 599, 15, false}, {799, 600, 15, false},
        {640, 480, 12, true}, {800, 600, 12, false},
    };
    for (const auto& screen : screens) {
        SCOPED_TRACE(std::to_string(screen.width) + " x " + std::to_string(screen.height) + " at " +
                     std::to_string(screen.twipsPerPixel) + " twips");
        fake.clearLogs();
        module = catalogue::Module1();
        load(screen.width, screen.height, screen.twipsPerPixel);

        EXPECT_EQ(form->screenWidthPixels, screen.width);
        EXPECT_EQ(form->screenHeightPixels, screen.height);
        // What comes before the check is done either way.
        EXPECT_TRUE(waitMinutesFilled());
        EXPECT_EQ(form->Label3->foreColor(), links::linkBlue);
        if (screen.tooSmall) {
            expectOneMessage(resolutionMessage);
            EXPECT_EQ(loaded(), tableFiles);
            EXPECT_EQ(form->Combo1->listCount() + form->Combo2->listCount() + form->Combo3->listCount() +
                          form->Combo4->listCount(),
                      0);
            EXPECT_TRUE(asDesigned());
        } else {
            EXPECT_TRUE(prompts().empty());
            EXPECT_EQ(loaded(), allFiles);
            EXPECT_TRUE(centred());
        }
    }
}

// A failing first record in any file ends the load after the files read before it;
// the link look comes after the tables.
TEST_F(StartupTest, AFailingRecordEndsTheLoadAfterTheFilesBeforeIt) {
    for (std::size_t failing = 0; failing < readOrder.size(); ++failing) {
        SCOPED_TRACE(readOrder[failing]);
        SetUp();
        write(readOrder[failing], "x,1,2,3,4,5\r\n");
        fake.clearLogs();
        module = catalogue::Module1();
        load();

        expectOneMessage("13Type mismatch");
        EXPECT_EQ(loaded(), Parts(readOrder.begin(), readOrder.begin() + std::ptrdiff_t(failing)));
        EXPECT_TRUE(waitMinutesFilled());
        EXPECT_EQ(form->Label3->foreColor() == links::linkBlue, failing >= tableFiles.size());
        EXPECT_TRUE(asDesigned());
    }
}

} // namespace
