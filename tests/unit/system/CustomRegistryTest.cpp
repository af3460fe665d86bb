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
    for (const auto& [key, name] : win::rootKeys)
        EXPECT_EQ(sys::CustomRegistry::GetRootKey(name), key) << name;
    for (const char* other : {"HKEY_Current_User", "HKEY_CURRENT_USER ", "HKEY_CURRENT", ""})
        EXPECT_EQ(sys::CustomRegistry::GetRootKey(other), 0u) << other;
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_CURRENT_USER"), HKEY_CURRENT_USER);
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
