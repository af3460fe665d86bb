// Screen and desktop settings: the version gates, and each setting written and
// read back through the fake Windows (which the contract suite holds to the real
// one), with the conversions ScreenInfo makes on the way.
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

// ---- gates ---------------------------------------------------------------------

enum class Gate { WinLevel5, Win2000 };

struct GatedMember {
    const char* name;
    Gate gate;
    // Uses the member once: a read gives its value (the text's length for a
    // string), a write gives 0.
    std::function<std::int64_t(ScreenInfo&)> use;
};

// One member of each way of being gated: a switch and a number at level 5, a
// switch and the wallpaper text on Windows 2000, a metric at level 5.
const std::vector<GatedMember>& gatedMembers() {
    static const std::vector<GatedMember> members = {
        {"MenuAnimation write", Gate::WinLevel5,
         [](ScreenInfo& s) {
             s.MenuAnimation(true);
             return std::int64_t{0};
         }},
        {"ForegroundFlashCount read", Gate::WinLevel5,
         [](ScreenInfo& s) { return s.ForegroundFlashCount(); }},
        {"TooltipFade read", Gate::Win2000, [](ScreenInfo& s) { return std::int64_t{s.TooltipFade()}; }},
        {"DesktopWallpaper read", Gate::Win2000,
         [](ScreenInfo& s) { return static_cast<std::int64_t>(s.DesktopWallpaper().size()); }},
        {"VirtualScreenWidth read", Gate::WinLevel5, [](ScreenInfo& s) { return s.VirtualScreenWidth(); }},
    };
    return members;
}

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

// The gates follow the version; setting the wallpaper works on every one.
TEST(ScreenInfoGates, FollowTheVersion) {
    for (const VersionCase& c : versionCases) {
        fake::FakeWindows windows;
        windows.useVersion(c.version);
        ScreenInfo screen(windows);
        EXPECT_EQ(screen.WinLevel(), c.winLevel) << static_cast<int>(c.version);
        EXPECT_EQ(screen.IsWin2000(), c.isWin2000) << static_cast<int>(c.version);
        screen.DesktopWallpaper("C:\\Program Files\\Decorama\\Sunset.bmp");
        EXPECT_EQ(windows.deskWallpaper(), "C:\\Program Files\\Decorama\\Sunset.bmp")
            << static_cast<int>(c.version);
    }
}

// Every setting the gated members read is non-zero, so a supported read shows.
void fillGatedSettings(fake::FakeWindows& windows) {
    ScreenInfo screen(windows);
    screen.RaiseErrors = false;
    screen.ForegroundFlashCount(3);
    screen.TooltipFade(true);
    screen.DesktopWallpaper("C:\\WINDOWS\\Clouds.bmp");
    windows.setMetric(78, 2048); // the virtual screen's width
}

// On one Windows of each gate level, every gated member either works (one call
// to Windows) or, unsupported, raises the operating-system error, or with
// RaiseErrors off gives zero, calling nothing either way.
TEST(ScreenInfoGates, GatedMembersWorkOnlyWhereSupported) {
    for (const fake::Version version : {fake::Version::Win95, fake::Version::Win98, fake::Version::Win2000}) {
        fake::FakeWindows windows;
        windows.useVersion(version);
        fillGatedSettings(windows);
        for (const GatedMember& member : gatedMembers()) {
            for (const bool raise : {true, false}) {
                ScreenInfo screen(windows);
                screen.RaiseErrors = raise;
                const bool supported =
                    member.gate == Gate::WinLevel5 ? screen.WinLevel() >= 5 : screen.IsWin2000();
                const std::string what =
                    std::string(member.name) + " on " + std::to_string(static_cast<int>(version));
                windows.clearLogs();
                std::int64_t result = 0;
                try {
                    result = member.use(screen);
                    EXPECT_TRUE(supported || !raise) << what << " did not raise";
                } catch (const rt::Error& error) {
                    EXPECT_FALSE(supported) << what;
                    EXPECT_EQ(error.number(), static_cast<std::int32_t>(0x800413FAu)) << what;
                    EXPECT_EQ(error.description(), "Invalid for this operating system.");
                    EXPECT_EQ(error.source(), "Screen");
                }
                EXPECT_EQ(windows.callLog().size(), supported ? 1u : 0u) << what;
                if (std::strstr(member.name, " read")) {
                    EXPECT_EQ(result != 0, supported) << what;
                }
            }
        }
    }
}

