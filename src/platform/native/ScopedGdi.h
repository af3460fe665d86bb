// The drawing resources the native window system holds for a scope, each given
// back when the scope ends, on every path out of it.
#pragma once

#include "platform/native/WinHeaders.h"

namespace native {

// One WM_PAINT: BeginPaint when made, EndPaint when the scope ends.
class PaintSession {
public:
    explicit PaintSession(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintSession() { ::EndPaint(window_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;

    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// The screen's device context (GetDC of no window), given back with ReleaseDC;
// when GetDC gives none there is nothing to give back.
class ScreenContext {
public:
    ScreenContext() : dc_(::GetDC(nullptr)) {}
    ~ScreenContext() {
        if (dc_ != nullptr)
            ::ReleaseDC(nullptr, dc_);
    }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

// A GDI object selected into a device context for a scope; the one it replaced
// is selected back when the scope ends.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectedObject() { ::SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A GDI object the program created (a font, a bitmap), deleted when the scope
// ends; nothing to delete when its creation failed.
class CreatedObject {
public:
    explicit CreatedObject(HGDIOBJ object) : object_(object) {}
    ~CreatedObject() {
        if (object_ != nullptr)
            ::DeleteObject(object_);
    }
    CreatedObject(const CreatedObject&) = delete;
    CreatedObject& operator=(const CreatedObject&) = delete;

    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// A memory device context (CreateCompatibleDC), deleted when the scope ends.
class MemoryContext {
public:
    MemoryContext() : dc_(::CreateCompatibleDC(nullptr)) {}
    ~MemoryContext() {
        if (dc_ != nullptr)
            ::DeleteDC(dc_);
    }
    MemoryContext(const MemoryContext&) = delete;
    MemoryContext& operator=(const MemoryContext&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC dc_;
};

} // namespace native
