#include "system/ScreenInfo.h"

#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "platform/Settings.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace sys {
namespace screen {

// SPI_GETDESKWALLPAPER's buffer: MAX_PATH characters, terminator included.
constexpr win::UINT WallpaperBufferSize = 260;
// The longest face name lfFaceName holds before its NUL.
constexpr std::size_t MaxFaceNameBytes = sizeof(win::LOGFONTA::lfFaceName) - 1;

static_assert(sizeof(win::LOGFONTA) == 60, "LOGFONTA layout");
static_assert(sizeof(win::ICONMETRICSA) == 76, "ICONMETRICSA layout");
static_assert(sizeof(win::ANIMATIONINFO) == 8, "ANIMATIONINFO layout");

std::int32_t checkedProduct(std::int32_t a, std::int32_t b) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max())
        throw rt::Error(rt::ErrOverflow);
    return static_cast<std::int32_t>(product);
}

} // namespace screen

using namespace screen;
using namespace win;

ScreenInfo::ScreenInfo(win::WindowsApi& api) : api_(api), gates_(api) {}

bool ScreenInfo::passes(win::VersionGate gate) {
    return admitted(gates_, gate, RaiseErrors, "Screen");
}

win::BOOL ScreenInfo::spi(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni) {
    return api_.SystemParametersInfoA(action, uiParam, pvParam, fWinIni);
}

std::int32_t ScreenInfo::readSetting(win::UINT action) {
    const win::Setting& row = win::setting(action);
    return passes(row.gate) ? sys::readSetting(api_, row) : 0;
}

void ScreenInfo::writeSetting(win::UINT action, std::int32_t value) {
    const win::Setting& row = win::setting(action);
    if (passes(row.gate))
        sys::writeSetting(api_, row, value);
}

std::int32_t ScreenInfo::readMetric(int index, win::VersionGate gate) {
    if (!passes(gate))
        return 0;
    return api_.GetSystemMetrics(index);
}

#define SCREEN_SWITCH(Name, Get, Set)                                                                        \
    bool ScreenInfo::Name() {                                                                                \
        return readSetting(win::Get) != 0;                                                                   \
    }                                                                                                        \
    void ScreenInfo::Name(bool value) {                                                                      \
        writeSetting(win::Set, windowsBool(value));                                                          \
    }

SCREEN_SWITCH(MenuAnimation, SPI_GETMENUANIMATION, SPI_SETMENUANIMATION)
SCREEN_SWITCH(MenuFade, SPI_GETMENUFADE, SPI_SETMENUFADE)
SCREEN_SWITCH(ComboBoxAnimation, SPI_GETCOMBOBOXANIMATION, SPI_SETCOMBOBOXANIMATION)
SCREEN_SWITCH(ListboxSmoothScrolling, SPI_GETLISTBOXSMOOTHSCROLLING, SPI_SETLISTBOXSMOOTHSCROLLING)
SCREEN_SWITCH(GradientCaptions, SPI_GETGRADIENTCAPTIONS, SPI_SETGRADIENTCAPTIONS)
SCREEN_SWITCH(MenuKeysAlwaysUnderlined, SPI_GETKEYBOARDCUES, SPI_SETKEYBOARDCUES)
SCREEN_SWITCH(HotTracking, SPI_GETHOTTRACKING, SPI_SETHOTTRACKING)
SCREEN_SWITCH(SelectionFade, SPI_GETSELECTIONFADE, SPI_SETSELECTIONFADE)
SCREEN_SWITCH(TooltipAnimation, SPI_GETTOOLTIPANIMATION, SPI_SETTOOLTIPANIMATION)
SCREEN_SWITCH(TooltipFade, SPI_GETTOOLTIPFADE, SPI_SETTOOLTIPFADE)
SCREEN_SWITCH(UIEffects, SPI_GETUIEFFECTS, SPI_SETUIEFFECTS)

#undef SCREEN_SWITCH

