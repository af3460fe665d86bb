// The still cursor (.cur) and icon (.ico) files, read as Windows reads them: an
// icon directory whose entries point at device-independent bitmaps of twice the
// image height (colour rows, then the AND mask). That every cursor file, animated
// ones included, loads on Windows is held by the sample-collection contract; the
// start-up sound is checked here too.
#include "SampleFolder.h"

#include <set>

namespace samples {
namespace {

struct ImageEntry {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0; // cursors; planes and bit count for icons
};

// Checks the ICONDIR of a file of the given type (1 icon, 2 cursor) and the DIB
// of each entry; returns the entries.
std::vector<ImageEntry> readDirectory(const std::string& bytes, std::uint32_t type) {
    std::vector<ImageEntry> entries;
    EXPECT_EQ(0u, le16(bytes, 0)) << "reserved word";
    EXPECT_EQ(type, le16(bytes, 2)) << "resource type";
    const std::uint32_t count = le16(bytes, 4);
    if (count == 0 || count == 0xFFFFFFFFu || 6 + 16 * static_cast<std::size_t>(count) > bytes.size()) {
        ADD_FAILURE() << "no directory, or one running past the end of the file";
        return entries;
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spans;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t at = 6 + 16 * static_cast<std::size_t>(i);
        auto side = [&](std::size_t byte) {
            return static_cast<std::uint8_t>(bytes[byte]) ? static_cast<std::uint8_t>(bytes[byte]) : 256;
        };
        const ImageEntry e{side(at), side(at + 1), static_cast<int>(le16(bytes, at + 4)),
                           static_cast<int>(le16(bytes, at + 6))};
        const std::uint32_t size = le32(bytes, at + 8), offset = le32(bytes, at + 12);
        if (static_cast<std::uint64_t>(offset) + size > bytes.size() || offset < 6 + 16 * count) {
            ADD_FAILURE() << "image " << i << " lies outside the file";
            continue;
        }
        spans.push_back({offset, offset + size});
        // BITMAPINFOHEADER: the height counts the colour rows and the mask.
        EXPECT_EQ(40u, le32(bytes, offset));
        EXPECT_EQ(static_cast<std::uint32_t>(e.width), le32(bytes, offset + 4));
        EXPECT_EQ(static_cast<std::uint32_t>(e.height * 2), le32(bytes, offset + 8));
        EXPECT_EQ(1u, le16(bytes, offset + 12));
        const std::uint32_t bits = le16(bytes, offset + 14);
        EXPECT_TRUE(bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32) << bits;
        const std::uint64_t palette = bits <= 8 ? 4ull << bits : 0;
        const std::uint64_t xorRows = (static_cast<std::uint64_t>(e.width) * bits + 31) / 32 * 4 * e.height;
        const std::uint64_t andRows = (static_cast<std::uint64_t>(e.width) + 31) / 32 * 4 * e.height;
        EXPECT_EQ(40 + palette + xorRows + andRows, size) << "image " << i << " size";
        entries.push_back(e);
    }
    std::sort(spans.begin(), spans.end());
    for (std::size_t i = 1; i < spans.size(); ++i)
        EXPECT_LE(spans[i - 1].second, spans[i].first) << "images overlap";
    return entries;
}

void expectCursor(const std::string& bytes, const std::string& name) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(bytes.empty()) << "missing";
    const std::vector<ImageEntry> entries = readDirectory(bytes, 2);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ(32, entries[0].width);
    EXPECT_EQ(32, entries[0].height);
    EXPECT_LT(entries[0].hotX, 32);
    EXPECT_LT(entries[0].hotY, 32);
}

class CursorIconFiles : public SampleCollection {
protected:
    std::set<std::string> named(const std::string& catalogue, const std::string& extension) const {
        std::set<std::string> names;
        for (const Record& r : records(catalogue))
            if (endsWith(r[2], extension))
                names.insert(r[2]);
        return names;
    }
};

TEST_F(CursorIconFiles, StillCursorsHoldOne32PixelImageWithItsHotspotInside) {
    for (const std::string& name : named("cursors.txt", ".cur"))
        expectCursor(bytesOf(name), name);
}

TEST_F(CursorIconFiles, IconsHoldLargeAndSmallImages) {
    for (const std::string& name : named("icons.txt", ".ico")) {
        SCOPED_TRACE(name);
        std::set<int> sizes;
        for (const ImageEntry& e : readDirectory(bytesOf(name), 1)) {
            EXPECT_EQ(e.width, e.height);
            sizes.insert(e.width);
        }
        EXPECT_EQ((std::set<int>{16, 32}), sizes);
    }
}

// The start-up sound: a PCM wave Windows can play, and short.
TEST_F(CursorIconFiles, StartupSoundIsAShortPcmWave) {
    const std::string bytes = bytesOf("Zuve Zivi ziz Odida.wav");
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ("RIFF", bytes.substr(0, 4));
    EXPECT_EQ(bytes.size() - 8, le32(bytes, 4));
    EXPECT_EQ("WAVE", bytes.substr(8, 4));
    std::uint32_t channels = 0, rate = 0, blockAlign = 0, bits = 0;
    std::string data;
    for (const auto& [id, body] : riffChunks(bytes, 12, bytes.size())) {
        if (id == "fmt ") {
            EXPECT_EQ(1u, le16(body, 0)) << "not PCM";
            channels = le16(body, 2);
            rate = le32(body, 4);
            blockAlign = le16(body, 12);
            bits = le16(body, 14);
            EXPECT_EQ(rate * blockAlign, le32(body, 8)) << "byte rate";
            EXPECT_EQ(channels * bits / 8, blockAlign);
        } else if (id == "data") {
            data = body;
        }
    }
    ASSERT_EQ(16u, bits);
    ASSERT_TRUE(channels == 1 || channels == 2);
    ASSERT_TRUE(rate == 11025 || rate == 22050 || rate == 44100) << rate;
    ASSERT_EQ(0u, data.size() % blockAlign);
    EXPECT_LE(static_cast<double>(data.size()) / (rate * blockAlign), 2.0) << "too long for a start-up sound";
}

} // namespace
} // namespace samples
