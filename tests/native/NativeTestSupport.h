// What the tests of the native window system share: a runtime whose files live in
// memory, a shown dialog window to put controls on, and a way to let the window
// system's own message loop handle what a test has posted (keys, clicks).
#pragma once

#include "runtime/Error.h"
#include "platform/Runtime.h"
#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeChild.h"
#include "platform/native/NativeWindowSystem.h"
#include "platform/native/WinHeaders.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace nativetest {

class MemoryRuntime : public rt::Runtime {
public:
    std::map<std::string, std::string> files;

    std::string appPath() override { return "C:\\Decorama"; }
    std::string appTitle() override { return "Decorama"; }
    rt::AppVersion appVersion() override { return {1, 0, 0}; }
    std::string Dir(const std::string& path) override { return files.count(path) ? path : std::string(); }
    void FileCopy(const std::string& source, const std::string& destination) override {
        files[destination] = readFile(source);
    }
    void Kill(const std::string& path) override { files.erase(path); }
    void Name(const std::string& oldPath, const std::string& newPath) override {
        files[newPath] = readFile(oldPath);
        files.erase(oldPath);
    }
    std::string readFile(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end())
            throw rt::Error(rt::ErrFileNotFound);
        return found->second;
    }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override {
        const std::string data = readFile(path);
        return offset >= data.size() ? std::string() : data.substr(static_cast<std::size_t>(offset), count);
    }
    void writeFile(const std::string& path, const std::string& data) override { files[path] = data; }
    void writeBytes(const std::string&, std::uint64_t, const std::string&) override {}
    std::uint32_t Shell(const std::string&, int) override { throw rt::Error(rt::ErrFileNotFound); }
};

class NativeTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = windows.createWindow("Native test", ui::Window::Style::FixedDialog, {600, 600, 9000, 6750});
        ASSERT_NE(window->handle(), 0u);
        window->show();
    }

    static HWND hwndOf(const ui::Control& control) {
        return dynamic_cast<const native::NativeChild&>(control).hwnd();
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

    MemoryRuntime runtime;
    native::NativeWindowSystem windows{runtime};
    std::unique_ptr<ui::Window> window;
};

} // namespace nativetest
