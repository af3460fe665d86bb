// Registry keys and values by root handle: statuses, the -1 cases of the value
// reader, and what each member leaves in the object's three results.
#include "system/clsRegistry.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using win::HKEY_CURRENT_USER;

const char* const Colors = "Control Panel\\Colors";

class clsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { windows.setString(HKEY_CURRENT_USER, Colors, "Menu", "192,192,192"); }

    fake::FakeWindows windows;
    sys::clsRegistry registry{windows};
};

TEST_F(clsRegistryTest, StartsWithEmptyResults) {
    EXPECT_EQ(registry.KeyHandle(), 0u);
    EXPECT_EQ(registry.StringKeyValue(), "");
    EXPECT_EQ(registry.LongKeyValue(), 0);
}

TEST_F(clsRegistryTest, CreateKeyJoinsKeyAndSubKeyNames) {
    EXPECT_EQ(registry.CreateKey("Control Panel\\Cursors\\", "Arrow", HKEY_CURRENT_USER), 0);
    EXPECT_TRUE(windows.keyExists(HKEY_CURRENT_USER, "Control Panel\\Cursors\\Arrow"));
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_F(clsRegistryTest, UsesTheSixSpecificKeyRightsAndExactByteCounts) {
    windows.clearLogs();
    registry.CreateKey("Control Panel\\Cursors\\", "Arrow", HKEY_CURRENT_USER);
    registry.SetKeyValue(Colors, "Window", "255,255,255", win::REG_SZ, HKEY_CURRENT_USER);
    registry.SetKeyValue(Colors, "Count", 1, win::REG_DWORD, HKEY_CURRENT_USER);

    const std::vector<std::string>& log = windows.callLog();
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[0],
              "RegCreateKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Cursors\\Arrow\", 0, NULL, 0, 63, NULL)");
    EXPECT_EQ(log[1].rfind("RegCloseKey(", 0), 0u) << log[1];
    EXPECT_EQ(log[2], "RegOpenKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Colors\", 0, 63)");
    EXPECT_TRUE(endsWith(log[3], ", \"Window\", 0, 1, 12)")) << log[3];
    EXPECT_EQ(log[4].rfind("RegCloseKey(", 0), 0u) << log[4];
    EXPECT_EQ(log[5], "RegOpenKeyExA(HKEY_CURRENT_USER, \"Control Panel\\Colors\", 0, 63)");
    EXPECT_TRUE(endsWith(log[6], ", \"Count\", 0, 4, 4)")) << log[6];
    EXPECT_EQ(log[7].rfind("RegCloseKey(", 0), 0u) << log[7];
}

TEST_F(clsRegistryTest, CreateKeyOfAnExistingKeyChangesNothing) {
    EXPECT_EQ(registry.CreateKey("Control Panel\\Colors\\", "", HKEY_CURRENT_USER), 0);
    EXPECT_EQ(windows.getString(HKEY_CURRENT_USER, Colors, "Menu"), "192,192,192");
    EXPECT_TRUE(windows.subKeyNames(HKEY_CURRENT_USER, Colors).empty());
    EXPECT_TRUE(windows.registryWrites().empty());
}

