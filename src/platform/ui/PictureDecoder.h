// Decodes the picture files the program shows (BMP, JPEG, GIF, PNG) into pixels, for
// both the native and the headless window system, so an unreadable picture fails
// the same way in the product and in the tests.
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

// Throws rt::Error 481 ("Invalid picture") when the bytes are not a picture it reads.
DecodedImage decodePicture(const std::string& bytes);

} // namespace ui
