// What the tests of the native window system share: the fake Windows as the
// runtime (its drive C: a temporary folder), a shown dialog window to put controls
// on, and a way to let the window system's own message loop handle what a test has
// posted (keys, clicks).
#pragma once

// The fake's Windows facts come before <windows.h>, whose macros bear their names.
#include "fake/FakeWindows.h"
#include "runtime/Error.h"
#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeChild.h"
#include "platform/native/NativeWindowSystem.h"
#include "platform/native/WinHeaders.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace nativetest {

inline HWND hwndOf(const ui::Control& control) {
    return dynamic_cast<const native::NativeChild&>(control).hwnd();
}

class NativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = windows.createWindow("Native test", ui::Window::Style::FixedDialog, {600, 600, 9000, 6750});
        ASSERT_NE(window->handle(), 0u);
        window->show();
    }

    HWND windowHwnd() const { return reinterpret_cast<HWND>(window->handle()); }
    // Posts a key press to the window with the focus, as the keyboard would.
    static void postKey(UINT key) {
        HWND focus = ::GetFocus();
        ::PostMessageA(focus, WM_KEYDOWN, key, 1);
        ::PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    }
    // Lets the window system's message loop handle everything posted so far.
    void runPosted() {
        windows.quit();
        windows.run();
    }

    fake::FakeWindows runtime;
    native::NativeWindowSystem windows{runtime};
    std::unique_ptr<ui::Window> window;
};

} // namespace nativetest
