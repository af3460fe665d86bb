#include "themepreview/PreviewParts.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace themepreview {

namespace {

ui::Rect inset(const ui::Rect& rect, int by) {
    return {rect.left + by, rect.top + by, rect.width - 2 * by, rect.height - 2 * by};
}

int right(const ui::Rect& rect) {
    return rect.left + rect.width;
}

int bottom(const ui::Rect& rect) {
    return rect.top + rect.height;
}

int lineHeightOf(const win::LOGFONTA& font) {
    return std::max(8, std::abs(static_cast<int>(font.lfHeight))) + 4;
}

enum class Glyph { close, maximise, minimise };

class SampleWindows {
public:
    SampleWindows(ui::Canvas& canvas, const PreviewScheme& scheme, bool gradients)
        : canvas_(canvas), scheme_(scheme), gradients_(gradients),
          caption_(std::clamp(scheme.metrics.iCaptionHeight, 12, 32)),
          menu_(std::clamp(scheme.metrics.iMenuHeight, 12, 32)),
          frame_(2 + std::clamp(scheme.metrics.iBorderWidth, 1, 4)) {}

    void draw(const ui::Rect& area) {
        const int offset = caption_ + 14;
        const ui::Rect inactive{area.left, area.top, area.width - 16, caption_ + 2 * frame_ + 30};
        canvas_.fill(windowFrame(inactive, false, "Inactive Window"), color(win::COLOR_WINDOW));
        activeWindow({area.left + 16, area.top + offset, area.width - 16, area.height - offset});
    }

private:
    win::COLORREF color(int index) const { return scheme_.color(index); }

    // A raised button face: white and black outside, light and shadow inside.
    void button(const ui::Rect& rect) {
        canvas_.fill(rect, color(win::COLOR_BTNFACE));
        canvas_.edge(rect, color(win::COLOR_BTNHIGHLIGHT), color(win::COLOR_3DDKSHADOW));
        canvas_.edge(inset(rect, 1), color(win::COLOR_3DLIGHT), color(win::COLOR_BTNSHADOW));
    }

    // The caption buttons' glyphs as Windows draws them: a cross two pixels
    // thick, a window with a thick top edge, a bar at the bottom.
    void drawGlyph(const ui::Rect& area, Glyph glyph) {
        const win::COLORREF ink = color(win::COLOR_BTNTEXT);
        const int size = std::min(area.width, area.height);
        const int left = area.left + (area.width - size) / 2;
        const int top = area.top + (area.height - size) / 2;
        switch (glyph) {
        case Glyph::close:
            for (int step = 0; step < size; ++step) {
                canvas_.fill({left + step, top + step, std::min(2, size - step), 1}, ink);
                canvas_.fill(
                    {left + size - step - std::min(2, size - step), top + step, std::min(2, size - step), 1},
                    ink);
            }
            break;
        case Glyph::maximise:
            canvas_.fill({left, top, size, 2}, ink);
            canvas_.edge({left, top, size, size}, ink, ink);
            break;
        case Glyph::minimise:
            canvas_.fill({left + 1, top + size - 2, std::max(1, size - 4), 2}, ink);
            break;
        }
    }

    // The frame, caption and caption buttons; the client area below the caption.
    ui::Rect windowFrame(const ui::Rect& rect, bool active, const std::string& title) {
        canvas_.fill(rect, color(active ? win::COLOR_ACTIVEBORDER : win::COLOR_INACTIVEBORDER));
        canvas_.edge(rect, color(win::COLOR_3DLIGHT), color(win::COLOR_3DDKSHADOW));
        canvas_.edge(inset(rect, 1), color(win::COLOR_BTNHIGHLIGHT), color(win::COLOR_BTNSHADOW));
        const ui::Rect inner = inset(rect, frame_);
        const ui::Rect bar{inner.left, inner.top, inner.width, caption_};
        const win::COLORREF barColor = color(active ? win::COLOR_ACTIVECAPTION : win::COLOR_INACTIVECAPTION);
        if (gradients_)
            canvas_.gradient(
                bar, barColor,
                color(active ? win::COLOR_GRADIENTACTIVECAPTION : win::COLOR_GRADIENTINACTIVECAPTION));
        else
            canvas_.fill(bar, barColor);
        // Close, maximise, minimise from the right.
        const int height = caption_ - 4;
        const int width = height + 2;
        int left = right(bar) - 2 - width;
        for (Glyph glyph : {Glyph::close, Glyph::maximise, Glyph::minimise}) {
            const ui::Rect box{left, bar.top + 2, width, height};
            button(box);
            drawGlyph(inset(box, 3), glyph);
            left -= glyph == Glyph::close ? width + 2 : width;
        }
        canvas_.text({bar.left + 2, bar.top, left + width - bar.left - 4, caption_}, title,
                     scheme_.metrics.lfCaptionFont,
                     color(active ? win::COLOR_CAPTIONTEXT : win::COLOR_INACTIVECAPTIONTEXT),
                     ui::TextAlign::left);
        return {inner.left, bottom(bar) + 1, inner.width, bottom(inner) - bottom(bar) - 1};
    }

