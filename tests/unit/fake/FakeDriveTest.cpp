// Drive C: of the fake: case-insensitive paths, only drive C, deterministic 8.3
// names that also find their files, and the runtime services built on it.
#include "runtime/Error.h"
#include "fake/FakeWindows.h"
#include "fake/ShortNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

namespace {

std::int32_t errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rt::Error& error) {
        return error.number();
    }
    return 0;
}

std::string shortPathOf(fake::FakeWindows& windows, const std::string& path) {
    char buffer[261] = {};
    const win::DWORD n = windows.GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return n == 0 ? "<" + std::to_string(windows.GetLastError()) + ">" : std::string(buffer, n);
}

TEST(FakeDrive, PathsAreFoundWithoutRegardToCase) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\WINDOWS\\Web\\Wallpaper.bmp", "BM");
    EXPECT_TRUE(windows.exists("c:\\windows\\WEB\\wallpaper.BMP"));
    EXPECT_TRUE(windows.exists("c:/windows/web/wallpaper.bmp"));
    EXPECT_TRUE(windows.exists("C:\\WINDOWS\\.\\System\\..\\Web\\Wallpaper.bmp"));
    EXPECT_EQ(windows.hostPath("C:\\WINDOWS\\Web\\Wallpaper.bmp"),
              windows.hostPath("c:\\windows\\web\\WALLPAPER.bmp"));
    EXPECT_TRUE(windows.exists("c:\\"));
    EXPECT_TRUE(windows.exists("C:\\"));
    EXPECT_FALSE(windows.exists("D:\\WINDOWS"));
    // One folder on the host, whatever case a later write uses.
    windows.makeFile("c:\\windows\\web\\Other.bmp", "BM");
    int folders = 0;
    for (const auto& entry : std::filesystem::directory_iterator(windows.driveRoot()))
        folders += entry.path().filename() == "WINDOWS" || entry.path().filename() == "windows";
    EXPECT_EQ(1, folders);
}

TEST(FakeDrive, ShortNamesAreDeterministic) {
    struct Row {
        const char* name;
        const char* shortName;
    };
    const Row rows[] = {
        {"Zuve Zivi ziz Odida.wav", "ZUVEZI~1.WAV"},
        {"Program Files", "PROGRA~1"},
        {"LOGO.SYS", "LOGO.SYS"},
        {"logow.sys", "logow.sys"},
        {"a+b.txt", "A_B~1.TXT"},
        {"notes.html", "NOTES~1.HTM"},
        {"archive.tar.gz", "ARCHIV~1.GZ"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.shortName, fake::shortNameAmong(row.name, {row.name})) << row.name;
}

TEST(FakeDrive, NamesSharingAStemAreNumberedInNameOrder) {
    const std::vector<std::string> folder = {"Programs Old", "Program Files", "Progress.txt",
                                             "Progressive.txt"};
    EXPECT_EQ("PROGRA~1", fake::shortNameAmong("Program Files", folder));
    EXPECT_EQ("PROGRA~2", fake::shortNameAmong("Programs Old", folder));
    // A file that already is called PROGRA~1 keeps its name; the long names move on.
    const std::vector<std::string> crowded = {"Program Files", "Programs Old", "progra~1"};
    EXPECT_EQ("PROGRA~2", fake::shortNameAmong("Program Files", crowded));
    EXPECT_EQ("PROGRA~3", fake::shortNameAmong("Programs Old", crowded));
    EXPECT_EQ("PROGRE~1.TXT", fake::shortNameAmong("Progressive.txt", {"Progressive.txt"}));
}

TEST(FakeDrive, GetShortPathNameGivesTheShortFormAndFindsByIt) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\Program Files\\Decorama\\Zuve Zivi ziz Odida.wav", "RIFF");
    windows.makeFile("C:\\WINDOWS\\LOGO.SYS", "x");
    EXPECT_EQ("C:\\PROGRA~1\\Decorama\\ZUVEZI~1.WAV",
              shortPathOf(windows, "C:\\Program Files\\Decorama\\Zuve Zivi ziz Odida.wav"));
    EXPECT_EQ("c:\\PROGRA~1\\Decorama", shortPathOf(windows, "c:\\program files\\DECORAMA"));
    EXPECT_EQ("c:\\WINDOWS\\LOGO.SYS", shortPathOf(windows, "c:\\windows\\logo.sys"));
    EXPECT_EQ("<2>", shortPathOf(windows, "C:\\Program Files\\Missing.wav"));
    EXPECT_EQ("<3>", shortPathOf(windows, "C:\\No Folder\\Missing.wav"));
    EXPECT_EQ("<3>", shortPathOf(windows, "D:\\WINDOWS"));

    EXPECT_TRUE(windows.exists("C:\\PROGRA~1\\DECORAMA\\ZUVEZI~1.WAV"));
    EXPECT_EQ("Zuve Zivi ziz Odida.wav", windows.Dir("c:\\progra~1\\decorama\\zuvezi~1.wav"));
}

