// The window system as the program's windows use it: windows, the controls on
// them, the screen, focus and message boxes. Positions and sizes are in twips
// (1/1440 inch). Events are plain callbacks that the window's handlers set.
//
// Two implementations: native Win32 windows and controls (platform/native)
// in the product, and headless controls (platform/headless) in the tests,
// which keep the same state and raise the same events.
//
// Setting a list's selection from code raises its selection events before the
// call returns, as a user's selection would.
#pragma once

#include "platform/MessageBoxService.h"
#include "platform/WinTypes.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ui {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

struct MouseEvent {
    int button = 0; // MouseButton bits held
    int shift = 0;  // 1 shift, 2 ctrl, 4 alt
    int x = 0;      // twips, relative to the control
    int y = 0;
};

using Handler = std::function<void()>;
using MouseHandler = std::function<void(const MouseEvent&)>;
using KeyHandler = std::function<void(int keyCode)>;

// Colour values as Windows takes them: red + 256 * green + 65536 * blue.
constexpr win::COLORREF RGB(int red, int green, int blue) {
    return static_cast<win::COLORREF>(red) | (static_cast<win::COLORREF>(green) << 8) |
           (static_cast<win::COLORREF>(blue) << 16);
}

class Control {
public:
    virtual ~Control() = default;
    virtual const std::string& name() const = 0;
    virtual void move(const Rect& bounds) = 0;
    virtual Rect bounds() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool visible() const = 0;
    virtual void setFocus() = 0;
    virtual bool hasFocus() const = 0;
    // A disabled control shows greyed, takes no input and the Tab key passes it by.
    virtual void setEnabled(bool enabled) = 0;
    virtual bool enabled() const = 0;
};

// A control that holds others: a window, a frame, or one page of a tab control.
class Container;
class Canvas;

class Label : public Control {
public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
    virtual void setForeColor(win::COLORREF color) = 0;
    virtual win::COLORREF foreColor() const = 0;
    virtual void setUnderline(bool underline) = 0;
    virtual bool underline() const = 0;
    // Label text alignment and font are set when it is created.
    Handler onClick;
    MouseHandler onMouseMove;
};

class Button : public Control {
public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
    Handler onClick;
};

// A check box; its caption may mark an access key with an ampersand ("&Colours"),
// which Alt with that key toggles.
class CheckBox : public Control {
public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
    // Setting it from code raises nothing.
    virtual void setValue(bool checked) = 0;
    virtual bool value() const = 0;
    // The user toggled it; value() already tells the new state.
    Handler onClick;
};

class Frame : public Control {
public:
    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;
    virtual Container& contents() = 0;
};

// A decoded picture, shared between controls (the title-strip buttons copy the
// pictures of their hidden holders).
class Picture {
public:
    virtual ~Picture() = default;
    virtual int widthPixels() const = 0;
    virtual int heightPixels() const = 0;
};
using PicturePtr = std::shared_ptr<const Picture>;

class PictureBox : public Control {
public:
    // Loads a BMP, JPEG or GIF file; the empty path clears the picture. A file
    // that is missing throws rt::Error 53, one that is not a readable picture
    // rt::Error 481; the control then keeps its previous picture.
    virtual void loadPicture(const std::string& path) = 0;
    virtual PicturePtr picture() const = 0;
    virtual void setPicture(PicturePtr picture) = 0;
    virtual void refresh() = 0;
    Handler onClick;
    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
};

class ComboBox : public Control {
public:
    enum class Style { Simple, DropDown };
    virtual void clear() = 0;
    virtual void addItem(const std::string& text) = 0;
    virtual int listCount() const = 0;
    // Selected position, -1 for none. Setting it raises onClick (and onChange).
    virtual int listIndex() const = 0;
    virtual void setListIndex(int index) = 0;
    virtual std::string list(int index) const = 0;
    virtual std::int32_t itemData(int index) const = 0;
    virtual void setItemData(int index, std::int32_t data) = 0;
    // The edit line.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    // The edit text changed.
    Handler onChange;
    // The selection changed (by the user or by setListIndex).
    Handler onClick;
    KeyHandler onKeyDown;
};

class TabControl : public Control {
public:
    virtual int tabCount() const = 0;
    virtual int tab() const = 0;
    virtual std::string tabCaption(int index) const = 0;
    virtual Container& page(int index) = 0;
    virtual void setBackColor(win::COLORREF color) = 0;
    virtual win::COLORREF backColor() const = 0;
    // The user switched tabs; tab() already tells the new one.
    Handler onClick;
    MouseHandler onMouseMove;
};

