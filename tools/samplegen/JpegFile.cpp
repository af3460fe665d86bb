#include "JpegFile.h"

#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

#include <stdexcept>

namespace samplegen {
namespace {

void collect(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::vector<std::uint8_t> jpeg(const Canvas& canvas, int quality) {
    std::vector<std::uint8_t> rgb = canvas.rgb8();
    std::vector<std::uint8_t> out;
    if (!stbi_write_jpg_to_func(collect, &out, canvas.width(), canvas.height(), 3, rgb.data(), quality))
        throw std::runtime_error("JPEG encoding failed");
    return out;
}

} // namespace samplegen
