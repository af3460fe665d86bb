// The fault sweep of every handler that writes to Windows: a clean run records
// the Windows calls and file services the handler uses, in order; then, for
// every k, a fresh program runs the handler with the k-th of them failing (a
// file service with 53 and with 75, a Windows call with its failure return and
// last error 5). Each run must keep to the handler's error rule, leave no error
// escaping to the "Run-time error" box, and leave nothing half-written.
#include "platform/InputFacts.h"
#include "support/ProgramFixture.h"

#include <algorithm>
#include <cstdio>

namespace {

using Trail = std::vector<std::pair<std::string, int>>;
enum class Outcome { GoesOn, Stops, Either };
enum class Rule {
    Silent,      // every failure is passed over; a Windows failure does not stop it
    SkipMissing, // 53 skips a step; any other file error ends it silently
    StartUp,     // 53 skips a step; any other error shows its number and description and ends it
};

bool isFileService(const std::string& op) {
    return std::string(" Dir FileCopy Kill Name readFile readBytes writeFile writeBytes Shell ")
               .find(" " + op + " ") != std::string::npos;
}

std::string le32(std::uint32_t v) {
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
const std::string oldSaver = "old saver", newSaver(700, 'n');

// One program over a fresh fake Windows, arranged as a user would have it.
struct Program : unit_test::ProgramFixture {
    void TestBody() override {}
    using ProgramFixture::fake;
    using ProgramFixture::prompts;

    std::string saver() const { return folder + "\\\xFF.SCR"; }
    // The user clicks each button in turn or presses Enter in each list; with
    // none, the window loads.
    void act(const std::vector<const char*>& controls) try {
        if (controls.empty())
            form->Form_Load();
        for (const char* name : controls) {
            ui::Control* control = window().control(name);
            if (auto* list = dynamic_cast<headless::ComboBox*>(control)) {
                list->setFocus();
                list->userPressKey(win::VK_RETURN);
            } else {
                headless::as<headless::Button>(*control).userClick();
            }
        }
    } catch (...) { // the load event is called directly: what escapes it, the window system shows
        windows->reportUnhandled(std::current_exception());
    }

    void startUp() {
        writeStandardCatalogue();
        for (const char* picture : unit_test::shippedPictures)
            write(std::string("ui\\") + picture, headless_test::bmpBytes(18, 18));
        prepare();
    }
    void themeSelected() {
        fillSchemeRows();
        installCursors(2);
        fake.makeFolder("c:\\WINDOWS\\web");
        for (const char* name :
             {"logo.sys", "logos.sys", "logow.sys", "wvleft.bmp", "wvline.gif", "wvlogo.gif"})
            write(name, name);
        fake.makeFile("c:\\logo.sys", "old");
        module.themeShortAudio(2) = "x";
        module.themeList(0) = "Harbour 800x600,x,harbour.jpg,harbour.bmp,2";
        prepare();
        form->Combo1->addItem("Harbour 800x600");
        form->Combo1->setListIndex(0);
        form->Combo3->addItem("Brick");
        form->Combo3->setListIndex(0);
        module.activeSchemeRow = "2";
        form->selectedWallpaper = folder + "\\harbour.bmp";
    }
    void saverListed() {
        write("samples", le32(0x635245B5) + le32(1) + le32(20) + le32(std::uint32_t(newSaver.size())) +
                             le32(0) + newSaver);
        fake.makeFile(saver(), oldSaver);
        module.screenSaverList(0) = "orlo.scr";
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
    void askedOnNt() {
        fake.useVersion(fake::Version::NT4);
        prepare();
        fake.answers = {rt::vbOK};
    }

    // What must hold after any run: "" when it holds.
    std::string logoWhole() {
        const std::string logo = fake.exists("c:\\logo.sys") ? fake.fileBytes("c:\\logo.sys") : "old";
        return logo == "old" || logo == "logo.sys" || logo == "98logo" ? "" : "c:\\logo.sys holds " + logo;
    }
    std::string saverWhole() {
        if (!fake.exists(saver()))
            return "the extracted saver is gone";
        if (fake.exists(folder + "\\\xFF.TMP"))
            return "a part-written saver is left beside it";
        const std::string bytes = fake.fileBytes(saver());
        if (bytes != oldSaver && bytes != newSaver)
            return "the extracted saver holds " + std::to_string(bytes.size()) + " other bytes";
        return bytes == oldSaver && !fake.processes.empty() ? "the old saver was installed" : "";
    }
};

struct Handler {
    const char* name;
    void (Program::*arrange)();
    std::vector<const char*> controls;
    Rule rule;
    std::string (Program::*invariant)() = nullptr;
};

const Handler handlers[] = {
    {"StartUp", &Program::startUp, {}, Rule::StartUp},
    {"ApplyTheme", &Program::themeSelected, {"Command2"}, Rule::SkipMissing, &Program::logoWhole},
    {"ApplyWallpaper", &Program::themeSelected, {"Command1"}, Rule::Silent},
    {"ApplyColor", &Program::themeSelected, {"Command3"}, Rule::Silent},
    {"ApplyMixNMatch", &Program::themeSelected, {"Command4"}, Rule::Silent},
    {"SetScreenSaver", &Program::saverListed, {"Command6"}, Rule::Silent, &Program::saverWhole},
    {"EnterInMinutes", &Program::saverListed, {"Combo5"}, Rule::Silent},
    {"RestoreGraphics", &Program::picturesToRestore, {"Command14"}, Rule::SkipMissing, &Program::logoWhole},
    {"DisplayProperties",
     &Program::plainWindow,
     {"Command10", "Command11", "Command12", "Command13"},
     Rule::Silent},
    {"ThemeManager", &Program::plainWindow, {"Command15"}, Rule::Silent},
    {"LogOffOk", &Program::askedOnNt, {"Command5"}, Rule::Silent},
    {"RestartOk", &Program::askedOnNt, {"Command17"}, Rule::Silent},
    {"ShutDownOk", &Program::askedOnNt, {"Command16"}, Rule::Silent},
};

// Runs the handler on a fresh program; the operations it used.
Trail runOnce(Program& run, const Handler& h) {
    (run.*h.arrange)();
    const std::size_t start = run.fake.operationTrail().size();
    run.act(h.controls);
    return Trail(run.fake.operationTrail().begin() + std::ptrdiff_t(start), run.fake.operationTrail().end());
}

// The fake's log line of the nth use of an operation, arguments and all.
std::string logLine(const Program& run, const std::string& op, int nth) {
    for (const std::string& line : run.fake.log.lines)
        if (line.rfind(op + "(", 0) == 0 && --nth == 0)
            return line;
    return op;
}

Outcome expected(const Handler& h, const std::string& op, const std::string& line, int error) {
    if (!isFileService(op)) // without a short path there is nothing to install
        return op == "GetShortPathNameA" ? Outcome::Either : Outcome::GoesOn;
    if (h.rule == Rule::StartUp && line.find(".bmp\"") != std::string::npos)
        return Outcome::GoesOn; // the theme preview hides a picture it cannot read
    if (h.rule == Rule::Silent || error == rt::ErrFileNotFound)
        return h.rule == Rule::SkipMissing ? Outcome::GoesOn : Outcome::Either;
    return Outcome::Stops;
}

void PrintTo(const Handler& handler, std::ostream* out) {
    *out << handler.name;
}

class FaultSweep : public ::testing::TestWithParam<Handler> {};

TEST_P(FaultSweep, EveryFailingOperationKeepsToTheHandlersRule) {
    const Handler& h = GetParam();
    Program clean;
    const Trail used = runOnce(clean, h);
    for (const std::string& box : clean.prompts())
        ASSERT_EQ(std::string::npos, box.find("Run-time error")) << box;
    auto isBox = [](const auto& use) { return use.first == "MsgBox"; };
    const auto last = std::find_if_not(used.rbegin(), used.rend(), isBox);
    ASSERT_NE(used.rend(), last);

    int runs = 0;
    for (std::size_t k = 0; k < used.size(); ++k) {
        const auto& [op, nth] = used[k];
        if (isBox(used[k]))
            continue; // the user's answer, not something written to Windows
        for (int error : isFileService(op) ? std::vector<int>{53, 75} : std::vector<int>{5}) {
            ++runs;
            Program run;
            run.fake.failOn(op, nth, error);
            const Trail trail = runOnce(run, h);
            const std::string line = logLine(clean, op, nth);
            SCOPED_TRACE(std::string(h.name) + ": use " + std::to_string(k + 1) + ", " + line +
                         " failing with " + std::to_string(error));
            const std::vector<std::string> boxes = run.prompts();
            for (const std::string& box : boxes)
                EXPECT_EQ(std::string::npos, box.find("Run-time error")) << box;

            const auto failed = std::find(trail.begin(), trail.end(), used[k]);
            ASSERT_NE(trail.end(), failed) << "the failing operation never came";
            const Outcome outcome = expected(h, op, line, error);
            const std::string numberedBox = std::to_string(error) + rt::Error(error).description();
            if (h.rule == Rule::StartUp && outcome == Outcome::Stops) { // its number and description
                EXPECT_EQ(std::vector<std::string>{numberedBox}, boxes);
            } else if (h.rule == Rule::SkipMissing) {
                EXPECT_EQ(std::vector<std::string>{}, boxes);
            } else if (h.rule == Rule::StartUp) { // a skipped step shows nothing of its own
                EXPECT_EQ(boxes.end(), std::find(boxes.begin(), boxes.end(), numberedBox));
            }
            if (outcome == Outcome::Stops) {
                EXPECT_TRUE(std::all_of(failed + 1, trail.end(), isBox)) << "went on past the failure";
            }
            // A failure in the handler's last write has nothing left to go on to; a
            // failure start-up reports ends it where the rule says.
            const bool lastOfItsKind = std::none_of(used.begin() + std::ptrdiff_t(k) + 1, used.end(),
                                                    [&](const auto& later) { return later.first == op; });
            if (outcome == Outcome::GoesOn && !lastOfItsKind &&
                !(h.rule == Rule::StartUp && !boxes.empty())) {
                EXPECT_TRUE(std::any_of(failed + 1, trail.end(),
                                        [&](const auto& u) { return u.first == last->first; }))
                    << "stopped at the failure; the clean run ended with " << last->first;
            }
            if (h.invariant) {
                EXPECT_EQ("", (run.*h.invariant)());
            }
        }
    }
    std::printf("[ sweep    ] %s: %zu operations, %d faulted runs\n", h.name, used.size(), runs);
}

INSTANTIATE_TEST_SUITE_P(EachHandlerThatWritesToWindows, FaultSweep, ::testing::ValuesIn(handlers),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
