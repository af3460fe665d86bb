// The version tag on every Windows the fake can play, and LoWord's sign.
#include "system/modWinVersion.h"

#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace {

struct VersionCase {
    fake::Version version;
    const char* tag;
};

const VersionCase versionCases[] = {
    {fake::Version::Win95, "95"},        {fake::Version::Win95OSR2, "95"},
    {fake::Version::Win98, "98"},        {fake::Version::Win98SE, "98"},
    {fake::Version::WinME, "ME"},        {fake::Version::NT351, "NT"},
    {fake::Version::NT4, "NT"},          {fake::Version::Win2000, "2000"},
    {fake::Version::WinXP, "2000"},      {fake::Version::Vista, ""},
    {fake::Version::Win95Build1212, ""}, {fake::Version::BuildLowWord40000, ""},
    {fake::Version::Failing, ""},
};

class GetWinVersionOnProfile : public ::testing::TestWithParam<VersionCase> {};

TEST_P(GetWinVersionOnProfile, GivesTheTagOfTheVersion) {
    fake::FakeWindows windows;
    windows.useVersion(GetParam().version);
    windows.clearLogs();

    EXPECT_EQ(sys::GetWinVersion(windows), GetParam().tag) << fake::profileOf(GetParam().version).name;

    // One GetVersionExA and nothing else.
    ASSERT_EQ(windows.log.lines.size(), 1u);
    EXPECT_EQ(windows.log.lines[0], "GetVersionExA(148)");
}

INSTANTIATE_TEST_SUITE_P(EveryProfile, GetWinVersionOnProfile, ::testing::ValuesIn(versionCases),
                         [](const ::testing::TestParamInfo<VersionCase>& info) {
                             std::string name = fake::profileOf(info.param.version).name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(LoWord, KeepsTheLowWordAsASignedNumber) {
    EXPECT_EQ(sys::LoWord(0x040A07CEu), 1998);
    EXPECT_EQ(sys::LoWord(0x045A0BB8u), 3000);
    EXPECT_EQ(sys::LoWord(40000u), -25536);
    EXPECT_EQ(sys::LoWord(0x0000FFFFu), -1);
    EXPECT_EQ(sys::LoWord(0x00018000u), -32768);
    EXPECT_EQ(sys::LoWord(0x7FFFu), 32767);
}

} // namespace
