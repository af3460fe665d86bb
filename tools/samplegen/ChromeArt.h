// Pictures of the main window's own chrome (its title-strip buttons in three
// states), the start-up sound sample picture and the program's emblems.
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

enum class ButtonState { Normal, Hover, Pressed };

// "close", "minimize" or "help"; 18x18 on the window's dark green.
Canvas titleButton(const std::string& kind, ButtonState state);
Canvas soundPicture(); // 40x40 loudspeaker
Canvas logoPicture();  // 64x64 emblem on the window colour
Canvas aboutPicture(); // 64x64 emblem tile for the About box

// The main window's background colour, red 0, green 43, blue 17.
Color windowGreen();

} // namespace samplegen
