// The Windows names of the appearance a scheme row sets: the registry value of
// each cursor slot with the live cursor it replaces, the registry value of each
// system colour, and the shell objects whose desktop icons the scheme changes.
#pragma once

#include "platform/DesktopFacts.h"
#include "platform/WinFacts.h"

#include <array>

namespace appearance {

struct CursorSlot {
    const char* registryValue; // under HKEY_CURRENT_USER\Control Panel\Cursors
    win::DWORD liveId;         // OCR_ id for SetSystemCursor, 0 when only the registry gets it
    bool liveFromStatic;       // the live cursor comes from the " Static.cur" companion
};

// Slots 0..14 of a cursor set, in slot order.
constexpr std::array<CursorSlot, 15> cursorSlots{{
    {"AppStarting", win::OCR_APPSTARTING, true},
    {"Arrow", win::OCR_NORMAL, false},
    {"Crosshair", win::OCR_CROSS, false},
    {"Hand", 0, false},
    {"Help", 0, false},
    {"IBeam", win::OCR_IBEAM, false},
    {"No", win::OCR_NO, false},
    {"NWPen", 0, false},
    {"SizeAll", win::OCR_SIZEALL, false},
    {"SizeNESW", win::OCR_SIZENESW, false},
    {"SizeNS", win::OCR_SIZENS, false},
    {"SizeNWSE", win::OCR_SIZENWSE, false},
    {"SizeWE", win::OCR_SIZEWE, false},
    {"UpArrow", 0, false},
    {"Wait", win::OCR_WAIT, true},
}};

// The order in which the live cursors are replaced: slot numbers.
constexpr std::array<int, 11> liveCursorOrder{0, 2, 5, 6, 8, 9, 10, 11, 12, 1, 14};

// Registry value names of the 29 system colours, by colour index (platform/DesktopFacts.h).
using win::colorValueNames;

// Desktop objects whose "DefaultIcon" keys get the scheme's icons (DesktopIcons
// writes them where the running Windows reads them).
constexpr const char* networkNeighborhoodClsid = win::desktopObjects[2].clsid;
constexpr const char* myComputerClsid = win::desktopObjects[0].clsid;
constexpr const char* recycleBinClsid = win::desktopObjects[3].clsid;
constexpr const char* myDocumentsClsid = win::desktopObjects[1].clsid;

} // namespace appearance
