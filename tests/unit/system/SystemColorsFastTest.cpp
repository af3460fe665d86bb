// System colours: each property reads back what it wrote, on a colour of its
// own; a staged write lands where the immediate one would, without touching the
// screen; and the gradient and hot-track colours are gated by the version.
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

TEST(SystemColorsGate, WinLevelFollowsTheVersion) {
    const struct {
        fake::Version version;
        std::int32_t winLevel;
    } cases[] = {
        {fake::Version::Win95, 0},
        {fake::Version::Win95OSR2, 0},
        {fake::Version::Win98, 5},
        {fake::Version::Win98SE, 5},
        {fake::Version::WinME, 5},
        {fake::Version::NT351, 0},
        {fake::Version::NT4, 0},
        {fake::Version::Win2000, 5},
        {fake::Version::WinXP, 5},
        {fake::Version::Vista, 0},
        {fake::Version::Win95Build1212, 0},
        {fake::Version::BuildLowWord40000, 5},
        {fake::Version::Failing, 0},
    };
    for (const auto& c : cases) {
        fake::FakeWindows windows;
        windows.useVersion(c.version);
        EXPECT_EQ(SystemColorsFast(windows, windows, "Decorama").WinLevel(), c.winLevel)
            << static_cast<int>(c.version);
    }
}

// Where the level is below 5, a gated colour raises the operating-system error,
// or with RaiseErrors off reads zero and writes nothing, immediate or staged.
TEST(SystemColorsGate, GatedColoursWorkOnlyFromLevelFive) {
    for (const fake::Version version : {fake::Version::Win95, fake::Version::Win98}) {
        fake::FakeWindows windows;
        windows.useVersion(version);
        auto paintAll = [&windows] {
            for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
                windows.setSysColor(i, 0x00ABCDEFu);
        };
        paintAll();
        const bool supported = version == fake::Version::Win98;
        for (const ColorProperty& property : colorProperties()) {
            if (!property.gated)
                continue;
            SystemColorsFast colors(windows, windows, "Decorama");
            if (!supported) {
                try {
                    property.read(colors);
                    ADD_FAILURE() << property.name << " read did not raise";
                } catch (const rt::Error& error) {
                    EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800413FAu)) << property.name;
                    EXPECT_EQ(error.description(), "Invalid for this operating system.");
                    EXPECT_EQ(error.source(), "SystemColors");
                }
                EXPECT_THROW(property.write(colors, 0x00010203u), rt::Error) << property.name;
            }
            colors.RaiseErrors = false;
            EXPECT_EQ(property.read(colors), supported ? 0x00ABCDEFu : 0u) << property.name;
            for (const bool immediately : {true, false}) {
                SystemColorsFast writer(windows, windows, "Decorama");
                writer.RaiseErrors = false;
                writer.UpdateImmediately = immediately;
                windows.clearLogs();
                property.write(writer, 0x00010203u);
                bool staged = false;
                for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
                    staged = staged || writer.stagedIndex(i) != SystemColorsFast::NotStaged;
                EXPECT_EQ(immediately ? !windows.setSysColorsCalls().empty() : staged, supported)
                    << property.name << (immediately ? " immediate" : " staged");
                paintAll();
            }
        }
    }
}

} // namespace
