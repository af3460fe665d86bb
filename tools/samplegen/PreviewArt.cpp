#include "PreviewArt.h"

#include "Emblem.h"
#include "PixelFont.h"

#include <algorithm>

namespace samplegen {
namespace {

const TextStyle plain{1, false, 1};
const TextStyle bold{1, true, 1};

// Pixel rectangles, right and bottom exclusive.
void box(Canvas& c, int x0, int y0, int x1, int y1, const Color& col) {
    for (int y = std::max(0, y0); y < std::min(c.height(), y1); ++y)
        for (int x = std::max(0, x0); x < std::min(c.width(), x1); ++x)
            c.at(x, y) = withAlpha(col, 1);
}

// The two-pixel raised edge of Windows 95: light and highlight on the top and
// left, shadow and dark shadow on the bottom and right.
void raised(Canvas& c, int x0, int y0, int x1, int y1, const Scheme& s) {
    box(c, x0, y0, x1, y0 + 1, s[ButtonLight]);
    box(c, x0, y0, x0 + 1, y1, s[ButtonLight]);
    box(c, x0, y1 - 1, x1, y1, s[ButtonDarkShadow]);
    box(c, x1 - 1, y0, x1, y1, s[ButtonDarkShadow]);
    box(c, x0 + 1, y0 + 1, x1 - 1, y0 + 2, s[ButtonHighlight]);
    box(c, x0 + 1, y0 + 1, x0 + 2, y1 - 1, s[ButtonHighlight]);
    box(c, x0 + 1, y1 - 2, x1 - 1, y1 - 1, s[ButtonShadow]);
    box(c, x1 - 2, y0 + 1, x1 - 1, y1 - 1, s[ButtonShadow]);
}

void sunken(Canvas& c, int x0, int y0, int x1, int y1, const Scheme& s) {
    box(c, x0, y0, x1, y0 + 1, s[ButtonShadow]);
    box(c, x0, y0, x0 + 1, y1, s[ButtonShadow]);
    box(c, x0, y1 - 1, x1, y1, s[ButtonHighlight]);
    box(c, x1 - 1, y0, x1, y1, s[ButtonHighlight]);
    box(c, x0 + 1, y0 + 1, x1 - 1, y0 + 2, s[ButtonDarkShadow]);
    box(c, x0 + 1, y0 + 1, x0 + 2, y1 - 1, s[ButtonDarkShadow]);
}

void button(Canvas& c, int x0, int y0, int x1, int y1, const Scheme& s, const std::string& label) {
    box(c, x0, y0, x1, y1, s[ButtonFace]);
    raised(c, x0, y0, x1, y1, s);
    if (!label.empty()) {
        int w = static_cast<int>(PixelFont::measure(label, plain));
        PixelFont::draw(c, (x0 + x1 - w) / 2, (y0 + y1 - 7) / 2, label, s[ButtonText], plain);
    }
}

// A small caption button with a cross, as on the right end of a title bar.
void closeBox(Canvas& c, int x0, int y0, const Scheme& s) {
    button(c, x0, y0, x0 + 9, y0 + 8, s, "");
    for (int i = 0; i < 4; ++i) {
        c.at(x0 + 2 + i, y0 + 2 + i) = s[ButtonText];
        c.at(x0 + 5 - i, y0 + 2 + i) = s[ButtonText];
    }
}

// A window frame with its caption; returns the client area's top edge.
int windowFrame(Canvas& c, int x0, int y0, int x1, int y1, const Scheme& s, bool active,
                const std::string& title) {
    box(c, x0, y0, x1, y1, active ? s[ActiveBorder] : s[InactiveBorder]);
    raised(c, x0, y0, x1, y1, s);
    int cx0 = x0 + 3, cx1 = x1 - 3, cy0 = y0 + 3, cy1 = y0 + 14;
    Color from = active ? s[ActiveCaption] : s[InactiveCaption];
    Color to = active ? s[GradientActiveCaption] : s[GradientInactiveCaption];
    for (int x = cx0; x < cx1; ++x)
        box(c, x, cy0, x + 1, cy1, mix(from, to, static_cast<double>(x - cx0) / std::max(1, cx1 - cx0 - 1)));
    // Clip the caption text before the close box.
    Canvas text(std::max(1, cx1 - cx0 - 13), 11);
    PixelFont::draw(text, 2, 2, title, active ? s[CaptionText] : s[InactiveCaptionText], bold);
    c.draw(text, cx0, cy0);
    closeBox(c, cx1 - 11, cy0 + 2, s);
    return cy1 + 1;
}

// Draws text clipped to a rectangle.
void clippedText(Canvas& c, int x0, int y0, int x1, int y1, int tx, int ty, const std::string& text,
                 const Color& col, const TextStyle& style = plain) {
    if (x1 <= x0 || y1 <= y0)
        return;
    Canvas layer(x1 - x0, y1 - y0);
    PixelFont::draw(layer, tx - x0, ty - y0, text, col, style);
    c.draw(layer, x0, y0);
}

// The menu bar: "File" normal, "Edit" selected.
int menuBar(Canvas& c, int x0, int y, int x1, const Scheme& s) {
    box(c, x0, y, x1, y + 11, s[Menu]);
    clippedText(c, x0, y, x1, y + 11, x0 + 3, y + 2, "File", s[MenuText]);
    int ex = x0 + 3 + static_cast<int>(PixelFont::measure("File ", plain)) + 2;
    int ew = static_cast<int>(PixelFont::measure("Edit", plain));
    box(c, ex - 2, y, std::min(x1, ex + ew + 2), y + 11, s[Highlight]);
    clippedText(c, x0, y, x1, y + 11, ex, y + 2, "Edit", s[HighlightText]);
    return y + 11;
}

} // namespace

Canvas schemePreview(const Scheme& s, int width, int height) {
    Canvas c(width, height, s[Background]);
    int x0 = 3, y0 = 3, x1 = width - 3, y1 = height - 3;
    int top = windowFrame(c, x0, y0, x1, y1, s, true, "Active");
    top = menuBar(c, x0 + 3, top, x1 - 3, s);
    // Client area: window text beside a scroll bar, and a button below.
    int ax0 = x0 + 3, ax1 = x1 - 3, ay0 = top + 1, ay1 = y1 - 3;
    box(c, ax0, ay0, ax1, ay1, s[Window]);
    sunken(c, ax0, ay0, ax1, ay1, s);
    int sbx = ax1 - 10;
    box(c, sbx, ay0 + 2, ax1 - 2, ay1 - 2, s[ScrollBar]);
    button(c, sbx, ay0 + 2, ax1 - 2, ay0 + 10, s, "");
    button(c, sbx, ay1 - 10, ax1 - 2, ay1 - 2, s, "");
    for (int i = 0; i < 3; ++i) {
        box(c, sbx + 3 - i, ay0 + 4 + i, sbx + 4 + i, ay0 + 5 + i, s[ButtonText]); // up arrow
        box(c, sbx + 3 - i, ay1 - 6 - i, sbx + 4 + i, ay1 - 5 - i, s[ButtonText]); // down arrow
    }
    clippedText(c, ax0 + 2, ay0 + 2, sbx, ay1 - 2, ax0 + 4, ay0 + 4, "Window Text", s[WindowText]);
    int bw = 26, bh = 14;
    button(c, sbx - bw - 4, ay1 - bh - 4, sbx - 4, ay1 - 4, s, "OK");
    return c;
}

Canvas themePreview(const Canvas& wallpaper, const Scheme& s, const std::string& title,
                    const std::vector<Canvas>& desktopIcons, int width, int height) {
    Canvas c = wallpaper.scaled(width, height);
    for (std::size_t i = 0; i < desktopIcons.size(); ++i)
        c.draw(desktopIcons[i], 6, 6 + static_cast<int>(i) * 24);

    const int taskbar = 16;
    // An inactive window behind the active one.
    int ix0 = width * 30 / 100, iy0 = height * 8 / 100, ix1 = width * 78 / 100, iy1 = height * 50 / 100;
    int itop = windowFrame(c, ix0, iy0, ix1, iy1, s, false, "Inactive");
    box(c, ix0 + 3, itop, ix1 - 3, iy1 - 3, s[AppWorkspace]);

    int ax0 = width * 36 / 100, ay0 = height * 28 / 100, ax1 = width - 10, ay1 = height - taskbar - 8;
    int top = windowFrame(c, ax0, ay0, ax1, ay1, s, true, title);
    top = menuBar(c, ax0 + 3, top, ax1 - 3, s);
    int wx0 = ax0 + 3, wx1 = ax1 - 3, wy0 = top + 1, wy1 = ay1 - 3;
    box(c, wx0, wy0, wx1, wy1, s[Window]);
    sunken(c, wx0, wy0, wx1, wy1, s);
    clippedText(c, wx0 + 2, wy0 + 2, wx1 - 2, wy1 - 2, wx0 + 5, wy0 + 5, "Window Text", s[WindowText]);
    box(c, wx0 + 3, wy0 + 16, std::min(wx1 - 3, wx0 + 64), wy0 + 27, s[Highlight]);
    clippedText(c, wx0 + 2, wy0 + 2, wx1 - 2, wy1 - 2, wx0 + 5, wy0 + 18, "Selected", s[HighlightText]);
    clippedText(c, wx0 + 2, wy0 + 2, wx1 - 2, wy1 - 2, wx0 + 5, wy0 + 31, "Disabled", s[GrayText]);
    button(c, wx1 - 34, wy1 - 18, wx1 - 4, wy1 - 4, s, "OK");

    // The taskbar with a start button carrying the emblem, and a clock.
    box(c, 0, height - taskbar, width, height, s[ButtonFace]);
    box(c, 0, height - taskbar, width, height - taskbar + 1, s[ButtonLight]);
    box(c, 0, height - taskbar + 1, width, height - taskbar + 2, s[ButtonHighlight]);
    button(c, 2, height - taskbar + 3, 26, height - 1, s, "");
    drawEmblem(c, 14, height - taskbar / 2.0 + 1, 5.5);
    int clock = static_cast<int>(PixelFont::measure("12:00", plain));
    sunken(c, width - clock - 10, height - taskbar + 3, width - 2, height - 1, s);
    PixelFont::draw(c, width - clock - 6, height - taskbar + 5, "12:00", s[ButtonText], plain);
    return c;
}

} // namespace samplegen
