// The fake's logs: one readable line per call, the records tests look at, and
// clearLogs emptying the logs while the stores keep what was written.
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FakeCallLog, OneLinePerCallWithItsArguments) {
    fake::FakeWindows windows;
    win::HKEY key = 0;
    windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, win::KEY_READ, &key);
    windows.GetSystemMetrics(0);
    windows.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", nullptr, "c:\\windows\\system.ini");
    windows.Dir("C:\\logo.sys");
    windows.Shell("rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1", 2);

    const std::vector<std::string> expected = {
        "RegOpenKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Desktop\", 0, 131097)",
        "GetSystemMetrics(0)",
        "WritePrivateProfileStringA(\"boot\", \"SCRNSAVE.EXE\", NULL, \"c:\\windows\\system.ini\")",
        "Dir(\"C:\\logo.sys\")",
        "Shell(\"rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1\", 2)",
    };
    EXPECT_EQ(expected, windows.callLog());
}

TEST(FakeCallLog, RecordsOfRequestsKeepWhatWasAsked) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::Win98);
    windows.Shell("rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,0", 1);
    windows.ShellExecuteA(7, "Open", "http://www.example.com", nullptr, nullptr, 3);
    windows.sndPlaySoundA("C:\\Missing.wav", 0x0003);
    windows.ExitWindowsEx(6, 0);

    ASSERT_EQ(1u, windows.processes().size());
    EXPECT_EQ(1, windows.processes()[0].showMode);
    ASSERT_EQ(1u, windows.shellRequests().size());
    EXPECT_EQ("Open", windows.shellRequests()[0].operation);
    EXPECT_EQ(3, windows.shellRequests()[0].showCmd);
    ASSERT_EQ(1u, windows.soundsPlayed().size());
    EXPECT_EQ(0x0003u, windows.soundsPlayed()[0].flags);
    ASSERT_EQ(1u, windows.exitRequests().size());
    EXPECT_EQ(6u, windows.exitRequests()[0].flags);
}

TEST(FakeCallLog, ClearLogsEmptiesTheLogsAndKeepsTheStores) {
    fake::FakeWindows windows;
    win::HKEY key = 0;
    win::DWORD disposition = 0;
    windows.RegCreateKeyExA(win::HKEY_CURRENT_USER, "Control Panel\\Colors", 0, nullptr, 0, 0x3F, nullptr,
                            &key, &disposition);
    windows.RegSetValueExA(key, "Menu", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>("1,2,3"), 6);
    const win::INT index = 4;
    const win::COLORREF color = 0x030201;
    windows.SetSysColors(1, &index, &color);
    windows.MsgBox("Prompt", 0, "Decorama");

    windows.clearLogs();
    EXPECT_TRUE(windows.callLog().empty());
    EXPECT_TRUE(windows.registryWrites().empty());
    EXPECT_TRUE(windows.setSysColorsCalls().empty());
    EXPECT_TRUE(windows.messageBoxes().empty());
    EXPECT_EQ("1,2,3", windows.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu"));
    EXPECT_EQ(color, windows.sysColor(4));
}

TEST(FakeCallLog, RegistryWritesNameTheKeyByItsFullPathAsFirstWritten) {
    fake::FakeWindows windows;
    windows.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Menu", "x");
    win::HKEY key = 0;
    ASSERT_EQ(
        0, windows.RegOpenKeyExA(win::HKEY_CURRENT_USER, "CONTROL PANEL\\colors", 0, win::KEY_WRITE, &key));
    const win::DWORD timeout = 600;
    windows.RegSetValueExA(key, "Menu", 0, win::REG_SZ, reinterpret_cast<const win::BYTE*>("0,0,0"), 6);
    windows.RegSetValueExA(key, "Timeout", 0, win::REG_DWORD, reinterpret_cast<const win::BYTE*>(&timeout),
                           4);

    ASSERT_EQ(2u, windows.registryWrites().size());
    const auto& text = windows.registryWrites()[0];
    EXPECT_EQ("HKEY_CURRENT_USER\\Control Panel\\Colors", text.keyPath);
    EXPECT_EQ(win::REG_SZ, text.type);
    EXPECT_EQ("0,0,0", text.data); // without the NUL
    EXPECT_EQ(std::string("\x58\x02\0\0", 4), windows.registryWrites()[1].data);
}

} // namespace
