// The version tag, the settings level and the version gates of the settings
// classes, one member per kind of gate of each class: where the gate is open the
// member reaches Windows; where it is closed the member raises "Invalid for this
// operating system." from its class, or with RaiseErrors off gives zero without
// calling Windows for it.
#include "system/Accessibility.h"
#include "system/MemoryStatus.h"
#include "system/Mouse.h"
#include "system/PowerStatus.h"
#include "system/ScreenInfo.h"
#include "system/SystemColorsFast.h"
#include "system/SystemInfo.h"

#include "system/VersionGates.h"
#include "system/modWinVersion.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using fake::Version;
using Use = std::function<std::int64_t(fake::FakeWindows&, bool raise)>;

// Builds the class with RaiseErrors as given and uses the member once.
template <class Class> Use use(std::function<std::int64_t(Class&)> member) {
    return [member](fake::FakeWindows& windows, bool raise) {
        Class object(windows);
        object.RaiseErrors = raise;
        return member(object);
    };
}

struct GateRow {
    const char* member;
    const char* source;
    std::set<Version> open; // of Win95, Win98, NT4, Win2000
    Use use;
};

// clang-format off
// A member read, or written with a value, through a fresh object of its class.
#define READ(Class, Member, source, ...)                                                                     \
    {#Class "." #Member, source, {__VA_ARGS__},                                                              \
     use<sys::Class>([](auto& o) { return static_cast<std::int64_t>(o.Member()); })}
#define WRITE(Class, Member, value, source, ...)                                                             \
    {#Class "." #Member " write", source, {__VA_ARGS__},                                                     \
     use<sys::Class>([](auto& o) { return o.Member(value), std::int64_t{0}; })}
constexpr Version W95 = Version::Win95, W98 = Version::Win98, NT4 = Version::NT4, W2000 = Version::Win2000;

const GateRow rows[] = {
    READ(ScreenInfo, ForegroundFlashCount, "Screen", W98, W2000),
    READ(ScreenInfo, TooltipFade, "Screen", W2000),
    {"SystemColorsFast.ActiveGradientColor", "SystemColors", {W98, W2000},
     [](fake::FakeWindows& windows, bool raise) {
         sys::SystemColorsFast colors(windows, windows, "Decorama");
         colors.RaiseErrors = raise;
         return std::int64_t{colors.ActiveGradientColor()};
     }},
    READ(Accessibility, fkHotKeySound, "Accessibility", W95, W98, W2000),
    READ(Accessibility, mkMouseMode, "Accessibility", W98, W2000),
    READ(Accessibility, ssFSTextEffect, "Accessibility", W95, W98),
    READ(Mouse, HoverX, "Mouse", W98, NT4, W2000),
    READ(Mouse, HoverDelay, "Mouse", W98, NT4, W2000),
    WRITE(Mouse, MouseTrails, 2, "Mouse", W95, W98),
    READ(Mouse, ActiveWindowTracking, "Mouse", W98, W2000),
    // The wheel write never reports; its read does.
    WRITE(Mouse, WheelScrollLines, 5, "Mouse", W95, W98, NT4, W2000),
    READ(SystemInfo, ScreenSaverRunning, "SystemInfo", W98, W2000),
    READ(SystemInfo, ServicePackMajorVersion, "SystemInfo", W2000),
    READ(PowerStatus, ACLineStatus, "PowerStatus", W95, W98, W2000),
    WRITE(PowerStatus, WakeUpLatency, 1, "PowerStatus", W98, W2000),
    READ(MemoryStatus, AvailableExtendedVirtual, "MemoryStatus", W2000),
};
// clang-format on

TEST(VersionGates, EachKindOfGateOfEachClassOpensOnlyOnItsVersions) {
    for (const Version version : {Version::Win95, Version::Win98, Version::NT4, Version::Win2000}) {
        for (const GateRow& row : rows) {
            SCOPED_TRACE(std::string(row.member) + " on version " +
                         std::to_string(static_cast<int>(version)));
            fake::FakeWindows windows;
            windows.useVersion(version);
            const bool open = row.open.count(version) != 0;
            try {
                row.use(windows, true);
                EXPECT_TRUE(open) << "did not raise";
            } catch (const rt::Error& error) {
                EXPECT_FALSE(open) << error.description();
                EXPECT_EQ(error.number(), rt::ErrUnsupported);
                EXPECT_EQ(error.description(), "Invalid for this operating system.");
                EXPECT_EQ(error.source(), row.source);
            }
            if (!open) {
                windows.clearLogs();
                EXPECT_EQ(row.use(windows, false), 0);
                // Only the questions that tell the version apart.
                for (const std::string& call : windows.log.lines)
                    EXPECT_TRUE(call.rfind("GetVersion", 0) == 0 || call.rfind("GetSystemInfo", 0) == 0)
                        << call;
            }
        }
    }
}

struct VersionCase {
    fake::Version version;
    const char* tag;
    std::int32_t winLevel;
    bool isWin2000;
};

const VersionCase versionCases[] = {
    {Version::Win95, "95", 4, false},        {Version::Win95OSR2, "95", 4, false},
    {Version::Win98, "98", 5, false},        {Version::Win98SE, "98", 5, false},
    {Version::WinME, "ME", 5, false},        {Version::NT351, "NT", 4, false},
    {Version::NT4, "NT", 4, false},          {Version::Win2000, "2000", 5, true},
    {Version::WinXP, "2000", 5, true},       {Version::Vista, "", 0, false},
    {Version::Win95Build1212, "", 4, false}, {Version::BuildLowWord40000, "", 5, false},
    {Version::Failing, "", 0, false},
};

// The tag (from one GetVersionExA and nothing else), the settings level and the
// Windows 2000 test of each version record; the wallpaper, which no gate guards,
// is set on every one.
TEST(VersionGates, TagAndLevelOfEachVersionRecord) {
    for (const VersionCase& c : versionCases) {
        SCOPED_TRACE(fake::profileOf(c.version).name);
        fake::FakeWindows windows;
        windows.useVersion(c.version);
        windows.clearLogs();
        EXPECT_EQ(sys::GetWinVersion(windows), c.tag);
        EXPECT_EQ(windows.log.lines, std::vector<std::string>{"GetVersionExA(148)"});
        const sys::VersionGates gates(windows);
        EXPECT_EQ(gates.settingsLevel(), c.winLevel);
        EXPECT_EQ(gates.isWin2000(), c.isWin2000);
        sys::ScreenInfo(windows).DesktopWallpaper("C:\\Sunset.bmp");
        EXPECT_EQ(windows.deskWallpaper(), "C:\\Sunset.bmp");
    }
}

TEST(VersionGates, LoWordKeepsTheLowWordAsASignedNumber) {
    const std::pair<win::DWORD, int> rows[] = {{0x040A07CEu, 1998}, {0x045A0BB8u, 3000},   {40000u, -25536},
                                               {0x0000FFFFu, -1},   {0x00018000u, -32768}, {0x7FFFu, 32767}};
    for (const auto& [value, low] : rows)
        EXPECT_EQ(sys::LoWord(value), low) << value;
}

} // namespace
