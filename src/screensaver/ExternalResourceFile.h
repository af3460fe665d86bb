// The external resource file "samples", which packs the program's screen savers,
// one entry per item of the screen-saver list and in the list's order. All
// numbers little-endian:
//   offset 0   signature 0x635245B5
//   offset 4   entry count N (signed 32-bit)
//   offset 8   N directory entries of 12 bytes: start (from the beginning of the
//              file), length, and a third field the program does not read
//   after the directory, each entry's bytes: one screen-saver program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace screensaver {

constexpr std::uint32_t resourceFileSignature = 0x635245B5;

struct ResourceEntry {
    std::int32_t start = 0;
    std::int32_t length = 0;
    std::int32_t reserved = 0;
};

// The directory of a resource file's bytes, or nothing when the bytes are not a
// sound resource file: a wrong signature, an entry count that is negative or
// larger than the directory the file holds, or an entry whose start or length
// is negative or whose data runs past the end of the file. A damaged directory
// is refused as a whole, so nothing is ever taken from it.
std::optional<std::vector<ResourceEntry>> readResourceDirectory(const std::string& fileBytes);

// The bytes of an entry of a directory read from the same bytes.
std::string entryBytes(const std::string& fileBytes, const ResourceEntry& entry);

} // namespace screensaver
