#include "mixmatch/MixMatchPreview.h"

#include "catalogue/Module1.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"

namespace mixmatch {
namespace {

void hideAndClear(ui::PictureBox& preview) {
    preview.setVisible(false);
    preview.loadPicture("");
}

// Loads a preview picture; a missing or unreadable one leaves the control
// hidden and empty instead of stopping the handler. 0 when it is shown, else
// the number of the error that kept it from showing.
std::int32_t loadPreview(ui::PictureBox& preview, const std::string& path) {
    try {
        preview.loadPicture(path);
        return 0;
    } catch (const rt::Error& error) {
        hideAndClear(preview);
        return error.number();
    }
}

// The layout the wallpaper name selects; with none, both previews are hidden.
std::optional<PreviewLayout> layoutOrNone(const std::string& wallpaperName, ui::PictureBox& wallpaperPreview,
                                          ui::PictureBox& schemePreview) {
    const std::optional<PreviewLayout> layout = mixMatchLayoutFor(wallpaperName);
    if (!layout) {
        hideAndClear(wallpaperPreview);
        hideAndClear(schemePreview);
    }
    return layout;
}

} // namespace

std::optional<PreviewLayout> mixMatchLayoutFor(const std::string& wallpaperName) {
    if (rt::EndsWith(wallpaperName, "800x600"))
        return catalogue::previewFor800x600;
    if (rt::EndsWith(wallpaperName, "1024x768"))
        return catalogue::previewFor1024x768;
    return std::nullopt;
}

std::string wallpaperFileOf(const catalogue::Module1& module, const std::string& wallpaperName) {
    return module.programFolder + "\\" + wallpaperName + ".bmp";
}

void setMixMatchImage(const catalogue::Module1& module, const std::string& wallpaperName,
                      ui::PictureBox& wallpaperPreview, ui::PictureBox& schemePreview,
                      std::string& selectedWallpaper) {
    // 1. The wallpaper itself is its preview. A file the picture decoder cannot
    //    read may still be one Windows shows (a run-length-encoded bitmap): it
    //    stays selected, without a preview, for Windows to judge. A file that
    //    is not there, or cannot be read at all, is no wallpaper.
    const std::string wallpaperFile = wallpaperFileOf(module, wallpaperName);
    const std::int32_t failure = loadPreview(wallpaperPreview, wallpaperFile);
    if (failure != 0 && failure != rt::ErrInvalidPicture) {
        selectedWallpaper.clear();
        return;
    }

    // 2. Both previews at the layout the name selects; a name without a size
    //    ending shows neither and records nothing.
    const std::optional<PreviewLayout> layout = layoutOrNone(wallpaperName, wallpaperPreview, schemePreview);
    if (!layout)
        return;
    wallpaperPreview.move(layout->wallpaper);
    schemePreview.move(layout->scheme);
    wallpaperPreview.setVisible(failure == 0);
    schemePreview.setVisible(true);

    // 3. What "Apply Wallpaper" sets.
    selectedWallpaper = wallpaperFile;
}

void showSchemePreview(catalogue::Module1& module, ui::ComboBox& schemeList, const std::string& wallpaperName,
                       ui::PictureBox& wallpaperPreview, ui::PictureBox& schemePreview) {
    const int position = schemeList.listIndex();
    if (position < 0)
        return;

    // 1. The scheme's row, shared with the Themes tab.
    const std::int32_t schemeNumber = schemeList.itemData(position);
    module.activeSchemeRow = std::to_string(schemeNumber);

    // 2. Its picture; a scheme number outside the table has none.
    bool loaded = false;
    try {
        loaded = loadPreview(schemePreview, module.programFolder + "\\" +
                                                module.colorSchemeList(schemeNumber) + ".bmp") == 0;
    } catch (const rt::Error&) {
        hideAndClear(schemePreview);
    }
    if (!loaded)
        return;

    // 3. Placed in the corner of the wallpaper the wallpaper list shows.
    const std::optional<PreviewLayout> layout = layoutOrNone(wallpaperName, wallpaperPreview, schemePreview);
    if (!layout)
        return;
    schemePreview.move(layout->scheme);
    schemePreview.setVisible(true);

    // 4. Redrawn over the wallpaper preview.
    schemePreview.refresh();
}

} // namespace mixmatch
