// The start-up sound "Zuve Zivi ziz Odida.wav": a PCM wave Windows can play as
// its start-up sound, and short.
#include "SampleFolder.h"

#include <cmath>

namespace samples {
namespace {

using StartupSound = SampleCollection;

TEST_F(StartupSound, IsAShortPcmWave) {
    const std::string bytes = bytesOf("Zuve Zivi ziz Odida.wav");
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ("RIFF", bytes.substr(0, 4));
    EXPECT_EQ(bytes.size() - 8, le32(bytes, 4));
    EXPECT_EQ("WAVE", bytes.substr(8, 4));
    std::uint32_t channels = 0, rate = 0, blockAlign = 0, bits = 0;
    std::string data;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        std::string id = bytes.substr(at, 4);
        std::uint32_t size = le32(bytes, at + 4);
        ASSERT_LE(at + 8 + size, bytes.size()) << id << " runs past the end";
        if (id == "fmt ") {
            EXPECT_EQ(1u, le16(bytes, at + 8)) << "not PCM";
            channels = le16(bytes, at + 10);
            rate = le32(bytes, at + 12);
            blockAlign = le16(bytes, at + 20);
            bits = le16(bytes, at + 22);
            EXPECT_EQ(rate * blockAlign, le32(bytes, at + 16)) << "byte rate";
            EXPECT_EQ(channels * bits / 8, blockAlign);
        } else if (id == "data") {
            data = bytes.substr(at + 8, size);
        }
        at += 8 + size + (size & 1);
    }
    ASSERT_EQ(16u, bits);
    ASSERT_TRUE(channels == 1 || channels == 2);
    ASSERT_TRUE(rate == 11025 || rate == 22050 || rate == 44100) << rate;
    ASSERT_EQ(0u, data.size() % blockAlign);
    EXPECT_LE(static_cast<double>(data.size()) / (rate * blockAlign), 2.0) << "too long for a start-up sound";
}

} // namespace
} // namespace samples
