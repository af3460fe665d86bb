#include "headless/HeadlessWindowSystem.h"

#include "headless/Controls.h"
#include "runtime/Error.h"

#include <algorithm>

namespace headless {

HeadlessWindowSystem::HeadlessWindowSystem(rt::Runtime& runtime, rt::MessageBoxService& messages,
                                           int widthPixels, int heightPixels, int twipsPerPixel)
    : runtime_(runtime), messages_(messages), screen_(widthPixels, heightPixels, twipsPerPixel) {}

HeadlessWindowSystem::~HeadlessWindowSystem() {
    // Windows that outlive the system must not call back into it.
    for (Window* window : windows_)
        window->detach();
}

std::unique_ptr<ui::Window> HeadlessWindowSystem::createWindow(const std::string& caption,
                                                               ui::Window::Style style,
                                                               const ui::Rect& bounds) {
    auto window = std::make_unique<Window>(*this, caption, style, bounds);
    windows_.push_back(window.get());
    return window;
}

void HeadlessWindowSystem::reportUnhandled(std::exception_ptr error) {
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const rt::Error& failure) {
        text = "Run-time error '" + std::to_string(failure.number()) + "':\n\n" + failure.description();
    } catch (const std::exception& failure) {
        text = std::string("Run-time error:\n\n") + failure.what();
    } catch (...) {
        text = "Run-time error.";
    }
    const int MB_ICONHAND = 16;
    messages_.MsgBox(text, MB_ICONHAND, runtime_.appTitle());
}

std::vector<Window*> HeadlessWindowSystem::openWindows() const {
    std::vector<Window*> open;
    for (Window* window : windows_) {
        if (!window->isClosed())
            open.push_back(window);
    }
    return open;
}

void HeadlessWindowSystem::release(Window& window) {
    deactivate(window);
    if (focusWindow_ == &window) {
        focusWindow_ = nullptr;
        focused_ = nullptr;
    }
}

void HeadlessWindowSystem::forget(Window& window) {
    release(window);
    windows_.erase(std::remove(windows_.begin(), windows_.end(), &window), windows_.end());
}

} // namespace headless
