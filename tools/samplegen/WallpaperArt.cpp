#include "WallpaperArt.h"

#include "Noise.h"
#include "PaintKit.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

const double pi = 3.14159265358979323846;
const Color none{0, 0, 0, 0};

// Paints everything below the ridge line v = ridge(u) with colour(u, v, ridge);
// a colour with alpha 0 leaves the pixel alone.
void landLayer(Canvas& c, const std::function<double(double)>& ridge,
               const std::function<Color(double, double, double)>& colour, int samples = 2) {
    double w = c.width(), h = c.height();
    double top = 1;
    for (int x = 0; x <= c.width(); x += 2)
        top = std::min(top, ridge(x / w));
    c.paintShape(
        0, std::max(0.0, top * h - 3), w, h,
        [&](double x, double y, Color& out) {
            double u = x / w, v = y / h, r = ridge(u);
            if (v < r)
                return false;
            out = colour(u, v, r);
            return true;
        },
        samples);
}

void stars(Canvas& c, int count, std::uint32_t seed, double skyBottom) {
    Random rng(seed);
    double s = c.height() / 600.0;
    for (int i = 0; i < count; ++i) {
        double x = rng.next() * c.width(), y = std::pow(rng.next(), 1.3) * c.height() * skyBottom;
        double size = rng.range(0.45, 1.2) * s;
        double bright = rng.range(0.3, 1.0) * (1 - 0.7 * y / (c.height() * skyBottom));
        c.fillEllipse(x, y, size, size, withAlpha(rgb(255, 250, 236), std::min(1.0, bright * 1.3)));
        if (bright > 0.85)
            glow(c, x, y, 3.5 * s, rgb(150, 165, 255), 0.3);
    }
}

