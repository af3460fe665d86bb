// The Windows versions the fake can play, each as the record GetVersionExA fills
// in on that version.
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
    win::DWORD platformId; // 0 where GetVersionExA fails
    win::DWORD major;
    win::DWORD minor;
    win::DWORD build; // on the 95 family the low word of dwBuildNumber, whose high word repeats major.minor
    const char* servicePack;
    win::WORD servicePackMajor;
};

// In the order of Version.
inline const VersionProfile versionProfiles[] = {
    {"Windows 95", win::VER_PLATFORM_WIN32_WINDOWS, 4, 0, 950, "", 0},
    {"Windows 95 OSR2", win::VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1111, " B", 0},
    {"Windows 98", win::VER_PLATFORM_WIN32_WINDOWS, 4, 10, 1998, " ", 0},
    {"Windows 98 SE", win::VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222, " A ", 0},
    {"Windows ME", win::VER_PLATFORM_WIN32_WINDOWS, 4, 90, 3000, " ", 0},
    {"Windows NT 3.51", win::VER_PLATFORM_WIN32_NT, 3, 51, 1057, "Service Pack 5", 5},
    {"Windows NT 4.0", win::VER_PLATFORM_WIN32_NT, 4, 0, 1381, "Service Pack 6", 6},
    {"Windows 2000", win::VER_PLATFORM_WIN32_NT, 5, 0, 2195, "Service Pack 4", 4},
    {"Windows XP", win::VER_PLATFORM_WIN32_NT, 5, 1, 2600, "Service Pack 3", 3},
    {"Windows Vista", win::VER_PLATFORM_WIN32_NT, 6, 0, 6000, "", 0},
    {"Windows 95 build 1212", win::VER_PLATFORM_WIN32_WINDOWS, 4, 0, 1212, "", 0},
    {"build low word 40000", win::VER_PLATFORM_WIN32_WINDOWS, 4, 10, 40000, "", 0},
    {"failing GetVersionExA", 0, 0, 0, 0, "", 0},
};
static_assert(std::size(versionProfiles) == static_cast<std::size_t>(Version::Failing) + 1);

inline const VersionProfile& profileOf(Version version) {
    return versionProfiles[static_cast<std::size_t>(version)];
}

inline bool isNtFamily(Version version) {
    return profileOf(version).platformId == win::VER_PLATFORM_WIN32_NT;
}

} // namespace fake
