// The drawn preview of a theme that has no ready-made picture (a theme file, the
// settings kept before an apply, Windows' defaults): the desktop as the theme
// would leave it, drawn from the checked theme and the running Windows.
//
// - The wallpaper as the desktop shows it, centred, tiled or stretched over the
//   desktop colour, scaled from the screen to the preview.
// - The desktop icons (My Computer, My Documents, Network Neighborhood, Recycle
//   Bin) down the left, labelled in the icon font.
// - An inactive and an active sample window in the theme's colours, fonts and
//   sizes: captions (with their gradient where the running Windows draws one:
//   98, ME and 2000), a menu bar with a selected item, window text, a selected
//   line and a button.
// What the theme lacks comes from the running Windows: its colours
// (GetSysColor), fonts and sizes (SystemParametersInfoA), wallpaper and desktop
// icons (the registry). Only the theme's checked paths are ever opened, and a
// file found missing by the check is not opened either.
#pragma once

#include "platform/Platform.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/WindowSystem.h"
#include "themefile/ThemeCheck.h"

#include <string>

namespace themepreview {

// One line on what the check refused: "Left out: wallpaper (network path),
// pointers (web address, device name, ...)": each aspect with refused values and
// at most two of their reasons. Empty when nothing was refused.
std::string leftOutLine(const themefile::CheckedTheme& theme);

// Draws the preview over the whole canvas. versionTag: the running Windows ("95",
// "98", "ME", "NT", "2000").
void drawThemePreview(ui::Canvas& canvas, const themefile::CheckedTheme& theme, const std::string& versionTag,
                      rt::Platform& platform);

// Shows the preview in preview, drawn at its size, and the left-out line in note.
void showThemePreview(ui::WindowSystem& windows, ui::PictureBox& preview, ui::Label& note,
                      const themefile::CheckedTheme& theme, const std::string& versionTag,
                      rt::Platform& platform);

} // namespace themepreview
