#include "snapshot/SnapshotState.h"

#include "snapshot/Keeping.h"

#include "appearance/DesktopIcons.h"
#include "platform/DesktopFacts.h"
#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WinHolders.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "system/WindowsFailure.h"
#include "system/modWinVersion.h"
#include "themefile/ProfileText.h"

#include <algorithm>
#include <utility>

namespace snapshot {
namespace {

using themefile::Aspect;

const char* const desktopKey = "Control Panel\\Desktop";
const char* const cursorsKey = "Control Panel\\Cursors";
const char* const colorsKey = "Control Panel\\Colors";
const char* const appsKey = "AppEvents\\Schemes\\Apps";

// The folder-view pictures and start-up screens an apply copies, as writeCatalogueTheme
// names them. Where that Windows folder is the one Windows runs from, it is spelt as
// Windows gives it: the case makes no difference to Windows, but Wine finds a name whose
// case differs from the one on disk only by reading through the folder that holds it
// (dlls/ntdll/unix/file.c, lookup_unix_name and find_file_in_dir).
std::vector<std::string> keptFilePaths(const std::string& versionTag, const std::string& windowsDirectory) {
    std::string windows = sys::windowsFolderFor(versionTag);
    if (rt::UCase(windows) == rt::UCase(windowsDirectory))
        windows = windowsDirectory;
    return {"c:\\logo.sys",
            windows + "\\logos.sys",
            windows + "\\logow.sys",
            windows + "\\web\\wvleft.bmp",
            windows + "\\web\\wvline.gif",
            windows + "\\web\\wvlogo.gif"};
}

std::string text(const RawValue& value) {
    if (!value.exists || (value.type != win::REG_SZ && value.type != win::REG_EXPAND_SZ))
        return {};
    return value.data.substr(0, value.data.find('\0'));
}

// ---- reading Windows ---------------------------------------------------------------------

class Capture {
public:
    Capture(rt::Platform& platform, SystemState& state)
        : platform_(platform), api_(platform.api), state_(state) {}

    // Whether the key exists; any answer but "not found" is an error.
    bool keyExists(win::HKEY root, const std::string& key) {
        const std::optional<win::HKEY> handle = open(root, key, win::KEY_QUERY_VALUE);
        if (handle)
            api_.RegCloseKey(*handle);
        return handle.has_value();
    }

    // Each level of a key path an apply makes where missing ("Control Panel", then
    // "Control Panel\Colors"), once for each aspect. Only what is not known is looked at:
    // every level above a key that is there is there, and every level below a missing one
    // is missing (`deepest`: whether the key itself is there, when that is known).
    void chain(Aspect aspect, win::HKEY root, const std::string& key, std::optional<bool> deepest = {}) {
        bool aboveMissing = false;
        for (std::size_t end = key.find('\\');; end = key.find('\\', end + 1)) {
            const std::string level = key.substr(0, end);
            const auto listed = std::find_if(state_.keys.begin(), state_.keys.end(), [&](const RawKey& k) {
                return k.aspect == aspect && k.root == root && k.key == level;
            });
            bool exists = listed != state_.keys.end() && listed->exists;
            if (listed == state_.keys.end()) {
                exists = deepest == true ||
                         (!aboveMissing &&
                          (end == std::string::npos && deepest ? *deepest : keyExists(root, level)));
                state_.keys.push_back({aspect, root, level, exists});
            }
            aboveMissing = !exists;
            if (end == std::string::npos)
                return;
        }
    }

    // The values of a key and, `withChain`, the levels of its path (looked at one by one
    // only when the key is not there); whether the key is there.
    bool values(Aspect aspect, win::HKEY root, const std::string& key, const std::vector<std::string>& names,
                bool withChain = true) {
        const std::optional<win::HKEY> handle = open(root, key, win::KEY_QUERY_VALUE);
        if (withChain)
            chain(aspect, root, key, handle.has_value());
        if (!handle) {
            for (const std::string& name : names)
                state_.values.push_back({aspect, root, key, name, false, win::REG_NONE, {}});
            return false;
        }
        const win::KeyCloser closer(api_, *handle);
        for (const std::string& name : names) {
            RawValue value{aspect, root, key, name, false, win::REG_NONE, {}};
            query(*handle, value);
            state_.values.push_back(value);
        }
        return true;
    }

