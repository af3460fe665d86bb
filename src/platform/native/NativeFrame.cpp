#include "platform/native/NativeFrame.h"

#include "platform/native/ScopedGdi.h"

namespace native {

NativeFrame::NativeFrame(Surface& host, const std::string& name, const std::string& caption,
                         const ui::Rect& bounds)
    : NativeControl(host, name, bounds), caption_(caption), panel_(*this), contents_(panel_) {
    panel_.open(host.hwnd(), pixels());
    bind(panel_.hwnd());
}

NativeFrame::~NativeFrame() = default;

void NativeFrame::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd() != nullptr)
        ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void NativeFrame::Panel::open(HWND parent, const RECT& rect) {
    // WS_EX_CONTROLPARENT: the Tab key walks into the frame's controls.
    create(WS_EX_CONTROLPARENT, PanelClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
           rect, parent);
}

// Frames keep the dialog colour of Windows whatever lies behind them, so the
// lists, buttons and texts on them read as on any dialog.
COLORREF NativeFrame::Panel::surfaceColor() const {
    return ::GetSysColor(COLOR_BTNFACE);
}

LRESULT NativeFrame::Panel::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const PaintSession session(hwnd());
        paint(session.dc());
        return 0;
    }
    return Surface::onMessage(message, wParam, lParam);
}

void NativeFrame::Panel::paint(HDC dc) {
    RECT client;
    ::GetClientRect(hwnd(), &client);
    const SelectedObject font(dc, system_.font(false));
    TEXTMETRICA metrics;
    ::GetTextMetricsA(dc, &metrics);
    const int textHeight = metrics.tmHeight;

    // The etched border runs through the middle of the caption's line.
    RECT border = client;
    border.top += textHeight / 2;
    ::DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::string& caption = frame_.caption_;
    if (!caption.empty()) {
        SIZE extent;
        ::GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        RECT text = {8, 0, 8 + extent.cx + 4, textHeight};
        if (text.right > client.right - 4)
            text.right = client.right - 4;
        ::FillRect(dc, &text, system_.brush(surfaceColor()));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        text.left += 2;
        ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_LEFT | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

} // namespace native
