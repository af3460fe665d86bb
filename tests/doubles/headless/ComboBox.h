// A headless combo box: items with item data, the selected position, the edit
// line, and the change, click and key-down events.
//
// A selection, whether the user's or set from code, puts the item's text in the
// edit line and raises onClick, then onChange when the edit text changed, before
// it returns. Selecting the position already selected raises onClick again.
#pragma once

#include "headless/ControlBase.h"

#include <cstdint>
#include <vector>

namespace headless {

class ComboBox : public ControlBase<ui::ComboBox> {
public:
    ComboBox(Window& window, const ui::Control* holder, std::string name, Style style,
             const ui::Rect& bounds);

    void clear() override;
    void addItem(const std::string& text) override;
    int listCount() const override { return static_cast<int>(items_.size()); }
    int listIndex() const override { return index_; }
    // -1 clears the selection; any other position outside the list throws 380.
    void setListIndex(int index) override;
    // The empty text for a position outside the list.
    std::string list(int index) const override;
    // Item data of a position outside the list throws 381.
    std::int32_t itemData(int index) const override;
    void setItemData(int index, std::int32_t data) override;
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    std::vector<std::string> items() const;

    // The user clicks the item at index: the list takes the focus, then selects it.
    void userSelect(int index);
    // The user types over the edit line.
    void userType(const std::string& text);
    // A key pressed while the list has the focus (a user cannot type into a list
    // that does not have it).
    void userPressKey(int keyCode);

private:
    struct Item {
        std::string text;
        std::int32_t data = 0;
    };
    Item& item(int index);
    const Item& item(int index) const;
    void select(int index);

    std::vector<Item> items_;
    int index_ = -1;
    std::string text_;
};

} // namespace headless
