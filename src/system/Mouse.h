// Pointer speed and thresholds, double-click and drag rectangles, hover,
// active-window tracking, wheel, trails and cursor visibility. Every property
// goes to Windows when it is called. A member that the running Windows version
// lacks raises the unsupported-version error (source "Mouse") while RaiseErrors
// is True; otherwise it calls nothing and a read gives 0 or False.
#pragma once

#include "platform/Settings.h"
#include "system/VersionGates.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

class Mouse {
public:
    explicit Mouse(win::WindowsApi& api);

    bool RaiseErrors = true;

    // Windows 98, ME and 2000 (settings level 5).
    bool ActiveWindowTracking();
    void ActiveWindowTracking(bool value);
    bool TrackedWindowToTop();
    void TrackedWindowToTop(bool value);
    std::int32_t ActiveWindowTrackingTimeOut();
    void ActiveWindowTrackingTimeOut(std::int32_t milliseconds);
    bool CursorShadow();
    void CursorShadow(bool value);
    std::int32_t CaretWidth();
    void CaretWidth(std::int32_t pixels);

    // Windows 98, NT 4 and 2000.
    std::int32_t HoverX();
    void HoverX(std::int32_t pixels);
    std::int32_t HoverY();
    void HoverY(std::int32_t pixels);
    bool SnapToDefault();
    void SnapToDefault(bool value);
    // A write outside these versions is ignored without an error.
    std::int32_t WheelScrollLines();
    void WheelScrollLines(std::int32_t lines);
    // All but Windows 95.
    std::int32_t HoverDelay();
    void HoverDelay(std::int32_t milliseconds);
    bool WheelPresent();
    // Windows 95, 98 and ME.
    std::int32_t MouseTrails();
    void MouseTrails(std::int32_t count);

    std::int32_t MenuDelay();
    void MenuDelay(std::int32_t milliseconds);
    std::int32_t DoubleClickX();
    void DoubleClickX(std::int32_t pixels);
    std::int32_t DoubleClickY();
    void DoubleClickY(std::int32_t pixels);
    void DoubleClickTime(std::int32_t milliseconds);
    std::int32_t DragX();
    void DragX(std::int32_t pixels);
    std::int32_t DragY();
    void DragY(std::int32_t pixels);
    bool MouseButtonSwap();
    void MouseButtonSwap(bool value);

    bool MousePresent();
    std::int32_t Buttons();
    std::int32_t CursorX();
    std::int32_t CursorY();

    // ShowCursor keeps a display counter: each write moves it by one.
    void CursorOn(bool value);

    // The acceleration triple; a write keeps the other two as they are.
    std::int32_t MouseThreshHold1();
    void MouseThreshHold1(std::int32_t value);
    std::int32_t MouseThreshHold2();
    void MouseThreshHold2(std::int32_t value);
    std::int32_t MouseSpeed();
    void MouseSpeed(std::int32_t value);

private:
    bool passes(win::VersionGate gate);
    std::int32_t read(win::UINT action);
    void write(win::UINT action, std::int32_t value);
    std::int32_t metric(int index, win::VersionGate gate);
    std::int32_t acceleration(int element);
    void acceleration(int element, std::int32_t value);

    win::WindowsApi& api_;
    VersionGates gates_;
};

} // namespace sys
