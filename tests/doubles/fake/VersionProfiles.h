// The Windows versions the fake can play, each as the record GetVersionExA fills
// in on that version. Build numbers follow Windows: on the 95 family the high
// word of dwBuildNumber repeats major.minor and only the low word is the build.
#pragma once

#include "platform/WinTypes.h"

#include <string>

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
    Version version;
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
    const char* systemFolder;
};

const VersionProfile& profileOf(Version version);

bool isNtFamily(Version version);

} // namespace fake
