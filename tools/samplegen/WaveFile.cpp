#include "WaveFile.h"

#include "Bytes.h"

#include <algorithm>
#include <cmath>

namespace samplegen {

std::vector<std::uint8_t> wave(const std::vector<double>& samples, int sampleRate) {
    const std::uint32_t channels = 1, bits = 16;
    const std::uint32_t blockAlign = channels * bits / 8;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size()) * blockAlign;
    Bytes out;
    out.tag("RIFF");
    out.u32(4 + 8 + 16 + 8 + dataSize);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // WAVE_FORMAT_PCM
    out.u16(channels);
    out.u32(static_cast<std::uint32_t>(sampleRate));
    out.u32(static_cast<std::uint32_t>(sampleRate) * blockAlign);
    out.u16(blockAlign);
    out.u16(bits);
    out.tag("data");
    out.u32(dataSize);
    for (double s : samples) {
        long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767);
        out.u16(static_cast<std::uint32_t>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
    }
    return out.data();
}

} // namespace samplegen
