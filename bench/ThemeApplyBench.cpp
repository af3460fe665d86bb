// Theme application benchmark: starts the main window on the headless window
// system with the program's sample collection, then selects and applies every
// theme of the list, as a user would with "Apply Theme", several rounds. Prints
// the time per apply and, against the fake Windows, how many Windows calls one
// apply makes. Asserts nothing.
//
// Linux (fake Windows):  theme_apply_bench PROGRAM_FOLDER [rounds]
//   PROGRAM_FOLDER is the generated folder (build/<preset>/Decorama); it is copied
//   to the fake drive's program folder first.
// Windows (real, run under Wine):  theme_apply_bench.exe PROGRAM_FOLDER [rounds]
//   PROGRAM_FOLDER is a Windows path; the apply writes to the running Windows, so
//   run it in a scratch prefix.
#include "catalogue/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#ifdef _WIN32
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"
#include <windows.h>
#else
#include "fake/FakeWindows.h"
#include <filesystem>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <utility>
#include <string>

namespace {

#ifdef _WIN32
// The real runtime, with the program folder given on the command line.
class BenchRuntime : public win32::Win32Runtime {
public:
    explicit BenchRuntime(std::string folder) : folder_(std::move(folder)) {}
    std::string appPath() override { return folder_; }

private:
    std::string folder_;
};
#else
// Runtime services are not Windows calls; everything else in the fake's log is.
std::size_t windowsCalls(const fake::FakeWindows& fake) {
    static const std::set<std::string> runtimeServices{
        "appPath",  "appTitle",  "appVersion", "Dir",        "FileCopy", "Kill",  "Name",
        "readFile", "readBytes", "writeFile",  "writeBytes", "Shell",    "MsgBox"};
    std::size_t count = 0;
    for (const std::string& line : fake.log.lines)
        if (runtimeServices.count(line.substr(0, line.find('('))) == 0)
            ++count;
    return count;
}
#endif

} // namespace

namespace {

// A benchmark shows no message boxes: it counts them and answers OK.
class CountingMessages : public rt::MessageBoxService {
public:
    int MsgBox(const std::string& prompt, int, const std::string&) override {
        ++count;
        std::fprintf(stderr, "message box: %s\n", prompt.c_str());
        return rt::vbOK;
    }
    int count = 0;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM_FOLDER [rounds]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    CountingMessages messages;
#ifdef _WIN32
    win32::Win32Api api;
    BenchRuntime runtime(argv[1]);
    rt::Platform platform{api, runtime, messages};
    const char* backend = "real Windows";
#else
    fake::FakeWindows fake;
    std::filesystem::copy(argv[1], fake.hostPath(fake.appPath()),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    fake.makeFolder("c:\\WINDOWS\\web");
    fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "255 255 255");
    rt::Platform platform{fake, fake, messages};
    rt::Runtime& runtime = fake;
    const char* backend = "fake Windows";
#endif
    headless::HeadlessWindowSystem windows(runtime, messages, 1024, 768);
    catalogue::Module1 module;
    app::frmMain form(platform, windows, module);
    form.Form_Load();
    const int themes = form.Combo1->listCount();
    if (themes == 0 || messages.count != 0) {
        std::fprintf(stderr, "start-up did not load the themes of %s\n", argv[1]);
        return 1;
    }

#ifdef _WIN32
    // The program's main window is on the screen before a user can click, so its
    // desktop is running by then: show a window here too, so that the first apply
    // is timed as a user's first click and not with the desktop's own start.
    HWND shown = ::CreateWindowExA(0, "STATIC", "theme_apply_bench", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                   nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&message);
#endif
    using Clock = std::chrono::steady_clock;
    double total = 0;
    double fastest = 1e9;
    double slowest = 0;
    double first = 0;
    [[maybe_unused]] std::size_t calls = 0; // counted against the fake only
    for (int round = 0; round < rounds; ++round) {
        for (int theme = 0; theme < themes; ++theme) {
            form.Combo1->setListIndex(theme);
#ifndef _WIN32
            const std::size_t before = windowsCalls(fake);
#endif
            const auto start = Clock::now();
            headless::as<headless::Button>(*form.Command2).userClick();
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
#ifndef _WIN32
            calls += windowsCalls(fake) - before;
            fake.clearLogs();
#endif
            if (round == 0 && theme == 0)
                first = ms;
            total += ms;
            fastest = std::min(fastest, ms);
            slowest = std::max(slowest, ms);
        }
    }
#ifdef _WIN32
    ::DestroyWindow(shown);
#endif
    const int applies = rounds * themes;
    std::printf("theme apply on %s: %d themes x %d rounds\n", backend, themes, rounds);
    std::printf("  time per apply: mean %.3f ms, fastest %.3f ms, slowest %.3f ms, first %.3f ms\n",
                total / applies, fastest, slowest, first);
#ifndef _WIN32
    std::printf("  Windows calls per apply: %.1f\n", static_cast<double>(calls) / applies);
#endif
    return 0;
}
