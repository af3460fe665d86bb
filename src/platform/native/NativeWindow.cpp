#include "platform/native/NativeWindow.h"

#include "platform/native/NativeChild.h"
#include "platform/native/NativeWindowSystem.h"

namespace native {

namespace {

DWORD windowStyle(ui::Window::Style style) {
    // Borderless: no caption and no frame; the system menu and minimise box only
    // let the taskbar minimise and restore it.
    if (style == ui::Window::Style::Borderless)
        return WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

DWORD windowExStyle(ui::Window::Style style) {
    // WS_EX_CONTROLPARENT: the Tab key walks through the controls.
    if (style == ui::Window::Style::Borderless)
        return WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
    return WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
}

} // namespace

NativeWindow::NativeWindow(NativeWindowSystem& system, const std::string& caption, Style style,
                           const ui::Rect& bounds, HWND owner)
    : Surface(system), caption_(caption), bounds_(bounds), backColor_(::GetSysColor(COLOR_BTNFACE)),
      owner_(owner), contents_(*this) {
    create(windowExStyle(style), TopWindowClass, caption.c_str(), windowStyle(style),
           system.screen().pixels(bounds), owner);
    if (hwnd() != nullptr) {
        open_ = true;
        system.windowOpened(*this);
    }
}

NativeWindow::~NativeWindow() {
    // While the controls still exist, so each hears that its window is gone.
    close();
}

ui::Label& NativeWindow::addLabel(const std::string& name, const std::string& caption,
                                  const ui::Rect& bounds) {
    return contents_.addLabel(name, caption, bounds);
}

ui::Button& NativeWindow::addButton(const std::string& name, const std::string& caption,
                                    const ui::Rect& bounds) {
    return contents_.addButton(name, caption, bounds);
}

ui::Frame& NativeWindow::addFrame(const std::string& name, const std::string& caption,
                                  const ui::Rect& bounds) {
    return contents_.addFrame(name, caption, bounds);
}

ui::PictureBox& NativeWindow::addPictureBox(const std::string& name, const ui::Rect& bounds) {
    return contents_.addPictureBox(name, bounds);
}

ui::ComboBox& NativeWindow::addComboBox(const std::string& name, ui::ComboBox::Style style,
                                        const ui::Rect& bounds) {
    return contents_.addComboBox(name, style, bounds);
}

ui::TabControl& NativeWindow::addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                            const ui::Rect& bounds) {
    return contents_.addTabControl(name, captions, bounds);
}

ui::RichTextBox& NativeWindow::addRichTextBox(const std::string& name, const ui::Rect& bounds) {
    return contents_.addRichTextBox(name, bounds);
}

ui::CheckBox& NativeWindow::addCheckBox(const std::string& name, const std::string& caption,
                                        const ui::Rect& bounds) {
    return contents_.addCheckBox(name, caption, bounds);
}

void NativeWindow::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd() != nullptr)
        ::SetWindowTextA(hwnd(), caption.c_str());
}

void NativeWindow::move(const ui::Rect& bounds) {
    bounds_ = bounds;
    if (hwnd() == nullptr)
        return;
    const RECT rect = system_.screen().pixels(bounds);
    ::MoveWindow(hwnd(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void NativeWindow::setBackColor(win::COLORREF color) {
    backColor_ = color;
    repaintAll();
}

void NativeWindow::show() {
    if (hwnd() == nullptr)
        return;
    if (::IsIconic(hwnd()))
        ::ShowWindow(hwnd(), SW_RESTORE);
    else if (!::IsWindowVisible(hwnd()))
        ::ShowWindow(hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd());
    // No UpdateWindow: the window and its controls paint from the message loop,
    // which every caller returns to at once, rather than all of them before the
    // program reads its next message.
}

bool NativeWindow::isShown() const {
    return hwnd() != nullptr && ::IsWindowVisible(hwnd());
}

bool NativeWindow::isActive() const {
    return hwnd() != nullptr && ::GetActiveWindow() == hwnd();
}

void NativeWindow::minimize() {
    if (hwnd() != nullptr)
        ::ShowWindow(hwnd(), SW_MINIMIZE);
}

bool NativeWindow::isMinimized() const {
    return hwnd() != nullptr && ::IsIconic(hwnd());
}

void NativeWindow::close() {
    releaseOwner();
    if (hwnd() != nullptr)
        ::DestroyWindow(hwnd());
}

void NativeWindow::setDefaultButton(ui::Button& button) {
    defaultButton_ = dynamic_cast<NativeChild&>(button).hwnd();
    if (defaultButton_ != nullptr)
        ::SendMessageA(defaultButton_, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

void NativeWindow::setCancelButton(ui::Button& button) {
    cancelButton_ = dynamic_cast<NativeChild&>(button).hwnd();
}

// The owner is disabled while the window shows, as DialogBox does, and the
// window system's message loop runs until the window is gone.
void NativeWindow::showModal() {
    if (hwnd() == nullptr)
        return;
    if (owner_ != nullptr && ::IsWindowEnabled(owner_)) {
        ::EnableWindow(owner_, FALSE);
        modal_ = true;
    }
    show();
    system_.runUntilClosed(*this);
    releaseOwner();
}

void NativeWindow::releaseOwner() {
    if (!modal_)
        return;
    modal_ = false;
    ::EnableWindow(owner_, TRUE);
}

void NativeWindow::mouseMoved(const ui::MouseEvent& event) {
    system_.raise(onMouseMove, event);
}

void NativeWindow::destroyed() {
    releaseOwner();
    if (!open_)
        return;
    open_ = false;
    system_.windowClosed(*this);
}

LRESULT NativeWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE: {
        // The system menu, Alt+F4 or the dialog's close box: the window unloads
        // as if the program had closed it, then the program hears of it.
        NativeWindowSystem& system = system_;
        const ui::Handler closed = onClosed;
        releaseOwner();
        ::DestroyWindow(hwnd());
        system.raise(closed);
        return 0;
    }
    case WM_ACTIVATE: {
        HWND focus = ::GetFocus();
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (focus != nullptr && ::IsChild(hwnd(), focus))
                lastFocus_ = focus;
            return 0;
        }
        // Activated, as a dialog is: the focus goes back where it was, or to the
        // first control the Tab key reaches.
        if (HIWORD(wParam) != 0 || (focus != nullptr && ::IsChild(hwnd(), focus)))
            return 0;
        if (lastFocus_ != nullptr && ::IsWindow(lastFocus_) && ::IsChild(hwnd(), lastFocus_) &&
            ::IsWindowVisible(lastFocus_))
            ::SetFocus(lastFocus_);
        else
            system_.focusFirstControl(hwnd());
        return 0;
    }
    default:
        return Surface::onMessage(message, wParam, lParam);
    }
}

} // namespace native
