// The preview of the theme selected in the theme list: its picture shown at the
// layout its name selects, and the wallpaper path and scheme row that applying
// the theme will use. Nothing is written to Windows here.
#pragma once

#include "platform/ui/WindowSystem.h"
#include "themeapply/CatalogueTheme.h"

#include <optional>
#include <string>

namespace catalogue {
struct Module1;
}

namespace themes {

using themeapply::previewLayoutFor;
using themeapply::splitThemeRecord;
using themeapply::ThemeRecord;

// Shows the preview of the theme at position listIndex of the theme list (-1
// for none) in preview and records module.activeSchemeRow and
// selectedWallpaper. A theme whose name has neither ending hides and clears the
// preview, empties activeSchemeRow and keeps selectedWallpaper.
//
// A theme that cannot be previewed at all (no selection, a record with fewer
// than four commas, a preview picture that is missing or unreadable) does not
// stop the program: the preview is hidden and cleared and both values are left
// empty, so that applying it afterwards writes nothing.
void setThemeImage(catalogue::Module1& module, int listIndex, ui::PictureBox& preview,
                   std::string& selectedWallpaper);

} // namespace themes
