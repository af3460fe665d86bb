// Start-up step benchmark: starts the program in this process exactly as
// decorama.exe does (the real Windows, the native window system, the main window
// built, loaded and shown) and prints what each step of the start-up took:
//   process   from the process's creation to its first instruction here (the
//             loader and the DLLs the program imports);
//   windows   the window system: common controls, window classes, fonts;
//   controls  the main window and every control of its four tabs;
//   load      Form_Load;
//   show      showing the window, until it is on the screen;
//   paint     the messages that follow, the first paint of every control.
// It then closes the window and ends. Run it from the program folder (it reads
// the catalogue files beside it), under Wine with a display:
// bench/startup-steps-under-wine.sh. Asserts nothing.
#include "catalogue/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "platform/native/NativeWindowSystem.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Milliseconds since Windows created this process.
double msSinceProcessCreation() {
    FILETIME created, exited, kernel, user, now;
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user))
        return -1;
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

} // namespace

int main() {
    const double process = msSinceProcessCreation();
    const Clock::time_point start = Clock::now();
    win32::Win32Api api;
    win32::Win32Runtime runtime;
    native::NativeWindowSystem windows(runtime);
    rt::Platform platform{api, runtime, windows};
    const Clock::time_point windowsReady = Clock::now();

    catalogue::Module1 module;
    app::frmMain form(platform, windows, module);
    const Clock::time_point built = Clock::now();
    form.Form_Load();
    const Clock::time_point loaded = Clock::now();
    form.window().show();
    const Clock::time_point shown = Clock::now();
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    const Clock::time_point painted = Clock::now();

    std::printf("process %.1f  windows %.1f  controls %.1f  load %.1f  show %.1f  paint %.1f  (ms)\n",
                process, msBetween(start, windowsReady), msBetween(windowsReady, built),
                msBetween(built, loaded), msBetween(loaded, shown), msBetween(shown, painted));
    form.window().close();
    return 0;
}
