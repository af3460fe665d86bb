// A headless frame: a caption and the controls it holds.
#pragma once

#include "headless/Container.h"
#include "headless/ControlBase.h"

namespace headless {

class Frame : public ControlBase<ui::Frame> {
public:
    Frame(Window& window, const ui::Control* holder, std::string name, std::string caption,
          const ui::Rect& bounds)
        : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)),
          contents_(window, this) {}

    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    Container& contents() override { return contents_; }

private:
    std::string caption_;
    Container contents_;
};

} // namespace headless
