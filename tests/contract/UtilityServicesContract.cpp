// clsAPIstuff against every backend: shortcuts that are real link files where
// they were asked for, the start of a web resource served on 127.0.0.1 by the
// test itself, and the description of drive C.
#include "Backends.h"

#include "support/ErrorOf.h"
#include "platform/Platform.h"
#include "system/clsAPIstuff.h"

#ifdef _WIN32
#include "RealShellHelpers.h"
#endif

#include <cstdint>
#include <sstream>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string pageBody = "<html>Decorama</html>";

template <class Backend> class UtilityServicesContract : public ::testing::Test {
protected:
    std::string path(const std::string& name) { return backend.scratchFolder() + "\\" + name; }

    // The target of the link at linkFile, "" when there is none.
    std::string targetOf(const std::string& linkFile) {
        if (backend.runtime().Dir(linkFile).empty())
            return std::string();
#ifdef _WIN32
        if constexpr (Backend::isReal)
            return shellLinkTarget(linkFile);
#endif
        if constexpr (!Backend::isReal) {
            const std::string link = backend.fake().fileBytes(linkFile);
            return link.substr(0, link.find('|'));
        }
        return std::string();
    }

    std::string desktopFolder() {
        win::ITEMIDLIST* list = nullptr;
        EXPECT_EQ(0, backend.api().SHGetSpecialFolderLocation(0, 0x10, &list)); // CSIDL_DESKTOPDIRECTORY
        char folder[260] = {};
        backend.api().SHGetPathFromIDListA(list, folder);
        backend.api().CoTaskMemFree(list);
        return folder;
    }

    Backend backend;
    RecordingMessages messages;
    rt::Platform platform{backend.api(), backend.runtime(), messages};
    sys::clsAPIstuff stuff{platform, [] { FAIL() << "the program was ended"; }, [] {}};
};

TYPED_TEST_SUITE(UtilityServicesContract, ContractBackends);

TYPED_TEST(UtilityServicesContract, ShortcutsAreLinkFilesThatStartTheirTarget) {
    const std::string target = this->path("decorama.exe");
    this->backend.runtime().writeFile(target, "MZ");
    this->stuff.StartMenuShortcut(this->backend.scratchFolder(), "Decorama", target);
    EXPECT_EQ(target, this->targetOf(this->path("Decorama.lnk")));
    EXPECT_EQ(rt::ErrPathNotFound,
              errorOf([&] { this->stuff.StartMenuShortcut(this->path("missing"), "Decorama", target); }));

    const std::string desktop = this->desktopFolder();
    ASSERT_FALSE(desktop.empty());
    if constexpr (!TypeParam::isReal)
        this->backend.fake().makeFolder(desktop);
    // Wine gives every prefix the same desktop folder (the Unix home), and the
    // runs for the Windows versions go side by side: one link name each.
    const char* played = std::getenv("DECORAMA_WINE_VERSION");
    const std::string linkName = std::string("Decorama Contract ") + (played ? played : "");
    const std::string desktopLink = desktop + "\\" + linkName + ".lnk";
    this->stuff.DesktopShortcut(linkName, target, true);
    EXPECT_EQ(target, this->targetOf(desktopLink));
    EXPECT_TRUE(this->messages.prompts.empty());
    this->backend.runtime().Kill(desktopLink);
}

TYPED_TEST(UtilityServicesContract, UrlSourceIsTheStartOfTheResourcePaddedTo1000AndDriveCIsAFixedDrive) {
    int port = 8080;
#ifdef _WIN32
    LocalHttpServer server(pageBody);
    port = server.port();
    ASSERT_NE(0, port);
#endif
    const std::string address = "http://127.0.0.1:" + std::to_string(port) + "/page.html";
    if constexpr (!TypeParam::isReal)
        this->backend.fake().urlBodies[address] = pageBody;
    EXPECT_EQ(pageBody + std::string(1000 - pageBody.size(), ' '), this->stuff.GetURLSource(address));
    // Drive C is a fixed drive with consistent byte totals.
    EXPECT_EQ("Drive Fixed", this->stuff.Get_DriveType("C"));
    std::istringstream report(this->stuff.FreeDiscSpace("C"));
    std::vector<std::int64_t> numbers;
    for (std::string line; std::getline(report, line);) {
        ASSERT_FALSE(line.empty());
        EXPECT_EQ('\r', line.back());
        numbers.push_back(std::stoll(line.substr(line.find(':') + 1)));
    }
    ASSERT_EQ(6u, numbers.size());
    const std::int64_t clusterBytes = numbers[0] * numbers[1];
    EXPECT_GT(clusterBytes, 0);
    EXPECT_EQ(clusterBytes * numbers[3], numbers[4]);
    EXPECT_EQ(clusterBytes * numbers[2], numbers[5]);
}

TYPED_TEST(UtilityServicesContract, TheNtFamilyLetsTheProcessEnableItsShutDownPrivilege) {
    win::WindowsApi& api = this->backend.api();
    win::OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    ASSERT_TRUE(api.GetVersionExA(&version));
    if (version.dwPlatformId != win::VER_PLATFORM_WIN32_NT)
        GTEST_SKIP() << "the 95 family has no process tokens";
    win::HANDLE token = 0;
    ASSERT_TRUE(api.OpenProcessToken(api.GetCurrentProcess(), win::TOKEN_ADJUST_PRIVILEGES | win::TOKEN_QUERY,
                                     &token));
    win::TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = win::SE_PRIVILEGE_ENABLED;
    EXPECT_TRUE(api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid));
    EXPECT_FALSE(api.LookupPrivilegeValueA(nullptr, "SeNoSuchPrivilege", &privileges.Privileges[0].Luid));
    EXPECT_TRUE(api.LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid));
    api.SetLastError(87);
    EXPECT_TRUE(api.AdjustTokenPrivileges(token, win::FALSE, &privileges, 0, nullptr, nullptr));
    EXPECT_EQ(win::ERROR_SUCCESS, api.GetLastError());
    api.CloseHandle(token);
}

} // namespace
