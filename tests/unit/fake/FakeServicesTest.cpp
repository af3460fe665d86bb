// The fake's profile files, names, special folders and wininet, beyond what the
// contract suite covers.
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(FakeProfile, AFileNameAloneLivesInTheWindowsFolder) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::Win2000);
    ASSERT_TRUE(windows.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "C:\\X.SCR", "system.ini"));
    EXPECT_EQ("C:\\X.SCR", windows.profileString("C:\\WINNT\\system.ini", "BOOT", "scrnsave.exe"));
    EXPECT_EQ("", windows.profileString("C:\\WINNT\\system.ini", "boot", "shell"));
}

TEST(FakeProfile, ANewKeyGoesBeforeTheBlankLineThatEndsItsSection) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\WINDOWS\\system.ini",
                     "[boot]\r\nshell=Explorer.exe\r\n\r\n[drivers]\r\nwave=mmsystem.dll\r\n");
    ASSERT_TRUE(
        windows.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "A.SCR", "C:\\WINDOWS\\system.ini"));
    EXPECT_EQ("[boot]\r\nshell=Explorer.exe\r\nSCRNSAVE.EXE=A.SCR\r\n\r\n[drivers]\r\nwave=mmsystem.dll\r\n",
              windows.fileBytes("C:\\WINDOWS\\system.ini"));
}

TEST(FakeProfile, AReadOnlyFileIsRefused) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\WINDOWS\\system.ini", "[boot]\r\n");
    windows.setReadOnly("C:\\WINDOWS\\system.ini", true);
    EXPECT_FALSE(
        windows.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "A.SCR", "C:\\WINDOWS\\system.ini"));
    EXPECT_EQ(5u, windows.GetLastError());
    EXPECT_EQ("[boot]\r\n", windows.fileBytes("C:\\WINDOWS\\system.ini"));
}

TEST(FakeNames, BuffersTooSmallReportTheSizeNeeded) {
    fake::FakeWindows windows;
    windows.setUserName("Anna");
    char buffer[16];
    win::DWORD size = 4;
    EXPECT_FALSE(windows.GetUserNameA(buffer, &size));
    EXPECT_EQ(122u, windows.GetLastError());
    EXPECT_EQ(5u, size);
    ASSERT_TRUE(windows.GetUserNameA(buffer, &size));
    EXPECT_STREQ("Anna", buffer);
    EXPECT_EQ(5u, size); // with the NUL

    size = sizeof buffer;
    ASSERT_TRUE(windows.GetComputerNameA(buffer, &size));
    EXPECT_EQ("DECORAMA-PC", std::string(buffer, size)); // without the NUL
    ASSERT_TRUE(windows.SetComputerNameA("newname"));
    EXPECT_EQ("NEWNAME", windows.pendingComputerName());
    EXPECT_EQ("DECORAMA-PC", windows.computerName()); // until Windows starts again
    EXPECT_FALSE(windows.SetComputerNameA("a name with blanks"));
}

TEST(FakeShell, SpecialFoldersAndTheirItemLists) {
    fake::FakeWindows windows;
    win::ITEMIDLIST* list = nullptr;
    ASSERT_EQ(0, windows.SHGetSpecialFolderLocation(0, 0x24, &list)); // CSIDL_WINDOWS
    char path[260] = {};
    ASSERT_TRUE(windows.SHGetPathFromIDListA(list, path));
    EXPECT_STREQ("C:\\WINDOWS", path);
    windows.CoTaskMemFree(list);
    EXPECT_FALSE(windows.SHGetPathFromIDListA(list, path)); // freed

    ASSERT_EQ(0, windows.SHGetSpecialFolderLocation(0, 0x0A, &list)); // the Recycle Bin has no path
    EXPECT_FALSE(windows.SHGetPathFromIDListA(list, path));
    windows.CoTaskMemFree(list);
    EXPECT_NE(0, windows.SHGetSpecialFolderLocation(0, 0x7777, &list));
}

TEST(FakeShell, ShellExecuteOpensWebAddressesAndExistingDocuments) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\Program Files\\Decorama\\help.htm", "<html>");
    EXPECT_EQ(42u, windows.ShellExecuteA(0, "Open", "http://www.example.com/", nullptr, nullptr, 3));
    EXPECT_EQ(42u,
              windows.ShellExecuteA(0, "Open", "c:\\program files\\decorama\\HELP.HTM", nullptr, nullptr, 3));
    EXPECT_EQ(2u, windows.ShellExecuteA(0, "Open", "C:\\missing.htm", nullptr, nullptr, 3));
    EXPECT_EQ(3u, windows.shellRequests().size());
}

TEST(FakeShell, SoundsFailOnlyWhenMissingAndNoDefaultIsWanted) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\start.wav", "RIFF");
    EXPECT_TRUE(windows.sndPlaySoundA("C:\\start.wav", 1));
    EXPECT_TRUE(windows.sndPlaySoundA("C:\\missing.wav", 1));
    EXPECT_FALSE(windows.sndPlaySoundA("C:\\missing.wav", 1 | 2)); // SND_NODEFAULT
    EXPECT_EQ(3u, windows.soundsPlayed().size());
}

TEST(FakeInternet, CannedBodiesAreReadInPieces) {
    fake::FakeWindows windows;
    windows.setUrlBody("http://example.com/", "<html>hello</html>");
    const win::HINTERNET session = windows.InternetOpenA("Decorama", 1, nullptr, nullptr, 0);
    ASSERT_NE(0u, session);
    EXPECT_EQ(0u, windows.InternetOpenUrlA(session, "http://unknown.example/", nullptr, 0, 0x80000000u, 0));
    const win::HINTERNET url =
        windows.InternetOpenUrlA(session, "http://example.com/", nullptr, 0, 0x80000000u, 0);
    ASSERT_NE(0u, url);
    char buffer[8];
    win::DWORD read = 0;
    ASSERT_TRUE(windows.InternetReadFile(url, buffer, 6, &read));
    EXPECT_EQ("<html>", std::string(buffer, read));
    ASSERT_TRUE(windows.InternetReadFile(url, buffer, 8, &read));
    EXPECT_EQ("hello</h", std::string(buffer, read));
    ASSERT_TRUE(windows.InternetReadFile(url, buffer, 8, &read));
    EXPECT_EQ("tml>", std::string(buffer, read));
    ASSERT_TRUE(windows.InternetReadFile(url, buffer, 8, &read));
    EXPECT_EQ(0u, read);
    EXPECT_TRUE(windows.InternetCloseHandle(url));
    EXPECT_TRUE(windows.InternetCloseHandle(session));
    EXPECT_FALSE(windows.InternetCloseHandle(session));
}

} // namespace
