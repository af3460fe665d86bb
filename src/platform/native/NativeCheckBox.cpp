#include "platform/native/NativeCheckBox.h"

namespace native {

NativeCheckBox::NativeCheckBox(Surface& host, const std::string& name, const std::string& caption,
                               const ui::Rect& bounds)
    : NativeControl(host, name, bounds), caption_(caption) {
    bind(createControl(0, "BUTTON", caption, BS_AUTOCHECKBOX | WS_TABSTOP, pixels()));
}

void NativeCheckBox::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd() != nullptr)
        ::SetWindowTextA(hwnd(), caption.c_str());
}

void NativeCheckBox::setValue(bool checked) {
    checked_ = checked;
    if (hwnd() != nullptr)
        ::SendMessageA(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool NativeCheckBox::value() const {
    return hwnd() != nullptr ? ::SendMessageA(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void NativeCheckBox::command(int code) {
    if (code != BN_CLICKED)
        return;
    checked_ = value();
    system_.raise(onClick);
}

} // namespace native
