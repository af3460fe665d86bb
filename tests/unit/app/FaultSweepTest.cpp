#include "platform/InputFacts.h"
// The fault sweep of every handler that writes to Windows. A clean run records
// the operations the handler uses (the fake's trail of Windows calls, file
// services and message boxes) and the state it leaves; then, for each of them
// in turn, a fresh program runs the handler with that use failing: a file
// service with 53 and with 75, a Windows call with its failure return and last
// error 5. Every faulted run must
//  - do what the clean run did up to the failure, and after it what the
//    handler's rule says: nothing more when the failure stops it; when it goes
//    on, exactly what the clean run did after the failing operation's unit (a
//    key that was not opened is not written; one that was, is closed);
//  - show the boxes the clean run showed, or the one its rule shows instead,
//    and never a "Run-time error";
//  - end with the default mouse pointer;
//  - leave every file and registry entry as it started or as the clean run
//    left it (nothing half-written, nothing left behind), and the live colours
//    wholly one or the other; a handler that puts things back, as it started;
//    decocmd's apply of a theme file, each aspect as the clean run left it
//    where decocmd says "applied", all as it started where it says otherwise.
#include "support/ProgramFixture.h"
#include "support/Bytes.h"
#include "support/TestFacts.h"

#include "console/Decocmd.h"
#include "screensaver/ScreenSaverInstall.h"
#include "themefile/Aspect.h"
#include "unit/themeapply/ThemeFileFixture.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <iterator>
#include <sstream>

