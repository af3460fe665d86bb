// The "Screen Saver" tab's actions: the preview of the chosen saver, installing
// it from the external resource file ("Set Screen Saver", Enter in the saver
// list), and installing the listed saver file with the wait time (Enter in the
// minutes box). Installing switches the screen saver on, names its short path
// in system.ini and opens Display Properties on its Screen Saver page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace catalogue {
struct Module1;
}
namespace rt {
struct Platform;
}
namespace ui {
class PictureBox;
class Screen;
} // namespace ui
namespace win {
class WindowsApi;
}

namespace screensaver {

constexpr const char* notAResourceFileMessage = "File is not a Vaild External Resource File!";
constexpr const char* displayPropertiesScreenSaverPage =
    "rundll32.exe shell32.dll,Control_RunDLL desk.cpl,,1";

// Switches the Windows screen saver on or off for this session only (the change
// is neither stored nor broadcast); true when Windows accepted it.
bool ToggleScreenSaverActive(win::WindowsApi& api, bool active);

// Shows programFolder\<display name>.jpg; a missing or unreadable picture
// leaves the preview empty.
void showScreenSaverPreview(const catalogue::Module1& module, const std::string& displayName,
                            ui::PictureBox& preview);

// Extracts the entry at listIndex (-1 for none) of the resource file to the
// program folder's screen-saver file and installs it.
void InstallFromResourceFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex,
                             ui::Screen& screen);

// Installs programFolder\screenSaverList(itemData) when an item is selected
// (listIndex not -1) and its file exists, setting the wait time minutesText
// gives first: stored for the next log-on and made Windows' live wait, which
// Display Properties shows and writes back.
void InstallListedFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex, int itemData,
                       const std::string& minutesText, ui::Screen& screen);

// The file that extraction writes: one character, code 255, then ".SCR".
std::string extractedScreenSaverPath(const catalogue::Module1& module);
// "C:\WINNT\system.ini" for the NT family tags, "c:\windows\system.ini" otherwise.
std::string systemIniFor(const std::string& windowsVersion);
// The wait in whole seconds for a minutes text (its leading number, rounded to
// the nearest second), or nothing when that is not more than 0 seconds and at
// most 60 minutes: "1.5" gives 90, "1.33" 80, "60" 3600, "0.001" and "soon" nothing.
std::optional<std::int32_t> waitTimeSeconds(const std::string& minutesText);

} // namespace screensaver
