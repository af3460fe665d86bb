// Screen and desktop settings: the conversions ScreenInfo makes on the way to and from Windows (the grid's
// signed low word, the icon font's points at the display's resolution).
#include "system/ScreenInfo.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using sys::ScreenInfo;

class ScreenInfoTest : public ::testing::Test {
protected:
    void SetUp() override { windows.useVersion(fake::Version::Win2000); }
    fake::FakeWindows windows;
};

TEST_F(ScreenInfoTest, GridGranularityKeepsTheSignedLowWord) {
    ScreenInfo screen(windows);
    const struct {
        win::UINT stored;
        std::int32_t read;
    } rows[] = {{0x0001FFFF, -1}, {0x8000, -32768}, {0x00012345, 0x2345}};
    for (const auto& row : rows) {
        windows.setSpiValue(win::SPI_GETGRIDGRANULARITY, row.stored);
        EXPECT_EQ(screen.GridGranularity(), row.read) << row.stored;
    }
}

void useIconFont(fake::FakeWindows& windows, const win::LOGFONTA& font) {
    win::LOGFONTA copy = font;
    windows.SystemParametersInfoA(win::SPI_SETICONTITLELOGFONT, sizeof copy, &copy, 0);
}

// Points from the height at the display's dots per inch, rounded up; the height
// written for the points. The display's context is released again.
TEST_F(ScreenInfoTest, IconFontSizeConvertsAtTheDisplaysResolution) {
    const struct {
        int dpi;
        win::LONG height;
        std::int16_t points;
    } rows[] = {{96, -12, 9}, {120, -15, 9}, {96, -16, 12}, {120, -20, 12}, {96, -11, 9}};
    for (const auto& row : rows) {
        windows.settings.logPixels = row.dpi;
        useIconFont(windows, bytes::logFont("Tahoma", row.height));
        ScreenInfo screen(windows);
        windows.clearLogs();
        EXPECT_EQ(screen.IconFontSize(), row.points) << row.height << " at " << row.dpi;
        int created = 0, deleted = 0;
        for (const std::string& line : windows.log.lines) {
            created += line.rfind("CreateICA(", 0) == 0;
            deleted += line.rfind("DeleteDC(", 0) == 0;
        }
        EXPECT_EQ(created, deleted);

        screen.IconFontSize(row.points);
        const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(win::SPI_GETICONTITLELOGFONT);
        EXPECT_EQ(stored.lfHeight, -static_cast<win::LONG>(row.points * row.dpi / 72));
        EXPECT_STREQ(stored.lfFaceName, "Tahoma");
    }
}

TEST_F(ScreenInfoTest, IconFontSizeWithoutADisplayContextReadsZeroAndWritesNothing) {
    // No context gives no dpi to scale by: nothing sensible to divide by.
    useIconFont(windows, bytes::logFont("Tahoma", -11));
    windows.failOnNext("CreateICA", win::ERROR_NOT_ENOUGH_MEMORY, 1);
    windows.failOnNext("CreateICA", win::ERROR_NOT_ENOUGH_MEMORY, 2);
    ScreenInfo screen(windows);
    EXPECT_EQ(screen.IconFontSize(), 0);
    screen.IconFontSize(12);
    EXPECT_EQ(windows.spiStructure<win::LOGFONTA>(win::SPI_GETICONTITLELOGFONT).lfHeight, -11);
}

} // namespace
