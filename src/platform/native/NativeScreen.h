// The display as the program sees it: its size in twips, the twips of one pixel
// (1440 / LOGPIXELSX of the display), the conversions every control uses to place
// itself, and the program-wide mouse pointer.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/WinHeaders.h"

namespace native {

class NativeScreen : public ui::Screen {
public:
    NativeScreen();

    int width() const override;
    int height() const override;
    int twipsPerPixelX() const override { return 1440 / dpiX_; }
    int twipsPerPixelY() const override { return 1440 / dpiY_; }
    // 0 leaves each window its own pointer; 11 shows the hourglass over all of them.
    void setMousePointer(int pointer) override;
    int mousePointer() const override { return pointer_; }

    // WM_SETCURSOR of any of the program's windows: sets the program-wide pointer
    // and tells whether it did (the window must then not set its own).
    bool applyMousePointer() const;

    int xPixels(int twips) const { return ::MulDiv(twips, dpiX_, 1440); }
    int yPixels(int twips) const { return ::MulDiv(twips, dpiY_, 1440); }
    int xTwips(int pixels) const { return ::MulDiv(pixels, 1440, dpiX_); }
    int yTwips(int pixels) const { return ::MulDiv(pixels, 1440, dpiY_); }
    RECT pixels(const ui::Rect& twips) const;
    ui::Rect twips(const RECT& pixels) const;
    // The buttons, shift keys and place (in twips) of a mouse message.
    ui::MouseEvent mouseEvent(WPARAM wParam, LPARAM lParam) const;

private:
    int dpiX_ = 96;
    int dpiY_ = 96;
    int pointer_ = ui::vbDefault;
    HCURSOR cursor_ = nullptr;
};

} // namespace native
