// Previews drawn from a scheme's own colours: the theme preview (a miniature
// desktop over the theme's wallpaper) and the colour-scheme preview (a small
// window showing caption, menu, window text and a button).
#pragma once

#include "Canvas.h"
#include "Scheme.h"

#include <string>
#include <vector>

namespace samplegen {

// The desktop icons shown on a theme preview, 16x16 each, top to bottom.
Canvas themePreview(const Canvas& wallpaper, const Scheme& scheme, const std::string& title,
                    const std::vector<Canvas>& desktopIcons, int width, int height);
Canvas schemePreview(const Scheme& scheme, int width, int height);

} // namespace samplegen
