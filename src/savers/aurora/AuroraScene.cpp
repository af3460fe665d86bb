#include "savers/aurora/AuroraScene.h"

namespace savers {

void drawAurora(Pixels& picture, unsigned frame) {
    const int w = picture.width, h = picture.height;
    const float t = frame * 0.02f;
    verticalRamp(picture, rgb(0, 2, 12), rgb(0, 8, 16));

    // Three curtains: green, violet, green. Each hangs from a wavy line, fades
    // upwards over a tall reach and ends sharply just below the line.
    for (int band = 0; band < 3; ++band) {
        const uint32_t light = band == 1 ? rgb(120, 90, 230) : rgb(60, 236, 150);
        const float strength = band == 1 ? 170.0f : 240.0f;
        const float up = h * 0.24f, down = h * 0.05f;
        for (int x = 0; x < w; ++x) {
            float u = float(x) / w;
            float centre =
                h * (0.32f + 0.2f * band +
                     0.08f * sinTurns(u * (1.1f + 0.3f * band) + 0.27f * band + t * (0.5f + 0.15f * band)));
            // Rays: two slow waves across the curtain, their product lighting it in stripes.
            float rays = 0.3f + 0.7f * (0.5f + 0.5f * sinTurns(u * 7 + t * 0.8f + band * 0.3f) *
                                                   sinTurns(u * 17.3f - t * 0.45f + band * 0.61f));
            int top = int(centre - up), bottom = int(centre + down);
            if (top < 0)
                top = 0;
            if (bottom > h - 1)
                bottom = h - 1;
            for (int y = top; y <= bottom; ++y) {
                float s = (y - centre) / (y < centre ? up : down);
                float bump = 1 - s * s;
                int weight = int(bump * bump * bump * rays * strength);
                if (weight > 0)
                    addLight(picture.bits[y * w + x], light, weight);
            }
        }
    }
}

} // namespace savers
