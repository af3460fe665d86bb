// Preview pictures of the screen savers: a frame of each saver's animation.
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

// Throws for a display name without a design.
Canvas saverPreview(const std::string& displayName);

} // namespace samplegen
