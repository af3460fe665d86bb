// Screen and desktop settings: the version gates of every gated member on every
// Windows, and what each family hands SystemParametersInfoA (action, uiParam,
// pvParam, fWinIni) and reads back.
#include "system/ScreenInfo.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using sys::ScreenInfo;

constexpr std::uintptr_t TruePointer = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(-1));
constexpr win::UINT AllBits = 0xFFFFFFFFu;

// ---- gates ---------------------------------------------------------------------

enum class Gate { WinLevel5, Win2000 };

struct GatedMember {
    const char* name;
    Gate gate;
    // Uses the member once: a read gives its value (the text's length for a
    // string), a write gives 0.
    std::function<std::int64_t(ScreenInfo&)> use;
};

// clang-format off
#define GATED_READ(Name, GateKind) \
    GatedMember{#Name " read", Gate::GateKind, \
                [](ScreenInfo& screen) { return static_cast<std::int64_t>(screen.Name()); }}
#define GATED_WRITE(Name, GateKind, Value) \
    GatedMember{#Name " write", Gate::GateKind, \
                [](ScreenInfo& screen) { screen.Name(Value); return std::int64_t{0}; }}
// clang-format on

const std::vector<GatedMember>& gatedMembers() {
    // clang-format off
    static const std::vector<GatedMember> members = {
        GATED_READ(MenuAnimation, WinLevel5), GATED_WRITE(MenuAnimation, WinLevel5, true),
        GATED_READ(MenuFade, Win2000), GATED_WRITE(MenuFade, Win2000, true),
        GATED_READ(ComboBoxAnimation, WinLevel5), GATED_WRITE(ComboBoxAnimation, WinLevel5, true),
        GATED_READ(ListboxSmoothScrolling, WinLevel5), GATED_WRITE(ListboxSmoothScrolling, WinLevel5, true),
        GATED_READ(GradientCaptions, WinLevel5), GATED_WRITE(GradientCaptions, WinLevel5, true),
        GATED_READ(MenuKeysAlwaysUnderlined, WinLevel5), GATED_WRITE(MenuKeysAlwaysUnderlined, WinLevel5, true),
        GATED_READ(HotTracking, WinLevel5), GATED_WRITE(HotTracking, WinLevel5, true),
        GATED_READ(SelectionFade, Win2000), GATED_WRITE(SelectionFade, Win2000, true),
        GATED_READ(TooltipAnimation, Win2000), GATED_WRITE(TooltipAnimation, Win2000, true),
        GATED_READ(TooltipFade, Win2000), GATED_WRITE(TooltipFade, Win2000, true),
        GATED_READ(UIEffects, Win2000), GATED_WRITE(UIEffects, Win2000, true),
        GATED_READ(ForegroundLockTimeOut, WinLevel5), GATED_WRITE(ForegroundLockTimeOut, WinLevel5, 200000),
        GATED_READ(ForegroundFlashCount, WinLevel5), GATED_WRITE(ForegroundFlashCount, WinLevel5, 3),
        GATED_READ(VirtualScreenX, WinLevel5), GATED_READ(VirtualScreenY, WinLevel5),
        GATED_READ(VirtualScreenWidth, WinLevel5), GATED_READ(VirtualScreenHeight, WinLevel5),
        GATED_READ(MonitorCount, WinLevel5), GATED_READ(SameDisplayFormat, WinLevel5),
        GatedMember{
            "DesktopWallpaper read", Gate::Win2000,
            [](ScreenInfo& screen) { return static_cast<std::int64_t>(screen.DesktopWallpaper().size()); }},
    };
    // clang-format on
    return members;
}

#undef GATED_READ
#undef GATED_WRITE

struct VersionCase {
    fake::Version version;
    std::int32_t winLevel;
    bool isWin2000;
};

