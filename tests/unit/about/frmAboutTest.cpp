// The About and help box: its version, its help text with the emphasised
// headings, its web link, and the start of the system information tool.
#include "about/frmAbout.h"
#include "links/MakeLink.h"
#include "support/ProgramFixture.h"

#include <algorithm>

namespace {

constexpr const char* unavailable = "System Information Is Unavailable At This Time";
constexpr const char* sysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* locationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class frmAboutTest : public unit_test::ProgramFixture {
protected:
    std::unique_ptr<about::frmAbout> box;

    void SetUp() override {
        box = std::make_unique<about::frmAbout>(platform, *windows, module);
        box->Show();
    }

    std::string text() { return box->RichTextBox1->text(); }
    headless::Label& link() { return headless::as<headless::Label>(*box->Label4); }
};

// The link asks first; OK opens the address, Cancel nothing. Either way the link
// turns red while the pointer is over it, purple once it was followed (even when the
// shell could not open it), and stays so.
TEST_F(frmAboutTest, TheLinkAsksAndOpensTheAddressOnlyOnOk) {
    for (const auto& [answer, shellFails] :
         {std::pair{rt::vbCancel, false}, {rt::vbOK, true}, {rt::vbOK, false}}) {
        SCOPED_TRACE(std::to_string(answer) + (shellFails ? " failing" : ""));
        fake.clearLogs();
        fake.answers = {answer};
        if (shellFails)
            fake.failOnNext("ShellExecuteA", win::ERROR_FILE_NOT_FOUND);
        link().userMouseMove();
        link().userClick();
        ASSERT_EQ(fake.messageBoxes.size(), 1u);
        EXPECT_EQ(fake.messageBoxes[0].prompt,
                  "If you are connected to the internet, or after a connection to the "
                  "internet is established, click OK, otherwise Cancel.");
        EXPECT_EQ(fake.messageBoxes[0].style, rt::vbOKCancel);
        EXPECT_EQ(fake.messageBoxes[0].title, "Decorama");
        if (answer == rt::vbCancel) {
            EXPECT_TRUE(fake.shellRequests.empty());
            EXPECT_EQ(box->Label4->foreColor(), links::linkRed);
            continue;
        }
        EXPECT_EQ(box->Label4->foreColor(), links::linkPurple);
        headless::as(box->window()).userMouseMove(100, 100);
        EXPECT_EQ(box->Label4->foreColor(), links::linkPurple);
        if (shellFails)
            continue;
        ASSERT_EQ(fake.shellRequests.size(), 1u);
        EXPECT_EQ(fake.shellRequests[0].file, about::helpAddress);
        EXPECT_EQ(fake.shellRequests[0].operation, "Open");
        EXPECT_EQ(fake.shellRequests[0].hwnd, box->window().handle());
        EXPECT_EQ(fake.shellRequests[0].directory, module.programFolder);
    }
}

// The path recorded for the tool is started as it stands, without looking for
// the file first; only without one is the recorded folder tried.
TEST_F(frmAboutTest, SystemInformationStartsFromTheRecordedPathOrElseTheRecordedFolder) {
    const std::string tool = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    const struct {
        const char* path;   // recorded in MSINFO\PATH, "" for none
        const char* folder; // recorded in Shared Tools Location\MSINFO, "" for none
        bool toolInFolder;
        std::string started; // "" for the unavailable message
    } rows[] = {
        {tool.c_str(), "C:\\Elsewhere", false, '"' + tool + '"'},
        {"C:\\Gone\\msinfo32.exe", "C:\\MSInfo", true, ""},
        {"", "C:\\MSInfo", false, ""},
        {"", "C:\\MSInfo", true, "\"C:\\MSInfo\\MSINFO32.EXE\""},
        {"", "", false, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.path) + " | " + row.folder);
        fake.makeFile(tool, "MZ");
        fake.remove("C:\\MSInfo\\MSINFO32.EXE");
        if (row.toolInFolder)
            fake.makeFile("C:\\MSInfo\\MSINFO32.EXE", "MZ");
        fake.RegDeleteKeyA(win::HKEY_LOCAL_MACHINE, sysInfoKey);
        fake.RegDeleteKeyA(win::HKEY_LOCAL_MACHINE, locationKey);
        if (*row.path)
            fake.setString(win::HKEY_LOCAL_MACHINE, sysInfoKey, "PATH", row.path);
        if (*row.folder)
            fake.setString(win::HKEY_LOCAL_MACHINE, locationKey, "MSINFO", row.folder);
        fake.clearLogs();
        headless::as<headless::Button>(*box->cmdSysInfo).userClick();

        if (row.started.empty()) {
            EXPECT_TRUE(fake.processes.empty());
            EXPECT_EQ(prompts(), std::vector<std::string>{unavailable});
        } else {
            ASSERT_EQ(fake.processes.size(), 1u);
            EXPECT_EQ(fake.processes[0].commandLine, row.started);
            EXPECT_EQ(fake.processes[0].showMode, rt::ShowNormalFocus);
            EXPECT_TRUE(fake.messageBoxes.empty());
        }
        for (const std::string& call : fake.log.lines)
            EXPECT_TRUE(!*row.path || call.rfind("Dir(", 0) != 0) << call;
        EXPECT_EQ(fake.registry.openHandleCount(), 0u);
        EXPECT_TRUE(box->isLoaded());
    }
}

// A value is cut at the size read, one terminating NUL dropped; a key or value not
// there, or one too long to read, gives the empty text. Every key is closed.
TEST_F(frmAboutTest, GetKeyValueReadsWhatIsStoredOrElseTheEmptyText) {
    fake.setString(win::HKEY_LOCAL_MACHINE, "SOFTWARE\\Test", "Long", std::string(1024, 'a'));
    const struct {
        const char* key;
        const char* name;
        std::optional<std::string> stored; // a REG_SZ value of exactly these bytes
        bool found;
        const char* expected;
    } rows[] = {
        {"SOFTWARE\\Missing", "Value", std::nullopt, false, ""},
        {"SOFTWARE\\Test", "Absent", std::nullopt, false, ""},
        {"SOFTWARE\\Test", "Long", std::nullopt, false, ""},
        {"SOFTWARE\\Test", "Value", std::string("C:\\Tools\0", 9), true, "C:\\Tools"},
        {"SOFTWARE\\Test", "Value", "C:\\Tools", true, "C:\\Tools"},
        {"SOFTWARE\\Test", "Value", "", true, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.key) + " " + row.name);
        if (row.stored)
            fake.registry.put(win::HKEY_LOCAL_MACHINE, row.key, row.name, win::REG_SZ, *row.stored);
        std::string value = "junk";
        EXPECT_EQ(box->GetKeyValue(win::HKEY_LOCAL_MACHINE, row.key, row.name, value), row.found);
        EXPECT_EQ(value, row.expected);
    }
    EXPECT_EQ(fake.registry.openHandleCount(), 0u);
}

} // namespace
