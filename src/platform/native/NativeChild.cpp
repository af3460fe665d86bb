#include "platform/native/NativeChild.h"

#include "platform/native/NativeWindowSystem.h"

#include <algorithm>
#include <unordered_map>

namespace native {

namespace {

// What the program knows of each window it linked to an object: the object and,
// for a subclassed window, the procedure it had before. Kept in the process, not
// as window properties: every message of a subclassed window looks it up, and a
// property is a round trip to the window manager's server under Wine.
struct Link {
    NativeChild* child = nullptr;
    WNDPROC previous = nullptr;
};

std::unordered_map<HWND, Link>& links() {
    static std::unordered_map<HWND, Link> table;
    return table;
}

} // namespace

NativeChild::~NativeChild() {
    destroyWindow();
}

NativeChild* NativeChild::from(HWND window) {
    const auto found = links().find(window);
    return found != links().end() ? found->second.child : nullptr;
}

void NativeChild::bind(HWND window) {
    hwnd_ = window;
    if (window == nullptr)
        return;
    Link& link = links()[window];
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)) != &NativeChild::subclassProc)
        link.previous = nullptr; // left by a window that is gone and had the same handle
    link.child = this;
    linked_.push_back(window);
}

void NativeChild::subclass(HWND window) {
    if (window == nullptr)
        return;
    const auto current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (current == &NativeChild::subclassProc)
        return;
    if (std::find(linked_.begin(), linked_.end(), window) == linked_.end())
        linked_.push_back(window);
    // The link is complete before the window can see a message through it; a
    // link left by a window that is gone and had the same handle is replaced.
    links()[window] = Link{this, current};
    ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeChild::subclassProc));
}

// A window handle may be reused once its window is gone: only this object's own
// link is removed.
void NativeChild::unlink(HWND window) {
    const auto found = links().find(window);
    if (found == links().end() || found->second.child != this)
        return;
    if (found->second.previous != nullptr)
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(found->second.previous));
    links().erase(found);
}

void NativeChild::forget(HWND window) {
    unlink(window);
    linked_.erase(std::remove(linked_.begin(), linked_.end(), window), linked_.end());
    if (window == hwnd_)
        hwnd_ = nullptr;
}

void NativeChild::destroyWindow() {
    // Unlink every part first: destroying the window must not call back into an
    // object that is being destroyed.
    for (HWND window : linked_)
        unlink(window);
    linked_.clear();
    if (hwnd_ != nullptr && ::IsWindow(hwnd_))
        ::DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

LRESULT CALLBACK NativeChild::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Kept before anything runs: a handler may unlink and destroy the window.
    const auto found = links().find(window);
    if (found == links().end() || found->second.previous == nullptr)
        return ::DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC previous = found->second.previous;
    NativeChild* child = found->second.child;
    if (message == WM_NCDESTROY) {
        if (child != nullptr)
            child->forget(window);
        else
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        return ::CallWindowProcA(previous, window, message, wParam, lParam);
    }
    if (child != nullptr) {
        if (message == WM_SETCURSOR && child->system_.screen().applyMousePointer())
            return TRUE;
        LRESULT result = 0;
        if (child->filter(window, message, wParam, lParam, result))
            return result;
        if (!::IsWindow(window))
            return 0;
    }
    return ::CallWindowProcA(previous, window, message, wParam, lParam);
}

} // namespace native
