#include "platform/native/NativeLabel.h"

namespace native {

namespace {

// Text that has no colour of its own stays legible on any holder: the
// system's text colour on a light background, white on a dark one.
COLORREF legibleTextOn(COLORREF background) {
    const int luminance =
        (299 * GetRValue(background) + 587 * GetGValue(background) + 114 * GetBValue(background)) / 1000;
    return luminance < 96 ? RGB(255, 255, 255) : ::GetSysColor(COLOR_BTNTEXT);
}

} // namespace

NativeLabel::NativeLabel(Surface& host, const std::string& name, const std::string& caption,
                         const ui::Rect& bounds)
    : NativeControl(host, name, bounds), caption_(caption) {
    // SS_NOPREFIX: an ampersand in a caption (a file name, a web address) is text.
    HWND window = createControl(0, "STATIC", caption, SS_LEFT | SS_NOTIFY | SS_NOPREFIX, pixels());
    bind(window);
    subclass(window);
}

void NativeLabel::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd() != nullptr)
        ::SetWindowTextA(hwnd(), caption.c_str());
}

void NativeLabel::setForeColor(win::COLORREF color) {
    foreColor_ = color;
    foreColorSet_ = true;
    if (hwnd() != nullptr)
        ::InvalidateRect(hwnd(), nullptr, TRUE);
}

win::COLORREF NativeLabel::foreColor() const {
    return foreColorSet_ ? foreColor_ : legibleTextOn(host_.surfaceColor());
}

void NativeLabel::setUnderline(bool underline) {
    underline_ = underline;
    if (hwnd() != nullptr)
        ::SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(system_.font(underline)), TRUE);
}

void NativeLabel::command(int code) {
    if (code == STN_CLICKED)
        system_.raise(onClick);
}

HBRUSH NativeLabel::ctlColor(HDC dc, HWND /*part*/) {
    ::SetTextColor(dc, foreColor());
    ::SetBkColor(dc, host_.surfaceColor());
    ::SetBkMode(dc, TRANSPARENT);
    return system_.brush(host_.surfaceColor());
}

bool NativeLabel::filter(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_MOUSEMOVE)
        return false;
    result = 0;
    system_.raise(onMouseMove, system_.screen().mouseEvent(wParam, lParam));
    return true;
}

} // namespace native