// A clipped disc: the part of a circle above the line y = clipY.
void discAbove(Canvas& c, double cx, double cy, double r, double clipY, const Color& colour) {
    c.fillShape(
        cx - r, cy - r, cx + r, std::min(cy + r, clipY),
        [&](double x, double y) { return y < clipY && (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; },
        colour);
}

// Dusk over a harbour: a sunset sky, hills on the left with the harbour's lights,
// and a calm sea with the sun's reflection.
Canvas harbourDusk(int w, int h) {
    Canvas c(w, h);
    const double horizon = 0.6, sunU = 0.66;
    double aspect = static_cast<double>(w) / h, s = h / 600.0;
    field(c, [&](double u, double v) {
        double du = (u - sunU) * aspect, dv = v - horizon + 0.03;
        double sun = std::exp(-(du * du + dv * dv * 3) / 0.012);
        if (v < horizon) {
            Color sky = ramp({{0, rgb(22, 28, 70)},
                              {0.38, rgb(72, 58, 122)},
                              {0.78, rgb(198, 112, 122)},
                              {1, rgb(252, 174, 112)}},
                             v / horizon);
            return mix(sky, rgb(255, 220, 160), sun * 0.75);
        }
        double t = (v - horizon) / (1 - horizon);
        Color water = ramp({{0, rgb(190, 118, 122)}, {0.2, rgb(82, 64, 114)}, {1, rgb(14, 20, 50)}}, t);
        double ripple = valueNoise(u * 16, v * 240, 7);
        water = darker(water, (1 - ripple) * 0.2);
        double column = std::exp(-((u - sunU) * (u - sunU)) / (0.0012 + 0.02 * t));
        double streak = std::pow(valueNoise(u * 36, v * 320, 9), 3);
        return mix(water, rgb(255, 206, 142), std::min(1.0, column * streak * 1.6) * (1 - t * 0.6));
    });
    discAbove(c, sunU * w, (horizon - 0.02) * h, 26 * s, horizon * h, withAlpha(rgb(255, 238, 196), 0.95));
    // Far hills fading out towards the sunset, then the headland of the harbour.
    landLayer(
        c,
        [&](double u) {
            return horizon - 0.01 - 0.09 * fractalNoise(u * 2.4, 3.7, 11, 4) * (1 - smoothstep(0.4, 0.7, u));
        },
        [&](double, double v, double) { return v < horizon ? rgb(104, 70, 124) : none; });
    landLayer(
        c,
        [&](double u) {
            double shape = std::pow(std::max(0.0, 1 - u / 0.42), 1.4);
            return horizon + 0.002 - 0.13 * shape - 0.015 * fractalNoise(u * 9, 1.3, 12, 3) * shape;
        },
        [&](double, double v, double) { return v < horizon + 0.004 ? rgb(42, 34, 72) : none; });
    Random rng(21);
    for (int i = 0; i < 16; ++i) {
        double u = rng.range(0.02, 0.36);
        double x = u * w, y = (horizon - 0.006 - rng.range(0, 0.02) * (1 - u / 0.42)) * h;
        Color light = rng.next() < 0.7 ? rgb(255, 206, 120) : rgb(255, 240, 200);
        c.fillEllipse(x, y, 1.6 * s, 1.6 * s, light);
        glow(c, x, y, 5 * s, light, 0.35);
        // Its broken reflection in the water.
        for (int k = 1; k < 6; ++k)
            c.fillEllipse(x + rng.range(-1.5, 1.5) * s, (horizon * h) + k * 5 * s, 2.2 * s, 0.8 * s,
                          withAlpha(light, 0.45 - k * 0.07));
    }
    return c;
}

// Terraced canyon walls in layers, hazy in the distance and deep copper in front.
Canvas copperCanyon(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    field(c, [&](double, double v) {
        return ramp({{0, rgb(104, 148, 198)}, {0.32, rgb(186, 196, 206)}, {0.55, rgb(246, 204, 166)}}, v);
    });
    const Color haze = rgb(236, 190, 160);
    for (int i = 0; i < 5; ++i) {
        double base = 0.36 + i * 0.12;
        double depth = i / 4.0;
        Color wall = mix(rgb(206, 128, 96), rgb(118, 42, 22), depth);
        landLayer(
            c,
            [&, i, base](double u) {
                double t = fractalNoise(u * (1.6 + i * 0.5) + i * 7.1, i * 3.3,
                                        30 + static_cast<std::uint32_t>(i), 4);
                double steps = std::floor(t * 5) / 5 + smoothstep(0.75, 1, t * 5 - std::floor(t * 5)) / 5;
                return base - 0.16 * steps;
            },
            [&, depth, wall](double u, double v, double ridge) {
                double below = (v - ridge) * h / s;
                // Rock strata run level through the walls, as the terraces cut them.
                double level = v * h / s;
                double strata = 1 + 0.045 * std::sin(level * 0.21 + 2.5 * fractalNoise(u * 4, v * 3, 41, 3)) +
                                0.025 * std::sin(level * 0.73 + 1.3 * fractalNoise(u * 9, v * 5, 42, 2));
                Color col = darker(wall, 0.25 * smoothstep(0, 160, below));
                col = Color{col.r * strata, col.g * strata, col.b * strata, 1};
                col = mix(col, lighter(wall, 0.35), smoothstep(3, 0, below) * 0.6); // sunlit rim
                return mix(col, haze, (1 - depth) * 0.45);
            });
    }
    return c;
}

// A fern hollow in soft light: green depth, out-of-focus light and fern fronds.
Canvas fernHollow(int w, int h) {
    Canvas c(w, h);
    double aspect = static_cast<double>(w) / h, s = h / 600.0;
    field(c, [&](double u, double v) {
        double du = (u - 0.3) * aspect, dv = v - 0.12;
        Color base = ramp({{0, rgb(40, 92, 46)}, {0.6, rgb(22, 62, 32)}, {1, rgb(12, 40, 22)}}, v);
        return mix(base, rgb(184, 220, 120), std::exp(-(du * du + dv * dv) / 0.12) * 0.55);
    });
    Random rng(5);
    for (int i = 0; i < 70; ++i) {
        double x = rng.next() * w, y = rng.next() * h * 0.8, r = rng.range(10, 62) * s;
        double alpha = rng.range(0.05, 0.2);
        Color tone = mix(rgb(190, 232, 140), rgb(252, 240, 170), rng.next());
        c.fillEllipse(x, y, r, r, withAlpha(tone, alpha));
        c.fillRing(x, y, r, r - 1.5 * s, withAlpha(tone, alpha * 0.8));
    }
    // Fronds: a curved stem with paired leaflets that shrink towards the tip.
    struct Frond {
        double x, angle, length, bend;
        Color colour;
    };
    const Frond fronds[] = {
        {0.08, -1.25, 0.62, 0.5, rgb(34, 84, 40)},   {0.22, -1.45, 0.5, -0.35, rgb(30, 76, 36)},
        {0.86, -1.95, 0.58, -0.45, rgb(34, 84, 40)}, {0.97, -2.3, 0.48, 0.3, rgb(30, 76, 36)},
        {0.02, -0.9, 0.55, 0.6, rgb(14, 44, 20)},    {0.94, -2.05, 0.7, -0.55, rgb(14, 44, 20)},
        {0.6, -1.7, 0.36, 0.4, rgb(18, 52, 24)},
    };
    for (const Frond& f : fronds) {
        double x0 = f.x * w, y0 = h + 10 * s, len = f.length * h;
        auto at = [&](double t, double& px, double& py, double& angle) {
            angle = f.angle + f.bend * t * t;
            // Integrate the turning direction along the stem.
            px = x0;
            py = y0;
            const int steps = 40;
            for (int k = 0; k < steps; ++k) {
                double tk = t * (k + 0.5) / steps;
                double a = f.angle + f.bend * tk * tk;
                px += std::cos(a) * len * t / steps;
                py += std::sin(a) * len * t / steps;
            }
        };
        double px = 0, py = 0, angle = 0, qx = 0, qy = 0, qa = 0;
        for (int k = 0; k < 40; ++k) {
            at(k / 40.0, px, py, angle);
            at((k + 1) / 40.0, qx, qy, qa);
            c.strokeLine(px, py, qx, qy, (3.2 - 2.4 * k / 40.0) * s, f.colour);
        }
        for (int k = 2; k < 34; ++k) {
            double t = k / 34.0;
            at(t, px, py, angle);
            double leaf = len * 0.17 * std::pow(1 - t, 0.7) + 3 * s;
            for (int side : {-1, 1}) {
                double a = angle + side * 1.05;
                double cx = px + std::cos(a) * leaf * 0.5, cy = py + std::sin(a) * leaf * 0.5;
                double ca = std::cos(a), sa = std::sin(a), half = leaf * 0.5, width = leaf * 0.16;
                c.fillShape(
                    cx - half, cy - half, cx + half, cy + half,
                    [&](double x, double y) {
                        double dx = x - cx, dy = y - cy;
                        double along = dx * ca + dy * sa, across = -dx * sa + dy * ca;
                        return along * along / (half * half) + across * across / (width * width) <= 1;
                    },
                    f.colour);
            }
        }
    }
    return c;
}

// Light through glacier ice: faceted cells with bright fracture lines.
Canvas glacierLight(int w, int h) {
    Canvas c(w, h);
    double aspect = static_cast<double>(w) / h;
    const int cols = 10, rows = 7;
    std::vector<Point> seeds;
    Random rng(17);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < cols; ++i)
            seeds.push_back(
                Point{(i + rng.range(0.1, 0.9)) / cols * aspect, (j + rng.range(0.1, 0.9)) / rows});
    field(c, [&](double u, double v) {
        double x = u * aspect;
        double d1 = 1e9, d2 = 1e9;
        std::size_t nearest = 0;
        for (std::size_t i = 0; i < seeds.size(); ++i) {
            double dx = x - seeds[i].x, dy = v - seeds[i].y, d = dx * dx + dy * dy;
            if (d < d1) {
                d2 = d1;
                d1 = d;
                nearest = i;
            } else if (d < d2) {
                d2 = d;
            }
        }
        double shade = unit(static_cast<int>(nearest), 3, 19);
        Color ice = mix(rgb(220, 240, 250), rgb(118, 176, 216), shade * 0.75 + v * 0.35);
        // Each facet catches the light from the upper left.
        double facet = ((x - seeds[nearest].x) * -0.6 + (v - seeds[nearest].y) * -0.8) * 6;
        ice =
            facet > 0 ? lighter(ice, std::min(0.3, facet * 0.5)) : darker(ice, std::min(0.2, -facet * 0.35));
        double edge = std::sqrt(d2) - std::sqrt(d1);
        ice = mix(ice, rgb(255, 255, 255), smoothstep(0.006, 0.0, edge) * 0.75);
        return mix(ice, rgb(255, 255, 255), (1 - v) * 0.18);
    });
    Random sparkle(23);
    double s = h / 600.0;
    for (int i = 0; i < 14; ++i) {
        double x = sparkle.next() * w, y = sparkle.next() * h * 0.7, r = sparkle.range(6, 14) * s;
        c.strokeLine(x - r, y, x + r, y, 1.2 * s, withAlpha(rgb(255, 255, 255), 0.8));
        c.strokeLine(x, y - r, x, y + r, 1.2 * s, withAlpha(rgb(255, 255, 255), 0.8));
        glow(c, x, y, 3 * s, rgb(255, 255, 255), 0.4);
    }
    return c;
}

