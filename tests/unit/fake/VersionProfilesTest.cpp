// The version profiles of the fake: the record GetVersionExA fills on each
// Windows, which record sizes each accepts, and what else follows the version
// (the Windows folder, deleting registry subtrees, calls the 95 family lacks).
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using fake::Version;

struct Expected {
    Version version;
    win::DWORD platform, major, minor, build;
    const char* servicePack;
    bool extended; // accepts OSVERSIONINFOEXA
    const char* windowsFolder;
};

// clang-format off
const Expected profiles[] = {
    {Version::Win95,             1, 4, 0,  0x040003B6, "",               false, "C:\\WINDOWS"},
    {Version::Win95OSR2,         1, 4, 0,  0x04000457, " B",             false, "C:\\WINDOWS"},
    {Version::Win98,             1, 4, 10, 0x040A07CE, " ",              false, "C:\\WINDOWS"},
    {Version::Win98SE,           1, 4, 10, 0x040A08AE, " A ",            false, "C:\\WINDOWS"},
    {Version::WinME,             1, 4, 90, 0x045A0BB8, " ",              false, "C:\\WINDOWS"},
    {Version::NT351,             2, 3, 51, 1057,       "Service Pack 5", false, "C:\\WINNT"},
    {Version::NT4,               2, 4, 0,  1381,       "Service Pack 6", false, "C:\\WINNT"},
    {Version::Win2000,           2, 5, 0,  2195,       "Service Pack 4", true,  "C:\\WINNT"},
    {Version::WinXP,             2, 5, 1,  2600,       "Service Pack 3", true,  "C:\\WINDOWS"},
    {Version::Vista,             2, 6, 0,  6000,       "",               true,  "C:\\WINDOWS"},
    {Version::Win95Build1212,    1, 4, 0,  0x040004BC, "",               false, "C:\\WINDOWS"},
    {Version::BuildLowWord40000, 1, 4, 10, 0x040A9C40, "",               false, "C:\\WINDOWS"},
};
// clang-format on

class FakeVersionProfiles : public ::testing::TestWithParam<Expected> {};

TEST_P(FakeVersionProfiles, FillTheRecordOfTheirWindows) {
    const Expected& e = GetParam();
    fake::FakeWindows windows;
    windows.useVersion(e.version);

    win::OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 148;
    ASSERT_TRUE(windows.GetVersionExA(&info));
    EXPECT_EQ(e.platform, info.dwPlatformId);
    EXPECT_EQ(e.major, info.dwMajorVersion);
    EXPECT_EQ(e.minor, info.dwMinorVersion);
    EXPECT_EQ(e.build, info.dwBuildNumber);
    EXPECT_STREQ(e.servicePack, info.szCSDVersion);
    EXPECT_EQ(e.windowsFolder, windows.windowsFolder());
    EXPECT_TRUE(windows.exists(e.windowsFolder));

    win::OSVERSIONINFOEXA ex{};
    ex.dwOSVersionInfoSize = sizeof ex;
    ex.wServicePackMajor = 0xEEEE;
    windows.SetLastError(0);
    EXPECT_EQ(e.extended, windows.GetVersionExA(reinterpret_cast<win::OSVERSIONINFOA*>(&ex)) != 0);
    if (e.extended) {
        EXPECT_EQ(e.major, ex.dwMajorVersion);
        EXPECT_EQ(std::string(e.servicePack).empty() ? 0 : e.servicePack[13] - '0', ex.wServicePackMajor);
        EXPECT_EQ(1, ex.wProductType); // VER_NT_WORKSTATION
    } else {
        EXPECT_EQ(122u, windows.GetLastError());
        EXPECT_EQ(0xEEEE, ex.wServicePackMajor);
    }
}

INSTANTIATE_TEST_SUITE_P(AllVersions, FakeVersionProfiles, ::testing::ValuesIn(profiles));

TEST(FakeVersion, TheFailingProfileLeavesTheRecordUntouched) {
    fake::FakeWindows windows;
    windows.useVersion(Version::Failing);
    win::OSVERSIONINFOA info;
    std::memset(&info, 0x5A, sizeof info);
    info.dwOSVersionInfoSize = 148;
    const win::OSVERSIONINFOA before = info;
    EXPECT_FALSE(windows.GetVersionExA(&info));
    EXPECT_EQ(0, std::memcmp(&before, &info, sizeof info));
}

TEST(FakeVersion, DefaultIsWindows98) {
    fake::FakeWindows windows;
    EXPECT_EQ(Version::Win98, windows.version());
    char buffer[64];
    EXPECT_EQ(10u, windows.GetWindowsDirectoryA(buffer, sizeof buffer));
    EXPECT_STREQ("C:\\WINDOWS", buffer);
}

// RegDeleteKeyA on a key with sub-keys: the 95 family takes the subtree,
// NT refuses with ERROR_ACCESS_DENIED.
TEST(FakeVersion, DeletingARegistrySubtreeFollowsTheFamily) {
    for (Version version : {Version::Win95, Version::WinME, Version::NT4, Version::Win2000}) {
        fake::FakeWindows windows;
        windows.useVersion(version);
        windows.setString(win::HKEY_CURRENT_USER, "Software\\Tree\\Leaf", "", "x");
        const bool nt = version == Version::NT4 || version == Version::Win2000;
        EXPECT_EQ(nt ? 5 : 0, windows.RegDeleteKeyA(win::HKEY_CURRENT_USER, "Software\\Tree"));
        EXPECT_EQ(nt, windows.keyExists(win::HKEY_CURRENT_USER, "Software\\Tree\\Leaf"));
    }
}

TEST(FakeVersion, CallsAWindowsLacksFailAsNotImplemented) {
    fake::FakeWindows windows;
    windows.useVersion(Version::NT4);
    win::SYSTEM_POWER_STATUS power{};
    EXPECT_FALSE(windows.GetSystemPowerStatus(&power));
    EXPECT_EQ(120u, windows.GetLastError());

    windows.useVersion(Version::Win98);
    char name[32];
    win::DWORD size = sizeof name;
    EXPECT_FALSE(windows.GetComputerNameExA(1, name, &size));
    EXPECT_EQ(120u, windows.GetLastError());
    EXPECT_TRUE(windows.GetSystemPowerStatus(&power));

    windows.useVersion(Version::Win2000);
    size = sizeof name;
    ASSERT_TRUE(windows.GetComputerNameExA(1, name, &size));
    EXPECT_STREQ("decorama-pc", name);
}

// ExitWindowsEx on NT needs the shut-down privilege for everything but logging off.
TEST(FakeVersion, ShuttingDownNtWithoutThePrivilegeFails) {
    fake::FakeWindows windows;
    windows.useVersion(Version::Win2000);
    EXPECT_TRUE(windows.ExitWindowsEx(0, 0));
    EXPECT_FALSE(windows.ExitWindowsEx(6, 0));
    EXPECT_EQ(1314u, windows.GetLastError());
    windows.useVersion(Version::Win98);
    EXPECT_TRUE(windows.ExitWindowsEx(6, 0));
    EXPECT_EQ(3u, windows.exitRequests().size());
}

} // namespace
