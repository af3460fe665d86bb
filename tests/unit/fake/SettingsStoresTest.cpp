// The user32 and gdi32 stores of the fake: SystemParametersInfoA by its data
// table, metrics, colours and cursors, as the settings classes use them.
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr win::UINT SPIF_BOTH = 3;

void* asPointer(std::uintptr_t value) {
    return reinterpret_cast<void*>(value);
}

TEST(FakeSpi, ValueInPvParamSettingsStoreTheValueItselfAsABoolean) {
    fake::FakeWindows windows;
    const std::uintptr_t allBits = static_cast<std::uintptr_t>(-1);
    ASSERT_TRUE(windows.SystemParametersInfoA(0x1003, 0, asPointer(0), SPIF_BOTH)); // SPI_SETMENUANIMATION
    win::DWORD value = 0xAAAA;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x1002, 0, &value, 0));
    EXPECT_EQ(0u, value);
    ASSERT_TRUE(windows.SystemParametersInfoA(0x1003, 0, asPointer(allBits), SPIF_BOTH));
    ASSERT_TRUE(windows.SystemParametersInfoA(0x1002, 0, &value, 0));
    EXPECT_EQ(1u, value);

    ASSERT_TRUE(
        windows.SystemParametersInfoA(0x2001, 0, asPointer(123456), SPIF_BOTH)); // foreground lock time-out
    EXPECT_EQ(123456, windows.spiValue(0x2000));
    ASSERT_EQ(5u, windows.spiCalls().size());
    EXPECT_EQ(123456u, windows.spiCalls().back().pvValue);
}

TEST(FakeSpi, ValueInUiParamSettingsAndTheMetricsBehindThem) {
    fake::FakeWindows windows;
    int scratch = 0;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x0F, 600, &scratch, SPIF_BOTH)); // SPI_SETSCREENSAVETIMEOUT
    win::DWORD seconds = 0;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x0E, 0, &seconds, 0));
    EXPECT_EQ(600u, seconds);

    ASSERT_TRUE(windows.SystemParametersInfoA(0x1D, 9, nullptr, SPIF_BOTH)); // SPI_SETDOUBLECLKWIDTH
    EXPECT_EQ(9, windows.GetSystemMetrics(36));
    ASSERT_TRUE(windows.SystemParametersInfoA(0x21, 1, nullptr, SPIF_BOTH)); // SPI_SETMOUSEBUTTONSWAP
    EXPECT_EQ(1, windows.GetSystemMetrics(23));

    EXPECT_TRUE(windows.SystemParametersInfoA(0x11, 0, nullptr, 0)); // SPI_SETSCREENSAVEACTIVE off
    EXPECT_EQ(0, windows.spiValue(0x10));
}

// SPI_ICONHORIZONTALSPACING reads into a non-null pvParam and sets from uiParam
// only when pvParam is null, as Windows does.
TEST(FakeSpi, IconSpacingReadsWhenGivenABuffer) {
    fake::FakeWindows windows;
    int spacing = 0;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x0D, 100, &spacing, SPIF_BOTH));
    EXPECT_EQ(75, spacing);
    EXPECT_EQ(75, windows.GetSystemMetrics(38));
    ASSERT_TRUE(windows.SystemParametersInfoA(0x0D, 100, nullptr, SPIF_BOTH));
    EXPECT_EQ(100, windows.GetSystemMetrics(38));
    ASSERT_TRUE(windows.SystemParametersInfoA(0x0D, 5, nullptr, SPIF_BOTH));
    EXPECT_EQ(32, windows.GetSystemMetrics(38));
}