    // A key and every key down to `depth` levels below it; with `also`, each deepest
    // one's sub-key of that name and its default value.
    void tree(Aspect aspect, win::HKEY root, const std::string& key, int depth, const char* also = nullptr) {
        const std::optional<win::HKEY> handle = open(root, key, win::KEY_READ);
        state_.keys.push_back({aspect, root, key, handle.has_value(), depth});
        if (handle)
            below(aspect, root, key, *handle, depth, also);
    }

    // A number SystemParametersInfoA gives through pvParam.
    win::UINT number(win::UINT action) {
        win::UINT value = 0;
        if (!api_.SystemParametersInfoA(action, 0, &value, 0))
            throw sys::windowsFailure("SystemParametersInfoA", api_.GetLastError());
        return value;
    }

    template <class Record> Record metrics(win::UINT action) {
        Record record{};
        record.cbSize = sizeof record;
        if (!api_.SystemParametersInfoA(action, sizeof record, &record, 0))
            throw sys::windowsFailure("SystemParametersInfoA", api_.GetLastError());
        return record;
    }

    // The folder Windows runs from.
    std::string windowsDirectory() {
        char folder[260] = {};
        const win::UINT length = api_.GetWindowsDirectoryA(folder, sizeof folder);
        if (length == 0 || length >= sizeof folder)
            throw sys::windowsFailure("GetWindowsDirectoryA", api_.GetLastError());
        return std::string(folder, length);
    }

    // system.ini [boot] SCRNSAVE.EXE in that folder, as the profile functions find it.
    std::optional<std::string> bootSaver(const std::string& windowsDirectory) {
        const std::string ini = windowsDirectory + "\\system.ini";
        if (!plainFileThere(api_, ini))
            return std::nullopt;
        const themefile::ProfileText profile = themefile::ProfileText::read(platform_.runtime.readFile(ini));
        for (const themefile::ProfileSection& section : profile.sections())
            if (section.searched && themefile::sameName(section.name, "boot"))
                if (const themefile::ProfileKey* key = section.find("SCRNSAVE.EXE"))
                    return std::string(key->value.begin(), key->value.end());
        return std::nullopt;
    }

private:
    // An open key; none when it is not there, an error for any other answer.
    std::optional<win::HKEY> open(win::HKEY root, const std::string& key, win::REGSAM access) {
        win::HKEY handle = 0;
        const win::LONG status = api_.RegOpenKeyExA(root, key.c_str(), 0, access, &handle);
        if (status == win::ERROR_FILE_NOT_FOUND)
            return std::nullopt;
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegOpenKeyExA", static_cast<win::DWORD>(status));
        return handle;
    }

    // The sub-keys of an open key, which it closes.
    std::vector<std::string> subKeys(win::HKEY handle) {
        const win::KeyCloser closer(api_, handle);
        return subKeysOf(api_, handle);
    }

    void below(Aspect aspect, win::HKEY root, const std::string& key, win::HKEY handle, int levels,
               const char* also) {
        for (const std::string& name : subKeys(handle)) {
            const std::string path = key + "\\" + name;
            state_.keys.push_back({aspect, root, path, true});
            if (levels > 1) {
                const std::optional<win::HKEY> next = open(root, path, win::KEY_READ);
                if (!next) // gone since it was listed
                    throw sys::windowsFailure("RegOpenKeyExA", win::ERROR_FILE_NOT_FOUND);
                below(aspect, root, path, *next, levels - 1, also);
            } else if (also) {
                const std::string leaf = path + "\\" + also;
                const std::size_t at = state_.keys.size();
                state_.keys.push_back({aspect, root, leaf, false});
                state_.keys[at].exists = values(aspect, root, leaf, {""}, false);
            }
        }
    }

    // A value in one call where it fits the buffer, as most do; a longer one is asked for
    // again with the size Windows said (ERROR_MORE_DATA).
    void query(win::HKEY handle, RawValue& value) {
        char buffer[512];
        win::DWORD size = sizeof buffer;
        win::LONG status = api_.RegQueryValueExA(handle, value.name.c_str(), nullptr, &value.type,
                                                 reinterpret_cast<win::BYTE*>(buffer), &size);
        if (status == win::ERROR_FILE_NOT_FOUND)
            return;
        if (status == win::ERROR_SUCCESS) {
            value.data.assign(buffer, size);
        } else if (status == static_cast<win::LONG>(win::ERROR_MORE_DATA)) {
            value.data.assign(size, '\0');
            status = api_.RegQueryValueExA(handle, value.name.c_str(), nullptr, &value.type,
                                           reinterpret_cast<win::BYTE*>(value.data.data()), &size);
            value.data.resize(size);
        }
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegQueryValueExA", static_cast<win::DWORD>(status));
        value.exists = true;
    }

