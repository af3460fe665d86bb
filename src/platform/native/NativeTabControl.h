// A tab control: the common controls' SysTabControl32 with one page per tab.
// Each page is a panel of the program's own class, a child of the tab control
// over its display area, painted in the tab control's background colour and
// shown only while its tab is in front, so the controls on it show and hide with
// it. As on the tab controls of Visual Basic, the positions of the controls on a
// page count from the tab control's top-left corner, tab row included. The strip
// beside the tabs takes the colour of the surface that holds the tab control.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeContainer.h"
#include "platform/native/NativeControl.h"
#include "platform/native/Surface.h"

#include <memory>
#include <string>
#include <vector>

namespace native {

class NativeTabControl : public NativeControl<ui::TabControl> {
public:
    NativeTabControl(Surface& host, const std::string& name, const std::vector<std::string>& captions,
                     const ui::Rect& bounds);
    ~NativeTabControl() override;

    int tabCount() const override { return static_cast<int>(captions_.size()); }
    int tab() const override;
    std::string tabCaption(int index) const override;
    ui::Container& page(int index) override;
    void setBackColor(win::COLORREF color) override;
    win::COLORREF backColor() const override { return backColor_; }

    LRESULT notify(const NMHDR& header) override;
    bool filter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void place() override;

private:
    class Page : public Surface {
    public:
        explicit Page(NativeTabControl& tabs) : Surface(tabs.system_), tabs_(tabs), contents_(*this) {}
        void open(HWND parent, const RECT& rect);
        COLORREF surfaceColor() const override { return tabs_.backColor_; }
        // The tab control's top-left corner, in the page's pixels.
        POINT origin() const override { return POINT{-area_.left, -area_.top}; }
        NativeContainer& contents() { return contents_; }

    protected:
        LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        NativeTabControl& tabs_;
        RECT area_ = {0, 0, 0, 0};
        NativeContainer contents_;
    };

    void requireTab(int index) const;
    RECT pageRect() const;
    void layoutTabs();
    void showCurrentPage();
    void raiseMouseMove(WPARAM wParam, int x, int y);

    std::vector<std::string> captions_;
    std::vector<std::unique_ptr<Page>> pages_;
    COLORREF backColor_;
};

} // namespace native
