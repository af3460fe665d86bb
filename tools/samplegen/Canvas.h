// An RGBA picture of floating-point pixels with anti-aliased drawing: every
// shape is sampled on a grid inside each pixel, so edges come out smooth at any
// size, from a 16x16 icon to a 1024x768 wallpaper.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace samplegen {

// Channels 0..255, alpha 0..1 (coverage).
struct Color {
    double r = 0, g = 0, b = 0, a = 1;
};

Color rgb(int r, int g, int b);
// t = 0 gives a, t = 1 gives b.
Color mix(const Color& a, const Color& b, double t);
Color withAlpha(const Color& c, double a);
Color lighter(const Color& c, double t);
Color darker(const Color& c, double t);

struct Point {
    double x = 0, y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Color fill = Color{0, 0, 0, 0});

    int width() const { return width_; }
    int height() const { return height_; }
    const Color& at(int x, int y) const { return pixels_[index(x, y)]; }
    Color& at(int x, int y) { return pixels_[index(x, y)]; }

    // Source-over compositing of c at pixel (x, y), weighted by coverage.
    void blend(int x, int y, const Color& c, double coverage = 1);

    // Fills the pixels whose sample points fall inside the shape, looking only at
    // the box [x0, x1) x [y0, y1). The shape may also give a colour per point.
    void fillShape(double x0, double y0, double x1, double y1,
                   const std::function<bool(double, double)>& inside, const Color& c, int samples = 4);
    void paintShape(double x0, double y0, double x1, double y1,
                    const std::function<bool(double, double, Color&)>& paint, int samples = 4);

    void fillRect(double x0, double y0, double x1, double y1, const Color& c);
    void fillRoundRect(double x0, double y0, double x1, double y1, double radius, const Color& c);
    void fillEllipse(double cx, double cy, double rx, double ry, const Color& c);
    void fillRing(double cx, double cy, double outer, double inner, const Color& c);
    void fillPolygon(const std::vector<Point>& points, const Color& c);
    void strokeLine(double x0, double y0, double x1, double y1, double width, const Color& c);
    // Vertical or horizontal colour ramp over a rectangle.
    void gradientRect(double x0, double y0, double x1, double y1, const Color& from, const Color& to,
                      bool horizontal);

    // Area-averaged resampling to another size.
    Canvas scaled(int width, int height) const;
    // Composites src with its top-left corner at (x, y).
    void draw(const Canvas& src, int x, int y);

    // Opaque 8-bit RGB rows, top row first; transparent pixels are composited on
    // the given background.
    std::vector<std::uint8_t> rgb8(const Color& background = Color{0, 0, 0, 1}) const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};

bool insidePolygon(const std::vector<Point>& points, double x, double y);
// The polygon turned by angle (radians) about (cx, cy).
std::vector<Point> rotated(const std::vector<Point>& points, double angle, double cx, double cy);

} // namespace samplegen
