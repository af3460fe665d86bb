#include "ExternalResourceFile.h"

namespace screensaver {
namespace {

constexpr std::size_t headerSize = 8;
constexpr std::size_t entrySize = 12;

std::uint32_t le32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::int32_t signed32(const std::string& bytes, std::size_t offset) {
    return static_cast<std::int32_t>(le32(bytes, offset));
}

} // namespace

std::optional<std::vector<ResourceEntry>> readResourceDirectory(const std::string& fileBytes) {
    const std::size_t size = fileBytes.size();
    if (size < headerSize || le32(fileBytes, 0) != resourceFileSignature)
        return std::nullopt;
    const std::int32_t count = signed32(fileBytes, 4);
    if (count < 0 || static_cast<std::size_t>(count) > (size - headerSize) / entrySize)
        return std::nullopt;

    std::vector<ResourceEntry> entries(static_cast<std::size_t>(count));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::size_t at = headerSize + entrySize * i;
        ResourceEntry& entry = entries[i];
        entry.start = signed32(fileBytes, at);
        entry.length = signed32(fileBytes, at + 4);
        entry.reserved = signed32(fileBytes, at + 8);
        if (entry.start < 0 || entry.length < 0 ||
            static_cast<std::uint64_t>(entry.start) + static_cast<std::uint64_t>(entry.length) > size)
            return std::nullopt;
    }
    return entries;
}

std::string entryBytes(const std::string& fileBytes, const ResourceEntry& entry) {
    return fileBytes.substr(static_cast<std::size_t>(entry.start), static_cast<std::size_t>(entry.length));
}

} // namespace screensaver
