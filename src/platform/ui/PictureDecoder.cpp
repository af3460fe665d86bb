#include "platform/ui/PictureDecoder.h"

#include "runtime/Error.h"

#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <climits>
#include <cstring>

namespace ui {

namespace {

[[noreturn]] void invalidPicture() {
    throw rt::Error(ErrInvalidPicture, "Invalid picture");
}

} // namespace

DecodedImage decodePicture(const std::string& bytes, PictureFormats formats) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        invalidPicture();
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const auto size = static_cast<int>(bytes.size());
    if (formats == PictureFormats::pictureBox && bytes.compare(0, 8, "\x89PNG\r\n\x1A\n") == 0)
        invalidPicture();
    // The size the header claims, before any memory is taken for it.
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, size, &width, &height, &channels) || width <= 0 || height <= 0 ||
        static_cast<long long>(width) * height > MaxPicturePixels)
        invalidPicture();
    stbi_uc* pixels = stbi_load_from_memory(data, size, &width, &height, &channels, 4);
    if (pixels == nullptr || width <= 0 || height <= 0) {
        stbi_image_free(pixels);
        invalidPicture();
    }
    DecodedImage image;
    image.width = width;
    image.height = height;
    image.rgba.assign(pixels,
                      pixels + static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    stbi_image_free(pixels);
    return image;
}

} // namespace ui