std::int32_t ScreenInfo::ForegroundLockTimeOut() {
    return readSetting(win::SPI_GETFOREGROUNDLOCKTIMEOUT);
}
void ScreenInfo::ForegroundLockTimeOut(std::int32_t milliseconds) {
    writeSetting(win::SPI_SETFOREGROUNDLOCKTIMEOUT, milliseconds);
}
std::int32_t ScreenInfo::ForegroundFlashCount() {
    return readSetting(win::SPI_GETFOREGROUNDFLASHCOUNT);
}
void ScreenInfo::ForegroundFlashCount(std::int32_t Count) {
    writeSetting(win::SPI_SETFOREGROUNDFLASHCOUNT, Count);
}

#define SCREEN_METRIC(Name, Index, GateKind)                                                                 \
    std::int32_t ScreenInfo::Name() {                                                                        \
        return readMetric(win::Index, win::VersionGate::GateKind);                                           \
    }
#define SCREEN_METRIC_BOOL(Name, Index, GateKind)                                                            \
    bool ScreenInfo::Name() {                                                                                \
        return readMetric(win::Index, win::VersionGate::GateKind) != 0;                                      \
    }

SCREEN_METRIC(ScreenX, SM_CXSCREEN, None)
SCREEN_METRIC(ScreenY, SM_CYSCREEN, None)
SCREEN_METRIC(IconSizeX, SM_CXICON, None)
SCREEN_METRIC(IconSizeY, SM_CYICON, None)
SCREEN_METRIC(CaptionBarButtonX, SM_CXSIZE, None)
SCREEN_METRIC(CaptionBarButtonY, SM_CYSIZE, None)
SCREEN_METRIC(FullScreenX, SM_CXFULLSCREEN, None)
SCREEN_METRIC(FullScreenY, SM_CYFULLSCREEN, None)
SCREEN_METRIC(IconSpacingX, SM_CXICONSPACING, None)
SCREEN_METRIC(IconSpacingY, SM_CYICONSPACING, None)
SCREEN_METRIC(MaximizedX, SM_CXMAXIMIZED, None)
SCREEN_METRIC(MaximizedY, SM_CYMAXIMIZED, None)
SCREEN_METRIC(MaxTrackX, SM_CXMAXTRACK, None)
SCREEN_METRIC(MaxTrackY, SM_CYMAXTRACK, None)
SCREEN_METRIC(MenuCheckX, SM_CXMENUCHECK, None)
SCREEN_METRIC(MenuCheckY, SM_CYMENUCHECK, None)
SCREEN_METRIC(MinimumX, SM_CXMIN, None)
SCREEN_METRIC(MinimumY, SM_CYMIN, None)
SCREEN_METRIC(MinimizedX, SM_CXMINIMIZED, None)
SCREEN_METRIC(MinimizedY, SM_CYMINIMIZED, None)
SCREEN_METRIC(MinSpacingX, SM_CXMINSPACING, None)
SCREEN_METRIC(MinSpacingY, SM_CYMINSPACING, None)
SCREEN_METRIC(MinTrackX, SM_CXMINTRACK, None)
SCREEN_METRIC(MinTrackY, SM_CYMINTRACK, None)
SCREEN_METRIC(SmallIconX, SM_CXSMICON, None)
SCREEN_METRIC(SmallIconY, SM_CYSMICON, None)
SCREEN_METRIC(WindowBorderX, SM_CXBORDER, None)
SCREEN_METRIC(WindowBorderY, SM_CYBORDER, None)
SCREEN_METRIC(VerticalScrollX, SM_CXVSCROLL, None)
SCREEN_METRIC(VerticalScrollY, SM_CYVSCROLL, None)
SCREEN_METRIC(HorizontalScrollX, SM_CXHSCROLL, None)
SCREEN_METRIC(HorizontalScrollY, SM_CYHSCROLL, None)
SCREEN_METRIC(FixedBorderX, SM_CXFIXEDFRAME, None)
SCREEN_METRIC(FixedBorderY, SM_CYFIXEDFRAME, None)
SCREEN_METRIC(ThumbX, SM_CXHTHUMB, None)
SCREEN_METRIC(ThumbY, SM_CYVTHUMB, None)
SCREEN_METRIC(SizingBorderX, SM_CXSIZEFRAME, None)
SCREEN_METRIC(SizingBorderY, SM_CYSIZEFRAME, None)
SCREEN_METRIC(Border3DX, SM_CXEDGE, None)
SCREEN_METRIC(Border3DY, SM_CYEDGE, None)
SCREEN_METRIC(CaptionButtonX, SM_CXSMSIZE, None)
SCREEN_METRIC(CaptionButtonY, SM_CYSMSIZE, None)
SCREEN_METRIC(MenuBarButtonsX, SM_CXMENUSIZE, None)
SCREEN_METRIC(MenuBarButtonsY, SM_CYMENUSIZE, None)
SCREEN_METRIC(KanjiWindow, SM_CYKANJIWINDOW, None)
SCREEN_METRIC(CaptionHeight, SM_CYCAPTION, None)
SCREEN_METRIC(MenuHeight, SM_CYMENU, None)
SCREEN_METRIC(SmallCaption, SM_CYSMCAPTION, None)
SCREEN_METRIC_BOOL(PenWindows, SM_PENWINDOWS, None)
SCREEN_METRIC(VirtualScreenX, SM_XVIRTUALSCREEN, WinLevel5)
SCREEN_METRIC(VirtualScreenY, SM_YVIRTUALSCREEN, WinLevel5)
SCREEN_METRIC(VirtualScreenWidth, SM_CXVIRTUALSCREEN, WinLevel5)
SCREEN_METRIC(VirtualScreenHeight, SM_CYVIRTUALSCREEN, WinLevel5)
SCREEN_METRIC(MonitorCount, SM_CMONITORS, WinLevel5)
SCREEN_METRIC_BOOL(SameDisplayFormat, SM_SAMEDISPLAYFORMAT, WinLevel5)

