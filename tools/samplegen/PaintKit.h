// Small painting helpers shared by the procedural pictures: colour ramps,
// smooth steps, whole-canvas fields and additive light.
#pragma once

#include "Canvas.h"

#include <functional>
#include <utility>
#include <vector>

namespace samplegen {

using Stops = std::vector<std::pair<double, Color>>;

// Colour at t along stops sorted by position.
Color ramp(const Stops& stops, double t);
double smoothstep(double edge0, double edge1, double x);
// Sets every pixel from f(u, v), u and v in [0, 1] at the pixel centres.
void field(Canvas& canvas, const std::function<Color(double u, double v)>& f);
// Adds light to a pixel (screen-like additive blend, clipped at white).
void addLight(Canvas& canvas, int x, int y, const Color& light, double amount);
// A soft round glow, falling off as a Gaussian of the given radius.
void glow(Canvas& canvas, double cx, double cy, double radius, const Color& light, double amount);

} // namespace samplegen