// ---- settings written and read back ------------------------------------------------

class ScreenInfoTest : public ::testing::Test {
protected:
    void SetUp() override { windows.useVersion(fake::Version::Win2000); }
    fake::FakeWindows windows;
};

struct SwitchRow {
    const char* name;
    std::function<bool(ScreenInfo&)> read;
    std::function<void(ScreenInfo&, bool)> write;
};

// clang-format off
#define SWITCH_ROW(Name) \
    SwitchRow{#Name, [](ScreenInfo& screen) { return screen.Name(); }, \
              [](ScreenInfo& screen, bool value) { screen.Name(value); }}
// clang-format on

// Each switch reads back what was written to it, and only it: two members
// sharing a setting, or a get and set that do not pair, show here.
TEST_F(ScreenInfoTest, EachSwitchReadsBackAloneWhatWasWritten) {
    const std::vector<SwitchRow> rows = {
        SWITCH_ROW(MenuAnimation),     SWITCH_ROW(MenuFade),
        SWITCH_ROW(ComboBoxAnimation), SWITCH_ROW(ListboxSmoothScrolling),
        SWITCH_ROW(GradientCaptions),  SWITCH_ROW(MenuKeysAlwaysUnderlined),
        SWITCH_ROW(HotTracking),       SWITCH_ROW(SelectionFade),
        SWITCH_ROW(TooltipAnimation),  SWITCH_ROW(TooltipFade),
        SWITCH_ROW(UIEffects),         SWITCH_ROW(DragFullWindows),
        SWITCH_ROW(IconTitleWrap),     SWITCH_ROW(MenuDropAlignment),
        SWITCH_ROW(MinAnimation),
    };
    ScreenInfo screen(windows);
    for (const SwitchRow& row : rows)
        row.write(screen, false);
    for (const SwitchRow& on : rows) {
        on.write(screen, true);
        for (const SwitchRow& row : rows)
            EXPECT_EQ(row.read(screen), &row == &on) << row.name << " after setting " << on.name;
        on.write(screen, false);
        EXPECT_FALSE(on.read(screen)) << on.name;
    }
}

#undef SWITCH_ROW

TEST_F(ScreenInfoTest, NumbersReadBackWhatWasWritten) {
    ScreenInfo screen(windows);
    screen.ForegroundLockTimeOut(200000);
    screen.ForegroundFlashCount(7);
    screen.BorderMultiplier(3);
    screen.GridGranularity(8);
    screen.IconHorizontalSpacing(75);
    screen.IconVerticalSpacing(80);
    EXPECT_EQ(screen.ForegroundLockTimeOut(), 200000);
    EXPECT_EQ(screen.ForegroundFlashCount(), 7);
    EXPECT_EQ(screen.BorderMultiplier(), 3);
    EXPECT_EQ(screen.GridGranularity(), 8);
    EXPECT_EQ(screen.IconHorizontalSpacing(), 75);
    EXPECT_EQ(screen.IconVerticalSpacing(), 80);
}

TEST_F(ScreenInfoTest, GridGranularityKeepsTheSignedLowWord) {
    ScreenInfo screen(windows);
    const struct {
        win::UINT stored;
        std::int32_t read;
    } rows[] = {{0x0001FFFF, -1}, {0x8000, -32768}, {0x00012345, 0x2345}};
    for (const auto& row : rows) {
        windows.setSpiValue(0x12, row.stored);
        EXPECT_EQ(screen.GridGranularity(), row.read) << row.stored;
    }
}

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

TEST_F(ScreenInfoTest, DesktopWallpaperReadsBackCutToThePathBuffer) {
    ScreenInfo screen(windows);
    screen.DesktopWallpaper("C:\\WINNT\\Sunset.bmp");
    EXPECT_EQ(screen.DesktopWallpaper(), "C:\\WINNT\\Sunset.bmp");
    const std::string path = "C:\\" + std::string(300, 'w') + ".bmp";
    screen.DesktopWallpaper(path);
    EXPECT_EQ(screen.DesktopWallpaper(), path.substr(0, 259));
}

