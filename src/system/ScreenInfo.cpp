#include "system/ScreenInfo.h"

#include "runtime/Error.h"
#include "platform/WindowsApi.h"
#include "system/VersionGates.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace sys {
namespace screen {

// SystemParametersInfoA actions used here.
enum : win::UINT {
    SPI_GETBORDER = 0x0005,
    SPI_SETBORDER = 0x0006,
    SPI_ICONHORIZONTALSPACING = 0x000D,
    SPI_GETGRIDGRANULARITY = 0x0012,
    SPI_SETGRIDGRANULARITY = 0x0013,
    SPI_SETDESKWALLPAPER = 0x0014,
    SPI_SETDESKPATTERN = 0x0015,
    SPI_ICONVERTICALSPACING = 0x0018,
    SPI_GETICONTITLEWRAP = 0x0019,
    SPI_SETICONTITLEWRAP = 0x001A,
    SPI_GETMENUDROPALIGNMENT = 0x001B,
    SPI_SETMENUDROPALIGNMENT = 0x001C,
    SPI_GETICONTITLELOGFONT = 0x001F,
    SPI_SETICONTITLELOGFONT = 0x0022,
    SPI_SETDRAGFULLWINDOWS = 0x0025,
    SPI_GETDRAGFULLWINDOWS = 0x0026,
    SPI_GETICONMETRICS = 0x002D,
    SPI_SETWORKAREA = 0x002F,
    SPI_GETWORKAREA = 0x0030,
    SPI_GETANIMATION = 0x0048,
    SPI_SETANIMATION = 0x0049,
    SPI_GETDESKWALLPAPER = 0x0073,
    SPI_GETMENUANIMATION = 0x1002,
    SPI_SETMENUANIMATION = 0x1003,
    SPI_GETCOMBOBOXANIMATION = 0x1004,
    SPI_SETCOMBOBOXANIMATION = 0x1005,
    SPI_GETLISTBOXSMOOTHSCROLLING = 0x1006,
    SPI_SETLISTBOXSMOOTHSCROLLING = 0x1007,
    SPI_GETGRADIENTCAPTIONS = 0x1008,
    SPI_SETGRADIENTCAPTIONS = 0x1009,
    SPI_GETKEYBOARDCUES = 0x100A,
    SPI_SETKEYBOARDCUES = 0x100B,
    SPI_GETHOTTRACKING = 0x100E,
    SPI_SETHOTTRACKING = 0x100F,
    SPI_GETMENUFADE = 0x1012,
    SPI_SETMENUFADE = 0x1013,
    SPI_GETSELECTIONFADE = 0x1014,
    SPI_SETSELECTIONFADE = 0x1015,
    SPI_GETTOOLTIPANIMATION = 0x1016,
    SPI_SETTOOLTIPANIMATION = 0x1017,
    SPI_GETTOOLTIPFADE = 0x1018,
    SPI_SETTOOLTIPFADE = 0x1019,
    SPI_GETUIEFFECTS = 0x103E,
    SPI_SETUIEFFECTS = 0x103F,
    SPI_GETFOREGROUNDLOCKTIMEOUT = 0x2000,
    SPI_SETFOREGROUNDLOCKTIMEOUT = 0x2001,
    SPI_GETFOREGROUNDFLASHCOUNT = 0x2004,
    SPI_SETFOREGROUNDFLASHCOUNT = 0x2005,
};

// GetSystemMetrics indices used here.
enum : int {
    SM_CXSCREEN = 0,
    SM_CYSCREEN = 1,
    SM_CXVSCROLL = 2,
    SM_CYHSCROLL = 3,
    SM_CYCAPTION = 4,
    SM_CXBORDER = 5,
    SM_CYBORDER = 6,
    SM_CXFIXEDFRAME = 7,
    SM_CYFIXEDFRAME = 8,
    SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10,
    SM_CXICON = 11,
    SM_CYICON = 12,
    SM_CYMENU = 15,
    SM_CXFULLSCREEN = 16,
    SM_CYFULLSCREEN = 17,
    SM_CYKANJIWINDOW = 18,
    SM_CYVSCROLL = 20,
    SM_CXHSCROLL = 21,
    SM_CXMIN = 28,
    SM_CYMIN = 29,
    SM_CXSIZE = 30,
    SM_CYSIZE = 31,
    SM_CXSIZEFRAME = 32,
    SM_CYSIZEFRAME = 33,
    SM_CXMINTRACK = 34,
    SM_CYMINTRACK = 35,
    SM_CXICONSPACING = 38,
    SM_CYICONSPACING = 39,
    SM_PENWINDOWS = 41,
    SM_CXEDGE = 45,
    SM_CYEDGE = 46,
    SM_CXMINSPACING = 47,
    SM_CYMINSPACING = 48,
    SM_CXSMICON = 49,
    SM_CYSMICON = 50,
    SM_CYSMCAPTION = 51,
    SM_CXSMSIZE = 52,
    SM_CYSMSIZE = 53,
    SM_CXMENUSIZE = 54,
    SM_CYMENUSIZE = 55,
    SM_CXMINIMIZED = 57,
    SM_CYMINIMIZED = 58,
    SM_CXMAXTRACK = 59,
    SM_CYMAXTRACK = 60,
    SM_CXMAXIMIZED = 61,
    SM_CYMAXIMIZED = 62,
    SM_CXMENUCHECK = 71,
    SM_CYMENUCHECK = 72,
    SM_XVIRTUALSCREEN = 76,
    SM_YVIRTUALSCREEN = 77,
    SM_CXVIRTUALSCREEN = 78,
    SM_CYVIRTUALSCREEN = 79,
    SM_CMONITORS = 80,
    SM_SAMEDISPLAYFORMAT = 81,
};

constexpr int LOGPIXELSY = 90;
// SPIF_UPDATEINIFILE | SPIF_SENDCHANGE: store in the profile and tell every window.
constexpr win::UINT UpdateAndBroadcast = 3;
constexpr win::UINT NoUpdate = 0;
// SPI_GETDESKWALLPAPER's buffer: MAX_PATH characters, terminator included.
constexpr win::UINT WallpaperBufferSize = 260;
// The longest face name lfFaceName holds before its NUL.
constexpr std::size_t MaxFaceNameBytes = sizeof(win::LOGFONTA::lfFaceName) - 1;

static_assert(sizeof(win::LOGFONTA) == 60, "LOGFONTA layout");
static_assert(sizeof(win::ICONMETRICSA) == 76, "ICONMETRICSA layout");
static_assert(sizeof(win::ANIMATIONINFO) == 8, "ANIMATIONINFO layout");

enum class Gate : int { None, WinLevel5, Win2000 };

// Settings that take their new state in pvParam rather than uiParam (the 0x10xx
// effects and the 0x200x foreground rules): read through the address of a 32-bit
// value, written with the value itself as the pointer.
struct SwitchEntry {
    win::UINT getAction;
    win::UINT setAction;
    Gate gate;
};

constexpr SwitchEntry MenuAnimation{SPI_GETMENUANIMATION, SPI_SETMENUANIMATION, Gate::WinLevel5};
constexpr SwitchEntry MenuFade{SPI_GETMENUFADE, SPI_SETMENUFADE, Gate::Win2000};
constexpr SwitchEntry ComboBoxAnimation{SPI_GETCOMBOBOXANIMATION, SPI_SETCOMBOBOXANIMATION, Gate::WinLevel5};
constexpr SwitchEntry ListboxSmoothScrolling{SPI_GETLISTBOXSMOOTHSCROLLING, SPI_SETLISTBOXSMOOTHSCROLLING,
                                             Gate::WinLevel5};
constexpr SwitchEntry GradientCaptions{SPI_GETGRADIENTCAPTIONS, SPI_SETGRADIENTCAPTIONS, Gate::WinLevel5};
constexpr SwitchEntry MenuKeysAlwaysUnderlined{SPI_GETKEYBOARDCUES, SPI_SETKEYBOARDCUES, Gate::WinLevel5};
constexpr SwitchEntry HotTracking{SPI_GETHOTTRACKING, SPI_SETHOTTRACKING, Gate::WinLevel5};
constexpr SwitchEntry SelectionFade{SPI_GETSELECTIONFADE, SPI_SETSELECTIONFADE, Gate::Win2000};
constexpr SwitchEntry TooltipAnimation{SPI_GETTOOLTIPANIMATION, SPI_SETTOOLTIPANIMATION, Gate::Win2000};
constexpr SwitchEntry TooltipFade{SPI_GETTOOLTIPFADE, SPI_SETTOOLTIPFADE, Gate::Win2000};
constexpr SwitchEntry UIEffects{SPI_GETUIEFFECTS, SPI_SETUIEFFECTS, Gate::Win2000};
constexpr SwitchEntry ForegroundLockTimeOut{SPI_GETFOREGROUNDLOCKTIMEOUT, SPI_SETFOREGROUNDLOCKTIMEOUT,
                                            Gate::WinLevel5};
constexpr SwitchEntry ForegroundFlashCount{SPI_GETFOREGROUNDFLASHCOUNT, SPI_SETFOREGROUNDFLASHCOUNT,
                                           Gate::WinLevel5};

// Read-only GetSystemMetrics values.
struct MetricEntry {
    int index;
    Gate gate;
};

// Desktop settings that take their new value in uiParam. The read goes through
// the address of a 32-bit value, or to GetSystemMetrics for the icon spacing;
// the write passes a zero scratch value or a null pointer. The icon-spacing
// actions must get the null pointer: given a non-null pvParam, Windows takes
// SPI_ICONHORIZONTALSPACING and SPI_ICONVERTICALSPACING as a query and sets nothing.
enum class ReadFrom { Value, LowWordOfValue, Metric };
enum class SetPointer { Null, Scratch };

struct DesktopEntry {
    ReadFrom readFrom;
    win::UINT get; // the action, or the metric index for ReadFrom::Metric
    win::UINT setAction;
    SetPointer setPointer;
};

constexpr DesktopEntry BorderMultiplier{ReadFrom::Value, SPI_GETBORDER, SPI_SETBORDER, SetPointer::Null};
constexpr DesktopEntry DragFullWindows{ReadFrom::Value, SPI_GETDRAGFULLWINDOWS, SPI_SETDRAGFULLWINDOWS,
                                       SetPointer::Scratch};
constexpr DesktopEntry GridGranularity{ReadFrom::LowWordOfValue, SPI_GETGRIDGRANULARITY,
                                       SPI_SETGRIDGRANULARITY, SetPointer::Scratch};
constexpr DesktopEntry IconHorizontalSpacing{ReadFrom::Metric, SM_CXICONSPACING, SPI_ICONHORIZONTALSPACING,
                                             SetPointer::Null};
constexpr DesktopEntry IconVerticalSpacing{ReadFrom::Metric, SM_CYICONSPACING, SPI_ICONVERTICALSPACING,
                                           SetPointer::Null};
constexpr DesktopEntry IconTitleWrap{ReadFrom::Value, SPI_GETICONTITLEWRAP, SPI_SETICONTITLEWRAP,
                                     SetPointer::Scratch};
constexpr DesktopEntry MenuDropAlignment{ReadFrom::Value, SPI_GETMENUDROPALIGNMENT, SPI_SETMENUDROPALIGNMENT,
                                         SetPointer::Scratch};

// Booleans go to Windows as 0 and -1 (all bits set).
constexpr std::int32_t windowsBool(bool value) {
    return value ? -1 : 0;
}

// A buffer filled by Windows, up to its first NUL (all of it when there is none).
std::string cutAtFirstNul(const std::string& buffer) {
    const std::size_t nul = buffer.find('\0');
    return nul == std::string::npos ? buffer : buffer.substr(0, nul);
}

std::int32_t checkedProduct(std::int32_t a, std::int32_t b) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max())
        throw rt::Error(rt::ErrOverflow);
    return static_cast<std::int32_t>(product);
}

} // namespace screen

