// Stars rushing out of the centre of the screen, as seen from a fast ship.
#pragma once

#include "savers/common/Pixels.h"

namespace savers {

void drawStarfield(Pixels& picture, unsigned frame);

} // namespace savers
