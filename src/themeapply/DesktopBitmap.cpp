#include "themeapply/DesktopBitmap.h"

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/ui/PictureDecoder.h"

#include <optional>

namespace themeapply {
namespace {

void putLittleEndian(std::string& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string baseName(const std::string& path) {
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    return name.substr(0, name.rfind('.'));
}

} // namespace

std::string bmpFile(int width, int height, const unsigned char* rgba) {
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(height);
    std::string bytes(54 + pixelBytes, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, static_cast<std::uint32_t>(bytes.size()), 4);
    putLittleEndian(bytes, 10, 54, 4); // the pixels' offset
    putLittleEndian(bytes, 14, 40, 4); // BITMAPINFOHEADER
    putLittleEndian(bytes, 18, static_cast<std::uint32_t>(width), 4);
    putLittleEndian(bytes, 22, static_cast<std::uint32_t>(height), 4);
    putLittleEndian(bytes, 26, 1, 2);  // planes
    putLittleEndian(bytes, 28, 24, 2); // bits per pixel
    putLittleEndian(bytes, 34, static_cast<std::uint32_t>(pixelBytes), 4);
    for (int y = 0; y < height; ++y) {
        const unsigned char* in = rgba + static_cast<std::size_t>(height - 1 - y) * width * 4;
        char* out = &bytes[54 + static_cast<std::size_t>(y) * rowBytes];
        for (int x = 0; x < width; ++x, in += 4, out += 3) {
            out[0] = static_cast<char>(in[2]);
            out[1] = static_cast<char>(in[1]);
            out[2] = static_cast<char>(in[0]);
        }
    }
    return bytes;
}

std::string desktopBitmapFor(rt::Platform& platform, const std::string& picture) {
    // 1. A BMP goes to the desktop as it is.
    if (platform.runtime.readBytes(picture, 0, 2) == "BM")
        return picture;

    // 2. Any other picture is decoded first: one that does not decode writes nothing.
    const ui::DecodedImage image =
        ui::decodePicture(platform.runtime.readFile(picture), ui::PictureFormats::wallpaper);

    // 3. Its BMP copy in the user's application-data folder, or the program's.
    const std::string copy = userDataFolder(platform) + "\\" + baseName(picture) + ".bmp";
    platform.runtime.writeFile(copy, bmpFile(image.width, image.height, image.rgba.data()));
    return copy;
}

} // namespace themeapply
