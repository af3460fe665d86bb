// The Themes tab's questions about theme files: which one to open, under which
// name to save the current settings, and whether a theme file may install its
// screen saver, a program that Windows will run.
#pragma once

#include "platform/MessageBoxService.h"
#include "platform/ui/WindowSystem.h"
#include "themefile/ThemePaths.h"

#include <optional>
#include <string>

namespace themedialogs {

// The common open dialog for an existing "Theme files (*.theme;*.the;*.thm)".
std::optional<std::string> askThemeFileToOpen(ui::WindowSystem& windows, ui::Window& owner);

// The common save dialog, proposing proposedName; Windows adds ".theme" to a name
// typed without an extension and asks before replacing a file.
std::optional<std::string> askThemeFileToSave(ui::WindowSystem& windows, ui::Window& owner,
                                              const std::string& proposedName);

// Asked each time a theme file's screen saver would be installed: "<theme file>
// will install the screen saver <path>. Apply it?"; true only for Yes, which is
// not the default button.
bool confirmScreenSaver(rt::MessageBoxService& messages, const std::string& themeFile,
                        const themefile::CheckedPath& saver);

} // namespace themedialogs
