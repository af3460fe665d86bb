// The utility services over the fake Windows: the members whose results are
// computed here rather than by Windows.
#include "system/clsAPIstuff.h"

#include "runtime/Error.h"

#include "platform/Platform.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ApiStuff : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    int programEnds = 0;
    sys::clsAPIstuff stuff{platform, [this] { ++programEnds; }};
};

TEST(ApiStuffPercent, RoundsTowardMinusInfinityAndGivesZeroWhenItCannot) {
    struct Case {
        std::int16_t part, whole, scale, percent;
    } cases[] = {
        {1, 3, 100, 33},  {2, 3, 100, 66},  {1, 0, 100, 0},         {0, 0, 100, 0},       {-1, 3, 100, -34},
        {3, 3, 100, 100}, {30000, 1, 2, 0}, {-32768, 1, 1, -32768}, {32767, 1, 1, 32767}, {1, -3, 100, -34},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.percent, sys::clsAPIstuff::GetPercent(c.part, c.whole, c.scale))
            << c.part << "/" << c.whole << "*" << c.scale;
}

TEST_F(ApiStuff, DownloadAddressesGetASchemeAndOneSlashAndTheBaseIsKept) {
    std::string base = "www.example.com/files";
    std::string path = "/setup.exe";
    stuff.DownLoadFile(base, path);
    EXPECT_EQ("setup.exe", path);
    EXPECT_EQ("www.example.com/files", base);
    EXPECT_EQ("http://www.example.com/files/", stuff.baseAddress());

    std::string none;
    std::string second = "readme.txt";
    stuff.DownLoadFile(none, second);
    // The empty base takes the stored one; the stored one is not replaced.
    std::string other = "https://elsewhere.org/";
    std::string third = "a.zip";
    stuff.DownLoadFile(other, third);
    EXPECT_EQ((std::vector<std::string>{"http://www.example.com/files/setup.exe",
                                        "http://www.example.com/files/readme.txt",
                                        "http://www.example.com/files/a.zip"}),
              fake.downloads());
    EXPECT_EQ("http://www.example.com/files/", none);
}

TEST_F(ApiStuff, FreeDiscSpaceCountsBytesBeyondFourGigabytes) {
    fake.useVersion(fake::Version::Win2000);
    fake.setFreeSpace(6ull << 30);
    const std::string report = stuff.FreeDiscSpace("C");
    // 4 KiB clusters of eight 512-byte sectors; 6 GiB free of 6 GiB.
    EXPECT_EQ("Sectors per Cluster: 8\r\n"
              "Bytes per sector: 512\r\n"
              "Number Of Free Clusters: 1572864\r\n"
              "Total Number Of Clusters: 1572864\r\n"
              "Total number of bytes in path: 6442450944\r\n"
              "Free bytes: 6442450944\r\n",
              report);
}

TEST_F(ApiStuff, DrivesAndCharactersAreDescribed) {
    EXPECT_EQ("Drive Fixed", stuff.Get_DriveType("C"));
    EXPECT_EQ("Unrecognized", stuff.Get_DriveType("Q"));
    EXPECT_EQ("Alpha AlphaNumeric Lower Case", stuff.CharType('a'));
    EXPECT_EQ("Alpha AlphaNumeric Upper Case", stuff.CharType(0xC9));
    EXPECT_EQ(" AlphaNumeric", stuff.CharType('5'));
    EXPECT_EQ("", stuff.CharType('.'));
    EXPECT_EQ("", stuff.CharType(300));
}

TEST_F(ApiStuff, ThePressedKeyIsTheFirstFrom32Up) {
    EXPECT_EQ("", stuff.GetPressedKey());
    fake.setKeyState(90, static_cast<win::SHORT>(0x8000)); // Z
    fake.setKeyState(65, static_cast<win::SHORT>(0x8000)); // A
    EXPECT_EQ("A", stuff.GetPressedKey());
    fake.setKeyState(65, 0);
    fake.setKeyState(90, 0);
    fake.setKeyState(20, static_cast<win::SHORT>(0x8000)); // below the scanned range
    EXPECT_EQ("", stuff.GetPressedKey());
}

TEST_F(ApiStuff, UrlSourceIsTheFirst1000BytesPaddedWithSpaces) {
    fake.setUrlBody("http://127.0.0.1/page", "<html>hi</html>");
    const std::string source = stuff.GetURLSource("http://127.0.0.1/page");
    EXPECT_EQ("<html>hi</html>" + std::string(1000 - 15, ' '), source);
    fake.setUrlBody("http://127.0.0.1/long", std::string(1500, 'x'));
    EXPECT_EQ(std::string(1000, 'x'), stuff.GetURLSource("http://127.0.0.1/long"));
    EXPECT_EQ(std::string(1000, ' '), stuff.GetURLSource("http://nowhere.invalid/"));
}

TEST_F(ApiStuff, ShortcutsAreWrittenWhereAskedAndMissingFoldersReported) {
    fake.makeFolder("C:\\Tools");
    stuff.StartMenuShortcut("C:\\Tools", "Decorama", "C:\\Decorama\\decorama.exe");
    EXPECT_EQ("C:\\Decorama\\decorama.exe|", fake.shellLink("C:\\Tools\\Decorama.lnk"));
    try {
        stuff.StartMenuShortcut("C:\\Missing", "Decorama", "C:\\x.exe");
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const rt::Error& error) {
        EXPECT_EQ(rt::ErrPathNotFound, error.number());
    }

    fake.makeFolder(fake.windowsFolder() + "\\Desktop");
    stuff.DesktopShortcut("Decorama", "C:\\x.exe", true);
    EXPECT_EQ("C:\\x.exe|", fake.shellLink(fake.windowsFolder() + "\\Desktop\\Decorama.lnk"));
    EXPECT_TRUE(fake.messageBoxes().empty());

    fake.remove(fake.windowsFolder() + "\\Desktop");
    stuff.DesktopShortcut("Decorama", "C:\\x.exe", true);
    ASSERT_EQ(1u, fake.messageBoxes().size());
    EXPECT_EQ("An error has occured attempting to create shortcut for C:\\x.exe named Decorama.",
              fake.messageBoxes()[0].prompt);
    EXPECT_EQ("Error", fake.messageBoxes()[0].title);
}

TEST_F(ApiStuff, WithoutAskingTheRequestGoesStraightToWindows) {
    stuff.RestartWindows(false, true);
    EXPECT_TRUE(fake.messageBoxes().empty());
    ASSERT_EQ(1u, fake.exitRequests().size());
    EXPECT_EQ(6u, fake.exitRequests()[0].flags);
    EXPECT_EQ(0, programEnds);
}

} // namespace