class RichTextBox : public Control {
public:
    virtual void append(const std::string& text) = 0;
    virtual std::string text() const = 0;
    // Offset of the first occurrence of text at or after start, -1 when none.
    virtual int find(const std::string& text, int start) const = 0;
    virtual int selStart() const = 0;
    virtual void setSelStart(int start) = 0;
    virtual int selLength() const = 0;
    virtual void setSelLength(int length) = 0;
    // The emphasis (bold) of the selection.
    virtual void setSelBold(bool bold) = 0;
    // Whether the character at offset is emphasised.
    virtual bool isBold(int offset) const = 0;
};

class Container {
public:
    virtual ~Container() = default;
    virtual Label& addLabel(const std::string& name, const std::string& caption, const Rect& bounds) = 0;
    virtual Button& addButton(const std::string& name, const std::string& caption, const Rect& bounds) = 0;
    virtual Frame& addFrame(const std::string& name, const std::string& caption, const Rect& bounds) = 0;
    virtual PictureBox& addPictureBox(const std::string& name, const Rect& bounds) = 0;
    virtual ComboBox& addComboBox(const std::string& name, ComboBox::Style style, const Rect& bounds) = 0;
    virtual TabControl& addTabControl(const std::string& name, const std::vector<std::string>& captions,
                                      const Rect& bounds) = 0;
    virtual RichTextBox& addRichTextBox(const std::string& name, const Rect& bounds) = 0;
    virtual CheckBox& addCheckBox(const std::string& name, const std::string& caption,
                                  const Rect& bounds) = 0;
};

class Window : public Container {
public:
    enum class Style { Borderless, FixedDialog };
    virtual std::string caption() const = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void move(const Rect& bounds) = 0;
    virtual Rect bounds() const = 0;
    virtual void setBackColor(win::COLORREF color) = 0;
    virtual win::COLORREF backColor() const = 0;
    // Shows the window without blocking; a window already shown is activated.
    virtual void show() = 0;
    virtual bool isShown() const = 0;
    virtual bool isActive() const = 0;
    virtual void minimize() = 0;
    virtual bool isMinimized() const = 0;
    // Closes and unloads the window; its controls are gone afterwards.
    virtual void close() = 0;
    // The native handle, for Windows calls that take one; 0 when headless.
    virtual win::HWND handle() const = 0;
    MouseHandler onMouseMove;
    // The window was closed by other means than close() (the system menu, Alt+F4).
    Handler onClosed;

    // ---- dialogs ------------------------------------------------------------------
    // Enter clicks the default button wherever the focus is (a push button with
    // the focus clicks itself), Escape clicks the cancel button.
    virtual void setDefaultButton(Button& button) = 0;
    virtual void setCancelButton(Button& button) = 0;
    // Shows a window made by WindowSystem::createDialog and returns once it is
    // closed; meanwhile its owner takes no input.
    virtual void showModal() = 0;
};

// A common file dialog: open an existing file, or name one to save.
struct FileDialog {
    enum class Kind { open, save };
    Kind kind = Kind::open;
    std::string title;
    std::string filterName;       // "Theme files (*.theme;*.the;*.thm)"
    std::string filterPatterns;   // "*.theme;*.the;*.thm"
    std::string defaultExtension; // "theme": added to a name typed without an extension
    std::string fileName;         // the name proposed
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual int width() const = 0; // twips
    virtual int height() const = 0;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    // 0 default arrow, 11 hourglass.
    virtual void setMousePointer(int pointer) = 0;
    virtual int mousePointer() const = 0;
};

constexpr int vbDefault = 0;
constexpr int vbHourglass = 11;

class WindowSystem : public rt::MessageBoxService {
public:
    virtual std::unique_ptr<Window> createWindow(const std::string& caption, Window::Style style,
                                                 const Rect& bounds) = 0;
    // A FixedDialog window owned by owner: it stays above it and shows modally.
    virtual std::unique_ptr<Window> createDialog(const std::string& caption, const Rect& bounds,
                                                 Window& owner) = 0;
    // Shows a common file dialog owned by owner; the path chosen, nothing when
    // the user cancelled.
    virtual std::optional<std::string> chooseFile(const FileDialog& dialog, Window& owner) = 0;
    // A picture to draw on, widthPixels by heightPixels (platform/ui/Canvas.h).
    virtual std::unique_ptr<Canvas> createCanvas(int widthPixels, int heightPixels) = 0;
    virtual Screen& screen() = 0;
    // Runs the event loop until quit() (product only; headless returns at once).
    virtual int run() = 0;
    // Ends the program's event loop (the close button ends the program at once).
    virtual void quit() = 0;
    // Handles the messages waiting for the program's windows (paints, clicks,
    // keys) and returns when none is left; a quit stays for run() to end on.
    virtual void processPendingMessages() = 0;
};

} // namespace ui
