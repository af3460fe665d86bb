// The frame-metrics, system-information, input, memory and power classes against
// every backend: what they read is plausible on the real Windows and on the fake
// alike, and the writes that Windows keeps (the whole frame-metrics record, the
// mouse acceleration triple) come back as written and are put back afterwards.
#include "Backends.h"

#include "system/Keyboard.h"
#include "system/MemoryStatus.h"
#include "system/Mouse.h"
#include "system/NonClientMetrics.h"
#include "system/PowerStatus.h"
#include "system/SystemInfo.h"
#include "system/VersionGates.h"

#include <gtest/gtest.h>

#include <string>

namespace {

template <class Backend> class SettingsLibraryContract : public ::testing::Test {
protected:
    Backend backend;
};

TYPED_TEST_SUITE(SettingsLibraryContract, ContractBackends);

TYPED_TEST(SettingsLibraryContract, ReadsArePlausible) {
    win::WindowsApi& api = this->backend.api();
    sys::NonClientMetrics metrics(api);
    for (const sys::Font* font : {&metrics.CaptionFont(), &metrics.SmallCaptionFont(), &metrics.MenuFont(),
                                  &metrics.StatusFont(), &metrics.MessageFont()}) {
        EXPECT_GE(font->Size, 5);
        EXPECT_LE(font->Size, 40);
        EXPECT_FALSE(font->FaceName.empty());
        EXPECT_GE(font->Weight, 100);
    }
    EXPECT_GT(metrics.Caption(), 0);

    sys::SystemInfo info(api);
    const std::string name = info.ComputerName(0);
    EXPECT_FALSE(name.empty());
    EXPECT_LE(name.size(), 15u);
    EXPECT_FALSE(info.UserName(0).empty());
    EXPECT_EQ(info.WindowsDirectory().find(':'), 1u);
    EXPECT_EQ(info.SystemDirectory().rfind(info.WindowsDirectory(), 0), 0u);
    EXPECT_EQ(info.TempPath().back(), '\\');
    EXPECT_GT(info.OSBuild(), 0);
    EXPECT_GE(info.NumberOfProcessors(), 1);

    sys::Keyboard keyboard(api);
    EXPECT_GE(keyboard.FunctionKeys(), 10);
    EXPECT_GT(keyboard.CaretBlinkTime(), 0);
    EXPECT_GT(sys::Mouse(api).DoubleClickX(), 0);

    sys::MemoryStatus memory(api);
    EXPECT_GE(memory.MemoryLoad(), 0);
    EXPECT_LE(memory.MemoryLoad(), 100);

    const sys::VersionGates gates(api);
    if (gates.isWin95() || gates.settingsLevel() == 5) {
        sys::PowerStatus power(api);
        const std::int32_t line = power.ACLineStatus();
        EXPECT_TRUE(line == 0 || line == 1 || line == 255) << line;
    }
}

TYPED_TEST(SettingsLibraryContract, FrameMetricsRoundTripAndAreRestored) {
    win::WindowsApi& api = this->backend.api();
    sys::NonClientMetrics original(api);
    {
        sys::NonClientMetrics changed(api);
        changed.MenuFont().Italic = true;
        changed.ScrollWidth(original.ScrollWidth() + 2);
    }
    sys::NonClientMetrics after(api);
    EXPECT_EQ(after.ScrollWidth(), original.ScrollWidth() + 2);
    EXPECT_TRUE(after.MenuFont().Italic);
    EXPECT_EQ(after.MenuFont().FaceName, original.MenuFont().FaceName);
    EXPECT_EQ(after.MenuFont().Size, original.MenuFont().Size);
    EXPECT_EQ(after.CaptionFont().Weight, original.CaptionFont().Weight);

    original.SaveSettings();
    sys::NonClientMetrics restored(api);
    EXPECT_EQ(restored.ScrollWidth(), original.ScrollWidth());
    EXPECT_FALSE(restored.MenuFont().Italic && !original.MenuFont().Italic);
}

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
