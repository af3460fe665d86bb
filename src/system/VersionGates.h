// The version gates of the settings classes. Each class asks GetVersionExA once
// when it is created and keeps the answers it needs; a failed call leaves every
// gate closed.
#pragma once

#include "platform/Settings.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

// The version families as a GetVersionExA record tells them; an empty record
// (a failed call) is none of them.
// Platform 1 with minor version 0 (the 95 family reports 4.0).
bool isWin95(const win::OSVERSIONINFOA& record);
// Platform 1, major 4, minor above 0: Windows 98 and ME.
bool isWin98(const win::OSVERSIONINFOA& record);
// Platform 2 below major 5: NT 3.51 and NT 4.
bool isNT4(const win::OSVERSIONINFOA& record);
// Platform 2, major exactly 5: Windows 2000 and XP.
bool isWin2000(const win::OSVERSIONINFOA& record);
// The settings level: 4 on Windows 95 or NT 4, 5 on Windows 98 or 2000, 0 otherwise.
std::int32_t settingsLevel(const win::OSVERSIONINFOA& record);

class VersionGates {
public:
    // Calls GetVersionExA once with the 148-byte OSVERSIONINFOA.
    explicit VersionGates(win::WindowsApi& api);
    // The gates of a record the caller asked for itself; an emptied record (every
    // call failed) is none of the families.
    explicit VersionGates(const win::OSVERSIONINFOA& record);

    // The families above, all false when the call failed.
    bool isWin95() const { return succeeded_ && sys::isWin95(record_); }
    bool isWin98() const { return succeeded_ && sys::isWin98(record_); }
    bool isNT4() const { return succeeded_ && sys::isNT4(record_); }
    bool isWin2000() const { return succeeded_ && sys::isWin2000(record_); }

    std::int32_t settingsLevel() const { return succeeded_ ? sys::settingsLevel(record_) : 0; }
    // Platform 2, any version, as the record reads whether or not the call succeeded:
    // the families that keep the lock keys with the system and need the shut-down privilege.
    bool isNtPlatform() const { return record_.dwPlatformId == win::VER_PLATFORM_WIN32_NT; }

    // Whether a settings-table row's gate lets this version through.
    bool opens(win::VersionGate gate) const;

    const win::OSVERSIONINFOA& record() const { return record_; }
    bool succeeded() const { return succeeded_; }

private:
    win::OSVERSIONINFOA record_{};
    bool succeeded_ = false;
};

} // namespace sys
