// The controls of one holder (a window, a frame, or one page of a tab control),
// in the order they were added. Every control is named on its window.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <memory>
#include <string>
#include <vector>

namespace headless {

class Window;

class Container : public ui::Container {
public:
    // holder: the frame or tab control whose contents these are, nullptr for the
    // window's own controls.
    Container(Window& window, const ui::Control* holder);

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

    const std::vector<std::unique_ptr<ui::Control>>& controls() const { return controls_; }
    const ui::Control* holder() const { return holder_; }

private:
    template <class Control> Control& add(std::unique_ptr<Control> control);

    Window& window_;
    const ui::Control* holder_;
    std::vector<std::unique_ptr<ui::Control>> controls_;
};

} // namespace headless
