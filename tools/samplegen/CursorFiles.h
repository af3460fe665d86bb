// Icon (.ico), cursor (.cur) and animated cursor (.ani) files. Each image is a
// device-independent bitmap of twice its height: the colour (XOR) rows, then
// the 1-bit transparency (AND) mask, as Windows 95 and NT read them.
#pragma once

#include "Canvas.h"
#include "Quantizer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace samplegen {

struct IconImage {
    IndexedImage colors;      // 16 or 256 palette entries
    std::vector<bool> opaque; // per pixel, top row first
    int bitCount = 4;         // 4 or 8
};

// Turns an RGBA canvas into an icon image: pixels at least half covered become
// opaque; colours come from the given palette, or from a quantized one when the
// palette is empty.
IconImage iconImage(const Canvas& canvas, int bitCount, const std::vector<Rgb>& palette = {});

std::vector<std::uint8_t> icoFile(const std::vector<IconImage>& images);
std::vector<std::uint8_t> curFile(const IconImage& image, int hotX, int hotY);

struct AniFrame {
    IconImage image;
    int hotX = 0;
    int hotY = 0;
};
// RIFF "ACON": an INFO list with title and author, the "anih" header, and a
// "fram" list with one "icon" chunk (a whole .cur file) per frame.
std::vector<std::uint8_t> aniFile(const std::vector<AniFrame>& frames, int jiffiesPerFrame,
                                  const std::string& title);

} // namespace samplegen