TEST_F(clsRegistryTest, CreateKeyReportsTheCreateStatusAndClosesNothingLeftOpen) {
    windows.failOn("RegCreateKeyExA", 1, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.CreateKey("Software\\", "Denied", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_FALSE(windows.keyExists(HKEY_CURRENT_USER, "Software\\Denied"));
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, SetKeyValueWritesTextWithItsNulOrANumber) {
    EXPECT_EQ(registry.SetKeyValue(Colors, "Window", "255,255,255", win::REG_SZ, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "Ratio", 12.5, win::REG_SZ, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "Count", 42, win::REG_DWORD, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "FromText", "-7", win::REG_DWORD, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "Rounded", 2.5, win::REG_DWORD, HKEY_CURRENT_USER), 0);

    EXPECT_EQ(windows.getString(HKEY_CURRENT_USER, Colors, "Window"), "255,255,255");
    EXPECT_EQ(windows.getString(HKEY_CURRENT_USER, Colors, "Ratio"), "12.5");
    EXPECT_EQ(windows.getDword(HKEY_CURRENT_USER, Colors, "Count"), 42u);
    EXPECT_EQ(windows.getDword(HKEY_CURRENT_USER, Colors, "FromText"), 0xFFFFFFF9u);
    EXPECT_EQ(windows.getDword(HKEY_CURRENT_USER, Colors, "Rounded"), 2u);
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, SetKeyValueWithAnotherTypeCodeWritesNothing) {
    EXPECT_EQ(registry.SetKeyValue(Colors, "Binary", "0102", win::REG_BINARY, HKEY_CURRENT_USER), 0);
    EXPECT_TRUE(windows.registryWrites().empty());
    EXPECT_FALSE(windows.getString(HKEY_CURRENT_USER, Colors, "Binary").has_value());
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, SetKeyValueIntoAMissingKeyFailsAndCreatesNothing) {
    EXPECT_NE(registry.SetKeyValue("Control Panel\\Missing", "Menu", "1", win::REG_SZ, HKEY_CURRENT_USER), 0);
    EXPECT_FALSE(windows.keyExists(HKEY_CURRENT_USER, "Control Panel\\Missing"));
    EXPECT_TRUE(windows.registryWrites().empty());
}

TEST_F(clsRegistryTest, SetKeyValueWithTextThatIsNoNumberThrowsAndClosesTheKey) {
    try {
        registry.SetKeyValue(Colors, "Count", "many", win::REG_DWORD, HKEY_CURRENT_USER);
        FAIL() << "expected a type mismatch";
    } catch (const rt::Error& error) {
        EXPECT_EQ(error.number(), rt::ErrTypeMismatch);
    }
    EXPECT_TRUE(windows.registryWrites().empty());
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, QueryKeyValueOfAStringSetsOnlyStringKeyValue) {
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
    EXPECT_EQ(registry.LongKeyValue(), 0);
    EXPECT_NE(registry.KeyHandle(), 0u);
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, QueryKeyValueOfANumberSetsOnlyLongKeyValue) {
    windows.setDword(HKEY_CURRENT_USER, Colors, "Count", 0xFFFFFFFEu);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);

    EXPECT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.LongKeyValue(), -2);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
}

TEST_F(clsRegistryTest, QueryKeyValueOfAMissingValueOrKeyLeavesBothResults) {
    windows.setDword(HKEY_CURRENT_USER, Colors, "Count", 9);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER), 0);

    EXPECT_EQ(registry.QueryKeyValue(Colors, "Missing", HKEY_CURRENT_USER), -1);
    EXPECT_EQ(registry.QueryKeyValue("Control Panel\\Missing", "Menu", HKEY_CURRENT_USER), -1);
    EXPECT_EQ(registry.KeyHandle(), 0u);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
    EXPECT_EQ(registry.LongKeyValue(), 9);
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, QueryKeyValueOfAnotherTypeOrAnEmptyByteCountIsMinusOne) {
    win::HKEY key = 0;
    ASSERT_EQ(windows.RegOpenKeyExA(HKEY_CURRENT_USER, Colors, 0, win::KEY_WRITE, &key), 0);
    const win::BYTE bytes[] = {1, 2, 3};
    ASSERT_EQ(windows.RegSetValueExA(key, "Binary", 0, win::REG_BINARY, bytes, sizeof bytes), 0);
    ASSERT_EQ(windows.RegSetValueExA(key, "Bare", 0, win::REG_SZ, nullptr, 0), 0);
    windows.RegCloseKey(key);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);

    EXPECT_EQ(registry.QueryKeyValue(Colors, "Binary", HKEY_CURRENT_USER), -1);
    EXPECT_EQ(registry.QueryKeyValue(Colors, "Bare", HKEY_CURRENT_USER), -1);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

TEST_F(clsRegistryTest, AFailedSecondQueryEmptiesTheResultAndReportsItsStatus) {
    windows.setDword(HKEY_CURRENT_USER, Colors, "Count", 9);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER), 0);

    // The second query of each read: uses 6 and 8 of RegQueryValueExA.
    windows.failOn("RegQueryValueExA", 6, win::ERROR_ACCESS_DENIED);
    windows.failOn("RegQueryValueExA", 8, win::ERROR_ACCESS_DENIED);
    EXPECT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(registry.StringKeyValue(), "");
    EXPECT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(registry.LongKeyValue(), -1);
}

TEST_F(clsRegistryTest, DeleteKeyValueAndDeleteKeyReportTheirStatus) {
    EXPECT_EQ(registry.DeleteKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);
    EXPECT_FALSE(windows.getString(HKEY_CURRENT_USER, Colors, "Menu").has_value());
    EXPECT_EQ(registry.DeleteKeyValue(Colors, "Menu", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_FILE_NOT_FOUND));

    EXPECT_EQ(registry.DeleteKey(HKEY_CURRENT_USER, Colors), 0);
    EXPECT_FALSE(windows.keyExists(HKEY_CURRENT_USER, Colors));
    EXPECT_NE(registry.DeleteKey(HKEY_CURRENT_USER, Colors), 0);
    EXPECT_EQ(windows.openKeyCount(), 0u);
}

} // namespace
