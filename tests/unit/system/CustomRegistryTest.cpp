// String values by full key path: the read's trimming and buffer limits, the
// malformed-path message, unknown roots, and writes into missing keys.
#include "system/CustomRegistry.h"
#include "system/clsRegistry.h"

#include "platform/Platform.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using win::HKEY_CURRENT_USER;

const char* const Desktop = "Control Panel\\Desktop";

class CustomRegistryTest : public ::testing::Test {
protected:
    // Registry operations in the call log since the last clearLogs.
    int registryCalls() const {
        int count = 0;
        for (const std::string& line : windows.callLog())
            if (line.rfind("Reg", 0) == 0)
                ++count;
        return count;
    }

    fake::FakeWindows windows;
    sys::CustomRegistry registry{windows, windows, "Decorama"};
};

TEST_F(CustomRegistryTest, GetRootKeyKnowsTheSevenRootsExactly) {
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_CLASSES_ROOT"), win::HKEY_CLASSES_ROOT);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_CURRENT_USER"), win::HKEY_CURRENT_USER);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_LOCAL_MACHINE"), win::HKEY_LOCAL_MACHINE);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_USERS"), win::HKEY_USERS);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_PERFORMANCE_DATA"), win::HKEY_PERFORMANCE_DATA);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_CURRENT_CONFIG"), win::HKEY_CURRENT_CONFIG);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_DYN_DATA"), win::HKEY_DYN_DATA);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_Current_User"), 0u);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey("HKEY_CURRENT_USER "), 0u);
    EXPECT_EQ(sys::CustomRegistry::GetRootKey(""), 0u);
}

TEST_F(CustomRegistryTest, ParseKeyPathSplitsRootAndSubKey) {
    std::string path = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Shared Tools";
    EXPECT_EQ(registry.ParseKeyPath(path), win::HKEY_LOCAL_MACHINE);
    EXPECT_EQ(path, "Software\\Microsoft\\Shared Tools");

    std::string rootOnly = "HKEY_USERS";
    EXPECT_EQ(registry.ParseKeyPath(rootOnly), win::HKEY_USERS);
    EXPECT_EQ(rootOnly, "");

    std::string unknown = "HKEY_CURENT_USER\\Control Panel";
    EXPECT_EQ(registry.ParseKeyPath(unknown), 0u);
    EXPECT_TRUE(windows.messageBoxes().empty());
}

TEST_F(CustomRegistryTest, ReadsTheStoredTextWithoutItsNul) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "C:\\WINDOWS\\Clouds.bmp");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper"),
              "C:\\WINDOWS\\Clouds.bmp");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(CustomRegistryTest, ReadsWithKeyReadIntoTheBufferAndWritesWithKeyWrite) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "x.bmp");
    windows.clearLogs();

    registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper");
    registry.SetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper", "abcd");

    const std::vector<std::string>& log = windows.callLog();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0], "RegOpenKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Desktop\", 0, 131097)");
    EXPECT_TRUE(endsWith(log[1], ", \"Wallpaper\", 255)")) << log[1];
    EXPECT_EQ(log[2].rfind("RegCloseKey(", 0), 0u) << log[2];
    EXPECT_EQ(log[3], "RegOpenKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Desktop\", 0, 131078)");
    // REG_SZ, four characters and the NUL.
    EXPECT_TRUE(endsWith(log[4], ", \"Wallpaper\", 0, 1, 5)")) << log[4];
    EXPECT_EQ(log[5].rfind("RegCloseKey(", 0), 0u) << log[5];
}

TEST_F(CustomRegistryTest, LosesLeadingSpacesAndKeepsTrailingOnes) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Spaced", " padded ");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Spaced"), "padded ");
}

TEST_F(CustomRegistryTest, ReadsAnEmptyStringAsTheEmptyText) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Empty", "");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Empty"), "");
}

TEST_F(CustomRegistryTest, ReadsAValueOfZeroBytesAsTheEmptyText) {
    // A string stored without even its NUL fills none of the buffer.
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "x.bmp");
    win::HKEY key = 0;
    ASSERT_EQ(windows.RegOpenKeyExA(HKEY_CURRENT_USER, Desktop, 0, win::KEY_WRITE, &key), 0);
    ASSERT_EQ(windows.RegSetValueExA(key, "Bare", 0, win::REG_SZ, nullptr, 0), 0);
    windows.RegCloseKey(key);

    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Bare"), "");
}

