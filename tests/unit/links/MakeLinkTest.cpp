// Link labels: the sound and the shell request of a follow, what a failed
// follow or a missing sound leaves, and the start-up sound sample label of the
// main window.
#include "links/MakeLink.h"
#include "support/ProgramFixture.h"

#include <algorithm>
#include <vector>

namespace {

using links::linkBlue;
using links::linkPurple;
using links::linkRed;
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
        links::MakeLink(fake, folder, linkVisited, target, action, nullptr);
    }
};

TEST_F(MakeLinkTest, AFailedShellRequestStillCountsAsFollowed) {
    fake.failOnNext("ShellExecuteA", win::ERROR_FILE_NOT_FOUND);
    act(label, 1);
    act(label, 2);
    EXPECT_EQ(label.foreColor(), linkPurple);
    EXPECT_TRUE(linkVisited);
    EXPECT_TRUE(fake.messageBoxes.empty());
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

// A missing sound is silent: the link is followed all the same.
TEST_F(StartupSoundLabelTest, ClickPlaysTheSoundThenFollowsTheLink) {
    for (const bool there : {false, true}) {
        SCOPED_TRACE(there);
        if (there)
            fake.makeFile(module.programFolder + wave, "RIFF");
        fake.clearLogs();
        label3().userClick();

        ASSERT_EQ(fake.sounds.size(), 1u);
        EXPECT_EQ(fake.sounds[0].path, module.programFolder + wave);
        EXPECT_EQ(fake.sounds[0].flags, 3u);
        ASSERT_EQ(fake.shellRequests.size(), 1u);
        const auto& request = fake.shellRequests[0];
        EXPECT_EQ(request.hwnd, form->window().handle());
        EXPECT_EQ(request.operation, "Open");
        EXPECT_EQ(request.file, "Zuve Zivi Ziz Odida");
        EXPECT_EQ(request.directory, module.programFolder);
        EXPECT_EQ(request.showCmd, 1);
        const auto& calls = fake.log.lines;
        const auto called = [&](const char* name) {
            return std::find_if(calls.begin(), calls.end(),
                                [&](const std::string& c) { return c.rfind(name, 0) == 0; });
        };
        EXPECT_LT(called("sndPlaySoundA"), called("ShellExecuteA"));
        EXPECT_TRUE(fake.messageBoxes.empty());
        EXPECT_EQ(form->Label3->foreColor(), linkPurple);
    }
}

TEST_F(StartupSoundLabelTest, TheSoundPicturePlaysTheSameFileWithoutTheLink) {
    picture(form->Image1).userClick();
    picture(form->Image1).userClick();
    ASSERT_EQ(fake.sounds.size(), 2u);
    EXPECT_EQ(fake.sounds[1].path, module.programFolder + wave);
    EXPECT_EQ(fake.sounds[1].flags, 3u);
    EXPECT_TRUE(fake.shellRequests.empty());
    EXPECT_EQ(form->Label3->foreColor(), linkBlue);
}

} // namespace