    rt::Platform& platform_;
    win::WindowsApi& api_;
    SystemState& state_;
};

const RawValue* find(const SystemState& state, const std::string& key, const std::string& name) {
    for (const RawValue& value : state.values)
        if (value.key == key && value.name == name && value.root == win::HKEY_CURRENT_USER)
            return &value;
    return nullptr;
}

// "C:\WINDOWS\SYSTEM\shell32.dll,17" as a theme's icon; nothing when it would not read back.
std::optional<themefile::IconFile> iconOf(int object, themefile::IconRole role, const std::string& text) {
    themefile::IconFile icon{object, role, text};
    const std::size_t comma = text.rfind(',');
    if (comma != std::string::npos) {
        const std::string number = text.substr(comma + 1);
        char* end = nullptr;
        const long index = std::strtol(number.c_str(), &end, 10);
        if (number.empty() || *end != '\0' || number.size() > 6)
            return std::nullopt;
        icon.path = text.substr(0, comma);
        icon.hasIndex = true;
        icon.index = static_cast<int>(index);
    }
    if (icon.path.find(',') != std::string::npos || icon.path.empty())
        return std::nullopt;
    return icon;
}

// A sound's application or event name as a theme file's section can hold it.
bool plainName(const std::string& name) {
    if (name.empty() || name.size() > 64)
        return false;
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
              c == '_' || c == '-'))
            return false;
    return true;
}

// The .theme half of the state: what a theme file says of it.
void describe(SystemState& state, const std::string& versionTag, const std::vector<win::COLORREF>& colors,
              bool saverActive, const win::NONCLIENTMETRICSA& frame, const win::ICONMETRICSA& icons) {
    themefile::ThemeFile& theme = state.theme;
    for (std::size_t i = 0; i < colors.size(); ++i)
        theme.colors.push_back({win::colorValueNames[i], {static_cast<int>(i), colors[i]}, {}});
    if (const RawValue* scheme = find(state, cursorsKey, ""); scheme && scheme->exists)
        theme.pointerScheme = themefile::Setting<std::string>{"DefaultValue", text(*scheme), {}};
    for (std::size_t slot = 0; slot < win::cursorValueNames.size(); ++slot)
        theme.pointers.push_back(
            {win::cursorValueNames[slot],
             {static_cast<int>(slot), text(*find(state, cursorsKey, win::cursorValueNames[slot]))},
             {}});
    const appearance::IconRoot root = appearance::desktopIconRoot(versionTag);
    for (std::size_t object = 0; object < win::desktopObjects.size(); ++object)
        for (const auto& [role, name] :
             {std::pair{themefile::IconRole::normal, ""}, std::pair{themefile::IconRole::full, "full"},
              std::pair{themefile::IconRole::empty, "empty"}})
            for (const RawValue& value : state.values)
                if (value.root == root.root && value.exists && value.name == name &&
                    value.key ==
                        std::string(root.classes) + win::desktopObjects[object].clsid + "\\DefaultIcon")
                    if (auto icon = iconOf(static_cast<int>(object), role, text(value)))
                        theme.icons.push_back({win::desktopObjects[object].name, *icon, {}});
    const RawValue* wallpaper = find(state, desktopKey, "Wallpaper");
    const std::string picture = text(*wallpaper) == "(None)" ? std::string() : text(*wallpaper);
    theme.wallpaper = themefile::Setting<std::string>{"Wallpaper", picture, {}};
    if (const std::string tile = text(*find(state, desktopKey, "TileWallpaper")); tile == "0" || tile == "1")
        theme.tileWallpaper = themefile::Setting<bool>{"TileWallpaper", tile == "1", {}};
    if (const std::string style = text(*find(state, desktopKey, "WallpaperStyle"));
        style == "0" || style == "2")
        theme.wallpaperStyle = themefile::Setting<int>{"WallpaperStyle", style == "2" ? 2 : 0, {}};
    if (const RawValue* pattern = find(state, desktopKey, "Pattern"); pattern->exists)
        theme.pattern = themefile::Setting<std::string>{"Pattern", text(*pattern), {}};
    for (const RawValue& value : state.values) {
        const std::string prefix = std::string(appsKey) + "\\";
        if (value.aspect != Aspect::sounds || !value.exists || value.key.rfind(prefix, 0) != 0)
            continue;
        const std::string rest = value.key.substr(prefix.size()); // app\event\.Current
        const std::size_t cut = rest.find('\\');
        const std::string application = rest.substr(0, cut);
        const std::string event = rest.substr(cut + 1, rest.rfind('\\') - cut - 1);
        if (plainName(application) && plainName(event))
            theme.sounds.push_back({application + "\\" + event, {application, event, text(value)}, {}});
    }
    if (state.bootSaver)
        theme.screenSaver = themefile::Setting<std::string>{"SCRNSAVE.EXE", *state.bootSaver, {}};
    theme.screenSaveActive = themefile::Setting<bool>{"ScreenSaveActive", saverActive, {}};
    theme.nonClientMetrics = themefile::Setting<win::NONCLIENTMETRICSA>{"NonclientMetrics", frame, {}};
    theme.iconMetrics = themefile::Setting<win::ICONMETRICSA>{"IconMetrics", icons, {}};
}

} // namespace

