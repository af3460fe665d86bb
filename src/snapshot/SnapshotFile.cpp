#include "snapshot/SnapshotState.h"

#include "runtime/Error.h"
#include "themefile/ProfileText.h"

#include <cstdio>
#include <cstring>

namespace snapshot {
namespace {

using themefile::Aspect;

const char* const sectionName = "Decorama snapshot";

// ---- the private section -------------------------------------------------------------

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// MurmurHash64A (Austin Appleby, public domain): eight bytes a step, so that a kept file of
// several hundred kilobytes is named in a fraction of the time a byte-wise hash takes; a
// changed file gets another name.
std::uint64_t contentHash(const std::string& bytes) {
    constexpr std::uint64_t m = 0xc6a4a7935bd1e995ull;
    constexpr int r = 47;
    std::uint64_t hash = 0x5ee4a7ed5e771e55ull ^ (bytes.size() * m);
    const std::size_t whole = bytes.size() / 8 * 8;
    for (std::size_t at = 0; at < whole; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        word *= m;
        word ^= word >> r;
        word *= m;
        hash ^= word;
        hash *= m;
    }
    if (whole < bytes.size()) {
        for (std::size_t at = whole; at < bytes.size(); ++at)
            hash ^= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes[at])) << 8 * (at - whole);
        hash *= m;
    }
    hash ^= hash >> r;
    hash *= m;
    hash ^= hash >> r;
    return hash;
}

} // namespace

std::string KeptFile::storedName() const {
    const std::uint64_t hash = contentHash(bytes);
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return path.substr(path.find_last_of('\\') + 1) + "." + digits;
}

themefile::ExtraSection stateSection(const SystemState& state) {
    themefile::ExtraSection section{sectionName, {}};
    const auto rootName = [](win::HKEY root) { return root == win::HKEY_CLASSES_ROOT ? "HKCR" : "HKCU"; };
    for (const RawKey& key : state.keys)
        section.keys.emplace_back("Key" + std::to_string(section.keys.size() + 1),
                                  std::string(themefile::aspectName(key.aspect)) + "," + rootName(key.root) +
                                      "," + hex(key.key) + "," + (key.exists ? "present" : "absent") + "," +
                                      "depth" + std::to_string(key.depth));
    for (const RawValue& value : state.values)
        section.keys.emplace_back("Value" + std::to_string(section.keys.size() + 1),
                                  std::string(themefile::aspectName(value.aspect)) + "," +
                                      rootName(value.root) + "," + hex(value.key) + "," + hex(value.name) +
                                      "," + (value.exists ? std::to_string(value.type) : "absent") + "," +
                                      hex(value.data));
    for (const KeptFile& file : state.files)
        section.keys.emplace_back("File" + std::to_string(section.keys.size() + 1),
                                  hex(file.path) + "," + (file.exists ? file.stored : "absent"));
    section.keys.emplace_back("BootSaver", state.bootSaver ? "present," + hex(*state.bootSaver) : "absent,");
    section.keys.emplace_back("ScreenSaveTimeOut", std::to_string(state.screenSaveTimeOut));
    return section;
}

} // namespace snapshot