using namespace screen;

ScreenInfo::ScreenInfo(win::WindowsApi& api) : api_(api) {
    const VersionGates gates(api_);
    isWin2000_ = gates.isWin2000();
    winLevel_ = gates.settingsLevel();
}

bool ScreenInfo::passes(Gate gate) {
    const bool supported = gate == Gate::None || (gate == Gate::WinLevel5 && winLevel_ >= 5) ||
                           (gate == Gate::Win2000 && isWin2000_);
    if (!supported && RaiseErrors)
        throw rt::unsupportedError("Screen");
    return supported;
}

win::BOOL ScreenInfo::spi(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni) {
    return api_.SystemParametersInfoA(action, uiParam, pvParam, fWinIni);
}

std::int32_t ScreenInfo::readSwitch(const SwitchEntry& entry) {
    if (!passes(entry.gate))
        return 0;
    std::int32_t value = 0;
    spi(entry.getAction, 0, &value, NoUpdate);
    return value;
}

void ScreenInfo::writeSwitch(const SwitchEntry& entry, std::int32_t value) {
    if (!passes(entry.gate))
        return;
    // The value itself travels as the pointer, sign-extended to pointer width.
    spi(entry.setAction, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(value)), UpdateAndBroadcast);
}

std::int32_t ScreenInfo::readMetric(const MetricEntry& entry) {
    if (!passes(entry.gate))
        return 0;
    return api_.GetSystemMetrics(entry.index);
}

