#include "IconArt.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

struct IconColors {
    Color accent; // screens, globe, folder tint
    Color metal;  // cases and bins
};

const std::map<std::string, IconColors>& sets() {
    static const std::map<std::string, IconColors> table = {
        {"Pearl", {rgb(0, 120, 200), rgb(214, 214, 208)}},
        {"Onyx", {rgb(240, 200, 0), rgb(90, 90, 96)}},
        {"Harbour", {rgb(60, 90, 180), rgb(214, 218, 232)}},
        {"Copper", {rgb(196, 96, 48), rgb(226, 210, 196)}},
        {"Fern", {rgb(60, 150, 70), rgb(212, 222, 206)}},
        {"Glacier", {rgb(50, 150, 210), rgb(222, 234, 240)}},
        {"Ember", {rgb(232, 112, 24), rgb(224, 208, 190)}},
        {"Lagoon", {rgb(0, 150, 156), rgb(206, 226, 224)}},
        {"Orchid", {rgb(150, 76, 190), rgb(224, 214, 232)}},
    };
    return table;
}

// Draws in 32-unit icon coordinates whatever the pixel size.
class IconPen {
public:
    IconPen(Canvas& c, double scale) : c_(c), s_(scale) {}
    void rect(double x0, double y0, double x1, double y1, const Color& col) {
        c_.fillRect(x0 * s_, y0 * s_, x1 * s_, y1 * s_, col);
    }
    void round(double x0, double y0, double x1, double y1, double r, const Color& col) {
        c_.fillRoundRect(x0 * s_, y0 * s_, x1 * s_, y1 * s_, r * s_, col);
    }
    // A rounded rectangle with a darker edge of one unit.
    void framed(double x0, double y0, double x1, double y1, double r, const Color& col) {
        round(x0, y0, x1, y1, r, darker(col, 0.55));
        round(x0 + 1, y0 + 1, x1 - 1, y1 - 1, std::max(0.0, r - 1), col);
    }
    void ellipse(double cx, double cy, double rx, double ry, const Color& col) {
        c_.fillEllipse(cx * s_, cy * s_, rx * s_, ry * s_, col);
    }
    void line(double x0, double y0, double x1, double y1, double w, const Color& col) {
        c_.strokeLine(x0 * s_, y0 * s_, x1 * s_, y1 * s_, std::max(1.0, w * s_), col);
    }
    void polygon(std::vector<Point> pts, const Color& col) {
        for (Point& p : pts) {
            p.x *= s_;
            p.y *= s_;
        }
        c_.fillPolygon(pts, col);
    }
    void gradient(double x0, double y0, double x1, double y1, const Color& a, const Color& b) {
        c_.gradientRect(x0 * s_, y0 * s_, x1 * s_, y1 * s_, a, b, false);
    }
    Canvas& canvas() { return c_; }
    double scale() const { return s_; }

private:
    Canvas& c_;
    double s_;
};

void monitor(IconPen& p, double x0, double y0, double x1, double y1, const IconColors& ic) {
    p.framed(x0, y0, x1, y1, 2, ic.metal);
    p.rect(x0 + 2.5, y0 + 2.5, x1 - 2.5, y1 - 3, darker(ic.accent, 0.6));
    p.gradient(x0 + 3, y0 + 3, x1 - 3, y1 - 3.5, lighter(ic.accent, 0.35), ic.accent);
    p.line(x0 + 4, y0 + 6, x0 + 7, y0 + 3.5, 1, withAlpha(rgb(255, 255, 255), 0.6));
}

void computer(IconPen& p, const IconColors& ic) {
    monitor(p, 3, 2, 29, 22, ic);
    p.rect(13, 22, 19, 25, darker(ic.metal, 0.3));
    p.framed(7, 24.5, 25, 29.5, 1.5, ic.metal);
    p.rect(19, 26.5, 23, 27.5, rgb(60, 200, 80)); // power light
}

void network(IconPen& p, const IconColors& ic) {
    const Color cable = darker(ic.accent, 0.3);
    p.line(9, 14, 9, 28, 1.6, cable);
    p.line(22, 24, 22, 28, 1.6, cable);
    p.line(4, 28.5, 28, 28.5, 1.8, cable);
    monitor(p, 1, 1, 18, 15, ic);
    monitor(p, 13, 11, 31, 25, ic);
}

