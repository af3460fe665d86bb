// The window systems the typed window-system suite runs over: the native one on
// real windows in the Windows builds (under Wine), the headless one elsewhere.
// Each backend gives its window system, a folder for picture files, and the user
// actions the suite needs, made the way that window system receives them.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <gtest/gtest.h>

#include <string>

namespace windowsystemtest {
enum class DialogKey { enter, escape };
}

#ifdef _WIN32
#include "NativeTestSupport.h"

namespace windowsystemtest {

struct NativeBackend {
    fake::FakeWindows runtime;
    native::NativeWindowSystem windows{runtime};

    std::string folder() { return runtime.appPath(); }
    void putFile(const std::string& path, const std::string& bytes) { runtime.makeFile(path, bytes); }

    static void press(const ui::Control& control, UINT down, UINT up, WPARAM held) {
        ::SendMessageA(nativetest::hwndOf(control), down, held, MAKELPARAM(3, 3));
        if (up != 0)
            ::SendMessageA(nativetest::hwndOf(control), up, 0, MAKELPARAM(3, 3));
    }
    void click(ui::Button& button) { ::SendMessageA(nativetest::hwndOf(button), BM_CLICK, 0, 0); }
    void click(ui::CheckBox& box) { ::SendMessageA(nativetest::hwndOf(box), BM_CLICK, 0, 0); }
    // The key reaches the dialog's message loop once it shows.
    void pressInModal(ui::Window& dialog, DialogKey key) {
        ::PostMessageA(reinterpret_cast<HWND>(dialog.handle()), WM_KEYDOWN,
                       key == DialogKey::enter ? VK_RETURN : VK_ESCAPE, 1);
        dialog.showModal();
    }
    void click(ui::Label& label) { press(label, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON); }
    void click(ui::PictureBox& picture) { press(picture, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON); }
    void rightPress(ui::PictureBox& picture) { press(picture, WM_RBUTTONDOWN, 0, MK_RBUTTON); }
    void closeFromSystemMenu(ui::Window& window) {
        ::SendMessageA(reinterpret_cast<HWND>(window.handle()), WM_CLOSE, 0, 0);
    }
};

using WindowSystemBackends = ::testing::Types<NativeBackend>;

} // namespace windowsystemtest

#else
#include "fake/FakeWindows.h"
#include "headless/Controls.h"
#include "platform/InputFacts.h"

namespace windowsystemtest {

struct HeadlessBackend {
    fake::FakeWindows fake;
    headless::HeadlessWindowSystem windows{fake, fake};

    std::string folder() { return fake.appPath(); }
    void putFile(const std::string& path, const std::string& bytes) { fake.makeFile(path, bytes); }

    void click(ui::Button& button) { headless::as<headless::Button>(button).userClick(); }
    void click(ui::CheckBox& box) { headless::as<headless::CheckBox>(box).userClick(); }
    void pressInModal(ui::Window& dialog, DialogKey key) {
        const int code = key == DialogKey::enter ? win::VK_RETURN : win::VK_ESCAPE;
        windows.whenModal([code](headless::Window& shown) { shown.userPressKey(code); });
        dialog.showModal();
    }
    void click(ui::Label& label) { headless::as<headless::Label>(label).userClick(); }
    void click(ui::PictureBox& picture) { headless::as<headless::PictureBox>(picture).userClick(); }
    void rightPress(ui::PictureBox& picture) {
        headless::as<headless::PictureBox>(picture).userMouseDown(ui::RightButton);
    }
    void closeFromSystemMenu(ui::Window& window) { headless::as(window).userClose(); }
};

using WindowSystemBackends = ::testing::Types<HeadlessBackend>;

} // namespace windowsystemtest
#endif