TEST(FakeDrive, DirTakesWildcardsAndIgnoresFolders) {
    fake::FakeWindows windows;
    windows.makeFolder("C:\\Themes\\Folder.scr");
    windows.makeFile("C:\\Themes\\b.scr", "");
    windows.makeFile("C:\\Themes\\A.scr", "");
    EXPECT_EQ("A.scr", windows.Dir("C:\\Themes\\*.SCR"));
    EXPECT_EQ("A.scr", windows.Dir("C:\\Themes\\?.scr"));
    EXPECT_EQ("b.scr", windows.Dir("c:\\themes\\B*"));
    EXPECT_EQ("A.scr", windows.Dir("C:\\Themes\\"));
    EXPECT_EQ("", windows.Dir("C:\\Themes\\Folder.scr"));
    EXPECT_EQ("", windows.Dir("C:\\Themes\\*.bmp"));
    EXPECT_EQ("", windows.Dir(""));
}

TEST(FakeDrive, RuntimeServicesKeepNamesAndReadOnlyMarks) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\WINDOWS\\Logos.Sys", "old");
    windows.makeFile("C:\\source.sys", "new");
    windows.FileCopy("C:\\source.sys", "c:\\windows\\LOGOS.SYS");
    EXPECT_EQ("Logos.Sys", windows.Dir("C:\\WINDOWS\\logos.sys")); // replaced under its stored name
    EXPECT_EQ("new", windows.fileBytes("C:\\WINDOWS\\Logos.Sys"));

    windows.setReadOnly("C:\\source.sys", true);
    windows.FileCopy("C:\\source.sys", "C:\\copy.sys");
    EXPECT_TRUE(windows.isReadOnly("C:\\copy.sys")); // CopyFile carries the attribute along
    EXPECT_EQ(rt::ErrPathFileAccess, errorOf([&] { windows.Kill("C:\\copy.sys"); }));
    EXPECT_EQ(rt::ErrPathFileAccess, errorOf([&] { windows.writeFile("C:\\copy.sys", "x"); }));
    windows.setReadOnly("C:\\copy.sys", false);
    windows.Kill("C:\\copy.sys");
    EXPECT_FALSE(windows.exists("C:\\copy.sys"));
}

TEST(FakeDrive, NameRenamesFoldersAndChangesCase) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\Start\\link.lnk", "");
    windows.Name("C:\\Start", "C:\\Moved");
    EXPECT_TRUE(windows.exists("C:\\Moved\\link.lnk"));
    windows.Name("C:\\Moved\\link.lnk", "C:\\Moved\\LINK.LNK");
    EXPECT_EQ("LINK.LNK", windows.Dir("C:\\Moved\\link.lnk"));
    EXPECT_EQ(rt::ErrPathNotFound,
              errorOf([&] { windows.Name("C:\\Moved\\LINK.LNK", "C:\\Nowhere\\x.lnk"); }));
}

TEST(FakeDrive, WriteBytesPastTheEndFillsTheGapWithZeros) {
    fake::FakeWindows windows;
    windows.writeBytes("C:\\samples", 4, "ab");
    EXPECT_EQ(std::string("\0\0\0\0ab", 6), windows.readFile("C:\\samples"));
}

TEST(FakeDrive, ShellNeedsAProgramThatExistsWhenItIsNamedByPath) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\WINDOWS\\SYSTEM\\MSINFO32.EXE", "MZ");
    EXPECT_NE(0u, windows.Shell("rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,3", 2));
    EXPECT_NE(0u, windows.Shell("\"C:\\WINDOWS\\SYSTEM\\MSINFO32.EXE\" /report", 1));
    EXPECT_NE(0u, windows.Shell("c:\\windows\\system\\msinfo32", 1));
    EXPECT_EQ(rt::ErrFileNotFound,
              errorOf([&] { windows.Shell("C:\\Program Files\\Plus!\\themes.exe", 1); }));
    ASSERT_EQ(3u, windows.processes().size());
    EXPECT_EQ("\"C:\\WINDOWS\\SYSTEM\\MSINFO32.EXE\" /report", windows.processes()[1].commandLine);
}

TEST(FakeDrive, AnExistingHostFolderIsUsedAndLeftInPlace) {
    const auto root = std::filesystem::temp_directory_path() / "decorama-fake-kept-drive";
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    {
        fake::FakeWindows windows(root);
        windows.makeFile("C:\\kept.txt", "x");
        EXPECT_EQ(root, windows.driveRoot());
    }
    EXPECT_TRUE(std::filesystem::exists(root / "kept.txt"));
    std::filesystem::remove_all(root);

    std::filesystem::path owned;
    {
        fake::FakeWindows windows;
        owned = windows.driveRoot();
        windows.makeFile("C:\\ro.txt", "x");
        windows.setReadOnly("C:\\ro.txt", true);
    }
    EXPECT_FALSE(std::filesystem::exists(owned));
}

} // namespace
