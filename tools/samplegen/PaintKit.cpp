#include "PaintKit.h"

#include <algorithm>
#include <cmath>

namespace samplegen {

Color ramp(const Stops& stops, double t) {
    if (t <= stops.front().first)
        return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].first) {
            double span = stops[i].first - stops[i - 1].first;
            return mix(stops[i - 1].second, stops[i].second, span > 0 ? (t - stops[i - 1].first) / span : 1);
        }
    }
    return stops.back().second;
}

double smoothstep(double edge0, double edge1, double x) {
    double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void field(Canvas& canvas, const std::function<Color(double u, double v)>& f) {
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            canvas.at(x, y) = withAlpha(f((x + 0.5) / canvas.width(), (y + 0.5) / canvas.height()), 1);
}

void addLight(Canvas& canvas, int x, int y, const Color& light, double amount) {
    if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height() || amount <= 0)
        return;
    Color& p = canvas.at(x, y);
    p.r = std::min(255.0, p.r + light.r * amount);
    p.g = std::min(255.0, p.g + light.g * amount);
    p.b = std::min(255.0, p.b + light.b * amount);
}

void glow(Canvas& canvas, double cx, double cy, double radius, const Color& light, double amount) {
    int x0 = static_cast<int>(cx - radius * 3), x1 = static_cast<int>(cx + radius * 3) + 1;
    int y0 = static_cast<int>(cy - radius * 3), y1 = static_cast<int>(cy + radius * 3) + 1;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            addLight(canvas, x, y, light, amount * std::exp(-(dx * dx + dy * dy) / (radius * radius)));
        }
    }
}

} // namespace samplegen
