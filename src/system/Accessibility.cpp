#include "system/Accessibility.h"

#include "platform/InputFacts.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"
#include "system/VersionGates.h"

namespace sys {

using Gate = win::VersionGate;

Accessibility::Accessibility(win::WindowsApi& api)
    : api_(api), hc_{{}, &win::setting(win::SPI_GETHIGHCONTRAST)},
      at_{{}, &win::setting(win::SPI_GETACCESSTIMEOUT)}, fk_{{}, &win::setting(win::SPI_GETFILTERKEYS)},
      mk_{{}, &win::setting(win::SPI_GETMOUSEKEYS)}, ss_{{}, &win::setting(win::SPI_GETSOUNDSENTRY)},
      sk_{{}, &win::setting(win::SPI_GETSTICKYKEYS)}, tk_{{}, &win::setting(win::SPI_GETTOGGLEKEYS)},
      gates_(api) {}

bool Accessibility::passes(Gate gate) {
    return admitted(gates_, gate, RaiseErrors, "Accessibility");
}

template <class T> void Accessibility::fetch(Group<T>& group) {
    group.copy.cbSize = sizeof(T);
    api_.SystemParametersInfoA(group.row->get, sizeof(T), &group.copy, win::NoUpdate);
}

// Windows takes a structure only with its size in cbSize, and the result of a
// store is not looked at: a copy that no read has fetched (cbSize still 0) is
// fetched before a write changes it.
template <class T> T& Accessibility::copyToWrite(Group<T>& group) {
    if (group.copy.cbSize == 0)
        fetch(group);
    return group.copy;
}

template <class T> void Accessibility::store(Group<T>& group) {
    api_.SystemParametersInfoA(group.row->set, group.copy.cbSize, &group.copy, group.row->fWinIni);
}

// Every bit of the mask must be set; an empty mask always passes.
template <class T> bool Accessibility::readFlag(Group<T>& group, win::DWORD mask, Gate gate) {
    if (!passes(gate))
        return false;
    fetch(group);
    return (group.copy.dwFlags & mask) == mask;
}

template <class T> void Accessibility::writeFlag(Group<T>& group, win::DWORD mask, Gate gate, bool on) {
    if (!passes(gate))
        return;
    T& copy = copyToWrite(group);
    copy.dwFlags = on ? copy.dwFlags | mask : copy.dwFlags & ~mask;
    store(group);
}

template <class T> std::int32_t Accessibility::readField(Group<T>& group, win::DWORD T::*field, Gate gate) {
    if (!passes(gate))
        return 0;
    fetch(group);
    return static_cast<std::int32_t>(group.copy.*field);
}

template <class T>
void Accessibility::writeField(Group<T>& group, win::DWORD T::*field, Gate gate, std::int32_t value) {
    if (!passes(gate))
        return;
    copyToWrite(group).*field = static_cast<win::DWORD>(value);
    store(group);
}

// clang-format off
bool Accessibility::hcAvailable() { return readFlag(hc_, win::HCF_AVAILABLE, Gate::None); }
bool Accessibility::hcConfirmHotKey() { return readFlag(hc_, win::HCF_CONFIRMHOTKEY, Gate::None); }
void Accessibility::hcConfirmHotKey(bool value) { writeFlag(hc_, win::HCF_CONFIRMHOTKEY, Gate::None, value); }
bool Accessibility::hcHighContrastOn() { return readFlag(hc_, win::HCF_HIGHCONTRASTON, Gate::None); }
void Accessibility::hcHighContrastOn(bool value) { writeFlag(hc_, win::HCF_HIGHCONTRASTON, Gate::None, value); }
bool Accessibility::hcHotKeyActive() { return readFlag(hc_, win::HCF_HOTKEYACTIVE, Gate::None); }
void Accessibility::hcHotKeyActive(bool value) { writeFlag(hc_, win::HCF_HOTKEYACTIVE, Gate::None, value); }
bool Accessibility::hcHotKeyAvailable() { return readFlag(hc_, win::HCF_HOTKEYAVAILABLE, Gate::None); }
bool Accessibility::hcHotKeySound() { return readFlag(hc_, win::HCF_HOTKEYSOUND, Gate::None); }
void Accessibility::hcHotKeySound(bool value) { writeFlag(hc_, win::HCF_HOTKEYSOUND, Gate::None, value); }
std::int32_t Accessibility::atTimeOutMilliseconds() { return readField(at_, &win::ACCESSTIMEOUT::iTimeOutMSec, Gate::None); }
void Accessibility::atTimeOutMilliseconds(std::int32_t value) { writeField(at_, &win::ACCESSTIMEOUT::iTimeOutMSec, Gate::None, value); }
bool Accessibility::atAvailable() { return readFlag(at_, 0, Gate::None); }
bool Accessibility::atActive() { return readFlag(at_, win::ATF_TIMEOUTON, Gate::None); }
void Accessibility::atActive(bool value) { writeFlag(at_, win::ATF_TIMEOUTON, Gate::None, value); }
bool Accessibility::atFeedback() { return readFlag(at_, win::ATF_ONOFFFEEDBACK, Gate::None); }
void Accessibility::atFeedback(bool value) { writeFlag(at_, win::ATF_ONOFFFEEDBACK, Gate::None, value); }
std::int32_t Accessibility::fkWaitMSec() { return readField(fk_, &win::FILTERKEYS::iWaitMSec, Gate::None); }
void Accessibility::fkWaitMSec(std::int32_t value) { writeField(fk_, &win::FILTERKEYS::iWaitMSec, Gate::None, value); }
std::int32_t Accessibility::fkDelayMSec() { return readField(fk_, &win::FILTERKEYS::iDelayMSec, Gate::None); }
std::int32_t Accessibility::fkRepeatMSec() { return readField(fk_, &win::FILTERKEYS::iRepeatMSec, Gate::None); }
void Accessibility::fkRepeatMSec(std::int32_t value) { writeField(fk_, &win::FILTERKEYS::iRepeatMSec, Gate::None, value); }
std::int32_t Accessibility::fkBounceMSec() { return readField(fk_, &win::FILTERKEYS::iBounceMSec, Gate::None); }
bool Accessibility::fkAvailable() { return readFlag(fk_, win::FKF_AVAILABLE, Gate::None); }
bool Accessibility::fkClickOn() { return readFlag(fk_, win::FKF_CLICKON, Gate::None); }
void Accessibility::fkClickOn(bool value) { writeFlag(fk_, win::FKF_CLICKON, Gate::None, value); }
bool Accessibility::fkActive() { return readFlag(fk_, win::FKF_FILTERKEYSON, Gate::None); }
void Accessibility::fkActive(bool value) { writeFlag(fk_, win::FKF_FILTERKEYSON, Gate::None, value); }
bool Accessibility::fkHotkeyActive() { return readFlag(fk_, win::FKF_HOTKEYACTIVE, Gate::None); }
void Accessibility::fkHotkeyActive(bool value) { writeFlag(fk_, win::FKF_HOTKEYACTIVE, Gate::None, value); }
bool Accessibility::fkHotKeySound() { return readFlag(fk_, win::FKF_HOTKEYSOUND, Gate::Win9xOr2000); }
void Accessibility::fkHotKeySound(bool value) { writeFlag(fk_, win::FKF_HOTKEYSOUND, Gate::None, value); }
bool Accessibility::fkHotKeyConfirm() { return readFlag(fk_, win::FKF_CONFIRMHOTKEY, Gate::Win9xOr2000); }
void Accessibility::fkHotKeyConfirm(bool value) { writeFlag(fk_, win::FKF_CONFIRMHOTKEY, Gate::Win9xOr2000, value); }
bool Accessibility::fkIndicator() { return readFlag(fk_, win::FKF_INDICATOR, Gate::Win9xOr2000); }
void Accessibility::fkIndicator(bool value) { writeFlag(fk_, win::FKF_INDICATOR, Gate::Win9xOr2000, value); }
std::int32_t Accessibility::mkMaxSpeed() { return readField(mk_, &win::MOUSEKEYS::iMaxSpeed, Gate::None); }
void Accessibility::mkMaxSpeed(std::int32_t value) { writeField(mk_, &win::MOUSEKEYS::iMaxSpeed, Gate::None, value); }
std::int32_t Accessibility::mkTimeToMaxSpeed() { return readField(mk_, &win::MOUSEKEYS::iTimeToMaxSpeed, Gate::None); }
void Accessibility::mkTimeToMaxSpeed(std::int32_t value) { writeField(mk_, &win::MOUSEKEYS::iTimeToMaxSpeed, Gate::None, value); }
std::int32_t Accessibility::mkCtrlSpeed() { return readField(mk_, &win::MOUSEKEYS::iCtrlSpeed, Gate::None); }
bool Accessibility::mkAvailable() { return readFlag(mk_, win::MKF_AVAILABLE, Gate::None); }
bool Accessibility::mkConfirmHotKey() { return readFlag(mk_, win::MKF_CONFIRMHOTKEY, Gate::Win9xOr2000); }
void Accessibility::mkConfirmHotKey(bool value) { writeFlag(mk_, win::MKF_CONFIRMHOTKEY, Gate::Win9xOr2000, value); }
bool Accessibility::mkHotKeyActive() { return readFlag(mk_, win::MKF_HOTKEYACTIVE, Gate::None); }
void Accessibility::mkHotKeyActive(bool value) { writeFlag(mk_, win::MKF_HOTKEYACTIVE, Gate::None, value); }
bool Accessibility::mkHotKeySound() { return readFlag(mk_, win::MKF_HOTKEYSOUND, Gate::None); }
void Accessibility::mkHotKeySound(bool value) { writeFlag(mk_, win::MKF_HOTKEYSOUND, Gate::None, value); }
bool Accessibility::mkActive() { return readFlag(mk_, win::MKF_MOUSEKEYSON, Gate::None); }
bool Accessibility::mkIndicator() { return readFlag(mk_, win::MKF_INDICATOR, Gate::Win9xOr2000); }
void Accessibility::mkIndicator(bool value) { writeFlag(mk_, win::MKF_INDICATOR, Gate::Win9xOr2000, value); }
bool Accessibility::mkMouseKeysOn() { return readFlag(mk_, win::MKF_MOUSEKEYSON, Gate::None); }
void Accessibility::mkMouseKeysOn(bool value) { writeFlag(mk_, win::MKF_MOUSEKEYSON, Gate::None, value); }
bool Accessibility::mkModifiers() { return readFlag(mk_, win::MKF_MODIFIERS, Gate::Win9xOr2000); }
void Accessibility::mkModifiers(bool value) { writeFlag(mk_, win::MKF_MODIFIERS, Gate::Win9xOr2000, value); }
bool Accessibility::mkMouseMode() { return readFlag(mk_, win::MKF_MOUSEMODE, Gate::WinLevel5); }
void Accessibility::mkMouseMode(bool value) { writeFlag(mk_, win::MKF_MOUSEMODE, Gate::WinLevel5, value); }
bool Accessibility::mkReplaceNumbers() { return readFlag(mk_, win::MKF_REPLACENUMBERS, Gate::Win9xOr2000); }
void Accessibility::mkReplaceNumbers(bool value) { writeFlag(mk_, win::MKF_REPLACENUMBERS, Gate::Win9xOr2000, value); }
bool Accessibility::mkLeftButtonSel() { return readFlag(mk_, win::MKF_LEFTBUTTONSEL, Gate::WinLevel5); }
void Accessibility::mkLeftButtonSel(bool value) { writeFlag(mk_, win::MKF_LEFTBUTTONSEL, Gate::WinLevel5, value); }
bool Accessibility::mkRightButtonSel() { return readFlag(mk_, win::MKF_RIGHTBUTTONSEL, Gate::WinLevel5); }
void Accessibility::mkRightButtonSel(bool value) { writeFlag(mk_, win::MKF_RIGHTBUTTONSEL, Gate::WinLevel5, value); }
bool Accessibility::mkLeftButtonDown() { return readFlag(mk_, win::MKF_LEFTBUTTONDOWN, Gate::WinLevel5); }
void Accessibility::mkLeftButtonDown(bool value) { writeFlag(mk_, win::MKF_LEFTBUTTONDOWN, Gate::WinLevel5, value); }
bool Accessibility::mkRightButtonDown() { return readFlag(mk_, win::MKF_RIGHTBUTTONDOWN, Gate::WinLevel5); }
void Accessibility::mkRightButtonDown(bool value) { writeFlag(mk_, win::MKF_RIGHTBUTTONDOWN, Gate::WinLevel5, value); }
bool Accessibility::ssActive() { return readFlag(ss_, win::SSF_SOUNDSENTRYON, Gate::None); }
void Accessibility::ssActive(bool value) { writeFlag(ss_, win::SSF_SOUNDSENTRYON, Gate::None, value); }
bool Accessibility::ssAvailable() { return readFlag(ss_, win::SSF_AVAILABLE, Gate::None); }
std::int32_t Accessibility::ssFSTextEffect() { return readField(ss_, &win::SOUNDSENTRYA::iFSTextEffect, Gate::Win9x); }
void Accessibility::ssFSTextEffect(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSTextEffect, Gate::Win9x, value); }
std::int32_t Accessibility::ssFSTextEffectMSec() { return readField(ss_, &win::SOUNDSENTRYA::iFSTextEffectMSec, Gate::Win9x); }
void Accessibility::ssFSTextEffectMSec(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSTextEffectMSec, Gate::Win9x, value); }
std::int32_t Accessibility::ssFSTextEffectColorBits() { return readField(ss_, &win::SOUNDSENTRYA::iFSTextEffectColorBits, Gate::Win9x); }
void Accessibility::ssFSTextEffectColorBits(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSTextEffectColorBits, Gate::Win9x, value); }
std::int32_t Accessibility::ssFSGraphicEffect() { return readField(ss_, &win::SOUNDSENTRYA::iFSGrafEffect, Gate::Win9x); }
void Accessibility::ssFSGraphicEffect(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSGrafEffect, Gate::Win9x, value); }
std::int32_t Accessibility::ssFSGraphicEffectMSec() { return readField(ss_, &win::SOUNDSENTRYA::iFSGrafEffectMSec, Gate::Win9x); }
void Accessibility::ssFSGraphicEffectMSec(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSGrafEffectMSec, Gate::Win9x, value); }
std::int32_t Accessibility::ssFSGraphicEffectColor() { return readField(ss_, &win::SOUNDSENTRYA::iFSGrafEffectColor, Gate::Win9x); }
void Accessibility::ssFSGraphicEffectColor(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iFSGrafEffectColor, Gate::Win9x, value); }
std::int32_t Accessibility::ssWindowsEffect() { return readField(ss_, &win::SOUNDSENTRYA::iWindowsEffect, Gate::None); }
void Accessibility::ssWindowsEffect(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iWindowsEffect, Gate::None, value); }
std::int32_t Accessibility::ssWindowsEffectMSec() { return readField(ss_, &win::SOUNDSENTRYA::iWindowsEffectMSec, Gate::Win9x); }
void Accessibility::ssWindowsEffectMSec(std::int32_t value) { writeField(ss_, &win::SOUNDSENTRYA::iWindowsEffectMSec, Gate::Win9x, value); }
bool Accessibility::skAudibleFeedback() { return readFlag(sk_, win::SKF_AUDIBLEFEEDBACK, Gate::None); }
void Accessibility::skAudibleFeedback(bool value) { writeFlag(sk_, win::SKF_AUDIBLEFEEDBACK, Gate::None, value); }
bool Accessibility::skAvailable() { return readFlag(sk_, win::SKF_AVAILABLE, Gate::None); }
bool Accessibility::skConfirmHotKey() { return readFlag(sk_, win::SKF_CONFIRMHOTKEY, Gate::Win9xOr2000); }
void Accessibility::skConfirmHotKey(bool value) { writeFlag(sk_, win::SKF_CONFIRMHOTKEY, Gate::Win9xOr2000, value); }
bool Accessibility::skHotKeyActive() { return readFlag(sk_, win::SKF_HOTKEYACTIVE, Gate::None); }
void Accessibility::skHotKeyActive(bool value) { writeFlag(sk_, win::SKF_HOTKEYACTIVE, Gate::None, value); }
bool Accessibility::skHotKeySound() { return readFlag(sk_, win::SKF_HOTKEYSOUND, Gate::None); }
void Accessibility::skHotKeySound(bool value) { writeFlag(sk_, win::SKF_HOTKEYSOUND, Gate::None, value); }
bool Accessibility::skIndicator() { return readFlag(sk_, win::SKF_INDICATOR, Gate::Win9xOr2000); }
void Accessibility::skIndicator(bool value) { writeFlag(sk_, win::SKF_INDICATOR, Gate::Win9xOr2000, value); }
bool Accessibility::skActive() { return readFlag(sk_, win::SKF_STICKYKEYSON, Gate::None); }
void Accessibility::skActive(bool value) { writeFlag(sk_, win::SKF_STICKYKEYSON, Gate::None, value); }
bool Accessibility::skTriState() { return readFlag(sk_, win::SKF_TRISTATE, Gate::None); }
void Accessibility::skTriState(bool value) { writeFlag(sk_, win::SKF_TRISTATE, Gate::None, value); }
bool Accessibility::skTwoKeysOff() { return readFlag(sk_, win::SKF_TWOKEYSOFF, Gate::None); }
void Accessibility::skTwoKeysOff(bool value) { writeFlag(sk_, win::SKF_TWOKEYSOFF, Gate::None, value); }
bool Accessibility::skLeftAltLatched() { return readFlag(sk_, win::SKF_LALTLATCHED, Gate::WinLevel5); }
bool Accessibility::skLeftCtlLatched() { return readFlag(sk_, win::SKF_LCTLLATCHED, Gate::WinLevel5); }
bool Accessibility::skLeftShiftLatched() { return readFlag(sk_, win::SKF_LSHIFTLATCHED, Gate::WinLevel5); }
bool Accessibility::skRightAltLatched() { return readFlag(sk_, win::SKF_RALTLATCHED, Gate::WinLevel5); }
bool Accessibility::skRightCtlLatched() { return readFlag(sk_, win::SKF_RCTLLATCHED, Gate::WinLevel5); }
bool Accessibility::skRightShiftLatched() { return readFlag(sk_, win::SKF_RSHIFTLATCHED, Gate::WinLevel5); }
bool Accessibility::skLeftAltLocked() { return readFlag(sk_, win::SKF_LALTLOCKED, Gate::WinLevel5); }
bool Accessibility::skLeftCtlLocked() { return readFlag(sk_, win::SKF_LCTLLOCKED, Gate::WinLevel5); }
bool Accessibility::skLeftShiftLocked() { return readFlag(sk_, win::SKF_LSHIFTLOCKED, Gate::WinLevel5); }
bool Accessibility::skRightAltLocked() { return readFlag(sk_, win::SKF_RALTLOCKED, Gate::WinLevel5); }
bool Accessibility::skRightCtlLocked() { return readFlag(sk_, win::SKF_RCTLLOCKED, Gate::WinLevel5); }
bool Accessibility::skRightShiftLocked() { return readFlag(sk_, win::SKF_RSHIFTLOCKED, Gate::WinLevel5); }
bool Accessibility::skLeftWinLatched() { return readFlag(sk_, win::SKF_LWINLATCHED, Gate::WinLevel5); }
void Accessibility::skLeftWinLatched(bool value) { writeFlag(sk_, win::SKF_LWINLATCHED, Gate::WinLevel5, value); }
bool Accessibility::skRightWinLatched() { return readFlag(sk_, win::SKF_RWINLATCHED, Gate::WinLevel5); }
void Accessibility::skRightWinLatched(bool value) { writeFlag(sk_, win::SKF_RWINLATCHED, Gate::WinLevel5, value); }
bool Accessibility::skLeftWinLocked() { return readFlag(sk_, win::SKF_LWINLOCKED, Gate::WinLevel5); }
void Accessibility::skLeftWinLocked(bool value) { writeFlag(sk_, win::SKF_LWINLOCKED, Gate::WinLevel5, value); }
bool Accessibility::skRightWinLocked() { return readFlag(sk_, win::SKF_RWINLOCKED, Gate::WinLevel5); }
void Accessibility::skRightWinLocked(bool value) { writeFlag(sk_, win::SKF_RWINLOCKED, Gate::WinLevel5, value); }
bool Accessibility::tkActive() { return readFlag(tk_, win::TKF_TOGGLEKEYSON, Gate::None); }
void Accessibility::tkActive(bool value) { writeFlag(tk_, win::TKF_TOGGLEKEYSON, Gate::None, value); }
bool Accessibility::tkAvailable() { return readFlag(tk_, win::TKF_AVAILABLE, Gate::None); }
bool Accessibility::tkHotKeyActive() { return readFlag(tk_, win::TKF_HOTKEYACTIVE, Gate::None); }
void Accessibility::tkHotKeyActive(bool value) { writeFlag(tk_, win::TKF_HOTKEYACTIVE, Gate::None, value); }
bool Accessibility::tkConfirmHotKey() { return readFlag(tk_, win::TKF_CONFIRMHOTKEY, Gate::Win9xOr2000); }
void Accessibility::tkConfirmHotKey(bool value) { writeFlag(tk_, win::TKF_CONFIRMHOTKEY, Gate::Win9xOr2000, value); }
bool Accessibility::tkHotKeySound() { return readFlag(tk_, win::TKF_HOTKEYSOUND, Gate::None); }
void Accessibility::tkHotKeySound(bool value) { writeFlag(tk_, win::TKF_HOTKEYSOUND, Gate::None, value); }
// clang-format on

