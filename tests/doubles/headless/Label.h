// A headless label: caption, text colour and underline; click and mouse-move events.
#pragma once

#include "headless/ControlBase.h"

namespace headless {

class Label : public ControlBase<ui::Label> {
public:
    Label(Window& window, const ui::Control* holder, std::string name, std::string caption,
          const ui::Rect& bounds);

    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    void setForeColor(win::COLORREF color) override { foreColor_ = color; }
    win::COLORREF foreColor() const override { return foreColor_; }
    void setUnderline(bool underline) override { underline_ = underline; }
    bool underline() const override { return underline_; }

    // A left-button click on the label.
    void userClick();
    void userMouseMove(int x = 0, int y = 0, int button = 0);

private:
    std::string caption_;
    win::COLORREF foreColor_ = ui::RGB(0, 0, 0);
    bool underline_ = false;
};

} // namespace headless