// Glowing ribbons of ember light drifting over a dark field, with sparks.
Canvas emberFields(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    field(c, [&](double u, double v) {
        Color col = ramp({{0, rgb(20, 6, 10)}, {0.55, rgb(54, 14, 10)}, {1, rgb(96, 30, 8)}}, v);
        for (int i = 0; i < 6; ++i) {
            double phase = i * 0.137, amp = 0.12 + 0.03 * (i % 3);
            double yc = 0.5 + (i - 2.5) * 0.045 +
                        amp * std::sin(2 * pi * (0.75 * u + phase)) *
                            (0.7 + 0.3 * std::sin(2 * pi * (0.31 * u + i * 0.21)));
            double d = (v - yc) * h / s;
            double core = std::exp(-std::pow(d / (2.2 + (i % 2) * 1.6), 2));
            double halo = std::exp(-std::pow(d / 34, 2)) * 0.16;
            Color light = mix(rgb(255, 110, 20), rgb(255, 214, 110), i / 5.0);
            col.r = std::min(255.0, col.r + light.r * (core * 0.85 + halo));
            col.g = std::min(255.0, col.g + light.g * (core * 0.85 + halo));
            col.b = std::min(255.0, col.b + light.b * (core * 0.85 + halo));
        }
        return col;
    });
    Random rng(31);
    for (int i = 0; i < 140; ++i) {
        double x = rng.next() * w, y = rng.next() * h, r = rng.range(0.6, 1.8) * s;
        Color spark = mix(rgb(255, 140, 40), rgb(255, 230, 150), rng.next());
        c.fillEllipse(x, y, r, r, withAlpha(spark, rng.range(0.5, 1)));
        glow(c, x, y, r * 4, spark, 0.25);
    }
    return c;
}

