// Baseline JPEG through stb_image_write, for the theme and screen-saver previews.
#pragma once

#include "Canvas.h"

#include <cstdint>
#include <vector>

namespace samplegen {

std::vector<std::uint8_t> jpeg(const Canvas& canvas, int quality = 92);

} // namespace samplegen
