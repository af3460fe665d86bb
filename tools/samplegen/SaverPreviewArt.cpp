#include "SaverPreviewArt.h"

#include "Noise.h"
#include "PaintKit.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

const double pi = 3.14159265358979323846;
const int width = 256, height = 192;

// Bands of northern light waving across a black screen.
Canvas aurora() {
    Canvas c(width, height);
    field(c, [](double u, double v) {
        Color col = rgb(0, 2, 8);
        for (int band = 0; band < 3; ++band) {
            double centre =
                0.3 + band * 0.2 + 0.08 * std::sin(2 * pi * (u * (1.1 + band * 0.3) + band * 0.27));
            double d = v - centre;
            double profile = d < 0 ? std::exp(-std::pow(d / 0.11, 2)) : std::exp(-std::pow(d / 0.025, 2));
            double rays = 0.4 + 0.6 * valueNoise(u * 40, band, 130 + static_cast<std::uint32_t>(band));
            Color light = band == 1 ? rgb(120, 90, 230) : rgb(60, 236, 150);
            double k = profile * rays * (band == 1 ? 0.7 : 1.0);
            col.r = std::min(255.0, col.r + light.r * k);
            col.g = std::min(255.0, col.g + light.g * k);
            col.b = std::min(255.0, col.b + light.b * k);
        }
        return col;
    });
    return c;
}

// Stars rushing outwards from the centre of the screen.
Canvas starfield() {
    Canvas c(width, height, rgb(0, 0, 6));
    Random rng(140);
    for (int i = 0; i < 160; ++i) {
        double a = rng.range(0, 2 * pi), d = std::pow(rng.next(), 0.7) * 150;
        double len = d * 0.18;
        double x1 = width / 2.0 + std::cos(a) * d, y1 = height / 2.0 + std::sin(a) * d;
        double x0 = width / 2.0 + std::cos(a) * (d - len), y0 = height / 2.0 + std::sin(a) * (d - len);
        double bright = std::min(1.0, 0.25 + d / 130);
        c.strokeLine(x0, y0, x1, y1, 0.6 + d / 110, withAlpha(rgb(220, 230, 255), bright));
    }
    return c;
}

// Soap bubbles with rainbow sheen drifting over deep blue.
Canvas bubbles() {
    Canvas c(width, height);
    field(c, [](double, double v) { return ramp({{0, rgb(8, 30, 70)}, {1, rgb(2, 10, 30)}}, v); });
    Random rng(150);
    for (int i = 0; i < 14; ++i) {
        double x = rng.range(10, width - 10), y = rng.range(10, height - 10), r = rng.range(10, 34);
        c.paintShape(x - r, y - r, x + r, y + r, [&](double px, double py, Color& out) {
            double dx = (px - x) / r, dy = (py - y) / r, d = std::sqrt(dx * dx + dy * dy);
            if (d > 1)
                return false;
            double hue = std::atan2(dy, dx) / (2 * pi) + 0.5;
            Color sheen = mix(mix(rgb(120, 220, 255), rgb(255, 140, 220), hue), rgb(255, 240, 140),
                              std::abs(hue - 0.5));
            out = withAlpha(sheen, 0.08 + 0.6 * std::pow(d, 6));
            return true;
        });
        c.fillEllipse(x - r * 0.4, y - r * 0.45, r * 0.18, r * 0.1, withAlpha(rgb(255, 255, 255), 0.8));
    }
    return c;
}

// Bright ribbons twisting through each other.
Canvas ribbons() {
    Canvas c(width, height, rgb(0, 0, 0));
    const Color colours[] = {rgb(255, 90, 90), rgb(255, 200, 60), rgb(80, 200, 255), rgb(150, 255, 120)};
    for (int r = 0; r < 4; ++r) {
        for (int i = 0; i < 400; ++i) {
            double t = i / 400.0;
            double x = t * (width + 40) - 20;
            double y = height / 2.0 + std::sin(t * 2 * pi * (1 + r * 0.35) + r) * (50 - r * 6);
            double twist = std::cos(t * 2 * pi * 2.5 + r * 1.7);
            double half = 2 + 9 * std::abs(twist);
            Color col = twist > 0 ? colours[r] : darker(colours[r], 0.45);
            c.strokeLine(x, y - half, x, y + half, 2.2, withAlpha(col, 0.9));
        }
    }
    return c;
}

} // namespace

Canvas saverPreview(const std::string& displayName) {
    static const std::map<std::string, Canvas (*)()> designs = {{"Orlo Aurora", aurora},
                                                                {"Orlo Starfield", starfield},
                                                                {"Orlo Bubbles", bubbles},
                                                                {"Orlo Ribbons", ribbons}};
    auto it = designs.find(displayName);
    if (it == designs.end())
        throw std::runtime_error("no screen-saver preview design called " + displayName);
    return it->second();
}

} // namespace samplegen