// Sunlight rippling over a shallow tide pool, with pebbles on the bottom.
Canvas tidepool(int w, int h) {
    Canvas c(w, h);
    double aspect = static_cast<double>(w) / h;
    struct Pebble {
        double u, v, r, squash;
        Color colour;
    };
    std::vector<Pebble> pebbles;
    Random rng(41);
    for (int i = 0; i < 26; ++i)
        pebbles.push_back(Pebble{rng.next(), rng.range(0.05, 0.98), rng.range(0.015, 0.05),
                                 rng.range(0.55, 0.9),
                                 mix(rgb(120, 140, 120), rgb(190, 170, 140), rng.next())});
    field(c, [&](double u, double v) {
        Color col = ramp({{0, rgb(0, 116, 126)}, {1, rgb(0, 66, 84)}}, v);
        for (const Pebble& p : pebbles) {
            double dx = (u - p.u) * aspect, dy = (v - p.v) / p.squash;
            double d = std::sqrt(dx * dx + dy * dy) / p.r;
            if (d < 1)
                col = mix(col, mix(p.colour, col, 0.55), smoothstep(1, 0.85, d) * (1 - 0.3 * d));
        }
        // Caustic veins: thin bright ridges of warped noise.
        double n1 = fractalNoise(u * aspect * 5 + 0.5 * valueNoise(u * 9, v * 9, 3), v * 5, 51, 3);
        double n2 = fractalNoise(u * aspect * 7, v * 7 + 0.5 * valueNoise(u * 11, v * 11, 4), 52, 3);
        double vein = std::pow(1 - std::abs(n1 * 2 - 1), 14) + std::pow(1 - std::abs(n2 * 2 - 1), 18);
        col = mix(col, rgb(200, 255, 244), std::min(1.0, vein * 0.55));
        // Rings spreading from where drops fell.
        const double drops[3][2] = {{0.24, 0.32}, {0.72, 0.62}, {0.52, 0.16}};
        for (const auto& drop : drops) {
            double dx = (u - drop[0]) * aspect, dy = v - drop[1], d = std::sqrt(dx * dx + dy * dy);
            double ring = std::pow(0.5 + 0.5 * std::cos(d * 120), 6) * std::exp(-d * 7);
            col = mix(col, rgb(180, 245, 240), ring * 0.35);
        }
        return col;
    });
    return c;
}

