#include "platform/native/NativeTabControl.h"

#include <stdexcept>

namespace native {

NativeTabControl::NativeTabControl(Surface& host, const std::string& name,
                                   const std::vector<std::string>& captions, const ui::Rect& bounds)
    : NativeControl(host, name, bounds), captions_(captions), backColor_(::GetSysColor(COLOR_BTNFACE)) {
    // WS_EX_CONTROLPARENT: the Tab key visits the tab control and then walks into
    // the page in front. WS_CLIPCHILDREN: the tab control never paints over it.
    HWND window = createControl(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "",
                                WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TCS_FIXEDWIDTH, pixels());
    bind(window);
    subclass(window);
    if (window == nullptr)
        return;
    for (std::size_t index = 0; index < captions_.size(); ++index) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(captions_[index].c_str());
        ::SendMessageA(window, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
    }
    layoutTabs();
    const RECT rect = pageRect();
    for (std::size_t index = 0; index < captions_.size(); ++index) {
        pages_.push_back(std::make_unique<Page>(*this));
        pages_.back()->open(window, rect);
    }
    showCurrentPage();
}

NativeTabControl::~NativeTabControl() {
    // The pages are the tab control's children: they go first.
    pages_.clear();
}

int NativeTabControl::tab() const {
    if (hwnd() == nullptr)
        return 0;
    const auto current = static_cast<int>(::SendMessageA(hwnd(), TCM_GETCURSEL, 0, 0));
    return current < 0 ? 0 : current;
}

void NativeTabControl::requireTab(int index) const {
    if (index < 0 || index >= tabCount())
        throw std::out_of_range("tab control " + name() + " has no tab " + std::to_string(index));
}

std::string NativeTabControl::tabCaption(int index) const {
    requireTab(index);
    return captions_[static_cast<std::size_t>(index)];
}

ui::Container& NativeTabControl::page(int index) {
    requireTab(index);
    return pages_[static_cast<std::size_t>(index)]->contents();
}

void NativeTabControl::setBackColor(win::COLORREF color) {
    backColor_ = color;
    if (hwnd() != nullptr)
        ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void NativeTabControl::layoutTabs() {
    // Tabs of equal width across the whole control, a little narrower than a
    // share so the row never needs scroll arrows.
    RECT client;
    ::GetClientRect(hwnd(), &client);
    if (captions_.empty())
        return;
    RECT item = {};
    int height = 0;
    if (::SendMessageA(hwnd(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)))
        height = item.bottom - item.top;
    const int width = (client.right - client.left - 6) / static_cast<int>(captions_.size());
    if (width > 0)
        ::SendMessageA(hwnd(), TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

RECT NativeTabControl::pageRect() const {
    RECT rect;
    ::GetClientRect(hwnd(), &rect);
    ::SendMessageA(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void NativeTabControl::place() {
    NativeControl::place();
    if (hwnd() == nullptr)
        return;
    layoutTabs();
    const RECT rect = pageRect();
    for (const auto& page : pages_)
        ::SetWindowPos(page->hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left,
                       rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void NativeTabControl::showCurrentPage() {
    const int current = tab();
    HWND focus = ::GetFocus();
    for (int index = 0; index < tabCount(); ++index) {
        HWND page = pages_[static_cast<std::size_t>(index)]->hwnd();
        if (page == nullptr || index == current)
            continue;
        // Keys must not go on reaching a control that is no longer shown.
        if (focus != nullptr && ::IsChild(page, focus))
            ::SetFocus(hwnd());
        ::ShowWindow(page, SW_HIDE);
    }
    if (current < tabCount() && pages_[static_cast<std::size_t>(current)]->hwnd() != nullptr)
        ::ShowWindow(pages_[static_cast<std::size_t>(current)]->hwnd(), SW_SHOWNA);
}

LRESULT NativeTabControl::notify(const NMHDR& header) {
    if (header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        showCurrentPage();
        system_.raise(onClick);
    }
    return 0;
}

void NativeTabControl::raiseMouseMove(WPARAM wParam, int x, int y) {
    system_.raise(onMouseMove, system_.screen().mouseEvent(wParam, MAKELPARAM(x, y)));
}

bool NativeTabControl::filter(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND: {
        // The strip beside the tabs shows what lies behind the control; the
        // pages paint the display area themselves.
        RECT client;
        ::GetClientRect(hwnd(), &client);
        ::FillRect(reinterpret_cast<HDC>(wParam), &client, system_.brush(host_.surfaceColor()));
        result = 1;
        return true;
    }
    case WM_MOUSEMOVE:
        raiseMouseMove(wParam, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
        return false; // the tab control still tracks the hot tab
    default:
        return false;
    }
}

void NativeTabControl::Page::open(HWND parent, const RECT& rect) {
    area_ = rect;
    create(WS_EX_CONTROLPARENT, PanelClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, parent);
}

LRESULT NativeTabControl::Page::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) {
        // Over the page is over the tab control: report it in the tab control's
        // coordinates.
        POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ::MapWindowPoints(hwnd(), tabs_.hwnd(), &point, 1);
        tabs_.raiseMouseMove(wParam, point.x, point.y);
        return 0;
    }
    return Surface::onMessage(message, wParam, lParam);
}

} // namespace native
