#include "system/Mouse.h"

#include "runtime/Error.h"
#include "platform/LibraryConstants.h"
#include "platform/WindowsApi.h"
#include "system/VersionGates.h"

namespace sys {
namespace mouse {

enum class Gate : int {
    None,
    WinLevel5,  // Windows 98, ME and 2000
    HoverLevel, // Windows 98, ME, NT 4 and 2000
    NotWin95,
    Win9x, // Windows 95, 98 and ME
};

// How a setting's new value travels to SystemParametersInfoA.
enum class Transport {
    PvValue, // the value itself as pvParam
    UiParam, // the value in uiParam, a scratch pvParam
};

struct Setting {
    win::UINT get; // 0: read from the metric instead
    int metric;    // the GetSystemMetrics index of a setting Windows keeps as a metric
    win::UINT set;
    Transport transport;
    win::UINT fWinIni;
    Gate gate;
    bool silentWrite; // a write outside the gate is ignored without reporting
};

constexpr win::UINT Update = win::SPIF_UPDATEANDBROADCAST;

// clang-format off
constexpr Setting ActiveWindowTracking{win::SPI_GETACTIVEWINDOWTRACKING, -1, win::SPI_SETACTIVEWINDOWTRACKING, Transport::PvValue, Update, Gate::WinLevel5, false};
constexpr Setting TrackedWindowToTop{win::SPI_GETACTIVEWNDTRKZORDER, -1, win::SPI_SETACTIVEWNDTRKZORDER, Transport::PvValue, Update, Gate::WinLevel5, false};
constexpr Setting ActiveWindowTrackingTimeOut{win::SPI_GETACTIVEWNDTRKTIMEOUT, -1, win::SPI_SETACTIVEWNDTRKTIMEOUT, Transport::PvValue, Update, Gate::WinLevel5, false};
constexpr Setting CursorShadow{win::SPI_GETCURSORSHADOW, -1, win::SPI_SETCURSORSHADOW, Transport::PvValue, Update, Gate::WinLevel5, false};
constexpr Setting CaretWidth{win::SPI_GETCARETWIDTH, -1, win::SPI_SETCARETWIDTH, Transport::PvValue, Update, Gate::WinLevel5, false};
constexpr Setting HoverX{win::SPI_GETMOUSEHOVERWIDTH, -1, win::SPI_SETMOUSEHOVERWIDTH, Transport::UiParam, Update, Gate::HoverLevel, false};
constexpr Setting HoverY{win::SPI_GETMOUSEHOVERHEIGHT, -1, win::SPI_SETMOUSEHOVERHEIGHT, Transport::UiParam, Update, Gate::HoverLevel, false};
constexpr Setting HoverDelay{win::SPI_GETMOUSEHOVERTIME, -1, win::SPI_SETMOUSEHOVERTIME, Transport::UiParam, Update, Gate::NotWin95, false};
// Windows does not store the menu delay in the profile unless asked; this setting never was.
constexpr Setting MenuDelay{win::SPI_GETMENUSHOWDELAY, -1, win::SPI_SETMENUSHOWDELAY, Transport::UiParam, 0, Gate::None, false};
constexpr Setting MouseTrails{win::SPI_GETMOUSETRAILS, -1, win::SPI_SETMOUSETRAILS, Transport::UiParam, Update, Gate::Win9x, false};
constexpr Setting SnapToDefault{win::SPI_GETSNAPTODEFBUTTON, -1, win::SPI_SETSNAPTODEFBUTTON, Transport::UiParam, Update, Gate::HoverLevel, false};
constexpr Setting WheelScrollLines{win::SPI_GETWHEELSCROLLLINES, -1, win::SPI_SETWHEELSCROLLLINES, Transport::UiParam, Update, Gate::HoverLevel, true};
constexpr Setting DoubleClickX{0, win::SM_CXDOUBLECLK, win::SPI_SETDOUBLECLKWIDTH, Transport::UiParam, Update, Gate::None, false};
constexpr Setting DoubleClickY{0, win::SM_CYDOUBLECLK, win::SPI_SETDOUBLECLKHEIGHT, Transport::UiParam, Update, Gate::None, false};
constexpr Setting DoubleClickTime{0, -1, win::SPI_SETDOUBLECLICKTIME, Transport::UiParam, Update, Gate::None, false};
constexpr Setting DragX{0, win::SM_CXDRAG, win::SPI_SETDRAGWIDTH, Transport::UiParam, Update, Gate::None, false};
constexpr Setting DragY{0, win::SM_CYDRAG, win::SPI_SETDRAGHEIGHT, Transport::UiParam, Update, Gate::None, false};
constexpr Setting MouseButtonSwap{0, win::SM_SWAPBUTTON, win::SPI_SETMOUSEBUTTONSWAP, Transport::UiParam, Update, Gate::None, false};
// clang-format on

constexpr std::int32_t windowsBool(bool value) {
    return value ? -1 : 0;
}

} // namespace mouse

using namespace mouse;

Mouse::Mouse(win::WindowsApi& api) : api_(api) {
    const VersionGates gates(api_);
    isWin95_ = gates.isWin95();
    isWin98_ = gates.isWin98();
    ntLevel_ = gates.isNT4() ? 4 : gates.isWin2000() ? 5 : 0;
    win98Version_ = isWin98_ ? 410 : 0;
    winLevel_ = gates.settingsLevel();
}

bool Mouse::supports(Gate gate) const {
    switch (gate) {
    case Gate::WinLevel5:
        return winLevel_ >= 5;
    case Gate::HoverLevel:
        return ntLevel_ >= 4 || win98Version_ >= 410;
    case Gate::NotWin95:
        return !isWin95_;
    case Gate::Win9x:
        return isWin95_ || isWin98_;
    case Gate::None:
        break;
    }
    return true;
}

bool Mouse::passes(Gate gate) {
    const bool supported = supports(gate);
    if (!supported && RaiseErrors)
        throw rt::unsupportedError("Mouse");
    return supported;
}

std::int32_t Mouse::read(const Setting& setting) {
    if (!passes(setting.gate))
        return 0;
    if (setting.get == 0)
        return api_.GetSystemMetrics(setting.metric);
    std::int32_t value = 0;
    api_.SystemParametersInfoA(setting.get, 0, &value, 0);
    return value;
}

void Mouse::write(const Setting& setting, std::int32_t value) {
    if (setting.silentWrite ? !supports(setting.gate) : !passes(setting.gate))
        return;
    if (setting.transport == Transport::PvValue) {
        // Sign-extended to pointer width, so True stays all bits set.
        api_.SystemParametersInfoA(setting.set, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(value)),
                                   setting.fWinIni);
        return;
    }
    std::int32_t scratch = 0;
    api_.SystemParametersInfoA(setting.set, static_cast<win::UINT>(value), &scratch, setting.fWinIni);
}