const VersionCase versionCases[] = {
    {fake::Version::Win95, 4, false},
    {fake::Version::Win95OSR2, 4, false},
    {fake::Version::Win98, 5, false},
    {fake::Version::Win98SE, 5, false},
    {fake::Version::WinME, 5, false},
    {fake::Version::NT351, 4, false},
    {fake::Version::NT4, 4, false},
    {fake::Version::Win2000, 5, true},
    {fake::Version::WinXP, 5, true},
    {fake::Version::Vista, 0, false},
    {fake::Version::Win95Build1212, 4, false},
    {fake::Version::BuildLowWord40000, 5, false},
    {fake::Version::Failing, 0, false},
};

// Every setting the gated members read is non-zero, so a supported read shows.
void fillGatedSettings(fake::FakeWindows& windows) {
    for (win::UINT action : {0x1002u, 0x1004u, 0x1006u, 0x1008u, 0x100Au, 0x100Eu, 0x1012u, 0x1014u, 0x1016u,
                             0x1018u, 0x103Eu, 0x2000u, 0x2004u})
        windows.setSpiValue(action, 1);
    for (int index = 76; index <= 81; ++index)
        windows.setMetric(index, 2);
    std::string path = "C:\\WINDOWS\\Clouds.bmp";
    windows.SystemParametersInfoA(0x14, 0, path.data(), 3);
}

class ScreenInfoOnVersion : public ::testing::TestWithParam<VersionCase> {
protected:
    void SetUp() override {
        windows.useVersion(GetParam().version);
        fillGatedSettings(windows);
    }
    bool supports(Gate gate) const {
        return gate == Gate::WinLevel5 ? GetParam().winLevel >= 5 : GetParam().isWin2000;
    }
    fake::FakeWindows windows;
};

TEST_P(ScreenInfoOnVersion, GatesFollowTheVersion) {
    ScreenInfo screen(windows);
    EXPECT_EQ(screen.WinLevel(), GetParam().winLevel);
    EXPECT_EQ(screen.IsWin2000(), GetParam().isWin2000);
}

TEST_P(ScreenInfoOnVersion, GatedMembersRaiseOnlyWhereUnsupported) {
    for (const GatedMember& member : gatedMembers()) {
        ScreenInfo screen(windows);
        windows.clearLogs();
        if (supports(member.gate)) {
            EXPECT_NO_THROW(member.use(screen)) << member.name;
            EXPECT_EQ(windows.callLog().size(), 1u) << member.name;
            continue;
        }
        try {
            member.use(screen);
            ADD_FAILURE() << member.name << " did not raise";
        } catch (const rt::Error& error) {
            EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800413FAu)) << member.name;
            EXPECT_EQ(error.description(), "Invalid for this operating system.");
            EXPECT_EQ(error.source(), "Screen");
        }
        EXPECT_TRUE(windows.callLog().empty()) << member.name;
    }
}

TEST_P(ScreenInfoOnVersion, WithoutRaiseErrorsUnsupportedMembersCallNothing) {
    for (const GatedMember& member : gatedMembers()) {
        ScreenInfo screen(windows);
        screen.RaiseErrors = false;
        windows.clearLogs();
        const std::int64_t result = member.use(screen);
        if (supports(member.gate)) {
            EXPECT_EQ(windows.callLog().size(), 1u) << member.name;
            if (std::strstr(member.name, " read")) {
                EXPECT_NE(result, 0) << member.name;
            }
        } else {
            EXPECT_EQ(result, 0) << member.name;
            EXPECT_TRUE(windows.callLog().empty()) << member.name;
        }
    }
}

TEST_P(ScreenInfoOnVersion, DesktopWallpaperWriteWorksOnEveryVersion) {
    ScreenInfo screen(windows);
    windows.clearLogs();
    screen.DesktopWallpaper("C:\\Program Files\\Decorama\\Sunset.bmp");

    EXPECT_EQ(windows.deskWallpaper(), "C:\\Program Files\\Decorama\\Sunset.bmp");
    ASSERT_EQ(windows.spiCalls().size(), 1u);
    const auto& call = windows.spiCalls()[0];
    EXPECT_EQ(call.action, 20u);
    EXPECT_EQ(call.uiParam, 0u);
    EXPECT_NE(call.pvValue, 0u);
    EXPECT_EQ(call.fWinIni, 3u);
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, ScreenInfoOnVersion, ::testing::ValuesIn(versionCases));

