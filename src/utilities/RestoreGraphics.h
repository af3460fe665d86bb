// "Restore Graphics": puts back the start-up and shut-down pictures that came
// with the user's version of Windows, from the copies the program carries in
// its folder, one set per version.
#pragma once

#include <string>

namespace rt {
class Runtime;
}
namespace ui {
class Screen;
}

namespace utilities {

// Deletes the three pictures, then copies back those the version tag has.
// A file that is not found skips its step; any other failure ends the restore
// silently where it happened. No message is ever shown.
void RestoreGraphics(rt::Runtime& runtime, ui::Screen& screen, const std::string& windowsVersion,
                     const std::string& programFolder);

} // namespace utilities
