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

// The family a tag stands for: "NT" and "2000" are the NT family; every other
// tag, the empty one included, is the 95 family.
bool isNtFamily(const std::string& versionTag);
// The Windows folder of the tag's family: "c:\WINNT" for the NT family,
// "c:\WINDOWS" for the 95 family.
std::string windowsFolderFor(const std::string& versionTag);

} // namespace sys
