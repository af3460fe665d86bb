// Power and memory status: the battery bits and the narrowing of the 64-bit
// counts (the gates are in VersionGatesTest).
#include "system/MemoryStatus.h"
#include "system/PowerStatus.h"

#include "support/ErrorOf.h"
#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

namespace {

using fake::Version;

TEST(PowerStatus, StateAndChargingComeFromTheFlag) {
    const struct {
        win::BYTE flag;
        std::int32_t state;
        bool charging;
    } cases[] = {{2, 2, false}, {9, 1, true}, {255, 255, false}, {128, 128, false}, {8 | 4, 4, true}};
    for (const auto& c : cases) {
        fake::FakeWindows windows;
        windows.power = win::SYSTEM_POWER_STATUS{1, c.flag, 80, 0, 3600, 7200};
        sys::PowerStatus power(windows);
        EXPECT_EQ(power.BatteryState(), c.state) << int(c.flag);
        EXPECT_EQ(power.BatteryCharging(), c.charging) << int(c.flag);
    }
}

TEST(PowerStatus, FailedStatusReadsAsUnknown) {
    fake::FakeWindows windows;
    windows.failOnNext("GetSystemPowerStatus", 31); // ERROR_GEN_FAILURE
    EXPECT_EQ(sys::PowerStatus(windows).BatteryLifeTime(), -1);
}

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

// Windows 2000's 64-bit counts fail beyond 2 GiB; Windows 98's are capped (the
// gate of the extended virtual count is tested on VersionGates).
TEST(MemoryStatus, CountsByVersion) {
    fake::FakeWindows windows;
    win::MEMORYSTATUSEX status{sizeof status, 40, 2 * GiB - 1, 0, 3 * GiB, 0, 0, 0, 5};
    windows.memory = status;
    windows.useVersion(Version::Win2000);
    sys::MemoryStatus win2000(windows);
    EXPECT_EQ(win2000.MemoryLoad(), 40);
    EXPECT_EQ(win2000.TotalPhysical(), 2147483647);
    EXPECT_EQ(errorOf([&] { win2000.TotalPageFile(); }), rt::ErrOverflow);
    EXPECT_EQ(win2000.AvailableExtendedVirtual(), 5);

    windows.useVersion(Version::Win98);
    EXPECT_EQ(sys::MemoryStatus(windows).TotalPhysical(), 2147483647);
}

} // namespace
