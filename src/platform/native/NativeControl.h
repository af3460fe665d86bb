// What every native control shares: its name, its place on the surface that
// holds it (kept in twips as the program set it, so reading it back gives exactly
// that), its own visibility and the keyboard focus.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeChild.h"
#include "platform/native/NativeWindowSystem.h"
#include "platform/native/Surface.h"
#include "platform/native/WinHeaders.h"

#include <string>
#include <utility>

namespace native {

template <class Interface> class NativeControl : public Interface, public NativeChild {
public:
    NativeControl(Surface& host, std::string name, const ui::Rect& bounds)
        : NativeChild(host.system()), host_(host), name_(std::move(name)), bounds_(bounds) {}

    const std::string& name() const override { return name_; }
    void move(const ui::Rect& bounds) override {
        bounds_ = bounds;
        place();
    }
    ui::Rect bounds() const override { return bounds_; }
    void setVisible(bool visible) override {
        visible_ = visible;
        if (hwnd() != nullptr)
            ::ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE);
    }
    // The control's own setting: a control on a tab page that is not in front
    // stays visible, as it shows again with its page.
    bool visible() const override { return visible_; }
    void setFocus() override {
        if (hwnd() != nullptr)
            system_.focus(hwnd());
    }
    bool hasFocus() const override {
        HWND focus = ::GetFocus();
        return focus != nullptr && hwnd() != nullptr && (focus == hwnd() || ::IsChild(hwnd(), focus));
    }
    void setEnabled(bool enabled) override {
        enabled_ = enabled;
        if (hwnd() != nullptr)
            ::EnableWindow(hwnd(), enabled ? TRUE : FALSE);
    }
    bool enabled() const override { return enabled_; }

protected:
    // The control's rectangle in pixels on its surface.
    RECT pixels() const {
        RECT rect = system_.screen().pixels(bounds_);
        const POINT origin = host_.origin();
        ::OffsetRect(&rect, origin.x, origin.y);
        return rect;
    }
    // Moves the window to bounds_; controls whose window is not their visible
    // size (a drop-down combo box) adjust it.
    virtual void place() {
        if (hwnd() == nullptr)
            return;
        const RECT rect = pixels();
        ::SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Creates a standard control on the host surface with the shared font.
    HWND createControl(DWORD exStyle, const char* className, const std::string& text, DWORD style,
                       const RECT& rect) {
        HWND window = ::CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style,
                                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                        host_.hwnd(), nullptr, system_.instance(), nullptr);
        if (window != nullptr)
            ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(system_.font(false)), FALSE);
        return window;
    }

    Surface& host_;

private:
    std::string name_;
    ui::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
};

} // namespace native
