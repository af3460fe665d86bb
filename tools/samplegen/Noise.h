// Deterministic pseudo-random numbers and smooth noise for the procedural
// pictures: the same inputs give the same bytes on every run.
#pragma once

#include <cstdint>

namespace samplegen {

// A well-mixed 32-bit hash of two integers and a seed.
std::uint32_t hash3(int x, int y, std::uint32_t seed);
// Uniform value in [0, 1) from the hash.
double unit(int x, int y, std::uint32_t seed);
// Smooth value noise in [0, 1] over the plane; features about one unit apart.
double valueNoise(double x, double y, std::uint32_t seed);
// Fractal sum of octaves of value noise, in [0, 1].
double fractalNoise(double x, double y, std::uint32_t seed, int octaves);

// A small sequential generator for scattering shapes.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed) {}
    double next(); // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint32_t state_;
};

} // namespace samplegen
