// saverhost: stands in for the Display Properties preview. It makes a window,
// starts a screen saver with "/p <that window>", and after a few seconds reports
// on stdout what the saver did there:
//   child=1          the saver put a window inside it
//   colours=N        distinct colours in the middle of that window, twice
//   changed=1        the picture moved between the two looks
//   ended=1          the saver's process ended once the window was closed
// It exits 0 when all of these hold.
//
//   saverhost SAVER.scr [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

void pump(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(20);
    }
}

// The colours of the middle of the window, as they are on screen.
std::vector<COLORREF> look(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    std::vector<COLORREF> colours;
    for (int y = r.bottom / 4; y < r.bottom * 3 / 4; y += 3)
        for (int x = r.right / 4; x < r.right * 3 / 4; x += 3)
            colours.push_back(GetPixel(dc, x, y));
    ReleaseDC(window, dc);
    return colours;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: saverhost SAVER.scr [SECONDS]\n");
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;
    WNDCLASSA cls = {};
    cls.lpfnWndProc = DefWindowProcA;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    cls.lpszClassName = "SaverHost";
    RegisterClassA(&cls);
    // The size of the monitor picture in Display Properties.
    HWND host = CreateWindowExA(0, cls.lpszClassName, "Saver preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                40, 40, 152 + 16, 112 + 39, nullptr, nullptr, cls.hInstance, nullptr);
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
    pump(seconds * 1000);
    const bool child = GetWindow(host, GW_CHILD) != nullptr;
    const std::vector<COLORREF> first = look(host);
    pump(600);
    const std::vector<COLORREF> second = look(host);
    const std::set<COLORREF> distinct(first.begin(), first.end());
    const bool changed = first != second;

    // Closing the preview ends the saver with it.
    DestroyWindow(host);
    bool ended = false;
    for (int i = 0; i < 100 && !ended; ++i) {
        pump(50);
        ended = WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
    }
    if (!ended)
        TerminateProcess(pi.hProcess, 1);
    std::printf("child=%d\ncolours=%u\nchanged=%d\nended=%d\n", child, unsigned(distinct.size()), changed,
                ended);
    return child && distinct.size() > 3 && changed && ended ? 0 : 1;
}
