// The Windows numbers of the screen-saver switch.
#pragma once

#include "platform/WinTypes.h"

namespace win {

// SystemParametersInfoA: uiParam 1 switches the screen saver on, 0 off.
constexpr UINT SPI_SETSCREENSAVEACTIVE = 17;

} // namespace win