// Layered lavender hills fading into morning mist under a pale sun.
Canvas lavenderMist(int w, int h) {
    Canvas c(w, h);
    double aspect = static_cast<double>(w) / h, s = h / 600.0;
    const Color mist = rgb(238, 226, 244);
    field(c, [&](double u, double v) {
        double du = (u - 0.72) * aspect, dv = v - 0.26;
        Color sky = ramp({{0, rgb(214, 200, 236)}, {0.55, rgb(250, 236, 240)}}, v);
        return mix(sky, rgb(255, 250, 238), std::exp(-(du * du + dv * dv) / 0.03) * 0.8);
    });
    c.fillEllipse(0.72 * w, 0.26 * h, 38 * s, 38 * s, withAlpha(rgb(255, 252, 242), 0.9));
    for (int i = 0; i < 5; ++i) {
        double base = 0.44 + i * 0.115;
        Color hill = mix(rgb(204, 186, 230), rgb(92, 66, 138), i / 4.0);
        landLayer(
            c,
            [&, i, base](double u) {
                return base -
                       0.07 *
                           fractalNoise(u * 2.2 + i * 5.3, i * 1.7, 60 + static_cast<std::uint32_t>(i), 4) -
                       0.03 * std::sin(u * 3.1 + i);
            },
            [&, hill](double, double v, double ridge) {
                return mix(hill, mist, smoothstep(0.0, 0.2, v - ridge) * 0.6);
            });
    }
    return c;
}

// An orchard on a hill under the night sky, with a crescent moon.
Canvas midnightOrchard(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    field(c, [&](double, double v) {
        return ramp({{0, rgb(6, 8, 26)}, {0.7, rgb(34, 26, 68)}, {0.85, rgb(70, 46, 96)}}, v);
    });
    stars(c, 420, 71, 0.8);
    double mx = 0.8 * w, my = 0.18 * h, mr = 34 * s;
    glow(c, mx, my, mr * 2.2, rgb(120, 110, 160), 0.35);
    c.fillShape(
        mx - mr, my - mr, mx + mr, my + mr,
        [&](double x, double y) {
            double inA = (x - mx) * (x - mx) + (y - my) * (y - my);
            double bx = mx + mr * 0.42, by = my - mr * 0.2;
            double inB = (x - bx) * (x - bx) + (y - by) * (y - by);
            return inA <= mr * mr && inB > mr * mr * 0.85;
        },
        rgb(250, 240, 212));
    auto ground = [&](double u) {
        return 0.8 + 0.03 * std::sin(u * 4.2 + 0.5) + 0.02 * fractalNoise(u * 3, 0, 73, 3);
    };
    landLayer(c, ground, [&](double, double, double) { return rgb(18, 12, 30); });
    Random rng(79);
    for (int row = 0; row < 3; ++row) {
        double spacing = (0.075 + row * 0.035) * h;
        double r = (0.026 + row * 0.012) * h;
        Color tree = mix(rgb(46, 32, 74), rgb(10, 6, 18), row / 2.0);
        for (double x = rng.range(0, spacing); x < w + spacing; x += spacing * rng.range(0.85, 1.15)) {
            double baseY = ground(x / w) * h + row * 0.05 * h;
            double trunkH = r * 1.1;
            c.fillRect(x - r * 0.12, baseY - trunkH, x + r * 0.12, baseY + 2 * s, tree);
            c.fillEllipse(x, baseY - trunkH - r * 0.7, r, r * 0.85, tree);
            for (int f = 0; f < 3 && row < 2; ++f)
                c.fillEllipse(x + rng.range(-0.6, 0.6) * r, baseY - trunkH - r * rng.range(0.3, 1.2), 1.4 * s,
                              1.4 * s, withAlpha(rgb(196, 150, 226), 0.7));
        }
    }
    return c;
}

