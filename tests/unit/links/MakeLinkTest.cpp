// The start-up sound sample label of the main window, a link: the sound and the
// shell request of a follow, and what a failed follow or a missing sound leaves.
#include "links/MakeLink.h"
#include "support/ProgramFixture.h"

#include <algorithm>

namespace {

using links::linkBlue;
using links::linkPurple;
using unit_test::ProgramFixture;

class StartupSoundLabelTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeShippedFiles();
        load();
    }
    const std::string wave = "\\Zuve Zivi ziz Odida.wav";
    headless::Label& label3() { return user<headless::Label>(form->Label3); }
};

// A missing sound is silent: the link is followed all the same, and so is one the
// shell cannot open (the fake opens only web addresses and files that are there).
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
