// A Windows control owned by the program. The surface that holds it routes the
// control's notifications (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) to this object;
// a control that needs its own keyboard or mouse messages subclasses its window
// (or the parts it is made of, such as a combo box's edit line) and sees them in
// filter() before the control's own window procedure.
//
// The link between a window and its object is kept in a table of the process,
// removed when the window is destroyed or the object goes first, so no message
// ever reaches an object that is gone.
#pragma once

#include "platform/native/WinHeaders.h"

#include <vector>

namespace native {

class NativeWindowSystem;

class NativeChild {
public:
    explicit NativeChild(NativeWindowSystem& system) : system_(system) {}
    virtual ~NativeChild();
    NativeChild(const NativeChild&) = delete;
    NativeChild& operator=(const NativeChild&) = delete;

    // The control's window; nullptr once it was destroyed with its window.
    HWND hwnd() const { return hwnd_; }
    // The object behind a window (the control's own or one of its parts).
    static NativeChild* from(HWND window);

    // A notification code of WM_COMMAND.
    virtual void command(int /*code*/) {}
    virtual LRESULT notify(const NMHDR& /*header*/) { return 0; }
    // WM_CTLCOLOR* for the control or one of its parts: the brush to paint the
    // background with, or nullptr for the holder's default.
    virtual HBRUSH ctlColor(HDC /*dc*/, HWND /*part*/) { return nullptr; }
    // A message of a subclassed window before its own procedure sees it; true
    // when it was handled, with the result. The handler may destroy the window.
    virtual bool filter(HWND /*window*/, UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                        LRESULT& /*result*/) {
        return false;
    }

    // The window (or part) is being destroyed: forget it.
    void forget(HWND window);

protected:
    // Makes window the control's own window and routes its notifications here.
    void bind(HWND window);
    // Sees the messages of window (the control's own or a part) first.
    void subclass(HWND window);
    // Destroys the control's window now (the object is going away).
    void destroyWindow();

    NativeWindowSystem& system_;

private:
    static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void unlink(HWND window);

    HWND hwnd_ = nullptr;
    std::vector<HWND> linked_;
};

} // namespace native
