#include "platform/native/NativeScreen.h"

#include "platform/native/ScopedGdi.h"

namespace native {

namespace {

// The standard shapes behind the pointer numbers the program uses; any other
// number leaves the windows their own pointers, as 0 does.
LPCSTR cursorResource(int pointer) {
    switch (pointer) {
    case 1:
        return IDC_ARROW;
    case 2:
        return IDC_CROSS;
    case 3:
        return IDC_IBEAM;
    case ui::vbHourglass:
        return IDC_WAIT;
    case 13:
        return IDC_APPSTARTING;
    default:
        return nullptr;
    }
}

} // namespace

NativeScreen::NativeScreen() {
    const ScreenContext screen;
    if (screen.dc() == nullptr)
        return;
    const int dpiX = ::GetDeviceCaps(screen.dc(), LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(screen.dc(), LOGPIXELSY);
    // A display that reports nonsense keeps the standard 96 dots per inch.
    if (dpiX > 0 && dpiX <= 1440)
        dpiX_ = dpiX;
    if (dpiY > 0 && dpiY <= 1440)
        dpiY_ = dpiY;
}

int NativeScreen::width() const {
    return ::GetSystemMetrics(SM_CXSCREEN) * twipsPerPixelX();
}

int NativeScreen::height() const {
    return ::GetSystemMetrics(SM_CYSCREEN) * twipsPerPixelY();
}

void NativeScreen::setMousePointer(int pointer) {
    pointer_ = pointer;
    LPCSTR resource = cursorResource(pointer);
    cursor_ = resource != nullptr ? ::LoadCursorA(nullptr, resource) : nullptr;
    // A long operation runs without dispatching messages, so no WM_SETCURSOR
    // would come to show the hourglass: set the shape now.
    ::SetCursor(cursor_ != nullptr ? cursor_ : ::LoadCursorA(nullptr, IDC_ARROW));
}

bool NativeScreen::applyMousePointer() const {
    if (cursor_ == nullptr)
        return false;
    ::SetCursor(cursor_);
    return true;
}

RECT NativeScreen::pixels(const ui::Rect& twips) const {
    RECT rect;
    rect.left = xPixels(twips.left);
    rect.top = yPixels(twips.top);
    rect.right = rect.left + xPixels(twips.width);
    rect.bottom = rect.top + yPixels(twips.height);
    return rect;
}

ui::Rect NativeScreen::twips(const RECT& pixels) const {
    ui::Rect rect;
    rect.left = xTwips(pixels.left);
    rect.top = yTwips(pixels.top);
    rect.width = xTwips(pixels.right - pixels.left);
    rect.height = yTwips(pixels.bottom - pixels.top);
    return rect;
}

ui::MouseEvent NativeScreen::mouseEvent(WPARAM wParam, LPARAM lParam) const {
    ui::MouseEvent event;
    if (wParam & MK_LBUTTON)
        event.button |= ui::LeftButton;
    if (wParam & MK_RBUTTON)
        event.button |= ui::RightButton;
    if (wParam & MK_MBUTTON)
        event.button |= ui::MiddleButton;
    if (wParam & MK_SHIFT)
        event.shift |= 1;
    if (wParam & MK_CONTROL)
        event.shift |= 2;
    if (::GetKeyState(VK_MENU) < 0)
        event.shift |= 4;
    event.x = xTwips(static_cast<short>(LOWORD(lParam)));
    event.y = yTwips(static_cast<short>(HIWORD(lParam)));
    return event;
}

} // namespace native
