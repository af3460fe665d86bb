#include "system/PowerStatus.h"

#include "platform/InputFacts.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

namespace sys {

static_assert(sizeof(win::SYSTEM_POWER_STATUS) == 12, "SYSTEM_POWER_STATUS layout");

namespace {

constexpr std::uint8_t Unknown = 255;
constexpr std::uint8_t Charging = 8;

// A drive's device, opened from a drive letter (or any text that starts with
// one) for one request and closed when the request is done. A drive that could
// not be opened is handle 0: the request gets it as it is, and nothing is closed.
class DriveDevice {
public:
    DriveDevice(win::WindowsApi& api, const std::string& driveCharacter) : api_(api) {
        const std::string path = "\\\\.\\" + driveCharacter.substr(0, 1) + ":";
        const win::HANDLE device = api_.CreateFileA(
            path.c_str(), 0, win::FILE_SHARE_READ | win::FILE_SHARE_WRITE, nullptr, win::OPEN_EXISTING, 0, 0);
        handle_ = device == win::INVALID_HANDLE_VALUE ? 0 : device;
    }
    ~DriveDevice() {
        if (handle_ != 0)
            api_.CloseHandle(handle_);
    }
    DriveDevice(const DriveDevice&) = delete;
    DriveDevice& operator=(const DriveDevice&) = delete;

    win::HANDLE handle() const { return handle_; }

private:
    win::WindowsApi& api_;
    win::HANDLE handle_ = 0;
};

} // namespace

PowerStatus::PowerStatus(win::WindowsApi& api) : api_(api), gates_(api) {}

// NT 4 has no power status.
bool PowerStatus::statusSupported() {
    return admitted(gates_, win::VersionGate::Win9xOr2000, RaiseErrors, "PowerStatus");
}

// Windows 95 and NT 4 have no power-management calls.
bool PowerStatus::powerManagementSupported() {
    return admitted(gates_, win::VersionGate::WinLevel5, RaiseErrors, "PowerStatus");
}

bool PowerStatus::readStatus() {
    return api_.GetSystemPowerStatus(&status_) != win::FALSE;
}

std::int32_t PowerStatus::ACLineStatus() {
    if (!statusSupported())
        return 0;
    return readStatus() ? status_.ACLineStatus : Unknown;
}

std::int32_t PowerStatus::BatteryState() {
    if (!statusSupported())
        return 0;
    if (!readStatus() || status_.BatteryFlag == Unknown)
        return Unknown;
    return status_.BatteryFlag & ~Charging & 0xFF;
}

bool PowerStatus::BatteryCharging() {
    if (!statusSupported())
        return false;
    return readStatus() && status_.BatteryFlag != Unknown && (status_.BatteryFlag & Charging) != 0;
}

std::uint8_t PowerStatus::BatteryLifePercent() {
    if (!statusSupported())
        return 0;
    return readStatus() ? status_.BatteryLifePercent : Unknown;
}

std::int32_t PowerStatus::BatteryLifeTime() {
    if (!statusSupported())
        return 0;
    return readStatus() ? static_cast<std::int32_t>(status_.BatteryLifeTime) : -1;
}

std::int32_t PowerStatus::BatteryFullLifeTime() {
    if (!statusSupported())
        return 0;
    return readStatus() ? static_cast<std::int32_t>(status_.BatteryFullLifeTime) : -1;
}

std::int32_t PowerStatus::Suspend() {
    if (!statusSupported())
        return 0;
    return api_.SetSystemPowerState(win::TRUE, win::TRUE);
}

void PowerStatus::WakeUpLatency(std::int32_t value) {
    if (powerManagementSupported())
        api_.RequestWakeupLatency(value);
}

void PowerStatus::RemainAwake(std::int32_t value) {
    if (powerManagementSupported())
        api_.SetThreadExecutionState(static_cast<win::DWORD>(value));
}

bool PowerStatus::IsSystemResumeAuto() {
    if (!powerManagementSupported())
        return false;
    return api_.IsSystemResumeAutomatic() != win::FALSE;
}

void PowerStatus::RequestWakeup(const std::string& DriveCharacter) {
    if (!powerManagementSupported())
        return;
    const DriveDevice device(api_, DriveCharacter);
    api_.RequestDeviceWakeup(device.handle());
}

void PowerStatus::CancelWakeUpRequest(const std::string& DriveCharacter) {
    if (!powerManagementSupported())
        return;
    const DriveDevice device(api_, DriveCharacter);
    api_.CancelDeviceWakeupRequest(device.handle());
}

bool PowerStatus::DrivePowerState(const std::string& DriveCharacter) {
    if (!powerManagementSupported())
        return false;
    const DriveDevice device(api_, DriveCharacter);
    win::BOOL on = win::FALSE;
    return api_.GetDevicePowerState(device.handle(), &on) != win::FALSE && on != win::FALSE;
}

} // namespace sys
