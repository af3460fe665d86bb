// Error rule of the whole sequence: a file that is not found skips its step and
// the sequence goes on; any other error ends it at once, silently, and what was
// written before stays. A selection that names no applicable theme fails inside
// UpdateColors before its first write, so nothing at all is written then.
#include "themes/ThemeApplication.h"

#include "platform/ui/WindowSystem.h"
#include "runtime/ErrorTrap.h"

namespace themes {

void ApplyTheme(rt::Platform& platform, catalogue::Module1& module, const ThemeSelection& selection,
                ui::Screen& screen, ui::ComboBox& themeList, const themefile::AspectSet& aspects) {
    // 1. The error rule.
    rt::ErrorTrap onError(rt::skipMissingFiles);

    // 2. Default pointer.
    onError([&] { screen.setMousePointer(ui::vbDefault); });

    // 3. to 7. The theme's writes, each aspect of it the user chose: colours,
    //    cursors and desktop icons, the wallpaper, the start-up and shut-down
    //    screens and the folder web-view images, the start-up sound.
    themeapply::writeCatalogueTheme(platform, module, selection, aspects, onError);

    // 8. Back to the theme list.
    onError([&] {
        themeList.setFocus();
        screen.setMousePointer(ui::vbDefault);
    });
}

} // namespace themes
