// The Details dialog of the Themes tab ("Details..."), after the Windows control
// panel's "Pointers, Sounds, etc.": the selected theme's pointers, sounds and
// desktop icons in one list; the pointer or icon selected is drawn, the sound
// selected can be played. A value the check refused is listed with its reason
// and is neither drawn nor played, nor is a file the check found missing.
// "Close", Enter and Escape close it.
#pragma once

#include "platform/Platform.h"
#include "platform/ui/WindowSystem.h"
#include "themefile/ThemeCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace themedialogs {

struct ThemeItem {
    enum class Kind { pointer, sound, icon };
    Kind kind = Kind::pointer;
    std::string name;                           // "Arrow", ".Default\SystemAsterisk", "Recycle Bin full"
    std::optional<themefile::CheckedPath> file; // when allowed
    int index = 0;                              // an icon's place in its file
    std::string reason;                         // when refused

    // "Pointer: Arrow"
    std::string label() const;
    // The file, or why there is none to show: "Left out: network path",
    // "File not found: C:\...", "Windows' default".
    std::string note() const;
    // Its file may be opened, to draw or play it.
    bool usable() const { return file && !file->missing() && !file->isDefault(); }
};

// The pointers, sounds and icons of theme, allowed and refused, in that order.
std::vector<ThemeItem> themeItems(const themefile::CheckedTheme& theme);

// Shows the dialog modally over owner.
void showThemeDetails(ui::WindowSystem& windows, ui::Window& owner, rt::Platform& platform,
                      const themefile::CheckedTheme& theme);

} // namespace themedialogs
