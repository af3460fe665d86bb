// Checks of the real Windows backend that need Windows itself: the structures and
// handles passing through, the late-bound functions, and the runtime's mapping of
// Windows failures to the program's error numbers. Run under Wine for every
// Windows version the program supports.
#ifdef _WIN32

#include "Win32Backend.h"

#include "ErrorOf.h"
#include "runtime/Error.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace {

const win::HKEY CurrentUser = win::HKEY_CURRENT_USER;
const char* const ScratchKey = "Software\\DecoramaContract\\Smoke";

class Win32Smoke : public ::testing::Test {
protected:
    std::string scratch(const std::string& name) { return backend.scratchFolder() + "\\" + name; }

    Win32Backend backend;
    win::WindowsApi& api = backend.api();
    rt::Runtime& runtime = backend.runtime();
};

TEST_F(Win32Smoke, RegistryStringRoundTripThroughPredefinedRoot) {
    win::HKEY key = 0;
    win::DWORD disposition = 0;
    ASSERT_EQ(0, api.RegCreateKeyExA(CurrentUser, ScratchKey, 0, nullptr, win::REG_OPTION_NON_VOLATILE, 0x3F,
                                     nullptr, &key, &disposition));
    EXPECT_EQ(win::REG_CREATED_NEW_KEY, disposition);
    const std::string text = "C:\\Decorama\\Wall paper.bmp";
    ASSERT_EQ(0, api.RegSetValueExA(key, "Wallpaper", 0, win::REG_SZ,
                                    reinterpret_cast<const win::BYTE*>(text.c_str()),
                                    static_cast<win::DWORD>(text.size() + 1)));
    api.RegCloseKey(key);

    ASSERT_EQ(0, api.RegOpenKeyExA(CurrentUser, ScratchKey, 0, win::KEY_READ, &key));
    win::DWORD type = 0;
    win::DWORD size = 0;
    ASSERT_EQ(0, api.RegQueryValueExA(key, "Wallpaper", nullptr, &type, nullptr, &size));
    EXPECT_EQ(win::REG_SZ, type);
    EXPECT_EQ(text.size() + 1, size);

    // One byte short: ERROR_MORE_DATA, and nothing written past the buffer.
    char buffer[64];
    std::memset(buffer, '#', sizeof(buffer));
    win::DWORD shortSize = static_cast<win::DWORD>(text.size());
    EXPECT_EQ(static_cast<win::LONG>(win::ERROR_MORE_DATA),
              api.RegQueryValueExA(key, "Wallpaper", nullptr, &type, reinterpret_cast<win::BYTE*>(buffer),
                                   &shortSize));
    EXPECT_EQ('#', buffer[text.size()]);

    ASSERT_EQ(0, api.RegQueryValueExA(key, "Wallpaper", nullptr, &type, reinterpret_cast<win::BYTE*>(buffer),
                                      &size));
    EXPECT_EQ(text, std::string(buffer));
    api.RegCloseKey(key);

    ASSERT_EQ(0, api.RegCreateKeyExA(CurrentUser, ScratchKey, 0, nullptr, win::REG_OPTION_NON_VOLATILE, 0x3F,
                                     nullptr, &key, &disposition));
    EXPECT_EQ(win::REG_OPENED_EXISTING_KEY, disposition);
    EXPECT_EQ(0, api.RegDeleteValueA(key, "Wallpaper"));
    EXPECT_EQ(static_cast<win::LONG>(win::ERROR_FILE_NOT_FOUND),
              api.RegQueryValueExA(key, "Wallpaper", nullptr, &type, nullptr, &size));
    api.RegCloseKey(key);
}

TEST_F(Win32Smoke, RegistryNumberRoundTrip) {
    win::HKEY key = 0;
    ASSERT_EQ(0, api.RegCreateKeyExA(CurrentUser, ScratchKey, 0, nullptr, 0, 0x3F, nullptr, &key, nullptr));
    const win::DWORD written = 0x80000001u;
    ASSERT_EQ(0, api.RegSetValueExA(key, "Number", 0, win::REG_DWORD,
                                    reinterpret_cast<const win::BYTE*>(&written), sizeof(written)));
    win::DWORD read = 0;
    win::DWORD type = 0;
    win::DWORD size = sizeof(read);
    ASSERT_EQ(
        0, api.RegQueryValueExA(key, "Number", nullptr, &type, reinterpret_cast<win::BYTE*>(&read), &size));
    EXPECT_EQ(win::REG_DWORD, type);
    EXPECT_EQ(written, read);
    api.RegCloseKey(key);
}

TEST_F(Win32Smoke, StructuresPassThroughUnchanged) {
    win::OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(api.GetVersionExA(&version));
    EXPECT_TRUE(version.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS ||
                version.dwPlatformId == win::VER_PLATFORM_WIN32_NT);

    // Windows checks cbSize against the layout it knows: a wrong size fails the call.
    win::NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(api.SystemParametersInfoA(0x29 /* SPI_GETNONCLIENTMETRICS */, sizeof(metrics), &metrics, 0));
    EXPECT_GT(metrics.iCaptionHeight, 0);
    EXPECT_NE('\0', metrics.lfMessageFont.lfFaceName[0]);

    win::MEMORYSTATUS memory{};
    memory.dwLength = sizeof(memory);
    api.GlobalMemoryStatus(&memory);
    EXPECT_GT(memory.dwTotalPhys, 0u);
}

