// Bright ribbons twisting through each other across a black screen.
#pragma once

#include "savers/common/Pixels.h"

namespace savers {

void drawRibbons(Pixels& picture, unsigned frame);

} // namespace savers