// Wind-shaped dunes with lit and shaded faces and fine ripples.
Canvas sandstoneDrift(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    const Color skyLow = rgb(242, 226, 204);
    field(c, [&](double, double v) { return ramp({{0, rgb(140, 184, 224)}, {0.45, skyLow}}, v); });
    for (int i = 0; i < 5; ++i) {
        double base = 0.42 + 0.13 * i;
        double depth = i / 4.0;
        auto crest = [i, base](double u) {
            return base - 0.06 * std::sin(2 * pi * (u * (0.7 + 0.15 * i) + i * 0.3)) -
                   0.04 * fractalNoise(u * 3 + i * 2.7, i * 1.1, 90 + static_cast<std::uint32_t>(i), 3);
        };
        Color lit = mix(rgb(248, 214, 160), rgb(246, 196, 128), depth);
        Color shade = mix(rgb(214, 168, 120), rgb(186, 118, 64), depth);
        landLayer(c, crest, [&, crest, lit, shade, depth](double u, double v, double ridge) {
            double e = 0.002;
            double slope = (crest(u + e) - crest(u - e)) / (2 * e);
            double light = 0.5 + 0.5 * std::tanh(-slope * 6);
            Color col = mix(shade, lit, light);
            double below = (v - ridge) * h / s;
            col = darker(col, 0.16 * smoothstep(0, 120, below));
            double ripple = 1 + 0.035 * std::sin(below * 0.9 + std::sin(u * 40 + i * 1.3) * 2.2);
            col = Color{col.r * ripple, col.g * ripple, col.b * ripple, 1};
            return mix(col, skyLow, (1 - depth) * 0.35);
        });
    }
    return c;
}

// Slate hexagon tiles with bevelled edges.
Canvas quarrySlate(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    const double radius = 46 * s, apothem = radius * std::sqrt(3.0) / 2;
    field(c, [&](double u, double v) {
        double x = u * w, y = v * h;
        // Flat-topped hexagons in axial coordinates, rounded to the nearest cell.
        double q = (2.0 / 3 * x) / radius, r = (-1.0 / 3 * x + std::sqrt(3.0) / 3 * y) / radius;
        double cx = q, cz = r, cy = -q - r;
        double rx = std::round(cx), rz = std::round(cz), ry = std::round(cy);
        double ex = std::abs(rx - cx), ey = std::abs(ry - cy), ez = std::abs(rz - cz);
        if (ex > ey && ex > ez)
            rx = -ry - rz;
        else if (ez > ey)
            rz = -rx - ry;
        double centreX = radius * 1.5 * rx, centreY = radius * std::sqrt(3.0) * (rz + rx / 2);
        double dx = x - centreX, dy = y - centreY;
        double n = std::max({std::abs(dy), std::abs(dx * std::sqrt(3.0) / 2 + dy / 2),
                             std::abs(dx * std::sqrt(3.0) / 2 - dy / 2)});
        double tone = unit(static_cast<int>(rx), static_cast<int>(rz), 97);
        Color tile = mix(rgb(60, 70, 84), rgb(110, 122, 138), tone * 0.8 + (1 - v) * 0.2);
        double grain = fractalNoise(x / (30 * s), y / (30 * s), 98, 3);
        tile = darker(tile, (grain - 0.5) * 0.16);
        double edgeDistance = apothem - n;
        double bevel = 5 * s;
        if (edgeDistance < bevel) {
            double towardsLight = (-dx - dy) / (n + 1e-6);
            tile = towardsLight > 0 ? lighter(tile, 0.28 * towardsLight * (1 - edgeDistance / bevel))
                                    : darker(tile, 0.32 * -towardsLight * (1 - edgeDistance / bevel));
        }
        return mix(rgb(28, 32, 40), tile, smoothstep(0.6 * s, 2.0 * s, edgeDistance));
    });
    return c;
}

