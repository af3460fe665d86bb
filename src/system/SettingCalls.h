// The settings classes' side of the settings table: a setting read or written
// through SystemParametersInfoA the way its row says the value travels, and the
// row's version gate tested against the running Windows.
#pragma once

#include "platform/Settings.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

// The setting's current value: the 32-bit value Windows puts at pvParam, the
// call's own result for a Returned setting, or the metric that holds a setting
// that has no get action.
std::int32_t readSetting(win::WindowsApi& api, const win::Setting& row);

// Hands the new value over as the row's transport says, with the row's fWinIni.
void writeSetting(win::WindowsApi& api, const win::Setting& row, std::int32_t value);

} // namespace sys
