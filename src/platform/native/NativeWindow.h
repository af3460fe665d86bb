// A top-level window: borderless (WS_POPUP; the program draws its own title strip
// with pictures) or a dialog with a fixed border and a caption, which may have an
// owner window and show modally over it. Its bounds are the outer rectangle in
// twips, the controls lie on its client area. Closing it destroys its window and
// those of its controls; the objects stay until the window object goes, so a
// handler may close the window it runs in.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeContainer.h"
#include "platform/native/Surface.h"

#include <string>

namespace native {

class NativeWindow : public ui::Window, public Surface {
public:
    NativeWindow(NativeWindowSystem& system, const std::string& caption, Style style, const ui::Rect& bounds,
                 HWND owner = nullptr);
    ~NativeWindow() override;

    ui::Label& addLabel(const std::string& name, const std::string& caption, const ui::Rect& bounds) override;
    ui::Button& addButton(const std::string& name, const std::string& caption,
                          const ui::Rect& bounds) override;
    ui::Frame& addFrame(const std::string& name, const std::string& caption, const ui::Rect& bounds) override;
    ui::PictureBox& addPictureBox(const std::string& name, const ui::Rect& bounds) override;
    ui::ComboBox& addComboBox(const std::string& name, ui::ComboBox::Style style,
                              const ui::Rect& bounds) override;
    ui::TabControl& addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                  const ui::Rect& bounds) override;
    ui::RichTextBox& addRichTextBox(const std::string& name, const ui::Rect& bounds) override;
    ui::CheckBox& addCheckBox(const std::string& name, const std::string& caption,
                              const ui::Rect& bounds) override;

    std::string caption() const override { return caption_; }
    void setCaption(const std::string& caption) override;
    void move(const ui::Rect& bounds) override;
    ui::Rect bounds() const override { return bounds_; }
    void setBackColor(win::COLORREF color) override;
    win::COLORREF backColor() const override { return backColor_; }
    void show() override;
    bool isShown() const override;
    bool isActive() const override;
    void minimize() override;
    bool isMinimized() const override;
    void close() override;
    win::HWND handle() const override { return reinterpret_cast<win::HWND>(hwnd()); }
    void setDefaultButton(ui::Button& button) override;
    void setCancelButton(ui::Button& button) override;
    void showModal() override;
    // The buttons Enter and Escape click, nullptr for none.
    HWND defaultButton() const { return defaultButton_; }
    HWND cancelButton() const { return cancelButton_; }

    COLORREF surfaceColor() const override { return backColor_; }
    // The control that takes the focus when the window is next activated.
    void focusOnActivation(HWND control) { lastFocus_ = control; }

protected:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void mouseMoved(const ui::MouseEvent& event) override;
    void destroyed() override;

private:
    // A modal window gives its owner the input back before it goes, so that
    // Windows activates the owner and not another program's window.
    void releaseOwner();

    std::string caption_;
    ui::Rect bounds_;
    COLORREF backColor_;
    // The control that had the focus when the window was last deactivated.
    HWND lastFocus_ = nullptr;
    bool open_ = false;
    HWND owner_;
    bool modal_ = false;
    HWND defaultButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    NativeContainer contents_;
};

} // namespace native
