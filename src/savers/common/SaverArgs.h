// The command line Windows gives a screen saver: "/s" to run full screen,
// "/p <window>" to draw in the Display Properties preview, "/c" (or nothing) for
// its settings, "/a" to change a password. Windows writes them as "/s", "-S",
// "/p:1234" or "/p 1234", so letters are taken in either case and the window
// after a colon or a space.
#pragma once

#include <stdint.h>

namespace savers {

enum class SaverMode { Settings, FullScreen, Preview, Password };

struct SaverArgs {
    SaverMode mode;
    // The window named after the letter ("/p 1234", "/c:1234"), or 0.
    uintptr_t window;
};

// `arguments` is the command line after the program's own name.
SaverArgs parseSaverArgs(const char* arguments);
// The part of a whole command line (GetCommandLineA) after the program's name,
// quoted or not.
const char* afterProgramName(const char* commandLine);

} // namespace savers
