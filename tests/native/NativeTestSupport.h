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

// A 24-bit BMP file of width x height pixels, all of one colour.
inline std::string bmpFile(int width, int height, unsigned char red, unsigned char green,
                           unsigned char blue) {
    const int stride = (width * 3 + 3) & ~3;
    const int pixelBytes = stride * height;
    std::string file(54 + static_cast<std::size_t>(pixelBytes), '\0');
    auto put = [&file](std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    file[0] = 'B';
    file[1] = 'M';
    put(2, static_cast<std::uint32_t>(file.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, static_cast<std::uint32_t>(width), 4);
    put(22, static_cast<std::uint32_t>(height), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, static_cast<std::uint32_t>(pixelBytes), 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
            file[at] = static_cast<char>(blue);
            file[at + 1] = static_cast<char>(green);
            file[at + 2] = static_cast<char>(red);
        }
    }
    return file;
}

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
