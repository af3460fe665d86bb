// A push button; its caption may mark an access key with an ampersand
// ("&System Info..."), which Alt with that key clicks.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"

namespace native {

class NativeButton : public NativeControl<ui::Button> {
public:
    NativeButton(Surface& host, const std::string& name, const std::string& caption, const ui::Rect& bounds);

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }

    void command(int code) override;

private:
    std::string caption_;
};

} // namespace native
