// The "Utilities" tab as a user drives it: the Windows tools it starts, the
// graphics restore for each Windows version, and ending the log-on.
#include "support/ProgramFixture.h"

namespace {

class UtilitiesTab : public unit_test::ProgramFixture {
protected:
    void open(fake::Version version, const std::string& tag) {
        fake.useVersion(version);
        module.windowsVersion = tag;
        prepare();
        selectTab(3);
        fake.clearLogs();
    }
    void SetUp() override { open(fake::Version::Win98, "98"); }
};

TEST_F(UtilitiesTab, EachDisplayPropertiesButtonOpensItsPageMinimisedWithTheFocus) {
    for (const auto& [button, page] :
         {std::pair{"Command10", 0}, {"Command11", 2}, {"Command12", 1}, {"Command13", 3}}) {
        fake.clearLogs();
        headless::find<headless::Button>(form->window(), button).userClick();
        EXPECT_EQ(std::vector<std::string>{"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,," +
                                           std::to_string(page) + " @2"},
                  started())
            << button;
    }
}

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
    // The other family's folder is left alone.
    const bool ntFolder = std::string(c.tag) == "NT" || std::string(c.tag) == "2000";
    const std::string other = ntFolder ? "c:\\windows" : "c:\\WINNT";
    fake.makeFile(other + "\\logos.sys", "kept");

    click(form->Command14);

    EXPECT_EQ(c.logo, fake.fileBytes("c:\\logo.sys"));
    EXPECT_EQ(c.logos, fake.fileBytes(windowsFolder + "\\logos.sys"));
    EXPECT_EQ(c.logow, fake.fileBytes(windowsFolder + "\\logow.sys"));
    EXPECT_EQ(std::string(c.logo).empty(), !fake.exists("c:\\logo.sys"));
    EXPECT_EQ("kept", fake.fileBytes(other + "\\logos.sys"));
    EXPECT_EQ(ui::vbDefault, windows->screen().mousePointer());
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

// Each asks first: OK and Cancel, the critical-stop icon, Cancel the default.
TEST_F(UtilitiesTab, OkHandsTheRequestToWindowsWithTheShutDownPrivilegeOnNt) {
    for (const auto& [version, privileged] :
         {std::pair{fake::Version::Win98, false}, {fake::Version::NT4, true}}) {
        open(version, privileged ? "NT" : "98");
        for (const EndCase& c : endCases) {
            SCOPED_TRACE(c.button);
            fake.clearLogs();
            fake.answers = {rt::vbOK};
            headless::find<headless::Button>(form->window(), c.button).userClick();
            ASSERT_EQ(1u, fake.messageBoxes.size());
            EXPECT_EQ(c.question, fake.messageBoxes[0].prompt);
            EXPECT_EQ(273, fake.messageBoxes[0].style); // 1 + 16 + 256
            EXPECT_EQ("Decorama", fake.messageBoxes[0].title);
            ASSERT_EQ(1u, fake.exitRequests.size());
            EXPECT_EQ(c.flags, fake.exitRequests[0].flags);
        }
        // The NT family refuses a shut-down or restart to a process without it.
        EXPECT_EQ(privileged, fake.shutdownPrivilege);
    }
}

} // namespace
