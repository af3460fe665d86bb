// A picture control: a child window of the program's own class that paints its
// picture stretched over the whole control (or the holder's colour when it has
// none), and raises mouse down, mouse move and click (the left button released
// over the control it was pressed on).
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"
#include "platform/native/Surface.h"

namespace native {

class NativePictureBox : public NativeControl<ui::PictureBox> {
public:
    NativePictureBox(Surface& host, const std::string& name, const ui::Rect& bounds);
    ~NativePictureBox() override;

    void loadPicture(const std::string& path) override;
    ui::PicturePtr picture() const override { return picture_; }
    void setPicture(ui::PicturePtr picture) override;
    void refresh() override;

private:
    class View : public Surface {
    public:
        explicit View(NativePictureBox& box) : Surface(box.system_), box_(box) {}
        void open(HWND parent, const RECT& rect);
        COLORREF surfaceColor() const override { return box_.host_.surfaceColor(); }

    protected:
        LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        NativePictureBox& box_;
        bool pressed_ = false;
    };

    ui::PicturePtr picture_;
    View view_;
};

} // namespace native
