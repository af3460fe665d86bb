// The report program's lines on the fake Windows: every line has its form, the
// version text reads as Windows 2000 names itself, members a version lacks say
// so, and the report writes nothing to Windows.
#include "sysreport/SystemReport.h"

#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

std::map<std::string, std::string> reportOn(fake::FakeWindows& windows) {
    std::ostringstream out;
    sysreport::writeReport(windows, out);
    std::map<std::string, std::string> lines;
    std::istringstream in(out.str());
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find(" = ");
        EXPECT_NE(equals, std::string::npos) << line;
        EXPECT_TRUE(lines.emplace(line.substr(0, equals), line.substr(equals + 3)).second)
            << "twice: " << line;
    }
    return lines;
}

TEST(SystemReport, Windows2000) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::Win2000);
    auto lines = reportOn(windows);
    EXPECT_EQ(lines["SystemInfo.OSVersion"],
              "Microsoft Windows 2000 Professional version 5.0 Service Pack 4 (Build 2195)");
    EXPECT_EQ(lines["NonClientMetrics.CaptionFont.Size"], "9"); // MS Sans Serif -11 at 96 dpi
    EXPECT_EQ(lines["Mouse.MouseTrails"], "unsupported");
    EXPECT_EQ(lines["Accessibility.ssFSTextEffect"], "unsupported");
    EXPECT_EQ(lines["MemoryStatus.AvailableExtendedVirtual"].find("unsupported"), std::string::npos);
    EXPECT_GT(lines.size(), 200u);
    for (const fake::SpiCall& call : windows.spiCalls())
        EXPECT_EQ(call.fWinIni, 0u) << "action " << call.action << " wrote to Windows";
}

TEST(SystemReport, Windows95SaysWhatItLacks) {
    fake::FakeWindows windows;
    windows.useVersion(fake::Version::Win95);
    auto lines = reportOn(windows);
    EXPECT_EQ(lines["SystemInfo.OSVersion"], "Microsoft Windows 95");
    EXPECT_EQ(lines["Mouse.HoverX"], "unsupported");
    EXPECT_EQ(lines["Accessibility.atAvailable"], "True");
}

} // namespace
