// The Screen Saver tab on the fake Windows: extracting a saver from "samples"
// and installing it ("Set Screen Saver", Enter in the saver list), installing
// the listed file with the wait time (Enter in the minutes box), and the
// damaged resource files that must install nothing.
#include "app/common/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "screensaver/ScreenSaverInstall.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const desktopKey = "Control Panel\\Desktop";
const char* const displayProperties = "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1";

void put32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A resource file of the given programs, laid out one after another.
std::string resourceFile(const std::vector<std::string>& programs) {
    std::string out;
    put32(out, 0x635245B5);
    put32(out, static_cast<std::uint32_t>(programs.size()));
    std::uint32_t start = 8 + 12 * static_cast<std::uint32_t>(programs.size());
    for (const std::string& p : programs) {
        put32(out, start);
        put32(out, static_cast<std::uint32_t>(p.size()));
        put32(out, 0);
        start += static_cast<std::uint32_t>(p.size());
    }
    for (const std::string& p : programs)
        out += p;
    return out;
}

void patch32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    std::string le;
    put32(le, value);
    bytes.replace(offset, 4, le);
}

// The main window over a fresh fake Windows with three savers listed.
struct World {
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    headless::HeadlessWindowSystem windows{fake, fake};
    app::Module1 module;
    std::unique_ptr<app::frmMain> form;
    const std::vector<std::string> programs{std::string(5000, 'a'), std::string(300, 'b'),
                                            std::string(1000, 'c')};

    explicit World(const std::string& version = "98") {
        module.programFolder = fake.appPath();
        module.windowsVersion = version;
        fake.makeFolder("C:\\WINNT");
        fake.makeFile(module.programFolder + "\\samples", resourceFile(programs));
        const char* names[] = {"Orlo One", "Orlo Two", "Orlo Three"};
        form = std::make_unique<app::frmMain>(platform, windows, module);
        for (int i = 0; i < 3; ++i) {
            form->Combo4->addItem(names[i]);
            form->Combo4->setItemData(i, 10 + i);
            module.screenSaverList(10 + i) = std::string(names[i]) + ".scr";
            fake.makeFile(module.programFolder + "\\" + names[i] + ".scr", "listed");
        }
        fake.setString(win::HKEY_CURRENT_USER, desktopKey, "ScreenSaveTimeOut", "120");
        fake.clearLogs();
    }

    headless::ComboBox& savers() { return headless::as<headless::ComboBox>(*form->Combo4); }
    headless::ComboBox& minutes() { return headless::as<headless::ComboBox>(*form->Combo5); }
    void clickSet() { headless::as<headless::Button>(*form->Command6).userClick(); }
    std::string extracted() const { return module.programFolder + "\\\xFF.SCR"; }

    std::string shortPath(const std::string& path) {
        char buffer[260] = {};
        return std::string(buffer, fake.GetShortPathNameA(path.c_str(), buffer, sizeof buffer));
    }
    std::string bootSaver(const std::string& ini = "c:\\windows\\system.ini") {
        const std::string text = fake.exists(ini) ? fake.fileBytes(ini) : std::string();
        const std::string key = "SCRNSAVE.EXE=";
        const std::size_t at = text.find(key);
        return at == std::string::npos ? ""
                                       : text.substr(at + key.size(), text.find('\r', at) - at - key.size());
    }
    std::string waitTime() {
        return fake.getString(win::HKEY_CURRENT_USER, desktopKey, "ScreenSaveTimeOut").value_or("none");
    }
    // What an install leaves in Windows besides the files: switch, profile, command.
    std::size_t installs() const {
        std::size_t n = 0;
        for (const auto& p : fake.processes())
            n += p.commandLine == displayProperties && p.showMode == 2;
        return n;
    }
};

