#include "snapshot/SnapshotState.h"

#include "runtime/Error.h"
#include "themefile/ProfileText.h"

#include <cstdio>

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

} // namespace

std::string KeptFile::storedName() const {
    // FNV-1a, 64 bits: a changed file gets another name.
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
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
