// Where the tabs' wallpaper-sized preview pictures stand, in twips on their tab
// page: one layout for an 800 x 600 wallpaper (also the controls' design
// position) and one for a 1024 x 768 wallpaper, each with the colour scheme's
// small picture set into the preview's bottom-right corner.
#pragma once

#include "platform/ui/WindowSystem.h"

namespace catalogue {

struct PreviewLayout {
    ui::Rect wallpaper;
    ui::Rect scheme;
};

constexpr PreviewLayout previewFor800x600{{4920, 1530, 3585, 2685}, {7200, 3140, 1305, 1075}};
constexpr PreviewLayout previewFor1024x768{{4830, 1410, 3735, 2925}, {7200, 3150, 1365, 1185}};

} // namespace catalogue
