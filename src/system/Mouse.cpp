#include "system/Mouse.h"

#include "platform/InputFacts.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

namespace sys {

Mouse::Mouse(win::WindowsApi& api) : api_(api), gates_(api) {}

bool Mouse::passes(win::VersionGate gate) {
    return admitted(gates_, gate, RaiseErrors, "Mouse");
}

std::int32_t Mouse::read(win::UINT action) {
    const win::Setting& row = win::setting(action);
    return passes(row.gate) ? readSetting(api_, row) : 0;
}

void Mouse::write(win::UINT action, std::int32_t value) {
    const win::Setting& row = win::setting(action);
    if (passes(row.gate))
        writeSetting(api_, row, value);
}

std::int32_t Mouse::metric(int index, win::VersionGate gate) {
    return passes(gate) ? api_.GetSystemMetrics(index) : 0;
}

// clang-format off
bool Mouse::ActiveWindowTracking() { return read(win::SPI_GETACTIVEWINDOWTRACKING) != 0; }
void Mouse::ActiveWindowTracking(bool value) { write(win::SPI_SETACTIVEWINDOWTRACKING, windowsBool(value)); }
bool Mouse::TrackedWindowToTop() { return read(win::SPI_GETACTIVEWNDTRKZORDER) != 0; }
void Mouse::TrackedWindowToTop(bool value) { write(win::SPI_SETACTIVEWNDTRKZORDER, windowsBool(value)); }
std::int32_t Mouse::ActiveWindowTrackingTimeOut() { return read(win::SPI_GETACTIVEWNDTRKTIMEOUT); }
void Mouse::ActiveWindowTrackingTimeOut(std::int32_t milliseconds) { write(win::SPI_SETACTIVEWNDTRKTIMEOUT, milliseconds); }
bool Mouse::CursorShadow() { return read(win::SPI_GETCURSORSHADOW) != 0; }
void Mouse::CursorShadow(bool value) { write(win::SPI_SETCURSORSHADOW, windowsBool(value)); }
std::int32_t Mouse::CaretWidth() { return read(win::SPI_GETCARETWIDTH); }
void Mouse::CaretWidth(std::int32_t pixels) { write(win::SPI_SETCARETWIDTH, pixels); }
std::int32_t Mouse::HoverX() { return read(win::SPI_GETMOUSEHOVERWIDTH); }
void Mouse::HoverX(std::int32_t pixels) { write(win::SPI_SETMOUSEHOVERWIDTH, pixels); }
std::int32_t Mouse::HoverY() { return read(win::SPI_GETMOUSEHOVERHEIGHT); }
void Mouse::HoverY(std::int32_t pixels) { write(win::SPI_SETMOUSEHOVERHEIGHT, pixels); }
bool Mouse::SnapToDefault() { return read(win::SPI_GETSNAPTODEFBUTTON) != 0; }
void Mouse::SnapToDefault(bool value) { write(win::SPI_SETSNAPTODEFBUTTON, windowsBool(value)); }
std::int32_t Mouse::WheelScrollLines() { return read(win::SPI_GETWHEELSCROLLLINES); }
// The one gated write that stays silent outside its versions.
void Mouse::WheelScrollLines(std::int32_t lines) {
    const win::Setting& row = win::setting(win::SPI_SETWHEELSCROLLLINES);
    if (gates_.opens(row.gate))
        writeSetting(api_, row, lines);
}
std::int32_t Mouse::HoverDelay() { return read(win::SPI_GETMOUSEHOVERTIME); }
void Mouse::HoverDelay(std::int32_t milliseconds) { write(win::SPI_SETMOUSEHOVERTIME, milliseconds); }
std::int32_t Mouse::MouseTrails() { return read(win::SPI_GETMOUSETRAILS); }
void Mouse::MouseTrails(std::int32_t count) { write(win::SPI_SETMOUSETRAILS, count); }
std::int32_t Mouse::MenuDelay() { return read(win::SPI_GETMENUSHOWDELAY); }
void Mouse::MenuDelay(std::int32_t milliseconds) { write(win::SPI_SETMENUSHOWDELAY, milliseconds); }
std::int32_t Mouse::DoubleClickX() { return read(win::SPI_SETDOUBLECLKWIDTH); }
void Mouse::DoubleClickX(std::int32_t pixels) { write(win::SPI_SETDOUBLECLKWIDTH, pixels); }
std::int32_t Mouse::DoubleClickY() { return read(win::SPI_SETDOUBLECLKHEIGHT); }
void Mouse::DoubleClickY(std::int32_t pixels) { write(win::SPI_SETDOUBLECLKHEIGHT, pixels); }
void Mouse::DoubleClickTime(std::int32_t milliseconds) { write(win::SPI_SETDOUBLECLICKTIME, milliseconds); }
std::int32_t Mouse::DragX() { return read(win::SPI_SETDRAGWIDTH); }
void Mouse::DragX(std::int32_t pixels) { write(win::SPI_SETDRAGWIDTH, pixels); }
std::int32_t Mouse::DragY() { return read(win::SPI_SETDRAGHEIGHT); }
void Mouse::DragY(std::int32_t pixels) { write(win::SPI_SETDRAGHEIGHT, pixels); }
bool Mouse::MouseButtonSwap() { return read(win::SPI_SETMOUSEBUTTONSWAP) != 0; }
void Mouse::MouseButtonSwap(bool value) { write(win::SPI_SETMOUSEBUTTONSWAP, windowsBool(value)); }

bool Mouse::WheelPresent() { return metric(win::SM_MOUSEWHEELPRESENT, win::VersionGate::NotWin95) != 0; }
bool Mouse::MousePresent() { return metric(win::SM_MOUSEPRESENT, win::VersionGate::None) != 0; }
std::int32_t Mouse::Buttons() { return metric(win::SM_CMOUSEBUTTONS, win::VersionGate::None); }
std::int32_t Mouse::CursorX() { return metric(win::SM_CXCURSOR, win::VersionGate::None); }
std::int32_t Mouse::CursorY() { return metric(win::SM_CYCURSOR, win::VersionGate::None); }
// clang-format on

void Mouse::CursorOn(bool value) {
    api_.ShowCursor(value ? win::TRUE : win::FALSE);
}

std::int32_t Mouse::acceleration(int element) {
    std::int32_t triple[3] = {};
    api_.SystemParametersInfoA(win::SPI_GETMOUSE, 0, triple, win::NoUpdate);
    return triple[element];
}

void Mouse::acceleration(int element, std::int32_t value) {
    std::int32_t triple[3] = {};
    // Without the current triple the other two elements would be overwritten with zeros.
    if (api_.SystemParametersInfoA(win::SPI_GETMOUSE, 0, triple, win::NoUpdate) == win::FALSE)
        return;
    triple[element] = value;
    api_.SystemParametersInfoA(win::SPI_SETMOUSE, 0, triple, win::setting(win::SPI_SETMOUSE).fWinIni);
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
