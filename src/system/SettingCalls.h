// The settings classes' side of the settings table: a setting read or written
// through SystemParametersInfoA the way its row says the value travels, and what
// every class does with a version gate (VersionGates) that stays closed.
#pragma once

#include "platform/Settings.h"
#include "runtime/Error.h"
#include "system/VersionGates.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

// The setting's current value: the 32-bit value Windows puts at pvParam, the
// call's own result for a Returned setting, or the metric that holds a setting
// that has no get action or that Windows keeps as a metric (the icon spacing).
std::int32_t readSetting(win::WindowsApi& api, const win::Setting& row);
// The same for the row of a get or set action.
std::int32_t readSetting(win::WindowsApi& api, win::UINT action);

// Hands the new value over as the row's transport says, with the row's fWinIni.
void writeSetting(win::WindowsApi& api, const win::Setting& row, std::int32_t value);
// The same for the row of a get or set action.
void writeSetting(win::WindowsApi& api, win::UINT action, std::int32_t value);

// The display's vertical resolution in dots per inch, asked afresh of an
// information context on the display (so a resolution change is seen); 0 or
// less when Windows gives none. Font heights convert to points by it.
std::int32_t displayDpi(win::WindowsApi& api);

// Booleans go to Windows as 0 and -1 (all bits set).
constexpr std::int32_t windowsBool(bool value) {
    return value ? -1 : 0;
}

// A member that this Windows does not support: with raiseErrors it raises the
// class's "not supported" error, otherwise the member quietly does nothing.
// Returns whether the member goes on.
inline bool admitted(bool supported, bool raiseErrors, const char* source) {
    if (!supported && raiseErrors)
        throw rt::unsupportedError(source);
    return supported;
}

// The same for a member behind one of the settings table's version gates.
inline bool admitted(const VersionGates& gates, win::VersionGate gate, bool raiseErrors, const char* source) {
    return admitted(gates.opens(gate), raiseErrors, source);
}

} // namespace sys
