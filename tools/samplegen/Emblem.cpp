#include "Emblem.h"

#include <cmath>

namespace samplegen {

void drawEmblem(Canvas& canvas, double cx, double cy, double radius, double xScale) {
    const double pi = 3.14159265358979323846;
    const Color petals[] = {rgb(0, 150, 160),  rgb(80, 176, 72), rgb(240, 190, 40),
                            rgb(236, 120, 40), rgb(216, 64, 96), rgb(120, 80, 190)};
    for (int i = 0; i < 6; ++i) {
        double angle = -pi / 2 + i * pi / 3;
        double px = std::cos(angle), py = std::sin(angle);
        double centre = radius * 0.48, along = radius * 0.52, across = radius * 0.3;
        Color c = withAlpha(petals[i], 0.88);
        canvas.fillShape(
            cx - radius * xScale, cy - radius, cx + radius * xScale, cy + radius,
            [&](double x, double y) {
                double dx = (x - cx) / xScale, dy = y - cy;
                double a = dx * px + dy * py - centre;
                double b = -dx * py + dy * px;
                return (a * a) / (along * along) + (b * b) / (across * across) <= 1;
            },
            c);
    }
    canvas.fillEllipse(cx, cy, radius * 0.24 * xScale, radius * 0.24, rgb(255, 255, 255));
    canvas.fillShape(
        cx - radius * 0.2 * xScale, cy - radius * 0.2, cx + radius * 0.2 * xScale, cy + radius * 0.2,
        [&](double x, double y) {
            double dx = (x - cx) / xScale, dy = y - cy;
            double d = std::sqrt(dx * dx + dy * dy);
            return d <= radius * 0.14 && d >= radius * 0.09;
        },
        rgb(0, 43, 17));
}

} // namespace samplegen
