// Curtains of northern light waving over a night sky.
#pragma once

#include "savers/common/Pixels.h"

namespace savers {

void drawAurora(Pixels& picture, unsigned frame);

} // namespace savers
