// Mouse and keyboard: the gates where they flip, the acceleration triple, the
// cursor's display counter and the lock keys on both families.
#include "system/Keyboard.h"
#include "system/Mouse.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using fake::Version;

bool raises(const std::function<void()>& action) {
    try {
        action();
    } catch (const rt::Error& error) {
        EXPECT_EQ(error.number(), rt::ErrUnsupported);
        EXPECT_EQ(error.source(), "Mouse");
        return true;
    }
    return false;
}

struct MouseGateCase {
    Version version;
    bool hover, hoverDelay, trails, tracking;
};

class MouseGates : public ::testing::TestWithParam<MouseGateCase> {};

TEST_P(MouseGates, FlipWithTheVersion) {
    fake::FakeWindows windows;
    windows.useVersion(GetParam().version);
    sys::Mouse mouse(windows);
    EXPECT_EQ(!raises([&] { mouse.HoverX(); }), GetParam().hover);
    EXPECT_EQ(!raises([&] { mouse.SnapToDefault(true); }), GetParam().hover);
    EXPECT_EQ(!raises([&] { mouse.HoverDelay(); }), GetParam().hoverDelay);
    EXPECT_EQ(!raises([&] { mouse.WheelPresent(); }), GetParam().hoverDelay);
    EXPECT_EQ(!raises([&] { mouse.MouseTrails(2); }), GetParam().trails);
    EXPECT_EQ(!raises([&] { mouse.ActiveWindowTracking(); }), GetParam().tracking);
    // The wheel write never reports; its read does.
    EXPECT_FALSE(raises([&] { mouse.WheelScrollLines(5); }));
    EXPECT_EQ(!raises([&] { mouse.WheelScrollLines(); }), GetParam().hover);

    mouse.RaiseErrors = false;
    windows.clearLogs();
    if (!GetParam().hover) {
        EXPECT_EQ(mouse.HoverX(), 0);
        mouse.HoverY(9);
        mouse.WheelScrollLines(5);
        EXPECT_TRUE(windows.spiCalls().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, MouseGates,
                         ::testing::Values(MouseGateCase{Version::Win95, false, false, true, false},
                                           MouseGateCase{Version::Win98, true, true, true, true},
                                           MouseGateCase{Version::NT4, true, true, false, false},
                                           MouseGateCase{Version::Win2000, true, true, false, true},
                                           MouseGateCase{Version::Vista, false, true, false, false}));

TEST(Mouse, OneAccelerationValueKeepsTheOtherTwo) {
    fake::FakeWindows windows;
    sys::Mouse mouse(windows);
    const int before[3] = {mouse.MouseThreshHold1(), mouse.MouseThreshHold2(), mouse.MouseSpeed()};
    mouse.MouseSpeed(2);
    EXPECT_EQ(mouse.MouseThreshHold1(), before[0]);
    EXPECT_EQ(mouse.MouseThreshHold2(), before[1]);
    EXPECT_EQ(mouse.MouseSpeed(), 2);
    mouse.MouseThreshHold2(before[1] + 3);
    EXPECT_EQ(mouse.MouseThreshHold2(), before[1] + 3);
    EXPECT_EQ(mouse.MouseSpeed(), 2);

    // Without the current triple nothing is written rather than zeros.
    windows.failOn("SystemParametersInfoA", static_cast<int>(windows.spiCalls().size()) + 1, 87);
    windows.clearLogs();
    mouse.MouseThreshHold1(1);
    EXPECT_EQ(
        std::count_if(windows.callLog().begin(), windows.callLog().end(),
                      [](const std::string& call) { return call.rfind("SystemParametersInfoA", 0) == 0; }),
        1);
    EXPECT_EQ(mouse.MouseThreshHold1(), before[0]);
}

TEST(Mouse, TwoHidesNeedTwoShows) {
    fake::FakeWindows windows;
    sys::Mouse mouse(windows);
    mouse.CursorOn(false);
    mouse.CursorOn(false);
    mouse.CursorOn(true);
    EXPECT_LT(windows.cursorShowCount(), 0);
    mouse.CursorOn(true);
    EXPECT_EQ(windows.cursorShowCount(), 0);
}

TEST(Mouse, MetricSettingsWriteThroughAndReadBack) {
    fake::FakeWindows windows;
    sys::Mouse mouse(windows);
    mouse.DoubleClickX(9);
    mouse.DragY(7);
    mouse.MouseButtonSwap(true);
    EXPECT_EQ(mouse.DoubleClickX(), 9);
    EXPECT_EQ(mouse.DragY(), 7);
    EXPECT_TRUE(mouse.MouseButtonSwap());
    mouse.MenuDelay(100);
    EXPECT_EQ(windows.spiCalls().back().fWinIni, 0u); // the menu delay is for this session
    EXPECT_EQ(mouse.MenuDelay(), 100);
}

constexpr int Caps = 0x14;

class LockKeys : public ::testing::TestWithParam<Version> {};

TEST_P(LockKeys, WritingTheCurrentStateKeepsIt) {
    fake::FakeWindows windows;
    windows.useVersion(GetParam());
    sys::Keyboard keyboard(windows);
    keyboard.Capslock(true);
    EXPECT_TRUE(keyboard.Capslock());
    keyboard.Capslock(true);
    EXPECT_TRUE(keyboard.Capslock());
    keyboard.Capslock(false);
    EXPECT_FALSE(keyboard.Capslock());
    EXPECT_FALSE(keyboard.Numlock());
}

TEST_P(LockKeys, EachFamilyUsesItsOwnWay) {
    fake::FakeWindows windows;
    windows.useVersion(GetParam());
    const bool nt = fake::isNtFamily(GetParam());
    // On the 95 family the key is held down, which the toggle write must leave alone.
    if (!nt)
        windows.setKeyState(Caps, static_cast<win::SHORT>(0xFF80));
    sys::Keyboard keyboard(windows);
    windows.clearLogs();
    keyboard.Capslock(true);
    const std::vector<std::string>& calls = windows.callLog();
    const bool pressed = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
                             return call.rfind("keybd_event", 0) == 0;
                         }) != calls.end();
    EXPECT_EQ(pressed, nt);
    EXPECT_TRUE(keyboard.Capslock());
    if (!nt) {
        EXPECT_NE(windows.GetKeyState(Caps) & 0x8000, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, LockKeys, ::testing::Values(Version::Win95, Version::Win98, Version::NT4));

} // namespace
