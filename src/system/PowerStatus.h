// Mains and battery state, wake-up and stay-awake requests, device power state
// and suspend. Every member asks Windows when it is called. The status reads and
// Suspend work on Windows 95, 98 and 2000; the other members need the power
// management of Windows 98 and 2000. NT 4 has none of them.
#pragma once

#include "system/VersionGates.h"

#include <cstdint>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

class PowerStatus {
public:
    explicit PowerStatus(win::WindowsApi& api);

    bool RaiseErrors = true;

    // 0 off line, 1 on line, 255 unknown.
    std::int32_t ACLineStatus();
    // The battery flags without the charging bit: 1 high, 2 low, 4 critical,
    // 128 no system battery; 255 unknown.
    std::int32_t BatteryState();
    bool BatteryCharging();
    // 0-100, 255 unknown.
    std::uint8_t BatteryLifePercent();
    // Seconds, -1 unknown.
    std::int32_t BatteryLifeTime();
    std::int32_t BatteryFullLifeTime();

    // Non-zero when the machine went to sleep and came back.
    std::int32_t Suspend();
    void WakeUpLatency(std::int32_t value);
    // The execution-state flags (ES_SYSTEM_REQUIRED, ES_DISPLAY_REQUIRED, ES_CONTINUOUS ...).
    void RemainAwake(std::int32_t value);
    bool IsSystemResumeAuto();

    // A drive letter, or any text that starts with one ("c:\" uses "c").
    void RequestWakeup(const std::string& DriveCharacter);
    void CancelWakeUpRequest(const std::string& DriveCharacter);
    bool DrivePowerState(const std::string& DriveCharacter);

private:
    bool statusSupported();
    bool powerManagementSupported();
    // False when the status cannot be read: the record then stands for "unknown".
    bool readStatus();

    win::WindowsApi& api_;
    const VersionGates gates_;
    win::SYSTEM_POWER_STATUS status_{};
};

} // namespace sys