std::int32_t ScreenInfo::readDesktop(const DesktopEntry& entry) {
    if (entry.readFrom == ReadFrom::Metric)
        return api_.GetSystemMetrics(static_cast<int>(entry.get));
    std::int32_t value = 0;
    spi(entry.get, 0, &value, NoUpdate);
    if (entry.readFrom == ReadFrom::LowWordOfValue)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
    return value;
}

void ScreenInfo::writeDesktop(const DesktopEntry& entry, std::int32_t value) {
    std::int32_t scratch = 0;
    void* pointer = entry.setPointer == SetPointer::Scratch ? &scratch : nullptr;
    spi(entry.setAction, static_cast<win::UINT>(value), pointer, UpdateAndBroadcast);
}

#define SCREEN_SWITCH(Name)                                                                                  \
    bool ScreenInfo::Name() {                                                                                \
        return readSwitch(screen::Name) != 0;                                                                \
    }                                                                                                        \
    void ScreenInfo::Name(bool value) {                                                                      \
        writeSwitch(screen::Name, windowsBool(value));                                                       \
    }

SCREEN_SWITCH(MenuAnimation)
SCREEN_SWITCH(MenuFade)
SCREEN_SWITCH(ComboBoxAnimation)
SCREEN_SWITCH(ListboxSmoothScrolling)
SCREEN_SWITCH(GradientCaptions)
SCREEN_SWITCH(MenuKeysAlwaysUnderlined)
SCREEN_SWITCH(HotTracking)
SCREEN_SWITCH(SelectionFade)
SCREEN_SWITCH(TooltipAnimation)
SCREEN_SWITCH(TooltipFade)
SCREEN_SWITCH(UIEffects)

