// RIFF WAVE files with 16-bit PCM samples.
#pragma once

#include <cstdint>
#include <vector>

namespace samplegen {

// Mono samples in [-1, 1], clipped.
std::vector<std::uint8_t> wave(const std::vector<double>& samples, int sampleRate);

} // namespace samplegen
