// A theme written as a .theme file that Windows' Desktop Themes control panel and
// readThemeFile both read: ANSI bytes, CR LF line ends, a blank line before every
// section but the first. The sections and key names are those of Microsoft's
// "Theme File Format" article (learn.microsoft.com, windows/win32/controls/
// themesfileformat-overview), in the order its section list gives them:
//   [Theme]                                        DisplayName
//   [CLSID\{clsid}\DefaultIcon] per desktop object DefaultValue, full, empty ("path,index"),
//                                                  the objects in the order the theme names them
//   [Control Panel\Colors]                         <colour name>=R G B (decimal)
//   [Control Panel\Cursors]                        <pointer name>=path, then DefaultValue=scheme
//   [Control Panel\Desktop]                        Wallpaper, TileWallpaper, WallpaperStyle,
//                                                  Pattern, ScreenSaveActive
//   [Metrics]                                      IconMetrics (76 decimal bytes),
//                                                  NonclientMetrics (340)
//   [AppEvents\Schemes\Apps\<app>\<event>\.Current] per sound: DefaultValue
//   [boot]                                         SCRNSAVE.EXE
//   [MasterThemeSelector]                          MTSM=DABJDKT
// then the caller's own sections. [Theme], [Control Panel\Desktop] (which the article
// calls required) and [MasterThemeSelector] (the signature the control panels look
// for) are always written; every other section only when the theme has values for it.
// The Recycle Bin's keys are spelt "full" and "empty" as Plus! for Windows 95 writes
// them (profile names are compared without regard to case). No wallpaper is written
// "(None)", as Windows 95 and 98 keep it.
//
// A value the reader refused has nothing to write and is left out, as is `ignored`.
// Every other value reads back as it was: one with blanks at either end, or wholly
// enclosed in matching quotes, is written inside double quotes, which the profile
// functions remove again (ProfileText.h). What the profile format cannot hold throws
// rt::Error 380 naming the value: a CR, LF or NUL in any name or value; a key name
// with "=", blanks at its ends or a leading ";" or "["; a key or section written
// twice (only the first is ever found); an icon path that would read back with a
// different index; a wallpaper style other than 0 or 2; a colour or pointer index
// outside the Windows names; a line over 64 KiB or a file over 1 MiB, which the
// reader refuses (ProfileText.h).
#pragma once

#include "themefile/ThemeFile.h"

#include <string>
#include <utility>
#include <vector>

namespace themefile {

// A section of the caller's own, written after the standard ones: the program's
// snapshot keeps there what a .theme file cannot say.
struct ExtraSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> keys; // name and value, in order
};

std::string writeThemeFile(const ThemeFile& theme, const std::vector<ExtraSection>& extra = {});

} // namespace themefile