std::int32_t Mouse::metric(int index, Gate gate) {
    return passes(gate) ? api_.GetSystemMetrics(index) : 0;
}

// clang-format off
bool Mouse::ActiveWindowTracking() { return read(mouse::ActiveWindowTracking) != 0; }
void Mouse::ActiveWindowTracking(bool value) { write(mouse::ActiveWindowTracking, windowsBool(value)); }
bool Mouse::TrackedWindowToTop() { return read(mouse::TrackedWindowToTop) != 0; }
void Mouse::TrackedWindowToTop(bool value) { write(mouse::TrackedWindowToTop, windowsBool(value)); }
std::int32_t Mouse::ActiveWindowTrackingTimeOut() { return read(mouse::ActiveWindowTrackingTimeOut); }
void Mouse::ActiveWindowTrackingTimeOut(std::int32_t milliseconds) { write(mouse::ActiveWindowTrackingTimeOut, milliseconds); }
bool Mouse::CursorShadow() { return read(mouse::CursorShadow) != 0; }
void Mouse::CursorShadow(bool value) { write(mouse::CursorShadow, windowsBool(value)); }
std::int32_t Mouse::CaretWidth() { return read(mouse::CaretWidth); }
void Mouse::CaretWidth(std::int32_t pixels) { write(mouse::CaretWidth, pixels); }
std::int32_t Mouse::HoverX() { return read(mouse::HoverX); }
void Mouse::HoverX(std::int32_t pixels) { write(mouse::HoverX, pixels); }
std::int32_t Mouse::HoverY() { return read(mouse::HoverY); }
void Mouse::HoverY(std::int32_t pixels) { write(mouse::HoverY, pixels); }
bool Mouse::SnapToDefault() { return read(mouse::SnapToDefault) != 0; }
void Mouse::SnapToDefault(bool value) { write(mouse::SnapToDefault, windowsBool(value)); }
std::int32_t Mouse::WheelScrollLines() { return read(mouse::WheelScrollLines); }
void Mouse::WheelScrollLines(std::int32_t lines) { write(mouse::WheelScrollLines, lines); }
std::int32_t Mouse::HoverDelay() { return read(mouse::HoverDelay); }
void Mouse::HoverDelay(std::int32_t milliseconds) { write(mouse::HoverDelay, milliseconds); }
std::int32_t Mouse::MouseTrails() { return read(mouse::MouseTrails); }
void Mouse::MouseTrails(std::int32_t count) { write(mouse::MouseTrails, count); }
std::int32_t Mouse::MenuDelay() { return read(mouse::MenuDelay); }
void Mouse::MenuDelay(std::int32_t milliseconds) { write(mouse::MenuDelay, milliseconds); }
std::int32_t Mouse::DoubleClickX() { return read(mouse::DoubleClickX); }
void Mouse::DoubleClickX(std::int32_t pixels) { write(mouse::DoubleClickX, pixels); }
std::int32_t Mouse::DoubleClickY() { return read(mouse::DoubleClickY); }
void Mouse::DoubleClickY(std::int32_t pixels) { write(mouse::DoubleClickY, pixels); }
void Mouse::DoubleClickTime(std::int32_t milliseconds) { write(mouse::DoubleClickTime, milliseconds); }
std::int32_t Mouse::DragX() { return read(mouse::DragX); }
void Mouse::DragX(std::int32_t pixels) { write(mouse::DragX, pixels); }
std::int32_t Mouse::DragY() { return read(mouse::DragY); }
void Mouse::DragY(std::int32_t pixels) { write(mouse::DragY, pixels); }
bool Mouse::MouseButtonSwap() { return read(mouse::MouseButtonSwap) != 0; }
void Mouse::MouseButtonSwap(bool value) { write(mouse::MouseButtonSwap, windowsBool(value)); }

