#include "headless/Container.h"

#include "headless/Button.h"
#include "headless/ComboBox.h"
#include "headless/Frame.h"
#include "headless/Label.h"
#include "headless/PictureBox.h"
#include "headless/RichTextBox.h"
#include "headless/TabControl.h"
#include "headless/Window.h"

namespace headless {

Container::Container(Window& window, const ui::Control* holder) : window_(window), holder_(holder) {}

template <class Control> Control& Container::add(std::unique_ptr<Control> control) {
    Control& added = *control;
    window_.registerControl(added);
    controls_.push_back(std::move(control));
    return added;
}

ui::Label& Container::addLabel(const std::string& name, const std::string& caption, const ui::Rect& bounds) {
    return add(std::make_unique<Label>(window_, holder_, name, caption, bounds));
}

ui::Button& Container::addButton(const std::string& name, const std::string& caption,
                                 const ui::Rect& bounds) {
    return add(std::make_unique<Button>(window_, holder_, name, caption, bounds));
}

ui::Frame& Container::addFrame(const std::string& name, const std::string& caption, const ui::Rect& bounds) {
    return add(std::make_unique<Frame>(window_, holder_, name, caption, bounds));
}

ui::PictureBox& Container::addPictureBox(const std::string& name, const ui::Rect& bounds) {
    return add(std::make_unique<PictureBox>(window_, holder_, name, bounds));
}

ui::ComboBox& Container::addComboBox(const std::string& name, ui::ComboBox::Style style,
                                     const ui::Rect& bounds) {
    return add(std::make_unique<ComboBox>(window_, holder_, name, style, bounds));
}

ui::TabControl& Container::addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                         const ui::Rect& bounds) {
    return add(std::make_unique<TabControl>(window_, holder_, name, captions, bounds));
}

ui::RichTextBox& Container::addRichTextBox(const std::string& name, const ui::Rect& bounds) {
    return add(std::make_unique<RichTextBox>(window_, holder_, name, bounds));
}

} // namespace headless
