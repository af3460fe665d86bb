// A decoded picture ready for StretchDIBits: 24-bit bottom-up rows, the format
// every Windows version paints. Transparent parts (of a GIF) are blended with the
// colour behind the control that shows the picture.
#pragma once

#include "platform/ui/PictureDecoder.h"
#include "platform/ui/WindowSystem.h"

#include "platform/native/WinHeaders.h"

#include <cstdint>
#include <vector>

namespace native {

class NativePicture : public ui::Picture {
public:
    explicit NativePicture(const ui::DecodedImage& image);
    // Rows already in the bitmap's form (24-bit, bottom-up, each a multiple of
    // four bytes long), as a drawing in memory leaves them.
    NativePicture(int width, int height, std::vector<std::uint8_t> rows);

    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }

    // The colour at x, y (from the top-left corner) on background.
    COLORREF pixel(int x, int y, COLORREF background = 0) const;
    // Paints the picture stretched over target, blended with background where
    // it is transparent.
    void paint(HDC dc, const RECT& target, COLORREF background) const;

private:
    const std::vector<std::uint8_t>& rowsOn(COLORREF background) const;

    int width_;
    int height_;
    int stride_;
    std::vector<std::uint8_t> rgba_;
    bool transparent_ = false;
    // The last blend, reused while the background stays the same.
    mutable std::vector<std::uint8_t> rows_;
    mutable COLORREF rowsBackground_ = 0;
    mutable bool rowsValid_ = false;
};

} // namespace native
