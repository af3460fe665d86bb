// The cursor (.cur), animated cursor (.ani) and icon (.ico) files, read as
// Windows reads them: an icon directory whose entries point at device-independent
// bitmaps of twice the image height (colour rows, then the AND mask).
#include "SampleFolder.h"

#include <set>

namespace samples {
namespace {

struct ImageEntry {
    int width = 0, height = 0;
    int hotX = 0, hotY = 0; // cursors; planes and bit count for icons
    std::uint32_t size = 0, offset = 0;
};

// Checks the ICONDIR of a file of the given type (1 icon, 2 cursor) and the DIB
// of each entry; returns the entries.
std::vector<ImageEntry> readDirectory(const std::string& bytes, std::uint32_t type) {
    std::vector<ImageEntry> entries;
    EXPECT_EQ(0u, le16(bytes, 0)) << "reserved word";
    EXPECT_EQ(type, le16(bytes, 2)) << "resource type";
    std::uint32_t count = le16(bytes, 4);
    EXPECT_GE(count, 1u);
    if (count == 0xFFFFFFFFu || 6 + 16 * static_cast<std::size_t>(count) > bytes.size()) {
        ADD_FAILURE() << "directory runs past the end of the file";
        return entries;
    }
    std::vector<std::pair<std::uint32_t, std::uint32_t>> spans;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::size_t at = 6 + 16 * static_cast<std::size_t>(i);
        ImageEntry e;
        e.width = static_cast<std::uint8_t>(bytes[at]) ? static_cast<std::uint8_t>(bytes[at]) : 256;
        e.height = static_cast<std::uint8_t>(bytes[at + 1]) ? static_cast<std::uint8_t>(bytes[at + 1]) : 256;
        e.hotX = static_cast<int>(le16(bytes, at + 4));
        e.hotY = static_cast<int>(le16(bytes, at + 6));
        e.size = le32(bytes, at + 8);
        e.offset = le32(bytes, at + 12);
        if (static_cast<std::uint64_t>(e.offset) + e.size > bytes.size() || e.offset < 6 + 16 * count) {
            ADD_FAILURE() << "image " << i << " lies outside the file";
            continue;
        }
        spans.push_back({e.offset, e.offset + e.size});
        // BITMAPINFOHEADER: the height counts the colour rows and the mask.
        EXPECT_EQ(40u, le32(bytes, e.offset));
        EXPECT_EQ(static_cast<std::uint32_t>(e.width), le32(bytes, e.offset + 4));
        EXPECT_EQ(static_cast<std::uint32_t>(e.height * 2), le32(bytes, e.offset + 8));
        EXPECT_EQ(1u, le16(bytes, e.offset + 12));
        std::uint32_t bits = le16(bytes, e.offset + 14);
        EXPECT_TRUE(bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32) << bits;
        std::uint64_t palette = bits <= 8 ? 4ull << bits : 0;
        std::uint64_t xorRows = (static_cast<std::uint64_t>(e.width) * bits + 31) / 32 * 4 * e.height;
        std::uint64_t andRows = (static_cast<std::uint64_t>(e.width) + 31) / 32 * 4 * e.height;
        EXPECT_EQ(40 + palette + xorRows + andRows, e.size) << "image " << i << " size";
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
    std::vector<ImageEntry> entries = readDirectory(bytes, 2);
    ASSERT_EQ(1u, entries.size());
    const ImageEntry& e = entries[0];
    EXPECT_EQ(32, e.width);
    EXPECT_EQ(32, e.height);
    EXPECT_LT(e.hotX, e.width);
    EXPECT_LT(e.hotY, e.height);
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

TEST_F(CursorIconFiles, AnimatedCursorsAreAconFilesOfCursorFramesWithStillCompanions) {
    const std::set<std::string> animated = named("cursors.txt", ".ani");
    ASSERT_FALSE(animated.empty());
    for (const std::string& name : animated) {
        SCOPED_TRACE(name);
        const std::string bytes = bytesOf(name);
        ASSERT_GE(bytes.size(), 12u);
        EXPECT_EQ("RIFF", bytes.substr(0, 4));
        EXPECT_EQ(bytes.size() - 8, le32(bytes, 4));
        EXPECT_EQ("ACON", bytes.substr(8, 4));
        std::uint32_t frames = 0, steps = 0, flags = 0;
        std::vector<std::string> icons;
        // Walk the chunks of the form, and inside its LIST "fram" the icon chunks.
        for (std::size_t at = 12; at + 8 <= bytes.size();) {
            std::string id = bytes.substr(at, 4);
            std::uint32_t size = le32(bytes, at + 4);
            ASSERT_LE(at + 8 + size, bytes.size()) << id << " runs past the end";
            if (id == "anih") {
                EXPECT_EQ(36u, size);
                EXPECT_EQ(36u, le32(bytes, at + 8));
                frames = le32(bytes, at + 12);
                steps = le32(bytes, at + 16);
                flags = le32(bytes, at + 40);
            } else if (id == "LIST" && bytes.substr(at + 8, 4) == "fram") {
                for (std::size_t f = at + 12; f + 8 <= at + 8 + size;) {
                    std::uint32_t frameSize = le32(bytes, f + 4);
                    EXPECT_EQ("icon", bytes.substr(f, 4));
                    icons.push_back(bytes.substr(f + 8, frameSize));
                    f += 8 + frameSize + (frameSize & 1);
                }
            }
            at += 8 + size + (size & 1);
        }
        EXPECT_GE(frames, 2u);
        EXPECT_EQ(frames, steps) << "without a sequence chunk each frame is one step";
        EXPECT_EQ(1u, flags & 1) << "frames must be marked as icon resources";
        ASSERT_EQ(frames, icons.size());
        for (std::size_t i = 0; i < icons.size(); ++i)
            expectCursor(icons[i], name + " frame " + std::to_string(i));
        const std::string companion = name.substr(0, name.size() - 4) + " Static.cur";
        expectCursor(bytesOf(companion), companion);
    }
}

TEST_F(CursorIconFiles, IconsHoldLargeAndSmallImages) {
    for (const std::string& name : named("icons.txt", ".ico")) {
        SCOPED_TRACE(name);
        const std::string bytes = bytesOf(name);
        ASSERT_FALSE(bytes.empty()) << "missing";
        std::set<int> sizes;
        for (const ImageEntry& e : readDirectory(bytes, 1)) {
            EXPECT_EQ(e.width, e.height);
            sizes.insert(e.width);
        }
        EXPECT_EQ((std::set<int>{16, 32}), sizes);
    }
}

} // namespace
} // namespace samples
