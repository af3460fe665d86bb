// A headless window: caption, bounds, background colour, shown, active,
// minimised and closed states, and the controls on it, each reachable by name.
#pragma once

#include "headless/Container.h"
#include "platform/ui/WindowSystem.h"

#include <map>
#include <string>

namespace headless {

class HeadlessWindowSystem;

class Window : public ui::Window {
public:
    Window(HeadlessWindowSystem& system, std::string caption, Style style, const ui::Rect& bounds);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // ---- ui::Container: the controls placed on the window itself ----------------
    ui::Label& addLabel(const std::string& name, const std::string& caption,
                        const ui::Rect& bounds) override {
        return contents_.addLabel(name, caption, bounds);
    }
    ui::Button& addButton(const std::string& name, const std::string& caption,
                          const ui::Rect& bounds) override {
        return contents_.addButton(name, caption, bounds);
    }
    ui::Frame& addFrame(const std::string& name, const std::string& caption,
                        const ui::Rect& bounds) override {
        return contents_.addFrame(name, caption, bounds);
    }
    ui::PictureBox& addPictureBox(const std::string& name, const ui::Rect& bounds) override {
        return contents_.addPictureBox(name, bounds);
    }
    ui::ComboBox& addComboBox(const std::string& name, ui::ComboBox::Style style,
                              const ui::Rect& bounds) override {
        return contents_.addComboBox(name, style, bounds);
    }
    ui::TabControl& addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                  const ui::Rect& bounds) override {
        return contents_.addTabControl(name, captions, bounds);
    }
    ui::RichTextBox& addRichTextBox(const std::string& name, const ui::Rect& bounds) override {
        return contents_.addRichTextBox(name, bounds);
    }

    // ---- ui::Window -------------------------------------------------------------
    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void move(const ui::Rect& bounds) override { bounds_ = bounds; }
    ui::Rect bounds() const override { return bounds_; }
    void setBackColor(win::COLORREF color) override { backColor_ = color; }
    win::COLORREF backColor() const override { return backColor_; }
    void show() override;
    bool isShown() const override { return shown_; }
    bool isActive() const override;
    void minimize() override;
    bool isMinimized() const override { return minimized_; }
    void close() override;
    win::HWND handle() const override { return 0; }

    // ---- headless -----------------------------------------------------------------
    bool isClosed() const { return closed_; }
    // The controls placed directly on the window.
    headless::Container& contents() { return contents_; }
    // The control of that name anywhere on the window (in frames and tab pages too),
    // nullptr when there is none.
    ui::Control* control(const std::string& name) const;

    // The user moves the mouse over the window background.
    void userMouseMove(int x, int y, int button = 0);
    // The user closes the window from its system menu or with Alt+F4.
    void userClose();
    // The user clicks the window's taskbar button or frame: restored and active.
    void userActivate();

    // Bookkeeping for the controls and the window system.
    HeadlessWindowSystem& system() const;
    bool attached() const { return system_ != nullptr; }
    void registerControl(ui::Control& control);
    void detach() { system_ = nullptr; }
    // Throws std::logic_error when the window is closed: a user cannot act on it.
    void requireOpen() const;

private:
    HeadlessWindowSystem* system_;
    std::string caption_;
    ui::Rect bounds_;
    win::COLORREF backColor_ = ui::RGB(212, 208, 200);
    bool shown_ = false;
    bool minimized_ = false;
    bool closed_ = false;
    headless::Container contents_;
    std::map<std::string, ui::Control*> controls_;
};

} // namespace headless
