#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace samplegen {

Color rgb(int r, int g, int b) {
    return Color{static_cast<double>(r), static_cast<double>(g), static_cast<double>(b), 1};
}

Color mix(const Color& a, const Color& b, double t) {
    return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Color withAlpha(const Color& c, double a) {
    return Color{c.r, c.g, c.b, a};
}

Color lighter(const Color& c, double t) {
    return mix(c, Color{255, 255, 255, c.a}, t);
}

Color darker(const Color& c, double t) {
    return mix(c, Color{0, 0, 0, c.a}, t);
}

Canvas::Canvas(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::blend(int x, int y, const Color& c, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    double sa = std::clamp(c.a * coverage, 0.0, 1.0);
    if (sa <= 0)
        return;
    Color& d = pixels_[index(x, y)];
    double oa = sa + d.a * (1 - sa);
    if (oa <= 0) {
        d = Color{0, 0, 0, 0};
        return;
    }
    d.r = (c.r * sa + d.r * d.a * (1 - sa)) / oa;
    d.g = (c.g * sa + d.g * d.a * (1 - sa)) / oa;
    d.b = (c.b * sa + d.b * d.a * (1 - sa)) / oa;
    d.a = oa;
}

void Canvas::paintShape(double x0, double y0, double x1, double y1,
                        const std::function<bool(double, double, Color&)>& paint, int samples) {
    int px0 = std::max(0, static_cast<int>(std::floor(x0)));
    int py0 = std::max(0, static_cast<int>(std::floor(y0)));
    int px1 = std::min(width_, static_cast<int>(std::ceil(x1)));
    int py1 = std::min(height_, static_cast<int>(std::ceil(y1)));
    double step = 1.0 / samples;
    double weight = 1.0 / (samples * samples);
    for (int y = py0; y < py1; ++y) {
        for (int x = px0; x < px1; ++x) {
            Color sum{0, 0, 0, 0};
            double cover = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    Color c;
                    if (!paint(x + (sx + 0.5) * step, y + (sy + 0.5) * step, c))
                        continue;
                    double w = weight * c.a;
                    sum.r += c.r * w;
                    sum.g += c.g * w;
                    sum.b += c.b * w;
                    cover += w;
                }
            }
            if (cover > 0)
                blend(x, y, Color{sum.r / cover, sum.g / cover, sum.b / cover, 1}, cover);
        }
    }
}

void Canvas::fillShape(double x0, double y0, double x1, double y1,
                       const std::function<bool(double, double)>& inside, const Color& c, int samples) {
    paintShape(
        x0, y0, x1, y1,
        [&](double x, double y, Color& out) {
            if (!inside(x, y))
                return false;
            out = c;
            return true;
        },
        samples);
}

void Canvas::fillRect(double x0, double y0, double x1, double y1, const Color& c) {
    fillShape(
        x0, y0, x1, y1, [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }, c);
}

void Canvas::fillRoundRect(double x0, double y0, double x1, double y1, double radius, const Color& c) {
    radius = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    fillShape(
        x0, y0, x1, y1,
        [&](double x, double y) {
            if (x < x0 || x >= x1 || y < y0 || y >= y1)
                return false;
            double cx = std::clamp(x, x0 + radius, x1 - radius);
            double cy = std::clamp(y, y0 + radius, y1 - radius);
            return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
        },
        c);
}

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, const Color& c) {
    fillShape(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [&](double x, double y) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1;
        },
        c);
}

void Canvas::fillRing(double cx, double cy, double outer, double inner, const Color& c) {
    fillShape(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [&](double x, double y) {
            double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 <= outer * outer && d2 >= inner * inner;
        },
        c);
}

bool insidePolygon(const std::vector<Point>& points, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

std::vector<Point> rotated(const std::vector<Point>& points, double angle, double cx, double cy) {
    std::vector<Point> out;
    double s = std::sin(angle), c = std::cos(angle);
    for (const Point& p : points) {
        double dx = p.x - cx, dy = p.y - cy;
        out.push_back(Point{cx + dx * c - dy * s, cy + dx * s + dy * c});
    }
    return out;
}

void Canvas::fillPolygon(const std::vector<Point>& points, const Color& c) {
    if (points.size() < 3)
        return;
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    fillShape(
        x0, y0, x1, y1, [&](double x, double y) { return insidePolygon(points, x, y); }, c);
}

void Canvas::strokeLine(double x0, double y0, double x1, double y1, double width, const Color& c) {
    double half = width / 2;
    double dx = x1 - x0, dy = y1 - y0;
    double len2 = dx * dx + dy * dy;
    fillShape(
        std::min(x0, x1) - half, std::min(y0, y1) - half, std::max(x0, x1) + half, std::max(y0, y1) + half,
        [&](double x, double y) {
            double t = len2 > 0 ? std::clamp(((x - x0) * dx + (y - y0) * dy) / len2, 0.0, 1.0) : 0;
            double px = x0 + t * dx - x, py = y0 + t * dy - y;
            return px * px + py * py <= half * half;
        },
        c);
}

void Canvas::gradientRect(double x0, double y0, double x1, double y1, const Color& from, const Color& to,
                          bool horizontal) {
    paintShape(
        x0, y0, x1, y1,
        [&](double x, double y, Color& out) {
            if (x < x0 || x >= x1 || y < y0 || y >= y1)
                return false;
            double t = horizontal ? (x - x0) / (x1 - x0) : (y - y0) / (y1 - y0);
            out = mix(from, to, t);
            return true;
        },
        1);
}

Canvas Canvas::scaled(int width, int height) const {
    Canvas out(width, height);
    double fx = static_cast<double>(width_) / width;
    double fy = static_cast<double>(height_) / height;
    for (int y = 0; y < height; ++y) {
        double sy0 = y * fy, sy1 = (y + 1) * fy;
        for (int x = 0; x < width; ++x) {
            double sx0 = x * fx, sx1 = (x + 1) * fx;
            Color sum{0, 0, 0, 0};
            double total = 0;
            for (int sy = static_cast<int>(sy0); sy < std::min(height_, static_cast<int>(std::ceil(sy1)));
                 ++sy) {
                double wy = std::min(sy1, sy + 1.0) - std::max(sy0, static_cast<double>(sy));
                for (int sx = static_cast<int>(sx0); sx < std::min(width_, static_cast<int>(std::ceil(sx1)));
                     ++sx) {
                    double w = wy * (std::min(sx1, sx + 1.0) - std::max(sx0, static_cast<double>(sx)));
                    const Color& p = at(sx, sy);
                    sum.r += p.r * p.a * w;
                    sum.g += p.g * p.a * w;
                    sum.b += p.b * p.a * w;
                    sum.a += p.a * w;
                    total += w;
                }
            }
            Color& o = out.at(x, y);
            o.a = total > 0 ? sum.a / total : 0;
            if (sum.a > 0)
                o = Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, o.a};
        }
    }
    return out;
}

void Canvas::draw(const Canvas& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx)
            blend(x + sx, y + sy, src.at(sx, sy));
}

std::vector<std::uint8_t> Canvas::rgb8(const Color& background) const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 3);
    auto channel = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
    for (const Color& p : pixels_) {
        Color c = mix(background, Color{p.r, p.g, p.b, 1}, std::clamp(p.a, 0.0, 1.0));
        out.push_back(channel(c.r));
        out.push_back(channel(c.g));
        out.push_back(channel(c.b));
    }
    return out;
}

} // namespace samplegen
