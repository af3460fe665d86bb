#include "savers/common/Pixels.h"

namespace savers {
namespace {

int channel(uint32_t c, int shift) {
    return int((c >> shift) & 0xFF);
}

int clamp255(int v) {
    return v > 255 ? 255 : v;
}

// A quarter circle would do; a whole one keeps the lookup plain.
const int tableSize = 1024;
float sineTable[tableSize];
bool sineReady = false;

// sin by its Taylor series over a half turn folded about its peak: good to
// 1e-6, and no floating-point library needed in the savers.
float sineOf(double x) {
    const double pi = 3.14159265358979323846;
    // x in [0, 2pi): fold into [-pi/2, pi/2].
    double sign = 1;
    if (x > pi) {
        x -= pi;
        sign = -1;
    }
    if (x > pi / 2)
        x = pi - x;
    double x2 = x * x, term = x, sum = x;
    for (int n = 1; n < 8; ++n) {
        term *= -x2 / ((2 * n) * (2 * n + 1));
        sum += term;
    }
    return float(sign * sum);
}

} // namespace

void addLight(uint32_t& pixel, uint32_t colour, int weight) {
    int r = channel(pixel, 16) + ((channel(colour, 16) * weight) >> 8);
    int g = channel(pixel, 8) + ((channel(colour, 8) * weight) >> 8);
    int b = channel(pixel, 0) + ((channel(colour, 0) * weight) >> 8);
    pixel = rgb(clamp255(r), clamp255(g), clamp255(b));
}

void blend(uint32_t& pixel, uint32_t colour, int alpha) {
    int keep = 256 - alpha;
    int r = (channel(pixel, 16) * keep + channel(colour, 16) * alpha) >> 8;
    int g = (channel(pixel, 8) * keep + channel(colour, 8) * alpha) >> 8;
    int b = (channel(pixel, 0) * keep + channel(colour, 0) * alpha) >> 8;
    pixel = rgb(r, g, b);
}

void verticalRamp(Pixels& picture, uint32_t top, uint32_t bottom) {
    for (int y = 0; y < picture.height; ++y) {
        uint32_t colour = top;
        blend(colour, bottom, picture.height > 1 ? y * 256 / (picture.height - 1) : 0);
        uint32_t* row = picture.bits + y * picture.width;
        for (int x = 0; x < picture.width; ++x)
            row[x] = colour;
    }
}

void verticalSpan(Pixels& picture, int x, int y0, int y1, uint32_t colour, int alpha) {
    if (x < 0 || x >= picture.width)
        return;
    if (y0 < 0)
        y0 = 0;
    if (y1 > picture.height - 1)
        y1 = picture.height - 1;
    for (int y = y0; y <= y1; ++y)
        blend(picture.bits[y * picture.width + x], colour, alpha);
}

unsigned hash16(unsigned seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= h >> 15;
    h *= 0x85EBCA77u;
    h ^= h >> 13;
    return (h >> 8) & 0xFFFF;
}

float sinTurns(float turns) {
    if (!sineReady) {
        for (int i = 0; i < tableSize; ++i)
            sineTable[i] = sineOf(2 * 3.14159265358979323846 * i / tableSize);
        sineReady = true;
    }
    float scaled = turns * tableSize;
    int whole = int(scaled);
    if (scaled < whole)
        --whole;
    float part = scaled - whole;
    int i = whole & (tableSize - 1);
    return sineTable[i] + (sineTable[(i + 1) & (tableSize - 1)] - sineTable[i]) * part;
}

} // namespace savers
