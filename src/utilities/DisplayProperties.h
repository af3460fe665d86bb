// The Utilities tab's hand-overs to Windows tools: the Display Properties on
// one of its pages, and the theme manager of the Windows "Plus!" add-on with
// the Windows default theme.
#pragma once

#include <string>

namespace rt {
class Runtime;
}

namespace utilities {

// Pages of the Display Properties, as desk.cpl numbers them.
enum DisplayPage : int {
    BackgroundPage = 0,
    ScreenSaverPage = 1,
    AppearancePage = 2,
    SettingsPage = 3,
};

// "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,<page>".
std::string displayPropertiesCommand(DisplayPage page);

// Starts the Display Properties on page, minimised with the focus. A command
// line that cannot be started is not reported.
void OpenDisplayProperties(rt::Runtime& runtime, DisplayPage page);

// Starts the theme manager from the first of its two locations that holds it,
// with "/s" and the Windows default theme, at normal size without the focus.
// Without one nothing happens and nothing is shown.
void LaunchThemeManager(rt::Runtime& runtime);

} // namespace utilities
