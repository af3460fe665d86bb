// Soap bubbles with a rainbow sheen rising through deep blue water.
#pragma once

#include "savers/common/Pixels.h"

namespace savers {

void drawBubbles(Pixels& picture, unsigned frame);

} // namespace savers
