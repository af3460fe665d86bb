#include "GifFile.h"

#include "Bytes.h"

#include <map>
#include <stdexcept>

namespace samplegen {
namespace {

// Packs variable-width codes least significant bit first into 255-byte sub-blocks.
class CodeStream {
public:
    void put(int code, int width) {
        bits_ |= static_cast<std::uint32_t>(code) << count_;
        count_ += width;
        while (count_ >= 8) {
            bytes_.push_back(static_cast<std::uint8_t>(bits_ & 0xFF));
            bits_ >>= 8;
            count_ -= 8;
        }
    }
    void flush() {
        if (count_ > 0)
            bytes_.push_back(static_cast<std::uint8_t>(bits_ & 0xFF));
        bits_ = 0;
        count_ = 0;
    }
    void writeBlocks(Bytes& out) const {
        for (std::size_t i = 0; i < bytes_.size(); i += 255) {
            std::size_t n = std::min<std::size_t>(255, bytes_.size() - i);
            out.u8(static_cast<std::uint32_t>(n));
            out.append(bytes_.data() + i, n);
        }
        out.u8(0);
    }

private:
    std::uint32_t bits_ = 0;
    int count_ = 0;
    std::vector<std::uint8_t> bytes_;
};

// GIF's LZW: clear code 2^minSize, end code one above, codes grow to 12 bits;
// a full table is answered with a clear code and a fresh start.
void lzw(const std::vector<std::uint8_t>& pixels, int minSize, CodeStream& out) {
    const int clear = 1 << minSize;
    const int end = clear + 1;
    std::map<std::pair<int, int>, int> table;
    int next = end + 1;
    int width = minSize + 1;
    out.put(clear, width);
    int prefix = -1;
    for (std::uint8_t px : pixels) {
        if (prefix < 0) {
            prefix = px;
            continue;
        }
        auto it = table.find({prefix, px});
        if (it != table.end()) {
            prefix = it->second;
            continue;
        }
        out.put(prefix, width);
        if (next < 4096) {
            table[{prefix, px}] = next++;
            // The decoder widens its codes one entry later than it adds them.
            if (next > (1 << width) && width < 12)
                ++width;
        } else {
            out.put(clear, width);
            table.clear();
            next = end + 1;
            width = minSize + 1;
        }
        prefix = px;
    }
    if (prefix >= 0)
        out.put(prefix, width);
    out.put(end, width);
    out.flush();
}

} // namespace

std::vector<std::uint8_t> gif(const IndexedImage& image) {
    if (image.palette.empty() || image.palette.size() > 256)
        throw std::runtime_error("a GIF palette holds 1 to 256 colours");
    int depth = 1;
    while ((1u << depth) < image.palette.size())
        ++depth;
    Bytes out;
    out.append(std::string("GIF87a"));
    out.u16(static_cast<std::uint32_t>(image.width));
    out.u16(static_cast<std::uint32_t>(image.height));
    // Global colour table present, colour resolution 8 bits, table size 2^depth.
    out.u8(0x80 | 0x70 | static_cast<std::uint32_t>(depth - 1));
    out.u8(0);
    out.u8(0);
    for (std::size_t i = 0; i < (1u << depth); ++i) {
        Rgb c = i < image.palette.size() ? image.palette[i] : Rgb{0, 0, 0};
        out.u8(c[0]);
        out.u8(c[1]);
        out.u8(c[2]);
    }
    // One image descriptor covering the whole screen, no local table.
    out.u8(0x2C);
    out.u16(0);
    out.u16(0);
    out.u16(static_cast<std::uint32_t>(image.width));
    out.u16(static_cast<std::uint32_t>(image.height));
    out.u8(0);
    int minSize = depth < 2 ? 2 : depth;
    out.u8(static_cast<std::uint32_t>(minSize));
    CodeStream codes;
    lzw(image.pixels, minSize, codes);
    codes.writeBlocks(out);
    out.u8(0x3B);
    return out.data();
}

} // namespace samplegen
