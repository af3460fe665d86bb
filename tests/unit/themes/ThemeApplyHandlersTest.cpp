// The two ways of applying a theme from the main window: "Apply Theme" and
// Enter in the theme list.
#include "app/common/Module1.h"
#include "app/frmMain.h"
#include "platform/Platform.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A main window over a fresh fake Windows with one theme selected.
struct World {
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    headless::HeadlessWindowSystem windows{fake, fake};
    app::Module1 module;
    std::unique_ptr<app::frmMain> form;

    World() {
        const std::string folder = fake.appPath();
        module.programFolder = folder;
        module.windowsVersion = "98";
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "255 255 255");
        fake.makeFolder("c:\\WINDOWS\\web");
        for (const char* name :
             {"logo.sys", "logos.sys", "logow.sys", "wvleft.bmp", "wvline.gif", "wvlogo.gif"})
            fake.makeFile(folder + "\\" + name, name);
        for (int slot = 0; slot <= 14; ++slot)
            module.themeCursors(2, slot) = "c" + std::to_string(slot) + ".cur";
        for (int slot = 0; slot <= 5; ++slot)
            module.themeIcons(2, slot) = "i" + std::to_string(slot) + ".ico";
        for (int i = 0; i <= 28; ++i)
            for (int c = 1; c <= 3; ++c)
                module.themeColors(2, i, c) = std::to_string(i * c);
        module.themeShortAudio(2) = "x";
        module.themeList(0) = "Harbour 800x600,x,harbour.jpg,harbour.bmp,2";

        form = std::make_unique<app::frmMain>(platform, windows, module);
        form->Combo1->addItem("Harbour 800x600");
        form->Combo1->setListIndex(0);
        // What the preview of that theme records.
        module.activeSchemeRow = "2";
        form->selectedWallpaper = folder + "\\harbour.bmp";
        fake.clearLogs();
    }

    headless::ComboBox& themeList() { return headless::as<headless::ComboBox>(*form->Combo1); }

    // Everything the apply asked of Windows, in order.
    std::vector<std::string> writes() const {
        std::vector<std::string> all;
        for (const auto& w : fake.registryWrites())
            all.push_back(w.keyPath + "|" + w.valueName + "|" + w.data);
        for (const auto& call : fake.setSysColorsCalls())
            all.push_back("SetSysColors " + std::to_string(call.size()));
        for (const auto& call : fake.setSystemCursorCalls())
            all.push_back("SetSystemCursor " + std::to_string(call.id));
        all.push_back("wallpaper " + fake.deskWallpaper());
        all.push_back("logo " + fake.fileBytes("c:\\logo.sys"));
        all.push_back("web " + fake.fileBytes("c:\\WINDOWS\\web\\wvlogo.gif"));
        return all;
    }
};

TEST(ThemeApplyHandlers, EnterInTheThemeListAndTheButtonWriteTheSame) {
    World byButton;
    headless::as<headless::Button>(*byButton.form->Command2).userClick();

    World byEnter;
    byEnter.themeList().setFocus();
    byEnter.themeList().userPressKey(13);

    EXPECT_GT(byButton.fake.registryWrites().size(), 40u);
    EXPECT_EQ(byEnter.writes(), byButton.writes());
    // Both leave the focus on the theme list.
    EXPECT_EQ(byButton.windows.focusedControl(), byButton.form->Combo1);
}

TEST(ThemeApplyHandlers, OtherKeysInTheThemeListWriteNothing) {
    World world;
    world.themeList().setFocus();
    for (int key : {9, 27, 32, 40, 65})
        world.themeList().userPressKey(key);
    EXPECT_TRUE(world.fake.registryWrites().empty());
    EXPECT_TRUE(world.fake.setSysColorsCalls().empty());
    EXPECT_FALSE(world.fake.exists("c:\\logo.sys"));
}

} // namespace
