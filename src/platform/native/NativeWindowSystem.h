// The product's window system: real Win32 windows and controls through the ANSI
// API. It registers the program's window classes, loads the common controls and
// the rich edit control, holds the fonts, brushes and the screen that every
// control shares, runs the message loop with dialog-style keyboard navigation,
// and shows message boxes owned by the program's active window.
#pragma once

#include "platform/Runtime.h"
#include "platform/ui/WindowSystem.h"

#include "platform/native/NativeScreen.h"
#include "platform/native/WinHeaders.h"

#include <exception>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace native {

class NativeWindow;

// Window classes registered by the window system.
constexpr const char* TopWindowClass = "DecoramaWindow";
constexpr const char* PanelClass = "DecoramaPanel";
constexpr const char* PictureClass = "DecoramaPicture";

class NativeWindowSystem : public ui::WindowSystem {
public:
    explicit NativeWindowSystem(rt::Runtime& runtime);
    ~NativeWindowSystem() override;
    NativeWindowSystem(const NativeWindowSystem&) = delete;
    NativeWindowSystem& operator=(const NativeWindowSystem&) = delete;

    // ---- ui::WindowSystem -------------------------------------------------------
    std::unique_ptr<ui::Window> createWindow(const std::string& caption, ui::Window::Style style,
                                             const ui::Rect& bounds) override;
    std::unique_ptr<ui::Window> createDialog(const std::string& caption, const ui::Rect& bounds,
                                             ui::Window& owner) override;
    std::optional<std::string> chooseFile(const ui::FileDialog& dialog, ui::Window& owner) override;
    std::unique_ptr<ui::Canvas> createCanvas(int widthPixels, int heightPixels) override;
    NativeScreen& screen() override { return screen_; }
    int run() override;
    void quit() override;
    void processPendingMessages() override;
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;

    // ---- shared by the windows and controls --------------------------------------
    HINSTANCE instance() const { return instance_; }
    rt::Runtime& runtime() { return runtime_; }
    HFONT font(bool underline) const { return underline ? underlinedFont_ : font_; }
    // The class name of the rich edit control, empty when none could be loaded.
    const char* richEditClass();
    // One solid brush per colour, kept until the window system ends.
    HBRUSH brush(COLORREF color);

    // The message loop of a modal window: until it is gone, or the program quits
    // (the quit is posted again for the loop of run()).
    void runUntilClosed(const NativeWindow& window);

    void windowOpened(NativeWindow& window);
    void windowClosed(NativeWindow& window);
    // Gives the focus to the first control of root that the Tab key reaches.
    void focusFirstControl(HWND root);
    // Gives control the focus. A window that has not been shown yet gives it to
    // the control when it is first activated: setting it now would activate the
    // hidden window once before it is shown, which costs as much again.
    void focus(HWND control);

    // Runs an event handler. An error that escapes it must not unwind through
    // Windows' own frames (the program would end): it is shown and the program
    // goes on with the next message.
    template <class Handler, class... Args> void raise(const Handler& handler, Args&&... args) {
        if (!handler)
            return;
        // A copy: the handler may close and destroy the control that holds it.
        const Handler call = handler;
        try {
            call(std::forward<Args>(args)...);
        } catch (...) {
            reportUnhandled(std::current_exception());
        }
    }

private:
    void reportUnhandled(std::exception_ptr error);
    void registerClasses();
    void loadRichEdit();
    // Reads and handles messages until done() holds; false when the program quits.
    template <class Done> bool pumpUntil(const Done& done, int& exitCode);
    bool translateKeyboard(const MSG& message);
    void dispatch(MSG& message);
    // The program's window whose handle is root, nullptr for none.
    const NativeWindow* openWindow(HWND root) const;
    HWND programWindowOf(HWND window) const;
    void moveFocus(HWND root, bool backwards);
    bool clickAccessKey(HWND root, char key);
    HWND messageOwner() const;

    rt::Runtime& runtime_;
    HINSTANCE instance_;
    NativeScreen screen_;
    HFONT font_ = nullptr;
    HFONT underlinedFont_ = nullptr;
    HMODULE richEdit_ = nullptr;
    const char* richEditClass_ = "";
    bool richEditTried_ = false;
    std::map<COLORREF, HBRUSH> brushes_;
    std::vector<NativeWindow*> windows_;
};

} // namespace native
