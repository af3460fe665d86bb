// System colours: each property reads back what it wrote, on a colour of its
// own; a staged write lands where the immediate one would, without touching the
// screen.
#include "system/SystemColorsFast.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

using sys::SystemColorsFast;

struct ColorProperty {
    const char* name;
    bool gated;
    std::function<win::COLORREF(SystemColorsFast&)> read;
    std::function<void(SystemColorsFast&, win::COLORREF)> write;
};

// clang-format off
#define COLOR_PROPERTY(Name, Gated) \
    ColorProperty{#Name, Gated, [](SystemColorsFast& colors) { return colors.Name(); }, \
                  [](SystemColorsFast& colors, win::COLORREF value) { colors.Name(value); }}
// clang-format on

const std::vector<ColorProperty>& colorProperties() {
    // clang-format off
    static const std::vector<ColorProperty> properties = {
        COLOR_PROPERTY(InactiveGradientColor, true), COLOR_PROPERTY(ActiveGradientColor, true),
        COLOR_PROPERTY(HotTrackItem, true), COLOR_PROPERTY(ScrollBar, false), COLOR_PROPERTY(Background, false),
        COLOR_PROPERTY(ActiveCaption, false), COLOR_PROPERTY(InactiveCaption, false), COLOR_PROPERTY(Menu, false),
        COLOR_PROPERTY(Window, false), COLOR_PROPERTY(WindowFrame, false), COLOR_PROPERTY(MenuText, false),
        COLOR_PROPERTY(WindowText, false), COLOR_PROPERTY(CaptionText, false), COLOR_PROPERTY(ActiveBorder, false),
        COLOR_PROPERTY(InactiveBorder, false), COLOR_PROPERTY(AppWorkspace, false), COLOR_PROPERTY(Highlight, false),
        COLOR_PROPERTY(HighlightText, false), COLOR_PROPERTY(ButtonFace, false), COLOR_PROPERTY(ButtonShadow, false),
        COLOR_PROPERTY(GrayText, false), COLOR_PROPERTY(ButtonText, false), COLOR_PROPERTY(InactiveCaptionText, false),
        COLOR_PROPERTY(ButtonHighlight, false), COLOR_PROPERTY(DarkShadow3D, false), COLOR_PROPERTY(Light3D, false),
        COLOR_PROPERTY(TooltipText, false), COLOR_PROPERTY(TooltipBackground, false),
    };
    // clang-format on
    return properties;
}

#undef COLOR_PROPERTY

// The colour index holding the value, -1 when none does.
int indexHolding(fake::FakeWindows& windows, win::COLORREF value) {
    for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
        if (windows.sysColor(i) == value)
            return i;
    return -1;
}

// Written one at a time with distinct values, every property changes exactly
// one colour at once, its own, and reads it back; staged, the same value waits
// under that colour's index with nothing on screen.
TEST(SystemColorsFastTest, EachPropertyWritesAndReadsAColourOfItsOwn) {
    fake::FakeWindows windows; // Windows 98: every colour supported
    std::set<int> indexes;
    win::COLORREF value = 0x00102030u;
    for (const ColorProperty& property : colorProperties()) {
        value += 0x010101u;
        SystemColorsFast colors(windows, windows, "Decorama");
        windows.clearLogs();
        property.write(colors, value);
        ASSERT_EQ(windows.setSysColorsCalls().size(), 1u) << property.name;
        EXPECT_EQ(windows.setSysColorsCalls()[0].size(), 1u) << property.name;
        const int index = indexHolding(windows, value);
        ASSERT_GE(index, 0) << property.name;
        EXPECT_TRUE(indexes.insert(index).second) << property.name << " shares colour " << index;
        EXPECT_EQ(property.read(colors), value) << property.name;
        EXPECT_EQ(colors.stagedIndex(index), SystemColorsFast::NotStaged) << property.name;

        SystemColorsFast staging(windows, windows, "Decorama");
        staging.UpdateImmediately = false;
        windows.clearLogs();
        property.write(staging, value ^ 0x00FFFFFFu);
        EXPECT_TRUE(windows.setSysColorsCalls().empty()) << property.name;
        EXPECT_TRUE(windows.registryWrites().empty()) << property.name;
        EXPECT_EQ(windows.sysColor(index), value) << property.name;
        EXPECT_EQ(staging.stagedIndex(index), index) << property.name;
        EXPECT_EQ(staging.stagedValue(index), value ^ 0x00FFFFFFu) << property.name;
        for (int other = 0; other < SystemColorsFast::ColorCount; ++other)
            if (other != index) {
                EXPECT_EQ(staging.stagedIndex(other), SystemColorsFast::NotStaged) << property.name;
            }
    }
}

} // namespace