TEST_F(CustomRegistryTest, Reads254CharactersButNot255) {
    const std::string fits(254, 'a');
    const std::string tooLong(255, 'b');
    windows.setString(HKEY_CURRENT_USER, Desktop, "Fits", fits);
    windows.setString(HKEY_CURRENT_USER, Desktop, "TooLong", tooLong);

    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Fits"), fits);
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "TooLong"), "Error");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(CustomRegistryTest, MissingKeyOrValueReadsAsError) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "x.bmp");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "NoSuchValue"), "Error");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\NoSuchKey", "Wallpaper"), "Error");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(CustomRegistryTest, FailedQueryClosesTheKeyAndReadsAsError) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "x.bmp");
    windows.failOn("RegQueryValueExA", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper"), "Error");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(CustomRegistryTest, TheRootAloneAddressesTheRootKey) {
    windows.setString(HKEY_CURRENT_USER, "", "", "root default");
    EXPECT_EQ(registry.GetRegValue("HKEY_CURRENT_USER", ""), "root default");

    registry.SetRegValue("HKEY_CURRENT_USER", "AtRoot", "written");
    EXPECT_EQ(windows.getString(HKEY_CURRENT_USER, "", "AtRoot"), "written");
}

// Each malformed path shows exactly one message and touches no key, for the read
// and for the write.
class MalformedPath : public CustomRegistryTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(MalformedPath, ShowsOneMessageAndTouchesNoKey) {
    const std::string path = GetParam();
    windows.clearLogs();

    EXPECT_EQ(registry.GetRegValue(path, "Wallpaper"), "");
    ASSERT_EQ(windows.messageBoxes().size(), 1u);
    EXPECT_EQ(windows.messageBoxes()[0].prompt, "Incorrect Format:\n\n" + path);
    EXPECT_EQ(windows.messageBoxes()[0].style, rt::vbOKOnly);
    EXPECT_EQ(windows.messageBoxes()[0].title, "Decorama");

    registry.SetRegValue(path, "Wallpaper", "x.bmp");
    ASSERT_EQ(windows.messageBoxes().size(), 2u);
    EXPECT_EQ(windows.messageBoxes()[1].prompt, "Incorrect Format:\n\n" + path);

    EXPECT_EQ(registryCalls(), 0);
    EXPECT_TRUE(windows.registryWrites().empty());
}

INSTANTIATE_TEST_SUITE_P(Paths, MalformedPath,
                         ::testing::Values("Control Panel\\Desktop",
                                           "HKEY_CURRENT_USER\\Control Panel\\Desktop\\",
                                           "HKEY_CURRENT_USER\\", "hkey_current_user\\Control Panel", "",
                                           " HKEY_CURRENT_USER\\Control Panel"));

TEST_F(CustomRegistryTest, UnknownRootIsSilentAndTouchesNoKey) {
    windows.clearLogs();
    EXPECT_EQ(registry.GetRegValue("HKEY_CURENT_USER\\Control Panel\\Desktop", "Wallpaper"), "");
    registry.SetRegValue("HKEY_CURENT_USER\\Control Panel\\Desktop", "Wallpaper", "x.bmp");
    EXPECT_TRUE(windows.messageBoxes().empty());
    EXPECT_EQ(registryCalls(), 0);
}

TEST_F(CustomRegistryTest, WritesTheTextAsAString) {
    windows.setString(HKEY_CURRENT_USER, Desktop, "Wallpaper", "old.bmp");
    registry.SetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop", "Wallpaper", "C:\\x y.bmp");
    ASSERT_EQ(windows.registryWrites().size(), 1u);
    const auto& write = windows.registryWrites()[0];
    EXPECT_EQ(write.keyPath, "HKEY_CURRENT_USER\\Control Panel\\Desktop");
    EXPECT_EQ(write.valueName, "Wallpaper");
    EXPECT_EQ(write.type, win::REG_SZ);
    EXPECT_EQ(write.data, "C:\\x y.bmp");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(CustomRegistryTest, WritesNothingIntoAMissingKeyUntilItIsCreated) {
    const std::string path = "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";
    registry.SetRegValue(path, "", "C:\\start.wav");
    EXPECT_TRUE(windows.registryWrites().empty());
    EXPECT_FALSE(
        windows.keyExists(HKEY_CURRENT_USER, "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current"));
    EXPECT_EQ(registry.GetRegValue(path, ""), "Error");

    sys::clsRegistry keys(windows);
    ASSERT_EQ(
        keys.CreateKey("AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current\\", "", HKEY_CURRENT_USER),
        0);
    registry.SetRegValue(path, "", "C:\\start.wav");
    EXPECT_EQ(registry.GetRegValue(path, ""), "C:\\start.wav");
}

TEST(CustomRegistryPlatform, TakesTheCaptionFromTheApplicationTitle) {
    fake::FakeWindows windows;
    rt::Platform platform{windows, windows, windows};
    sys::CustomRegistry registry(platform);
    registry.GetRegValue("Desktop", "");
    ASSERT_EQ(windows.messageBoxes().size(), 1u);
    EXPECT_EQ(windows.messageBoxes()[0].title, windows.appTitle());
}

} // namespace
