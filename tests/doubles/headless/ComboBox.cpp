#include "headless/ComboBox.h"

#include "runtime/Error.h"

namespace headless {

namespace {

// The runtime's errors for a selection outside the list and for an item that
// is not there.
constexpr std::int32_t ErrInvalidPropertyValue = 380;
constexpr std::int32_t ErrInvalidPropertyArrayIndex = 381;

rt::Error invalidPropertyValue() {
    return rt::Error(ErrInvalidPropertyValue, "Invalid property value");
}
rt::Error invalidPropertyArrayIndex() {
    return rt::Error(ErrInvalidPropertyArrayIndex, "Invalid property array index");
}

} // namespace

ComboBox::ComboBox(Window& window, const ui::Control* holder, std::string name, Style, const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds) {}

void ComboBox::clear() {
    items_.clear();
    index_ = -1;
    text_.clear();
}

void ComboBox::addItem(const std::string& text) {
    items_.push_back(Item{text, 0});
}

void ComboBox::setListIndex(int index) {
    select(index);
}

std::string ComboBox::list(int index) const {
    // Reading past the end of the list gives the empty text, as the List property does.
    if (index < 0 || index >= listCount())
        return std::string();
    return items_[static_cast<std::size_t>(index)].text;
}

std::int32_t ComboBox::itemData(int index) const {
    return item(index).data;
}

void ComboBox::setItemData(int index, std::int32_t data) {
    item(index).data = data;
}

void ComboBox::setText(const std::string& text) {
    const bool changed = text != text_;
    text_ = text;
    if (changed)
        raise(onChange);
}

std::vector<std::string> ComboBox::items() const {
    std::vector<std::string> texts;
    for (const Item& entry : items_)
        texts.push_back(entry.text);
    return texts;
}

void ComboBox::userSelect(int index) {
    requireReachable();
    if (index < 0 || index >= listCount())
        throw std::out_of_range("list " + name() + " has no item " + std::to_string(index));
    setFocus();
    select(index);
}

void ComboBox::userType(const std::string& text) {
    requireReachable();
    setFocus();
    setText(text);
}

void ComboBox::userPressKey(int keyCode) {
    requireReachable();
    if (!hasFocus())
        throw std::logic_error("list " + name() + " does not have the focus for key " +
                               std::to_string(keyCode));
    raise(onKeyDown, keyCode);
}

ComboBox::Item& ComboBox::item(int index) {
    if (index < 0 || index >= listCount())
        throw invalidPropertyArrayIndex();
    return items_[static_cast<std::size_t>(index)];
}

const ComboBox::Item& ComboBox::item(int index) const {
    return const_cast<ComboBox*>(this)->item(index);
}

void ComboBox::select(int index) {
    if (index < -1 || index >= listCount())
        throw invalidPropertyValue();
    index_ = index;
    const std::string text = index == -1 ? std::string() : items_[static_cast<std::size_t>(index)].text;
    const bool changed = text != text_;
    text_ = text;
    raise(onClick);
    if (changed)
        raise(onChange);
}

} // namespace headless
