// The preview of the theme selected in the theme list: its picture shown at the
// layout its name selects, and the wallpaper path and scheme row that applying
// the theme will use. Nothing is written to Windows here.
#pragma once

#include "platform/ui/WindowSystem.h"

#include <optional>
#include <string>

namespace catalogue {
struct Module1;
}

namespace themes {

// A theme record of themeList ("Autumn 800x600,x,autumn.jpg,wall\autumn800.jpg,4")
// cut at its first four commas.
struct ThemeRecord {
    std::string name;          // its ending selects the preview layout
    std::string unused;        // carried along, read by nothing
    std::string previewFile;   // relative to the program folder
    std::string wallpaperFile; // relative to the program folder
    std::string schemeRow;     // everything after the fourth comma, kept as text
};

// Cuts the record at its first four commas; throws rt::Error 5 when it has fewer.
ThemeRecord splitThemeRecord(const std::string& record);

// Where the preview of a theme goes, in twips on the tab page: the smaller
// layout for a name ending in "800x600", the larger one for "1024x768", none
// for any other name.
std::optional<ui::Rect> previewLayoutFor(const std::string& themeName);

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
