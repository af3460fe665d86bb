// A check box (BS_AUTOCHECKBOX): a click, the space bar or Alt with the access key
// of its caption toggles it and raises onClick; setting it from code does not.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"

namespace native {

class NativeCheckBox : public NativeControl<ui::CheckBox> {
public:
    NativeCheckBox(Surface& host, const std::string& name, const std::string& caption,
                   const ui::Rect& bounds);

    void setCaption(const std::string& caption) override;
    std::string caption() const override { return caption_; }
    void setValue(bool checked) override;
    bool value() const override;

    void command(int code) override;

private:
    std::string caption_;
    bool checked_ = false;
};

} // namespace native
