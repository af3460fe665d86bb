// A headless picture control. Loading reads the file through the runtime (the
// fake drive in the tests) and decodes it as the native control does, so a
// missing file fails with 53 and an unreadable one with 481.
#pragma once

#include "headless/ControlBase.h"

namespace headless {

class PictureBox : public ControlBase<ui::PictureBox> {
public:
    PictureBox(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds);

    void loadPicture(const std::string& path) override;
    ui::PicturePtr picture() const override { return picture_; }
    void setPicture(ui::PicturePtr picture) override { picture_ = std::move(picture); }
    void refresh() override {}

    // The file the shown picture was loaded from, "" when there is none.
    std::string picturePath() const;

    // A left-button click: the button goes down (mouse-down), then comes up over
    // the control (click).
    void userClick();
    // A button pressed over the control and held.
    void userMouseDown(int button = ui::LeftButton, int x = 0, int y = 0);

private:
    ui::PicturePtr picture_;
};

} // namespace headless