#undef SCREEN_METRIC
#undef SCREEN_METRIC_BOOL

std::string ScreenInfo::DesktopWallpaper() {
    if (!passes(win::setting(win::SPI_GETDESKWALLPAPER).gate))
        return std::string();
    std::string buffer(WallpaperBufferSize, '\0');
    spi(SPI_GETDESKWALLPAPER, WallpaperBufferSize, buffer.data(), NoUpdate);
    return rt::UpToNul(buffer);
}

void ScreenInfo::DesktopWallpaper(const std::string& BitmapFileName) {
    // Windows reads the path up to its NUL; the copy gives it a writable buffer.
    std::string path = BitmapFileName;
    spi(SPI_SETDESKWALLPAPER, 0, path.data(), UpdateAndBroadcast);
}

std::int32_t ScreenInfo::BorderMultiplier() {
    return readSetting(win::SPI_GETBORDER);
}
void ScreenInfo::BorderMultiplier(std::int32_t value) {
    writeSetting(win::SPI_SETBORDER, value);
}
bool ScreenInfo::DragFullWindows() {
    return readSetting(win::SPI_GETDRAGFULLWINDOWS) != 0;
}
void ScreenInfo::DragFullWindows(bool DragOn) {
    writeSetting(win::SPI_SETDRAGFULLWINDOWS, windowsBool(DragOn));
}
std::int32_t ScreenInfo::GridGranularity() {
    // Only the low word holds the granularity, as a signed 16-bit number.
    const std::int32_t value = readSetting(win::SPI_GETGRIDGRANULARITY);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}
void ScreenInfo::GridGranularity(std::int32_t value) {
    writeSetting(win::SPI_SETGRIDGRANULARITY, value);
}
std::int32_t ScreenInfo::IconHorizontalSpacing() {
    return readSetting(win::SPI_ICONHORIZONTALSPACING);
}
void ScreenInfo::IconHorizontalSpacing(std::int32_t value) {
    writeSetting(win::SPI_ICONHORIZONTALSPACING, value);
}
std::int32_t ScreenInfo::IconVerticalSpacing() {
    return readSetting(win::SPI_ICONVERTICALSPACING);
}
void ScreenInfo::IconVerticalSpacing(std::int32_t value) {
    writeSetting(win::SPI_ICONVERTICALSPACING, value);
}
bool ScreenInfo::IconTitleWrap() {
    return readSetting(win::SPI_GETICONTITLEWRAP) != 0;
}
void ScreenInfo::IconTitleWrap(bool value) {
    writeSetting(win::SPI_SETICONTITLEWRAP, windowsBool(value));
}
bool ScreenInfo::MenuDropAlignment() {
    return readSetting(win::SPI_GETMENUDROPALIGNMENT) != 0;
}
void ScreenInfo::MenuDropAlignment(bool value) {
    writeSetting(win::SPI_SETMENUDROPALIGNMENT, windowsBool(value));
}