TEST(ScreenSaverTab, ExtractingEntryTwoAfterEntryZeroLeavesExactlyEntryTwo) {
    World w;
    w.savers().userSelect(0);
    w.clickSet();
    ASSERT_EQ(w.fake.fileBytes(w.extracted()), w.programs[0]);
    w.savers().userSelect(2);
    w.savers().setFocus();
    w.savers().userPressKey(13);

    EXPECT_EQ(w.fake.fileBytes(w.extracted()), w.programs[2]);
    EXPECT_EQ(w.installs(), 2u);
    EXPECT_EQ(w.bootSaver(), w.shortPath(w.extracted()));
    ASSERT_FALSE(w.fake.spiCalls().empty());
    const fake::SpiCall& on = w.fake.spiCalls().back();
    EXPECT_EQ(std::vector<unsigned>({on.action, on.uiParam, unsigned(on.pvValue), on.fWinIni}),
              std::vector<unsigned>({17, 1, 0, 0}));
    EXPECT_EQ(w.windows.screen().mousePointerHistory(), std::vector<int>({11, 0, 11, 0}));
    EXPECT_TRUE(w.fake.messageBoxes().empty());
    EXPECT_EQ(w.waitTime(), "120") << "the button never touches the wait time";
}

// Each damaged file: one message, the old saver file as it was, nothing installed.
TEST(ScreenSaverTab, ADamagedOrMissingResourceFileInstallsNothing) {
    struct Case {
        const char* what;
        std::size_t offset; // 0: the whole file is replaced by `bytes`
        std::uint32_t value;
    };
    const Case cases[] = {
        {"wrong signature", 0, 0},
        {"negative entry count", 4, 0xFFFFFFFF},
        {"count beyond the file", 4, 20000},
        {"negative start", 8 + 24, 0x80000000},
        {"negative length", 12 + 24, 0xFFFFFFF0},
        {"data past the end", 12 + 24, 1001},
        {"start past the end", 8 + 24, 7000},
        {"missing file", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        World w;
        std::string bytes = resourceFile(w.programs);
        if (c.offset == 0)
            bytes[0] = 'M';
        else if (c.offset > 1)
            patch32(bytes, c.offset, c.value);
        if (c.offset == 1)
            w.fake.remove(w.module.programFolder + "\\samples");
        else
            w.fake.makeFile(w.module.programFolder + "\\samples", bytes);
        w.fake.makeFile(w.extracted(), "old saver");
        w.savers().userSelect(2);
        w.clickSet();

        EXPECT_EQ(w.fake.fileBytes(w.extracted()), "old saver");
        ASSERT_EQ(w.fake.messageBoxes().size(), 1u);
        EXPECT_EQ(w.fake.messageBoxes()[0].prompt, "File is not a Vaild External Resource File!");
        EXPECT_EQ(w.fake.messageBoxes()[0].title, "Decorama");
        EXPECT_EQ(w.installs(), 0u);
        EXPECT_EQ(w.bootSaver(), "");
    }
}

TEST(ScreenSaverTab, NothingIsInstalledWithoutAnEntryOrAFileToInstall) {
    World outside; // two entries in the file, the third item chosen
    outside.fake.makeFile(outside.module.programFolder + "\\samples",
                          resourceFile({outside.programs[0], outside.programs[1]}));
    outside.savers().userSelect(2);
    outside.clickSet();
    EXPECT_FALSE(outside.fake.exists(outside.extracted()));

    World failedWrite; // the disk fills up half way: the old saver stays
    failedWrite.fake.makeFile(failedWrite.extracted(), "old saver");
    failedWrite.fake.failOn("writeFile", 1, 61);
    failedWrite.savers().userSelect(1);
    failedWrite.clickSet();
    EXPECT_EQ(failedWrite.fake.fileBytes(failedWrite.extracted()), "old saver");

    World deep; // a short path that does not fit in 66 characters
    deep.module.programFolder = "C:\\AAAAAAAA\\BBBBBBBB\\CCCCCCCC\\DDDDDDDD\\EEEEEEEE\\FFFFFFFF\\GGGGGGGG";
    deep.fake.makeFile(deep.module.programFolder + "\\samples", resourceFile(deep.programs));
    deep.fake.makeFile(deep.module.programFolder + "\\Orlo One.scr", "listed");
    deep.savers().userSelect(0);
    deep.clickSet();
    deep.minutes().setText("5");
    deep.minutes().setFocus();
    deep.minutes().userPressKey(13);
    EXPECT_EQ(deep.fake.fileBytes(deep.extracted()), deep.programs[0]);
    EXPECT_EQ(deep.waitTime(), "120");

    World missingListed; // Enter in the minutes box with the listed file gone
    missingListed.fake.remove(missingListed.module.programFolder + "\\Orlo Two.scr");
    missingListed.savers().userSelect(1);
    missingListed.minutes().setFocus();
    missingListed.minutes().userPressKey(13);
    EXPECT_EQ(missingListed.waitTime(), "120");

    for (World* w : {&outside, &failedWrite, &deep, &missingListed}) {
        EXPECT_EQ(w->installs(), 0u);
        EXPECT_EQ(w->bootSaver(), "");
        EXPECT_TRUE(w->fake.messageBoxes().empty());
    }
}

TEST(ScreenSaverTab, TheVersionTagChoosesTheProfileFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"NT", "C:\\WINNT\\system.ini"},   {"2000", "C:\\WINNT\\system.ini"},
        {"95", "c:\\windows\\system.ini"}, {"98", "c:\\windows\\system.ini"},
        {"ME", "c:\\windows\\system.ini"}, {"", "c:\\windows\\system.ini"},
    };
    for (const auto& [tag, ini] : cases) {
        SCOPED_TRACE(tag);
        World w(tag);
        w.savers().userSelect(1);
        w.clickSet();
        EXPECT_EQ(w.bootSaver(ini), w.shortPath(w.extracted()));
        EXPECT_EQ(w.installs(), 1u);
    }
}

