#include "CursorArt.h"

#include "PixelFont.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

const double pi = 3.14159265358979323846;

struct CursorColors {
    Color fill;
    Color outline;
    Color accent;
};

const std::map<std::string, CursorColors>& sets() {
    static const std::map<std::string, CursorColors> table = {
        {"Pearl", {rgb(255, 255, 255), rgb(0, 0, 0), rgb(0, 120, 215)}},
        {"Onyx", {rgb(0, 0, 0), rgb(255, 255, 255), rgb(255, 220, 0)}},
        {"Harbour", {rgb(236, 240, 255), rgb(20, 30, 72), rgb(236, 136, 80)}},
        {"Copper", {rgb(255, 246, 236), rgb(90, 30, 12), rgb(204, 92, 40)}},
        {"Fern", {rgb(244, 255, 240), rgb(18, 60, 26), rgb(64, 156, 64)}},
        {"Glacier", {rgb(255, 255, 255), rgb(20, 70, 110), rgb(56, 156, 220)}},
        {"Ember", {rgb(255, 244, 226), rgb(64, 18, 6), rgb(240, 120, 20)}},
        {"Lagoon", {rgb(236, 255, 252), rgb(0, 64, 72), rgb(0, 168, 168)}},
        {"Orchid", {rgb(250, 240, 255), rgb(60, 20, 80), rgb(168, 80, 200)}},
    };
    return table;
}

// A 32x32 cursor built from crisp shapes: each layer is a set of pixels that is
// filled with one colour and ringed with the outline colour, like the classic
// black-edged white arrow.
class CursorPainter {
public:
    explicit CursorPainter(const CursorColors& colors) : colors_(colors) {}

    // Adds a layer whose pixels are those at least half covered by the drawing.
    void layer(const std::function<void(Canvas&)>& draw, const Color& fill) {
        Canvas shape(32, 32);
        draw(shape);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (shape.at(x, y).a >= 0.5)
                    mask_[y][x] = true;
        paint(fill);
    }
    void layer(const std::function<void(Canvas&)>& draw) { layer(draw, colors_.fill); }

    // Sets single pixels inside the shape without an outline (details).
    void detail(const std::function<void(Canvas&)>& draw, const Color& colour) {
        Canvas shape(32, 32);
        draw(shape);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (shape.at(x, y).a >= 0.5)
                    image_.at(x, y) = withAlpha(colour, 1);
    }

    const Canvas& image() const { return image_; }

private:
    void paint(const Color& fill) {
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (!mask_[y][x])
                    continue;
                bool edge = x == 0 || y == 0 || x == 31 || y == 31 || !mask_[y][x - 1] || !mask_[y][x + 1] ||
                            !mask_[y - 1][x] || !mask_[y + 1][x];
                image_.at(x, y) = withAlpha(edge ? colors_.outline : fill, 1);
            }
        }
        for (auto& row : mask_)
            for (bool& b : row)
                b = false;
    }

    CursorColors colors_;
    bool mask_[32][32] = {};
    Canvas image_{32, 32};
};

std::vector<Point> arrowShape(double dx, double dy) {
    std::vector<Point> p = {{1, 1},       {1, 19.2},   {5.3, 15.1}, {8.3, 21.6},
                            {10.9, 20.5}, {7.9, 14.2}, {13.3, 14.2}};
    for (Point& q : p) {
        q.x += dx;
        q.y += dy;
    }
    return p;
}

void arrow(CursorPainter& p) {
    p.layer([](Canvas& c) { c.fillPolygon(arrowShape(0, 0), rgb(255, 255, 255)); });
}

// A double-headed arrow along the vertical through the centre, turned by angle.
std::vector<Point> doubleArrow(double angle) {
    std::vector<Point> shape = {{16, 3},  {22.5, 9.5}, {17.6, 9.5},  {17.6, 22.5}, {22.5, 22.5},
                                {16, 29}, {9.5, 22.5}, {14.4, 22.5}, {14.4, 9.5},  {9.5, 9.5}};
    return rotated(shape, angle, 16, 16);
}

// Eight dots round a circle, the one at position `lead` brightest and the
// others fading behind it.
void spinner(CursorPainter& p, double cx, double cy, double radius, double dot, int lead, const Color& accent,
             const Color& fill) {
    for (int k = 0; k < 8; ++k) {
        double a = -pi / 2 + k * pi / 4;
        int behind = (lead - k + 8) % 8;
        Color c = mix(accent, fill, std::min(1.0, behind / 4.0));
        p.layer(
            [&](Canvas& cv) {
                cv.fillEllipse(cx + std::cos(a) * radius, cy + std::sin(a) * radius, dot, dot, c);
            },
            c);
    }
}

