// Power and memory status: the battery bits, the narrowing of the 64-bit
// counts, the drive device path and the versions without power management.
#include "system/MemoryStatus.h"
#include "system/PowerStatus.h"

#include "contract/ErrorOf.h"
#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using fake::Version;

struct BatteryCase {
    win::BYTE flag;
    std::int32_t state;
    bool charging;
};

class Battery : public ::testing::TestWithParam<BatteryCase> {};

TEST_P(Battery, StateAndChargingComeFromTheFlag) {
    fake::FakeWindows windows;
    windows.setPowerStatus(win::SYSTEM_POWER_STATUS{1, GetParam().flag, 80, 0, 3600, 7200});
    sys::PowerStatus power(windows);
    EXPECT_EQ(power.BatteryState(), GetParam().state);
    EXPECT_EQ(power.BatteryCharging(), GetParam().charging);
}

TEST(PowerStatus, FailedStatusReadsAsUnknown) {
    fake::FakeWindows windows;
    windows.failOn("GetSystemPowerStatus", 1, 31);
    EXPECT_EQ(sys::PowerStatus(windows).BatteryLifeTime(), -1);
}

INSTANTIATE_TEST_SUITE_P(Flags, Battery,
                         ::testing::Values(BatteryCase{2, 2, false}, BatteryCase{9, 1, true},
                                           BatteryCase{255, 255, false}, BatteryCase{128, 128, false},
                                           BatteryCase{8 | 4, 4, true}));

TEST(PowerStatus, DriveMembersOpenTheDeviceOfTheFirstLetter) {
    fake::FakeWindows windows;
    windows.useVersion(Version::Win2000);
    sys::PowerStatus power(windows);
    windows.clearLogs();
    EXPECT_TRUE(power.DrivePowerState("c:\\"));
    ASSERT_FALSE(windows.callLog().empty());
    EXPECT_NE(windows.callLog()[0].find("\\\\.\\c:"), std::string::npos) << windows.callLog()[0];
    EXPECT_EQ(windows.callLog().back().rfind("CloseHandle", 0), 0u);
    // An unknown drive has no device: the call fails and nothing is closed.
    windows.clearLogs();
    EXPECT_FALSE(power.DrivePowerState("Q"));
    EXPECT_EQ(windows.callLog().back().rfind("GetDevicePowerState", 0), 0u);
}

TEST(PowerStatus, VersionsWithoutPowerManagement) {
    fake::FakeWindows windows;
    windows.useVersion(Version::NT4);
    sys::PowerStatus nt4(windows);
    for (const auto& use : std::vector<std::function<void()>>{
             [&] { nt4.ACLineStatus(); }, [&] { nt4.Suspend(); }, [&] { nt4.RemainAwake(1); },
             [&] { nt4.DrivePowerState("C"); }, [&] { nt4.BatteryLifePercent(); }})
        EXPECT_EQ(errorOf(use), rt::ErrUnsupported);
    nt4.RaiseErrors = false;
    windows.clearLogs();
    EXPECT_EQ(nt4.ACLineStatus(), 0);
    EXPECT_FALSE(nt4.IsSystemResumeAuto());
    EXPECT_TRUE(windows.callLog().empty());

    // Windows 95 reads its battery but has no wake-up calls.
    windows.useVersion(Version::Win95);
    sys::PowerStatus win95(windows);
    EXPECT_EQ(errorOf([&] { win95.BatteryState(); }), 0);
    EXPECT_EQ(errorOf([&] { win95.WakeUpLatency(1); }), rt::ErrUnsupported);
}

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

// Windows 2000's 64-bit counts fail beyond 2 GiB; only it has the extended virtual count.
TEST(MemoryStatus, CountsByVersion) {
    fake::FakeWindows windows;
    win::MEMORYSTATUSEX status{sizeof status, 40, 2 * GiB - 1, 0, 3 * GiB, 0, 0, 0, 5};
    windows.setMemoryStatus(status);
    windows.useVersion(Version::Win2000);
    sys::MemoryStatus win2000(windows);
    EXPECT_EQ(win2000.MemoryLoad(), 40);
    EXPECT_EQ(win2000.TotalPhysical(), 2147483647);
    EXPECT_EQ(errorOf([&] { win2000.TotalPageFile(); }), rt::ErrOverflow);
    EXPECT_EQ(win2000.AvailableExtendedVirtual(), 5);

    windows.useVersion(Version::Win98);
    sys::MemoryStatus win98(windows);
    EXPECT_EQ(win98.TotalPhysical(), 2147483647);
    EXPECT_EQ(errorOf([&] { win98.AvailableExtendedVirtual(); }), rt::ErrUnsupported);
    win98.RaiseErrors = false;
    EXPECT_EQ(win98.AvailableExtendedVirtual(), 0);
}

} // namespace
