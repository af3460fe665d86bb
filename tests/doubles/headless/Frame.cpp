#include "headless/Frame.h"

namespace headless {

Frame::Frame(Window& window, const ui::Control* holder, std::string name, std::string caption,
             const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)),
      contents_(window, this) {}

} // namespace headless
