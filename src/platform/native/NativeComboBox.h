// A combo box: CBS_SIMPLE (an edit line above a list that is always open) or
// CBS_DROPDOWN. Items keep the order they were added in. The edit line and the
// list are subclassed so that every key pressed in them, Enter included, reaches
// onKeyDown. A selection made by the program raises onClick before the call
// returns, as the user's selection does.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"

namespace native {

class NativeComboBox : public NativeControl<ui::ComboBox> {
public:
    NativeComboBox(Surface& host, const std::string& name, Style style, const ui::Rect& bounds);

    void clear() override;
    void addItem(const std::string& text) override;
    int listCount() const override;
    int listIndex() const override;
    void setListIndex(int index) override;
    std::string list(int index) const override;
    std::int32_t itemData(int index) const override;
    void setItemData(int index, std::int32_t data) override;
    std::string text() const override;
    void setText(const std::string& text) override;

    void command(int code) override;
    bool filter(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void place() override;

private:
    RECT windowRect() const;
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void setEditText(const std::string& text);
    // A new selection: the edit line shows it, then onClick, and onChange when
    // the edit line's text went from before to after.
    void showSelection(const std::string& before, const std::string& after);

    Style style_;
    // The always-open list of a simple combo box.
    HWND list_ = nullptr;
    // Set while the program itself changes the edit line, whose notifications
    // are then raised by the call that changed it.
    bool quiet_ = false;
};

} // namespace native