SystemState captureState(rt::Platform& platform, const std::string& versionTag) {
    SystemState state;
    Capture capture(platform, state);
    win::WindowsApi& api = platform.api;

    std::vector<win::COLORREF> colors;
    for (int index = 0; index < static_cast<int>(win::colorValueNames.size()); ++index)
        colors.push_back(api.GetSysColor(index));
    capture.values(Aspect::colors, win::HKEY_CURRENT_USER, colorsKey,
                   {win::colorValueNames.begin(), win::colorValueNames.end()});

    std::vector<std::string> pointerNames{""};
    pointerNames.insert(pointerNames.end(), win::cursorValueNames.begin(), win::cursorValueNames.end());
    capture.chain(Aspect::pointers, win::HKEY_CURRENT_USER, "Control Panel");
    capture.tree(Aspect::pointers, win::HKEY_CURRENT_USER, cursorsKey, 1);
    capture.values(Aspect::pointers, win::HKEY_CURRENT_USER, cursorsKey, pointerNames);

    for (const auto& [root, classes] : {std::pair{win::HKEY_CLASSES_ROOT, "CLSID\\"},
                                        std::pair{win::HKEY_CURRENT_USER, "Software\\Classes\\CLSID\\"}})
        for (const win::DesktopObject& object : win::desktopObjects) {
            const std::string key = std::string(classes) + object.clsid + "\\DefaultIcon";
            capture.values(Aspect::icons, root, key, {"", "full", "empty"});
        }

    capture.values(Aspect::wallpaper, win::HKEY_CURRENT_USER, desktopKey,
                   {"Wallpaper", "TileWallpaper", "WallpaperStyle", "Pattern"});
    capture.values(Aspect::saver, win::HKEY_CURRENT_USER, desktopKey,
                   {"SCRNSAVE.EXE", "ScreenSaveActive", "ScreenSaveTimeOut"}, false);
    const std::string windowsDirectory = capture.windowsDirectory();
    state.bootSaver = capture.bootSaver(windowsDirectory);
    const bool saverActive = capture.number(win::SPI_GETSCREENSAVEACTIVE) != 0;
    state.screenSaveTimeOut = capture.number(win::SPI_GETSCREENSAVETIMEOUT);

    capture.values(Aspect::sounds, win::HKEY_CURRENT_USER, "AppEvents\\Schemes", {""});
    capture.tree(Aspect::sounds, win::HKEY_CURRENT_USER, appsKey, 2, ".Current");

    const auto frame = capture.metrics<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    const auto icons = capture.metrics<win::ICONMETRICSA>(win::SPI_GETICONMETRICS);

    for (const std::string& path : keptFilePaths(versionTag, windowsDirectory)) {
        KeptFile file{path, plainFileThere(api, path), {}, {}};
        if (file.exists) {
            file.bytes = platform.runtime.readFile(path);
            file.stored = file.storedName();
        }
        state.files.push_back(std::move(file));
    }
    describe(state, versionTag, colors, saverActive, frame, icons);
    return state;
}

} // namespace snapshot
