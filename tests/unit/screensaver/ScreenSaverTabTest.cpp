// The Screen Saver tab on the fake Windows: extracting a saver from "samples"
// and installing it ("Set Screen Saver", Enter in the saver list), installing
// the listed file with the wait time (Enter in the minutes box), and what must
// install nothing.
#include "support/Bytes.h"
#include "support/ProgramFixture.h"
#include "support/TestFacts.h"
#include "platform/InputFacts.h"

#include <algorithm>

namespace {

// The main window over a fresh fake Windows with three savers listed.
struct World : unit_test::Program {
    const std::vector<std::string> programs{std::string(5000, 'a'), std::string(300, 'b'),
                                            std::string(1000, 'c')};

    explicit World(const std::string& version = "98", const std::string& programFolder = "") {
        if (!programFolder.empty())
            module.programFolder = programFolder;
        module.windowsVersion = version;
        fake.makeFolder("C:\\WINNT");
        fake.makeFile(module.programFolder + "\\samples", bytes::resourceFile(programs));
        prepare();
        for (int i = 0; i < 3; ++i) {
            form->Combo4->addItem("Orlo " + std::to_string(i));
            form->Combo4->setItemData(i, 10 + i);
            module.screenSaverList(10 + i) = "Orlo " + std::to_string(i) + ".scr";
            fake.makeFile(module.programFolder + "\\" + module.screenSaverList(10 + i), "listed");
        }
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveTimeOut", "120");
        fake.setSpiValue(win::SPI_GETSCREENSAVETIMEOUT, 120);
        fake.clearLogs();
    }

