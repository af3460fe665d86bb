// Applying the theme selected on the Themes tab ("Apply Theme", or Enter in the
// theme list): colours, cursors and desktop icons, the wallpaper, the start-up
// and shut-down pictures, the folder web-view images and the start-up sound.
#pragma once

#include <string>

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

struct ThemeSelection {
    // Full path of the wallpaper to set; empty leaves the wallpaper alone.
    std::string selectedWallpaper;
    // Selected positions of the theme list and of the colour-scheme list, -1 for none.
    int themeListIndex = -1;
    int schemeListIndex = -1;
};

void ApplyTheme(rt::Platform& platform, catalogue::Module1& module, const ThemeSelection& selection,
                ui::Screen& screen, ui::ComboBox& themeList);

} // namespace themes
