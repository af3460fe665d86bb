// libFuzzer target for the picture decoder, which reads a theme file's wallpaper:
// every input either decodes to a picture within the pixel limit, its pixels all
// there, or fails with error 481; anything else, a crash, a leak or undefined
// behaviour is a finding.
#include "platform/ui/PictureDecoder.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const ui::DecodedImage image = ui::decodePicture(
            std::string(reinterpret_cast<const char*>(data), size), ui::PictureFormats::wallpaper);
        const long long pixels = static_cast<long long>(image.width) * image.height;
        if (image.width <= 0 || image.height <= 0 || pixels > ui::MaxPicturePixels ||
            image.rgba.size() != static_cast<std::size_t>(pixels) * 4)
            __builtin_trap();
    } catch (const rt::Error& error) {
        if (error.number() != ui::ErrInvalidPicture)
            __builtin_trap();
    }
    return 0;
}