void internet(IconPen& p, const IconColors& ic) {
    p.ellipse(16, 16, 14, 14, darker(ic.accent, 0.5));
    p.ellipse(16, 16, 13, 13, ic.accent);
    p.ellipse(12.5, 12, 7, 6, lighter(ic.accent, 0.25));
    const Color grid = withAlpha(rgb(255, 255, 255), 0.7);
    Canvas& c = p.canvas();
    double s = p.scale();
    // Meridians and parallels, clipped to the globe.
    c.fillShape(
        3 * s, 3 * s, 29 * s, 29 * s,
        [&](double x, double y) {
            double u = x / s - 16, v = y / s - 16;
            double r2 = u * u + v * v;
            if (r2 > 12.5 * 12.5)
                return false;
            double ring = std::sqrt(std::max(0.0, 13 * 13 - v * v));
            bool meridian = std::abs(u) < 0.55 || std::abs(std::abs(u) - ring * 0.55) < 0.55;
            bool parallel = std::abs(v) < 0.55 || std::abs(std::abs(v) - 7) < 0.55;
            return meridian || parallel;
        },
        grid);
}

void bin(IconPen& p, const IconColors& ic, bool full) {
    const Color body = ic.metal;
    p.polygon({{6, 9}, {26, 9}, {24, 30}, {8, 30}}, darker(body, 0.55));
    p.polygon({{7.2, 10}, {24.8, 10}, {23, 29}, {9, 29}}, body);
    for (double x : {11.5, 16.0, 20.5})
        p.line(x, 12, x + (x - 16) * 0.1, 27, 1.2, darker(body, 0.25));
    p.line(9, 11, 10.2, 27, 1.4, withAlpha(rgb(255, 255, 255), 0.7));
    p.framed(4.5, 7, 27.5, 11, 1.5, lighter(body, 0.2)); // rim
    if (full) {
        // Paper heaped over the rim.
        const Color paper = rgb(250, 250, 244);
        p.ellipse(10.5, 6.5, 5, 4.2, darker(paper, 0.35));
        p.ellipse(10.5, 6.5, 4.2, 3.4, paper);
        p.polygon({{14, 0.5}, {23, 2.5}, {21, 9.5}, {12.5, 7.5}}, darker(paper, 0.35));
        p.polygon({{14.8, 1.5}, {22, 3.1}, {20.4, 8.6}, {13.6, 7}}, paper);
        p.line(15.5, 3.5, 20.5, 4.6, 0.8, ic.accent);
        p.line(15, 5.5, 19.5, 6.5, 0.8, ic.accent);
        p.ellipse(23, 7.5, 4, 3.2, darker(lighter(ic.accent, 0.5), 0.3));
        p.ellipse(23, 7.5, 3.2, 2.4, lighter(ic.accent, 0.5));
    }
}

void documents(IconPen& p, const IconColors& ic) {
    const Color folder = mix(rgb(244, 204, 84), ic.accent, 0.15);
    p.round(2, 6, 14, 12, 1.5, darker(folder, 0.5));
    p.framed(2, 8, 30, 28, 1.5, darker(folder, 0.15));
    // A page standing in the folder, with lines of text.
    p.polygon({{7, 3}, {22, 3}, {26, 7}, {26, 22}, {7, 22}}, rgb(120, 120, 120));
    p.polygon({{8, 4}, {21.5, 4}, {25, 7.5}, {25, 21}, {8, 21}}, rgb(255, 255, 255));
    for (double y : {8.0, 11.0, 14.0})
        p.line(10.5, y, 22, y, 1, ic.accent);
    p.polygon({{2, 13}, {30, 13}, {29, 28}, {3, 28}}, darker(folder, 0.5));
    p.polygon({{3, 14}, {29, 14}, {28.2, 27}, {3.8, 27}}, folder);
    p.line(4, 15.5, 28, 15.5, 1, lighter(folder, 0.5));
}

} // namespace

Canvas iconPicture(const std::string& set, const std::string& role, int size) {
    auto it = sets().find(set);
    if (it == sets().end())
        throw std::runtime_error("no icon set called " + set);
    Canvas c(size, size);
    IconPen p(c, size / 32.0);
    if (role == "Computer")
        computer(p, it->second);
    else if (role == "Network")
        network(p, it->second);
    else if (role == "Internet")
        internet(p, it->second);
    else if (role == "Bin Empty")
        bin(p, it->second, false);
    else if (role == "Bin Full")
        bin(p, it->second, true);
    else if (role == "Documents")
        documents(p, it->second);
    else
        throw std::runtime_error("no icon role called " + role);
    return c;
}

} // namespace samplegen
