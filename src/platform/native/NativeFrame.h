// A frame: a panel of the program's own class that draws the etched group-box
// border with its caption and holds controls placed relative to its top-left
// corner. Being a window of its own, it receives the notifications of the
// controls on it, which a BUTTON group box would not pass on.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeContainer.h"
#include "platform/native/NativeControl.h"
#include "platform/native/Surface.h"

namespace native {

class NativeFrame : public NativeControl<ui::Frame> {
public:
    NativeFrame(Surface& host, const std::string& name, const std::string& caption, const ui::Rect& bounds);
    ~NativeFrame() override;

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    ui::Container& contents() override { return contents_; }

private:
    class Panel : public Surface {
    public:
        explicit Panel(NativeFrame& frame) : Surface(frame.system_), frame_(frame) {}
        void open(HWND parent, const RECT& rect);
        COLORREF surfaceColor() const override;

    protected:
        LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        void paint(HDC dc);
        NativeFrame& frame_;
    };

    std::string caption_;
    Panel panel_;
    NativeContainer contents_;
};

} // namespace native
