// The headless canvas: it draws nothing and keeps every call; the picture it
// finishes is a copy of it, so a test reads what a picture box was given to
// show: headless::drawingOf(box.picture()).
#pragma once

#include "platform/ui/Canvas.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace headless {

struct Drawn {
    std::string what;        // "fill", "gradient", "edge", "text", "picture", "icon"
    ui::Rect area;           // a picture's clip
    win::COLORREF color = 0; // a gradient's or an edge's first colour
    win::COLORREF color2 = 0;
    std::string text; // an icon's file
    win::LOGFONTA font{};
    int index = 0; // an icon's index
    int pictureWidth = 0;
    std::vector<ui::Rect> places;
};
using Drawing = std::vector<Drawn>;

class RecordingCanvas : public ui::Canvas, public ui::Picture {
public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    void fill(const ui::Rect& area, win::COLORREF color) override { add("fill", area).color = color; }
    void gradient(const ui::Rect& area, win::COLORREF left, win::COLORREF right) override {
        add("gradient", area, left).color2 = right;
    }
    void edge(const ui::Rect& area, win::COLORREF topLeft, win::COLORREF bottomRight) override {
        add("edge", area, topLeft).color2 = bottomRight;
    }
    void text(const ui::Rect& area, const std::string& text, const win::LOGFONTA& font, win::COLORREF color,
              ui::TextAlign) override {
        Drawn& drawn = add("text", area, color, text);
        drawn.font = font;
    }
    // Half the font's height per character.
    int textWidth(const std::string& text, const win::LOGFONTA& font) override {
        return static_cast<int>(text.size()) * std::max(2, std::abs(static_cast<int>(font.lfHeight))) / 2;
    }
    void picture(const ui::DecodedImage& image, const std::vector<ui::Rect>& places,
                 const ui::Rect& clip) override {
        Drawn& drawn = add("picture", clip);
        drawn.pictureWidth = image.width;
        drawn.places = places;
    }
    void icon(const ui::Rect& area, const std::string& file, int index) override {
        add("icon", area, 0, file).index = index;
    }
    ui::PicturePtr finish() override { return std::make_shared<const RecordingCanvas>(*this); }

    const Drawing& drawing() const { return drawing_; }

private:
    Drawn& add(const char* what, const ui::Rect& area, win::COLORREF color = 0,
               const std::string& text = "") {
        drawing_.push_back(Drawn{what, area, color, 0, text, {}, 0, 0, {}});
        return drawing_.back();
    }

    int width_;
    int height_;
    Drawing drawing_;
};

// What drew a picture that a RecordingCanvas finished; nothing for any other.
inline const Drawing& drawingOf(const ui::PicturePtr& picture) {
    static const Drawing none;
    const auto* drawn = dynamic_cast<const RecordingCanvas*>(picture.get());
    return drawn == nullptr ? none : drawn->drawing();
}

} // namespace headless
