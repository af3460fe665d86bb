#include "system/VersionGates.h"

#include "platform/WindowsApi.h"

namespace sys {

static_assert(sizeof(win::OSVERSIONINFOA) == 148, "GetVersionExA expects the 148-byte record");

VersionGates::VersionGates(win::WindowsApi& api) {
    record_.dwOSVersionInfoSize = sizeof(win::OSVERSIONINFOA);
    succeeded_ = api.GetVersionExA(&record_) != win::FALSE;
}

VersionGates::VersionGates(const win::OSVERSIONINFOA& record) : record_(record), succeeded_(true) {}

bool isWin95(const win::OSVERSIONINFOA& record) {
    return record.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS && record.dwMinorVersion == 0;
}

bool isWin98(const win::OSVERSIONINFOA& record) {
    return record.dwPlatformId == win::VER_PLATFORM_WIN32_WINDOWS && record.dwMajorVersion == 4 &&
           record.dwMinorVersion > 0;
}

bool isNT4(const win::OSVERSIONINFOA& record) {
    return record.dwPlatformId == win::VER_PLATFORM_WIN32_NT && record.dwMajorVersion < 5;
}

bool isWin2000(const win::OSVERSIONINFOA& record) {
    return record.dwPlatformId == win::VER_PLATFORM_WIN32_NT && record.dwMajorVersion == 5;
}

std::int32_t settingsLevel(const win::OSVERSIONINFOA& record) {
    if (isWin95(record) || isNT4(record))
        return 4;
    if (isWin98(record) || isWin2000(record))
        return 5;
    return 0;
}

bool VersionGates::opens(win::VersionGate gate) const {
    switch (gate) {
    case win::VersionGate::None:
        return true;
    case win::VersionGate::WinLevel5:
        return settingsLevel() >= 5;
    case win::VersionGate::Win2000:
        return isWin2000();
    case win::VersionGate::Win98OrNT:
        return isWin98() || isNT4() || isWin2000();
    case win::VersionGate::NotWin95:
        return !isWin95();
    case win::VersionGate::Win9x:
        return isWin95() || isWin98();
    case win::VersionGate::Win9xOr2000:
        return isWin95() || isWin98() || isWin2000();
    }
    return false;
}

} // namespace sys
