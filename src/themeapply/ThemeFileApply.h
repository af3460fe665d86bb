// Applying a checked theme file, aspect by aspect, through the settings library.
//
// Error rule: each aspect is applied whole or not at all, and one aspect's
// failure does not stop the others. An aspect keeps what it overwrites as it
// writes (Undo) and, when a later write of it fails, puts all of it back and is
// reported failed with the error. Its one write that cannot be taken back (the
// wallpaper, the screen saver's program, the colours handed to SetSysColors) is
// its last. An aspect with a file that was not there at the check is not written
// at all and is reported failed: "file not found". What the check refused never
// gets here.
#pragma once

#include "themeapply/ApplyReport.h"
#include "themeapply/Undo.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeCheck.h"

#include <functional>
#include <string>

namespace rt {
struct Platform;
}

namespace themeapply {

// versionTag: "95", "98", "ME", "NT", "2000" or empty, as sys::GetWinVersion gives it
// (it says where the desktop icons go, see appearance::DesktopIcons).
// finish: what the caller writes of an aspect besides the theme's values (a restore's
// exact registry texts and files), after them and before the aspect is committed; it
// keeps what it overwrites in the aspect's Undo, and its failure fails the aspect whole.
using AspectFinish = std::function<void(themefile::Aspect, Undo&)>;
ApplyReport applyThemeFile(rt::Platform& platform, const themefile::CheckedTheme& theme,
                           const themefile::AspectSet& aspects, const std::string& versionTag,
                           const AspectFinish& finish = {});

} // namespace themeapply
