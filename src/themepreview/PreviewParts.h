// The parts the theme preview is drawn from, each in a file of its own: the
// colours, fonts and sizes (PreviewScheme.cpp), the desktop with its wallpaper
// and icons (PreviewDesktop.cpp), and the sample windows (SampleWindows.cpp).
#pragma once

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WinTypes.h"
#include "platform/ui/Canvas.h"
#include "themefile/ThemeCheck.h"

#include <array>
#include <cstddef>

namespace themepreview {

// The colours, fonts and sizes the preview is drawn in: the theme's, and the
// running Windows' where the theme has none.
struct PreviewScheme {
    std::array<win::COLORREF, win::COLOR_GRADIENTINACTIVECAPTION + 1> colors{};
    win::NONCLIENTMETRICSA metrics{};
    win::LOGFONTA iconFont{};

    win::COLORREF color(int index) const { return colors[static_cast<std::size_t>(index)]; }
};

PreviewScheme schemeOf(const themefile::CheckedTheme& theme, win::WindowsApi& api);

// Windows 98, ME and 2000 draw captions as a gradient; 95 and NT 4 in one colour.
bool drawsGradientCaptions(const std::string& versionTag);

// The desktop colour and the wallpaper over all of area.
void drawWallpaper(ui::Canvas& canvas, const ui::Rect& area, const themefile::CheckedTheme& theme,
                   const PreviewScheme& scheme, rt::Platform& platform);
// The desktop icons down the left of area, in a column columnWidth wide.
void drawDesktopIcons(ui::Canvas& canvas, const ui::Rect& area, int columnWidth,
                      const themefile::CheckedTheme& theme, const PreviewScheme& scheme,
                      win::WindowsApi& api);
// The inactive and the active sample window within area.
void drawSampleWindows(ui::Canvas& canvas, const ui::Rect& area, const PreviewScheme& scheme, bool gradients);

} // namespace themepreview
