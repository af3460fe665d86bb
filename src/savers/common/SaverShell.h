// What every screen saver of the program shares: reading its command line,
// the full-screen window that ends on any input, the preview drawn inside the
// Display Properties window, the settings box, and the timer that draws the
// next frame of the saver's scene.
#pragma once

#include "savers/common/Pixels.h"

namespace savers {

// Runs the saver called `title` (it captions its windows and the settings box)
// and returns the process exit code.
int runSaver(const char* title, Scene scene);

} // namespace savers
