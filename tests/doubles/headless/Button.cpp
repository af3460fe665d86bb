#include "headless/Button.h"

namespace headless {

Button::Button(Window& window, const ui::Control* holder, std::string name, std::string caption,
               const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)) {}

void Button::userClick() {
    requireReachable();
    setFocus();
    raise(onClick);
}

} // namespace headless
