// Windows numbers of the input, accessibility and power classes of the settings
// library that are not settings actions or metrics (those are in WinFacts.h):
// virtual keys, keybd_event and CreateFileA flags, and the flag bits of the
// accessibility structures, under their Windows names.
#pragma once

#include "platform/WinFacts.h"

namespace win {

// Virtual keys: Enter, which the lists' key events report as the keyboard does,
// Escape, which a dialog takes for its cancel button, and the three lock keys;
// keybd_event flags.
enum : BYTE { VK_RETURN = 0x0D, VK_ESCAPE = 0x1B, VK_CAPITAL = 0x14, VK_NUMLOCK = 0x90, VK_SCROLL = 0x91 };
constexpr DWORD KEYEVENTF_EXTENDEDKEY = 0x1;
constexpr DWORD KEYEVENTF_KEYUP = 0x2;

// CreateFileA arguments of the device opens.
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD OPEN_EXISTING = 3;

// FormatMessageA: the message comes from the system's table.
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;

// Flag bits of the accessibility structures.
enum : DWORD {
    HCF_HIGHCONTRASTON = 0x1,
    HCF_AVAILABLE = 0x2,
    HCF_HOTKEYACTIVE = 0x4,
    HCF_CONFIRMHOTKEY = 0x8,
    HCF_HOTKEYSOUND = 0x10,
    HCF_HOTKEYAVAILABLE = 0x40,

    ATF_TIMEOUTON = 0x1,
    ATF_ONOFFFEEDBACK = 0x2,

    FKF_FILTERKEYSON = 0x1,
    FKF_AVAILABLE = 0x2,
    FKF_HOTKEYACTIVE = 0x4,
    FKF_CONFIRMHOTKEY = 0x8,
    FKF_HOTKEYSOUND = 0x10,
    FKF_INDICATOR = 0x20,
    FKF_CLICKON = 0x40,

    MKF_MOUSEKEYSON = 0x1,
    MKF_AVAILABLE = 0x2,
    MKF_HOTKEYACTIVE = 0x4,
    MKF_CONFIRMHOTKEY = 0x8,
    MKF_HOTKEYSOUND = 0x10,
    MKF_INDICATOR = 0x20,
    MKF_MODIFIERS = 0x40,
    MKF_REPLACENUMBERS = 0x80,
    MKF_LEFTBUTTONSEL = 0x10000000,
    MKF_RIGHTBUTTONSEL = 0x20000000,
    MKF_LEFTBUTTONDOWN = 0x01000000,
    MKF_RIGHTBUTTONDOWN = 0x02000000,
    MKF_MOUSEMODE = 0x80000000,

    SSF_SOUNDSENTRYON = 0x1,
    SSF_AVAILABLE = 0x2,

    SKF_STICKYKEYSON = 0x1,
    SKF_AVAILABLE = 0x2,
    SKF_HOTKEYACTIVE = 0x4,
    SKF_CONFIRMHOTKEY = 0x8,
    SKF_HOTKEYSOUND = 0x10,
    SKF_INDICATOR = 0x20,
    SKF_AUDIBLEFEEDBACK = 0x40,
    SKF_TRISTATE = 0x80,
    SKF_TWOKEYSOFF = 0x100,
    SKF_LSHIFTLOCKED = 0x00010000,
    SKF_RSHIFTLOCKED = 0x00020000,
    SKF_LCTLLOCKED = 0x00040000,
    SKF_RCTLLOCKED = 0x00080000,
    SKF_LALTLOCKED = 0x00100000,
    SKF_RALTLOCKED = 0x00200000,
    SKF_LWINLOCKED = 0x00400000,
    SKF_RWINLOCKED = 0x00800000,
    SKF_LSHIFTLATCHED = 0x01000000,
    SKF_RSHIFTLATCHED = 0x02000000,
    SKF_LCTLLATCHED = 0x04000000,
    SKF_RCTLLATCHED = 0x08000000,
    SKF_LALTLATCHED = 0x10000000,
    SKF_RALTLATCHED = 0x20000000,
    SKF_LWINLATCHED = 0x40000000,
    SKF_RWINLATCHED = 0x80000000,

    TKF_TOGGLEKEYSON = 0x1,
    TKF_AVAILABLE = 0x2,
    TKF_HOTKEYACTIVE = 0x4,
    TKF_CONFIRMHOTKEY = 0x8,
    TKF_HOTKEYSOUND = 0x10,
};

} // namespace win