TEST_F(Win32Smoke, LateBoundFunctionPresentOnThisWindowsAnswers) {
    win::MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    ASSERT_TRUE(api.GlobalMemoryStatusEx(&memory));
    EXPECT_GT(memory.ullTotalPhys, 0u);
}

TEST_F(Win32Smoke, WindowsFailuresBecomeProgramErrorNumbers) {
    runtime.writeFile(scratch("a.txt"), "a");
    runtime.writeFile(scratch("b.txt"), "b");
    runtime.writeFile(scratch("locked.sys"), "read-only");
    std::filesystem::permissions(scratch("locked.sys"),
                                 std::filesystem::perms::all ^ std::filesystem::perms::owner_write);

    struct Case {
        const char* what;
        std::function<void()> action;
        std::int32_t number;
    };
    const Case cases[] = {
        {"copy of a missing file", [&] { runtime.FileCopy(scratch("none.txt"), scratch("c.txt")); }, 53},
        {"copy into a missing folder", [&] { runtime.FileCopy(scratch("a.txt"), scratch("none\\a.txt")); },
         76},
        {"copy onto a read-only file", [&] { runtime.FileCopy(scratch("a.txt"), scratch("locked.sys")); },
         75},
        {"delete of a missing file", [&] { runtime.Kill(scratch("none.txt")); }, 53},
        {"delete of a read-only file", [&] { runtime.Kill(scratch("locked.sys")); }, 75},
        {"rename onto an existing file", [&] { runtime.Name(scratch("a.txt"), scratch("b.txt")); }, 58},
        {"read of a missing file", [&] { runtime.readFile(scratch("none.txt")); }, 53},
        {"read in a missing folder", [&] { runtime.readBytes(scratch("none\\x.txt"), 0, 1); }, 76},
        {"write onto a read-only file", [&] { runtime.writeFile(scratch("locked.sys"), "x"); }, 75},
        {"start of a missing program", [&] { runtime.Shell(scratch("none.exe"), 1); }, 53},
        {"start in a missing folder", [&] { runtime.Shell("C:\\NoSuchFolder\\x.exe", 1); }, 53},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.number, errorOf(c.action)) << c.what;
    }
    EXPECT_EQ("read-only", runtime.readFile(scratch("locked.sys")));
    EXPECT_EQ("b", runtime.readFile(scratch("b.txt")));
}

TEST_F(Win32Smoke, ShellStartsWithoutWaiting) {
    EXPECT_NE(0u, runtime.Shell("cmd.exe /c exit 0", rt::ShowMinimizedNoFocus));
}

TEST_F(Win32Smoke, ApplicationFacts) {
    const std::string folder = runtime.appPath();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE('\\', folder.back());
    EXPECT_EQ("contract_tests.exe", runtime.Dir(folder + "\\contract_tests.exe"));
    EXPECT_EQ("Decorama", runtime.appTitle());
    EXPECT_EQ(DECORAMA_VERSION_MAJOR, runtime.appVersion().major);
}

// The Wine runs set a Windows version per prefix; a mistake there would quietly
// run every version's tests on the same Windows.
TEST_F(Win32Smoke, RunsOnTheWindowsVersionAskedFor) {
    const char* wanted = std::getenv("DECORAMA_WINE_VERSION");
    if (wanted == nullptr) {
        GTEST_SKIP() << "not a Wine run";
    }
    struct Expected {
        const char* name;
        win::DWORD platform, major, minor;
    };
    const Expected table[] = {
        {"win95", 1, 4, 0}, {"win98", 1, 4, 10}, {"winme", 1, 4, 90}, {"nt40", 2, 4, 0},
        {"win2k", 2, 5, 0}, {"winxp", 2, 5, 1},  {"win7", 2, 6, 1},
    };
    win::OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(api.GetVersionExA(&version));
    for (const Expected& e : table) {
        if (std::string(wanted) == e.name) {
            EXPECT_EQ(e.platform, version.dwPlatformId);
            EXPECT_EQ(e.major, version.dwMajorVersion);
            EXPECT_EQ(e.minor, version.dwMinorVersion);
            return;
        }
    }
    ADD_FAILURE() << "unknown Windows version " << wanted;
}

// Tests that read the sample collection find it through DECORAMA_SAMPLE_DIR, a
// Windows path the Wine runs derive from the build folder.
TEST_F(Win32Smoke, SampleFolderIsGivenAsAWindowsPath) {
    const char* folder = std::getenv("DECORAMA_SAMPLE_DIR");
    if (folder == nullptr) {
        GTEST_SKIP() << "not a Wine run";
    }
    const std::string path = folder;
    EXPECT_EQ("Z:\\", path.substr(0, 3));
    EXPECT_EQ(std::string::npos, path.find('/'));
    EXPECT_EQ("\\Decorama", path.substr(path.size() - 9));
}

} // namespace

#endif // _WIN32
