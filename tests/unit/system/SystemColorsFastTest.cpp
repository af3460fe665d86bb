// System colours: every property's colour index, immediate writes against staged
// ones, and the version gate of the gradient and hot-track colours.
#include "system/SystemColorsFast.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using sys::SystemColorsFast;

struct ColorProperty {
    const char* name;
    int index;
    bool gated;
    std::function<win::COLORREF(SystemColorsFast&)> read;
    std::function<void(SystemColorsFast&, win::COLORREF)> write;
};

// clang-format off
#define COLOR_PROPERTY(Name, Index, Gated) \
    ColorProperty{#Name, Index, Gated, [](SystemColorsFast& colors) { return colors.Name(); }, \
                  [](SystemColorsFast& colors, win::COLORREF value) { colors.Name(value); }}
// clang-format on

const std::vector<ColorProperty>& colorProperties() {
    // clang-format off
    static const std::vector<ColorProperty> properties = {
        COLOR_PROPERTY(InactiveGradientColor, 28, true), COLOR_PROPERTY(ActiveGradientColor, 27, true), COLOR_PROPERTY(HotTrackItem, 26, true),
        COLOR_PROPERTY(ScrollBar, 0, false), COLOR_PROPERTY(Background, 1, false), COLOR_PROPERTY(ActiveCaption, 2, false),
        COLOR_PROPERTY(InactiveCaption, 3, false), COLOR_PROPERTY(Menu, 4, false), COLOR_PROPERTY(Window, 5, false),
        COLOR_PROPERTY(WindowFrame, 6, false), COLOR_PROPERTY(MenuText, 7, false), COLOR_PROPERTY(WindowText, 8, false),
        COLOR_PROPERTY(CaptionText, 9, false), COLOR_PROPERTY(ActiveBorder, 10, false), COLOR_PROPERTY(InactiveBorder, 11, false),
        COLOR_PROPERTY(AppWorkspace, 12, false), COLOR_PROPERTY(Highlight, 13, false), COLOR_PROPERTY(HighlightText, 14, false),
        COLOR_PROPERTY(ButtonFace, 15, false), COLOR_PROPERTY(ButtonShadow, 16, false), COLOR_PROPERTY(GrayText, 17, false),
        COLOR_PROPERTY(ButtonText, 18, false), COLOR_PROPERTY(InactiveCaptionText, 19, false), COLOR_PROPERTY(ButtonHighlight, 20, false),
        COLOR_PROPERTY(DarkShadow3D, 21, false), COLOR_PROPERTY(Light3D, 22, false), COLOR_PROPERTY(TooltipText, 23, false),
        COLOR_PROPERTY(TooltipBackground, 24, false),
    };
    // clang-format on
    return properties;
}

#undef COLOR_PROPERTY

// A distinct colour per index, so a property reading the wrong index shows.
win::COLORREF markerColor(int index) {
    return 0x00102030u + static_cast<win::COLORREF>(index) * 0x010101u;
}

class SystemColorsFastTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
            windows.setSysColor(i, markerColor(i));
    }

    fake::FakeWindows windows; // Windows 98: every colour supported
};

TEST_F(SystemColorsFastTest, EveryPropertyReadsItsLiveColour) {
    SystemColorsFast colors(windows, windows, "Decorama");
    for (const ColorProperty& property : colorProperties())
        EXPECT_EQ(property.read(colors), markerColor(property.index)) << property.name;
}

TEST_F(SystemColorsFastTest, AnImmediateWriteSetsOneColourAtOnce) {
    for (const ColorProperty& property : colorProperties()) {
        SystemColorsFast colors(windows, windows, "Decorama");
        windows.clearLogs();
        property.write(colors, 0x00ABCDEFu);

        ASSERT_EQ(windows.setSysColorsCalls().size(), 1u) << property.name;
        const auto& call = windows.setSysColorsCalls()[0];
        ASSERT_EQ(call.size(), 1u) << property.name;
        EXPECT_EQ(call[0].first, property.index) << property.name;
        EXPECT_EQ(call[0].second, 0x00ABCDEFu) << property.name;
        EXPECT_EQ(windows.sysColor(property.index), 0x00ABCDEFu) << property.name;
        EXPECT_EQ(colors.stagedIndex(property.index), SystemColorsFast::NotStaged) << property.name;
    }
}

TEST_F(SystemColorsFastTest, AStagedWriteChangesNothingOnScreen) {
    SystemColorsFast colors(windows, windows, "Decorama");
    colors.UpdateImmediately = false;
    windows.clearLogs();

    colors.Menu(0x00112233u);

    EXPECT_TRUE(windows.setSysColorsCalls().empty());
    EXPECT_EQ(windows.sysColor(4), markerColor(4));
    EXPECT_TRUE(windows.registryWrites().empty());
    EXPECT_EQ(colors.stagedValue(4), 0x00112233u);
    EXPECT_EQ(colors.stagedIndex(4), 4);
    for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
        if (i != 4) {
            EXPECT_EQ(colors.stagedIndex(i), SystemColorsFast::NotStaged) << i;
        }
}

