// A theme of the program's own catalogue: what selecting it means (the wallpaper
// it sets, the scheme row it applies), which the Themes tab's preview and the
// console program both ask here, and the writes of applying it, which the Themes
// tab's handler and the console program both run.
#pragma once

#include "platform/ui/WindowSystem.h"
#include "runtime/ErrorTrap.h"
#include "themeapply/ApplyReport.h"
#include "themefile/Aspect.h"

#include <optional>
#include <string>

namespace catalogue {
struct Module1;
}
namespace rt {
struct Platform;
}

namespace themeapply {

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

// What choosing the theme at a position of the theme list means. A theme whose
// name selects no preview layout cannot be applied: it has no wallpaper and no
// scheme row. Throws rt::Error 9 for a position without a theme, 5 for a record
// with fewer than four commas.
struct ThemeChoice {
    ThemeRecord record;
    std::optional<ui::Rect> layout;
    std::string wallpaper; // the full path applying it sets (with a layout)
    std::string schemeRow; // the scheme row it applies (with a layout)
};
ThemeChoice themeChoice(const catalogue::Module1& module, int listIndex);

struct ThemeSelection {
    // Full path of the wallpaper to set; empty leaves the wallpaper alone.
    std::string selectedWallpaper;
    // Selected positions of the theme list and of the colour-scheme list, -1 for none.
    int themeListIndex = -1;
    int schemeListIndex = -1;
};

// The writes of applying the selected theme (module.activeSchemeRow its scheme
// row), in this order, each through onError, the caller's rule:
//   colors, pointers, icons: the appearance applier (UpdateColors) for the
//     aspects asked, in one step;
//   wallpaper: the selected wallpaper;
//   pictures: the start-up and shut-down screens, then the folder web-view images,
//     into the Windows folder of the version tag, one step a file;
//   sounds: the start-up sound, the program's own for a row that has one.
// The aspects not asked are left out; a catalogue theme has no saver, fonts or
// sizes. The report holds what became of each aspect: a step whose error the
// rule passed over or that ended the sequence fails its aspect, and the aspects
// the sequence did not reach fail with "not reached". A failing desktop-icon write
// fails the icons aspect without stopping anything.
ApplyReport writeCatalogueTheme(rt::Platform& platform, catalogue::Module1& module,
                                const ThemeSelection& selection, const themefile::AspectSet& aspects,
                                rt::ErrorTrap& onError);

} // namespace themeapply
