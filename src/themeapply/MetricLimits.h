// The window metrics a theme file may set, kept within bounds before they reach
// Windows, so that a theme cannot leave windows too small to use or too large to
// fit on the screen.
//
// Microsoft documents one range: the sizing border, 0 to 50 pixels ("BorderWidth",
// Windows 2000 Registry Reference, HKCU\Control Panel\Desktop\WindowMetrics; the
// Appearance tab's Size box for "Active Window Border"). Icon spacing keeps to 32
// pixels or more as Wine's SPI_SETICONMETRICS keeps it (dlls/win32u/sysparams.c).
// No range of the other sizes is documented; the bounds here are this program's own:
// scroll bars, caption buttons and menus 8 to 100 pixels, icon spacing up to 150,
// and a font's height 6 to 48 points at the display's resolution (a height of 0,
// "the default size", is kept).
#pragma once

#include "platform/WinTypes.h"

namespace themeapply {

void clampSizes(win::NONCLIENTMETRICSA& metrics, int dpi);
void clampSizes(win::ICONMETRICSA& metrics, int dpi);

} // namespace themeapply
