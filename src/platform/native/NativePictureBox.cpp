#include "platform/native/NativePictureBox.h"

#include "platform/ui/PictureDecoder.h"

#include "platform/native/NativePicture.h"
#include "platform/native/ScopedGdi.h"

#include <utility>

namespace native {

NativePictureBox::NativePictureBox(Surface& host, const std::string& name, const ui::Rect& bounds)
    : NativeControl(host, name, bounds), view_(*this) {
    view_.open(host.hwnd(), pixels());
    bind(view_.hwnd());
}

NativePictureBox::~NativePictureBox() = default;

void NativePictureBox::loadPicture(const std::string& path) {
    if (path.empty()) {
        setPicture(nullptr);
        return;
    }
    // Both throw (53 for a missing file, 481 for one that is no picture) before
    // anything changes: the control keeps its picture.
    const std::string bytes = system_.runtime().readFile(path);
    setPicture(std::make_shared<const NativePicture>(ui::decodePicture(bytes)));
}

void NativePictureBox::setPicture(ui::PicturePtr picture) {
    // Only pictures decoded by this window system can be painted; anything else
    // clears the control.
    auto painted = std::dynamic_pointer_cast<const NativePicture>(picture);
    // The title-strip buttons set their picture on every mouse move: repaint
    // only when it changes.
    if (painted == picture_)
        return;
    picture_ = std::move(painted);
    if (hwnd() != nullptr)
        ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void NativePictureBox::refresh() {
    if (hwnd() == nullptr)
        return;
    ::InvalidateRect(hwnd(), nullptr, FALSE);
    ::UpdateWindow(hwnd());
}

void NativePictureBox::View::open(HWND parent, const RECT& rect) {
    create(0, PictureClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rect, parent);
    // Windows puts a new child below its siblings; a picture set into another
    // (the colour scheme in the corner of the wallpaper) is made after it and
    // must show above it.
    ::SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT NativePictureBox::View::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // WM_PAINT covers every pixel.
    case WM_PAINT: {
        const PaintSession session(hwnd());
        RECT client;
        ::GetClientRect(hwnd(), &client);
        const auto* picture = static_cast<const NativePicture*>(box_.picture_.get());
        if (picture != nullptr)
            picture->paint(session.dc(), client, surfaceColor());
        else
            ::FillRect(session.dc(), &client, system_.brush(surfaceColor()));
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        ui::MouseEvent event = system_.screen().mouseEvent(wParam, lParam);
        // The button that went down, as the event reports it.
        event.button = message == WM_LBUTTONDOWN   ? ui::LeftButton
                       : message == WM_RBUTTONDOWN ? ui::RightButton
                                                   : ui::MiddleButton;
        if (message == WM_LBUTTONDOWN) {
            pressed_ = true;
            ::SetCapture(hwnd());
        }
        system_.raise(box_.onMouseDown, event);
        return 0;
    }
    case WM_LBUTTONUP: {
        const bool wasPressed = pressed_;
        pressed_ = false;
        if (::GetCapture() == hwnd())
            ::ReleaseCapture();
        RECT client;
        ::GetClientRect(hwnd(), &client);
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (wasPressed && ::PtInRect(&client, point))
            system_.raise(box_.onClick);
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    case WM_MOUSEMOVE:
        system_.raise(box_.onMouseMove, system_.screen().mouseEvent(wParam, lParam));
        return 0;
    default:
        return Surface::onMessage(message, wParam, lParam);
    }
}

} // namespace native
