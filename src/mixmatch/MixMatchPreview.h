// The Mix-N-Match previews: the wallpaper chosen in the wallpaper list with the
// chosen colour scheme's small picture set into its bottom-right corner. A
// selection only previews and records; nothing is written to Windows here.
#pragma once

#include "catalogue/PreviewLayout.h"
#include "platform/ui/WindowSystem.h"

#include <optional>
#include <string>

namespace catalogue {
struct Module1;
}

namespace mixmatch {

using catalogue::PreviewLayout;

// The layout a wallpaper name selects by its ending: "800x600" the smaller one,
// "1024x768" the larger one, none for any other name.
std::optional<PreviewLayout> mixMatchLayoutFor(const std::string& wallpaperName);

// The wallpaper file a wallpaper list entry names.
std::string wallpaperFileOf(const catalogue::Module1& module, const std::string& wallpaperName);

// Shows the wallpaper named wallpaperName in wallpaperPreview, places both
// previews by its name and records it in selectedWallpaper. A name with
// neither ending hides and clears both previews and keeps selectedWallpaper.
// A picture the decoder cannot read hides and clears the wallpaper preview and
// is recorded all the same, for Windows to judge when it is applied; a file
// that is missing or cannot be read empties selectedWallpaper, so that
// applying it writes nothing.
void setMixMatchImage(const catalogue::Module1& module, const std::string& wallpaperName,
                      ui::PictureBox& wallpaperPreview, ui::PictureBox& schemePreview,
                      std::string& selectedWallpaper);

// Records the scheme of list position listIndex (its item data) in
// module.activeSchemeRow and shows its picture, placed by the wallpaper name
// the wallpaper list shows. No selection records nothing; a picture that is
// missing or unreadable hides and clears the scheme preview, the scheme stays
// recorded.
void showSchemePreview(catalogue::Module1& module, ui::ComboBox& schemeList, const std::string& wallpaperName,
                       ui::PictureBox& wallpaperPreview, ui::PictureBox& schemePreview);

} // namespace mixmatch
