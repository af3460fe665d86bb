// The native canvas: GDI drawing into a 24-bit bitmap in memory (a DIB section,
// the form every Windows version draws into), finished as a NativePicture that a
// picture box shows.
#pragma once

#include "platform/ui/Canvas.h"

#include "platform/native/ScopedGdi.h"
#include "platform/native/WinHeaders.h"

#include <cstdint>

namespace native {

class NativeCanvas : public ui::Canvas {
public:
    NativeCanvas(int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void fill(const ui::Rect& area, win::COLORREF color) override;
    void gradient(const ui::Rect& area, win::COLORREF left, win::COLORREF right) override;
    void edge(const ui::Rect& area, win::COLORREF topLeft, win::COLORREF bottomRight) override;
    void text(const ui::Rect& area, const std::string& text, const win::LOGFONTA& font, win::COLORREF color,
              ui::TextAlign align) override;
    int textWidth(const std::string& text, const win::LOGFONTA& font) override;
    void picture(const ui::DecodedImage& image, const std::vector<ui::Rect>& places,
                 const ui::Rect& clip) override;
    void icon(const ui::Rect& area, const std::string& file, int index) override;
    ui::PicturePtr finish() override;

private:
    int width_;
    int height_;
    std::uint8_t* bits_ = nullptr;
    MemoryContext memory_;
    CreatedObject bitmap_;
    SelectedObject selected_;
};

} // namespace native