#undef SCREEN_SWITCH

std::int32_t ScreenInfo::ForegroundLockTimeOut() {
    return readSwitch(screen::ForegroundLockTimeOut);
}
void ScreenInfo::ForegroundLockTimeOut(std::int32_t milliseconds) {
    writeSwitch(screen::ForegroundLockTimeOut, milliseconds);
}
std::int32_t ScreenInfo::ForegroundFlashCount() {
    return readSwitch(screen::ForegroundFlashCount);
}
void ScreenInfo::ForegroundFlashCount(std::int32_t Count) {
    writeSwitch(screen::ForegroundFlashCount, Count);
}

#define SCREEN_METRIC(Name, Index, GateKind)                                                                 \
    std::int32_t ScreenInfo::Name() {                                                                        \
        return readMetric(MetricEntry{Index, Gate::GateKind});                                               \
    }
#define SCREEN_METRIC_BOOL(Name, Index, GateKind)                                                            \
    bool ScreenInfo::Name() {                                                                                \
        return readMetric(MetricEntry{Index, Gate::GateKind}) != 0;                                          \
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
    if (!passes(Gate::Win2000))
        return std::string();
    std::string buffer(WallpaperBufferSize, '\0');
    spi(SPI_GETDESKWALLPAPER, WallpaperBufferSize, buffer.data(), NoUpdate);
    return cutAtFirstNul(buffer);
}

