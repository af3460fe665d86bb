// libFuzzer target for the theme-file reader and its check. Each input is read as a
// theme file (a theme, or the whole file refused with error 380), checked with screen
// savers refused and allowed on a Windows 98 holding the Jungle test theme's files,
// and written back; and read as a kept snapshot (snapshot::readState), refused
// whole with 380 or written back. A finding, beyond crashes, leaks and undefined
// behaviour: a path let through or asked about that is not a plain local path, a
// report that contradicts itself, or a write that does not read back the same (the
// writer may refuse a value with a line break, or a file past the reader's limits).
#include "snapshot/SnapshotState.h"
#include "themefile/ThemeCheck.h"
#include "themefile/ThemeWriter.h"

#include "doubles/theme/FileHeads.h"
#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "runtime/Error.h"
#include "themeapply/Surroundings.h"
#include "unit/themefile/ThemeDescription.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace themefile;

const char* const fileName = "C:\\Program Files\\Plus!\\Themes\\Fuzz.theme";

// "X:\" and then no part of dots alone (".."), doubled backslash, control character, second colon or
// %variable%, and short enough for MAX_PATH.
bool isPlainLocalPath(const std::string& path) {
    const auto isPlainPart = [](const std::string& part) {
        return part.size() < 2 || part.find_first_not_of(". ") != std::string::npos;
    };
    const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                       path[1] == ':' && path[2] == '\\';
    const std::size_t percent = path.find('%');
    if (!drive || path.size() > 259 || path.find("\\\\") != std::string::npos ||
        path.find_first_of(":/", 2) != std::string::npos ||
        (percent != std::string::npos && path.find('%', percent + 1) != std::string::npos))
        return false;
    for (std::size_t start = 3; start < path.size();) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        if (!isPlainPart(path.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return std::none_of(path.begin(), path.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

void expect(bool condition) {
    if (!condition)
        __builtin_trap();
}

void expectChecked(const CheckedPath& file) {
    expect(file.isDefault() || isPlainLocalPath(file.path()));
}

// Windows 98 for every input, with the Jungle files.
struct Windows98 {
    Windows98() {
        windows.makeFolder("C:\\Program Files\\Plus!\\Themes\\Nature\\DesktopBackground");
        windows.makeFolder("C:\\WINDOWS\\media");
        theme_test::makeJungleFiles(windows);
    }
    fake::FakeWindows windows;
    rt::Platform platform{windows, windows, windows};
    const themeapply::WindowsSurroundings place{platform, fileName};
};

void check(const ThemeFile& file, bool allowSavers, Windows98& machine) {
    machine.windows.clearLogs();
    const CheckedTheme theme = checkTheme(file, machine.place, {allowSavers});
    for (const auto& asked : machine.windows.operationTrail()) // Dir("path"), readBytes("path", 0, n)
        if (asked.kind == fake::FakeWindows::Kind::FileService)
            expect(isPlainLocalPath(
                asked.call.substr(asked.name.size() + 2, asked.call.rfind('"') - asked.name.size() - 2)));
    for (const auto& pointer : theme.pointers)
        expectChecked(pointer.file);
    for (const auto& icon : theme.icons)
        expectChecked(icon.file);
    for (const auto& sound : theme.sounds)
        expectChecked(sound.file);
    if (theme.wallpaper)
        expectChecked(*theme.wallpaper);
    if (theme.screenSaver) {
        expect(allowSavers || theme.screenSaver->isDefault());
        expectChecked(*theme.screenSaver);
    }
    for (Aspect aspect : allAspects) {
        const AspectReport& report = theme.report(aspect);
        expect((report.state == AspectState::refused) == !report.reason.empty());
        expect(report.state != AspectState::absent || report.refused.empty());
    }
    expect(theme.report(Aspect::pictures).state == AspectState::absent);
}

void expectWrittenBack(const ThemeFile& file, const ToAnsi& ansi) {
    std::string written;
    try {
        written = writeThemeFile(file);
    } catch (const rt::Error& error) {
        const std::string& why = error.description();
        expect(error.number() == rt::ErrInvalidPropertyValue &&
               (why.find("a line break or NUL") != std::string::npos ||
                why.find("over 64 KiB") != std::string::npos || why.find("over 1 MiB") != std::string::npos));
        return;
    }
    expect(theme_test::describe(readThemeFile(written, fileName, ansi)) == theme_test::describe(file));
}

void readAsSnapshot(const std::string& bytes, const ToAnsi& ansi) {
    snapshot::SystemState state;
    try {
        state = snapshot::readState(bytes, fileName, ansi);
    } catch (const rt::Error& error) {
        expect(error.number() == rt::ErrInvalidPropertyValue);
        return;
    }
    std::string written;
    try {
        written = writeThemeFile(state.theme, {snapshot::stateSection(state)});
    } catch (const rt::Error& error) {
        expect(error.number() == rt::ErrInvalidPropertyValue);
        return;
    }
    expect(snapshot::stateSection(snapshot::readState(written, fileName, ansi)).keys ==
           snapshot::stateSection(state).keys);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static Windows98 machine;
    machine.windows.clearLogs();
    const ToAnsi ansi = themeapply::ansiConverter(machine.windows);
    readAsSnapshot(bytes, ansi);
    ThemeFile file;
    try {
        file = readThemeFile(bytes, fileName, ansi);
    } catch (const rt::Error& error) {
        expect(error.number() == rt::ErrInvalidPropertyValue);
        return 0;
    }
    check(file, false, machine);
    check(file, true, machine);
    expectWrittenBack(file, ansi);
    return 0;
}
