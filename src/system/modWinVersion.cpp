#include "system/modWinVersion.h"

#include "platform/WindowsApi.h"

namespace sys {
namespace {

// On the 95 family the high word of the build field repeats major.minor, so the
// rules look at the low word only; on NT the major version alone decides.
struct VersionRule {
    win::DWORD platformId;
    bool checksBuildAndMinor;
    std::int16_t build;
    win::DWORD minor;
    win::DWORD major;
    const char* tag;
};

constexpr VersionRule Rules[] = {
    {win::VER_PLATFORM_WIN32_WINDOWS, true, 1998, 10, 0, "98"},
    {win::VER_PLATFORM_WIN32_WINDOWS, true, 2222, 10, 0, "98"},
    {win::VER_PLATFORM_WIN32_WINDOWS, true, 3000, 90, 0, "ME"},
    {win::VER_PLATFORM_WIN32_WINDOWS, true, 950, 0, 0, "95"},
    {win::VER_PLATFORM_WIN32_WINDOWS, true, 1111, 0, 0, "95"},
    {win::VER_PLATFORM_WIN32_NT, false, 0, 0, 3, "NT"},
    {win::VER_PLATFORM_WIN32_NT, false, 0, 0, 4, "NT"},
    {win::VER_PLATFORM_WIN32_NT, false, 0, 0, 5, "2000"},
};

bool matches(const VersionRule& rule, const win::OSVERSIONINFOA& record) {
    if (record.dwPlatformId != rule.platformId)
        return false;
    if (rule.checksBuildAndMinor)
        return LoWord(record.dwBuildNumber) == rule.build && record.dwMinorVersion == rule.minor;
    return record.dwMajorVersion == rule.major;
}

} // namespace

std::int16_t LoWord(std::uint32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFFu));
}

std::string GetWinVersion(win::WindowsApi& api) {
    // A failed call leaves the record zeroed, and no rule knows platform 0.
    win::OSVERSIONINFOA record{};
    record.dwOSVersionInfoSize = sizeof record;
    if (api.GetVersionExA(&record) == win::FALSE)
        record = win::OSVERSIONINFOA{};

    for (const VersionRule& rule : Rules)
        if (matches(rule, record))
            return rule.tag;
    return std::string();
}

bool isNtFamily(const std::string& versionTag) {
    return versionTag == "NT" || versionTag == "2000";
}

std::string windowsFolderFor(const std::string& versionTag) {
    return isNtFamily(versionTag) ? "c:\\WINNT" : "c:\\WINDOWS";
}

} // namespace sys
