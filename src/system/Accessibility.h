// The Windows accessibility features: high contrast, access time-out, filter
// keys, mouse keys, sound sentry, sticky keys, toggle keys and show sounds.
//
// Each feature is one Windows structure that SystemParametersInfoA reads and
// writes whole; its fields and flag bits are separate properties named by the
// feature's two-letter prefix. The object keeps a working copy of each
// structure: a read refreshes the copy of its feature, a write changes the copy
// and stores it whole. A copy no read has fetched yet is fetched before the
// first write changes it, so that Windows gets the structure with its size;
// after that, writes to one feature build on one another.
//
// A member that the running Windows version lacks raises the unsupported-version
// error (source "Accessibility") while RaiseErrors is True; otherwise it calls
// nothing and a read gives 0 or False.
#pragma once

#include "platform/Settings.h"
#include "system/VersionGates.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

class Accessibility {
public:
    explicit Accessibility(win::WindowsApi& api);

    bool RaiseErrors = true;

    bool hcAvailable();
    bool hcConfirmHotKey();
    void hcConfirmHotKey(bool value);
    bool hcHighContrastOn();
    void hcHighContrastOn(bool value);
    bool hcHotKeyActive();
    void hcHotKeyActive(bool value);
    bool hcHotKeyAvailable();
    bool hcHotKeySound();
    void hcHotKeySound(bool value);
    std::int32_t atTimeOutMilliseconds();
    void atTimeOutMilliseconds(std::int32_t value);
    bool atAvailable();
    bool atActive();
    void atActive(bool value);
    bool atFeedback();
    void atFeedback(bool value);
    std::int32_t fkWaitMSec();
    void fkWaitMSec(std::int32_t value);
    std::int32_t fkDelayMSec();
    std::int32_t fkRepeatMSec();
    void fkRepeatMSec(std::int32_t value);
    std::int32_t fkBounceMSec();
    bool fkAvailable();
    bool fkClickOn();
    void fkClickOn(bool value);
    bool fkActive();
    void fkActive(bool value);
    bool fkHotkeyActive();
    void fkHotkeyActive(bool value);
    bool fkHotKeySound();
    void fkHotKeySound(bool value);
    bool fkHotKeyConfirm();
    void fkHotKeyConfirm(bool value);
    bool fkIndicator();
    void fkIndicator(bool value);
    std::int32_t mkMaxSpeed();
    void mkMaxSpeed(std::int32_t value);
    std::int32_t mkTimeToMaxSpeed();
    void mkTimeToMaxSpeed(std::int32_t value);
    std::int32_t mkCtrlSpeed();
    bool mkAvailable();
    bool mkConfirmHotKey();
    void mkConfirmHotKey(bool value);
    bool mkHotKeyActive();
    void mkHotKeyActive(bool value);
    bool mkHotKeySound();
    void mkHotKeySound(bool value);
    bool mkActive();
    bool mkIndicator();
    void mkIndicator(bool value);
    bool mkMouseKeysOn();
    void mkMouseKeysOn(bool value);
    bool mkModifiers();
    void mkModifiers(bool value);
    bool mkMouseMode();
    void mkMouseMode(bool value);
    bool mkReplaceNumbers();
    void mkReplaceNumbers(bool value);
    bool mkLeftButtonSel();
    void mkLeftButtonSel(bool value);
    bool mkRightButtonSel();
    void mkRightButtonSel(bool value);
    bool mkLeftButtonDown();
    void mkLeftButtonDown(bool value);
    bool mkRightButtonDown();
    void mkRightButtonDown(bool value);
    bool ssActive();
    void ssActive(bool value);
    bool ssAvailable();
    std::int32_t ssFSTextEffect();
    void ssFSTextEffect(std::int32_t value);
    std::int32_t ssFSTextEffectMSec();
    void ssFSTextEffectMSec(std::int32_t value);
    std::int32_t ssFSTextEffectColorBits();
    void ssFSTextEffectColorBits(std::int32_t value);
    std::int32_t ssFSGraphicEffect();
    void ssFSGraphicEffect(std::int32_t value);
    std::int32_t ssFSGraphicEffectMSec();
    void ssFSGraphicEffectMSec(std::int32_t value);
    std::int32_t ssFSGraphicEffectColor();
    void ssFSGraphicEffectColor(std::int32_t value);
    std::int32_t ssWindowsEffect();
    void ssWindowsEffect(std::int32_t value);
    std::int32_t ssWindowsEffectMSec();
    void ssWindowsEffectMSec(std::int32_t value);
    bool skAudibleFeedback();
    void skAudibleFeedback(bool value);
    bool skAvailable();
    bool skConfirmHotKey();
    void skConfirmHotKey(bool value);
    bool skHotKeyActive();
    void skHotKeyActive(bool value);
    bool skHotKeySound();
    void skHotKeySound(bool value);
    bool skIndicator();
    void skIndicator(bool value);
    bool skActive();
    void skActive(bool value);
    bool skTriState();
    void skTriState(bool value);
    bool skTwoKeysOff();
    void skTwoKeysOff(bool value);
    bool skLeftAltLatched();
    bool skLeftCtlLatched();
    bool skLeftShiftLatched();
    bool skRightAltLatched();
    bool skRightCtlLatched();
    bool skRightShiftLatched();
    bool skLeftAltLocked();
    bool skLeftCtlLocked();
    bool skLeftShiftLocked();
    bool skRightAltLocked();
    bool skRightCtlLocked();
    bool skRightShiftLocked();
    bool skLeftWinLatched();
    void skLeftWinLatched(bool value);
    bool skRightWinLatched();
    void skRightWinLatched(bool value);
    bool skLeftWinLocked();
    void skLeftWinLocked(bool value);
    bool skRightWinLocked();
    void skRightWinLocked(bool value);
    bool tkActive();
    void tkActive(bool value);
    bool tkAvailable();
    bool tkHotKeyActive();
    void tkHotKeyActive(bool value);
    bool tkConfirmHotKey();
    void tkConfirmHotKey(bool value);
    bool tkHotKeySound();
    void tkHotKeySound(bool value);
    // Timing writes that keep the two exclusive filter-key timings apart, and
    // the mouse-key control speed that switches the modifier keys with it.
    void fkDelayMSec(std::int32_t value);
    void fkBounceMSec(std::int32_t value);
    void mkCtrlSpeed(std::int32_t value);