// Paper lanterns glowing in an autumn dusk, with falling leaves.
Canvas autumnLantern(int w, int h) {
    Canvas c(w, h);
    double s = h / 600.0;
    field(c, [&](double, double v) {
        return ramp({{0, rgb(40, 10, 26)}, {0.6, rgb(98, 30, 26)}, {1, rgb(150, 62, 26)}}, v);
    });
    Random rng(101);
    for (int i = 0; i < 50; ++i) {
        double x = rng.next() * w, y = rng.next() * h, r = rng.range(4, 18) * s;
        c.fillEllipse(x, y, r, r, withAlpha(rgb(255, 180, 90), rng.range(0.04, 0.12)));
    }
    const double lanterns[][3] = {{0.1, 0.3, 1.0},   {0.24, 0.46, 0.8},  {0.36, 0.26, 1.15}, {0.5, 0.52, 0.7},
                                  {0.62, 0.34, 1.0}, {0.76, 0.48, 0.85}, {0.9, 0.28, 1.1}};
    for (const auto& l : lanterns) {
        double cx = l[0] * w, cy = l[1] * h, rx = 34 * s * l[2], ry = 44 * s * l[2];
        c.strokeLine(cx, 0, cx, cy - ry, 1.2 * s, rgb(30, 10, 12));
        glow(c, cx, cy, rx * 2.4, rgb(255, 140, 40), 0.35);
        c.paintShape(cx - rx, cy - ry, cx + rx, cy + ry, [&](double x, double y, Color& out) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            double d = dx * dx + dy * dy;
            if (d > 1)
                return false;
            out = mix(rgb(255, 226, 150), rgb(226, 96, 34), std::sqrt(d));
            // Ribs of the paper shade, curving with its surface.
            double across = std::sqrt(std::max(0.0, 1 - dy * dy));
            for (int k = -2; k <= 2; ++k) {
                double ribX = std::sin(k * pi / 6) * across;
                if (std::abs(dx - ribX) * rx < 0.7 * s)
                    out = mix(out, rgb(170, 60, 20), 0.7);
            }
            return true;
        });
        c.fillRoundRect(cx - rx * 0.45, cy - ry - 5 * s, cx + rx * 0.45, cy - ry + 3 * s, 2 * s,
                        rgb(40, 16, 14));
        c.fillRoundRect(cx - rx * 0.45, cy + ry - 3 * s, cx + rx * 0.45, cy + ry + 5 * s, 2 * s,
                        rgb(40, 16, 14));
    }
    const Color leaves[] = {rgb(214, 90, 30), rgb(240, 162, 40), rgb(168, 48, 30), rgb(204, 124, 40)};
    for (int i = 0; i < 46; ++i) {
        double cx = rng.next() * w, cy = rng.next() * h, len = rng.range(8, 18) * s, a = rng.range(0, pi);
        double ca = std::cos(a), sa = std::sin(a);
        Color leaf = leaves[i % 4];
        // A leaf is the lens where two offset circles overlap.
        double r = len * 0.75, off = r - len * 0.28;
        c.fillShape(
            cx - len, cy - len, cx + len, cy + len,
            [&](double x, double y) {
                double dx = x - cx, dy = y - cy;
                double along = dx * ca + dy * sa, across = -dx * sa + dy * ca;
                return along * along + (across - off) * (across - off) <= r * r &&
                       along * along + (across + off) * (across + off) <= r * r;
            },
            withAlpha(leaf, 0.92));
        c.strokeLine(cx - ca * len * 0.9, cy - sa * len * 0.9, cx + ca * len * 0.9, cy + sa * len * 0.9,
                     0.8 * s, withAlpha(darker(leaf, 0.4), 0.8));
    }
    return c;
}

