#include "platform/native/NativePicture.h"

#include <utility>

namespace native {

NativePicture::NativePicture(const ui::DecodedImage& image)
    : width_(image.width), height_(image.height), stride_((image.width * 3 + 3) & ~3), rgba_(image.rgba) {
    for (std::size_t index = 3; index < rgba_.size(); index += 4) {
        if (rgba_[index] != 255) {
            transparent_ = true;
            break;
        }
    }
    // An opaque picture is blended once and keeps only its bitmap rows.
    if (!transparent_) {
        rowsOn(0);
        rgba_.clear();
        rgba_.shrink_to_fit();
    }
}

NativePicture::NativePicture(int width, int height, std::vector<std::uint8_t> rows)
    : width_(width), height_(height), stride_((width * 3 + 3) & ~3), rows_(std::move(rows)),
      rowsValid_(true) {}

const std::vector<std::uint8_t>& NativePicture::rowsOn(COLORREF background) const {
    if (rowsValid_ && (!transparent_ || rowsBackground_ == background))
        return rows_;
    const int backRed = GetRValue(background);
    const int backGreen = GetGValue(background);
    const int backBlue = GetBValue(background);
    rows_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* source =
            &rgba_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) * 4];
        // Bottom-up: the picture's first row is the bitmap's last.
        std::uint8_t* target =
            &rows_[static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(stride_)];
        for (int x = 0; x < width_; ++x, source += 4, target += 3) {
            const int alpha = source[3];
            target[0] = static_cast<std::uint8_t>((source[2] * alpha + backBlue * (255 - alpha)) / 255);
            target[1] = static_cast<std::uint8_t>((source[1] * alpha + backGreen * (255 - alpha)) / 255);
            target[2] = static_cast<std::uint8_t>((source[0] * alpha + backRed * (255 - alpha)) / 255);
        }
    }
    rowsBackground_ = background;
    rowsValid_ = true;
    return rows_;
}

COLORREF NativePicture::pixel(int x, int y, COLORREF background) const {
    const std::uint8_t* at =
        &rowsOn(background)[static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(stride_) +
                            static_cast<std::size_t>(x) * 3];
    return RGB(at[2], at[1], at[0]);
}

void NativePicture::paint(HDC dc, const RECT& target, COLORREF background) const {
    const std::vector<std::uint8_t>& rows = rowsOn(background);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    // HALFTONE shrinks wallpapers into previews without losing their lines; the
    // Windows 95 family lacks it and keeps COLORONCOLOR.
    if (::SetStretchBltMode(dc, HALFTONE) != 0)
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
    else
        ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, 0, 0,
                    width_, height_, rows.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace native
