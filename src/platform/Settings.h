// The SystemParametersInfoA settings as data, in the manner of Wine's
// sysparams.c: one row per setting naming its get and set actions, how the
// value travels, the fWinIni a write passes, the Windows version that has it
// and the value a fresh desktop starts from. The settings classes read their
// rows from here, and so does the fake Windows, so both agree on every call.
#pragma once

#include "platform/WinFacts.h"

#include <cstddef>
#include <cstdint>

namespace win {

// How a setting's value travels through SystemParametersInfoA.
enum class Transport {
    UiParam,        // set: the value in uiParam, pvParam null; get: a 32-bit value at pvParam
    UiParamScratch, // as UiParam, but the set also hands a zeroed 32-bit scratch value in pvParam
    PvValue,        // set: pvParam is the value itself; get: a 32-bit value at pvParam
    PvPointer,      // get and set: a 32-bit value at pvParam
    Structure,      // get and set: a structure of `size` bytes at pvParam
    Text,           // get: a buffer of uiParam characters; set: a NUL-terminated text at pvParam
    IconSpacing,    // one action: a non-null pvParam reads, a null one sets from uiParam
    Returned,       // get only: the setting is the call's result
};

// The Windows versions a setting exists on, as the settings classes gate them.
enum class VersionGate {
    None,        // every version
    WinLevel5,   // Windows 98, ME, 2000 and XP
    Win2000,     // Windows 2000 and XP
    Win98OrNT,   // Windows 98, ME, NT 4, 2000 and XP
    NotWin95,    // every version but Windows 95
    Win9x,       // Windows 95, 98 and ME
    Win9xOr2000, // Windows 95, 98, ME, 2000 and XP: not NT 4
};

// What a write passes as fWinIni.
constexpr UINT UpdateAndBroadcast = SPIF_UPDATEINIFILE | SPIF_SENDCHANGE;
constexpr UINT NoUpdate = 0;

struct Setting {
    const char* name;
    UINT get; // 0 when the setting cannot be read
    UINT set; // 0 when it cannot be written
    Transport transport;
    std::size_t size;   // Structure: its size in bytes
    bool hasCbSize;     // Structure: it starts with cbSize, which must equal size
    std::size_t textAt; // Structure: offset of a text pointer in it, 0 for none
    bool boolean;       // Windows keeps it as 0 or 1 whatever was handed over
    int metric;         // the system metric that holds it, -1 for none
    UINT fWinIni;       // what the program's write passes
    VersionGate gate;
    std::int64_t initial; // numbers: the value a fresh classic desktop has
};

// Every row, in action order.
const Setting* settingsBegin();
const Setting* settingsEnd();

// The row whose get or set action is `action`; nullptr for an action without one.
const Setting* findSetting(UINT action);
// The row of an action the program uses; an action without a row is a fault in
// the program, so this aborts the call with std::logic_error.
const Setting& setting(UINT action);

} // namespace win
