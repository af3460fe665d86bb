// Theme application benchmark: starts the main window on the headless window
// system with the program's sample collection, then selects and applies every
// theme of the list, as a user would with "Apply Theme" (its snapshot of the
// current settings first), several rounds; then applies a theme file whole (read,
// check, snapshot and apply, its 1024 x 768 JPEG wallpaper converted to a BMP each
// time) as "decocmd apply" does; then restores "Previous settings". Prints the
// time per apply and, against the fake Windows, how many Windows calls one
// catalogue apply makes. Asserts nothing.
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
#include "headless/Controls.h"
#include "snapshot/Snapshots.h"
#include "system/modWinVersion.h"
#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themefile/ThemeCheck.h"
#include "themefile/ThemeFile.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#endif
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#ifdef _WIN32
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"
#include <windows.h>
#else
#include "fake/FakeWindows.h"
#include <filesystem>
#include <fstream>
#include <iterator>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

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

void appendBytes(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

// A 1024 x 768 JPEG of soft gradients, as a photograph compresses.
std::string wallpaperJpeg() {
    constexpr int width = 1024, height = 768;
    std::string pixels(static_cast<std::size_t>(width) * height * 3, '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
            p[0] = static_cast<char>(x / 4);
            p[1] = static_cast<char>((x + y) / 7);
            p[2] = static_cast<char>(y / 3 ^ x / 9);
        }
    std::string jpeg;
    stbi_write_jpg_to_func(appendBytes, &jpeg, width, height, 3, pixels.data(), 85);
    return jpeg;
}

// A theme file of every aspect but the screen saver, over the program folder's own
// pointers, icons and sound, with a JPEG wallpaper: Themes\Bench.theme.
std::string writeBenchTheme(rt::Platform& platform, const std::string& programFolder) {
    const std::string themes = programFolder + "\\Themes";
    platform.api.CreateDirectoryA(themes.c_str(), nullptr);
    platform.runtime.writeFile(themes + "\\Bench Wallpaper.jpg", wallpaperJpeg());
    const std::string folder = programFolder + "\\";
    const std::string theme =
        "[Control Panel\\Colors]\r\nWindow=250 250 240\r\nActiveTitle=0 64 128\r\nHilight=128 0 64\r\n"
        "[Control Panel\\Cursors]\r\nDefaultValue=Copper\r\nArrow=" +
        folder +
        "Copper Arrow.cur\r\n"
        "Wait=" +
        folder + "Copper Busy.ani\r\nIBeam=" + folder +
        "Copper Text.cur\r\n"
        "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\r\nDefaultValue=" +
        folder +
        "Copper Computer.ico\r\n"
        "[Control Panel\\Desktop]\r\nWallpaper=%ThemeDir%Bench Wallpaper.jpg\r\nTileWallpaper=0\r\n"
        "WallpaperStyle=2\r\nPattern=(None)\r\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]\r\nDefaultValue=" +
        folder + "Zuve Zivi ziz Odida.wav\r\n";
    platform.runtime.writeFile(themes + "\\Bench.theme", theme);
    return themes + "\\Bench.theme";
}

// As decocmd applies a theme file: read, checked, applied; false when an aspect did not apply.
bool applyThemeFile(rt::Platform& platform, const std::string& file, const std::string& versionTag) try {
    const themefile::ThemeFile theme =
        themefile::readThemeFile(platform.runtime.readBytes(file, 0, themefile::maxFileBytes + 1), file,
                                 themeapply::ansiConverter(platform.api));
    const themefile::CheckedTheme checked =
        themefile::checkTheme(theme, themeapply::WindowsSurroundings(platform, file), {});
    snapshot::takeSnapshot(platform, versionTag);
    const themeapply::ApplyReport report =
        themeapply::applyThemeFile(platform, checked, themefile::AspectSet::all(), versionTag);
    for (themefile::Aspect aspect : themefile::allAspects)
        if (report[aspect].outcome == themeapply::Outcome::failed ||
            report[aspect].outcome == themeapply::Outcome::refused) {
            std::fprintf(stderr, "theme file: %s\n", report.line(aspect).c_str());
            return false;
        }
    return true;
} catch (const rt::Error& error) {
    std::fprintf(stderr, "theme file: %s\n", error.description().c_str());
    return false;
}

// Times one step several rounds, in milliseconds: mean, median (which a stall of the
// machine running Wine moves least), fastest, slowest and first.
struct Times {
    std::vector<double> each;
    void add(double ms) { each.push_back(ms); }
    void print(const char* what) const {
        std::vector<double> sorted = each;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        double total = 0;
        for (double ms : each)
            total += ms;
        const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
        std::printf(
            "  time %s: mean %.3f ms, median %.3f ms, fastest %.3f ms, slowest %.3f ms, first %.3f ms\n",
            what, total / n, median, sorted.front(), sorted.back(), each.front());
    }
};

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
    for (const auto& item : std::filesystem::recursive_directory_iterator(argv[1])) {
        const std::string path = fake.appPath() + "\\" + item.path().lexically_relative(argv[1]).string();
        std::ifstream in(item.path(), std::ios::binary);
        if (item.is_directory())
            fake.makeFolder(path);
        else
            fake.makeFile(path, std::string(std::istreambuf_iterator<char>(in), {}));
    }
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
    // As the program does once its window shows: the kept settings join the list (after
    // the catalogue's themes counted above, which are the ones applied).
    form.listKeptSettings();
    using Clock = std::chrono::steady_clock;
    Times applies;
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
            applies.add(ms);
        }
    }
    std::printf("theme apply on %s (its snapshot included): %d themes x %d rounds\n", backend, themes,
                rounds);
    applies.print("per apply");
#ifndef _WIN32
    std::printf("  Windows calls per apply: %.1f\n", static_cast<double>(calls) / (rounds * themes));
#endif

    // The snapshot alone, kept over the one of the last apply.
    const std::string versionTag = sys::GetWinVersion(platform.api);
    Times snapshots;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        snapshot::takeSnapshot(platform, versionTag);
        snapshots.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("the snapshot alone on %s: %d rounds\n", backend, rounds);
    snapshots.print("each");

    // The theme file, whole, as decocmd applies it.
    const std::string file = writeBenchTheme(platform, module.programFolder);
    Times fileApplies;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        if (!applyThemeFile(platform, file, versionTag))
            return 1;
        fileApplies.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("theme file apply on %s (every aspect but the saver, a 1024x768 JPEG wallpaper, its snapshot "
                "included): %d rounds\n",
                backend, rounds);
    fileApplies.print("per apply");

    // "Previous settings" restored, back and forth (each restore keeps a snapshot first).
    Times restores;
    for (int round = 0; round < rounds; ++round) {
        const auto start = Clock::now();
        const themeapply::ApplyReport report = snapshot::restoreKept(platform, snapshot::Kept::previous,
                                                                     themefile::AspectSet::all(), versionTag);
        restores.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (report.anyTrouble())
            std::fprintf(stderr, "restore: some aspect failed\n");
    }
    std::printf("restore of \"Previous settings\" on %s (its snapshot included): %d rounds\n", backend,
                rounds);
    restores.print("each");
#ifdef _WIN32
    ::DestroyWindow(shown);
#endif
    return 0;
}