TEST(FakeSpi, StructuresCheckTheirSizeField) {
    fake::FakeWindows windows;
    win::NONCLIENTMETRICSA metrics{};
    EXPECT_FALSE(windows.SystemParametersInfoA(0x29, sizeof metrics, &metrics, 0));
    EXPECT_EQ(87u, windows.GetLastError());
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x29, sizeof metrics, &metrics, 0));
    EXPECT_STREQ("MS Sans Serif", metrics.lfCaptionFont.lfFaceName);
    EXPECT_EQ(700, metrics.lfCaptionFont.lfWeight);

    metrics.iScrollWidth = 21;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x2A, sizeof metrics, &metrics, SPIF_BOTH));
    EXPECT_EQ(21, windows.spiStructure<win::NONCLIENTMETRICSA>(0x29).iScrollWidth);
}

TEST(FakeSpi, IconMetricsAreMadeOfTheIconSettings) {
    fake::FakeWindows windows;
    win::LOGFONTA font{};
    ASSERT_TRUE(windows.SystemParametersInfoA(0x1F, 0, &font, 0));
    std::strcpy(font.lfFaceName, "Tahoma");
    font.lfHeight = -15;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x22, sizeof font, &font, SPIF_BOTH));

    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x2D, sizeof metrics, &metrics, 0));
    EXPECT_STREQ("Tahoma", metrics.lfFont.lfFaceName);
    EXPECT_EQ(-15, metrics.lfFont.lfHeight);
    EXPECT_EQ(windows.GetSystemMetrics(38), metrics.iHorzSpacing);
    EXPECT_EQ(1, metrics.iTitleWrap);
}

TEST(FakeSpi, WallpaperTextIsCutToTheBuffer) {
    fake::FakeWindows windows;
    char path[] = "C:\\WINDOWS\\Forest.bmp";
    ASSERT_TRUE(windows.SystemParametersInfoA(20, 0, path, SPIF_BOTH));
    EXPECT_EQ("C:\\WINDOWS\\Forest.bmp", windows.deskWallpaper());
    char buffer[12];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_TRUE(windows.SystemParametersInfoA(0x73, 8, buffer, 0));
    EXPECT_STREQ("C:\\WIND", buffer);
    EXPECT_EQ('#', buffer[8]);
}

TEST(FakeSpi, WorkAreaFollowsTheScreenAndAccessibilityKeepsItsText) {
    fake::FakeWindows windows;
    windows.setScreenSize(800, 600);
    win::RECT area{};
    ASSERT_TRUE(windows.SystemParametersInfoA(0x30, 0, &area, 0));
    EXPECT_EQ(800, area.right);
    EXPECT_EQ(600 - 28, area.bottom);
    EXPECT_EQ(800, windows.GetSystemMetrics(0));

    win::HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    char scheme[] = "High Contrast White";
    contrast.lpszDefaultScheme = scheme;
    contrast.dwFlags = 1;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x43, sizeof contrast, &contrast, SPIF_BOTH));
    std::strcpy(scheme, "overwritten");
    win::HIGHCONTRASTA read{};
    read.cbSize = sizeof read;
    ASSERT_TRUE(windows.SystemParametersInfoA(0x42, sizeof read, &read, 0));
    EXPECT_EQ(1u, read.dwFlags);
    EXPECT_STREQ("High Contrast White", read.lpszDefaultScheme);
}

TEST(FakeSpi, UnknownActionsFailWithInvalidParameter) {
    fake::FakeWindows windows;
    windows.SetLastError(0);
    EXPECT_FALSE(windows.SystemParametersInfoA(0x9999, 0, nullptr, 0));
    EXPECT_EQ(87u, windows.GetLastError());
}

TEST(FakeColors, ClassicDefaultsAndOneRecordPerSetSysColors) {
    fake::FakeWindows windows;
    EXPECT_EQ(0xC0C0C0u, windows.GetSysColor(15)); // COLOR_BTNFACE
    EXPECT_EQ(0x808000u, windows.GetSysColor(1));  // COLOR_BACKGROUND, teal
    const win::INT indices[] = {4, 99, 9};
    const win::COLORREF colors[] = {0x010203, 0x040506, 0x070809};
    ASSERT_TRUE(windows.SetSysColors(3, indices, colors));
    EXPECT_EQ(0x010203u, windows.sysColor(4));
    EXPECT_EQ(0x070809u, windows.GetSysColor(9));
    EXPECT_EQ(0u, windows.GetSysColor(99));
    ASSERT_EQ(1u, windows.setSysColorsCalls().size());
    EXPECT_EQ(3u, windows.setSysColorsCalls()[0].size());
}