// The pattern is emptied without telling the open windows.
TEST_F(ScreenInfoTest, SetDeskPatternStoresAnEmptyPatternWithoutBroadcast) {
    ScreenInfo screen(windows);
    screen.SetDeskPattern();
    ASSERT_FALSE(windows.spiCalls().empty());
    EXPECT_EQ(windows.spiCalls().back().fWinIni, 0u);
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

// The face is cut to 31 characters; what followed the old name's end stays.
TEST_F(ScreenInfoTest, IconFontNameKeepsTheRestOfTheFont) {
    const std::string forty = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn";
    const struct {
        const char* before;
        std::string written;
        std::string read;
    } rows[] = {{"Tahoma", forty, forty.substr(0, 31)},
                {"Microsoft Sans Serif", "Arial", "Arial"},
                {"Tahoma", "", ""}};
    for (const auto& row : rows) {
        useIconFont(windows, fontNamed(row.before, -11));
        ScreenInfo screen(windows);
        screen.IconFontName(row.written);
        EXPECT_EQ(screen.IconFontName(), row.read) << row.written;
        const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(0x1F);
        EXPECT_EQ(stored.lfHeight, -11);
        EXPECT_EQ(stored.lfWeight, 400);
        const std::string before = row.before;
        for (std::size_t i = row.read.size() + 1; i < before.size(); ++i)
            EXPECT_EQ(stored.lfFaceName[i], before[i]) << row.written << " at " << i;
    }
}

// Points from the height at the display's dots per inch, rounded up; the height
// written for the points. The display's context is released again.
TEST_F(ScreenInfoTest, IconFontSizeConvertsAtTheDisplaysResolution) {
    const struct {
        int dpi;
        win::LONG height;
        std::int16_t points;
    } rows[] = {{96, -12, 9}, {120, -15, 9}, {96, -16, 12}, {120, -20, 12}, {96, -11, 9}};
    for (const auto& row : rows) {
        windows.setLogPixels(row.dpi);
        useIconFont(windows, fontNamed("Tahoma", row.height));
        ScreenInfo screen(windows);
        windows.clearLogs();
        EXPECT_EQ(screen.IconFontSize(), row.points) << row.height << " at " << row.dpi;
        int created = 0, deleted = 0;
        for (const std::string& line : windows.callLog()) {
            created += line.rfind("CreateICA(", 0) == 0;
            deleted += line.rfind("DeleteDC(", 0) == 0;
        }
        EXPECT_EQ(created, deleted);

        screen.IconFontSize(row.points);
        const win::LOGFONTA stored = windows.spiStructure<win::LOGFONTA>(0x1F);
        EXPECT_EQ(stored.lfHeight, -static_cast<win::LONG>(row.points * row.dpi / 72));
        EXPECT_STREQ(stored.lfFaceName, "Tahoma");
    }
}

TEST_F(ScreenInfoTest, IconFontSizeWithoutADisplayContextReadsZeroAndWritesNothing) {
    // No context gives no dpi to scale by: nothing sensible to divide by.
    useIconFont(windows, fontNamed("Tahoma", -11));
    windows.failOn("CreateICA", 1, win::ERROR_NOT_ENOUGH_MEMORY);
    windows.failOn("CreateICA", 2, win::ERROR_NOT_ENOUGH_MEMORY);
    ScreenInfo screen(windows);
    EXPECT_EQ(screen.IconFontSize(), 0);
    screen.IconFontSize(12);
    EXPECT_EQ(windows.spiStructure<win::LOGFONTA>(0x1F).lfHeight, -11);
}

// Only the edges given move.
TEST_F(ScreenInfoTest, WorkAreaReadsBackWithTheEdgesGiven) {
    win::RECT area{10, 20, 790, 570};
    windows.SystemParametersInfoA(0x2F, 0, &area, 0);
    ScreenInfo screen(windows);
    screen.SetWorkArea(std::nullopt, std::nullopt, 700);
    std::int32_t left = -1, top = -1, right = -1, bottom = -1;
    screen.GetWorkarea(left, top, right, bottom);
    EXPECT_EQ((std::vector<std::int32_t>{left, top, right, bottom}),
              (std::vector<std::int32_t>{10, 20, 700, 570}));
}

} // namespace
