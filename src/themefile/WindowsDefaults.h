// "Windows default": the appearance a fresh install of each Windows version has, as
// a theme that goes through checkTheme and the appliers as any theme file does.
// It holds, for a Western (code page 1252) install at 96 dpi:
// - all 29 colours of the version's standard scheme, those the version does not
//   have as its GetSysColor returns them (0, black);
// - the system pointers: every pointer empty, which is Windows' own, and no scheme;
// - the icons Windows registers for My Computer, My Documents (where the version
//   puts it on the desktop), Network Neighborhood and the Recycle Bin's full and empty
//   states, as %WinDir% or %SystemRoot% paths that the check expands;
// - no wallpaper and no pattern;
// - the "Windows Default" sound scheme's system and Explorer sounds, from the
//   version's Media folder;
// - the standard window metrics and fonts, and the icon spacing and title font.
// It leaves the screen saver alone (the saver aspect is absent): a fresh install sets
// none, and "no saver" would switch off the one the user chose, which is no part of
// the desktop's look.
#pragma once

#include "themefile/ThemeFile.h"

#include <string_view>

namespace themefile {

// The default of the version a tag names: "95", "98", "ME", "NT" (NT 4) or "2000".
// Any other tag, the empty one of a version the program does not know included, gets
// Windows 2000's: every later Windows is of the NT family and keeps its classic look
// as "Windows Classic".
ThemeFile windowsDefaultTheme(std::string_view versionTag);

} // namespace themefile
