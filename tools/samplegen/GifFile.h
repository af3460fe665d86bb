// GIF images with one global palette and LZW-compressed pixel data, as the
// folder web-view pictures are shipped.
#pragma once

#include "Quantizer.h"

#include <cstdint>
#include <vector>

namespace samplegen {

std::vector<std::uint8_t> gif(const IndexedImage& image);

} // namespace samplegen