CursorFrame still(const CursorColors& colors, const std::string& role) {
    CursorPainter p(colors);
    CursorFrame f;
    const Color white = rgb(255, 255, 255);
    if (role == "Arrow") {
        arrow(p);
        f.hotX = 1;
        f.hotY = 1;
    } else if (role == "Cross") {
        p.layer([&](Canvas& c) {
            c.fillRect(14.5, 3, 17.5, 13, white);
            c.fillRect(14.5, 19, 17.5, 29, white);
            c.fillRect(3, 14.5, 13, 17.5, white);
            c.fillRect(19, 14.5, 29, 17.5, white);
        });
        p.layer([&](Canvas& c) { c.fillRect(14.5, 14.5, 17.5, 17.5, white); }, colors.accent);
        f.hotX = 15;
        f.hotY = 15;
    } else if (role == "Hand") {
        p.layer([&](Canvas& c) {
            c.fillRoundRect(8, 1, 13, 17, 2.5, white);  // pointing finger
            c.fillRoundRect(12, 9, 17, 18, 2.5, white); // folded fingers
            c.fillRoundRect(16, 10, 21, 19, 2.5, white);
            c.fillRoundRect(20, 11.5, 25, 20, 2.5, white);
            c.fillRoundRect(8, 14, 25, 26, 4, white);                                        // palm
            c.fillPolygon(rotated({{2, 14}, {9, 14}, {9, 18}, {2, 18}}, 0.9, 8, 20), white); // thumb
        });
        // Creases between the folded fingers.
        p.detail(
            [&](Canvas& c) {
                for (double x : {12.0, 16.0, 20.0})
                    c.fillRect(x, 12.5 + (x - 12) / 4, x + 1, 16 + (x - 12) / 4, white);
            },
            colors.outline);
        p.layer([&](Canvas& c) { c.fillRect(9, 25, 24, 30, white); }, colors.accent); // cuff
        f.hotX = 10;
        f.hotY = 1;
    } else if (role == "Help") {
        arrow(p);
        p.layer(
            [&](Canvas& c) {
                PixelFont::draw(c, 16, 3, "?", white, TextStyle{2, false, 1});
            },
            colors.accent);
        f.hotX = 1;
        f.hotY = 1;
    } else if (role == "Text") {
        p.layer([&](Canvas& c) {
            c.fillRect(14.5, 5, 17.5, 27, white);
            c.fillRect(11, 3, 21, 6, white);
            c.fillRect(11, 26, 21, 29, white);
        });
        f.hotX = 15;
        f.hotY = 15;
    } else if (role == "Unavailable") {
        const Color red = rgb(208, 36, 36);
        p.layer(
            [&](Canvas& c) {
                c.fillRing(16, 16, 12, 7.5, white);
                c.fillPolygon(rotated({{6, 14}, {26, 14}, {26, 18}, {6, 18}}, pi / 4, 16, 16), white);
            },
            red);
        f.hotX = 15;
        f.hotY = 15;
    } else if (role == "Pen") {
        p.layer(
            [&](Canvas& c) {
                c.fillPolygon(rotated({{8, 13}, {27, 13}, {27, 19}, {8, 19}}, -pi / 4, 16, 16), white);
            },
            colors.accent);
        p.layer([&](Canvas& c) {
            c.fillPolygon(rotated({{2, 16}, {8.5, 12.5}, {8.5, 19.5}}, -pi / 4, 16, 16), white);
        });
        f.hotX = 5;
        f.hotY = 26;
    } else if (role == "Move") {
        p.layer([&](Canvas& c) {
            c.fillPolygon(doubleArrow(0), white);
            c.fillPolygon(doubleArrow(pi / 2), white);
        });
        f.hotX = 15;
        f.hotY = 15;
    } else if (role == "Resize NS" || role == "Resize WE" || role == "Resize NWSE" || role == "Resize NESW") {
        double angle = role == "Resize NS"     ? 0
                       : role == "Resize WE"   ? pi / 2
                       : role == "Resize NWSE" ? -pi / 4
                                               : pi / 4;
        p.layer([&](Canvas& c) { c.fillPolygon(doubleArrow(angle), white); });
        f.hotX = 15;
        f.hotY = 15;
    } else if (role == "Up") {
        p.layer([&](Canvas& c) {
            c.fillPolygon({{16, 1}, {26, 11.5}, {19, 11.5}, {19, 29}, {13, 29}, {13, 11.5}, {6, 11.5}},
                          white);
        });
        f.hotX = 15;
        f.hotY = 1;
    } else {
        throw std::runtime_error("no cursor role called " + role);
    }
    f.image = p.image();
    return f;
}

std::vector<CursorFrame> animated(const CursorColors& colors, const std::string& role) {
    std::vector<CursorFrame> frames;
    for (int lead = 0; lead < 8; ++lead) {
        CursorPainter p(colors);
        CursorFrame f;
        if (role == "Working") {
            // The arrow with a small spinner: working in the background.
            arrow(p);
            spinner(p, 22.5, 22.5, 6, 2.1, lead, colors.accent, colors.fill);
            f.hotX = 1;
            f.hotY = 1;
        } else {
            spinner(p, 16, 16, 10.5, 3.4, lead, colors.accent, colors.fill);
            f.hotX = 15;
            f.hotY = 15;
        }
        f.image = p.image();
        frames.push_back(f);
    }
    return frames;
}

} // namespace

bool isAnimatedRole(const std::string& role) {
    return role == "Working" || role == "Busy";
}

bool isCursorSet(const std::string& set) {
    return sets().count(set) != 0;
}

std::vector<CursorFrame> cursorFrames(const std::string& set, const std::string& role) {
    auto it = sets().find(set);
    if (it == sets().end())
        throw std::runtime_error("no cursor set called " + set);
    if (isAnimatedRole(role))
        return animated(it->second, role);
    return {still(it->second, role)};
}

} // namespace samplegen
