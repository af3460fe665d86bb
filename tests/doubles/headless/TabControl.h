// A headless tab control: its tabs with their pages of controls, the current
// tab, the background colour, and the click (after the tab changed) and
// mouse-move events. Page controls are placed relative to the tab control's own
// top-left corner, tab row included.
#pragma once

#include "headless/Container.h"
#include "headless/ControlBase.h"

#include <memory>
#include <vector>

namespace headless {

class TabControl : public ControlBase<ui::TabControl> {
public:
    TabControl(Window& window, const ui::Control* holder, std::string name, std::vector<std::string> captions,
               const ui::Rect& bounds);

    int tabCount() const override { return static_cast<int>(captions_.size()); }
    int tab() const override { return tab_; }
    std::string tabCaption(int index) const override;
    Container& page(int index) override;
    void setBackColor(win::COLORREF color) override { backColor_ = color; }
    win::COLORREF backColor() const override { return backColor_; }

    // The user clicks a tab: the tab control takes the focus and, when the tab is
    // not the current one already, switches to it and raises its click.
    void userSelectTab(int index);

private:
    void requireTab(int index) const;

    std::vector<std::string> captions_;
    std::vector<std::unique_ptr<Container>> pages_;
    int tab_ = 0;
    win::COLORREF backColor_ = ui::RGB(212, 208, 200);
};

} // namespace headless
