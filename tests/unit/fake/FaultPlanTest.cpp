// Planned failures of the fake: the nth use of a named operation fails, with the
// failure shape of that operation (a status, a last error, a thrown rt::Error).
#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

win::LONG setString(fake::FakeWindows& windows, win::HKEY key, const char* name, const std::string& text) {
    return windows.RegSetValueExA(key, name, 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>(text.c_str()),
                                  static_cast<win::DWORD>(text.size() + 1));
}

TEST(FakeFaultPlan, OnlyTheNthUseOfARegistryCallFailsWithTheStatusAndNoWrite) {
    fake::FakeWindows windows;
    windows.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu", "0 0 0");
    win::HKEY key = 0;
    ASSERT_EQ(
        0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Control Panel\\Colors", 0, win::KEY_WRITE, &key));
    windows.failOn("RegSetValueExA", 2, 5);
    windows.SetLastError(0xBEEF);

    EXPECT_EQ(0, setString(windows, key, "Menu", "1,1,1"));
    EXPECT_EQ(5, setString(windows, key, "Menu", "2,2,2"));
    EXPECT_EQ(0, setString(windows, key, "Window", "3,3,3"));

    EXPECT_EQ("1,1,1", windows.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu"));
    ASSERT_EQ(2u, windows.registryWrites().size());
    EXPECT_EQ("Window", windows.registryWrites()[1].valueName);
    EXPECT_EQ(0xBEEFu, windows.GetLastError()); // registry calls report through their status
}

TEST(FakeFaultPlan, ABoolCallFailsWithTheErrorAsLastError) {
    fake::FakeWindows windows;
    windows.failOn("SystemParametersInfoA", 1, 1400);
    char path[] = "C:\\WINDOWS\\Clouds.bmp";
    EXPECT_FALSE(windows.SystemParametersInfoA(20, 0, path, 3));
    EXPECT_EQ(1400u, windows.GetLastError());
    EXPECT_EQ("", windows.deskWallpaper());
    EXPECT_TRUE(windows.SystemParametersInfoA(20, 0, path, 3));
    EXPECT_EQ("C:\\WINDOWS\\Clouds.bmp", windows.deskWallpaper());
}

TEST(FakeFaultPlan, ARuntimeServiceThrowsThePlannedNumber) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\source.bmp", "bytes");
    windows.failOn("FileCopy", 1, 70);
    windows.failOn("Name", 1, 58);

    try {
        windows.FileCopy("C:\\source.bmp", "C:\\copy.bmp");
        FAIL() << "FileCopy did not fail";
    } catch (const rt::Error& error) {
        EXPECT_EQ(70, error.number());
        EXPECT_EQ("Permission denied", error.description());
    }
    EXPECT_FALSE(windows.exists("C:\\copy.bmp"));
    windows.FileCopy("C:\\source.bmp", "C:\\copy.bmp");
    EXPECT_EQ("bytes", windows.fileBytes("C:\\copy.bmp"));

    try {
        windows.Name("C:\\copy.bmp", "C:\\moved.bmp");
        FAIL() << "Name did not fail";
    } catch (const rt::Error& error) {
        EXPECT_EQ(58, error.number());
        EXPECT_EQ("File already exists", error.description());
    }
}

TEST(FakeFaultPlan, FailuresOfOtherShapes) {
    fake::FakeWindows windows;
    windows.failOn("GetShortPathNameA", 1, 3);
    windows.failOn("CreateFileA", 1, 32);
    windows.failOn("ShellExecuteA", 1, 31);
    windows.failOn("SHGetSpecialFolderLocation", 1, 5);
    windows.failOn("MsgBox", 1, 5);
    char buffer[80];

    EXPECT_EQ(0u, windows.GetShortPathNameA("C:\\WINDOWS", buffer, sizeof buffer));
    EXPECT_EQ(3u, windows.GetLastError());
    EXPECT_EQ(win::INVALID_HANDLE_VALUE, windows.CreateFileA("\\\\.\\C:", 0, 3, nullptr, 3, 0, 0));
    EXPECT_EQ(32u, windows.GetLastError());
    EXPECT_EQ(31u, windows.ShellExecuteA(0, "Open", "http://example.com", nullptr, nullptr, 3));
    win::ITEMIDLIST* list = nullptr;
    EXPECT_EQ(static_cast<win::HRESULT>(0x80070005u), windows.SHGetSpecialFolderLocation(0, 0x24, &list));
    EXPECT_THROW(windows.MsgBox("Prompt", 0, "Decorama"), rt::Error);
    EXPECT_TRUE(windows.messageBoxes().empty());
}

} // namespace
