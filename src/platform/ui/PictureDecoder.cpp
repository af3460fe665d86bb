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
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
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

int byteAt(const std::string& bytes, std::size_t at) {
    return at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0;
}

// stb_image 2.27 (Debian 12's) builds a JPEG Huffman table from the code counts
// the file gives without checking that they add up to at most 256, the size of
// its tables: more overrun them. The markers are found here as stb finds them
// (stbi__get_marker: a byte other than FF between segments is skipped, FF fill
// bytes before a marker too), each segment is an FF marker and a big-endian
// length that counts itself, a scan's coded data runs to the next marker that
// is not a restart, and each table of a DHT segment (a class byte, 16 counts,
// their values) is read as stb reads it: false for a table of more than 256
// codes. Anything else stb refuses or reads safely.
bool huffmanTablesFit(const std::string& bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        if (byteAt(bytes, at) != 0xFF) {
            ++at;
            continue;
        }
        while (byteAt(bytes, at) == 0xFF && at < bytes.size())
            ++at;
        const int marker = byteAt(bytes, at++);
        if (marker == 0xD9)
            return true;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        const std::size_t length = static_cast<std::size_t>(byteAt(bytes, at) << 8 | byteAt(bytes, at + 1));
        if (marker == 0xC4) {
            std::size_t table = at + 2;
            for (long left = static_cast<long>(length) - 2; left > 0;) {
                int codes = 0;
                for (std::size_t count = 1; count <= 16; ++count)
                    codes += byteAt(bytes, table + count);
                if (codes > 256)
                    return false;
                table += 17 + static_cast<std::size_t>(codes);
                left -= 17 + codes;
            }
        }
        at += length;
        if (marker == 0xDA) // the coded data: FF is followed by 00 or a restart marker in it
            while (at + 1 < bytes.size() &&
                   !(byteAt(bytes, at) == 0xFF && byteAt(bytes, at + 1) != 0 &&
                     !(byteAt(bytes, at + 1) >= 0xD0 && byteAt(bytes, at + 1) <= 0xD7)))
                ++at;
    }
    return true;
}

} // namespace

DecodedImage decodePicture(const std::string& bytes, PictureFormats formats) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        invalidPicture();
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const auto size = static_cast<int>(bytes.size());
    if (formats == PictureFormats::pictureBox && bytes.compare(0, 8, "\x89PNG\r\n\x1A\n") == 0)
        invalidPicture();
    if (byteAt(bytes, 0) == 0xFF && !huffmanTablesFit(bytes)) // what stb may take for a JPEG
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