TEST(FakeCursors, OnlyRealCursorFilesLoadAndAHandleServesOnce) {
    fake::FakeWindows windows;
    windows.makeFile("C:\\c\\arrow.cur", std::string("\0\0\2\0\1\0", 6));
    windows.makeFile("C:\\c\\busy.ani", std::string("RIFF\4\0\0\0ACONanih", 16));
    windows.makeFile("C:\\c\\picture.bmp", "BM....");

    const win::HCURSOR arrow = windows.LoadCursorFromFileA("C:\\c\\arrow.cur");
    EXPECT_NE(0u, arrow);
    EXPECT_NE(0u, windows.LoadCursorFromFileA("c:\\C\\BUSY.ANI"));
    EXPECT_EQ(0u, windows.LoadCursorFromFileA("C:\\c\\picture.bmp"));
    EXPECT_EQ(13u, windows.GetLastError());
    EXPECT_EQ(0u, windows.LoadCursorFromFileA("C:\\c\\missing.cur"));
    EXPECT_EQ(2u, windows.GetLastError());

    EXPECT_TRUE(windows.SetSystemCursor(arrow, 32512));
    EXPECT_FALSE(windows.SetSystemCursor(arrow, 32514)); // Windows destroyed it
    EXPECT_FALSE(windows.SetSystemCursor(0, 32514));
    EXPECT_EQ("C:\\c\\arrow.cur", windows.systemCursorFile(32512));
    EXPECT_EQ("", windows.systemCursorFile(32514));
    ASSERT_EQ(3u, windows.setSystemCursorCalls().size());
    EXPECT_TRUE(windows.setSystemCursorCalls()[0].succeeded);
    EXPECT_FALSE(windows.setSystemCursorCalls()[1].succeeded);
}

TEST(FakeDisplay, DeviceCapsOfTheDisplayContext) {
    fake::FakeWindows windows;
    windows.setLogPixels(120);
    const win::HDC dc = windows.CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_NE(0u, dc);
    EXPECT_EQ(120, windows.GetDeviceCaps(dc, 90));
    EXPECT_TRUE(windows.DeleteDC(dc));
    EXPECT_EQ(0, windows.GetDeviceCaps(dc, 90));
    EXPECT_FALSE(windows.DeleteDC(dc));
}

TEST(FakeKeyboard, LockKeysToggleOnPressAndShowCursorCounts) {
    fake::FakeWindows windows;
    EXPECT_EQ(0, windows.GetKeyState(0x14) & 1);
    windows.keybd_event(0x14, 0, 1, 0);
    EXPECT_EQ(1, windows.GetKeyState(0x14) & 1);
    EXPECT_NE(0, windows.GetAsyncKeyState(0x14) & 0x8000);
    windows.keybd_event(0x14, 0, 3, 0);
    EXPECT_EQ(1, windows.GetKeyState(0x14) & 1);
    EXPECT_EQ(0, windows.GetAsyncKeyState(0x14));

    win::BYTE keys[256];
    ASSERT_TRUE(windows.GetKeyboardState(keys));
    keys[0x90] |= 1;
    ASSERT_TRUE(windows.SetKeyboardState(keys));
    EXPECT_EQ(1, windows.GetKeyState(0x90) & 1);

    EXPECT_EQ(-1, windows.ShowCursor(win::FALSE));
    EXPECT_EQ(-2, windows.ShowCursor(win::FALSE));
    EXPECT_EQ(-1, windows.ShowCursor(win::TRUE));
    EXPECT_EQ(-1, windows.cursorShowCount());
}

} // namespace
