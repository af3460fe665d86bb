// A rich-text box: the rich edit control (RichEdit 2.0, riched20.dll, or 1.0 where
// only that is installed), read-only with a vertical scroll bar. Text is appended at the end; searches run
// forward from a position, case-sensitive; the emphasis is bold.
//
// RichEdit 2.0 keeps each line break as a single CR whatever was inserted, so
// offsets count a break as one character, as the LF the program appends; text()
// gives the breaks back as LF.
#pragma once

#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeControl.h"

namespace native {

class NativeRichTextBox : public NativeControl<ui::RichTextBox> {
public:
    NativeRichTextBox(Surface& host, const std::string& name, const ui::Rect& bounds);

    void append(const std::string& text) override;
    std::string text() const override;
    int find(const std::string& text, int start) const override;
    int selStart() const override;
    void setSelStart(int start) override;
    int selLength() const override;
    void setSelLength(int length) override;
    void setSelBold(bool bold) override;
    bool isBold(int offset) const override;

protected:
    void place() override;

private:
    void setTextMargins();
    CHARRANGE selection() const;
    void select(LONG first, LONG last) const;
    // RichEdit 2.0 and later: a line break is one character.
    bool singleCharacterBreaks() const;
    int length() const;
    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
};

} // namespace native
