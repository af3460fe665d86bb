// The controls of one surface (a window, a frame, a tab page): creates them as
// child windows of the surface, in the order they are added, which is also the
// order the Tab key visits them, and owns them until the surface goes.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/Surface.h"

#include <memory>
#include <string>
#include <vector>

namespace native {

class NativeContainer : public ui::Container {
public:
    explicit NativeContainer(Surface& surface) : surface_(surface) {}
    ~NativeContainer() override;
    NativeContainer(const NativeContainer&) = delete;
    NativeContainer& operator=(const NativeContainer&) = delete;

    ui::Label& addLabel(const std::string& name, const std::string& caption, const ui::Rect& bounds) override;
    ui::Button& addButton(const std::string& name, const std::string& caption,
                          const ui::Rect& bounds) override;
    ui::Frame& addFrame(const std::string& name, const std::string& caption, const ui::Rect& bounds) override;
    ui::PictureBox& addPictureBox(const std::string& name, const ui::Rect& bounds) override;
    ui::ComboBox& addComboBox(const std::string& name, ui::ComboBox::Style style,
                              const ui::Rect& bounds) override;
    ui::TabControl& addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                  const ui::Rect& bounds) override;
    ui::RichTextBox& addRichTextBox(const std::string& name, const ui::Rect& bounds) override;
    ui::CheckBox& addCheckBox(const std::string& name, const std::string& caption,
                              const ui::Rect& bounds) override;

private:
    template <class Control> Control& adopt(std::unique_ptr<Control> control) {
        Control& added = *control;
        controls_.push_back(std::move(control));
        return added;
    }

    Surface& surface_;
    std::vector<std::unique_ptr<ui::Control>> controls_;
};

} // namespace native
