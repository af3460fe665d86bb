#include "utilities/DisplayProperties.h"

#include "platform/Runtime.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"

namespace utilities {
namespace {

const char* const themeManagerLocations[] = {
    "C:\\program files\\Plus!\\themes.exe",
    "C:\\program files\\Plus!\\themes\\themes.exe",
};
const char* const defaultTheme = "C:\\program files\\Plus!\\Windows Default.the";

// Starts a command line; a program that is missing or cannot start leaves the
// program as it was.
void startQuietly(rt::Runtime& runtime, const std::string& commandLine, int showMode) {
    try {
        runtime.Shell(commandLine, showMode);
    } catch (const rt::Error&) {
    }
}

// A location that cannot be looked at (a drive gone, a name refused) holds no theme manager.
bool holdsThemeManager(rt::Runtime& runtime, const char* location) {
    try {
        return rt::UCase(runtime.Dir(location)) == "THEMES.EXE";
    } catch (const rt::Error&) {
        return false;
    }
}

} // namespace

std::string displayPropertiesCommand(DisplayPage page) {
    return "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,," + std::to_string(static_cast<int>(page));
}

void OpenDisplayProperties(rt::Runtime& runtime, DisplayPage page) {
    startQuietly(runtime, displayPropertiesCommand(page), rt::ShowMinimizedFocus);
}

void LaunchThemeManager(rt::Runtime& runtime) {
    for (const char* location : themeManagerLocations) {
        if (holdsThemeManager(runtime, location)) {
            const std::string commandLine = std::string("\"") + location + "\" /s \"" + defaultTheme + "\"";
            startQuietly(runtime, commandLine, rt::ShowNormalNoFocus);
            return;
        }
    }
}

} // namespace utilities