// Curtains of aurora over dark mountains, mirrored in a still lake.
Canvas auroraNight(int w, int h) {
    Canvas c(w, h);
    const double lake = 0.84;
    field(c, [&](double u, double v) {
        Color col = ramp({{0, rgb(2, 6, 20)}, {0.5, rgb(8, 22, 44)}, {0.8, rgb(18, 44, 64)}}, v);
        for (int curtain = 0; curtain < 2; ++curtain) {
            double shift = curtain * 0.37;
            double base = 0.44 + curtain * 0.08 + 0.08 * std::sin(2 * pi * (u * 0.9 + 0.1 + shift)) +
                          0.05 * fractalNoise(u * 3 + shift * 10, curtain, 111, 3);
            double d = base - v;
            double profile =
                d > 0 ? std::exp(-d / (0.16 - curtain * 0.05)) : std::exp(-std::pow(d / 0.012, 2));
            double rays =
                0.35 +
                0.65 * std::pow(fractalNoise(u * 46 + 4 * valueNoise(u * 3, 0.5, 113), 0.3, 112, 2), 1.5);
            double envelope =
                0.3 + 0.7 * smoothstep(0.25, 0.7, fractalNoise(u * 2.2 + shift * 5, 0.7, 114, 3));
            double strength = profile * rays * envelope * (curtain ? 0.55 : 1.0);
            Color light = mix(rgb(70, 240, 150), rgb(160, 80, 210), smoothstep(0.02, 0.3, d));
            col.r = std::min(255.0, col.r + light.r * strength);
            col.g = std::min(255.0, col.g + light.g * strength);
            col.b = std::min(255.0, col.b + light.b * strength);
        }
        return col;
    });
    stars(c, 260, 117, 0.7);
    landLayer(
        c,
        [&](double u) {
            double ridged = 1 - std::abs(fractalNoise(u * 3.2, 2.5, 119, 5) * 2 - 1);
            return 0.62 + 0.2 * (1 - ridged) + 0.05 * std::sin(u * 5);
        },
        [&](double, double v, double ridge) {
            return v < lake ? mix(rgb(16, 26, 40), rgb(6, 10, 18), smoothstep(0, 0.12, v - ridge)) : none;
        });
    // The lake mirrors what stands above its shore, darker and broken by ripples.
    int shore = static_cast<int>(lake * h);
    for (int y = shore; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double wobble = 3 * std::sin(y * 0.9 + x * 0.02) * (y - shore) / (h - shore);
            int sx = std::clamp(x + static_cast<int>(wobble), 0, w - 1);
            int sy = std::clamp(2 * shore - y - 1, 0, h - 1);
            Color mirrored = darker(c.at(sx, sy), 0.35 + 0.3 * (y - shore) / static_cast<double>(h - shore));
            c.at(x, y) = withAlpha(mirrored, 1);
        }
    }
    c.fillRect(0, shore, w, shore + 1, withAlpha(rgb(120, 200, 180), 0.25));
    return c;
}

using Design = Canvas (*)(int, int);

const std::map<std::string, Design>& designs() {
    static const std::map<std::string, Design> table = {
        {"Harbour Dusk", harbourDusk},       {"Copper Canyon", copperCanyon},
        {"Fern Hollow", fernHollow},         {"Glacier Light", glacierLight},
        {"Ember Fields", emberFields},       {"Tidepool", tidepool},
        {"Lavender Mist", lavenderMist},     {"Midnight Orchard", midnightOrchard},
        {"Sandstone Drift", sandstoneDrift}, {"Quarry Slate", quarrySlate},
        {"Autumn Lantern", autumnLantern},   {"Aurora Night", auroraNight},
    };
    return table;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

Canvas wallpaper(const std::string& name) {
    int w = 0, h = 0;
    std::string design;
    if (endsWith(name, " 800x600")) {
        w = 800;
        h = 600;
        design = name.substr(0, name.size() - 8);
    } else if (endsWith(name, " 1024x768")) {
        w = 1024;
        h = 768;
        design = name.substr(0, name.size() - 9);
    } else {
        throw std::runtime_error("wallpaper name without a size ending: " + name);
    }
    auto it = designs().find(design);
    if (it == designs().end())
        throw std::runtime_error("no wallpaper design called " + design);
    return it->second(w, h);
}

} // namespace samplegen