    void choose(int index) { headless::as<headless::ComboBox>(*form->Combo4).userSelect(index); }
    void clickSet() { click(form->Command6); }
    std::string extracted() const { return module.programFolder + "\\\xFF.SCR"; }
    std::string shortPath(const std::string& path) {
        char buffer[260] = {};
        return std::string(buffer, fake.GetShortPathNameA(path.c_str(), buffer, sizeof buffer));
    }
    std::string bootSaver(const std::string& ini = "c:\\windows\\system.ini") {
        const std::string text = fake.exists(ini) ? fake.fileBytes(ini) : "", key = "SCRNSAVE.EXE=";
        const std::size_t at = text.find(key);
        return at == std::string::npos ? ""
                                       : text.substr(at + key.size(), text.find('\r', at) - at - key.size());
    }
    std::string waitTime() {
        return fake.getString(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "ScreenSaveTimeOut")
            .value_or("");
    }
    // Display Properties started on the Screen Saver page, minimised with the focus.
    std::size_t installs() const {
        std::size_t n = 0;
        for (const auto& p : fake.processes)
            n += p.commandLine == "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1" && p.showMode == 2;
        return n;
    }
};

TEST(ScreenSaverTab, ExtractingEntryTwoAfterEntryZeroLeavesExactlyEntryTwo) {
    World w;
    w.choose(0);
    w.form->Combo5->setText("15");
    for (int key : facts::keysOtherThanEnter) {
        w.press(w.form->Combo4, key);
        w.press(w.form->Combo5, key);
    }
    EXPECT_FALSE(w.fake.exists(w.extracted()));
    EXPECT_TRUE(w.fake.settings.spi.calls.empty());
    w.clickSet();
    ASSERT_EQ(w.fake.fileBytes(w.extracted()), w.programs[0]);
    w.choose(2);
    w.press(w.form->Combo4, win::VK_RETURN);

    EXPECT_EQ(w.fake.fileBytes(w.extracted()), w.programs[2]);
    EXPECT_EQ(w.installs(), 2u);
    EXPECT_EQ(w.bootSaver(), w.shortPath(w.extracted()));
    ASSERT_FALSE(w.fake.settings.spi.calls.empty());
    const fake::SpiCall& on = w.fake.settings.spi.calls.back(); // switched on, neither stored nor broadcast
    EXPECT_EQ(std::vector<std::uintptr_t>({on.action, on.uiParam, on.pvValue, on.fWinIni}),
              std::vector<std::uintptr_t>({win::SPI_SETSCREENSAVEACTIVE, 1, 0, 0}));
    EXPECT_EQ(w.windows->screen().mousePointerHistory(),
              std::vector<int>({ui::vbHourglass, ui::vbDefault, ui::vbHourglass, ui::vbDefault}));
    EXPECT_TRUE(w.fake.messageBoxes.empty());
    EXPECT_EQ(w.waitTime(), "120") << "the button never touches the wait time";
}

// Each: one message, the old saver file as it was, nothing installed (a file that
// cannot be read is held by the fault sweep).
TEST(ScreenSaverTab, ADamagedResourceFileInstallsNothing) {
    const std::pair<std::size_t, std::uint32_t> patches[] = {
        {0, 0},           // wrong signature
        {4, 0xFFFFFFFF},  // negative entry count
        {4, 20000},       // more entries than the file holds
        {32, 0x80000000}, // negative start
        {36, 0xFFFFFFF0}, // negative length
        {36, 1001},       // data past the end
        {32, 7000},       // start past the end
    };
    for (const auto& [offset, value] : patches) {
        SCOPED_TRACE(offset);
        World w;
        std::string file = bytes::resourceFile(w.programs);
        w.fake.makeFile(w.module.programFolder + "\\samples", file.replace(offset, 4, bytes::le(value)));
        w.fake.makeFile(w.extracted(), "old saver");
        w.choose(2);
        w.clickSet();

        EXPECT_EQ(w.fake.fileBytes(w.extracted()), "old saver");
        ASSERT_EQ(w.fake.messageBoxes.size(), 1u);
        EXPECT_EQ(w.fake.messageBoxes[0].prompt, "File is not a Vaild External Resource File!");
        EXPECT_EQ(w.fake.messageBoxes[0].title, "Decorama");
        EXPECT_EQ(w.installs(), 0u);
    }
}

TEST(ScreenSaverTab, NothingIsInstalledWithoutAnEntryOrAShortPathThatFits) {
    World outside; // two entries in the file, the third item chosen
    outside.fake.makeFile(outside.module.programFolder + "\\samples",
                          bytes::resourceFile({outside.programs[0], outside.programs[1]}));
    outside.choose(2);
    outside.clickSet();
    EXPECT_FALSE(outside.fake.exists(outside.extracted()));

    // A short path of more than 66 characters, by either way of installing.
    World deep("98", "C:\\AAAAAAAA\\BBBBBBBB\\CCCCCCCC\\DDDDDDDD\\EEEEEEEE\\FFFFFFFF\\GGGGGGGG");
    deep.choose(0);
    deep.clickSet();
    deep.form->Combo5->setText("5");
    deep.press(deep.form->Combo5, win::VK_RETURN);
    EXPECT_EQ(deep.fake.fileBytes(deep.extracted()), deep.programs[0]);

    World missingListed; // Enter in the minutes box with the listed file gone
    missingListed.fake.remove(missingListed.module.programFolder + "\\Orlo 1.scr");
    missingListed.choose(1);
    missingListed.press(missingListed.form->Combo5, win::VK_RETURN);

    for (World* w : {&outside, &deep, &missingListed}) {
        EXPECT_EQ(w->installs(), 0u);
        EXPECT_EQ(w->bootSaver(), "");
        EXPECT_EQ(w->waitTime(), "120");
        EXPECT_TRUE(w->fake.messageBoxes.empty());
        EXPECT_EQ(w->windows->screen().mousePointer(), ui::vbDefault) << "an install that stops early";
    }
}

// The wait in whole seconds, stored for the next log-on and made the live one
// (saved and broadcast) before Display Properties opens to show it; a wait of
// no whole second, or none at all, leaves both as they were (120).
TEST(ScreenSaverTab, EnterInTheMinutesBoxInstallsTheListedFileAndSetsTheWait) {
    const std::pair<const char*, int> cases[] = {
        {"10", 600}, {"1.5", 90},    {"1.33", 80}, {"59", 3540},  {"60", 3600},
        {"0", 120},  {"0.001", 120}, {"-5", 120},  {"soon", 120},
    };
    for (const auto& [typed, seconds] : cases) {
        SCOPED_TRACE(typed);
        World w;
        w.choose(1);
        w.form->Combo5->setText(typed);
        w.press(w.form->Combo5, win::VK_RETURN);
        EXPECT_EQ(w.waitTime(), std::to_string(seconds));
        EXPECT_EQ(w.fake.settings.spi.value(win::SPI_GETSCREENSAVETIMEOUT), seconds);
        const std::vector<std::string>& calls = w.fake.log.lines;
        const auto live = std::find(calls.begin(), calls.end(),
                                    "SystemParametersInfoA(15, " + std::to_string(seconds) + ", NULL, 3)");
        const auto shown = std::find_if(calls.begin(), calls.end(),
                                        [](const std::string& call) { return call.rfind("Shell(", 0) == 0; });
        EXPECT_EQ(live < shown, seconds != 120);
        EXPECT_EQ(w.bootSaver(), w.shortPath(w.module.programFolder + "\\Orlo 1.scr"));
        EXPECT_EQ(w.installs(), 1u);
        EXPECT_FALSE(w.fake.exists(w.extracted()));
    }
}

} // namespace
