#include "themes/ThemePreview.h"

#include "catalogue/Module1.h"
#include "catalogue/PreviewLayout.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"

#include <array>

namespace themes {

ThemeRecord splitThemeRecord(const std::string& record) {
    // Each comma is searched from one character after the previous one; a
    // missing comma makes the cut impossible, as a negative length would be.
    std::array<std::size_t, 4> comma{};
    std::size_t from = 0;
    for (std::size_t& position : comma) {
        position = record.find(',', from);
        if (position == std::string::npos)
            throw rt::Error(rt::ErrInvalidProcedureCall);
        from = position + 1;
    }
    auto between = [&record](std::size_t after, std::size_t before) {
        return record.substr(after + 1, before - after - 1);
    };
    ThemeRecord theme;
    theme.name = record.substr(0, comma[0]);
    theme.unused = between(comma[0], comma[1]);
    theme.previewFile = between(comma[1], comma[2]);
    theme.wallpaperFile = between(comma[2], comma[3]);
    theme.schemeRow = record.substr(comma[3] + 1);
    return theme;
}

std::optional<ui::Rect> previewLayoutFor(const std::string& themeName) {
    if (rt::EndsWith(themeName, "800x600"))
        return catalogue::previewFor800x600.wallpaper;
    if (rt::EndsWith(themeName, "1024x768"))
        return catalogue::previewFor1024x768.wallpaper;
    return std::nullopt;
}

void setThemeImage(catalogue::Module1& module, int listIndex, ui::PictureBox& preview,
                   std::string& selectedWallpaper) {
    try {
        // 1. The record at the selected position, cut into its five parts (no
        // selection is a subscript out of range).
        const ThemeRecord theme = splitThemeRecord(module.themeList(listIndex));

        // 2. The preview picture.
        preview.loadPicture(module.programFolder + "\\" + theme.previewFile);

        // 3. No scheme row until the theme proves it has a layout.
        module.activeSchemeRow = std::string();

        // 4. The layout the name selects; a name without one has no preview and
        // cannot be applied.
        const std::optional<ui::Rect> layout = previewLayoutFor(theme.name);
        if (!layout) {
            preview.setVisible(false);
            preview.loadPicture(std::string());
            return;
        }
        preview.move(*layout);
        preview.setVisible(true);

        // 5. The wallpaper the theme sets.
        selectedWallpaper = module.programFolder + "\\" + theme.wallpaperFile;

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
