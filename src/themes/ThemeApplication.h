// Applying the theme selected on the Themes tab ("Apply Theme", or Enter in the
// theme list): colours, cursors and desktop icons, the wallpaper, the start-up
// and shut-down pictures, the folder web-view images and the start-up sound.
#pragma once

#include "themeapply/CatalogueTheme.h"

namespace catalogue {
struct Module1;
}
namespace rt {
struct Platform;
}
namespace ui {
class ComboBox;
class Screen;
} // namespace ui

namespace themes {

using themeapply::ThemeSelection;

// aspects: those the user chose to apply (the Settings dialog); a catalogue theme
// has no screen saver, fonts or sizes to apply.
void ApplyTheme(rt::Platform& platform, catalogue::Module1& module, const ThemeSelection& selection,
                ui::Screen& screen, ui::ComboBox& themeList,
                const themefile::AspectSet& aspects = themefile::AspectSet::all());

} // namespace themes
