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

class VersionGates {
public:
    // Calls GetVersionExA once with the 148-byte OSVERSIONINFOA.
    explicit VersionGates(win::WindowsApi& api);

    // Platform 1 with minor version 0 (the 95 family reports 4.0).
    bool isWin95() const;
    // Platform 1, major 4, minor above 0: Windows 98 and ME.
    bool isWin98() const;
    // Platform 2 below major 5: NT 3.51 and NT 4.
    bool isNT4() const;
    // Platform 2, major exactly 5: Windows 2000 and XP.
    bool isWin2000() const;

    // The settings level: 4 on Windows 95 or NT 4, 5 on Windows 98 or 2000, 0 otherwise.
    std::int32_t settingsLevel() const;

    // Whether a settings-table row's gate lets this version through.
    bool opens(win::VersionGate gate) const;

    const win::OSVERSIONINFOA& record() const { return record_; }
    bool succeeded() const { return succeeded_; }

private:
    win::OSVERSIONINFOA record_{};
    bool succeeded_ = false;
};

} // namespace sys
