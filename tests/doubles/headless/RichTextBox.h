// A headless rich-text box: its text exactly as appended, the selection, and the
// emphasis (bold) of every character.
#pragma once

#include "headless/ControlBase.h"

#include <vector>

namespace headless {

class RichTextBox : public ControlBase<ui::RichTextBox> {
public:
    RichTextBox(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds);

    void append(const std::string& text) override;
    std::string text() const override { return text_; }
    // Case-sensitive; a start before the text searches from its beginning.
    int find(const std::string& text, int start) const override;
    int selStart() const override { return selStart_; }
    // Clamped to the text; the selection becomes empty.
    void setSelStart(int start) override;
    int selLength() const override { return selLength_; }
    // Clamped to the end of the text.
    void setSelLength(int length) override;
    void setSelBold(bool bold) override;
    bool isBold(int offset) const override;

private:
    int length() const { return static_cast<int>(text_.size()); }

    std::string text_;
    std::vector<bool> bold_;
    int selStart_ = 0;
    int selLength_ = 0;
};

} // namespace headless
