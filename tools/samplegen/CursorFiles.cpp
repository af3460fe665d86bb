#include "CursorFiles.h"

#include "Bytes.h"

#include <stdexcept>

namespace samplegen {
namespace {

std::uint32_t paletteSize(int bitCount) {
    return 1u << bitCount;
}

// BITMAPINFOHEADER, palette, XOR rows and AND rows, both bottom-up.
std::vector<std::uint8_t> dib(const IconImage& image) {
    const IndexedImage& c = image.colors;
    int w = c.width, h = c.height;
    std::uint32_t xorStride = ((static_cast<std::uint32_t>(w) * image.bitCount + 31) / 32) * 4;
    std::uint32_t andStride = ((static_cast<std::uint32_t>(w) + 31) / 32) * 4;
    Bytes out;
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(w));
    out.u32(static_cast<std::uint32_t>(h * 2));
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(image.bitCount));
    out.u32(0);
    out.u32((xorStride + andStride) * static_cast<std::uint32_t>(h));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (std::uint32_t i = 0; i < paletteSize(image.bitCount); ++i) {
        Rgb p = i < c.palette.size() ? c.palette[i] : Rgb{0, 0, 0};
        out.u8(p[2]);
        out.u8(p[1]);
        out.u8(p[0]);
        out.u8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(xorStride, 0);
        for (int x = 0; x < w; ++x) {
            std::size_t i = static_cast<std::size_t>(y) * w + x;
            // Transparent pixels carry black, so the AND/XOR pair leaves the screen as it is.
            std::uint8_t index = image.opaque[i] ? c.pixels[i] : 0;
            if (image.bitCount == 8)
                row[static_cast<std::size_t>(x)] = index;
            else
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? index : index << 4);
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(andStride, 0);
        for (int x = 0; x < w; ++x)
            if (!image.opaque[static_cast<std::size_t>(y) * w + x])
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.append(row);
    }
    return out.data();
}

// ICONDIR with one ICONDIRENTRY per image; type 1 icon, type 2 cursor (whose
// entries hold the hotspot where an icon has planes and bit count).
std::vector<std::uint8_t> directory(const std::vector<IconImage>& images, int type, int hotX, int hotY) {
    Bytes out;
    out.u16(0);
    out.u16(static_cast<std::uint32_t>(type));
    out.u16(static_cast<std::uint32_t>(images.size()));
    std::vector<std::vector<std::uint8_t>> bodies;
    for (const IconImage& image : images)
        bodies.push_back(dib(image));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IconImage& image = images[i];
        out.u8(static_cast<std::uint32_t>(image.colors.width & 0xFF));
        out.u8(static_cast<std::uint32_t>(image.colors.height & 0xFF));
        out.u8(image.bitCount < 8 ? paletteSize(image.bitCount) : 0);
        out.u8(0);
        if (type == 1) {
            out.u16(1);
            out.u16(static_cast<std::uint32_t>(image.bitCount));
        } else {
            out.u16(static_cast<std::uint32_t>(hotX));
            out.u16(static_cast<std::uint32_t>(hotY));
        }
        out.u32(static_cast<std::uint32_t>(bodies[i].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const auto& body : bodies)
        out.append(body);
    return out.data();
}

void chunk(Bytes& out, const char (&id)[5], const std::vector<std::uint8_t>& body) {
    out.tag(id);
    out.u32(static_cast<std::uint32_t>(body.size()));
    out.append(body);
    if (body.size() % 2)
        out.u8(0);
}

} // namespace

IconImage iconImage(const Canvas& canvas, int bitCount, const std::vector<Rgb>& palette) {
    if (bitCount != 4 && bitCount != 8)
        throw std::runtime_error("icon images are 4 or 8 bits per pixel");
    IconImage image;
    image.bitCount = bitCount;
    // Colours are taken as they are, without a background showing through the
    // soft edges; the mask decides what is drawn. Transparent pixels repeat an
    // opaque colour so that they do not pull the palette towards themselves.
    Color filler = rgb(0, 0, 0);
    for (int y = canvas.height() - 1; y >= 0; --y)
        for (int x = canvas.width() - 1; x >= 0; --x)
            if (canvas.at(x, y).a >= 0.5)
                filler = withAlpha(canvas.at(x, y), 1);
    Canvas solid(canvas.width(), canvas.height(), filler);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Color& p = canvas.at(x, y);
            image.opaque.push_back(p.a >= 0.5);
            if (p.a >= 0.5)
                solid.at(x, y) = withAlpha(p, 1);
        }
    }
    if (!palette.empty()) {
        image.colors = mapToPalette(solid, palette);
    } else {
        // Entry 0 stays black: transparent pixels point at it (see dib).
        image.colors = quantize(solid, (1 << bitCount) - 1, false);
        image.colors.palette.insert(image.colors.palette.begin(), Rgb{0, 0, 0});
        for (std::uint8_t& index : image.colors.pixels)
            ++index;
    }
    if (image.colors.palette.empty() || image.colors.palette[0] != Rgb{0, 0, 0})
        throw std::runtime_error("icon palettes start with black");
    return image;
}

std::vector<std::uint8_t> icoFile(const std::vector<IconImage>& images) {
    return directory(images, 1, 0, 0);
}

std::vector<std::uint8_t> curFile(const IconImage& image, int hotX, int hotY) {
    return directory({image}, 2, hotX, hotY);
}

std::vector<std::uint8_t> aniFile(const std::vector<AniFrame>& frames, int jiffiesPerFrame,
                                  const std::string& title) {
    Bytes info;
    info.tag("INFO");
    auto text = [&](const char(&id)[5], const std::string& value) {
        std::vector<std::uint8_t> body(value.begin(), value.end());
        body.push_back(0);
        chunk(info, id, body);
    };
    text("INAM", title);
    text("IART", "Decorama");

    Bytes header;
    header.u32(36);                                        // cbSize
    header.u32(static_cast<std::uint32_t>(frames.size())); // frames
    header.u32(static_cast<std::uint32_t>(frames.size())); // steps: each frame once, in order
    header.u32(0);                                         // width, height, bits, planes: unused
    header.u32(0);                                         // when the frames are icon resources
    header.u32(0);
    header.u32(0);
    header.u32(static_cast<std::uint32_t>(jiffiesPerFrame)); // in 1/60 s
    header.u32(1);                                           // AF_ICON

    Bytes frameList;
    frameList.tag("fram");
    for (const AniFrame& f : frames)
        chunk(frameList, "icon", curFile(f.image, f.hotX, f.hotY));

    Bytes body;
    body.tag("ACON");
    chunk(body, "LIST", info.data());
    chunk(body, "anih", header.data());
    chunk(body, "LIST", frameList.data());

    Bytes out;
    chunk(out, "RIFF", body.data());
    return out.data();
}

} // namespace samplegen
