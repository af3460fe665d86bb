// A picture the program draws itself (the preview of a theme file, a pointer or
// an icon of a theme), made by WindowSystem::createCanvas and shown by a picture
// box once it is finished. Positions and sizes are in pixels of the canvas, from
// its top-left corner; drawing is clipped to the canvas.
//
// The native canvas draws with GDI into a memory bitmap; the headless one records
// the calls, so that tests read what was drawn.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/PictureDecoder.h"
#include "platform/ui/WindowSystem.h"

#include <string>
#include <vector>

namespace ui {

enum class TextAlign { left, centre };

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;

    virtual void fill(const Rect& area, win::COLORREF color) = 0;
    // From `left` at the left edge to `right` at the right edge, as Windows 98
    // draws a caption.
    virtual void gradient(const Rect& area, win::COLORREF left, win::COLORREF right) = 0;
    // A one-pixel frame round area: topLeft along its top and left, bottomRight
    // along the others. Two of them make a 3D edge.
    virtual void edge(const Rect& area, win::COLORREF topLeft, win::COLORREF bottomRight) = 0;

    // One line of text in font, centred vertically in area and cut off with an
    // ellipsis where it does not fit.
    virtual void text(const Rect& area, const std::string& text, const win::LOGFONTA& font,
                      win::COLORREF color, TextAlign align) = 0;
    virtual int textWidth(const std::string& text, const win::LOGFONTA& font) = 0;

    // The picture stretched over each of places, clipped to clip.
    virtual void picture(const DecodedImage& image, const std::vector<Rect>& places, const Rect& clip) = 0;
    // The icon of a file stretched over area: an .ico file, the first frame of a
    // .cur or .ani pointer, or the index-th icon of a module (.dll, .exe, .icl; a
    // negative index is a resource id). A file it cannot read draws nothing.
    virtual void icon(const Rect& area, const std::string& file, int index) = 0;

    // What was drawn, for a picture box to show; the canvas is done with.
    virtual PicturePtr finish() = 0;
};

} // namespace ui
