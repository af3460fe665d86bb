#include "headless/Label.h"

namespace headless {

Label::Label(Window& window, const ui::Control* holder, std::string name, std::string caption,
             const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)) {}

void Label::userClick() {
    requireReachable();
    raise(onClick);
}

void Label::userMouseMove(int x, int y, int button) {
    requireReachable();
    raise(onMouseMove, ui::MouseEvent{button, 0, x, y});
}

} // namespace headless
