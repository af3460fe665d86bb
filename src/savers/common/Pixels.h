// The picture a screen saver draws into: 32-bit pixels 0x00RRGGBB, top row
// first, the layout of a top-down 32-bit Windows bitmap. The drawing code knows
// nothing of Windows, so the sample generator renders the very same frames for
// the preview pictures of the Screen Saver tab.
#pragma once

#include <stdint.h>

namespace savers {

struct Pixels {
    uint32_t* bits;
    int width;
    int height;
};

// One animation: draws frame number `frame` (the saver's timer counts them from
// 0) over the whole picture. A frame depends on nothing but its number and the
// picture's size, so a preview can show any moment of the animation.
typedef void (*Scene)(Pixels& picture, unsigned frame);

constexpr uint32_t rgb(int r, int g, int b) {
    return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}

// Each channel of `colour` scaled by weight/256 and added, saturating at 255.
void addLight(uint32_t& pixel, uint32_t colour, int weight);
// `colour` laid over the pixel with opacity alpha/256.
void blend(uint32_t& pixel, uint32_t colour, int alpha);
// Rows shading from `top` to `bottom`.
void verticalRamp(Pixels& picture, uint32_t top, uint32_t bottom);
// Columns x, rows y0 to y1 (clipped), laid over with opacity alpha/256.
void verticalSpan(Pixels& picture, int x, int y0, int y1, uint32_t colour, int alpha);

// A repeatable pseudo-random number 0..65535 for a seed: the same star, bubble
// or ray comes back at the same place in every frame.
unsigned hash16(unsigned seed);
// sin and cos of a turn fraction (1.0 is a full circle), from one table.
float sinTurns(float turns);
inline float cosTurns(float turns) {
    return sinTurns(turns + 0.25f);
}

} // namespace savers
