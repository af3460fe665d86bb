#include "sysreport/SystemReport.h"

#include "runtime/Error.h"
#include "system/Accessibility.h"
#include "system/Keyboard.h"
#include "system/MemoryStatus.h"
#include "system/Mouse.h"
#include "system/NonClientMetrics.h"
#include "system/PowerStatus.h"
#include "system/SystemInfo.h"

#include <exception>
#include <functional>
#include <string>
#include <type_traits>

namespace sysreport {

namespace {

std::string text(bool value) {
    return value ? "True" : "False";
}
std::string text(const std::string& value) {
    return value;
}
template <class Number, class = std::enable_if_t<std::is_integral_v<Number>>> std::string text(Number value) {
    // Widened first, so a byte prints as a number and not as a character.
    if constexpr (std::is_signed_v<Number>)
        return std::to_string(static_cast<long long>(value));
    else
        return std::to_string(static_cast<unsigned long long>(value));
}

class Lines {
public:
    explicit Lines(std::ostream& out) : out_(out) {}

    // One property: its value, "unsupported" where this Windows lacks it, or the error it raised.
    void show(const std::string& name, const std::function<std::string()>& read) {
        std::string value;
        try {
            value = read();
        } catch (const rt::Error& error) {
            value = error.number() == rt::ErrUnsupported
                        ? "unsupported"
                        : "error " + std::to_string(error.number()) + ": " + error.description();
        } catch (const std::exception& error) {
            value = std::string("error: ") + error.what();
        }
        out_ << name << " = " << value << "\n";
    }

private:
    std::ostream& out_;
};

// clang-format off
#define SHOW(object, Class, Property) \
    lines.show(#Class "." #Property, [&] { return text(object.Property()); })
#define SHOW_WITH(object, Class, Property, Argument) \
    lines.show(#Class "." #Property "(" #Argument ")", [&] { return text(object.Property(Argument)); })
// clang-format on

void showFont(Lines& lines, const std::string& name, const sys::Font& font) {
    lines.show("NonClientMetrics." + name + ".Size", [&] { return text(font.Size); });
    lines.show("NonClientMetrics." + name + ".StrikeOut", [&] { return text(font.StrikeOut); });
    lines.show("NonClientMetrics." + name + ".Weight", [&] { return text(font.Weight); });
    lines.show("NonClientMetrics." + name + ".Italic", [&] { return text(font.Italic); });
    lines.show("NonClientMetrics." + name + ".Underline", [&] { return text(font.Underline); });
    lines.show("NonClientMetrics." + name + ".FaceName", [&] { return text(font.FaceName); });
}

void reportNonClientMetrics(Lines& lines, win::WindowsApi& api) {
    sys::NonClientMetrics metrics(api);
    SHOW(metrics, NonClientMetrics, BorderWidth);
    SHOW(metrics, NonClientMetrics, ScrollWidth);
    SHOW(metrics, NonClientMetrics, ScrollHeight);
    SHOW(metrics, NonClientMetrics, CaptionWidth);
    SHOW(metrics, NonClientMetrics, CaptionHeight);
    SHOW(metrics, NonClientMetrics, SmallCaptionButtonWidth);
    SHOW(metrics, NonClientMetrics, SmallCaptionButtonHeight);
    SHOW(metrics, NonClientMetrics, MenuButtonWidth);
    SHOW(metrics, NonClientMetrics, MenuButtonHeight);
    showFont(lines, "CaptionFont", metrics.CaptionFont());
    showFont(lines, "SmallCaptionFont", metrics.SmallCaptionFont());
    showFont(lines, "MenuFont", metrics.MenuFont());
    showFont(lines, "StatusFont", metrics.StatusFont());
    showFont(lines, "MessageFont", metrics.MessageFont());
    SHOW(metrics, NonClientMetrics, Caption);
    SHOW(metrics, NonClientMetrics, MenuHeight);
    SHOW(metrics, NonClientMetrics, SmallCaption);
    SHOW(metrics, NonClientMetrics, FixedBorderX);
    SHOW(metrics, NonClientMetrics, FixedBorderY);
}

void reportSystemInfo(Lines& lines, win::WindowsApi& api) {
    sys::SystemInfo info(api);
    SHOW(info, SystemInfo, BootMethod);
    SHOW(info, SystemInfo, MidEastEnabled);
    SHOW(info, SystemInfo, NetworkPresent);
    SHOW(info, SystemInfo, IsIMMEnabled);
    SHOW(info, SystemInfo, IsRemoteSession);
    SHOW(info, SystemInfo, Secure);
    SHOW(info, SystemInfo, ShowSounds);
    SHOW(info, SystemInfo, SlowMachine);
    SHOW(info, SystemInfo, Beep);
    SHOW(info, SystemInfo, ScreenSaverActive);
    SHOW(info, SystemInfo, ScreenSaverTimeout);
    SHOW(info, SystemInfo, ScreenSaverRunning);
    SHOW(info, SystemInfo, WindowsExtension);
    SHOW(info, SystemInfo, IsDBCS);
    SHOW(info, SystemInfo, TempPath);
    SHOW(info, SystemInfo, WindowsDirectory);
    SHOW(info, SystemInfo, SystemDirectory);
    SHOW_WITH(info, SystemInfo, ComputerName, 0);
    SHOW_WITH(info, SystemInfo, ComputerName, 1);
    SHOW_WITH(info, SystemInfo, UserName, 0);
    SHOW_WITH(info, SystemInfo, UserName, 2);
    SHOW(info, SystemInfo, WINVER);
    SHOW(info, SystemInfo, WIN32_IE);
    SHOW(info, SystemInfo, WIN32_WINDOWS);
    SHOW(info, SystemInfo, WIN32_WINNT);
    SHOW(info, SystemInfo, ServicePackMajorVersion);
    SHOW(info, SystemInfo, ServicePackMinorVersion);
    SHOW_WITH(info, SystemInfo, IsSuiteInstalled, 16);
    SHOW(info, SystemInfo, OSMajorVersion);
    SHOW(info, SystemInfo, OSMinorVersion);
    SHOW(info, SystemInfo, OSBuild);
    SHOW(info, SystemInfo, OSVersion);
    SHOW(info, SystemInfo, OSExtraInfo);
    SHOW(info, SystemInfo, ProductType);
    SHOW(info, SystemInfo, IsWin95);
    SHOW(info, SystemInfo, IsWin98);
    SHOW(info, SystemInfo, IsWin2000);
    SHOW(info, SystemInfo, IsWinNT);
    SHOW(info, SystemInfo, ProcessorArchitecture);
    SHOW(info, SystemInfo, PageSize);
    SHOW(info, SystemInfo, MinAppAddress);
    SHOW(info, SystemInfo, MaxAppAddress);
    SHOW(info, SystemInfo, ActiveProcessorMask);
    SHOW(info, SystemInfo, NumberOfProcessors);
    SHOW(info, SystemInfo, ProcessorType);
    SHOW(info, SystemInfo, AllocationGranularity);
    SHOW(info, SystemInfo, ProcessorLevel);
    SHOW(info, SystemInfo, ProcessorRevision);
    SHOW_WITH(info, SystemInfo, SpecialFolderLocation, 0);
    SHOW_WITH(info, SystemInfo, SpecialFolderLocation, 5);
}

void reportMouse(Lines& lines, win::WindowsApi& api) {
    sys::Mouse mouse(api);
    SHOW(mouse, Mouse, ActiveWindowTracking);
    SHOW(mouse, Mouse, TrackedWindowToTop);
    SHOW(mouse, Mouse, ActiveWindowTrackingTimeOut);
    SHOW(mouse, Mouse, CursorShadow);
    SHOW(mouse, Mouse, CaretWidth);
    SHOW(mouse, Mouse, HoverX);
    SHOW(mouse, Mouse, HoverY);
    SHOW(mouse, Mouse, HoverDelay);
    SHOW(mouse, Mouse, MenuDelay);
    SHOW(mouse, Mouse, MouseTrails);
    SHOW(mouse, Mouse, SnapToDefault);
    SHOW(mouse, Mouse, WheelScrollLines);
    SHOW(mouse, Mouse, DoubleClickX);
    SHOW(mouse, Mouse, DoubleClickY);
    SHOW(mouse, Mouse, DragX);
    SHOW(mouse, Mouse, DragY);
    SHOW(mouse, Mouse, MouseButtonSwap);
    SHOW(mouse, Mouse, MousePresent);
    SHOW(mouse, Mouse, WheelPresent);
    SHOW(mouse, Mouse, Buttons);
    SHOW(mouse, Mouse, CursorX);
    SHOW(mouse, Mouse, CursorY);
    SHOW(mouse, Mouse, MouseThreshHold1);
    SHOW(mouse, Mouse, MouseThreshHold2);
    SHOW(mouse, Mouse, MouseSpeed);
}

void reportKeyboard(Lines& lines, win::WindowsApi& api) {
    sys::Keyboard keyboard(api);
    SHOW(keyboard, Keyboard, KeyboardType);
    SHOW(keyboard, Keyboard, FunctionKeys);
    SHOW(keyboard, Keyboard, Capslock);
    SHOW(keyboard, Keyboard, Numlock);
    SHOW(keyboard, Keyboard, ScrollLock);
    SHOW(keyboard, Keyboard, Delay);
    SHOW(keyboard, Keyboard, Speed);
    SHOW(keyboard, Keyboard, CaretBlinkTime);
}

void reportAccessibility(Lines& lines, win::WindowsApi& api) {
    sys::Accessibility access(api);
    SHOW(access, Accessibility, hcAvailable);
    SHOW(access, Accessibility, hcConfirmHotKey);
    SHOW(access, Accessibility, hcHighContrastOn);
    SHOW(access, Accessibility, hcHotKeyActive);
    SHOW(access, Accessibility, hcHotKeyAvailable);
    SHOW(access, Accessibility, hcHotKeySound);
    SHOW(access, Accessibility, atTimeOutMilliseconds);
    SHOW(access, Accessibility, atAvailable);
    SHOW(access, Accessibility, atActive);
    SHOW(access, Accessibility, atFeedback);
    SHOW(access, Accessibility, fkWaitMSec);
    SHOW(access, Accessibility, fkDelayMSec);
    SHOW(access, Accessibility, fkRepeatMSec);
    SHOW(access, Accessibility, fkBounceMSec);
    SHOW(access, Accessibility, fkAvailable);
    SHOW(access, Accessibility, fkClickOn);
    SHOW(access, Accessibility, fkActive);
    SHOW(access, Accessibility, fkHotkeyActive);
    SHOW(access, Accessibility, fkHotKeySound);
    SHOW(access, Accessibility, fkHotKeyConfirm);
    SHOW(access, Accessibility, fkIndicator);
    SHOW(access, Accessibility, mkMaxSpeed);
    SHOW(access, Accessibility, mkTimeToMaxSpeed);
    SHOW(access, Accessibility, mkCtrlSpeed);
    SHOW(access, Accessibility, mkAvailable);
    SHOW(access, Accessibility, mkConfirmHotKey);
    SHOW(access, Accessibility, mkHotKeyActive);
    SHOW(access, Accessibility, mkHotKeySound);
    SHOW(access, Accessibility, mkActive);
    SHOW(access, Accessibility, mkIndicator);
    SHOW(access, Accessibility, mkMouseKeysOn);
    SHOW(access, Accessibility, mkModifiers);
    SHOW(access, Accessibility, mkMouseMode);
    SHOW(access, Accessibility, mkReplaceNumbers);
    SHOW(access, Accessibility, mkLeftButtonSel);
    SHOW(access, Accessibility, mkRightButtonSel);
    SHOW(access, Accessibility, mkLeftButtonDown);
    SHOW(access, Accessibility, mkRightButtonDown);
    SHOW(access, Accessibility, ssActive);
    SHOW(access, Accessibility, ssAvailable);
    SHOW(access, Accessibility, ssFSTextEffect);
    SHOW(access, Accessibility, ssFSTextEffectMSec);
    SHOW(access, Accessibility, ssFSTextEffectColorBits);
    SHOW(access, Accessibility, ssFSGraphicEffect);
    SHOW(access, Accessibility, ssFSGraphicEffectMSec);
    SHOW(access, Accessibility, ssFSGraphicEffectColor);
    SHOW(access, Accessibility, ssWindowsEffect);
    SHOW(access, Accessibility, ssWindowsEffectMSec);
    SHOW(access, Accessibility, skAudibleFeedback);
    SHOW(access, Accessibility, skAvailable);
    SHOW(access, Accessibility, skConfirmHotKey);
    SHOW(access, Accessibility, skHotKeyActive);
    SHOW(access, Accessibility, skHotKeySound);
    SHOW(access, Accessibility, skIndicator);
    SHOW(access, Accessibility, skActive);
    SHOW(access, Accessibility, skTriState);
    SHOW(access, Accessibility, skTwoKeysOff);
    SHOW(access, Accessibility, skLeftAltLatched);
    SHOW(access, Accessibility, skLeftCtlLatched);
    SHOW(access, Accessibility, skLeftShiftLatched);
    SHOW(access, Accessibility, skRightAltLatched);
    SHOW(access, Accessibility, skRightCtlLatched);
    SHOW(access, Accessibility, skRightShiftLatched);
    SHOW(access, Accessibility, skLeftAltLocked);
    SHOW(access, Accessibility, skLeftCtlLocked);
    SHOW(access, Accessibility, skLeftShiftLocked);
    SHOW(access, Accessibility, skRightAltLocked);
    SHOW(access, Accessibility, skRightCtlLocked);
    SHOW(access, Accessibility, skRightShiftLocked);
    SHOW(access, Accessibility, skLeftWinLatched);
    SHOW(access, Accessibility, skRightWinLatched);
    SHOW(access, Accessibility, skLeftWinLocked);
    SHOW(access, Accessibility, skRightWinLocked);
    SHOW(access, Accessibility, tkActive);
    SHOW(access, Accessibility, tkAvailable);
    SHOW(access, Accessibility, tkHotKeyActive);
    SHOW(access, Accessibility, tkConfirmHotKey);
    SHOW(access, Accessibility, tkHotKeySound);
    SHOW(access, Accessibility, shActive);
}

void reportMemoryStatus(Lines& lines, win::WindowsApi& api) {
    sys::MemoryStatus memory(api);
    SHOW(memory, MemoryStatus, MemoryLoad);
    SHOW(memory, MemoryStatus, TotalPhysical);
    SHOW(memory, MemoryStatus, AvailablePhysical);
    SHOW(memory, MemoryStatus, TotalPageFile);
    SHOW(memory, MemoryStatus, AvailablePageFile);
    SHOW(memory, MemoryStatus, TotalVirtual);
    SHOW(memory, MemoryStatus, AvailableVirtual);
    SHOW(memory, MemoryStatus, AvailableExtendedVirtual);
}

void reportPowerStatus(Lines& lines, win::WindowsApi& api) {
    sys::PowerStatus power(api);
    SHOW(power, PowerStatus, ACLineStatus);
    SHOW(power, PowerStatus, BatteryState);
    SHOW(power, PowerStatus, BatteryCharging);
    SHOW(power, PowerStatus, BatteryLifePercent);
    SHOW(power, PowerStatus, BatteryLifeTime);
    SHOW(power, PowerStatus, BatteryFullLifeTime);
    SHOW(power, PowerStatus, IsSystemResumeAuto);
    SHOW_WITH(power, PowerStatus, DrivePowerState, "C");
}

#undef SHOW
#undef SHOW_WITH

} // namespace

void writeReport(win::WindowsApi& api, std::ostream& out) {
    Lines lines(out);
    reportNonClientMetrics(lines, api);
    reportSystemInfo(lines, api);
    reportMouse(lines, api);
    reportKeyboard(lines, api);
    reportAccessibility(lines, api);
    reportMemoryStatus(lines, api);
    reportPowerStatus(lines, api);
}

} // namespace sysreport