void ScreenInfo::DesktopWallpaper(const std::string& BitmapFileName) {
    // Windows reads the path up to its NUL; the copy gives it a writable buffer.
    std::string path = BitmapFileName;
    spi(SPI_SETDESKWALLPAPER, 0, path.data(), UpdateAndBroadcast);
}

std::int32_t ScreenInfo::BorderMultiplier() {
    return readDesktop(screen::BorderMultiplier);
}
void ScreenInfo::BorderMultiplier(std::int32_t value) {
    writeDesktop(screen::BorderMultiplier, value);
}
bool ScreenInfo::DragFullWindows() {
    return readDesktop(screen::DragFullWindows) != 0;
}
void ScreenInfo::DragFullWindows(bool DragOn) {
    writeDesktop(screen::DragFullWindows, windowsBool(DragOn));
}
std::int32_t ScreenInfo::GridGranularity() {
    return readDesktop(screen::GridGranularity);
}
void ScreenInfo::GridGranularity(std::int32_t value) {
    writeDesktop(screen::GridGranularity, value);
}
std::int32_t ScreenInfo::IconHorizontalSpacing() {
    return readDesktop(screen::IconHorizontalSpacing);
}
void ScreenInfo::IconHorizontalSpacing(std::int32_t value) {
    writeDesktop(screen::IconHorizontalSpacing, value);
}
std::int32_t ScreenInfo::IconVerticalSpacing() {
    return readDesktop(screen::IconVerticalSpacing);
}
void ScreenInfo::IconVerticalSpacing(std::int32_t value) {
    writeDesktop(screen::IconVerticalSpacing, value);
}
bool ScreenInfo::IconTitleWrap() {
    return readDesktop(screen::IconTitleWrap) != 0;
}
void ScreenInfo::IconTitleWrap(bool value) {
    writeDesktop(screen::IconTitleWrap, windowsBool(value));
}
bool ScreenInfo::MenuDropAlignment() {
    return readDesktop(screen::MenuDropAlignment) != 0;
}
void ScreenInfo::MenuDropAlignment(bool value) {
    writeDesktop(screen::MenuDropAlignment, windowsBool(value));
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

std::int32_t ScreenInfo::displayDpi() {
    const win::HDC info = api_.CreateICA("DISPLAY", nullptr, nullptr, nullptr);
    const std::int32_t dpi = api_.GetDeviceCaps(info, LOGPIXELSY);
    api_.DeleteDC(info);
    return dpi;
}

std::string ScreenInfo::IconFontName() {
    const win::LOGFONTA font = iconTitleFont();
    return cutAtFirstNul(std::string(font.lfFaceName, sizeof font.lfFaceName));
}

void ScreenInfo::IconFontName(const std::string& name) {
    // 1. The current icon metrics carry the current icon-title font.
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    spi(SPI_GETICONMETRICS, sizeof metrics, &metrics, NoUpdate);

    // 2.-3. At most 31 bytes and a NUL; the bytes after the NUL keep what Windows left there.
    const std::size_t length = std::min(name.size(), MaxFaceNameBytes);
    std::memcpy(metrics.lfFont.lfFaceName, name.data(), length);
    metrics.lfFont.lfFaceName[length] = '\0';

    // 4. Every other font field as Windows reported it.
    spi(SPI_SETICONTITLELOGFONT, sizeof metrics.lfFont, &metrics.lfFont, UpdateAndBroadcast);
}

std::int16_t ScreenInfo::IconFontSize() {
    const std::int32_t dpi = displayDpi();
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
    const std::int32_t dpi = displayDpi();
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
