#include "platform/native/NativeChild.h"

#include "platform/native/NativeWindowSystem.h"

#include <algorithm>

namespace native {

namespace {

constexpr const char* ChildProperty = "Decorama.Child";
constexpr const char* ProcProperty = "Decorama.Proc";

} // namespace

NativeChild::~NativeChild() {
    destroyWindow();
}

NativeChild* NativeChild::from(HWND window) {
    if (window == nullptr)
        return nullptr;
    return static_cast<NativeChild*>(::GetPropA(window, ChildProperty));
}

void NativeChild::bind(HWND window) {
    hwnd_ = window;
    if (window == nullptr)
        return;
    ::SetPropA(window, ChildProperty, this);
    linked_.push_back(window);
}

void NativeChild::subclass(HWND window) {
    if (window == nullptr || ::GetPropA(window, ProcProperty) != nullptr)
        return;
    if (std::find(linked_.begin(), linked_.end(), window) == linked_.end()) {
        ::SetPropA(window, ChildProperty, this);
        linked_.push_back(window);
    }
    const LONG_PTR previous =
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeChild::subclassProc));
    ::SetPropA(window, ProcProperty, reinterpret_cast<HANDLE>(previous));
}

void NativeChild::unlink(HWND window) {
    const HANDLE previous = ::RemovePropA(window, ProcProperty);
    if (previous != nullptr)
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    ::RemovePropA(window, ChildProperty);
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
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropA(window, ProcProperty));
    NativeChild* child = from(window);
    if (previous == nullptr)
        return ::DefWindowProcA(window, message, wParam, lParam);
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