bool ScreenInfo::MinAnimation() {
    win::ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    spi(SPI_GETANIMATION, sizeof info, &info, NoUpdate);
    return info.iMinAnimate != 0;
}

void ScreenInfo::MinAnimation(bool Animate) {
    win::ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    info.iMinAnimate = windowsBool(Animate);
    spi(SPI_SETANIMATION, sizeof info, &info, UpdateAndBroadcast);
}

void ScreenInfo::SetDeskPattern() {
    // An empty pattern string; no profile update, no broadcast.
    std::int32_t emptyPattern = 0;
    spi(SPI_SETDESKPATTERN, 0, &emptyPattern, NoUpdate);
}

win::LOGFONTA ScreenInfo::iconTitleFont() {
    win::LOGFONTA font{};
    spi(SPI_GETICONTITLELOGFONT, 0, &font, NoUpdate);
    return font;
}

std::string ScreenInfo::IconFontName() {
    const win::LOGFONTA font = iconTitleFont();
    return rt::UpToNul({font.lfFaceName, sizeof font.lfFaceName});
}

void ScreenInfo::IconFontName(const std::string& name) {
    // 1. The current icon metrics carry the current icon-title font.
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    spi(SPI_GETICONMETRICS, sizeof metrics, &metrics, NoUpdate);

    // 2. At most 31 bytes and a NUL; the bytes after the NUL keep what Windows left there.
    const std::size_t length = std::min(name.size(), MaxFaceNameBytes);
    std::memcpy(metrics.lfFont.lfFaceName, name.data(), length);
    metrics.lfFont.lfFaceName[length] = '\0';

    // 3. Every other font field as Windows reported it.
    spi(SPI_SETICONTITLELOGFONT, sizeof metrics.lfFont, &metrics.lfFont, UpdateAndBroadcast);
}

std::int16_t ScreenInfo::IconFontSize() {
    const std::int32_t dpi = displayDpi(api_);
    const win::LOGFONTA font = iconTitleFont();
    // Without a display context there is no scale to convert by.
    if (dpi <= 0)
        return 0;
    const double points = -std::floor(static_cast<double>(checkedProduct(font.lfHeight, 72)) / dpi);
    if (points < std::numeric_limits<std::int16_t>::min() ||
        points > std::numeric_limits<std::int16_t>::max())
        throw rt::Error(rt::ErrOverflow);
    return static_cast<std::int16_t>(points);
}

void ScreenInfo::IconFontSize(std::int16_t Size) {
    // 1. The display's scale and the current font.
    const std::int32_t dpi = displayDpi(api_);
    win::LOGFONTA font = iconTitleFont();
    if (dpi <= 0)
        return;

    // 2. Points to a character height in pixels (negative: the em height).
    font.lfHeight =
        static_cast<win::LONG>(-std::floor(static_cast<double>(checkedProduct(Size, dpi)) / 72.0));

    // 3. Store and announce.
    spi(SPI_SETICONTITLELOGFONT, sizeof font, &font, UpdateAndBroadcast);
}

void ScreenInfo::GetWorkarea(std::int32_t& Left, std::int32_t& Top, std::int32_t& Right,
                             std::int32_t& Bottom) {
    win::RECT area{};
    spi(SPI_GETWORKAREA, 0, &area, NoUpdate);
    Left = area.left;
    Top = area.top;
    Right = area.right;
    Bottom = area.bottom;
}

void ScreenInfo::SetWorkArea(std::optional<std::int32_t> Left, std::optional<std::int32_t> Top,
                             std::optional<std::int32_t> Right, std::optional<std::int32_t> Bottom) {
    // 1. The current work area.
    win::RECT area{};
    spi(SPI_GETWORKAREA, 0, &area, NoUpdate);

    // 2. Only the edges supplied move.
    area.left = Left.value_or(area.left);
    area.top = Top.value_or(area.top);
    area.right = Right.value_or(area.right);
    area.bottom = Bottom.value_or(area.bottom);

    // 3. Store and announce.
    spi(SPI_SETWORKAREA, 0, &area, UpdateAndBroadcast);
}

} // namespace sys
