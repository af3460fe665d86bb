#include "savers/common/SaverShell.h"

#include "savers/common/SaverArgs.h"

#include <windows.h>

namespace savers {
namespace {

// 20 frames a second: smooth enough for slow scenes and light on the processor.
const UINT frameMilliseconds = 50;
const UINT_PTR frameTimer = 1;
// Scenes are drawn at most this wide and stretched to the window: the cost of a
// frame stays the same on any screen.
const int widestPicture = 320;
// A mouse that moves less than this (a nudged desk) does not end the saver.
const int mouseSlack = 4;

struct Saver {
    const char* title;
    Scene scene;
    bool fullScreen;
    unsigned frame;
    Pixels picture;
    BITMAPINFO header;
    POINT firstMouse;
    bool mouseKnown;
} saver;

void sizePicture(int clientWidth, int clientHeight) {
    if (saver.picture.bits)
        HeapFree(GetProcessHeap(), 0, saver.picture.bits);
    int scale = clientWidth > widestPicture ? (clientWidth + widestPicture - 1) / widestPicture : 1;
    saver.picture.width = clientWidth / scale > 0 ? clientWidth / scale : 1;
    saver.picture.height = clientHeight / scale > 0 ? clientHeight / scale : 1;
    saver.picture.bits = static_cast<uint32_t*>(
        HeapAlloc(GetProcessHeap(), 0, sizeof(uint32_t) * saver.picture.width * saver.picture.height));
    ZeroMemory(&saver.header, sizeof saver.header);
    saver.header.bmiHeader.biSize = sizeof saver.header.bmiHeader;
    saver.header.bmiHeader.biWidth = saver.picture.width;
    saver.header.bmiHeader.biHeight = -saver.picture.height; // top row first
    saver.header.bmiHeader.biPlanes = 1;
    saver.header.bmiHeader.biBitCount = 32;
    saver.header.bmiHeader.biCompression = BI_RGB;
    if (saver.picture.bits)
        saver.scene(saver.picture, saver.frame);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT client;
    GetClientRect(window, &client);
    if (saver.picture.bits) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, client.right, client.bottom, 0, 0, saver.picture.width, saver.picture.height,
                      saver.picture.bits, &saver.header, DIB_RGB_COLORS, SRCCOPY);
    }
    EndPaint(window, &ps);
}

// In full screen, any key, button or real mouse movement ends the saver.
bool endsSaver(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return true;
    case WM_MOUSEMOVE: {
        POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        if (!saver.mouseKnown) {
            saver.firstMouse = at;
            saver.mouseKnown = true;
            return false;
        }
        int dx = at.x - saver.firstMouse.x, dy = at.y - saver.firstMouse.y;
        return dx > mouseSlack || dx < -mouseSlack || dy > mouseSlack || dy < -mouseSlack;
    }
    }
    return false;
}

LRESULT CALLBACK saverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (saver.fullScreen && endsSaver(message, lParam)) {
        DestroyWindow(window);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        SetTimer(window, frameTimer, frameMilliseconds, nullptr);
        return 0;
    case WM_SIZE:
        sizePicture(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_TIMER:
        if (saver.picture.bits) {
            saver.scene(saver.picture, ++saver.frame);
            InvalidateRect(window, nullptr, FALSE);
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_ACTIVATEAPP:
        if (saver.fullScreen && !wParam) {
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        // The idle timer runs on while the saver shows: it must not start the
        // saver again over itself.
        if (saver.fullScreen && (wParam & 0xFFF0) == SC_SCREENSAVE)
            return 0;
        break;
    case WM_SETCURSOR:
        if (saver.fullScreen) {
            SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_DESTROY:
        KillTimer(window, frameTimer);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int messageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int showSettings(HWND owner) {
    char text[160];
    wsprintfA(text, "%s\n\nThis screen saver has no settings to change.", saver.title);
    MessageBoxA(owner, text, saver.title, MB_OK | MB_ICONINFORMATION);
    return 0;
}

} // namespace

int runSaver(const char* title, Scene scene) {
    saver.title = title;
    saver.scene = scene;
    SaverArgs args = parseSaverArgs(afterProgramName(GetCommandLineA()));
    HWND named = reinterpret_cast<HWND>(args.window);
    if (args.mode == SaverMode::Settings)
        return showSettings(named && IsWindow(named) ? named : nullptr);
    if (args.mode == SaverMode::Password)
        return 0; // these savers ask for no password
    if (args.mode == SaverMode::Preview && !IsWindow(named))
        return 1;

    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.lpfnWndProc = saverProc;
    cls.hInstance = instance;
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    cls.lpszClassName = "OrloSaver";
    if (!RegisterClassA(&cls))
        return 1;

    HWND window;
    if (args.mode == SaverMode::FullScreen) {
        saver.fullScreen = true;
        // Movement is measured from where the mouse was when the saver started.
        saver.mouseKnown = GetCursorPos(&saver.firstMouse) != FALSE;
        window = CreateWindowExA(WS_EX_TOPMOST, cls.lpszClassName, title, WS_POPUP | WS_VISIBLE, 0, 0,
                                 GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                                 nullptr, instance, nullptr);
        ShowCursor(FALSE);
    } else {
        RECT area;
        GetClientRect(named, &area);
        window = CreateWindowExA(0, cls.lpszClassName, title, WS_CHILD | WS_VISIBLE, 0, 0, area.right,
                                 area.bottom, named, nullptr, instance, nullptr);
    }
    if (!window)
        return 1;
    // Windows 95 and 98 keep Ctrl+Alt+Del and the task switch from the desktop
    // while they know a saver runs.
    UINT wasRunning = 0;
    if (saver.fullScreen)
        SystemParametersInfoA(SPI_SCREENSAVERRUNNING, TRUE, &wasRunning, 0);
    int code = messageLoop();
    if (saver.fullScreen) {
        SystemParametersInfoA(SPI_SCREENSAVERRUNNING, FALSE, &wasRunning, 0);
        ShowCursor(TRUE);
    }
    return code;
}

} // namespace savers
