// Registry behaviour of the fake beyond what the contract suite can observe on
// the real Windows: handles, deleted keys, stored name case, generic rights.
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FakeRegistry, KeysKeepTheCaseTheyWereFirstMadeWith) {
    fake::FakeWindows windows;
    windows.setString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow", "a.cur");
    windows.setString(win::HKEY_CURRENT_USER, "CONTROL PANEL\\cursors\\Hand", "", "h.cur");
    EXPECT_EQ(std::vector<std::string>{"Control Panel"}, windows.subKeyNames(win::HKEY_CURRENT_USER, ""));
    EXPECT_EQ(std::vector<std::string>{"Cursors"},
              windows.subKeyNames(win::HKEY_CURRENT_USER, "control panel"));
    EXPECT_EQ("a.cur", windows.getString(win::HKEY_CURRENT_USER, "control panel\\CURSORS", "arrow"));
    EXPECT_FALSE(windows.getDword(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow"));
    EXPECT_FALSE(windows.keyExists(win::HKEY_LOCAL_MACHINE, "Control Panel"));
}

TEST(FakeRegistry, HandlesAreCountedAndRootsNeedNoClosing) {
    fake::FakeWindows windows;
    win::HKEY a = 0, b = 0;
    win::DWORD disposition = 0;
    ASSERT_EQ(0, windows.RegCreateKeyExA(win::HKEY_CURRENT_USER, "Software\\A", 0, nullptr, 0, 0x3F, nullptr,
                                         &a, &disposition));
    ASSERT_EQ(0, windows.RegOpenKeyExA(a, nullptr, 0, win::KEY_READ, &b));
    EXPECT_NE(a, b);
    EXPECT_EQ(2u, windows.openKeyCount());
    EXPECT_EQ(0, windows.RegCloseKey(win::HKEY_CURRENT_USER));
    EXPECT_EQ(0, windows.RegCloseKey(a));
    EXPECT_EQ(0, windows.RegCloseKey(b));
    EXPECT_EQ(0u, windows.openKeyCount());
}

TEST(FakeRegistry, AHandleToADeletedKeyAnswersKeyDeleted) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::Win98);
    windows.setString(win::HKEY_CURRENT_USER, "Software\\Gone\\Child", "v", "x");
    win::HKEY child = 0;
    ASSERT_EQ(
        0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Software\\Gone\\Child", 0, win::KEY_READ, &child));
    ASSERT_EQ(0, windows.RegDeleteKeyA(win::HKEY_CURRENT_USER, "Software\\Gone"));
    win::DWORD size = 0;
    EXPECT_EQ(1018, windows.RegQueryValueExA(child, "v", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(0, windows.RegCloseKey(child));
}

TEST(FakeRegistry, NtMapsGenericRightsToKeyRights) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::NT4);
    windows.setString(win::HKEY_CURRENT_USER, "Software\\R", "v", "x");
    win::HKEY key = 0;
    ASSERT_EQ(0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Software\\R", 0, 0x80000000u,
                                       &key)); // GENERIC_READ
    EXPECT_EQ(5,
              windows.RegSetValueExA(key, "v", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>("y"), 2));
    windows.RegCloseKey(key);
    ASSERT_EQ(0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Software\\R", 0, 0x02000000u,
                                       &key)); // MAXIMUM_ALLOWED
    EXPECT_EQ(0,
              windows.RegSetValueExA(key, "v", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>("y"), 2));
    windows.RegCloseKey(key);

    // Creating below a key opened for reading only needs KEY_CREATE_SUB_KEY.
    ASSERT_EQ(0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Software\\R", 0, win::KEY_READ, &key));
    win::HKEY sub = 0;
    win::DWORD disposition = 0;
    EXPECT_EQ(5, windows.RegCreateKeyExA(key, "New", 0, nullptr, 0, 0x3F, nullptr, &sub, &disposition));
    EXPECT_FALSE(windows.keyExists(win::HKEY_CURRENT_USER, "Software\\R\\New"));
    windows.RegCloseKey(key);
}

TEST(FakeRegistry, ValuesOfAnyTypeAreKeptAsBytes) {
    fake::FakeWindows windows;
    win::HKEY key = 0;
    win::DWORD disposition = 0;
    ASSERT_EQ(0, windows.RegCreateKeyExA(win::HKEY_CURRENT_USER, "Software\\B", 0, nullptr, 0, 0x3F, nullptr,
                                         &key, &disposition));
    const win::BYTE blob[] = {1, 0, 2, 0, 255};
    ASSERT_EQ(0, windows.RegSetValueExA(key, "UserPreferencesMask", 0, win::REG_BINARY, blob, sizeof blob));
    win::BYTE read[8] = {};
    win::DWORD type = 0, size = sizeof read;
    ASSERT_EQ(0, windows.RegQueryValueExA(key, "userpreferencesmask", nullptr, &type, read, &size));
    EXPECT_EQ(win::REG_BINARY, type);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(blob), 5),
              std::string(reinterpret_cast<char*>(read), size));
    windows.setDword(win::HKEY_CURRENT_USER, "Software\\B", "Count", 0x01020304);
    EXPECT_EQ(0x01020304u, windows.getDword(win::HKEY_CURRENT_USER, "Software\\B", "Count"));
    windows.RegCloseKey(key);
}

// The 95 family has no registry security: every handle may do everything, and
// RegCreateKeyExA skips one leading backslash.
TEST(FakeRegistry, TheNinetyFiveFamilyGrantsEveryRight) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::WinME);
    windows.setString(win::HKEY_CURRENT_USER, "Software\\R", "v", "x");
    win::HKEY key = 0;
    ASSERT_EQ(0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Software\\R", 0, win::KEY_READ, &key));
    EXPECT_EQ(0,
              windows.RegSetValueExA(key, "v", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>("y"), 2));
    win::HKEY sub = 0;
    win::DWORD disposition = 0;
    EXPECT_EQ(
        0, windows.RegCreateKeyExA(key, "\\New", 0, nullptr, 0, win::KEY_READ, nullptr, &sub, &disposition));
    EXPECT_TRUE(windows.keyExists(win::HKEY_CURRENT_USER, "Software\\R\\New"));
    EXPECT_EQ("y", windows.getString(win::HKEY_CURRENT_USER, "Software\\R", "v"));
    windows.RegCloseKey(sub);
    windows.RegCloseKey(key);
}

} // namespace
