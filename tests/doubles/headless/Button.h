// A headless command button: caption and click event.
#pragma once

#include "headless/ControlBase.h"

namespace headless {

class Button : public ControlBase<ui::Button> {
public:
    Button(Window& window, const ui::Control* holder, std::string name, std::string caption,
           const ui::Rect& bounds)
        : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)) {}

    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }

    // A left-button click: the button takes the focus, then raises its click.
    void userClick() {
        requireReachable();
        setFocus();
        raise(onClick);
    }

private:
    std::string caption_;
};

} // namespace headless
