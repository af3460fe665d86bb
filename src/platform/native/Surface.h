// A window of one of the program's own classes: the main and dialog windows, the
// pages of a tab control, the frames and the picture controls. It paints its
// background colour and hands the notifications of the standard controls on it
// to their objects (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*), the way a dialog
// procedure would.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/WinHeaders.h"

namespace native {

class NativeWindowSystem;

class Surface {
public:
    explicit Surface(NativeWindowSystem& system) : system_(system) {}
    virtual ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HWND hwnd() const { return hwnd_; }
    NativeWindowSystem& system() const { return system_; }
    // The colour behind everything on the surface (transparent labels included).
    virtual COLORREF surfaceColor() const = 0;
    // Where the positions of the controls on the surface count from, in the
    // surface's own pixels: its top-left corner, except on a tab page.
    virtual POINT origin() const { return POINT{0, 0}; }
    // Repaints the surface and everything on it, after a colour change.
    void repaintAll();

    // The window procedure of the program's window classes.
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    void create(DWORD exStyle, const char* className, const char* caption, DWORD style, const RECT& pixels,
                HWND parent);
    // Destroys the window now, without calling back into this object.
    void destroySurface();

    // Every message of the window. Handlers may destroy the window and the
    // object: return at once after raising an event.
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The mouse moved over the surface itself (not over a control on it).
    virtual void mouseMoved(const ui::MouseEvent& /*event*/) {}
    // The window is gone (WM_NCDESTROY).
    virtual void destroyed() {}

    void paintBackground(HDC dc);

    NativeWindowSystem& system_;

private:
    HWND hwnd_ = nullptr;
};

} // namespace native
