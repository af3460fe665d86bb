#include "platform/native/NativeContainer.h"

#include "platform/native/NativeButton.h"
#include "platform/native/NativeCheckBox.h"
#include "platform/native/NativeComboBox.h"
#include "platform/native/NativeFrame.h"
#include "platform/native/NativeLabel.h"
#include "platform/native/NativePictureBox.h"
#include "platform/native/NativeRichTextBox.h"
#include "platform/native/NativeTabControl.h"

namespace native {

NativeContainer::~NativeContainer() {
    // The last added first, so that no control outlives one added before it
    // that it may lie on.
    while (!controls_.empty())
        controls_.pop_back();
}

ui::Label& NativeContainer::addLabel(const std::string& name, const std::string& caption,
                                     const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeLabel>(surface_, name, caption, bounds));
}

ui::Button& NativeContainer::addButton(const std::string& name, const std::string& caption,
                                       const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeButton>(surface_, name, caption, bounds));
}

ui::Frame& NativeContainer::addFrame(const std::string& name, const std::string& caption,
                                     const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeFrame>(surface_, name, caption, bounds));
}

ui::PictureBox& NativeContainer::addPictureBox(const std::string& name, const ui::Rect& bounds) {
    return adopt(std::make_unique<NativePictureBox>(surface_, name, bounds));
}

ui::ComboBox& NativeContainer::addComboBox(const std::string& name, ui::ComboBox::Style style,
                                           const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeComboBox>(surface_, name, style, bounds));
}

ui::TabControl& NativeContainer::addTabControl(const std::string& name,
                                               const std::vector<std::string>& captions,
                                               const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeTabControl>(surface_, name, captions, bounds));
}

ui::RichTextBox& NativeContainer::addRichTextBox(const std::string& name, const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeRichTextBox>(surface_, name, bounds));
}

ui::CheckBox& NativeContainer::addCheckBox(const std::string& name, const std::string& caption,
                                           const ui::Rect& bounds) {
    return adopt(std::make_unique<NativeCheckBox>(surface_, name, caption, bounds));
}

} // namespace native