    // "Normal", "Disabled" and a selected "Selected" in the menu font.
    void menuBar(const ui::Rect& bar) {
        canvas_.fill(bar, color(win::COLOR_MENU));
        const win::LOGFONTA& font = scheme_.metrics.lfMenuFont;
        int left = bar.left;
        const struct {
            const char* text;
            int color;
        } items[] = {{"Normal", win::COLOR_MENUTEXT}, {"Disabled", win::COLOR_GRAYTEXT}, {"Selected", -1}};
        for (const auto& item : items) {
            // Cut off at the window's edge.
            const ui::Rect box{left, bar.top,
                               std::min(canvas_.textWidth(item.text, font) + 12, right(bar) - left),
                               bar.height};
            if (box.width <= 0)
                break;
            if (item.color < 0)
                canvas_.fill(box, color(win::COLOR_HIGHLIGHT));
            canvas_.text(box, item.text, font, color(item.color < 0 ? win::COLOR_HIGHLIGHTTEXT : item.color),
                         ui::TextAlign::centre);
            left += box.width;
        }
    }

    void activeWindow(const ui::Rect& rect) {
        const ui::Rect client = windowFrame(rect, true, "Active Window");
        menuBar({client.left, client.top, client.width, menu_});
        // The client area's sunken edge, then its text, a selected line and a button.
        const ui::Rect body{client.left, client.top + menu_ + 1, client.width, client.height - menu_ - 1};
        canvas_.edge(body, color(win::COLOR_BTNSHADOW), color(win::COLOR_BTNHIGHLIGHT));
        canvas_.edge(inset(body, 1), color(win::COLOR_3DDKSHADOW), color(win::COLOR_3DLIGHT));
        const ui::Rect inner = inset(body, 2);
        canvas_.fill(inner, color(win::COLOR_WINDOW));
        const win::LOGFONTA& font = scheme_.metrics.lfMessageFont;
        const int line = lineHeightOf(font);
        canvas_.text({inner.left + 3, inner.top + 2, inner.width - 6, line}, "Window Text", font,
                     color(win::COLOR_WINDOWTEXT), ui::TextAlign::left);
        const std::string selected = "Selected Text";
        const ui::Rect selection{inner.left + 3, inner.top + 2 + line, canvas_.textWidth(selected, font) + 4,
                                 line};
        canvas_.fill(selection, color(win::COLOR_HIGHLIGHT));
        canvas_.text(selection, selected, font, color(win::COLOR_HIGHLIGHTTEXT), ui::TextAlign::centre);
        const ui::Rect ok{right(inner) - 56, bottom(inner) - line - 10, 50, line + 6};
        button(ok);
        canvas_.text(ok, "OK", font, color(win::COLOR_BTNTEXT), ui::TextAlign::centre);
    }

    ui::Canvas& canvas_;
    const PreviewScheme& scheme_;
    bool gradients_;
    int caption_;
    int menu_;
    int frame_;
};

} // namespace

void drawSampleWindows(ui::Canvas& canvas, const ui::Rect& area, const PreviewScheme& scheme,
                       bool gradients) {
    SampleWindows(canvas, scheme, gradients).draw(area);
}

} // namespace themepreview
