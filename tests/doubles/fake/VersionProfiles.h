// The Windows versions the fake can play, each as the record GetVersionExA fills
// in on that version. Build numbers follow Windows: on the 95 family the high
// word of dwBuildNumber repeats major.minor and only the low word is the build.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <iterator>

namespace fake {

enum class Version {
    Win95,
    Win95OSR2,
    Win98,
    Win98SE,
    WinME,
    NT351,
    NT4,
    Win2000,
    WinXP,
    Vista,
    Win95Build1212,
    BuildLowWord40000,
    Failing
};

struct VersionProfile {
    const char* name;
    bool getVersionFails;
    win::DWORD platformId;
    win::DWORD major;
    win::DWORD minor;
    win::DWORD buildNumber;
    const char* servicePack;
    win::WORD servicePackMajor;
    win::BYTE productType; // VER_NT_WORKSTATION (1) on NT, 0 on the 95 family
    const char* windowsFolder;
};

namespace versions {

inline constexpr win::DWORD W95 = win::VER_PLATFORM_WIN32_WINDOWS;
inline constexpr win::DWORD NT = win::VER_PLATFORM_WIN32_NT;

// The 95 family repeats major.minor in the high word of the build field.
constexpr win::DWORD build9x(win::DWORD major, win::DWORD minor, win::DWORD build) {
    return (major << 24) | (minor << 16) | build;
}

// In the order of Version.
inline const VersionProfile profiles[] = {
    {"Windows 95", false, W95, 4, 0, build9x(4, 0, 950), "", 0, 0, "C:\\WINDOWS"},
    {"Windows 95 OSR2", false, W95, 4, 0, build9x(4, 0, 1111), " B", 0, 0, "C:\\WINDOWS"},
    {"Windows 98", false, W95, 4, 10, build9x(4, 10, 1998), " ", 0, 0, "C:\\WINDOWS"},
    {"Windows 98 SE", false, W95, 4, 10, build9x(4, 10, 2222), " A ", 0, 0, "C:\\WINDOWS"},
    {"Windows ME", false, W95, 4, 90, build9x(4, 90, 3000), " ", 0, 0, "C:\\WINDOWS"},
    {"Windows NT 3.51", false, NT, 3, 51, 1057, "Service Pack 5", 5, 1, "C:\\WINNT"},
    {"Windows NT 4.0", false, NT, 4, 0, 1381, "Service Pack 6", 6, 1, "C:\\WINNT"},
    {"Windows 2000", false, NT, 5, 0, 2195, "Service Pack 4", 4, 1, "C:\\WINNT"},
    {"Windows XP", false, NT, 5, 1, 2600, "Service Pack 3", 3, 1, "C:\\WINDOWS"},
    {"Windows Vista", false, NT, 6, 0, 6000, "", 0, 1, "C:\\WINDOWS"},
    {"Windows 95 build 1212", false, W95, 4, 0, build9x(4, 0, 1212), "", 0, 0, "C:\\WINDOWS"},
    {"build low word 40000", false, W95, 4, 10, build9x(4, 10, 40000), "", 0, 0, "C:\\WINDOWS"},
    {"failing GetVersionExA", true, 0, 0, 0, 0, "", 0, 0, "C:\\WINDOWS"},
};
static_assert(std::size(profiles) == static_cast<std::size_t>(Version::Failing) + 1);

} // namespace versions

inline const VersionProfile& profileOf(Version version) {
    return versions::profiles[static_cast<std::size_t>(version)];
}

inline bool isNtFamily(Version version) {
    return profileOf(version).platformId == win::VER_PLATFORM_WIN32_NT;
}

} // namespace fake
