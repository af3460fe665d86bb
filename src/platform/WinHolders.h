// Windows resources held for a scope: each is given back when the scope that
// holds it ends, on every path out of it, an error included. A holder is made
// once the resource is there to give back; where a call may hand out none, the
// holder says what it does with none.
#pragma once

#include "platform/WindowsApi.h"

namespace win {

// A handle given back through `Release` (a WindowsApi member taking the handle).
template <class Handle, auto Release> class Held {
public:
    Held(WindowsApi& api, Handle handle) : api_(api), handle_(handle) {}
    ~Held() { (api_.*Release)(handle_); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    Handle get() const { return handle_; }

private:
    WindowsApi& api_;
    Handle handle_;
};

// An open registry key; RegCloseKey is called whatever the handle, 0 included.
using KeyCloser = Held<HKEY, &WindowsApi::RegCloseKey>;
// A kernel object (a process token).
using HandleCloser = Held<HANDLE, &WindowsApi::CloseHandle>;
// An Internet session or resource.
using InternetHandle = Held<HINTERNET, &WindowsApi::InternetCloseHandle>;
// An information context (CreateICA).
using InformationContext = Held<HDC, &WindowsApi::DeleteDC>;
// Memory the shell handed out (an item-identifier list).
using TaskMemory = Held<void*, &WindowsApi::CoTaskMemFree>;

// A window's device context (GetDC), given back with ReleaseDC; when GetDC
// gives none there is nothing to give back.
class WindowContext {
public:
    WindowContext(WindowsApi& api, HWND window) : api_(api), window_(window), dc_(api.GetDC(window)) {}
    ~WindowContext() {
        if (dc_ != 0)
            api_.ReleaseDC(window_, dc_);
    }
    WindowContext(const WindowContext&) = delete;
    WindowContext& operator=(const WindowContext&) = delete;

    HDC get() const { return dc_; }

private:
    WindowsApi& api_;
    HWND window_;
    HDC dc_;
};

} // namespace win
