// The program's start-up sound: a short rolled chord of soft bell tones.
#pragma once

#include <cstdint>
#include <vector>

namespace samplegen {

std::vector<std::uint8_t> startupSound();

} // namespace samplegen