// ---- what goes to Windows --------------------------------------------------------

class ScreenInfoTest : public ::testing::Test {
protected:
    void SetUp() override { windows.useVersion(fake::Version::Win2000); }

    // The last SystemParametersInfoA call.
    const fake::FakeWindows::SpiCall& lastCall() const {
        EXPECT_FALSE(windows.spiCalls().empty());
        return windows.spiCalls().back();
    }
    void expectLastCall(win::UINT action, win::UINT uiParam, std::optional<std::uintptr_t> pvValue,
                        win::UINT fWinIni, const char* what) const {
        const auto& call = lastCall();
        EXPECT_EQ(call.action, action) << what;
        EXPECT_EQ(call.uiParam, uiParam) << what;
        if (pvValue) {
            EXPECT_EQ(call.pvValue, *pvValue) << what;
        } else {
            EXPECT_NE(call.pvValue, 0u) << what << ": expected a pointer";
        }
        EXPECT_EQ(call.fWinIni, fWinIni) << what;
    }

    fake::FakeWindows windows;
};

struct SwitchRow {
    const char* name;
    win::UINT getAction;
    win::UINT setAction;
    std::function<bool(ScreenInfo&)> read;
    std::function<void(ScreenInfo&, bool)> write;
};

// clang-format off
#define SWITCH_ROW(Name, Get, Set) \
    SwitchRow{#Name, Get, Set, [](ScreenInfo& screen) { return screen.Name(); }, \
              [](ScreenInfo& screen, bool value) { screen.Name(value); }}
// clang-format on

const std::vector<SwitchRow>& switchRows() {
    static const std::vector<SwitchRow> rows = {
        SWITCH_ROW(MenuAnimation, 0x1002, 0x1003),     SWITCH_ROW(MenuFade, 0x1012, 0x1013),
        SWITCH_ROW(ComboBoxAnimation, 0x1004, 0x1005), SWITCH_ROW(ListboxSmoothScrolling, 0x1006, 0x1007),
        SWITCH_ROW(GradientCaptions, 0x1008, 0x1009),  SWITCH_ROW(MenuKeysAlwaysUnderlined, 0x100A, 0x100B),
        SWITCH_ROW(HotTracking, 0x100E, 0x100F),       SWITCH_ROW(SelectionFade, 0x1014, 0x1015),
        SWITCH_ROW(TooltipAnimation, 0x1016, 0x1017),  SWITCH_ROW(TooltipFade, 0x1018, 0x1019),
        SWITCH_ROW(UIEffects, 0x103E, 0x103F),
    };
    return rows;
}

#undef SWITCH_ROW

TEST_F(ScreenInfoTest, SwitchesPassTheirStateInPvParam) {
    ScreenInfo screen(windows);
    for (const SwitchRow& row : switchRows()) {
        row.write(screen, true);
        expectLastCall(row.setAction, 0, TruePointer, 3, row.name);
        EXPECT_TRUE(row.read(screen)) << row.name;
        expectLastCall(row.getAction, 0, std::nullopt, 0, row.name);

        row.write(screen, false);
        expectLastCall(row.setAction, 0, 0u, 3, row.name);
        EXPECT_FALSE(row.read(screen)) << row.name;
    }
}

TEST_F(ScreenInfoTest, ForegroundNumbersPassTheNumberInPvParam) {
    ScreenInfo screen(windows);
    screen.ForegroundLockTimeOut(200000);
    expectLastCall(0x2001, 0, 200000u, 3, "ForegroundLockTimeOut write");
    EXPECT_EQ(screen.ForegroundLockTimeOut(), 200000);
    expectLastCall(0x2000, 0, std::nullopt, 0, "ForegroundLockTimeOut read");

    screen.ForegroundFlashCount(7);
    expectLastCall(0x2005, 0, 7u, 3, "ForegroundFlashCount write");
    EXPECT_EQ(screen.ForegroundFlashCount(), 7);
    expectLastCall(0x2004, 0, std::nullopt, 0, "ForegroundFlashCount read");
}

