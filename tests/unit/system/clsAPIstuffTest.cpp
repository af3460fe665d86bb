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
              fake.downloads);
    EXPECT_EQ("http://www.example.com/files/", none);
}

TEST_F(ApiStuff, FreeDiscSpaceCountsBytesBeyondFourGigabytes) {
    fake.useVersion(fake::Version::Win2000);
    fake.freeBytes = 6ull << 30;
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

} // namespace
