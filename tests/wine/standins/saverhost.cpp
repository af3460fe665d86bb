// saverhost: stands in for the preview of Display Properties' Screen Saver page.
// It makes a window, starts a screen saver with "/p <that window>", and reports:
//   child=1    the saver put a visible window inside it, over its whole client area
//   ended=1    the saver's process ended once the window was closed
//
//   saverhost SAVER.scr [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(20);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: saverhost SAVER.scr [SECONDS]\n");
        return 2;
    }
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    cls.lpszClassName = "SaverHost";
    RegisterClassA(&cls);
    // The size of the monitor picture in Display Properties.
    HWND host = CreateWindowExA(0, cls.lpszClassName, "Saver preview host",
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 40, 40, 152 + 16,
                                112 + 39, nullptr, nullptr, cls.hInstance, nullptr);
    pump(500);

    std::string command =
        "\"" + std::string(argv[1]) + "\" /p " + std::to_string(reinterpret_cast<uintptr_t>(host));
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::printf("started=0\n");
        return 1;
    }
    pump((argc > 2 ? std::atoi(argv[2]) : 3) * 1000);
    HWND saver = GetWindow(host, GW_CHILD);
    RECT area, covered = {};
    GetClientRect(host, &area);
    GetClientRect(saver, &covered);
    const bool child = saver && IsWindowVisible(saver) && EqualRect(&area, &covered);

    DestroyWindow(host);
    bool ended = false;
    for (int i = 0; i < 100 && !ended; ++i) {
        pump(50);
        ended = WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
    }
    if (!ended)
        TerminateProcess(pi.hProcess, 1);
    std::printf("child=%d\nended=%d\n", child, ended);
    return 0;
}
