// The utility services over the fake Windows: the members whose results are
// computed here rather than by Windows (the contract suite holds shortcuts,
// web pages and drive C to the real Windows).
#include "system/clsAPIstuff.h"

#include "runtime/Error.h"

#include "platform/Platform.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ApiStuff : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    int programEnds = 0;
    // The pending window messages handled, in the fake's log among its calls.
    sys::clsAPIstuff stuff{platform, [this] { ++programEnds; },
                           [this] { fake.log.lines.push_back("pending messages"); }};
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

// The address goes to the dialog as the ANSI code page (here 1252) reads it; a
// dialog Windows lacks (the layer's answer for a missing shdocvw) or refuses is
// reported.
TEST_F(ApiStuff, DownloadAddressesGetASchemeAndOneSlashAndTheBaseIsKept) {
    std::string base = "www.example.com/files", path = "/setup\x80.exe";
    stuff.DownLoadFile(base, path);
    EXPECT_EQ("setup\x80.exe", path);
    EXPECT_EQ("www.example.com/files", base);
    EXPECT_EQ("http://www.example.com/files/", stuff.baseAddress());

    std::string none, second = "readme.txt";
    stuff.DownLoadFile(none, second);
    // The empty base takes the stored one; the stored one is not replaced.
    std::string other = "https://elsewhere.org/", third = "a.zip";
    stuff.DownLoadFile(other, third);
    EXPECT_EQ((std::vector<std::u16string>{u"http://www.example.com/files/setup\u20AC.exe",
                                           u"http://www.example.com/files/readme.txt",
                                           u"http://www.example.com/files/a.zip"}),
              fake.downloads);
    EXPECT_EQ("http://www.example.com/files/", none);
    EXPECT_TRUE(fake.messageBoxes.empty());

    for (const win::DWORD error : {win::ERROR_CALL_NOT_IMPLEMENTED, win::ERROR_ACCESS_DENIED}) {
        fake.clearLogs();
        fake.failOnNext("DoFileDownload", static_cast<std::int32_t>(error));
        std::string empty;
        stuff.DownLoadFile(empty, third);
        ASSERT_EQ(1u, fake.messageBoxes.size());
        EXPECT_EQ("An error has occured attempting to start download to http://www.example.com/files/a.zip.",
                  fake.messageBoxes[0].prompt);
        EXPECT_EQ(rt::vbCritical, fake.messageBoxes[0].style);
        EXPECT_EQ("Error", fake.messageBoxes[0].title);
    }
}

// 4 KiB clusters of eight 512-byte sectors, 6 GiB free of 6 GiB: the 95 family
// caps the cluster counts at 2 GiB, where Windows 95 before OSR2 has no other way
// to count.
TEST_F(ApiStuff, FreeDiscSpaceCountsBytesBeyondTwoGigabytesWhereWindowsCan) {
    fake.freeBytes = 6ull << 30;
    for (const auto& [version, clusters] : {std::pair{fake::Version::Win95, 524287ll},
                                            {fake::Version::WinME, 1572864ll},
                                            {fake::Version::Win2000, 1572864ll}}) {
        fake.useVersion(version);
        const std::string count = std::to_string(clusters), bytes = std::to_string(clusters * 4096);
        EXPECT_EQ("Sectors per Cluster: 8\r\nBytes per sector: 512\r\nNumber Of Free Clusters: " + count +
                      "\r\nTotal Number Of Clusters: " + count +
                      "\r\nTotal number of bytes in path: " + bytes + "\r\nFree bytes: " + bytes + "\r\n",
                  stuff.FreeDiscSpace("C"));
    }
}

TEST_F(ApiStuff, EachDriveTypeHasItsName) {
    const std::pair<win::UINT, const char*> types[] = {
        {2, "Removable"}, {3, "Drive Fixed"},  {4, "Remote"},       {5, "CD-Rom"},
        {6, "Ram disk"},  {1, "Unrecognized"}, {0, "Unrecognized"}, {7, "Unrecognized"},
    };
    for (const auto& [type, name] : types) {
        fake.driveTypes["E:\\"] = type;
        EXPECT_EQ(name, stuff.Get_DriveType("e")) << type;
    }
}

TEST_F(ApiStuff, CancelEndsThisProgramAndLeavesWindowsAlone) {
    fake.answers = {rt::vbCancel};
    stuff.RestartWindows(true, true);
    EXPECT_EQ(1, programEnds);
    EXPECT_TRUE(fake.exitRequests.empty());
    EXPECT_TRUE(fake.messageBoxes.size() == 1 && stuff.lastAnswer() == rt::vbCancel);
}

// Flashing waits for the window to be drawn; a program started (or not) lets
// the program's windows answer again.
TEST_F(ApiStuff, PendingMessagesAreHandledBeforeAFlashAndAfterAStart) {
    stuff.FlashWin(0x1234, true);
    stuff.OpenEXE("C:\\missing.exe");
    EXPECT_EQ((std::vector<std::string>{"pending messages", "FlashWindow()", "Shell(\"C:\\missing.exe\", 1)",
                                        "pending messages"}),
              fake.log.lines);
}

} // namespace
