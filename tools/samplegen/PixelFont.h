// The generator's own lettering: a proportional 5x7 pixel font with descenders.
// At size 1 it draws crisp pixels, as the captions of a small Windows preview;
// larger sizes are smoothed by reading the glyph bitmap as a bilinear field and
// cutting it at a threshold, which rounds corners and joins diagonal steps.
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

struct TextStyle {
    double size = 1;    // pixels per font unit
    bool bold = false;  // each stroke one unit wider
    double spacing = 1; // units between letters
};

class PixelFont {
public:
    // Width of the text in pixels.
    static double measure(const std::string& text, const TextStyle& style);
    // Draws text with its top-left corner at (x, y); throws for a character the
    // font lacks, so a caption never silently loses a letter.
    static void draw(Canvas& canvas, double x, double y, const std::string& text, const Color& c,
                     const TextStyle& style);
    // Horizontally centred on cx.
    static void drawCentred(Canvas& canvas, double cx, double y, const std::string& text, const Color& c,
                            const TextStyle& style);
};

} // namespace samplegen
