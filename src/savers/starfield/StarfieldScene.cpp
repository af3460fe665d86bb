#include "savers/starfield/StarfieldScene.h"

namespace savers {
namespace {

const int starCount = 220;

// A straight streak with its brightness growing from the tail to the head.
void streak(Pixels& picture, float x0, float y0, float x1, float y1, int weight) {
    float dx = x1 - x0, dy = y1 - y0;
    float longest = (dx < 0 ? -dx : dx) > (dy < 0 ? -dy : dy) ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
    int steps = int(longest) + 1;
    for (int i = 0; i <= steps; ++i) {
        int x = int(x0 + dx * i / steps), y = int(y0 + dy * i / steps);
        if (x >= 0 && y >= 0 && x < picture.width && y < picture.height)
            addLight(picture.bits[y * picture.width + x], rgb(220, 230, 255), weight * (i + 1) / (steps + 1));
    }
}

} // namespace

void drawStarfield(Pixels& picture, unsigned frame) {
    const float cx = picture.width / 2.0f, cy = picture.height / 2.0f;
    const float spread = picture.width * 0.3f;
    verticalRamp(picture, rgb(0, 0, 6), rgb(0, 0, 6));
    for (int i = 0; i < starCount; ++i) {
        // The star's place in space, and how far along its flight it is: depth z
        // runs from 1 (far) to 0 (passing the viewer), then the star starts over.
        float sx = hash16(i * 3) / 32768.0f - 1, sy = hash16(i * 3 + 1) / 32768.0f - 1;
        float along = hash16(i * 3 + 2) / 65536.0f + frame * 0.006f;
        float z = 1 - (along - int(along));
        if (z < 0.02f)
            continue;
        float tail = z + 0.04f;
        float x1 = cx + sx / z * spread, y1 = cy + sy / z * spread;
        float x0 = cx + sx / tail * spread, y0 = cy + sy / tail * spread;
        int weight = int((1 - z) * (1 - z) * 300) + 40;
        streak(picture, x0, y0, x1, y1, weight);
        if (z < 0.25f)
            streak(picture, x0 + 1, y0, x1 + 1, y1, weight);
    }
}

} // namespace savers