    bool shActive();
    void shActive(bool value);

private:
    // One feature's working copy and its row of the settings table.
    template <class T> struct Group {
        T copy{};
        const win::Setting* row;
    };

    bool passes(win::VersionGate gate);
    template <class T> void fetch(Group<T>& group);
    template <class T> T& copyToWrite(Group<T>& group);
    template <class T> void store(Group<T>& group);
    template <class T> bool readFlag(Group<T>& group, win::DWORD mask, win::VersionGate gate);
    template <class T> void writeFlag(Group<T>& group, win::DWORD mask, win::VersionGate gate, bool on);
    template <class T> std::int32_t readField(Group<T>& group, win::DWORD T::*field, win::VersionGate gate);
    template <class T>
    void writeField(Group<T>& group, win::DWORD T::*field, win::VersionGate gate, std::int32_t value);

    win::WindowsApi& api_;
    Group<win::HIGHCONTRASTA> hc_;
    Group<win::ACCESSTIMEOUT> at_;
    Group<win::FILTERKEYS> fk_;
    Group<win::MOUSEKEYS> mk_;
    Group<win::SOUNDSENTRYA> ss_;
    Group<win::STICKYKEYS> sk_;
    Group<win::TOGGLEKEYS> tk_;
    const VersionGates gates_;
};

} // namespace sys
