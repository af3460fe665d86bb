// The records the fake keeps of what was asked of it, shared by the stores that
// write them and the facade that hands them to tests.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <string>

namespace fake {

// One successful RegSetValueExA.
struct RegistryWrite {
    std::string keyPath;   // "HKEY_CURRENT_USER\Control Panel\Colors"
    std::string valueName; // "" for the default value
    win::DWORD type;
    std::string data; // the bytes written; a string type without its NUL
};

// One SetSystemCursor.
struct CursorCall {
    win::DWORD id;
    std::string file; // the file the handle was loaded from, "" for an unknown handle
    bool succeeded;
};

// One SystemParametersInfoA.
struct SpiCall {
    win::UINT action, uiParam;
    std::uintptr_t pvValue; // pvParam as a number: the value itself for the pvParam-value settings
    win::UINT fWinIni;
};

} // namespace fake
