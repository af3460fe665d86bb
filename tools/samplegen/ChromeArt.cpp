#include "ChromeArt.h"

#include "Emblem.h"
#include "PixelFont.h"

#include <cmath>
#include <stdexcept>

namespace samplegen {

Color windowGreen() {
    return rgb(0, 43, 17);
}

Canvas titleButton(const std::string& kind, ButtonState state) {
    Canvas c(18, 18, windowGreen());
    Color face = rgb(22, 86, 48), rim = rgb(70, 140, 96), glyph = rgb(214, 236, 222);
    double shift = 0;
    if (state == ButtonState::Hover) {
        face = kind == "close" ? rgb(196, 52, 40) : rgb(40, 124, 70);
        rim = kind == "close" ? rgb(240, 120, 100) : rgb(110, 190, 136);
        glyph = rgb(255, 255, 255);
    } else if (state == ButtonState::Pressed) {
        face = kind == "close" ? rgb(120, 28, 20) : rgb(8, 46, 22);
        rim = rgb(0, 20, 8);
        glyph = rgb(190, 210, 198);
        shift = 1;
    }
    c.fillRoundRect(1, 1, 17, 17, 3.5, rim);
    c.fillRoundRect(2, 2, 16, 16, 2.5, face);
    if (state == ButtonState::Pressed) {
        // Sunken: a shadow along the top and left inside edge.
        c.fillRect(3, 2, 15, 3, withAlpha(rgb(0, 0, 0), 0.45));
        c.fillRect(2, 3, 3, 15, withAlpha(rgb(0, 0, 0), 0.45));
    } else {
        c.fillRect(3, 2, 15, 3, withAlpha(rgb(255, 255, 255), state == ButtonState::Hover ? 0.3 : 0.15));
    }
    if (kind == "close") {
        c.strokeLine(6 + shift, 6 + shift, 12 + shift, 12 + shift, 1.8, glyph);
        c.strokeLine(12 + shift, 6 + shift, 6 + shift, 12 + shift, 1.8, glyph);
    } else if (kind == "minimize") {
        c.fillRect(5.5 + shift, 11 + shift, 12.5 + shift, 13 + shift, glyph);
    } else if (kind == "help") {
        PixelFont::draw(c, 7 + shift, 5 + shift, "?", glyph, TextStyle{1, false, 1});
    } else {
        throw std::runtime_error("no title button called " + kind);
    }
    return c;
}

Canvas soundPicture() {
    Canvas c(40, 40, windowGreen());
    const Color body = rgb(220, 232, 224);
    c.fillRoundRect(5, 14, 13, 26, 1.5, body);
    c.fillPolygon({{12, 14}, {21, 6}, {21, 34}, {12, 26}}, body);
    c.fillRect(21, 6, 22.5, 34, rgb(160, 180, 168));
    const Color waves[] = {rgb(0, 150, 160), rgb(240, 190, 40), rgb(216, 64, 96)};
    for (int i = 0; i < 3; ++i) {
        double r = 6 + i * 5;
        c.fillShape(
            22, 20 - r - 1, 22 + r + 1, 20 + r + 1,
            [&](double x, double y) {
                double dx = x - 22, dy = y - 20, d = std::sqrt(dx * dx + dy * dy);
                return dx > 0 && std::abs(dy) < dx * 1.2 && std::abs(d - r) < 1.1;
            },
            waves[i]);
    }
    return c;
}

Canvas logoPicture() {
    Canvas c(64, 64, windowGreen());
    drawEmblem(c, 32, 32, 30);
    return c;
}

Canvas aboutPicture() {
    Canvas c(64, 64);
    c.gradientRect(0, 0, 64, 64, rgb(0, 96, 70), rgb(0, 30, 14), false);
    c.fillRect(0, 0, 64, 1, rgb(60, 150, 110));
    c.fillRect(0, 0, 1, 64, rgb(60, 150, 110));
    c.fillRect(0, 63, 64, 64, rgb(0, 16, 6));
    c.fillRect(63, 0, 64, 64, rgb(0, 16, 6));
    drawEmblem(c, 32, 32, 26);
    return c;
}

} // namespace samplegen
