// Registry keys and values by root handle, beyond the round trips the contract
// suite holds on both backends: the conversions of SetKeyValue, what each query
// leaves in the object's three results, failure statuses, and no key left open.
#include "system/clsRegistry.h"
#include "support/ErrorOf.h"

#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

namespace {

using win::HKEY_CURRENT_USER;

const char* const Colors = "Control Panel\\Colors";

class clsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows.setString(HKEY_CURRENT_USER, Colors, "Menu", "192,192,192");
        windows.setDword(HKEY_CURRENT_USER, Colors, "Count", 0xFFFFFFFEu);
    }
    void TearDown() override { EXPECT_EQ(windows.registry.openHandleCount(), 0u); }

    fake::FakeWindows windows;
    sys::clsRegistry registry{windows};
};

TEST_F(clsRegistryTest, SetKeyValueConvertsToTheTypeCode) {
    EXPECT_EQ(registry.SetKeyValue(Colors, "Ratio", 12.5, win::REG_SZ, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "FromText", "-7", win::REG_DWORD, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.SetKeyValue(Colors, "Rounded", 2.5, win::REG_DWORD, HKEY_CURRENT_USER), 0);
    EXPECT_EQ(windows.getString(HKEY_CURRENT_USER, Colors, "Ratio"), "12.5");
    EXPECT_EQ(windows.getDword(HKEY_CURRENT_USER, Colors, "FromText"), 0xFFFFFFF9u);
    EXPECT_EQ(windows.getDword(HKEY_CURRENT_USER, Colors, "Rounded"), 2u); // to even, as the runtime rounds

    // Another type code writes nothing; text that is no number is a type mismatch.
    EXPECT_EQ(registry.SetKeyValue(Colors, "Binary", "0102", win::REG_BINARY, HKEY_CURRENT_USER), 0);
    EXPECT_FALSE(windows.getString(HKEY_CURRENT_USER, Colors, "Binary").has_value());
    EXPECT_EQ(
        errorOf([&] { registry.SetKeyValue(Colors, "Count", "many", win::REG_DWORD, HKEY_CURRENT_USER); }),
        rt::ErrTypeMismatch);
    EXPECT_EQ(windows.registry.writes.size(), 3u);
}

TEST_F(clsRegistryTest, SetKeyValueIntoAMissingKeyFailsAndCreatesNothing) {
    EXPECT_NE(registry.SetKeyValue("Control Panel\\Missing", "Menu", "1", win::REG_SZ, HKEY_CURRENT_USER), 0);
    EXPECT_FALSE(windows.registry.keyExists(HKEY_CURRENT_USER, "Control Panel\\Missing"));
}

// A string sets only StringKeyValue, a number only LongKeyValue; a missing value
// or key, another type or an empty value gives -1 and leaves both.
TEST_F(clsRegistryTest, EachQuerySetsOnlyTheResultOfItsType) {
    EXPECT_EQ(registry.KeyHandle(), 0u);
    EXPECT_EQ(registry.StringKeyValue(), "");
    EXPECT_EQ(registry.LongKeyValue(), 0);

    ASSERT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
    EXPECT_EQ(registry.LongKeyValue(), 0);
    EXPECT_NE(registry.KeyHandle(), 0u);
    ASSERT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER), 0);
    EXPECT_EQ(registry.LongKeyValue(), -2);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");

    win::HKEY key = 0;
    ASSERT_EQ(windows.RegOpenKeyExA(HKEY_CURRENT_USER, Colors, 0, win::KEY_WRITE, &key), 0);
    const win::BYTE bytes[] = {1, 2, 3};
    ASSERT_EQ(windows.RegSetValueExA(key, "Binary", 0, win::REG_BINARY, bytes, sizeof bytes), 0);
    ASSERT_EQ(windows.RegSetValueExA(key, "Bare", 0, win::REG_SZ, nullptr, 0), 0);
    windows.RegCloseKey(key);
    for (const char* value : {"Missing", "Binary", "Bare"})
        EXPECT_EQ(registry.QueryKeyValue(Colors, value, HKEY_CURRENT_USER), -1) << value;
    EXPECT_EQ(registry.QueryKeyValue("Control Panel\\Missing", "Menu", HKEY_CURRENT_USER), -1);
    EXPECT_EQ(registry.KeyHandle(), 0u);
    EXPECT_EQ(registry.StringKeyValue(), "192,192,192");
    EXPECT_EQ(registry.LongKeyValue(), -2);
}

TEST_F(clsRegistryTest, AFailedSecondQueryEmptiesTheResultAndReportsItsStatus) {
    // Each read queries twice (size, then value): the second ones fail.
    windows.failOnNext("RegQueryValueExA", win::ERROR_ACCESS_DENIED, 2);
    windows.failOnNext("RegQueryValueExA", win::ERROR_ACCESS_DENIED, 4);
    EXPECT_EQ(registry.QueryKeyValue(Colors, "Menu", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(registry.StringKeyValue(), "");
    EXPECT_EQ(registry.QueryKeyValue(Colors, "Count", HKEY_CURRENT_USER),
              static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(registry.LongKeyValue(), -1);
}

} // namespace
