// Frame metrics: the snapshot taken at creation, the five fonts converted
// through the display's resolution, and the whole record written back by
// every size change.
#include "system/NonClientMetrics.h"

#include "fake/FakeWindows.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr win::UINT GetMetrics = win::SPI_GETNONCLIENTMETRICS;
constexpr win::UINT SetMetrics = win::SPI_SETNONCLIENTMETRICS;

class NonClientMetricsTest : public ::testing::Test {
protected:
    void SetUp() override {
        record = {sizeof record, 1, 16, 17, 18, 19, {}, 12, 13, {}, 20, 21, {}, {}, {}};
        record.lfCaptionFont = bytes::logFont("Tahoma", -11, 700, 0);
        record.lfSmCaptionFont = bytes::logFont("Small Fonts", -9, 400, 1);
        record.lfMenuFont = bytes::logFont("MS Sans Serif", -13, 400, 0);
        record.lfStatusFont = bytes::logFont("Arial", -16, 300, 0);
        record.lfMessageFont = bytes::logFont("", -12, 400, 0);
        record.lfStatusFont.lfUnderline = 1;
        record.lfMessageFont.lfStrikeOut = 1;
        windows.setSpiStructure(GetMetrics, record);
    }
    win::NONCLIENTMETRICSA saved() const { return windows.spiStructure<win::NONCLIENTMETRICSA>(GetMetrics); }

    fake::FakeWindows windows;
    win::NONCLIENTMETRICSA record{};
};

TEST_F(NonClientMetricsTest, FontsComeFromTheirOwnRecordsInPoints) {
    sys::NonClientMetrics metrics(windows);
    // 96 dpi: -11 pixels is 9 points (-floor(-8.25)), -13 is 10, -16 is 12.
    EXPECT_EQ(metrics.CaptionFont().Size, 9);
    EXPECT_EQ(metrics.CaptionFont().Weight, 700);
    EXPECT_EQ(metrics.CaptionFont().FaceName, "Tahoma");
    EXPECT_TRUE(metrics.SmallCaptionFont().Italic);
    EXPECT_EQ(metrics.SmallCaptionFont().FaceName, "Small Fonts");
    EXPECT_EQ(metrics.MenuFont().Size, 10);
    EXPECT_TRUE(metrics.StatusFont().Underline);
    EXPECT_EQ(metrics.StatusFont().Size, 12);
    EXPECT_TRUE(metrics.MessageFont().StrikeOut);
    EXPECT_EQ(metrics.MessageFont().FaceName, "");
    EXPECT_FALSE(metrics.CaptionFont().Italic);
    EXPECT_EQ(metrics.MenuButtonHeight(), 21);
}

TEST_F(NonClientMetricsTest, SizeWriteSavesTheWholeSnapshotWithEditedFonts) {
    sys::NonClientMetrics metrics(windows);
    sys::Font& menu = metrics.MenuFont();
    menu.Size = 9;
    menu.Italic = true;
    menu.Weight = 700;
    menu.FaceName = "A face name that is longer than thirty-one bytes";
    windows.clearLogs();
    metrics.BorderWidth(3);

    ASSERT_EQ(windows.settings.spi.calls.size(), 1u);
    EXPECT_EQ(windows.settings.spi.calls[0].action, SetMetrics);
    EXPECT_EQ(windows.settings.spi.calls[0].uiParam, sizeof(win::NONCLIENTMETRICSA));
    EXPECT_EQ(windows.settings.spi.calls[0].fWinIni, 3u);

    const win::NONCLIENTMETRICSA after = saved();
    EXPECT_EQ(after.iBorderWidth, 3);
    EXPECT_EQ(after.iMenuHeight, 21);
    EXPECT_EQ(after.iSmCaptionWidth, 12);
    EXPECT_EQ(after.lfMenuFont.lfHeight, -12); // 9 points at 96 dpi
    EXPECT_EQ(after.lfMenuFont.lfItalic, 255);
    EXPECT_EQ(after.lfMenuFont.lfWeight, 700);
    EXPECT_EQ(std::string(after.lfMenuFont.lfFaceName), "A face name that is longer than");
    EXPECT_EQ(after.lfMenuFont.lfCharSet, 238); // untouched fields keep their values
    EXPECT_EQ(after.lfMenuFont.lfWidth, 7);
    // The other fonts go back as they came: face, size, flags; a shorter face
    // name leaves the bytes after its NUL as Windows gave them.
    EXPECT_EQ(after.lfCaptionFont.lfHeight, -12);
    EXPECT_EQ(after.lfCaptionFont.lfFaceName[7], 'x');
    EXPECT_EQ(std::string(after.lfSmCaptionFont.lfFaceName), "Small Fonts");
    EXPECT_EQ(after.lfSmCaptionFont.lfItalic, 255);
    EXPECT_EQ(after.lfStatusFont.lfUnderline, 255);
    EXPECT_EQ(after.lfMessageFont.lfStrikeOut, 255);
    EXPECT_EQ(after.lfCaptionFont.lfItalic, 0);
}

TEST_F(NonClientMetricsTest, SnapshotIsNotRefreshedAndEachObjectSavesItsOwn) {
    sys::NonClientMetrics first(windows);
    sys::NonClientMetrics second(windows);
    second.ScrollWidth(30);
    EXPECT_EQ(first.ScrollWidth(), 16);
    first.CaptionHeight(25);
    EXPECT_EQ(saved().iScrollWidth, 16);
    EXPECT_EQ(saved().iCaptionHeight, 25);
}

} // namespace
