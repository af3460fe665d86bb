// A combo box that only keeps its items and item data, for the list-file reader
// to fill without a window.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace catalogues_test {

class RecordingComboBox : public ui::ComboBox {
public:
    const std::string& name() const override { return name_; }
    void move(const ui::Rect& bounds) override { bounds_ = bounds; }
    ui::Rect bounds() const override { return bounds_; }
    void setVisible(bool visible) override { visible_ = visible; }
    bool visible() const override { return visible_; }
    void setFocus() override {}
    bool hasFocus() const override { return false; }
    void setEnabled(bool) override {}
    bool enabled() const override { return true; }
    void clear() override {
        items_.clear();
        index_ = -1;
    }
    void addItem(const std::string& text) override { items_.push_back({text, 0}); }
    int listCount() const override { return static_cast<int>(items_.size()); }
    int listIndex() const override { return index_; }
    void setListIndex(int index) override {
        at(index);
        index_ = index;
        if (onClick)
            onClick();
    }
    std::string list(int index) const override { return at(index).text; }
    std::int32_t itemData(int index) const override { return at(index).data; }
    void setItemData(int index, std::int32_t data) override { at(index).data = data; }
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }

private:
    struct Item {
        std::string text;
        std::int32_t data;
    };
    // A position outside the list is a fault of the caller: it throws something
    // that no rt::Error handler takes for a catalogue failure.
    Item& at(int index) const {
        if (index < 0 || index >= listCount())
            throw std::out_of_range("combo box position " + std::to_string(index));
        return const_cast<Item&>(items_[static_cast<std::size_t>(index)]);
    }
    std::string name_ = "Combo";
    ui::Rect bounds_;
    bool visible_ = true;
    std::vector<Item> items_;
    int index_ = -1;
    std::string text_;
};

} // namespace catalogues_test
