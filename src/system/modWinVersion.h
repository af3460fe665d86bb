// The Windows version tag: "95", "98", "ME", "NT", "2000", or the empty text for
// a version the program has no tag for. Worked out once at start-up.
#pragma once

#include <cstdint>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

// The low 16 bits of a number as a signed 16-bit value (0x9C40 gives -25536).
std::int16_t LoWord(std::uint32_t value);

// One GetVersionExA call, reduced to the tag by the known build and version numbers.
std::string GetWinVersion(win::WindowsApi& api);

} // namespace sys
