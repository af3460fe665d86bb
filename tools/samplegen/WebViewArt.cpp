#include "WebViewArt.h"

#include "Emblem.h"
#include "PaintKit.h"
#include "PixelFont.h"

namespace samplegen {

Canvas webViewLeft() {
    Canvas c(200, 480);
    field(c, [](double u, double v) {
        Color base = ramp({{0, rgb(0, 80, 60)}, {1, rgb(0, 30, 20)}}, v);
        return mix(base, rgb(255, 255, 255), (1 - u) * 0.06);
    });
    // A faint oversized emblem as a watermark, cut by the panel's edge.
    Canvas mark(200, 480);
    drawEmblem(mark, 150, 110, 120);
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            c.blend(x, y, mark.at(x, y), 0.18);
    c.fillRect(196, 0, 200, 480, rgb(0, 150, 160));
    return c;
}

Canvas webViewLine() {
    Canvas c(480, 3);
    c.paintShape(
        0, 0, 480, 3,
        [](double x, double, Color& out) {
            out = ramp({{0, rgb(0, 150, 160)},
                        {0.25, rgb(80, 176, 72)},
                        {0.5, rgb(240, 190, 40)},
                        {0.75, rgb(236, 120, 40)},
                        {1, rgb(216, 64, 96)}},
                       x / 480);
            return true;
        },
        1);
    return c;
}

Canvas webViewLogo() {
    Canvas c(120, 96, rgb(255, 255, 255));
    drawEmblem(c, 60, 38, 32);
    PixelFont::drawCentred(c, 60, 76, "Decorama", rgb(0, 60, 34), TextStyle{1.6, false, 1});
    return c;
}

} // namespace samplegen