TEST_F(SystemColorsFastTest, EveryPropertyStagesUnderItsOwnIndex) {
    SystemColorsFast colors(windows, windows, "Decorama");
    colors.UpdateImmediately = false;
    for (const ColorProperty& property : colorProperties())
        property.write(colors, markerColor(property.index) ^ 0x00FFFFFFu);

    for (const ColorProperty& property : colorProperties()) {
        EXPECT_EQ(colors.stagedIndex(property.index), property.index) << property.name;
        EXPECT_EQ(colors.stagedValue(property.index), markerColor(property.index) ^ 0x00FFFFFFu)
            << property.name;
    }
    // Colour 25 has no property.
    EXPECT_EQ(colors.stagedIndex(25), SystemColorsFast::NotStaged);
    EXPECT_TRUE(windows.setSysColorsCalls().empty());
}

struct GateCase {
    fake::Version version;
    std::int32_t winLevel;
};

const GateCase gateCases[] = {
    {fake::Version::Win95, 0},   {fake::Version::Win95OSR2, 0},      {fake::Version::Win98, 5},
    {fake::Version::Win98SE, 5}, {fake::Version::WinME, 5},          {fake::Version::NT351, 0},
    {fake::Version::NT4, 0},     {fake::Version::Win2000, 5},        {fake::Version::WinXP, 5},
    {fake::Version::Vista, 0},   {fake::Version::Win95Build1212, 0}, {fake::Version::BuildLowWord40000, 5},
    {fake::Version::Failing, 0},
};

class SystemColorsGate : public ::testing::TestWithParam<GateCase> {
protected:
    void SetUp() override {
        windows.useVersion(GetParam().version);
        for (int i = 0; i < SystemColorsFast::ColorCount; ++i)
            windows.setSysColor(i, markerColor(i));
    }
    fake::FakeWindows windows;
};

TEST_P(SystemColorsGate, WinLevelFollowsTheVersion) {
    SystemColorsFast colors(windows, windows, "Decorama");
    EXPECT_EQ(colors.WinLevel(), GetParam().winLevel);
}

TEST_P(SystemColorsGate, GatedColoursRaiseOnlyWhereUnsupported) {
    const bool supported = GetParam().winLevel >= 5;
    for (const ColorProperty& property : colorProperties()) {
        SystemColorsFast colors(windows, windows, "Decorama");
        windows.clearLogs();
        if (supported || !property.gated) {
            EXPECT_EQ(property.read(colors), markerColor(property.index)) << property.name;
            property.write(colors, 0x00010203u);
            EXPECT_EQ(windows.setSysColorsCalls().size(), 1u) << property.name;
            windows.setSysColor(property.index, markerColor(property.index));
            continue;
        }
        try {
            property.read(colors);
            ADD_FAILURE() << property.name << " read did not raise";
        } catch (const rt::Error& error) {
            EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800413FAu)) << property.name;
            EXPECT_EQ(error.description(), "Invalid for this operating system.");
            EXPECT_EQ(error.source(), "SystemColors");
        }
        EXPECT_THROW(property.write(colors, 0x00010203u), rt::Error) << property.name;
        EXPECT_TRUE(windows.setSysColorsCalls().empty()) << property.name;
        EXPECT_EQ(windows.sysColor(property.index), markerColor(property.index)) << property.name;
    }
}

TEST_P(SystemColorsGate, WithoutRaiseErrorsGatedColoursReadZeroAndWriteNothing) {
    const bool supported = GetParam().winLevel >= 5;
    for (const ColorProperty& property : colorProperties()) {
        if (!property.gated)
            continue;
        for (const bool immediately : {true, false}) {
            SystemColorsFast colors(windows, windows, "Decorama");
            colors.RaiseErrors = false;
            colors.UpdateImmediately = immediately;
            windows.clearLogs();

            EXPECT_EQ(property.read(colors), supported ? markerColor(property.index) : 0u) << property.name;
            property.write(colors, 0x00010203u);
            const bool changed = immediately ? !windows.setSysColorsCalls().empty()
                                             : colors.stagedIndex(property.index) == property.index;
            EXPECT_EQ(changed, supported) << property.name << (immediately ? " immediate" : " staged");
            windows.setSysColor(property.index, markerColor(property.index));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, SystemColorsGate, ::testing::ValuesIn(gateCases));

} // namespace
