// Mouse and keyboard: the acceleration triple, the cursor's display counter and
// the lock keys on both families (the gates are in VersionGatesTest).
#include "system/Keyboard.h"
#include "system/Mouse.h"

#include "platform/InputFacts.h"
#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using fake::Version;

TEST(Mouse, OneAccelerationValueKeepsTheOtherTwo) {
    fake::FakeWindows windows;
    sys::Mouse mouse(windows);
    const int before[3] = {mouse.MouseThreshHold1(), mouse.MouseThreshHold2(), mouse.MouseSpeed()};
    mouse.MouseThreshHold2(before[1] + 3);
    EXPECT_EQ(mouse.MouseThreshHold1(), before[0]);
    EXPECT_EQ(mouse.MouseThreshHold2(), before[1] + 3);
    EXPECT_EQ(mouse.MouseSpeed(), before[2]);

    // Without the current triple nothing is written rather than zeros.
    windows.failOnNext("SystemParametersInfoA", win::ERROR_INVALID_PARAMETER);
    windows.clearLogs();
    mouse.MouseThreshHold1(1);
    EXPECT_EQ(
        std::count_if(windows.log.lines.begin(), windows.log.lines.end(),
                      [](const std::string& call) { return call.rfind("SystemParametersInfoA", 0) == 0; }),
        1);
    EXPECT_EQ(mouse.MouseThreshHold1(), before[0]);
}

constexpr int Caps = win::VK_CAPITAL;
constexpr win::SHORT KeyDown = static_cast<win::SHORT>(0x8000); // the high bit of a key state

class LockKeys : public ::testing::TestWithParam<Version> {};

// NT presses the key only when its state differs; the 95 family sets bit 0 of
// the key-state array and leaves the rest (here: the key held down) alone.
TEST_P(LockKeys, WritingAStateTwiceKeepsIt) {
    fake::FakeWindows windows;
    windows.useVersion(GetParam());
    const bool nt = fake::isNtFamily(GetParam());
    if (!nt)
        windows.keys[Caps] = 0x80; // held down, toggle bit clear
    sys::Keyboard keyboard(windows);
    windows.clearLogs();
    keyboard.Capslock(true);
    if (nt) { // pressed and released as an extended key
        EXPECT_EQ(windows.log.lines, (std::vector<std::string>{"GetKeyState(20)", "keybd_event(20, 0, 1, 0)",
                                                               "keybd_event(20, 0, 3, 0)"}));
    }
    windows.clearLogs();
    keyboard.Capslock(true);
    EXPECT_TRUE(keyboard.Capslock());
    EXPECT_EQ(windows.log.lines.size(), nt ? 2u : 3u); // the state read, then the write or nothing
    keyboard.Capslock(false);
    EXPECT_FALSE(keyboard.Capslock());
    EXPECT_FALSE(keyboard.Numlock());
    EXPECT_EQ((windows.GetKeyState(Caps) & KeyDown) != 0, !nt);
}

INSTANTIATE_TEST_SUITE_P(Families, LockKeys, ::testing::Values(Version::Win95, Version::Win98, Version::NT4));

} // namespace
