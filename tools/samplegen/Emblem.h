// The program's emblem: a rosette of six overlapping colour petals around a
// white heart, like a fan of paint swatches seen from above.
#pragma once

#include "Canvas.h"

namespace samplegen {

// Draws the emblem centred on (cx, cy) within the given radius; xScale squeezes
// it horizontally for pictures shown with wide pixels (the 320x400 boot screens).
void drawEmblem(Canvas& canvas, double cx, double cy, double radius, double xScale = 1);

} // namespace samplegen
