// System information: the interface levels by version (WINVER, the settings
// level, and the gates are tested on VersionGates), the version text of each family,
// and the user name with its error.
#include "system/SystemInfo.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using fake::Version;
using sys::SystemInfo;

// The interface levels by version, and the members of the extended version
// record (Windows 2000's), quiet and empty without RaiseErrors where it is missing.
TEST(SystemInfo, LevelsFollowTheVersion) {
    const struct {
        Version version;
        std::int32_t win32Windows, win32WinNT;
        bool extendedRecord;
    } rows[] = {{Version::Win95, 4, 0, false},
                {Version::Win98, 410, 0, false},
                {Version::NT4, 0, 4, false},
                {Version::Win2000, 0, 5, true},
                {Version::Failing, 0, 0, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.version));
        fake::FakeWindows windows;
        windows.useVersion(row.version);
        windows.computerName = "WORKSTATION-015"; // the longest NetBIOS name
        SystemInfo info(windows);
        EXPECT_EQ(info.ComputerName(0), "WORKSTATION-015");
        EXPECT_EQ(info.WIN32_WINDOWS(), row.win32Windows);
        EXPECT_EQ(info.WIN32_WINNT(), row.win32WinNT);
        info.RaiseErrors = false;
        if (!row.extendedRecord) {
            EXPECT_FALSE(info.IsSuiteInstalled(0xFFFF));
            EXPECT_EQ(info.ProductType(), "");
            EXPECT_EQ(info.ComputerName(1), "");
        }
    }
}

// The shell level comes from the browser control's file version, except on a
// Windows of settings level 5, which claims Internet Explorer 4 whatever the file says.
TEST(SystemInfo, Win98ClaimsInternetExplorer4WhateverTheFileSays) {
    const struct {
        Version version;
        std::optional<win::DWORD> fileVersion; // major << 16 | minor
        std::int32_t level;
    } rows[] = {
        {Version::NT4, 4 << 16 | 70, 3},   {Version::NT4, 4 << 16 | 71, 4},
        {Version::NT4, 4 << 16 | 72, 4},   {Version::NT4, 5 << 16 | 0, 5},
        {Version::NT4, 4 << 16 | 0, 0},    {Version::NT4, std::nullopt, 0},
        {Version::Win98, 5 << 16 | 0, 4},  {Version::Win98, 4 << 16 | 70, 4},
        {Version::Win98, std::nullopt, 4},
    };
    for (const auto& row : rows) {
        fake::FakeWindows windows;
        windows.useVersion(row.version);
        if (row.fileVersion)
            windows.fileVersions["SHDOCVW.DLL"] = *row.fileVersion;
        EXPECT_EQ(SystemInfo(windows).WIN32_IE(), row.level)
            << static_cast<int>(row.version) << ", file " << row.fileVersion.value_or(0);
    }
}

// The build is the low word on the whole 95 family; NT 4 names its product from
// the registry even where it fills the extended record (from Service Pack 6).
TEST(SystemInfo, VersionTextOfEachFamily) {
    fake::FakeWindows windows;
    windows.useVersion(Version::Win95);
    SystemInfo win95(windows);
    EXPECT_EQ(win95.OSVersion(), "Microsoft Windows 95");
    EXPECT_EQ(win95.OSBuild(), 950);
    windows.useVersion(Version::WinME);
    EXPECT_EQ(SystemInfo(windows).OSBuild(), 3000);

    windows.useVersion(Version::Win2000);
    SystemInfo win2000(windows);
    EXPECT_EQ(win2000.OSVersion(),
              "Microsoft Windows 2000 Professional version 5.0 Service Pack 4 (Build 2195)");
    EXPECT_EQ(win2000.ServicePackMajorVersion(), 4);
    EXPECT_FALSE(win2000.IsSuiteInstalled(0));

    windows.useVersion(Version::NT4);
    EXPECT_EQ(SystemInfo(windows).OSVersion(),
              "Microsoft Windows NT Workstation version 4.0 Service Pack 6 (Build 1381)");
    windows.setString(win::HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions",
                      "ProductType", "LanmanNT");
    EXPECT_EQ(SystemInfo(windows).OSVersion(),
              "Microsoft Windows NT Server version 4.0 Service Pack 6 (Build 1381)");
    EXPECT_EQ(windows.registry.openHandleCount(), 0u);
}

// A failed call and an empty name (an account without a full name) alike.
TEST(SystemInfo, UserNameFailureCarriesTheWindowsError) {
    fake::FakeWindows windows;
    windows.useVersion(Version::Win2000);
    SystemInfo info(windows);
    EXPECT_EQ(info.UserName(0), "Tester");
    EXPECT_EQ(info.UserName(2), "DECORAMA-PC\\Tester");
    windows.failOnNext("GetUserNameExA", win::ERROR_ACCESS_DENIED);
    try {
        info.UserName(2);
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& error) {
        EXPECT_EQ(error.number(), 5);
        EXPECT_EQ(error.source(), "SystemInfo.UserName");
        EXPECT_NE(error.description(), "");
    }
    EXPECT_THROW(info.UserName(3), rt::Error);
    info.RaiseErrors = false;
    windows.failOnNext("GetUserNameExA", win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(info.UserName(2), "");
    EXPECT_EQ(info.UserName(3), "");
}

} // namespace
