#include "platform/native/NativeRichTextBox.h"

#include <algorithm>

namespace native {

NativeRichTextBox::NativeRichTextBox(Surface& host, const std::string& name, const ui::Rect& bounds)
    : NativeControl(host, name, bounds) {
    // Without a rich edit control (a Windows 95 without RichEdit 2.0) a plain
    // multi-line edit keeps the text readable; it shows no emphasis.
    const char* className = system_.richEditClass()[0] != '\0' ? system_.richEditClass() : "EDIT";
    HWND window =
        createControl(WS_EX_CLIENTEDGE, className, "",
                      WS_VSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, pixels());
    bind(window);
    // The rich edit control sets its own pointer without asking its parent:
    // subclassed so the program's hourglass shows over it too.
    subclass(window);
    setTextMargins();
}

void NativeRichTextBox::place() {
    NativeControl::place();
    setTextMargins();
}

void NativeRichTextBox::setTextMargins() {
    if (hwnd() == nullptr)
        return;
    // A few pixels between the border and the text, as in a dialog's edit box.
    // The formatting rectangle rather than EM_SETMARGINS, which not every rich
    // edit control honours.
    RECT text;
    ::GetClientRect(hwnd(), &text);
    ::InflateRect(&text, -4, -2);
    send(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
}

LRESULT NativeRichTextBox::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (hwnd() == nullptr)
        return 0;
    return ::SendMessageA(hwnd(), message, wParam, lParam);
}

bool NativeRichTextBox::singleCharacterBreaks() const {
    return std::string(system_.richEditClass()) == RICHEDIT_CLASSA;
}

int NativeRichTextBox::length() const {
    if (hwnd() == nullptr)
        return 0;
    if (singleCharacterBreaks()) {
        GETTEXTLENGTHEX request = {GTL_DEFAULT, CP_ACP};
        return static_cast<int>(send(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&request)));
    }
    return ::GetWindowTextLengthA(hwnd());
}

CHARRANGE NativeRichTextBox::selection() const {
    CHARRANGE range = {0, 0};
    send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range;
}

void NativeRichTextBox::select(LONG first, LONG last) const {
    CHARRANGE range = {first, last};
    send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void NativeRichTextBox::append(const std::string& text) {
    if (hwnd() == nullptr || text.empty())
        return;
    const CHARRANGE kept = selection();
    select(-1, -1);
    // EM_REPLACESEL inserts at the caret even into a read-only control.
    send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    select(kept.cpMin, kept.cpMax);
}

std::string NativeRichTextBox::text() const {
    const int count = length();
    if (count <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(count) + 1, '\0');
    std::size_t copied = 0;
    if (singleCharacterBreaks()) {
        TEXTRANGEA range;
        range.chrg.cpMin = 0;
        range.chrg.cpMax = count;
        range.lpstrText = &text[0];
        copied = static_cast<std::size_t>(
            std::max<LRESULT>(send(EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)), 0));
    } else {
        copied = static_cast<std::size_t>(std::max(::GetWindowTextA(hwnd(), &text[0], count + 1), 0));
    }
    text.resize(copied);
    // Line breaks as the program appended them: LF.
    std::string breaks;
    breaks.reserve(text.size());
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] == '\r' && index + 1 < text.size() && text[index + 1] == '\n')
            continue;
        breaks.push_back(text[index] == '\r' ? '\n' : text[index]);
    }
    return breaks;
}

int NativeRichTextBox::find(const std::string& text, int start) const {
    if (text.empty() || start >= length())
        return -1;
    FINDTEXTEXA request = {};
    request.chrg.cpMin = std::max(start, 0);
    request.chrg.cpMax = -1;
    request.lpstrText = text.c_str();
    // FR_DOWN: RichEdit 2.0 searches backwards without it.
    const LRESULT found = send(EM_FINDTEXTEX, FR_DOWN | FR_MATCHCASE, reinterpret_cast<LPARAM>(&request));
    return found < 0 ? -1 : static_cast<int>(found);
}

int NativeRichTextBox::selStart() const {
    return static_cast<int>(selection().cpMin);
}

void NativeRichTextBox::setSelStart(int start) {
    const LONG position = std::clamp(start, 0, length());
    select(position, position);
}

int NativeRichTextBox::selLength() const {
    const CHARRANGE range = selection();
    return static_cast<int>(range.cpMax - range.cpMin);
}

void NativeRichTextBox::setSelLength(int length) {
    const LONG first = selection().cpMin;
    select(first, first + std::clamp(length, 0, this->length() - static_cast<int>(first)));
}

void NativeRichTextBox::setSelBold(bool bold) {
    CHARFORMATA format = {};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD;
    format.dwEffects = bold ? CFE_BOLD : 0;
    send(EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

bool NativeRichTextBox::isBold(int offset) const {
    if (offset < 0 || offset >= length())
        return false;
    // The format of one character is read through the selection: borrow it and
    // put it back.
    const CHARRANGE kept = selection();
    select(offset, offset + 1);
    CHARFORMATA format = {};
    format.cbSize = sizeof(format);
    send(EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    select(kept.cpMin, kept.cpMax);
    return (format.dwMask & CFM_BOLD) != 0 && (format.dwEffects & CFE_BOLD) != 0;
}

} // namespace native
