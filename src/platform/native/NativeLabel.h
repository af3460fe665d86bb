// A label: a STATIC control with SS_NOTIFY (so it is clicked and hovered), drawn
// on its holder's colour, in its own text colour, underlined by an underlined
// font.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"

namespace native {

class NativeLabel : public NativeControl<ui::Label> {
public:
    NativeLabel(Surface& host, const std::string& name, const std::string& caption, const ui::Rect& bounds);

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    void setForeColor(win::COLORREF color) override;
    win::COLORREF foreColor() const override;
    void setUnderline(bool underline) override;
    bool underline() const override { return underline_; }

    void command(int code) override;
    HBRUSH ctlColor(HDC dc, HWND part) override;
    bool filter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::string caption_;
    COLORREF foreColor_ = 0;
    bool foreColorSet_ = false;
    bool underline_ = false;
};

} // namespace native
