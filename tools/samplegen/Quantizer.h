// Reduces a picture to an indexed one with at most a given number of colours
// (median cut), for the 8-bit boot screens, the GIF images and the icons.
#pragma once

#include "Canvas.h"

#include <array>
#include <cstdint>
#include <vector>

namespace samplegen {

using Rgb = std::array<std::uint8_t, 3>;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> palette;
    std::vector<std::uint8_t> pixels; // one palette index per pixel, top row first
};

// Median cut over the picture's opaque colours; with dither, an ordered 4x4
// pattern spreads gradients over neighbouring palette entries.
IndexedImage quantize(const Canvas& canvas, int maxColors, bool dither,
                      const Color& background = rgb(0, 0, 0));
// Maps the picture onto a fixed palette (nearest colour).
IndexedImage mapToPalette(const Canvas& canvas, const std::vector<Rgb>& palette,
                          const Color& background = rgb(0, 0, 0));
// The sixteen colours of the standard VGA palette, as 16-colour icons use.
const std::vector<Rgb>& vgaPalette();

} // namespace samplegen
