#include "platform/native/Surface.h"

#include "platform/native/NativeChild.h"
#include "platform/native/NativeWindowSystem.h"

namespace native {

Surface::~Surface() {
    destroySurface();
}

void Surface::create(DWORD exStyle, const char* className, const char* caption, DWORD style,
                     const RECT& pixels, HWND parent) {
    ::CreateWindowExA(exStyle, className, caption, style, pixels.left, pixels.top, pixels.right - pixels.left,
                      pixels.bottom - pixels.top, parent, nullptr, system_.instance(), this);
}

void Surface::destroySurface() {
    if (hwnd_ == nullptr)
        return;
    HWND window = hwnd_;
    hwnd_ = nullptr;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    ::DestroyWindow(window);
}

void Surface::repaintAll() {
    if (hwnd_ != nullptr)
        ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Surface::paintBackground(HDC dc) {
    RECT client;
    ::GetClientRect(hwnd_, &client);
    ::FillRect(dc, &client, system_.brush(surfaceColor()));
}

LRESULT Surface::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (NativeChild* child = NativeChild::from(reinterpret_cast<HWND>(lParam))) {
            child->command(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header != nullptr) {
            if (NativeChild* child = NativeChild::from(header->hwndFrom))
                return child->notify(*header);
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const auto part = reinterpret_cast<HWND>(lParam);
        if (NativeChild* child = NativeChild::from(part)) {
            if (HBRUSH brush = child->ctlColor(dc, part))
                return reinterpret_cast<LRESULT>(brush);
        }
        // Static texts and the corners of buttons take the surface's colour.
        if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
            ::SetBkColor(dc, surfaceColor());
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            return reinterpret_cast<LRESULT>(system_.brush(surfaceColor()));
        }
        break;
    }
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SETCURSOR:
        if (system_.screen().applyMousePointer())
            return TRUE;
        break;
    case WM_MOUSEMOVE:
        mouseMoved(system_.screen().mouseEvent(wParam, lParam));
        return 0;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Surface::proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* surface = static_cast<Surface*>(create->lpCreateParams);
        surface->hwnd_ = window;
        ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(surface));
    }
    auto* surface = reinterpret_cast<Surface*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (surface == nullptr)
        return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        surface->hwnd_ = nullptr;
        if (NativeChild* child = NativeChild::from(window))
            child->forget(window);
        surface->destroyed();
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    return surface->onMessage(message, wParam, lParam);
}

} // namespace native
