// One system font as the frame-metrics object hands it out: a plain record the
// caller edits in place before NonClientMetrics::SaveSettings writes it back.
#pragma once

#include <cstdint>
#include <string>

namespace sys {

class Font {
public:
    std::int32_t Size = 0; // points
    bool StrikeOut = false;
    std::int32_t Weight = 0; // 0-1000: 400 normal, 700 bold
    bool Italic = false;
    bool Underline = false;
    std::string FaceName;
};

} // namespace sys
