// A control-panel applet that stands in for desk.cpl in the end-to-end tests.
// Each start appends one line to C:\cplstub.log: "page=<text>" with the
// parameter text of CPL_STARTWPARMS ("2" for "desk.cpl,,2"), or "open" for a
// plain start. It shows no window.
#include <windows.h>

#include <cpl.h>

#include <cstdio>

namespace {

void record(const char* line) {
    if (FILE* log = std::fopen("C:\\cplstub.log", "a")) {
        std::fprintf(log, "%s\n", line);
        std::fclose(log);
    }
}

} // namespace

extern "C" LONG APIENTRY CPlApplet(HWND, UINT message, LPARAM, LPARAM lParam2) {
    switch (message) {
    case CPL_INIT:
        return TRUE;
    case CPL_GETCOUNT:
        return 1;
    case CPL_INQUIRE: {
        auto* info = reinterpret_cast<CPLINFO*>(lParam2);
        info->idIcon = 0;
        info->idName = 0;
        info->idInfo = 0;
        info->lData = 0;
        return 0;
    }
    case CPL_NEWINQUIRE: {
        auto* info = reinterpret_cast<NEWCPLINFOW*>(lParam2);
        ZeroMemory(info, sizeof *info);
        info->dwSize = sizeof *info;
        lstrcpyW(info->szName, L"Display");
        return 0;
    }
    case CPL_STARTWPARMSA:
    case CPL_STARTWPARMSW: {
        char text[512] = "", line[600];
        if (lParam2 && message == CPL_STARTWPARMSW)
            WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<const wchar_t*>(lParam2), -1, text, sizeof text,
                                nullptr, nullptr);
        else if (lParam2)
            lstrcpynA(text, reinterpret_cast<const char*>(lParam2), sizeof text);
        wsprintfA(line, "page=%s", text);
        record(line);
        return TRUE;
    }
    case CPL_DBLCLK:
        record("open");
        return 0;
    default:
        return 0;
    }
}
