// The fake's test-only facilities, which no real Windows has and so no contract
// test can hold: planned failures (the nth use of a named operation fails in
// that operation's own way) and scripted message-box answers.
#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

win::LONG setString(fake::FakeWindows& windows, win::HKEY key, const char* name, const std::string& text) {
    return windows.RegSetValueExA(key, name, 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>(text.c_str()),
                                  static_cast<win::DWORD>(text.size() + 1));
}

TEST(FakeFaultPlan, OnlyTheNthUseFailsAndAFailedWriteStoresNothing) {
    fake::FakeWindows windows;
    windows.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu", "0 0 0");
    win::HKEY key = 0;
    ASSERT_EQ(
        0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Control Panel\\Colors", 0, win::KEY_WRITE, &key));
    windows.failOn("RegSetValueExA", 2, 5);

    EXPECT_EQ(0, setString(windows, key, "Menu", "1,1,1"));
    EXPECT_EQ(5, setString(windows, key, "Menu", "2,2,2"));
    EXPECT_EQ(0, setString(windows, key, "Window", "3,3,3"));
    windows.RegCloseKey(key);

    EXPECT_EQ("1,1,1", windows.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu"));
    EXPECT_EQ(2u, windows.registryWrites().size());
}

// Each kind of call fails the way Windows or the runtime reports it.
TEST(FakeFaultPlan, EachCallFailsInItsOwnShape) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\source.bmp", "bytes");
    windows.failOn("SystemParametersInfoA", 1, 1400);
    windows.failOn("FileCopy", 1, 70);
    windows.failOn("CreateFileA", 1, 32);
    windows.failOn("MsgBox", 1, 5);

    char path[] = "C:\\WINDOWS\\Clouds.bmp";
    EXPECT_FALSE(windows.SystemParametersInfoA(20, 0, path, 3));
    EXPECT_EQ(1400u, windows.GetLastError());
    EXPECT_EQ("", windows.deskWallpaper());

    try {
        windows.FileCopy("C:\\source.bmp", "C:\\copy.bmp");
        ADD_FAILURE() << "FileCopy did not fail";
    } catch (const rt::Error& error) {
        EXPECT_EQ(70, error.number());
        EXPECT_EQ("Permission denied", error.description());
    }
    EXPECT_FALSE(windows.exists("C:\\copy.bmp"));

    EXPECT_EQ(win::INVALID_HANDLE_VALUE, windows.CreateFileA("\\\\.\\C:", 0, 3, nullptr, 3, 0, 0));
    EXPECT_EQ(32u, windows.GetLastError());
    EXPECT_THROW(windows.MsgBox("Prompt", 0, "Decorama"), rt::Error);
    EXPECT_TRUE(windows.messageBoxes().empty());
}

TEST(FakeMessageBoxes, AnswersComeFromTheLatestScriptThenOK) {
    fake::FakeWindows windows;
    windows.scriptAnswers({rt::vbCancel, rt::vbCancel, rt::vbCancel});
    EXPECT_EQ(rt::vbCancel, windows.MsgBox("first", 273, "Decorama"));
    windows.scriptAnswers({rt::vbCancel, rt::vbOK});

    EXPECT_EQ(rt::vbCancel, windows.MsgBox("second", 273, "Decorama"));
    EXPECT_EQ(rt::vbOK, windows.MsgBox("third", 0, "Error"));
    EXPECT_EQ(rt::vbOK, windows.MsgBox("fourth", 0, "Decorama"));

    ASSERT_EQ(4u, windows.messageBoxes().size());
    const auto& third = windows.messageBoxes()[2];
    EXPECT_EQ("third", third.prompt);
    EXPECT_EQ(0, third.style);
    EXPECT_EQ("Error", third.title);
    EXPECT_EQ(rt::vbOK, third.answer);
    EXPECT_EQ(rt::vbCancel, windows.messageBoxes()[1].answer);
}

} // namespace