// Windows takes a delay before accepting a key or a bounce time, not both.
void Accessibility::fkDelayMSec(std::int32_t value) {
    if (value > 0)
        copyToWrite(fk_).iBounceMSec = 0;
    writeField(fk_, &win::FILTERKEYS::iDelayMSec, Gate::None, value);
}

void Accessibility::fkBounceMSec(std::int32_t value) {
    if (value > 0)
        copyToWrite(fk_).iDelayMSec = 0;
    writeField(fk_, &win::FILTERKEYS::iBounceMSec, Gate::None, value);
}

// A control speed means nothing without the Ctrl and Shift modifiers.
void Accessibility::mkCtrlSpeed(std::int32_t value) {
    win::MOUSEKEYS& keys = copyToWrite(mk_);
    keys.dwFlags = value >= 1 ? keys.dwFlags | win::MKF_MODIFIERS : keys.dwFlags & ~win::MKF_MODIFIERS;
    writeField(mk_, &win::MOUSEKEYS::iCtrlSpeed, Gate::None, value);
}

bool Accessibility::shActive() {
    return readSetting(api_, win::SPI_GETSHOWSOUNDS) != 0;
}

// Show sounds takes its state as 1 or 0, not as the all-bits True of the other switches.
void Accessibility::shActive(bool value) {
    writeSetting(api_, win::SPI_SETSHOWSOUNDS, value ? 1 : 0);
}

} // namespace sys
