// Decodes the picture files the program shows (BMP, JPEG, GIF, and PNG for a
// theme file's wallpaper) into pixels, for both the native and the headless
// window system, so an unreadable picture fails the same way in the product and
// in the tests.
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ui {

struct DecodedImage {
    int width = 0;
    int height = 0;
    // Top-down rows of red, green, blue, alpha bytes.
    std::vector<std::uint8_t> rgba;
};

constexpr std::int32_t ErrInvalidPicture = rt::ErrInvalidPicture;

// The formats a picture box loads (BMP, JPEG, GIF), or those a desktop of
// Windows 98 and later shows as its wallpaper (PNG too).
enum class PictureFormats { pictureBox, wallpaper };

// The most pixels a picture may have: 16 million, a 4096 x 4096 picture (64 MiB
// decoded). A theme's wallpaper is outside input, and its header may claim any size.
constexpr long long MaxPicturePixels = 4096LL * 4096LL;

// Throws rt::Error 481 ("Invalid picture") when the bytes are not a picture it
// reads in those formats, or one with more pixels than MaxPicturePixels.
DecodedImage decodePicture(const std::string& bytes, PictureFormats formats = PictureFormats::pictureBox);

} // namespace ui
