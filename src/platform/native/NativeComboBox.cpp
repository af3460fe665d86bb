#include "runtime/Error.h"
#include "runtime/RaisedFlag.h"

#include "platform/native/NativeComboBox.h"

namespace native {

namespace {

using rt::ErrInvalidPropertyArrayIndex;
using rt::ErrInvalidPropertyValue;

// Items a drop-down list shows at once before it scrolls.
constexpr int DropDownItems = 8;

} // namespace

NativeComboBox::NativeComboBox(Surface& host, const std::string& name, Style style, const ui::Rect& bounds)
    : NativeControl(host, name, bounds), style_(style) {
    // No CBS_SORT: items stay in the order they were added, which is what ties a
    // list position to its catalogue record.
    // The list of a simple combo box shows whole rows only (its height rounds
    // down to a number of items), so no item is ever cut in half.
    const DWORD kind = style == Style::Simple ? CBS_SIMPLE : CBS_DROPDOWN;
    HWND window =
        createControl(0, "COMBOBOX", "", kind | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, pixels());
    bind(window);
    if (window == nullptr)
        return;
    // The edit line, and for a simple combo box its list: both child windows.
    for (HWND part = ::GetWindow(window, GW_CHILD); part != nullptr; part = ::GetWindow(part, GW_HWNDNEXT)) {
        subclass(part);
        char className[16] = {};
        ::GetClassNameA(part, className, sizeof(className));
        if (lstrcmpiA(className, "ComboLBox") == 0)
            list_ = part;
    }
    place();
}

RECT NativeComboBox::windowRect() const {
    RECT rect = pixels();
    // A drop-down combo box's window also spans its dropped list; the box
    // itself takes the height of its font.
    if (style_ == Style::DropDown && hwnd() != nullptr) {
        const auto itemHeight = static_cast<int>(send(CB_GETITEMHEIGHT, 0));
        rect.bottom += (itemHeight > 0 ? itemHeight : 16) * DropDownItems + 2;
    }
    return rect;
}

void NativeComboBox::place() {
    if (hwnd() == nullptr)
        return;
    const RECT rect = windowRect();
    ::SetWindowPos(hwnd(), nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // A simple combo box leaves the strip below its whole rows unpainted: end
    // the control where its list ends.
    if (list_ == nullptr || !::IsWindow(list_))
        return;
    RECT list;
    ::GetWindowRect(list_, &list);
    ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&list), 2);
    if (list.bottom > 0 && list.bottom < rect.bottom - rect.top)
        ::SetWindowPos(hwnd(), nullptr, 0, 0, rect.right - rect.left, list.bottom,
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

LRESULT NativeComboBox::send(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (hwnd() == nullptr)
        return CB_ERR;
    return ::SendMessageA(hwnd(), message, wParam, lParam);
}

void NativeComboBox::setEditText(const std::string& text) {
    if (hwnd() == nullptr)
        return;
    const rt::RaisedFlag quiet(quiet_);
    ::SetWindowTextA(hwnd(), text.c_str());
}

void NativeComboBox::clear() {
    send(CB_RESETCONTENT);
    setEditText(std::string());
}

void NativeComboBox::addItem(const std::string& text) {
    send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int NativeComboBox::listCount() const {
    const LRESULT count = send(CB_GETCOUNT);
    return count == CB_ERR ? 0 : static_cast<int>(count);
}

int NativeComboBox::listIndex() const {
    const LRESULT index = send(CB_GETCURSEL);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void NativeComboBox::setListIndex(int index) {
    if (index < -1 || index >= listCount())
        throw rt::Error(ErrInvalidPropertyValue, "Invalid property value");
    const std::string before = text();
    const std::string after = list(index);
    {
        const rt::RaisedFlag quiet(quiet_);
        send(CB_SETCURSEL, static_cast<WPARAM>(index));
    }
    showSelection(before, after);
}

void NativeComboBox::showSelection(const std::string& before, const std::string& after) {
    setEditText(after);
    // Copies: the click handler may close the window and this control with it.
    NativeWindowSystem& system = system_;
    const ui::Handler click = onClick;
    const ui::Handler change = onChange;
    system.raise(click);
    if (after != before)
        system.raise(change);
}

std::string NativeComboBox::list(int index) const {
    // Reading past the end of the list gives the empty text, as the List property does.
    if (index < 0 || index >= listCount())
        return std::string();
    const LRESULT length = send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

std::int32_t NativeComboBox::itemData(int index) const {
    if (index < 0 || index >= listCount())
        throw rt::Error(ErrInvalidPropertyArrayIndex, "Invalid property array index");
    return static_cast<std::int32_t>(send(CB_GETITEMDATA, static_cast<WPARAM>(index)));
}

void NativeComboBox::setItemData(int index, std::int32_t data) {
    if (index < 0 || index >= listCount())
        throw rt::Error(ErrInvalidPropertyArrayIndex, "Invalid property array index");
    send(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
}

std::string NativeComboBox::text() const {
    if (hwnd() == nullptr)
        return std::string();
    const int length = ::GetWindowTextLengthA(hwnd());
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hwnd(), &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void NativeComboBox::setText(const std::string& text) {
    const bool changed = text != this->text();
    setEditText(text);
    if (changed)
        system_.raise(onChange);
}

void NativeComboBox::command(int code) {
    switch (code) {
    case CBN_SELCHANGE: {
        if (quiet_)
            return;
        // Windows updates the edit line only after this notification: show the
        // chosen item now, so the handlers read it from text().
        const std::string before = text();
        showSelection(before, list(listIndex()));
        return;
    }
    case CBN_EDITCHANGE:
        if (!quiet_)
            system_.raise(onChange);
        return;
    default:
        return;
    }
}

bool NativeComboBox::filter(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/, LRESULT& result) {
    switch (message) {
    case WM_KEYDOWN:
        // The edit line passes arrow keys on to the list: raise the key once,
        // for the part that has the focus.
        if (window == ::GetFocus())
            system_.raise(onKeyDown, static_cast<int>(wParam));
        return false; // the edit line or list still moves its caret or selection
    case WM_CHAR:
        // Enter was the key-down's business; a single-line edit would only beep.
        if (wParam == VK_RETURN) {
            result = 0;
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace native