struct MetricRow {
    const char* name;
    int index;
    std::function<std::int64_t(ScreenInfo&)> read;
};

// clang-format off
#define METRIC_ROW(Name, Index) \
    MetricRow{#Name, Index, [](ScreenInfo& screen) { return static_cast<std::int64_t>(screen.Name()); }}
// clang-format on

TEST_F(ScreenInfoTest, EveryMetricReadsItsIndex) {
    // clang-format off
    const std::vector<MetricRow> rows = {
        METRIC_ROW(ScreenX, 0), METRIC_ROW(ScreenY, 1), METRIC_ROW(IconSizeX, 11),
        METRIC_ROW(IconSizeY, 12), METRIC_ROW(CaptionBarButtonX, 30), METRIC_ROW(CaptionBarButtonY, 31),
        METRIC_ROW(FullScreenX, 16), METRIC_ROW(FullScreenY, 17), METRIC_ROW(IconSpacingX, 38),
        METRIC_ROW(IconSpacingY, 39), METRIC_ROW(MaximizedX, 61), METRIC_ROW(MaximizedY, 62),
        METRIC_ROW(MaxTrackX, 59), METRIC_ROW(MaxTrackY, 60), METRIC_ROW(MenuCheckX, 71),
        METRIC_ROW(MenuCheckY, 72), METRIC_ROW(MinimumX, 28), METRIC_ROW(MinimumY, 29),
        METRIC_ROW(MinimizedX, 57), METRIC_ROW(MinimizedY, 58), METRIC_ROW(MinSpacingX, 47),
        METRIC_ROW(MinSpacingY, 48), METRIC_ROW(MinTrackX, 34), METRIC_ROW(MinTrackY, 35),
        METRIC_ROW(SmallIconX, 49), METRIC_ROW(SmallIconY, 50), METRIC_ROW(WindowBorderX, 5),
        METRIC_ROW(WindowBorderY, 6), METRIC_ROW(VerticalScrollX, 2), METRIC_ROW(VerticalScrollY, 20),
        METRIC_ROW(HorizontalScrollX, 21), METRIC_ROW(HorizontalScrollY, 3), METRIC_ROW(FixedBorderX, 7),
        METRIC_ROW(FixedBorderY, 8), METRIC_ROW(ThumbX, 10), METRIC_ROW(ThumbY, 9),
        METRIC_ROW(SizingBorderX, 32), METRIC_ROW(SizingBorderY, 33), METRIC_ROW(Border3DX, 45),
        METRIC_ROW(Border3DY, 46), METRIC_ROW(CaptionButtonX, 52), METRIC_ROW(CaptionButtonY, 53),
        METRIC_ROW(MenuBarButtonsX, 54), METRIC_ROW(MenuBarButtonsY, 55), METRIC_ROW(KanjiWindow, 18),
        METRIC_ROW(CaptionHeight, 4), METRIC_ROW(MenuHeight, 15), METRIC_ROW(SmallCaption, 51),
        METRIC_ROW(VirtualScreenX, 76), METRIC_ROW(VirtualScreenY, 77), METRIC_ROW(VirtualScreenWidth, 78),
        METRIC_ROW(VirtualScreenHeight, 79), METRIC_ROW(MonitorCount, 80),
    };
    // clang-format on
    // A distinct value per index, negative ones included (a virtual screen left of the primary).
    for (const MetricRow& row : rows)
        windows.setMetric(row.index, 1000 - 30 * row.index);

    ScreenInfo screen(windows);
    for (const MetricRow& row : rows)
        EXPECT_EQ(row.read(screen), 1000 - 30 * row.index) << row.name;
}

#undef METRIC_ROW

TEST_F(ScreenInfoTest, BooleanMetricsReadNonZeroAsTrue) {
    ScreenInfo screen(windows);
    windows.setMetric(41, 0);
    windows.setMetric(81, 5);
    EXPECT_FALSE(screen.PenWindows());
    EXPECT_TRUE(screen.SameDisplayFormat());
    windows.setMetric(41, 1);
    windows.setMetric(81, 0);
    EXPECT_TRUE(screen.PenWindows());
    EXPECT_FALSE(screen.SameDisplayFormat());
}

TEST_F(ScreenInfoTest, DesktopWallpaperReadsBackTheStoredPath) {
    ScreenInfo screen(windows);
    screen.DesktopWallpaper("C:\\WINNT\\Sunset.bmp");
    EXPECT_EQ(screen.DesktopWallpaper(), "C:\\WINNT\\Sunset.bmp");
    expectLastCall(0x73, 260, std::nullopt, 0, "DesktopWallpaper read");
}

TEST_F(ScreenInfoTest, ALongWallpaperPathReadsCutToTheBuffer) {
    ScreenInfo screen(windows);
    const std::string path = "C:\\" + std::string(300, 'w') + ".bmp";
    screen.DesktopWallpaper(path);
    const std::string read = screen.DesktopWallpaper();
    EXPECT_EQ(read, path.substr(0, 259));
}

TEST_F(ScreenInfoTest, UiParamSettingsPassTheValueInUiParam) {
    ScreenInfo screen(windows);
    screen.BorderMultiplier(3);
    expectLastCall(6, 3, 0u, 3, "BorderMultiplier write");
    screen.DragFullWindows(true);
    expectLastCall(0x25, AllBits, std::nullopt, 3, "DragFullWindows write");
    screen.GridGranularity(8);
    expectLastCall(0x13, 8, std::nullopt, 3, "GridGranularity write");
    screen.IconTitleWrap(false);
    expectLastCall(0x1A, 0, std::nullopt, 3, "IconTitleWrap write");
    screen.MenuDropAlignment(true);
    expectLastCall(0x1C, AllBits, std::nullopt, 3, "MenuDropAlignment write");
}

TEST_F(ScreenInfoTest, IconSpacingIsSetWithANullPointer) {
    // With a pointer Windows would only report the spacing and set nothing.
    ScreenInfo screen(windows);
    screen.IconHorizontalSpacing(75);
    expectLastCall(0x0D, 75, 0u, 3, "IconHorizontalSpacing write");
    screen.IconVerticalSpacing(80);
    expectLastCall(0x18, 80, 0u, 3, "IconVerticalSpacing write");

    EXPECT_EQ(screen.IconHorizontalSpacing(), 75);
    EXPECT_EQ(screen.IconVerticalSpacing(), 80);
}

TEST_F(ScreenInfoTest, UiParamSettingsReadThroughAValueOrTheMetrics) {
    ScreenInfo screen(windows);
    windows.setSpiValue(5, 4);
    EXPECT_EQ(screen.BorderMultiplier(), 4);
    expectLastCall(5, 0, std::nullopt, 0, "BorderMultiplier read");

    windows.setSpiValue(0x26, 1);
    EXPECT_TRUE(screen.DragFullWindows());
    windows.setSpiValue(0x19, 0);
    EXPECT_FALSE(screen.IconTitleWrap());
    windows.setSpiValue(0x1B, 1);
    EXPECT_TRUE(screen.MenuDropAlignment());

    windows.setMetric(38, 77);
    windows.setMetric(39, 79);
    windows.clearLogs();
    EXPECT_EQ(screen.IconHorizontalSpacing(), 77);
    EXPECT_EQ(screen.IconVerticalSpacing(), 79);
    EXPECT_TRUE(windows.spiCalls().empty());
}

TEST_F(ScreenInfoTest, GridGranularityKeepsTheSignedLowWord) {
    ScreenInfo screen(windows);
    windows.setSpiValue(0x12, 0x0001FFFF);
    EXPECT_EQ(screen.GridGranularity(), -1);
    windows.setSpiValue(0x12, 0x8000);
    EXPECT_EQ(screen.GridGranularity(), -32768);
    windows.setSpiValue(0x12, 0x00012345);
    EXPECT_EQ(screen.GridGranularity(), 0x2345);
}

TEST_F(ScreenInfoTest, MinAnimationGoesThroughAnAnimationInfo) {
    ScreenInfo screen(windows);
    screen.MinAnimation(true);
    expectLastCall(0x49, 8, std::nullopt, 3, "MinAnimation write");
    EXPECT_EQ(windows.spiStructure<win::ANIMATIONINFO>(0x48).iMinAnimate, -1);
    EXPECT_TRUE(screen.MinAnimation());
    expectLastCall(0x48, 8, std::nullopt, 0, "MinAnimation read");

    screen.MinAnimation(false);
    EXPECT_EQ(windows.spiStructure<win::ANIMATIONINFO>(0x48).iMinAnimate, 0);
    EXPECT_FALSE(screen.MinAnimation());
}

TEST_F(ScreenInfoTest, SetDeskPatternStoresAnEmptyPatternWithoutBroadcast) {
    ScreenInfo screen(windows);
    screen.SetDeskPattern();
    expectLastCall(0x15, 0, std::nullopt, 0, "SetDeskPattern");
}

// ---- the icon-title font ------------------------------------------------------------

win::LOGFONTA fontNamed(const char* face, win::LONG height) {
    win::LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = 400;
    font.lfCharSet = 0;
    std::strncpy(font.lfFaceName, face, sizeof font.lfFaceName);
    return font;
}

void useIconFont(fake::FakeWindows& windows, const win::LOGFONTA& font) {
    win::LOGFONTA copy = font;
    windows.SystemParametersInfoA(0x22, sizeof copy, &copy, 0);
}

TEST_F(ScreenInfoTest, IconFontNameReadsTheFaceUpToItsNul) {
    useIconFont(windows, fontNamed("MS Sans Serif", -11));
    ScreenInfo screen(windows);
    EXPECT_EQ(screen.IconFontName(), "MS Sans Serif");
    expectLastCall(0x1F, 0, std::nullopt, 0, "IconFontName read");
}

TEST_F(ScreenInfoTest, IconFontNameOfFortyCharactersStoresThe31First) {
    useIconFont(windows, fontNamed("Tahoma", -11));
    ScreenInfo screen(windows);
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    ASSERT_EQ(name.size(), 40u);

    screen.IconFontName(name);

    expectLastCall(0x22, 60, std::nullopt, 3, "IconFontName write");
    const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(0x1F);
    EXPECT_EQ(std::string(stored.lfFaceName, 31), name.substr(0, 31));
    EXPECT_EQ(stored.lfFaceName[31], '\0');
    EXPECT_EQ(stored.lfHeight, -11);
    EXPECT_EQ(stored.lfWeight, 400);
    EXPECT_EQ(screen.IconFontName(), name.substr(0, 31));
}

TEST_F(ScreenInfoTest, IconFontNameKeepsTheBytesAfterTheNewNul) {
    useIconFont(windows, fontNamed("Microsoft Sans Serif", -11));
    ScreenInfo screen(windows);

    screen.IconFontName("Arial");

    const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(0x1F);
    EXPECT_STREQ(stored.lfFaceName, "Arial");
    EXPECT_EQ(std::string(stored.lfFaceName + 6, 14), std::string("Microsoft Sans Serif").substr(6));
    // The metrics were asked for first, with their own size.
    bool askedMetrics = false;
    for (const auto& call : windows.spiCalls())
        if (call.action == 0x2D && call.uiParam == 76 && call.fWinIni == 0)
            askedMetrics = true;
    EXPECT_TRUE(askedMetrics);
}

TEST_F(ScreenInfoTest, IconFontNameEmptyStoresAnEmptyFace) {
    useIconFont(windows, fontNamed("Tahoma", -11));
    ScreenInfo screen(windows);
    screen.IconFontName("");
    EXPECT_EQ(windows.spiStructure<win::LOGFONTA>(0x1F).lfFaceName[0], '\0');
    EXPECT_EQ(screen.IconFontName(), "");
}

struct FontSizeCase {
    int dpi;
    win::LONG height;
    std::int16_t points;
};

class IconFontSize : public ScreenInfoTest, public ::testing::WithParamInterface<FontSizeCase> {};

TEST_P(IconFontSize, ReadsPointsFromTheHeight) {
    windows.setLogPixels(GetParam().dpi);
    useIconFont(windows, fontNamed("Tahoma", GetParam().height));
    ScreenInfo screen(windows);
    windows.clearLogs();

    EXPECT_EQ(screen.IconFontSize(), GetParam().points);

    // The display's information context is opened and released again.
    int created = 0, deleted = 0;
    for (const std::string& line : windows.callLog()) {
        created += line.rfind("CreateICA(\"DISPLAY\"", 0) == 0;
        deleted += line.rfind("DeleteDC(", 0) == 0;
    }
    EXPECT_EQ(created, 1);
    EXPECT_EQ(deleted, 1);
}

TEST_P(IconFontSize, WritesTheHeightForThePoints) {
    windows.setLogPixels(GetParam().dpi);
    useIconFont(windows, fontNamed("Tahoma", -1));
    ScreenInfo screen(windows);

    screen.IconFontSize(GetParam().points);

    expectLastCall(0x22, 60, std::nullopt, 3, "IconFontSize write");
    const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(0x1F);
    EXPECT_EQ(stored.lfHeight, -static_cast<win::LONG>(GetParam().points * GetParam().dpi / 72));
    EXPECT_STREQ(stored.lfFaceName, "Tahoma");
}

INSTANTIATE_TEST_SUITE_P(Dpi, IconFontSize,
                         ::testing::Values(FontSizeCase{96, -12, 9}, FontSizeCase{120, -15, 9},
                                           FontSizeCase{96, -16, 12}, FontSizeCase{120, -20, 12}));

TEST_F(ScreenInfoTest, IconFontSizeRoundsAFractionalSizeUp) {
    windows.setLogPixels(96);
    useIconFont(windows, fontNamed("Tahoma", -11));
    ScreenInfo screen(windows);
    EXPECT_EQ(screen.IconFontSize(), 9); // -floor(-8.25)
}

TEST_F(ScreenInfoTest, IconFontSizeWithoutADisplayContextReadsZeroAndWritesNothing) {
    // No context gives no dpi to scale by: nothing sensible to divide by.
    useIconFont(windows, fontNamed("Tahoma", -11));
    windows.failOn("CreateICA", 1, win::ERROR_NOT_ENOUGH_MEMORY);
    windows.failOn("CreateICA", 2, win::ERROR_NOT_ENOUGH_MEMORY);
    ScreenInfo screen(windows);
    windows.clearLogs();

    EXPECT_EQ(screen.IconFontSize(), 0);
    screen.IconFontSize(12);

    EXPECT_EQ(windows.spiStructure<win::LOGFONTA>(0x1F).lfHeight, -11);
    for (const auto& call : windows.spiCalls())
        EXPECT_NE(call.action, 0x22u);
}

// ---- the work area ---------------------------------------------------------------

TEST_F(ScreenInfoTest, GetWorkareaReturnsTheFourEdges) {
    win::RECT area{10, 20, 790, 570};
    windows.SystemParametersInfoA(0x2F, 0, &area, 0);
    ScreenInfo screen(windows);

    std::int32_t left = -1, top = -1, right = -1, bottom = -1;
    screen.GetWorkarea(left, top, right, bottom);

    EXPECT_EQ(left, 10);
    EXPECT_EQ(top, 20);
    EXPECT_EQ(right, 790);
    EXPECT_EQ(bottom, 570);
    expectLastCall(0x30, 0, std::nullopt, 0, "GetWorkarea");
}

TEST_F(ScreenInfoTest, SetWorkAreaWithOnlyRightMovesOnlyTheRightEdge) {
    win::RECT area{10, 20, 790, 570};
    windows.SystemParametersInfoA(0x2F, 0, &area, 0);
    ScreenInfo screen(windows);

    screen.SetWorkArea(std::nullopt, std::nullopt, 700);

    expectLastCall(0x2F, 0, std::nullopt, 3, "SetWorkArea");
    const win::RECT stored = windows.spiStructure<win::RECT>(0x30);
    EXPECT_EQ(stored.left, 10);
    EXPECT_EQ(stored.top, 20);
    EXPECT_EQ(stored.right, 700);
    EXPECT_EQ(stored.bottom, 570);
}

} // namespace
