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
// Every handler that writes keeps a snapshot of the current settings first; its
// operations are swept once, for "Apply Color" with a snapshot kept already: any
// failure of it leaves Windows untouched, tells why in a box, and leaves the kept
// snapshots whole, as they were or as the clean run wrote them. "decocmd restore
// previous" after the apply of a theme file is swept over the uses that write, as that
// apply is: each aspect restored or as it was.
#include "support/ProgramFixture.h"
#include "support/Bytes.h"
#include "support/TestFacts.h"

#include "console/Decocmd.h"
#include "platform/InputFacts.h"
#include "runtime/TextConv.h"
#include "screensaver/ScreenSaverInstall.h"
#include "snapshot/Snapshots.h"
#include "themefile/Aspect.h"
#include "unit/themeapply/ThemeFileFixture.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <sstream>

namespace {

using Kind = fake::FakeWindows::Kind;
using Use = fake::FakeWindows::Operation;
using Trail = std::vector<Use>;

// Refuses: goes on without what it could not look at (no order of uses to compare).
// Untouched: nothing of Windows written (a snapshot that could not be kept).
enum class Outcome { GoesOn, Stops, PutsBack, EachAspectWhole, Refuses, Untouched };
struct Expected {
    Outcome outcome;
    std::optional<std::string> box = std::nullopt; // shown instead of the clean run's boxes
    const char* mayDiffer = "";                    // entries that may end as neither state ("a|b")
    std::vector<std::string> mayLeaveOut = {};     // later operations it may leave out
    std::vector<std::string> mayAdd = {};          // operations of another way to the same end
};
const Expected goesOn{Outcome::GoesOn}, stops{Outcome::Stops}, putsBack{Outcome::PutsBack};

bool calls(const Use& use, const char* name, const char* argument = "") {
    return use.name == name && use.call.find(argument) != std::string::npos;
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
    return {Outcome::Stops, std::to_string(error) + rt::Error(error).description()};
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
    Expected expected = goesOn;
    if (calls(use, "GetVersionExA"))
        expected.mayLeaveOut = {"OpenProcessToken", "LookupPrivilegeValueA", "AdjustTokenPrivileges",
                                "CloseHandle"};
    return expected;
}

// decocmd's apply of a theme file: a failing Windows call, or a file service of the
// wallpaper's conversion, fails its aspect whole. Without an application-data folder
// the converted wallpaper goes to the program folder; without a version tag the
// icons go to the user's classes (a later Windows). A file the check cannot look at,
// or a path in a Windows folder it was not told, is refused or missing: left out.
Expected applyThemeFile(const Use& use, int) {
    if (calls(use, "GetVersionExA"))
        return {Outcome::Refuses, {}, "CURRENT_USER\\Software\\|settings"};
    if (calls(use, "GetWindowsDirectoryA") || calls(use, "GetSystemDirectoryA"))
        return {Outcome::Refuses};
    if (calls(use, "SHGetSpecialFolderLocation") || calls(use, "SHGetPathFromIDListA") ||
        calls(use, "CreateDirectoryA"))
        return {Outcome::EachAspectWhole, {}, "Jungle Wallpaper.bmp|Desktop\\Wallpaper="};
    if (use.kind == Kind::WindowsCall || calls(use, "readFile", "Jungle") || calls(use, "writeFile") ||
        calls(use, "readBytes", ", 0, 2)"))
        return {Outcome::EachAspectWhole};
    return {Outcome::Refuses};
}

// The snapshot before the first write: only a call that cannot fail (GetSysColor), a key
// closed and a temporary file's clean-up go on; without an application-data folder the
// snapshot goes to the program folder.
const char* const snapshotBox = "The current settings could not be kept as \"Previous settings\"";
Expected snapshotRule(const Use& use, int) {
    if (calls(use, "GetSysColor")) // a colour it cannot tell is kept as black
        return {Outcome::GoesOn, {}, "settings"};
    if (calls(use, "RegCloseKey") || calls(use, "CoTaskMemFree") || calls(use, "Kill", ".old\""))
        return {Outcome::GoesOn, {}, ".old"};
    if (calls(use, "SHGetSpecialFolderPathA")) // the same folder through its item list
        return {Outcome::GoesOn,
                {},
                "",
                {},
                {"SHGetSpecialFolderLocation", "SHGetPathFromIDListA", "CoTaskMemFree"}};
    if (calls(use, "SHGetSpecialFolderLocation") || calls(use, "SHGetPathFromIDListA") ||
        calls(use, "CreateDirectoryA", "\\Decorama\""))
        return {Outcome::Refuses, {}, "settings"};
    return {Outcome::Untouched};
}

// The uses of the snapshot in a trail: from its first GetSysColor to its last use of
// "Previous settings"; none in a handler without one.
std::pair<std::size_t, std::size_t> snapshotUses(const Trail& trail) {
    std::size_t last = trail.size();
    for (std::size_t i = 0; i < trail.size(); ++i)
        if (trail[i].call.find("Previous settings") != std::string::npos)
            last = i;
    std::size_t first = 0;
    while (first < last && trail[first].name != "GetSysColor")
        ++first;
    return last == trail.size() ? std::pair{std::size_t{0}, std::size_t{0}} : std::pair{first, last + 1};
}

// A restore, as decocmd's apply of a theme file; the pointers reloaded from the registry
// at its end are a request Wine lacks, whose failure is passed over.
Expected restore(const Use& use, int error) {
    return calls(use, "SystemParametersInfoA", "(87,") ? Expected{Outcome::Refuses}
                                                       : applyThemeFile(use, error);
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
                         const Trail& run, const std::vector<std::string>& mayAdd) {
    std::map<std::pair<std::size_t, std::size_t>, bool> memo;
    std::function<bool(std::size_t, std::size_t)> aligns = [&](std::size_t c, std::size_t r) {
        if (c == clean.size())
            return r == run.size();
        const auto known = memo.find({c, r});
        if (known != memo.end())
            return known->second;
        const bool result =
            (r < run.size() && clean[c].name == run[r].name && aligns(c + 1, r + 1)) ||
            (optional[c] && aligns(c + 1, r)) ||
            (r < run.size() && std::count(mayAdd.begin(), mayAdd.end(), run[r].name) && aligns(c, r + 1));
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
    // "Apply Color" over a snapshot kept before a change of the Window colour.
    void snapshotKept() {
        themeAndSchemeSelected();
        snapshot::takeSnapshot(platform, module.windowsVersion);
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "1 2 3");
    }
    // The Jungle theme applied, over a snapshot kept before it.
    void themeApplied() {
        themeFileReady();
        act({"decocmd apply Jungle /saver"});
        consoleOut.clear();
    }
    void askedOnNt() {
        fake.useVersion(fake::Version::NT4);
        prepare();
        fake.answers = {rt::vbOK};
    }

    State state() const {
        State now{fake.registry.contents(), {}, {}};
        now.entries.merge(fake.driveFiles());
        for (int index = 0; index <= win::COLOR_GRADIENTINACTIVECAPTION; ++index)
            now.colors.push_back(fake.settings.colors.get(index));
        for (const auto& [name, value] : now.entries)
            if (!aspectOf(name).empty())
                now.aspects[aspectOf(name)] += // the wallpaper's folder may be either
                    name +
                    (rt::EndsWith(name, "\\Wallpaper=") ? value.substr(value.find_last_of('\\') + 1)
                                                        : value) +
                    ";";
        for (win::DWORD color : now.colors)
            now.aspects["colors"] += std::to_string(color) + ";";
        for (win::DWORD id : {win::OCR_NORMAL, win::OCR_WAIT})
            now.aspects["pointers"] += fake.settings.cursors.systemCursorFile(id) + ";";
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

// What a sweep allows besides the handler's rule: what it deletes may stay deleted;
// its snapshot's uses are swept too; only its uses that write are made to fail.
enum Allowance { none = 0, deletes = 1, sweepsSnapshot = 2, writesOnly = 4 };
struct Handler {
    const char* name;
    void (Program::*arrange)();
    std::vector<const char*> controls;
    Expected (*rule)(const Use&, int error);
    int allows = none;
    bool (Program::*fault)() const = nullptr;
};

// A use that writes to Windows or the disc (or sets a system parameter).
bool writes(const Use& use) {
    static const char* const names[] = {
        "RegSetValueExA",        "RegDeleteValueA", "RegDeleteKeyA",
        "SetSysColors",          "SetSystemCursor", "WritePrivateProfileStringA",
        "SystemParametersInfoA", "writeFile",       "Kill"};
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* name) { return use.name == name; });
}

const Handler handlers[] = {
    {"StartUp", &Program::startUp, {}, startUp},
    {"ApplyTheme", &Program::themeAndSchemeSelected, {"Command2"}, skipMissing},
    {"ApplyWallpaper", &Program::themeAndSchemeSelected, {"Command1"}, passOver},
    {"ApplyColor", &Program::themeAndSchemeSelected, {"Command3"}, passOver},
    {"ApplyMixNMatch", &Program::themeAndSchemeSelected, {"Command4"}, passOver},
    {"SetScreenSaver", &Program::saverListed, {"Command6"}, setSaver, none, &Program::installedTheOldSaver},
    {"EnterInMinutes", &Program::saverListed, {"Combo5"}, installListed},
    {"RestoreGraphics", &Program::picturesToRestore, {"Command14"}, skipMissing, deletes},
    {"DisplayProperties",
     &Program::plainWindow,
     {"Command10", "Command11", "Command12", "Command13"},
     passOver},
    {"ThemeManager", &Program::plainWindow, {"Command15"}, themeManager},
    {"LogOffOk", &Program::askedOnNt, {"Command5"}, endSession},
    {"RestartOk", &Program::askedOnNt, {"Command17"}, endSession},
    {"ShutDownOk", &Program::askedOnNt, {"Command16"}, endSession},
    {"DecocmdApplyThemeFile", &Program::themeFileReady, {"decocmd apply Jungle /saver"}, applyThemeFile},
    {"TakeSnapshot", &Program::snapshotKept, {"Command3"}, passOver, sweepsSnapshot},
    {"DecocmdRestorePrevious", &Program::themeApplied, {"decocmd restore previous"}, restore, writesOnly},
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

// The entries but the kept snapshots, which a handler that puts things back keeps.
std::map<std::string, std::string> withoutSnapshots(std::map<std::string, std::string> entries) {
    for (auto entry = entries.begin(); entry != entries.end();)
        entry = entry->first.find("settings") != std::string::npos ? entries.erase(entry) : std::next(entry);
    return entries;
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
    const auto maybe = [&](const std::string& name) { // mayDiffer: "a|b" names two kinds
        const std::string kinds = std::string(mayDiffer) + "|";
        for (std::size_t from = 0, bar; (bar = kinds.find('|', from)) != std::string::npos; from = bar + 1)
            if (bar > from && name.find(kinds.substr(from, bar - from)) != std::string::npos)
                return true;
        return false;
    };
    std::string stray;
    for (const auto& [name, unused] : all)
        if (at(now, name) != at(start, name) && at(now, name) != at(clean, name) &&
            !(deletes && !at(now, name)) && !maybe(name))
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
    const Handler& h = GetParam();
    const HandlerRun clean(h);
    const State cleanEnd = clean.program.state();
    const std::vector<std::string> cleanBoxes = clean.program.prompts();
    for (const std::string& box : cleanBoxes)
        ASSERT_EQ(std::string::npos, box.find("Run-time error")) << box;
    ASSERT_EQ(ui::vbDefault, clean.program.windows->screen().mousePointer());
    ASSERT_FALSE(clean.trail.empty());

    std::map<std::string, int> uses;
    const auto [snapshotFrom, snapshotTo] = snapshotUses(clean.trail);
    for (std::size_t k = 0; k < clean.trail.size(); ++k) {
        const Use& use = clean.trail[k];
        const int nth = ++uses[use.name];
        const bool ofSnapshot = k >= snapshotFrom && k < snapshotTo;
        if ((ofSnapshot && !(h.allows & sweepsSnapshot)) || ((h.allows & writesOnly) && !writes(use)))
            continue;
        for (int error : use.kind == Kind::FileService
                             ? std::vector<int>{rt::ErrFileNotFound, rt::ErrPathFileAccess}
                             : std::vector<int>{int(win::ERROR_ACCESS_DENIED)}) {
            const HandlerRun run(h, use.name, nth, error);
            SCOPED_TRACE(std::string(h.name) + ": use " + std::to_string(k + 1) + ", " + use.call +
                         " failing with " + std::to_string(error));
            const Expected expected = ofSnapshot ? snapshotRule(use, error) : h.rule(use, error);
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
            } else if (expected.outcome == Outcome::Untouched) {
                EXPECT_EQ(run.before.aspects, end.aspects) << "wrote although the snapshot failed";
                for (const auto& [name, bytes] : end.entries)
                    if (name.find(".new") != std::string::npos || name.find(".old") != std::string::npos)
                        ADD_FAILURE() << "left behind: " << name;
            } else if (expected.outcome == Outcome::GoesOn) {
                EXPECT_TRUE(goesOnAsTheCleanRun(clean.trail, k, mayBeLeftOut(clean.trail, k, expected),
                                                run.trail, expected.mayAdd))
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
                EXPECT_EQ(withoutSnapshots(run.before.entries), withoutSnapshots(end.entries))
                    << "did not put everything back";
            }
            if (expected.outcome == Outcome::Untouched) { // one box says why
                ASSERT_EQ(1u, run.program.prompts().size());
                EXPECT_EQ(0u, run.program.prompts()[0].find(snapshotBox)) << run.program.prompts()[0];
            } else {
                EXPECT_EQ(expected.box ? std::vector<std::string>{*expected.box} : cleanBoxes,
                          run.program.prompts());
            }
            EXPECT_EQ(ui::vbDefault, run.program.windows->screen().mousePointer())
                << "the pointer stays busy";
            EXPECT_EQ("", strayEntries(run.before, cleanEnd, end, expected.mayDiffer, h.allows & deletes))
                << "half-written";
            if (h.fault) {
                EXPECT_FALSE((run.program.*h.fault)());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachHandlerThatWritesToWindows, FaultSweep, ::testing::ValuesIn(handlers),
                         [](const auto& info) { return std::string(info.param.name); });

// "Previous settings" after each handler that writes, on each Windows: a state with
// values, keys and files that are not there, the handler, then the restore: every file
// and registry entry, the live colours and each aspect's live state as they were (the
// snapshot's own files and the wallpaper's converted copy excepted).
struct WindowsVersion {
    fake::Version version;
    const char* tag;
};
const WindowsVersion versions[] = {{fake::Version::Win95, "95"},
                                   {fake::Version::Win98, "98"},
                                   {fake::Version::WinME, "ME"},
                                   {fake::Version::NT4, "NT"},
                                   {fake::Version::Win2000, "2000"}};

class PreviousSettings : public ::testing::TestWithParam<std::tuple<Handler, WindowsVersion>> {};

std::string differences(const std::map<std::string, std::string>& a,
                        const std::map<std::string, std::string>& b) {
    std::string text;
    for (const auto& [name, value] : a)
        if (!b.count(name) || b.at(name) != value)
            text += "changed or gone: " + name + "\n";
    for (const auto& [name, value] : b)
        if (!a.count(name))
            text += "new: " + name + "\n";
    return text;
}

TEST_P(PreviousSettings, RestoringThemBringsEverythingBack) {
    const auto& [h, windows] = GetParam();
    Program program;
    program.fake.useVersion(windows.version);
    (program.*h.arrange)();
    program.module.windowsVersion = windows.tag;
    program.fake.remove("c:\\logo.sys");
    const std::string ini = program.fake.windowsFolder() + "\\system.ini";
    program.fake.makeFile(ini, "[boot]\r\nshell=Explorer.exe\r\n");
    program.fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow",
                           "C:\\" + std::string(600, 'p') + ".cur"); // longer than most values
    const State before = program.state();
    program.act(h.controls);
    ASSERT_EQ(std::vector<std::string>{}, program.prompts());
    const State applied = program.state();
    snapshot::restoreKept(program.platform, snapshot::Kept::previous, themefile::AspectSet::all(),
                          windows.tag);
    const State after = program.state();
    // The snapshot's own files, the wallpaper's converted copy and the saver program installed stay.
    const auto compared = [&](std::map<std::string, std::string> entries) {
        for (auto entry = entries.begin(); entry != entries.end();)
            entry = (!before.entries.count(entry->first) &&
                     (entry->first.find("settings") != std::string::npos ||
                      entry->first.find("Wallpaper.bmp") != std::string::npos)) ||
                            entry->first.find(".SCR") != std::string::npos
                        ? entries.erase(entry)
                        : std::next(entry);
        return entries;
    };
    EXPECT_EQ("", differences(compared(before.entries), compared(after.entries)))
        << differences(before.entries, applied.entries);
    EXPECT_EQ(before.colors, after.colors);
    EXPECT_EQ(before.aspects, after.aspects);
}

std::vector<Handler> writers() {
    std::vector<Handler> list;
    for (const Handler& h : handlers)
        if (std::string(h.name).find("Apply") != std::string::npos ||
            std::string(h.name).find("Saver") != std::string::npos ||
            h.name == std::string("EnterInMinutes") || h.name == std::string("RestoreGraphics"))
            list.push_back(h);
    return list;
}

INSTANTIATE_TEST_SUITE_P(EachHandlerThatWritesOnEachWindows, PreviousSettings,
                         ::testing::Combine(::testing::ValuesIn(writers()), ::testing::ValuesIn(versions)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "On" +
                                    std::get<1>(info.param).tag;
                         });

// The current settings saved as a theme file, another theme applied, then the saved
// file: colours, pointers, icons, wallpaper, sounds, saver and metrics are back.
TEST(SaveCurrentSettings, TheSavedFileBringsTheSettingsBackAfterAnotherTheme) {
    Program program;
    program.themeFileReady();
    program.act({"decocmd apply Jungle /saver"});
    const State saved = program.state();
    program.fake.makeFile(
        program.folder + "\\Themes\\Other.theme",
        "[Control Panel\\Colors]\r\nWindow=1 2 3\r\nActiveTitle=4 5 6\r\n"
        "[Control Panel\\Cursors]\r\nArrow=\r\nWait=\r\n"
        "[CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon]\r\nDefaultValue=shell32.dll,3\r\n"
        "[Control Panel\\Desktop]\r\nWallpaper=(None)\r\nTileWallpaper=1\r\nScreenSaveActive=0\r\n"
        "[AppEvents\\Schemes\\Apps\\.Default\\.Default\\.Current]\r\nDefaultValue=\r\n");
    program.fake.makeFile("C:\\WINDOWS\\SYSTEM\\shell32.dll", "MZ");
    program.act({"decocmd save Mine", "decocmd apply Other"});
    // What Other leaves alone changes behind its back.
    auto frame = program.fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    auto icons = program.fake.spiStructure<win::ICONMETRICSA>(win::SPI_GETICONMETRICS);
    frame.iScrollWidth += 3;
    icons.iHorzSpacing += 3;
    program.fake.setSpiStructure(win::SPI_GETNONCLIENTMETRICS, frame);
    program.fake.setSpiStructure(win::SPI_GETICONMETRICS, icons);
    program.fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "Pattern", "1 2 3 4 5 6 7 8");
    program.fake.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", "C:\\other.scr", "system.ini");
    ASSERT_NE(saved.aspects, program.state().aspects) << program.consoleOut;
    program.act({"decocmd apply Mine /saver"});
    // A theme file cannot remove a value: those the saved one did not have are left out.
    for (const auto& [name, unused] : program.state().entries)
        if (!saved.entries.count(name) && !aspectOf(name).empty() && name.back() == '=') {
            const std::size_t key = name.find('\\') + 1, value = name.rfind('\\');
            win::HKEY handle = 0;
            program.fake.RegOpenKeyExA(name.rfind("HKEY_CLASSES_ROOT", 0) == 0 ? win::HKEY_CLASSES_ROOT
                                                                               : win::HKEY_CURRENT_USER,
                                       name.substr(key, value - key).c_str(), 0, win::KEY_SET_VALUE, &handle);
            program.fake.RegDeleteValueA(handle, name.substr(value + 1, name.size() - value - 2).c_str());
            program.fake.RegCloseKey(handle);
        }
    EXPECT_EQ(saved.colors, program.state().colors);
    EXPECT_EQ(saved.aspects, program.state().aspects) << program.consoleOut;
}

} // namespace
