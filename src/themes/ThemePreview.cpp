#include "themes/ThemePreview.h"

#include "catalogue/Module1.h"
#include "runtime/Error.h"

namespace themes {

void setThemeImage(catalogue::Module1& module, int listIndex, ui::PictureBox& preview,
                   std::string& selectedWallpaper) {
    try {
        // 1. What the theme at the selected position means: its record cut into
        // its five parts (no selection is a subscript out of range), its layout,
        // and the wallpaper and scheme row applying it uses.
        const themeapply::ThemeChoice theme = themeapply::themeChoice(module, listIndex);

        // 2. The preview picture.
        preview.loadPicture(module.programFolder + "\\" + theme.record.previewFile);

        // 3. No scheme row until the theme proves it has a layout.
        module.activeSchemeRow = std::string();

        // 4. The layout the name selects; a name without one has no preview and
        // cannot be applied.
        if (!theme.layout) {
            preview.setVisible(false);
            preview.loadPicture(std::string());
            return;
        }
        preview.move(*theme.layout);
        preview.setVisible(true);

        // 5. The wallpaper the theme sets.
        selectedWallpaper = theme.wallpaper;

        // 6. The scheme row the theme applies.
        module.activeSchemeRow = theme.schemeRow;
    } catch (const rt::Error&) {
        // Nothing to preview. Left alone, the failure would end the program from
        // inside a list event; instead the preview goes away and the selection
        // records nothing, so an Apply that follows writes nothing rather than
        // the previous theme's settings.
        preview.setVisible(false);
        preview.setPicture(nullptr);
        selectedWallpaper.clear();
        module.activeSchemeRow = std::string();
    }
}

} // namespace themes
