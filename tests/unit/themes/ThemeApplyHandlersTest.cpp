// The two ways of applying a theme from the main window: "Apply Theme" and
// Enter in the theme list.
#include "platform/InputFacts.h"
#include "platform/WinFacts.h"
#include "support/ProgramFixture.h"
#include "support/TestFacts.h"

#include <string>
#include <vector>

namespace {

class ThemeApplyHandlersTest : public unit_test::ProgramFixture {
protected:
    void SetUp() override {
        themeSelected();
        fake.clearLogs();
    }

    // Everything an apply asked of Windows, in order.
    std::vector<std::string> writes() const {
        std::vector<std::string> all;
        for (const auto& w : fake.registry.writes)
            all.push_back(w.keyPath + "|" + w.valueName + "|" + w.data);
        for (const auto& call : fake.settings.colors.calls)
            all.push_back("SetSysColors " + std::to_string(call.size()));
        for (const auto& call : fake.settings.cursors.calls)
            all.push_back("SetSystemCursor " + std::to_string(call.id));
        all.push_back("wallpaper " + fake.deskWallpaper());
        all.push_back("logo " + fake.fileBytes("c:\\logo.sys"));
        all.push_back("web " + fake.fileBytes("c:\\WINDOWS\\web\\wvlogo.gif"));
        return all;
    }
};

TEST_F(ThemeApplyHandlersTest, EnterInTheThemeListAndTheButtonWriteTheSame) {
    click(form->Command2);
    const std::vector<std::string> byButton = writes();
    EXPECT_GT(fake.registry.writes.size(), 40u);
    // Both leave the focus on the theme list.
    EXPECT_EQ(windows->focusedControl(), form->Combo1);

    fake.remove("c:\\logo.sys");
    fake.remove("c:\\WINDOWS\\web\\wvlogo.gif");
    char none[] = "";
    fake.SystemParametersInfoA(win::SPI_SETDESKWALLPAPER, 0, none, 0);
    fake.clearLogs();
    press(form->Combo1, win::VK_RETURN);
    EXPECT_EQ(writes(), byButton);
}

TEST_F(ThemeApplyHandlersTest, OtherKeysInTheThemeListWriteNothing) {
    for (int key : facts::keysOtherThanEnter)
        press(form->Combo1, key);
    EXPECT_TRUE(fake.registry.writes.empty());
    EXPECT_TRUE(fake.settings.colors.calls.empty());
    EXPECT_FALSE(fake.exists("c:\\logo.sys"));
}

} // namespace
