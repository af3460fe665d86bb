#include "platform/native/NativeButton.h"

namespace native {

NativeButton::NativeButton(Surface& host, const std::string& name, const std::string& caption,
                           const ui::Rect& bounds)
    : NativeControl(host, name, bounds), caption_(caption) {
    bind(createControl(0, "BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, pixels()));
}

void NativeButton::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd() != nullptr)
        ::SetWindowTextA(hwnd(), caption.c_str());
}

void NativeButton::command(int code) {
    if (code == BN_CLICKED)
        system_.raise(onClick);
}

} // namespace native
