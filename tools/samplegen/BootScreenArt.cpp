#include "BootScreenArt.h"

#include "Emblem.h"
#include "Noise.h"
#include "PaintKit.h"
#include "PixelFont.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

Canvas squeezed(const Canvas& plan) {
    return plan.scaled(320, 400);
}

// Soft clouds over a sky gradient.
void cloudySky(Canvas& c, const Color& top, const Color& bottom, std::uint32_t seed) {
    field(c, [&](double u, double v) {
        Color sky = mix(top, bottom, v);
        double cloud = smoothstep(0.5, 0.78, fractalNoise(u * 5, v * 6, seed, 5));
        return mix(sky, rgb(255, 255, 255), cloud * 0.85);
    });
}

// Text with a soft shadow, legible over bright clouds.
void shadowedText(Canvas& c, double y, const std::string& text, const TextStyle& style) {
    PixelFont::drawCentred(c, 322, y + 2, text, withAlpha(rgb(0, 20, 60), 0.55), style);
    PixelFont::drawCentred(c, 320, y, text, rgb(255, 255, 255), style);
}

void bottomBand(Canvas& c, const Color& from, const Color& to) {
    c.gradientRect(0, 448, 640, 456, from, to, true);
}

} // namespace

Canvas themeBootScreen(BootScreen screen) {
    Canvas plan(640, 480);
    const TextStyle title{6, false, 1};
    const TextStyle line{3, false, 1};
    switch (screen) {
    case BootScreen::Starting:
        field(plan, [](double u, double v) {
            double du = u - 0.5, dv = v - 0.4;
            Color base = ramp({{0, rgb(0, 60, 48)}, {1, rgb(0, 22, 16)}}, v);
            return mix(base, rgb(30, 120, 90), std::exp(-(du * du + dv * dv) / 0.08) * 0.6);
        });
        drawEmblem(plan, 320, 180, 96);
        PixelFont::drawCentred(plan, 320, 310, "Decorama", rgb(255, 255, 255), title);
        PixelFont::drawCentred(plan, 320, 370, "your desktop, dressed up", rgb(180, 230, 200), line);
        bottomBand(plan, rgb(0, 150, 160), rgb(216, 64, 96));
        break;
    case BootScreen::ShuttingDown:
        field(plan, [](double, double v) { return ramp({{0, rgb(0, 34, 26)}, {1, rgb(0, 12, 8)}}, v); });
        drawEmblem(plan, 320, 170, 60);
        PixelFont::drawCentred(plan, 320, 270, "Shutting down,", rgb(236, 244, 238), line);
        PixelFont::drawCentred(plan, 320, 306, "see you soon...", rgb(236, 244, 238), line);
        bottomBand(plan, rgb(240, 190, 40), rgb(0, 150, 160));
        break;
    case BootScreen::SafeToSwitchOff:
        plan = Canvas(640, 480, rgb(0, 0, 0));
        drawEmblem(plan, 320, 170, 48);
        PixelFont::drawCentred(plan, 320, 250, "You can now switch off", rgb(240, 190, 40), line);
        PixelFont::drawCentred(plan, 320, 286, "your computer.", rgb(240, 190, 40), line);
        break;
    }
    return squeezed(plan);
}

Canvas versionBootScreen(const std::string& version, BootScreen screen) {
    struct Look {
        Color top, bottom;
        std::uint32_t seed;
    };
    static const std::map<std::string, Look> looks = {
        {"95", {rgb(40, 100, 200), rgb(150, 200, 250), 201}},
        {"98", {rgb(20, 70, 170), rgb(120, 180, 240), 202}},
        {"ME", {rgb(30, 80, 140), rgb(160, 200, 230), 203}},
        {"NT", {rgb(10, 50, 110), rgb(80, 130, 190), 204}},
        {"2000", {rgb(30, 60, 120), rgb(130, 160, 210), 205}},
    };
    auto it = looks.find(version);
    if (it == looks.end())
        throw std::runtime_error("no boot pictures for Windows version " + version);
    const Look& look = it->second;
    const std::string name = "Windows " + version;
    const TextStyle title{6, false, 1};
    const TextStyle line{3, false, 1};
    Canvas plan(640, 480);
    switch (screen) {
    case BootScreen::Starting:
        cloudySky(plan, look.top, look.bottom, look.seed);
        shadowedText(plan, 200, name, title);
        bottomBand(plan, look.top, look.bottom);
        break;
    case BootScreen::ShuttingDown:
        cloudySky(plan, darker(look.top, 0.3), look.bottom, look.seed + 10);
        shadowedText(plan, 180, name, title);
        shadowedText(plan, 270, "is shutting down...", line);
        break;
    case BootScreen::SafeToSwitchOff:
        plan = Canvas(640, 480, rgb(0, 0, 0));
        PixelFont::drawCentred(plan, 320, 210, "You can now switch off", rgb(255, 160, 40), line);
        PixelFont::drawCentred(plan, 320, 246, "your computer.", rgb(255, 160, 40), line);
        break;
    }
    return squeezed(plan);
}

} // namespace samplegen