bool Mouse::WheelPresent() { return metric(win::SM_MOUSEWHEELPRESENT, Gate::NotWin95) != 0; }
bool Mouse::MousePresent() { return metric(win::SM_MOUSEPRESENT, Gate::None) != 0; }
std::int32_t Mouse::Buttons() { return metric(win::SM_CMOUSEBUTTONS, Gate::None); }
std::int32_t Mouse::CursorX() { return metric(win::SM_CXCURSOR, Gate::None); }
std::int32_t Mouse::CursorY() { return metric(win::SM_CYCURSOR, Gate::None); }
// clang-format on

void Mouse::CursorOn(bool value) {
    api_.ShowCursor(value ? win::TRUE : win::FALSE);
}

std::int32_t Mouse::acceleration(int element) {
    std::int32_t triple[3] = {};
    api_.SystemParametersInfoA(win::SPI_GETMOUSE, 0, triple, 0);
    return triple[element];
}

void Mouse::acceleration(int element, std::int32_t value) {
    std::int32_t triple[3] = {};
    // Without the current triple the other two elements would be overwritten with zeros.
    if (api_.SystemParametersInfoA(win::SPI_GETMOUSE, 0, triple, 0) == win::FALSE)
        return;
    triple[element] = value;
    api_.SystemParametersInfoA(win::SPI_SETMOUSE, 0, triple, win::SPIF_UPDATEANDBROADCAST);
}

std::int32_t Mouse::MouseThreshHold1() {
    return acceleration(0);
}
void Mouse::MouseThreshHold1(std::int32_t value) {
    acceleration(0, value);
}
std::int32_t Mouse::MouseThreshHold2() {
    return acceleration(1);
}
void Mouse::MouseThreshHold2(std::int32_t value) {
    acceleration(1, value);
}
std::int32_t Mouse::MouseSpeed() {
    return acceleration(2);
}
void Mouse::MouseSpeed(std::int32_t value) {
    acceleration(2, value);
}

} // namespace sys
