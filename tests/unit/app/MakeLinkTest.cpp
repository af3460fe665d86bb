// Link labels: the looks of the four actions in every order a window drives
// them, the shell request of a follow, and the start-up sound sample label of
// the main window.
#include "app/common/MakeLink.h"
#include "unit/ProgramFixture.h"

#include <algorithm>
#include <vector>

namespace {

using app::linkBlue;
using app::linkPurple;
using app::linkRed;
using unit_test::ProgramFixture;

class MakeLinkTest : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    headless::HeadlessWindowSystem windows{fake, fake};
    std::unique_ptr<ui::Window> window = windows.createWindow("Links", ui::Window::Style::FixedDialog, {});
    ui::Label& label = window->addLabel("Link", "http://www.decorama.example/help", {0, 0, 3000, 255});
    ui::Label& other = window->addLabel("Other", "readme.txt", {0, 300, 3000, 255});
    bool linkVisited = false;
    const std::string folder = "C:\\Program Files\\Decorama";

    void act(ui::Label& target, int action) {
        app::MakeLink(fake, folder, linkVisited, target, action, nullptr);
    }
};

TEST_F(MakeLinkTest, LooksForEveryActionSequence) {
    const struct {
        std::vector<int> actions;
        win::COLORREF color;
        bool underline;
        bool visited;
    } rows[] = {
        {{1}, linkBlue, false, false},           {{1, 4}, linkRed, true, false},
        {{1, 4, 3}, linkBlue, false, false},     {{1, 2}, linkPurple, false, true},
        {{1, 4, 2}, linkPurple, true, true},     {{1, 2, 3}, linkPurple, false, true},
        {{1, 4, 2, 3}, linkPurple, false, true}, {{1, 2, 4}, linkRed, true, true},
        {{1, 2, 4, 3}, linkPurple, false, true}, {{1, 4, 0}, linkRed, true, false},
        {{1, 5, 3}, linkBlue, false, false},
    };
    for (const auto& row : rows) {
        linkVisited = false;
        label.setUnderline(false);
        label.setForeColor(ui::RGB(0, 0, 0));
        fake.clearLogs();
        std::string name;
        for (int action : row.actions) {
            act(label, action);
            name += std::to_string(action) + " ";
        }
        EXPECT_EQ(label.foreColor(), row.color) << name;
        EXPECT_EQ(label.underline(), row.underline) << name;
        EXPECT_EQ(linkVisited, row.visited) << name;
        const auto follows = std::count(row.actions.begin(), row.actions.end(), 2);
        EXPECT_EQ(fake.shellRequests().size(), static_cast<std::size_t>(follows)) << name;
    }
}

TEST_F(MakeLinkTest, FollowAsksTheShellToOpenTheCaption) {
    act(label, 2);
    ASSERT_EQ(fake.shellRequests().size(), 1u);
    const auto& request = fake.shellRequests()[0];
    EXPECT_EQ(request.hwnd, 0u);
    EXPECT_EQ(request.operation, "Open");
    EXPECT_EQ(request.file, "http://www.decorama.example/help");
    EXPECT_EQ(request.parameters, "");
    EXPECT_EQ(request.directory, folder);
    EXPECT_EQ(request.showCmd, 1);
}

TEST_F(MakeLinkTest, AFailedShellRequestStillCountsAsFollowed) {
    fake.failOn("ShellExecuteA", 1, win::ERROR_FILE_NOT_FOUND);
    act(label, 1);
    act(label, 2);
    EXPECT_EQ(label.foreColor(), linkPurple);
    EXPECT_TRUE(linkVisited);
    EXPECT_TRUE(fake.messageBoxes().empty());
}

TEST_F(MakeLinkTest, TheVisitedFlagIsSharedByTheWindowsLinks) {
    act(label, 2);
    act(other, 1);
    act(other, 3);
    EXPECT_EQ(other.foreColor(), linkPurple);
}

// ---- the main window's start-up sound sample ------------------------------------------

class StartupSoundLabelTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeShippedFiles();
        load();
    }
    const std::string wave = "\\Zuve Zivi ziz Odida.wav";
    headless::Label& label3() { return user<headless::Label>(form->Label3); }
};

TEST_F(StartupSoundLabelTest, ClickPlaysTheSoundThenFollowsTheLink) {
    fake.makeFile(module.programFolder + wave, "RIFF");
    fake.clearLogs();
    label3().userClick();

    ASSERT_EQ(fake.soundsPlayed().size(), 1u);
    EXPECT_EQ(fake.soundsPlayed()[0].path, module.programFolder + wave);
    EXPECT_EQ(fake.soundsPlayed()[0].flags, 3u);
    ASSERT_EQ(fake.shellRequests().size(), 1u);
    const auto& request = fake.shellRequests()[0];
    EXPECT_EQ(request.hwnd, form->window().handle());
    EXPECT_EQ(request.operation, "Open");
    EXPECT_EQ(request.file, "Zuve Zivi Ziz Odida");
    EXPECT_EQ(request.directory, module.programFolder);
    EXPECT_EQ(request.showCmd, 1);
    const auto& calls = fake.callLog();
    const auto sound = std::find_if(calls.begin(), calls.end(),
                                    [](const std::string& c) { return c.rfind("sndPlaySoundA", 0) == 0; });
    const auto shell = std::find_if(calls.begin(), calls.end(),
                                    [](const std::string& c) { return c.rfind("ShellExecuteA", 0) == 0; });
    EXPECT_LT(sound, shell);
    EXPECT_EQ(form->Label3->foreColor(), linkPurple);
}

TEST_F(StartupSoundLabelTest, MissingWaveFileIsSilentAndTheLabelStillTurnsPurple) {
    label3().userClick();
    EXPECT_EQ(fake.soundsPlayed().size(), 1u);
    EXPECT_TRUE(fake.messageBoxes().empty());
    EXPECT_EQ(form->Label3->foreColor(), linkPurple);
}

TEST_F(StartupSoundLabelTest, LooksAcrossARun) {
    EXPECT_EQ(form->Label3->foreColor(), linkBlue);
    EXPECT_FALSE(form->Label3->underline());
    label3().userMouseMove();
    EXPECT_EQ(form->Label3->foreColor(), linkRed);
    EXPECT_TRUE(form->Label3->underline());
    // The main window never restores the look when the mouse leaves.
    window().userMouseMove(100, 100);
    EXPECT_EQ(form->Label3->foreColor(), linkRed);
    label3().userClick();
    EXPECT_EQ(form->Label3->foreColor(), linkPurple);
    EXPECT_TRUE(form->Label3->underline());
}

TEST_F(StartupSoundLabelTest, TheSoundPicturePlaysTheSameFileWithoutTheLink) {
    picture(form->Image1).userClick();
    picture(form->Image1).userClick();
    ASSERT_EQ(fake.soundsPlayed().size(), 2u);
    EXPECT_EQ(fake.soundsPlayed()[1].path, module.programFolder + wave);
    EXPECT_EQ(fake.soundsPlayed()[1].flags, 3u);
    EXPECT_TRUE(fake.shellRequests().empty());
    EXPECT_EQ(form->Label3->foreColor(), linkBlue);
}

} // namespace
