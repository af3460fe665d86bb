// The window system of the tests: the headless windows and controls, and what is
// global in a real window system (the focused control, the active window, the
// screen). Message boxes go to the message service it is given.
#pragma once

#include "platform/Runtime.h"
#include "platform/ui/WindowSystem.h"

#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace headless {

class Window;

class Screen : public ui::Screen {
public:
    Screen(int widthPixels, int heightPixels, int twipsPerPixel)
        : width_(widthPixels * twipsPerPixel), height_(heightPixels * twipsPerPixel), twips_(twipsPerPixel) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    int twipsPerPixelX() const override { return twips_; }
    int twipsPerPixelY() const override { return twips_; }
    void setMousePointer(int pointer) override { history_.push_back(pointer); }
    int mousePointer() const override { return history_.empty() ? ui::vbDefault : history_.back(); }
    const std::vector<int>& mousePointerHistory() const { return history_; }

private:
    int width_;
    int height_;
    int twips_;
    std::vector<int> history_;
};

class HeadlessWindowSystem : public ui::WindowSystem {
public:
    HeadlessWindowSystem(rt::Runtime& runtime, rt::MessageBoxService& messages, int widthPixels = 1024,
                         int heightPixels = 768, int twipsPerPixel = 15)
        : runtime_(runtime), messages_(messages), screen_(widthPixels, heightPixels, twipsPerPixel) {}
    ~HeadlessWindowSystem() override;
    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;
    std::unique_ptr<ui::Window> createWindow(const std::string& caption, ui::Window::Style,
                                             const ui::Rect& bounds) override {
        return open(caption, bounds, nullptr);
    }
    std::unique_ptr<ui::Window> createDialog(const std::string& caption, const ui::Rect& bounds,
                                             ui::Window& owner) override {
        return open(caption, bounds, &owner);
    }
    // The common file dialogs are Windows' own (the native tests type into them);
    // here each answers what a test gave for it with whenFileDialog.
    std::optional<std::string> chooseFile(const ui::FileDialog& dialog, ui::Window&) override {
        if (fileAnswers_.empty())
            throw std::logic_error("no answer for the file dialog " + dialog.title);
        fileDialogs.push_back(dialog);
        std::optional<std::string> answer = fileAnswers_.front();
        fileAnswers_.pop_front();
        return answer;
    }
    // The path the user chooses in the next file dialog, nothing for Cancel.
    void whenFileDialog(std::optional<std::string> answer) { fileAnswers_.push_back(std::move(answer)); }
    std::vector<ui::FileDialog> fileDialogs; // those shown
    // A RecordingCanvas (headless/RecordingCanvas.h).
    std::unique_ptr<ui::Canvas> createCanvas(int widthPixels, int heightPixels) override;
    // What the user does in the next modal dialog shown; the script must close it.
    void whenModal(std::function<void(Window&)> script) { modalScripts_.push_back(std::move(script)); }
    Screen& screen() override { return screen_; }
    int run() override { return 0; }
    void quit() override {}                   // run() has no loop to end
    void processPendingMessages() override {} // events run when they are raised
    int MsgBox(const std::string& prompt, int style, const std::string& title) override {
        return messages_.MsgBox(prompt, style, title);
    }
    rt::Runtime& runtime() { return runtime_; }
    void reportUnhandled(std::exception_ptr error);
    const ui::Control* focusedControl() const { return focused_; }
    // Windows created and not closed, in the order they were created.
    std::vector<Window*> openWindows() const;
    void setFocus(Window& window, const ui::Control& control) {
        focusWindow_ = &window;
        focused_ = &control;
    }
    void activate(Window& window) { active_ = &window; }
    void deactivate(Window& window) { active_ = active_ == &window ? nullptr : active_; }
    void release(Window& window);
    void forget(Window& window);

private:
    std::unique_ptr<ui::Window> open(const std::string& caption, const ui::Rect& bounds, ui::Window* owner);
    rt::Runtime& runtime_;
    rt::MessageBoxService& messages_;
    Screen screen_;
    std::vector<Window*> windows_;
    Window* active_ = nullptr;
    Window* focusWindow_ = nullptr;
    const ui::Control* focused_ = nullptr;
    std::deque<std::function<void(Window&)>> modalScripts_;
    std::deque<std::optional<std::string>> fileAnswers_;
    friend class Window;
};

} // namespace headless
