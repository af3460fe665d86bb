// The version gates of the settings classes, one member per kind of gate of
// each class: where the gate is open the member reaches Windows; where it is
// closed the member raises "Invalid for this operating system." from its class,
// or with RaiseErrors off gives zero without calling Windows for it.
#include "system/Accessibility.h"
#include "system/MemoryStatus.h"
#include "system/Mouse.h"
#include "system/PowerStatus.h"
#include "system/ScreenInfo.h"
#include "system/SystemColorsFast.h"
#include "system/SystemInfo.h"

#include "system/VersionGates.h"

#include "runtime/Error.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>

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

const GateRow rows[] = {
    {"ScreenInfo.ForegroundFlashCount",
     "Screen",
     {Version::Win98, Version::Win2000},
     use<sys::ScreenInfo>([](auto& s) { return s.ForegroundFlashCount(); })},
    {"ScreenInfo.TooltipFade", "Screen", {Version::Win2000}, use<sys::ScreenInfo>([](auto& s) {
         return std::int64_t{s.TooltipFade()};
     })},
    {"SystemColorsFast.ActiveGradientColor",
     "SystemColors",
     {Version::Win98, Version::Win2000},
     [](fake::FakeWindows& windows, bool raise) {
         sys::SystemColorsFast colors(windows, windows, "Decorama");
         colors.RaiseErrors = raise;
         return std::int64_t{colors.ActiveGradientColor()};
     }},
    {"Accessibility.fkHotKeySound",
     "Accessibility",
     {Version::Win95, Version::Win98, Version::Win2000},
     use<sys::Accessibility>([](auto& a) { return std::int64_t{a.fkHotKeySound()}; })},
    {"Accessibility.mkMouseMode",
     "Accessibility",
     {Version::Win98, Version::Win2000},
     use<sys::Accessibility>([](auto& a) { return std::int64_t{a.mkMouseMode()}; })},
    {"Accessibility.ssFSTextEffect",
     "Accessibility",
     {Version::Win95, Version::Win98},
     use<sys::Accessibility>([](auto& a) { return std::int64_t{a.ssFSTextEffect()}; })},
    {"Mouse.HoverX", "Mouse", {Version::Win98, Version::NT4, Version::Win2000}, use<sys::Mouse>([](auto& m) {
         return std::int64_t{m.HoverX()};
     })},
    {"Mouse.MouseTrails write", "Mouse", {Version::Win95, Version::Win98}, use<sys::Mouse>([](auto& m) {
         return m.MouseTrails(2), std::int64_t{0};
     })},
    {"Mouse.ActiveWindowTracking", "Mouse", {Version::Win98, Version::Win2000}, use<sys::Mouse>([](auto& m) {
         return std::int64_t{m.ActiveWindowTracking()};
     })},
    // The wheel write never reports; its read does.
    {"Mouse.WheelScrollLines write",
     "Mouse",
     {Version::Win95, Version::Win98, Version::NT4, Version::Win2000},
     use<sys::Mouse>([](auto& m) { return m.WheelScrollLines(5), std::int64_t{0}; })},
    {"SystemInfo.ScreenSaverRunning",
     "SystemInfo",
     {Version::Win98, Version::Win2000},
     use<sys::SystemInfo>([](auto& i) { return std::int64_t{i.ScreenSaverRunning()}; })},
    {"SystemInfo.ServicePackMajorVersion",
     "SystemInfo",
     {Version::Win2000},
     use<sys::SystemInfo>([](auto& i) { return std::int64_t{i.ServicePackMajorVersion()}; })},
    {"PowerStatus.ACLineStatus",
     "PowerStatus",
     {Version::Win95, Version::Win98, Version::Win2000},
     use<sys::PowerStatus>([](auto& p) { return std::int64_t{p.ACLineStatus()}; })},
    {"PowerStatus.WakeUpLatency",
     "PowerStatus",
     {Version::Win98, Version::Win2000},
     use<sys::PowerStatus>([](auto& p) { return p.WakeUpLatency(1), std::int64_t{0}; })},
    {"MemoryStatus.AvailableExtendedVirtual",
     "MemoryStatus",
     {Version::Win2000},
     use<sys::MemoryStatus>([](auto& m) { return std::int64_t{m.AvailableExtendedVirtual()}; })},
};

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

struct LevelCase {
    fake::Version version;
    std::int32_t winLevel;
    bool isWin2000;
};

const LevelCase levelCases[] = {
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

// The settings level and the Windows 2000 test of each version record; the
// wallpaper, which no gate guards, is set on every one.
TEST(VersionGates, LevelOfEachVersionRecord) {
    for (const LevelCase& c : levelCases) {
        fake::FakeWindows windows;
        windows.useVersion(c.version);
        const sys::VersionGates gates(windows);
        EXPECT_EQ(gates.settingsLevel(), c.winLevel) << static_cast<int>(c.version);
        EXPECT_EQ(gates.isWin2000(), c.isWin2000) << static_cast<int>(c.version);
        sys::ScreenInfo(windows).DesktopWallpaper("C:\\Sunset.bmp");
        EXPECT_EQ(windows.deskWallpaper(), "C:\\Sunset.bmp") << static_cast<int>(c.version);
    }
}

} // namespace
