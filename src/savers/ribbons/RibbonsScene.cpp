#include "savers/ribbons/RibbonsScene.h"

namespace savers {

void drawRibbons(Pixels& picture, unsigned frame) {
    static constexpr uint32_t colours[] = {rgb(255, 90, 90), rgb(255, 200, 60), rgb(80, 200, 255),
                                           rgb(150, 255, 120)};
    const int w = picture.width;
    const float h = float(picture.height), t = frame * 0.01f;
    verticalRamp(picture, rgb(0, 0, 0), rgb(0, 0, 0));
    for (int r = 0; r < 4; ++r) {
        uint32_t bright = colours[r], dark = rgb(0, 0, 0);
        blend(dark, bright, 115);
        for (int x = 0; x < w; ++x) {
            float u = float(x) / w;
            float centre = h / 2 + sinTurns(u * (1 + r * 0.35f) + r * 0.16f + t) * h * (0.26f - r * 0.03f);
            // The ribbon turns about its length: wide where it faces the viewer,
            // a thin edge where it turns away, and its back side darker.
            float twist = cosTurns(u * 2.5f + r * 0.27f + t * 1.5f);
            float half = h * (0.01f + 0.045f * (twist < 0 ? -twist : twist));
            verticalSpan(picture, x, int(centre - half), int(centre + half), twist > 0 ? bright : dark, 230);
        }
    }
}

} // namespace savers
