#include "headless/TabControl.h"

namespace headless {

TabControl::TabControl(Window& window, const ui::Control* holder, std::string name,
                       std::vector<std::string> captions, const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds), captions_(std::move(captions)) {
    for (std::size_t i = 0; i < captions_.size(); ++i)
        pages_.push_back(std::make_unique<Container>(window, this));
}

std::string TabControl::tabCaption(int index) const {
    requireTab(index);
    return captions_[static_cast<std::size_t>(index)];
}

Container& TabControl::page(int index) {
    requireTab(index);
    return *pages_[static_cast<std::size_t>(index)];
}

void TabControl::userSelectTab(int index) {
    requireReachable();
    requireTab(index);
    setFocus();
    if (index == tab_)
        return;
    tab_ = index;
    raise(onClick);
}

void TabControl::requireTab(int index) const {
    if (index < 0 || index >= tabCount())
        throw std::out_of_range("tab control " + name() + " has no tab " + std::to_string(index));
}

} // namespace headless
