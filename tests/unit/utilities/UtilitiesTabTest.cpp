// The "Utilities" tab as a user drives it: the Windows tools it starts, the
// graphics restore for each Windows version, and ending the log-on.
#include "catalogue/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class UtilitiesTab : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    headless::HeadlessWindowSystem windows{fake, fake};
    catalogue::Module1 module;
    std::unique_ptr<app::frmMain> form;

    void open(fake::Version version, const std::string& tag) {
        fake.useVersion(version);
        module.programFolder = fake.appPath();
        module.windowsVersion = tag;
        form = std::make_unique<app::frmMain>(platform, windows, module);
        headless::as<headless::TabControl>(*form->SSTab1).userSelectTab(3);
        fake.clearLogs();
    }
    void SetUp() override { open(fake::Version::Win98, "98"); }

    void click(ui::Button* button) { headless::as<headless::Button>(*button).userClick(); }
    std::vector<std::string> started() const {
        std::vector<std::string> lines;
        for (const auto& process : fake.processes)
            lines.push_back(process.commandLine + " @" + std::to_string(process.showMode));
        return lines;
    }
};

TEST_F(UtilitiesTab, TheThemeManagerStartsFromTheFirstLocationThatHoldsIt) {
    const std::string first = "C:\\Program Files\\Plus!\\themes.exe";
    const std::string second = "C:\\Program Files\\Plus!\\themes\\THEMES.EXE";
    click(form->Command15);
    EXPECT_TRUE(started().empty());
    EXPECT_TRUE(fake.messageBoxes.empty());

    fake.makeFile(second, "MZ");
    click(form->Command15);
    fake.makeFile(first, "MZ");
    click(form->Command15);
    const std::string theme = " /s \"C:\\program files\\Plus!\\Windows Default.the\" @4";
    EXPECT_EQ((std::vector<std::string>{"\"C:\\program files\\Plus!\\themes\\themes.exe\"" + theme,
                                        "\"C:\\program files\\Plus!\\themes.exe\"" + theme}),
              started());
}

// The program's copies carry their own names as bytes; the installed pictures say "old".
struct RestoreCase {
    fake::Version version;
    const char* tag;
    const char* logo;  // c:\logo.sys afterwards, "" when deleted
    const char* logos; // logos.sys in the version's Windows folder
    const char* logow; // logow.sys there
};

class RestoreGraphics : public UtilitiesTab, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreGraphics, PutsBackThePicturesOfTheVersion) {
    const RestoreCase& c = GetParam();
    open(c.version, c.tag);
    for (const char* tag : {"95", "98", "NT", "2000"})
        for (const char* kind : {"logo", "logos", "logow"})
            fake.makeFile(module.programFolder + "\\" + tag + kind + ".sys", std::string(tag) + kind);
    fake.makeFile(module.programFolder + "\\meLogos.sys", "melogos");
    const std::string windowsFolder = fake.windowsFolder();
    for (const std::string& installed :
         {std::string("c:\\logo.sys"), windowsFolder + "\\logos.sys", windowsFolder + "\\logow.sys"})
        fake.makeFile(installed, "old");

    click(form->Command14);

    EXPECT_EQ(c.logo, fake.fileBytes("c:\\logo.sys"));
    EXPECT_EQ(c.logos, fake.fileBytes(windowsFolder + "\\logos.sys"));
    EXPECT_EQ(c.logow, fake.fileBytes(windowsFolder + "\\logow.sys"));
    EXPECT_EQ(std::string(c.logo).empty(), !fake.exists("c:\\logo.sys"));
    EXPECT_EQ(ui::vbDefault, windows.screen().mousePointer());
    EXPECT_TRUE(fake.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EachVersionTag, RestoreGraphics,
    ::testing::Values(RestoreCase{fake::Version::Win95, "95", "95logo", "95logos", "95logow"},
                      RestoreCase{fake::Version::Win98, "98", "98logo", "98logos", "98logow"},
                      RestoreCase{fake::Version::WinME, "ME", "", "melogos", ""},
                      RestoreCase{fake::Version::NT4, "NT", "NTlogo", "NTlogos", "NTlogow"},
                      RestoreCase{fake::Version::Win2000, "2000", "2000logo", "2000logos", "2000logow"},
                      RestoreCase{fake::Version::WinXP, "", "", "", ""}));

TEST_F(UtilitiesTab, RestoreSkipsAMissingPictureAndStopsAtAReadOnlyOne) {
    for (const char* kind : {"logo", "logos", "logow"})
        fake.makeFile(module.programFolder + "\\98" + kind + ".sys", std::string("98") + kind);
    fake.makeFile("c:\\windows\\logos.sys", "old");
    click(form->Command14);
    EXPECT_EQ("98logo", fake.fileBytes("c:\\logo.sys"));
    EXPECT_EQ("98logow", fake.fileBytes("c:\\windows\\logow.sys"));

    // A read-only start-up logo ends the restore before anything changes.
    fake.makeFile("c:\\windows\\logos.sys", "old");
    fake.setReadOnly("c:\\logo.sys", true);
    click(form->Command14);
    EXPECT_EQ("98logo", fake.fileBytes("c:\\logo.sys"));
    EXPECT_EQ("old", fake.fileBytes("c:\\windows\\logos.sys"));
    EXPECT_EQ("98logow", fake.fileBytes("c:\\windows\\logow.sys"));
    EXPECT_TRUE(fake.messageBoxes.empty());
}

struct EndCase {
    const char* button;
    const char* question;
    win::UINT flags;
};

const EndCase endCases[] = {
    {"Command5", "Press OK to continue or Cancel to stop.", 0},
    {"Command16", "This program is going to shut down your computer. Press OK to continue or Cancel to stop.",
     1},
    {"Command17", "This program is going to reboot your computer. Press OK to continue or Cancel to stop.",
     6},
};

TEST_F(UtilitiesTab, OkHandsTheRequestToWindowsWithTheShutDownPrivilegeOnNt) {
    for (const auto& [version, privileged] :
         {std::pair{fake::Version::Win98, false}, {fake::Version::NT4, true}}) {
        open(version, privileged ? "NT" : "98");
        for (const EndCase& c : endCases) {
            SCOPED_TRACE(c.button);
            fake.clearLogs();
            fake.answers = {rt::vbOK};
            headless::find<headless::Button>(form->window(), c.button).userClick();
            ASSERT_EQ(1u, fake.exitRequests.size());
            EXPECT_EQ(c.flags, fake.exitRequests[0].flags);
        }
        // The NT family refuses a shut-down or restart to a process without it.
        EXPECT_EQ(privileged, fake.shutdownPrivilege);
    }
}

} // namespace
