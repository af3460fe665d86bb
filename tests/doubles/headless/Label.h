// A headless label: caption, text colour and underline; click and mouse-move events.
#pragma once

#include "headless/ControlBase.h"

namespace headless {

class Label : public ControlBase<ui::Label> {
public:
    Label(Window& window, const ui::Control* holder, std::string name, std::string caption,
          const ui::Rect& bounds)
        : ControlBase(window, holder, std::move(name), bounds), caption_(std::move(caption)) {}

    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    void setForeColor(win::COLORREF color) override { foreColor_ = color; }
    win::COLORREF foreColor() const override { return foreColor_; }
    void setUnderline(bool underline) override { underline_ = underline; }
    bool underline() const override { return underline_; }

private:
    std::string caption_;
    win::COLORREF foreColor_ = ui::RGB(0, 0, 0);
    bool underline_ = false;
};

} // namespace headless
