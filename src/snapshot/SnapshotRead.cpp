// Reading a kept snapshot back, apart from writing one: the window's handlers, which only
// keep snapshots, need not carry the theme-file reader.
#include "snapshot/SnapshotState.h"

#include "runtime/Error.h"
#include "themefile/ProfileText.h"

namespace snapshot {
namespace {

using themefile::Aspect;

const char* const sectionName = "Decorama snapshot";

[[noreturn]] void damaged(const std::string& what) {
    throw rt::Error(rt::ErrInvalidPropertyValue, "not a snapshot of this program: " + what);
}

std::string unhex(const std::string& text) {
    if (text.size() % 2 != 0)
        damaged("odd hex");
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        int value = 0;
        for (char c : text.substr(i, 2)) {
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (digit < 0)
                damaged("bad hex");
            value = value * 16 + digit;
        }
        out += static_cast<char>(value);
    }
    return out;
}

std::vector<std::string> fields(const std::string& text, std::size_t count) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t comma; (comma = text.find(',', from)) != std::string::npos; from = comma + 1)
        parts.push_back(text.substr(from, comma - from));
    parts.push_back(text.substr(from));
    if (parts.size() != count)
        damaged("wrong number of fields in " + text.substr(0, 40));
    return parts;
}

Aspect aspectOf(const std::string& name) {
    Aspect aspect;
    if (!themefile::parseAspect(name, aspect))
        damaged("unknown aspect " + name);
    return aspect;
}

win::HKEY rootOf(const std::string& name) {
    if (name == "HKCU")
        return win::HKEY_CURRENT_USER;
    if (name == "HKCR")
        return win::HKEY_CLASSES_ROOT;
    damaged("unknown root " + name);
}

unsigned long numberOf(const std::string& text) {
    if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
        damaged("not a number: " + text);
    return std::stoul(text);
}

} // namespace

SystemState readState(const std::string& bytes, const std::string& fileName,
                      const themefile::ToAnsi& toAnsi) {
    SystemState state;
    state.theme = themefile::readThemeFile(bytes, fileName, toAnsi);
    const themefile::ProfileText profile = themefile::ProfileText::read(bytes);
    const themefile::ProfileSection* section = nullptr;
    for (const themefile::ProfileSection& candidate : profile.sections())
        if (candidate.searched && themefile::sameName(candidate.name, sectionName))
            section = &candidate;
    if (section == nullptr || profile.unicode())
        damaged("no [" + std::string(sectionName) + "] section");
    bool timeOut = false, boot = false;
    for (const themefile::ProfileKey& key : section->keys) {
        const std::string name(key.name.begin(), key.name.end());
        const std::string value(key.value.begin(), key.value.end());
        if (name.rfind("Key", 0) == 0) {
            const std::vector<std::string> f = fields(value, 5);
            if ((f[3] != "present" && f[3] != "absent") || f[4].rfind("depth", 0) != 0)
                damaged(name);
            const int depth = static_cast<int>(numberOf(f[4].substr(5)));
            if (depth > 2)
                damaged(name);
            state.keys.push_back({aspectOf(f[0]), rootOf(f[1]), unhex(f[2]), f[3] == "present", depth});
        } else if (name.rfind("Value", 0) == 0) {
            const std::vector<std::string> f = fields(value, 6);
            RawValue raw{aspectOf(f[0]),   rootOf(f[1]),  unhex(f[2]), unhex(f[3]),
                         f[4] != "absent", win::REG_NONE, {}};
            raw.type = raw.exists ? static_cast<win::DWORD>(numberOf(f[4])) : win::REG_NONE;
            raw.data = unhex(f[5]);
            state.values.push_back(raw);
        } else if (name.rfind("File", 0) == 0) {
            const std::vector<std::string> f = fields(value, 2);
            KeptFile file{unhex(f[0]), f[1] != "absent", {}, {}};
            if (file.exists && (f[1].empty() || f[1].find_first_of("\\/:") != std::string::npos))
                damaged(name);
            file.stored = file.exists ? f[1] : std::string();
            state.files.push_back(file);
        } else if (name == "BootSaver") {
            const std::vector<std::string> f = fields(value, 2);
            if (f[0] == "present")
                state.bootSaver = unhex(f[1]);
            boot = true;
        } else if (name == "ScreenSaveTimeOut") {
            state.screenSaveTimeOut = static_cast<win::UINT>(numberOf(value));
            timeOut = true;
        }
    }
    if (!boot || !timeOut)
        damaged("the screen saver's values are missing");
    return state;
}

} // namespace snapshot
