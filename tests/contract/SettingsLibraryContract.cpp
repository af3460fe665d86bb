// The mouse class against every backend: the acceleration triple Windows keeps
// comes back as written, thresholds included, and is put back afterwards.
#include "Backends.h"

#include "system/Mouse.h"

#include <gtest/gtest.h>

namespace {

template <class Backend> class SettingsLibraryContract : public ::testing::Test {
protected:
    Backend backend;
};

TYPED_TEST_SUITE(SettingsLibraryContract, ContractBackends);

TYPED_TEST(SettingsLibraryContract, MouseSpeedKeepsTheThresholdsAndIsRestored) {
    sys::Mouse mouse(this->backend.api());
    const std::int32_t first = mouse.MouseThreshHold1(), second = mouse.MouseThreshHold2(),
                       speed = mouse.MouseSpeed();
    const std::int32_t other = speed == 2 ? 1 : 2;
    mouse.MouseSpeed(other);
    EXPECT_EQ(mouse.MouseSpeed(), other);
    EXPECT_EQ(mouse.MouseThreshHold1(), first);
    EXPECT_EQ(mouse.MouseThreshHold2(), second);
    mouse.MouseSpeed(speed);
    EXPECT_EQ(mouse.MouseSpeed(), speed);
}

} // namespace
