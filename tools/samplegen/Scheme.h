// One colour scheme: the 29 Windows system colours of a scheme row, in the
// standard numbering (COLOR_SCROLLBAR 0 .. COLOR_GRADIENTINACTIVECAPTION 28).
#pragma once

#include "Canvas.h"
#include "Catalogue.h"

#include <array>
#include <map>

namespace samplegen {

enum SysColor : int {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    ButtonDarkShadow = 21,
    ButtonLight = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
};

struct Scheme {
    std::array<Color, 29> colors{};
    const Color& operator[](SysColor c) const { return colors[static_cast<std::size_t>(c)]; }
};

// Schemes by row from the records of colors.txt; a row must give all 29 colours.
std::map<int, Scheme> schemesFromColors(const std::vector<Record>& records);

} // namespace samplegen
