#include "BmpFile.h"

#include "Bytes.h"

namespace samplegen {
namespace {

// BITMAPFILEHEADER followed by a BITMAPINFOHEADER for an uncompressed bitmap
// stored bottom-up; rows padded to four bytes.
void header(Bytes& out, int width, int height, int bitCount, int paletteEntries, std::uint32_t imageSize) {
    std::uint32_t offBits = 14 + 40 + static_cast<std::uint32_t>(paletteEntries) * 4;
    out.u8('B');
    out.u8('M');
    out.u32(offBits + imageSize);
    out.u16(0);
    out.u16(0);
    out.u32(offBits);
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(height));
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bitCount));
    out.u32(0); // BI_RGB
    out.u32(imageSize);
    out.u32(3780); // 96 dots per inch
    out.u32(3780);
    out.u32(static_cast<std::uint32_t>(paletteEntries));
    out.u32(0);
}

} // namespace

std::vector<std::uint8_t> bmp24(const Canvas& canvas) {
    int w = canvas.width(), h = canvas.height();
    std::uint32_t stride = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    Bytes out;
    header(out, w, h, 24, 0, stride * static_cast<std::uint32_t>(h));
    std::vector<std::uint8_t> rgb = canvas.rgb8();
    for (int y = h - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < w; ++x) {
            std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
            out.u8(rgb[i + 2]);
            out.u8(rgb[i + 1]);
            out.u8(rgb[i]);
            written += 3;
        }
        for (; written < stride; ++written)
            out.u8(0);
    }
    return out.data();
}

std::vector<std::uint8_t> bmp8(const IndexedImage& image) {
    int w = image.width, h = image.height;
    std::uint32_t stride = (static_cast<std::uint32_t>(w) + 3) & ~3u;
    Bytes out;
    header(out, w, h, 8, 256, stride * static_cast<std::uint32_t>(h));
    for (std::size_t i = 0; i < 256; ++i) {
        Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{0, 0, 0};
        out.u8(c[2]);
        out.u8(c[1]);
        out.u8(c[0]);
        out.u8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < w; ++x, ++written)
            out.u8(image.pixels[static_cast<std::size_t>(y) * w + x]);
        for (; written < stride; ++written)
            out.u8(0);
    }
    return out.data();
}

} // namespace samplegen
