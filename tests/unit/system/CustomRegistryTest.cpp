// String values by full key path, beyond what the contract suite holds on both
// backends: the root names, keys never left open and the silence over an
// unknown root.
#include "system/CustomRegistry.h"

#include "platform/Platform.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using win::HKEY_CURRENT_USER;

const char* const Desktop = "Control Panel\\Desktop";
const char* const DesktopPath = "HKEY_CURRENT_USER\\Control Panel\\Desktop";

int registryCalls(const fake::FakeWindows& windows) {
    int count = 0;
    for (const std::string& line : windows.log.lines)
        count += line.rfind("Reg", 0) == 0;
    return count;
}

class CustomRegistryTest : public ::testing::Test {
protected:
    fake::FakeWindows windows;
    sys::CustomRegistry registry{windows, windows, "Decorama"};
};

TEST_F(CustomRegistryTest, GetRootKeyKnowsTheSevenRootsExactly) {
    const struct {
        const char* name;
        win::HKEY key;
    } roots[] = {{"HKEY_CLASSES_ROOT", win::HKEY_CLASSES_ROOT},
                 {"HKEY_CURRENT_USER", win::HKEY_CURRENT_USER},
                 {"HKEY_LOCAL_MACHINE", win::HKEY_LOCAL_MACHINE},
                 {"HKEY_USERS", win::HKEY_USERS},
                 {"HKEY_PERFORMANCE_DATA", win::HKEY_PERFORMANCE_DATA},
                 {"HKEY_CURRENT_CONFIG", win::HKEY_CURRENT_CONFIG},
                 {"HKEY_DYN_DATA", win::HKEY_DYN_DATA},
                 {"HKEY_Current_User", 0},
                 {"HKEY_CURRENT_USER ", 0},
                 {"", 0}};
    for (const auto& root : roots)
        EXPECT_EQ(sys::CustomRegistry::GetRootKey(root.name), root.key) << root.name;
}

// Whatever becomes of a read or a write, no key stays open.
TEST_F(CustomRegistryTest, NoKeyIsLeftOpen) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "x.bmp");
    windows.setString(HKEY_CURRENT_USER, Desktop, "TooLong", std::string(255, 'b'));
    EXPECT_EQ(registry.GetRegValue(DesktopPath, "Wallpaper"), "x.bmp");
    EXPECT_EQ(registry.GetRegValue(DesktopPath, "TooLong"), "Error");
    EXPECT_EQ(registry.GetRegValue(DesktopPath, "NoSuchValue"), "Error");
    windows.failOnNext("RegQueryValueExA", win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.GetRegValue(DesktopPath, "Wallpaper"), "Error");
    registry.SetRegValue(DesktopPath, "Wallpaper", "y.bmp");
    EXPECT_EQ(windows.registry.openHandleCount(), 0u);
}

TEST_F(CustomRegistryTest, UnknownRootIsSilentAndTouchesNoKey) {
    windows.clearLogs();
    EXPECT_EQ(registry.GetRegValue("HKEY_CURENT_USER\\Control Panel\\Desktop", "Wallpaper"), "");
    registry.SetRegValue("HKEY_CURENT_USER\\Control Panel\\Desktop", "Wallpaper", "x.bmp");
    EXPECT_TRUE(windows.messageBoxes.empty());
    EXPECT_EQ(registryCalls(windows), 0);
}

} // namespace
