#include "savers/bubbles/BubblesScene.h"

namespace savers {
namespace {

const int bubbleCount = 14;

void bubble(Pixels& picture, float cx, float cy, float r) {
    int x0 = int(cx - r), x1 = int(cx + r) + 1, y0 = int(cy - r), y1 = int(cy + r) + 1;
    if (x0 < 0)
        x0 = 0;
    if (y0 < 0)
        y0 = 0;
    if (x1 > picture.width)
        x1 = picture.width;
    if (y1 > picture.height)
        y1 = picture.height;
    for (int y = y0; y < y1; ++y) {
        float dy = (y + 0.5f - cy) / r;
        for (int x = x0; x < x1; ++x) {
            float dx = (x + 0.5f - cx) / r;
            float d2 = dx * dx + dy * dy;
            if (d2 > 1)
                continue;
            // Clear in the middle, a coloured film towards the rim: cyan on the
            // left, pink on the right, gold at top and bottom.
            uint32_t sheen = rgb(120, 220, 255);
            blend(sheen, rgb(255, 140, 220), int((dx + 1) * 128));
            blend(sheen, rgb(255, 240, 140), int((dy < 0 ? -dy : dy) * 128));
            blend(picture.bits[y * picture.width + x], sheen, 20 + int(d2 * d2 * d2 * 160));
        }
    }
    // The window's reflection, up and to the left.
    float hx = cx - r * 0.4f, hy = cy - r * 0.45f, rx = r * 0.18f, ry = r * 0.1f;
    for (int y = int(hy - ry); y <= int(hy + ry); ++y)
        for (int x = int(hx - rx); x <= int(hx + rx); ++x) {
            float ex = (x - hx) / rx, ey = (y - hy) / ry;
            if (ex * ex + ey * ey <= 1 && x >= 0 && y >= 0 && x < picture.width && y < picture.height)
                blend(picture.bits[y * picture.width + x], rgb(255, 255, 255), 200);
        }
}

} // namespace

void drawBubbles(Pixels& picture, unsigned frame) {
    const float w = float(picture.width), h = float(picture.height);
    verticalRamp(picture, rgb(8, 30, 70), rgb(2, 10, 30));
    for (int i = 0; i < bubbleCount; ++i) {
        float r = h * (0.05f + 0.13f * hash16(i * 4) / 65536.0f);
        float speed = 0.0015f + 0.003f * hash16(i * 4 + 1) / 65536.0f;
        float risen = hash16(i * 4 + 2) / 65536.0f + frame * speed;
        float y = h + r - (risen - int(risen)) * (h + 2 * r);
        float x = w * hash16(i * 4 + 3) / 65536.0f + sinTurns(frame * 0.005f + i * 0.3f) * r * 0.6f;
        bubble(picture, x, y, r);
    }
}

} // namespace savers
