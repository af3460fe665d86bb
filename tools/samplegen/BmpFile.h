// Windows bitmap files: 24-bit true colour, and 8-bit with a palette as the
// Windows start-up and shut-down screens (logo.sys) are stored.
#pragma once

#include "Canvas.h"
#include "Quantizer.h"

#include <cstdint>
#include <vector>

namespace samplegen {

std::vector<std::uint8_t> bmp24(const Canvas& canvas);
std::vector<std::uint8_t> bmp8(const IndexedImage& image);

} // namespace samplegen