namespace {

using Kind = fake::FakeWindows::Kind;
using Use = fake::FakeWindows::Operation;
using Trail = std::vector<Use>;

// Refuses: goes on without what it could not look at (no order of uses to compare).
enum class Outcome { GoesOn, Stops, PutsBack, EachAspectWhole, Refuses };
struct Expected {
    Outcome outcome;
    std::optional<std::string> box = std::nullopt; // shown instead of the clean run's boxes
    const char* mayDiffer = "";                    // entries that may end as neither state
    std::vector<std::string> mayLeaveOut = {};     // later operations it may leave out
};
const Expected goesOn{Outcome::GoesOn}, stops{Outcome::Stops}, putsBack{Outcome::PutsBack};

bool calls(const Use& use, const char* name, const char* argument = "") {
    return use.name == name && use.call.find(argument) != std::string::npos;
}
std::string numbered(int error) {
    return std::to_string(error) + rt::Error(error).description();
}

// The handlers' error rules.
Expected passOver(const Use&, int) {
    return goesOn;
}
Expected skipMissing(const Use& use, int error) { // 53 skips a step, anything else ends silently
    return use.kind == Kind::FileService && error != rt::ErrFileNotFound ? stops : goesOn;
}
Expected startUp(const Use& use, int error) { // as skipMissing, but the end shows its number
    if (calls(use, "readFile", "themes.txt") && error == rt::ErrFileNotFound) // no first theme to select
        return {Outcome::Stops, std::to_string(rt::ErrInvalidPropertyValue) + "Invalid property value"};
    if (use.kind != Kind::FileService || error == rt::ErrFileNotFound || calls(use, "readFile", ".bmp\""))
        return goesOn; // the theme preview hides a picture it cannot read
    return {Outcome::Stops, numbered(error)};
}
// Extracting a saver swaps files; whatever fails before the new one has its
// name puts the old one back. A set-aside saver that cannot be looked at or
// deleted afterwards stays beside it. Without a short path, or a file there,
// nothing is installed.
Expected setSaver(const Use& use, int) {
    if (calls(use, "readFile"))
        return {Outcome::Stops, screensaver::notAResourceFileMessage};
    if (calls(use, "Dir", "PROGRA~1") || calls(use, "GetShortPathNameA"))
        return stops;
    if (calls(use, "writeFile") || calls(use, "Name") || calls(use, "Dir", ".SCR\""))
        return putsBack;
    return use.call.find(".OLD\"") != std::string::npos ? Expected{Outcome::GoesOn, {}, ".OLD"} : goesOn;
}
Expected installListed(const Use& use, int) {
    return calls(use, "GetShortPathNameA") || calls(use, "Dir") ? stops : goesOn;
}
Expected themeManager(const Use& use, int) { // a location that cannot be looked at holds none
    return calls(use, "Dir", "themes\\themes.exe") ? stops : goesOn;
}
Expected endSession(const Use& use, int) { // a Windows of unknown family gets no NT privilege
    if (!calls(use, "GetVersionExA"))
        return goesOn;
    return {Outcome::GoesOn,
            {},
            "",
            {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges", "CloseHandle"}};
}

// decocmd's apply of a theme file: a failing Windows call, or a file service of the
// wallpaper's conversion, fails its aspect whole. Without an application-data folder
// the converted wallpaper goes to the program folder; without a version tag the
// icons go to the user's classes (a later Windows). A file the check cannot look at,
// or a path in a Windows folder it was not told, is refused or missing: left out.
Expected applyThemeFile(const Use& use, int) {
    if (calls(use, "GetVersionExA"))
        return {Outcome::Refuses, {}, "CURRENT_USER\\Software\\"};
    if (calls(use, "GetWindowsDirectoryA") || calls(use, "GetSystemDirectoryA"))
        return {Outcome::Refuses};
    if (calls(use, "SHGetSpecialFolderLocation") || calls(use, "SHGetPathFromIDListA") ||
        calls(use, "CreateDirectoryA"))
        return {Outcome::EachAspectWhole, {}, "Jungle Wallpaper.bmp"};
    if (use.kind == Kind::WindowsCall || calls(use, "readFile", "Jungle") || calls(use, "writeFile") ||
        calls(use, "readBytes", ", 0, 2)"))
        return {Outcome::EachAspectWhole};
    return {Outcome::Refuses};
}

// The first text argument of a use (a path, a key), without a closing backslash.
std::string target(const Use& use) {
    const std::size_t open = use.call.find('"'), close = use.call.find('"', open + 1);
    std::string text = open == std::string::npos ? "" : use.call.substr(open + 1, close - open - 1);
    return !text.empty() && text.back() == '\\' ? text.substr(0, text.size() - 1) : text;
}

// The uses after a failing one that a rule going on may leave out: the rest of
// what it belongs to, its release excepted (a key that was not opened is not
// written; one that was, is closed); after a key that was not created or a
// file that was not looked at, every later use of it with all it belongs to.
std::vector<bool> mayBeLeftOut(const Trail& clean, std::size_t k, const Expected& expected) {
    static const std::pair<const char*, const char*> brackets[] = {
        {"RegOpenKeyExA", "RegCloseKey"},
        {"RegCreateKeyExA", "RegCloseKey"},
        {"LoadCursorFromFileA", "SetSystemCursor"},
        {"OpenProcessToken", "CloseHandle"},
    };
    std::vector<bool> optional(clean.size());
    auto release = [&](std::size_t from, const char* name) {
        std::size_t at = from;
        while (at < clean.size() && clean[at].name != name)
            ++at;
        return at;
    };
    auto leaveOutFrom = [&](std::size_t at) { // the use at `at` and the rest of its bracket
        optional[at] = true;
        for (const auto& [acquire, released] : brackets)
            if (clean[at].name == acquire && release(at + 1, released) < clean.size())
                for (std::size_t i = at + 1; i <= release(at + 1, released); ++i)
                    optional[i] = true;
    };
    leaveOutFrom(k);
    for (const auto& [acquire, released] : brackets)
        for (std::size_t open = k; open-- > 0 && clean[open].name != released;)
            if (clean[open].name == acquire && clean[k].name != released &&
                release(k, released) < clean.size())
                for (std::size_t i = k + 1; i < release(k, released); ++i)
                    optional[i] = true;
    if (clean[k].name == "RegCreateKeyExA" || clean[k].name == "Dir")
        for (std::size_t i = k + 1; i < clean.size(); ++i)
            if (target(clean[i]) == target(clean[k]))
                leaveOutFrom(i);
    for (std::size_t i = k + 1; i < clean.size(); ++i)
        if (std::count(expected.mayLeaveOut.begin(), expected.mayLeaveOut.end(), clean[i].name))
            optional[i] = true;
    return optional;
}

// Whether the run's uses after the failure at k are the clean run's, in order,
// with none left out but those that may be.
bool goesOnAsTheCleanRun(const Trail& clean, std::size_t k, const std::vector<bool>& optional,
                         const Trail& run) {
    std::map<std::pair<std::size_t, std::size_t>, bool> memo;
    std::function<bool(std::size_t, std::size_t)> aligns = [&](std::size_t c, std::size_t r) {
        if (c == clean.size())
            return r == run.size();
        const auto known = memo.find({c, r});
        if (known != memo.end())
            return known->second;
        const bool result = (r < run.size() && clean[c].name == run[r].name && aligns(c + 1, r + 1)) ||
                            (optional[c] && aligns(c + 1, r));
        return memo[{c, r}] = result;
    };
    return aligns(k + 1, k + 1);
}

// The aspect a value or file belongs to, "" for none of a theme's.
std::string aspectOf(const std::string& name) {
    static const std::pair<const char*, themefile::Aspect> places[] = {
        {"\\Control Panel\\Colors\\", themefile::Aspect::colors},
        {"\\Control Panel\\Cursors\\", themefile::Aspect::pointers},
        {"CLSID\\", themefile::Aspect::icons},
        {"\\Control Panel\\Desktop\\", themefile::Aspect::wallpaper},
        {"AppEvents\\", themefile::Aspect::sounds},
        {"system.ini", themefile::Aspect::saver}};
    for (const auto& [place, aspect] : places)
        if (name.find(place) != std::string::npos && name.back() != '\\')
            return themefile::aspectName(aspect);
    return "";
}

// Everything on drive C:, in the registry and among the live colours; and by
// the name of a theme's aspect, all of it that the aspect sets.
struct State {
    std::map<std::string, std::string> entries;
    std::vector<win::DWORD> colors;
    std::map<std::string, std::string> aspects;
};

struct Program : unit_test::Program {
    std::string saver() const { return folder + "\\\xFF.SCR"; }
    // The user clicks each button in turn or presses Enter in each list; with
    // none, the window loads.
    void act(const std::vector<const char*>& controls) try {
        if (controls.empty())
            form->Form_Load();
        for (const char* name : controls) {
            if (std::string(name).rfind("decocmd ", 0) == 0) { // the console program's words
                std::istringstream words(name + 8);
                const std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
                std::string errors;
                console::decocmd(arguments, platform, consoleOut, errors);
                continue;
            }
            ui::Control* control = window().control(name);
            if (auto* list = dynamic_cast<headless::ComboBox*>(control))
                press(list, win::VK_RETURN);
            else
                click(control);
        }
    } catch (...) { // the load event is called directly: what escapes it, the window system shows
        windows->reportUnhandled(std::current_exception());
    }

    void startUp() {
        writeStandardCatalogue();
        writeShippedPictures();
        prepare();
    }
    void themeAndSchemeSelected() {
        fake.makeFile("c:\\logo.sys", "old");
        // Without a short path the start-up sound is cleared, as it starts.
        fake.setString(win::HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current",
                       "", "");
        themeSelected();
        form->Combo3->addItem("Brick");
        form->Combo3->setListIndex(0);
        module.activeSchemeRow = "2"; // the theme's row again, as a later theme selection leaves it
    }
    void saverListed() {
        write("samples", bytes::resourceFile({newSaver}));
        fake.makeFile(saver(), oldSaver);
        module.screenSaverList(0) = "orlo.scr";
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveTimeOut", "60");
        write("orlo.scr", "listed");
        prepare();
        form->Combo4->addItem("Orlo");
        form->Combo4->setListIndex(0);
        form->Combo5->setText("10");
    }
    void picturesToRestore() {
        module.windowsVersion = "98";
        for (const char* kind : {"logo", "logos", "logow"})
            write(std::string("98") + kind + ".sys", std::string("98") + kind);
        for (const char* installed : {"c:\\logo.sys", "c:\\windows\\logos.sys", "c:\\windows\\logow.sys"})
            fake.makeFile(installed, "old");
        prepare();
    }
    void plainWindow() {
        fake.makeFile("C:\\program files\\Plus!\\themes\\themes.exe", "exe");
        prepare();
    }
    // The Jungle theme in the Themes folder, and values it replaces that are not
    // plain text or not there.
    void themeFileReady() {
        themeapply_test::installJungle(fake, folder + "\\Themes");
        fake.registry.put(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow", win::REG_EXPAND_SZ,
                          std::string("%SystemRoot%\\cursors\\arrow_m.cur\0", 33));
        fake.setString(win::HKEY_CLASSES_ROOT, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
                       "full", "C:\\WINDOWS\\SYSTEM\\shell32.dll,32");
    }
    void askedOnNt() {
        fake.useVersion(fake::Version::NT4);
        prepare();
        fake.answers = {rt::vbOK};
    }

    State state() const {
        State now{fake.registry.contents(), {}, {}};
        const std::filesystem::path drive = fake.hostPath("C:\\");
        for (const auto& file : std::filesystem::recursive_directory_iterator(drive))
            if (file.is_regular_file())
                now.entries[file.path().lexically_relative(drive).string()] = fake::FakeDrive::hostRead(file);
        for (int index = 0; index <= win::COLOR_GRADIENTINACTIVECAPTION; ++index)
            now.colors.push_back(fake.settings.colors.get(index));
        for (const auto& [name, value] : now.entries)
            if (!aspectOf(name).empty())
                now.aspects[aspectOf(name)] += name + value + ";";
        for (win::DWORD color : now.colors)
            now.aspects["colors"] += std::to_string(color) + ";";
        for (win::DWORD id : {win::OCR_NORMAL, win::OCR_WAIT})
            now.aspects["pointers"] += fake.systemCursorFile(id) + ";";
        const std::string wallpaper = fake.deskWallpaper(); // its folder may be either
        now.aspects["wallpaper"] +=
            wallpaper.substr(wallpaper.find_last_of('\\') + 1) + "|" + fake.spiBytes(win::SPI_SETDESKPATTERN);
        now.aspects["saver"] += std::to_string(fake.settings.spi.value(win::SPI_GETSCREENSAVEACTIVE));
        const auto metrics = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
        now.aspects["fonts"] +=
            metrics.lfCaptionFont.lfFaceName + std::to_string(metrics.lfMenuFont.lfWeight);
        now.aspects["sizes"] += std::to_string(metrics.lfCaptionFont.lfHeight) +
                                std::to_string(metrics.iScrollWidth) +
                                fake.spiBytes(win::SPI_GETICONMETRICS).substr(4, 8);
        return now;
    }
    // Extracting the saver installed the old one.
    bool installedTheOldSaver() const {
        return fake.fileBytes(saver()) == oldSaver && !fake.processes.empty();
    }

    const std::string oldSaver = "old saver", newSaver = std::string(700, 'n');
    std::string consoleOut; // what decocmd printed
};

struct Handler {
    const char* name;
    void (Program::*arrange)();
    std::vector<const char*> controls;
    Expected (*rule)(const Use&, int error);
    bool deletes = false; // what it deletes may stay deleted
    bool (Program::*fault)() const = nullptr;
};

const Handler handlers[] = {
    {"StartUp", &Program::startUp, {}, startUp},
    {"ApplyTheme", &Program::themeAndSchemeSelected, {"Command2"}, skipMissing},
    {"ApplyWallpaper", &Program::themeAndSchemeSelected, {"Command1"}, passOver},
    {"ApplyColor", &Program::themeAndSchemeSelected, {"Command3"}, passOver},
    {"ApplyMixNMatch", &Program::themeAndSchemeSelected, {"Command4"}, passOver},
    {"SetScreenSaver", &Program::saverListed, {"Command6"}, setSaver, false, &Program::installedTheOldSaver},
    {"EnterInMinutes", &Program::saverListed, {"Combo5"}, installListed},
    {"RestoreGraphics", &Program::picturesToRestore, {"Command14"}, skipMissing, true},
    {"DisplayProperties",
     &Program::plainWindow,
     {"Command10", "Command11", "Command12", "Command13"},
     passOver},
    {"ThemeManager", &Program::plainWindow, {"Command15"}, themeManager},
    {"LogOffOk", &Program::askedOnNt, {"Command5"}, endSession},
    {"RestartOk", &Program::askedOnNt, {"Command17"}, endSession},
    {"ShutDownOk", &Program::askedOnNt, {"Command16"}, endSession},
    {"DecocmdApplyThemeFile", &Program::themeFileReady, {"decocmd apply Jungle /saver"}, applyThemeFile},
};

// One run of the handler on a fresh program, with the nth use of an operation failing.
struct HandlerRun {
    Program program;
    State before;
    Trail trail; // the Windows calls and file services the handler used
    HandlerRun(const Handler& h, const std::string& failing = "", int nth = 0, int error = 0) {
        (program.*h.arrange)();
        before = program.state();
        if (nth > 0)
            program.fake.failOnNext(failing, error, nth);
        const std::size_t start = program.fake.operationTrail().size();
        program.act(h.controls);
        std::copy_if(program.fake.operationTrail().begin() + std::ptrdiff_t(start),
                     program.fake.operationTrail().end(), std::back_inserter(trail), [](const Use& use) {
                         return use.kind == Kind::WindowsCall || use.kind == Kind::FileService;
                     });
    }
};

std::vector<std::string> names(Trail::const_iterator from, Trail::const_iterator to) {
    std::vector<std::string> list;
    std::transform(from, to, std::back_inserter(list), [](const Use& use) { return use.name; });
    return list;
}

// The entries that end as neither the start's nor the clean run's, "" for none.
std::string strayEntries(const State& start, const State& clean, const State& now, const char* mayDiffer,
                         bool deletes) {
    std::map<std::string, std::string> all = start.entries;
    all.insert(clean.entries.begin(), clean.entries.end());
    all.insert(now.entries.begin(), now.entries.end());
    auto at = [](const State& s, const std::string& name) {
        const auto entry = s.entries.find(name);
        return entry == s.entries.end() ? std::optional<std::string>() : entry->second;
    };
    std::string stray;
    for (const auto& [name, unused] : all)
        if (at(now, name) != at(start, name) && at(now, name) != at(clean, name) &&
            !(deletes && !at(now, name)) && (!*mayDiffer || name.find(mayDiffer) == std::string::npos))
            stray += name + "; ";
    if (now.colors != start.colors && now.colors != clean.colors)
        stray += "the live colours";
    return stray;
}

// The aspects decocmd applied that are not all as the clean run left them, and
// those it did not that are not all as they started.
std::string brokenAspects(const State& start, const State& clean, const State& now,
                          const std::string& lines) {
    std::string broken;
    for (const auto& [aspect, text] : now.aspects) {
        const bool applied = lines.find(aspect + ": applied") != std::string::npos;
        if (text != (applied ? clean : start).aspects.at(aspect))
            broken += aspect + (applied ? " (applied); " : " (not applied); ");
    }
    return broken;
}

void PrintTo(const Handler& handler, std::ostream* out) {
    *out << handler.name;
}

class FaultSweep : public ::testing::TestWithParam<Handler> {};

TEST_P(FaultSweep, EveryFailingOperationKeepsToTheHandlersRule) {
    const auto started = std::chrono::steady_clock::now();
    const Handler& h = GetParam();
    const HandlerRun clean(h);
    const State cleanEnd = clean.program.state();
    const std::vector<std::string> cleanBoxes = clean.program.prompts();
    for (const std::string& box : cleanBoxes)
        ASSERT_EQ(std::string::npos, box.find("Run-time error")) << box;
    ASSERT_EQ(ui::vbDefault, clean.program.windows->screen().mousePointer());
    ASSERT_FALSE(clean.trail.empty());

    int runs = 0;
    std::map<std::string, int> uses;
    for (std::size_t k = 0; k < clean.trail.size(); ++k) {
        const Use& use = clean.trail[k];
        const int nth = ++uses[use.name];
        for (int error : use.kind == Kind::FileService
                             ? std::vector<int>{rt::ErrFileNotFound, rt::ErrPathFileAccess}
                             : std::vector<int>{int(win::ERROR_ACCESS_DENIED)}) {
            ++runs;
            const HandlerRun run(h, use.name, nth, error);
            SCOPED_TRACE(std::string(h.name) + ": use " + std::to_string(k + 1) + ", " + use.call +
                         " failing with " + std::to_string(error));
            const Expected expected = h.rule(use, error);
            ASSERT_GT(run.trail.size(), k) << "the failing operation never came";
            EXPECT_EQ(names(clean.trail.begin(), clean.trail.begin() + std::ptrdiff_t(k) + 1),
                      names(run.trail.begin(), run.trail.begin() + std::ptrdiff_t(k) + 1));
            const std::vector<std::string> after =
                names(run.trail.begin() + std::ptrdiff_t(k) + 1, run.trail.end());
            const State end = run.program.state();
            if (expected.outcome == Outcome::EachAspectWhole) {
                EXPECT_EQ("", brokenAspects(run.before, cleanEnd, end, run.program.consoleOut))
                    << run.program.consoleOut;
            } else if (expected.outcome == Outcome::Refuses) {
            } else if (expected.outcome == Outcome::GoesOn) {
                EXPECT_TRUE(
                    goesOnAsTheCleanRun(clean.trail, k, mayBeLeftOut(clean.trail, k, expected), run.trail))
                    << "after the failure it went on with\n  " << testing::PrintToString(after)
                    << "\nwhere the clean run went on with\n  "
                    << testing::PrintToString(
                           names(clean.trail.begin() + std::ptrdiff_t(k) + 1, clean.trail.end()));
            } else if (expected.outcome == Outcome::Stops) {
                EXPECT_EQ(std::vector<std::string>{}, after) << "went on past the failure";
            } else {
                EXPECT_TRUE(std::none_of(run.trail.begin() + std::ptrdiff_t(k) + 1, run.trail.end(),
                                         [](const Use& u) { return u.kind == Kind::WindowsCall; }))
                    << "went on to Windows after the failure";
                EXPECT_EQ(run.before.entries, end.entries) << "did not put everything back";
            }
            EXPECT_EQ(expected.box ? std::vector<std::string>{*expected.box} : cleanBoxes,
                      run.program.prompts());
            EXPECT_EQ(ui::vbDefault, run.program.windows->screen().mousePointer())
                << "the pointer stays busy";
            EXPECT_EQ("", strayEntries(run.before, cleanEnd, end, expected.mayDiffer, h.deletes))
                << "half-written";
            if (h.fault) {
                EXPECT_FALSE((run.program.*h.fault)());
            }
        }
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("[ sweep    ] %s: %zu operations, %d faulted runs, %.1f s\n", h.name, clean.trail.size(),
                runs, seconds);
}

INSTANTIATE_TEST_SUITE_P(EachHandlerThatWritesToWindows, FaultSweep, ::testing::ValuesIn(handlers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
