#include "headless/RichTextBox.h"

#include <algorithm>

namespace headless {

RichTextBox::RichTextBox(Window& window, const ui::Control* holder, std::string name, const ui::Rect& bounds)
    : ControlBase(window, holder, std::move(name), bounds) {}

void RichTextBox::append(const std::string& text) {
    text_ += text;
    bold_.resize(text_.size(), false);
}

int RichTextBox::find(const std::string& text, int start) const {
    if (text.empty() || start >= length())
        return -1;
    const std::size_t found = text_.find(text, static_cast<std::size_t>(std::max(start, 0)));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

void RichTextBox::setSelStart(int start) {
    selStart_ = std::clamp(start, 0, length());
    selLength_ = 0;
}

void RichTextBox::setSelLength(int length) {
    selLength_ = std::clamp(length, 0, this->length() - selStart_);
}

void RichTextBox::setSelBold(bool bold) {
    for (int i = selStart_; i < selStart_ + selLength_; ++i)
        bold_[static_cast<std::size_t>(i)] = bold;
}

bool RichTextBox::isBold(int offset) const {
    if (offset < 0 || offset >= length())
        return false;
    return bold_[static_cast<std::size_t>(offset)];
}

} // namespace headless
