// The Settings dialog of the Themes tab ("Settings..."): one check box for each
// aspect of a theme, under the names users know ("Colours", "Mouse pointers",
// ...), showing the choice kept for the user; OK keeps the new choice, Cancel
// (or Escape, or the close box) leaves it. An aspect the selected theme cannot
// give (it has none, or the check refused it) is shown disabled.
#pragma once

#include "platform/ui/WindowSystem.h"
#include "themedialogs/ChosenSettings.h"
#include "themefile/ThemeCheck.h"

#include <optional>

namespace themedialogs {

// The caption of an aspect's check box, with its access key: "&Colours".
const char* aspectCaption(themefile::Aspect aspect);

// Shows the dialog modally over owner; the choice made with OK (already kept),
// nothing when the user cancelled. theme: the selected theme file, nullptr for a
// theme that has every aspect (a catalogue theme).
std::optional<ChosenSettings> chooseAspects(ui::WindowSystem& windows, ui::Window& owner,
                                            win::WindowsApi& api, const themefile::CheckedTheme* theme);

} // namespace themedialogs