TEST(ScreenSaverTab, EnterInTheMinutesBoxInstallsTheListedFileAndStoresTheWait) {
    const std::pair<const char*, const char*> cases[] = {
        {"10", "600"}, {"1.5", "90"}, {"59", "3540"},  {"60", "3600"},
        {"0", "120"},  {"-5", "120"}, {"soon", "120"},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        World w;
        w.savers().userSelect(1);
        w.minutes().setText(typed);
        w.minutes().setFocus();
        w.minutes().userPressKey(13);
        EXPECT_EQ(w.waitTime(), stored);
        EXPECT_EQ(w.bootSaver(), w.shortPath(w.module.programFolder + "\\Orlo Two.scr"));
        EXPECT_EQ(w.installs(), 1u);
        EXPECT_FALSE(w.fake.exists(w.extracted()))
            << "the minutes box installs the listed file, not an extraction";
    }
}

TEST(ScreenSaverTab, KeysOtherThanEnterDoNothing) {
    World w;
    w.savers().userSelect(0);
    w.minutes().setText("15");
    w.fake.clearLogs();
    for (int key : {9, 27, 32, 40, 65}) {
        w.savers().setFocus();
        w.savers().userPressKey(key);
        w.minutes().setFocus();
        w.minutes().userPressKey(key);
    }
    EXPECT_FALSE(w.fake.exists(w.extracted()));
    EXPECT_EQ(w.installs(), 0u);
    EXPECT_EQ(w.waitTime(), "120");
    EXPECT_TRUE(w.fake.spiCalls().empty());
}

TEST(ScreenSaverTab, ChoosingASaverShowsItsPicture) {
    World w;
    w.fake.makeFile(w.module.programFolder + "\\Orlo Three.jpg", "not a picture");
    w.savers().userSelect(2);
    EXPECT_EQ(headless::as<headless::PictureBox>(*w.form->Image6).picturePath(), "")
        << "an unreadable picture leaves the preview empty";
}

} // namespace
