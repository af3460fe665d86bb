#include "snapshot/Snapshots.h"

#include "platform/Platform.h"
#include "platform/WinHolders.h"
#include "runtime/Error.h"
#include "runtime/ErrorTrap.h"
#include "snapshot/Keeping.h"
#include "snapshot/SnapshotState.h"
#include "platform/Settings.h"
#include "system/WindowsFailure.h"
#include "themeapply/DesktopBitmap.h"
#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themefile/ThemeWriter.h"
#include "themefile/WindowsDefaults.h"

#include <algorithm>
#include <cctype>

namespace snapshot {
namespace {

using themefile::Aspect;

struct KeptState {
    std::string path;
    SystemState state;
};

// A kept snapshot with its copied files' bytes; nothing when there is none.
std::optional<KeptState> readKeptState(rt::Platform& platform, Kept which) {
    const std::string folder = themeapply::userDataFolder(platform);
    const std::string path = themePath(folder, which);
    if (!plainFileThere(platform.api, path))
        return std::nullopt;
    KeptState kept{path, readState(platform.runtime.readBytes(path, 0, themefile::maxFileBytes + 1), path,
                                   themeapply::ansiConverter(platform.api))};
    for (KeptFile& file : kept.state.files)
        if (file.exists)
            file.bytes = platform.runtime.readFile(folder + "\\" + filesFolder + "\\" + file.stored);
    return kept;
}

themefile::CheckedTheme trustedCheck(rt::Platform& platform, const themefile::ThemeFile& theme,
                                     const std::string& path) {
    const themeapply::WindowsSurroundings surroundings(platform, path);
    themefile::CheckOptions options;
    options.allowScreenSavers = true;
    options.trusted = true;
    return themefile::checkTheme(theme, surroundings, options);
}

// What a restore writes besides the theme half, aspect by aspect: the exact registry
// values, deleting what did not exist, the keys an apply made, the screen saver's program
// and wait, and the system files. What it overwrites goes back when a later write of the
// aspect fails (`before`, the state the restore started from).
class Restorer {
public:
    Restorer(rt::Platform& platform, const SystemState& state, const SystemState& before)
        : platform_(platform), api_(platform.api), state_(state), before_(before) {}

    void finish(Aspect aspect, themeapply::Undo& undo) {
        if (aspect == Aspect::colors)
            undo.add([this] { liveColors(before_); });
        if (aspect == Aspect::saver)
            undo.add([this] { saver(before_); });
        if (aspect == Aspect::wallpaper) // the desktop's wallpaper, then its exact values
            for (const RawValue& value : before_.values)
                if (value.aspect == Aspect::wallpaper && value.name == "Wallpaper") {
                    undo.add([this, value] { write(value); });
                    undo.add([this] { liveWallpaper(before_); });
                }
        for (const RawValue& value : state_.values)
            if (value.aspect == aspect)
                put(value, undo);
        for (auto key = state_.keys.rbegin(); key != state_.keys.rend(); ++key)
            if (key->aspect == aspect)
                removeMade(*key, undo);
        if (aspect == Aspect::pointers) // Windows' pointers again from the values as they are now
            api_.SystemParametersInfoA(win::SPI_SETCURSORS, 0, nullptr, 0);
        if (aspect == Aspect::wallpaper && !state_.theme.pattern) // there was none
            noPattern();
        if (aspect == Aspect::saver)
            saver(state_);
        if (aspect == Aspect::pictures)
            for (std::size_t i = 0; i < state_.files.size(); ++i) {
                undo.add([this, i] { putFile(before_.files[i]); });
                putFile(state_.files[i]);
            }
    }

private:
    void put(const RawValue& value, themeapply::Undo& undo) {
        undo.keepValue(value.root, value.key, value.name);
        write(value);
    }

    void write(const RawValue& value) {
        win::HKEY handle = 0;
        win::LONG status =
            value.exists ? api_.RegCreateKeyExA(value.root, value.key.c_str(), 0, nullptr, 0,
                                                win::KEY_SET_VALUE, nullptr, &handle, nullptr)
                         : api_.RegOpenKeyExA(value.root, value.key.c_str(), 0, win::KEY_SET_VALUE, &handle);
        if (!value.exists && status == win::ERROR_FILE_NOT_FOUND)
            return;
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure(value.exists ? "RegCreateKeyExA" : "RegOpenKeyExA",
                                      static_cast<win::DWORD>(status));
        const win::KeyCloser closer(api_, handle);
        status = value.exists ? api_.RegSetValueExA(handle, value.name.c_str(), 0, value.type,
                                                    reinterpret_cast<const win::BYTE*>(value.data.data()),
                                                    static_cast<win::DWORD>(value.data.size()))
                              : api_.RegDeleteValueA(handle, value.name.c_str());
        if (status != win::ERROR_SUCCESS && !(status == win::ERROR_FILE_NOT_FOUND && !value.exists))
            throw sys::windowsFailure(value.exists ? "RegSetValueExA" : "RegDeleteValueA",
                                      static_cast<win::DWORD>(status));
    }

    static bool sameKey(const std::string& a, const std::string& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) ==
                          std::toupper(static_cast<unsigned char>(y));
               });
    }

    bool listed(win::HKEY root, const std::string& key) const {
        return std::any_of(state_.keys.begin(), state_.keys.end(), [&](const RawKey& k) {
            return k.root == root && k.exists && sameKey(k.key, key);
        });
    }

    std::vector<std::string> subKeys(win::HKEY root, const std::string& key) {
        win::HKEY handle = 0;
        const win::LONG status = api_.RegOpenKeyExA(root, key.c_str(), 0, win::KEY_READ, &handle);
        if (status == win::ERROR_FILE_NOT_FOUND)
            return {};
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegOpenKeyExA", static_cast<win::DWORD>(status));
        const win::KeyCloser closer(api_, handle);
        return subKeysOf(api_, handle);
    }

    // A key with everything below it (Windows NT deletes only keys without sub-keys).
    void deleteTree(win::HKEY root, const std::string& key, themeapply::Undo& undo) {
        for (const std::string& name : subKeys(root, key))
            deleteTree(root, key + "\\" + name, undo);
        deleteKey(root, key, undo);
    }

    // A key deleted; when a later write fails it is made again with the values the state
    // before the restore held there (its values are put back after it is made: the steps
    // run last first).
    void deleteKey(win::HKEY root, const std::string& key, themeapply::Undo& undo) {
        const bool there = std::any_of(before_.keys.begin(), before_.keys.end(), [&](const RawKey& k) {
            return k.root == root && k.exists && sameKey(k.key, key);
        });
        for (const RawValue& value : before_.values)
            if (there && value.root == root && sameKey(value.key, key))
                undo.keepValue(root, key, value.name);
        if (there)
            undo.add([this, root, key] {
                win::HKEY handle = 0;
                if (api_.RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, win::KEY_SET_VALUE, nullptr,
                                         &handle, nullptr) == win::ERROR_SUCCESS)
                    api_.RegCloseKey(handle);
            });
        const win::LONG status = api_.RegDeleteKeyA(root, key.c_str());
        if (status != win::ERROR_SUCCESS && status != win::ERROR_FILE_NOT_FOUND)
            throw sys::windowsFailure("RegDeleteKeyA", static_cast<win::DWORD>(status));
    }

    // A key that was not there goes again, unless something else was put below it since
    // (a listed key, made by the applies alone, goes with all below it); below a listed
    // one, every key that was not there goes with all below it.
    void removeMade(const RawKey& key, themeapply::Undo& undo) {
        if (key.exists && key.depth > 0)
            removeUnlisted(key.root, key.key, key.depth, undo);
        if (!key.exists && key.depth > 0)
            deleteTree(key.root, key.key, undo);
        else if (!key.exists && subKeys(key.root, key.key).empty())
            deleteKey(key.root, key.key, undo);
    }

    void removeUnlisted(win::HKEY root, const std::string& key, int levels, themeapply::Undo& undo) {
        for (const std::string& name : subKeys(root, key)) {
            const std::string path = key + "\\" + name;
            if (!listed(root, path))
                deleteTree(root, path, undo);
            else if (levels > 1)
                removeUnlisted(root, path, levels - 1, undo);
        }
    }

    void liveWallpaper(const SystemState& state) {
        std::string picture = state.theme.wallpaper ? state.theme.wallpaper->value : std::string();
        api_.SystemParametersInfoA(win::SPI_SETDESKWALLPAPER, 0, picture.data(), win::UpdateAndBroadcast);
    }

    // No desktop pattern; the registry keeps what the exact values say.
    void noPattern() {
        char none[1] = {};
        if (!api_.SystemParametersInfoA(win::SPI_SETDESKPATTERN, 0, none, 0))
            throw sys::windowsFailure("SystemParametersInfoA(SPI_SETDESKPATTERN)", api_.GetLastError());
    }

    void liveColors(const SystemState& state) {
        std::vector<win::INT> indices;
        std::vector<win::COLORREF> colors;
        for (const auto& color : state.theme.colors) {
            indices.push_back(color.value.index);
            colors.push_back(color.value.rgb);
        }
        api_.SetSysColors(static_cast<int>(indices.size()), indices.data(), colors.data());
    }

    // system.ini [boot] SCRNSAVE.EXE as a state has it (the key removed where there was
    // none), and the wait.
    void saver(const SystemState& state) {
        bootSaver(state.bootSaver);
        if (!api_.SystemParametersInfoA(win::SPI_SETSCREENSAVETIMEOUT, state.screenSaveTimeOut, nullptr,
                                        win::setting(win::SPI_SETSCREENSAVETIMEOUT).fWinIni))
            throw sys::windowsFailure("SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT)", api_.GetLastError());
    }

    void bootSaver(const std::optional<std::string>& program) {
        if (!api_.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", program ? program->c_str() : nullptr,
                                             "system.ini"))
            throw sys::windowsFailure("WritePrivateProfileStringA", api_.GetLastError());
    }

    void putFile(const KeptFile& file) {
        if (file.exists)
            platform_.runtime.writeFile(file.path, file.bytes);
        else if (plainFileThere(api_, file.path))
            platform_.runtime.Kill(file.path);
    }

    rt::Platform& platform_;
    win::WindowsApi& api_;
    const SystemState& state_;
    const SystemState& before_;
};

// All a state holds of an aspect, as text to compare.
std::string aspectText(const SystemState& state, Aspect aspect) {
    const std::string name = themefile::aspectName(aspect);
    std::string text;
    for (const auto& [key, value] : stateSection(state).keys)
        if (value.rfind(name + ",", 0) == 0 || (aspect == Aspect::pictures && key.rfind("File", 0) == 0) ||
            (aspect == Aspect::saver && (key == "BootSaver" || key == "ScreenSaveTimeOut")))
            text += value + ";";
    const themefile::ThemeFile& theme = state.theme;
    if (aspect == Aspect::colors)
        for (const auto& color : theme.colors)
            text += std::to_string(color.value.rgb) + ";";
    if (aspect == Aspect::saver && theme.screenSaveActive)
        text += theme.screenSaveActive->value ? "on" : "off";
    const auto bytes = [](const auto& record) {
        return std::string(reinterpret_cast<const char*>(&record), sizeof record);
    };
    if ((aspect == Aspect::fonts || aspect == Aspect::sizes) && theme.nonClientMetrics && theme.iconMetrics)
        text += bytes(theme.nonClientMetrics->value) + bytes(theme.iconMetrics->value);
    return text;
}

// A kept state applied: the theme half through the theme-file applier, each aspect with
// the rest of what the state holds of it. An aspect that is as the state has it already
// is left alone.
themeapply::ApplyReport restoreState(rt::Platform& platform, const KeptState& kept,
                                     const themefile::AspectSet& aspects, const std::string& versionTag,
                                     const SystemState& before) {
    themefile::CheckedTheme theme = trustedCheck(platform, kept.state.theme, kept.path);
    // The exact registry values restore what names a file that is gone, and the saver's program.
    const auto missing = [](const auto& value) { return value.file.missing(); };
    theme.pointers.erase(std::remove_if(theme.pointers.begin(), theme.pointers.end(), missing),
                         theme.pointers.end());
    theme.icons.erase(std::remove_if(theme.icons.begin(), theme.icons.end(), missing), theme.icons.end());
    theme.sounds.erase(std::remove_if(theme.sounds.begin(), theme.sounds.end(), missing), theme.sounds.end());
    if (theme.wallpaper && theme.wallpaper->missing())
        theme.wallpaper.reset();
    theme.screenSaver.reset();
    for (themefile::AspectReport& report : theme.reports)
        report = themefile::AspectReport{themefile::AspectState::ok, {}, {}};
    // The live pointers and wallpaper cannot be read back on every Windows: those are always restored.
    std::vector<Aspect> same;
    for (Aspect aspect : themefile::allAspects)
        if (aspect != Aspect::pointers && aspect != Aspect::wallpaper &&
            aspectText(kept.state, aspect) == aspectText(before, aspect))
            same.push_back(aspect);
    Restorer restorer(platform, kept.state, before);
    themeapply::ApplyReport report = themeapply::applyThemeFile(
        platform, theme, aspects.without(same), versionTag,
        [&](Aspect aspect, themeapply::Undo& undo) { restorer.finish(aspect, undo); });
    for (Aspect aspect : same)
        if (aspects.has(aspect))
            report.set(aspect, themeapply::Outcome::applied);
    return report;
}

} // namespace

std::optional<std::string> keptSnapshot(rt::Platform& platform, Kept which) {
    const std::string path = themePath(themeapply::userDataFolder(platform), which);
    if (!plainFileThere(platform.api, path))
        return std::nullopt;
    return path;
}

std::optional<themefile::CheckedTheme> readKept(rt::Platform& platform, Kept which) {
    const std::optional<KeptState> kept = readKeptState(platform, which);
    if (!kept)
        return std::nullopt;
    return trustedCheck(platform, kept->state.theme, kept->path);
}

themefile::CheckedTheme windowsDefault(rt::Platform& platform, const std::string& versionTag) {
    const themeapply::WindowsSurroundings surroundings(platform, platform.runtime.appPath() +
                                                                     "\\Windows default.theme");
    return themefile::checkTheme(themefile::windowsDefaultTheme(versionTag), surroundings, {});
}

themeapply::ApplyReport restoreKept(rt::Platform& platform, Kept which, const themefile::AspectSet& aspects,
                                    const std::string& versionTag) {
    const std::optional<KeptState> kept = readKeptState(platform, which);
    if (!kept)
        throw rt::Error(rt::ErrFileNotFound,
                        std::string("there are no \"") + nameOf(which) + "\" to restore");
    const SystemState before = snapshotNow(platform, versionTag);
    return restoreState(platform, *kept, aspects, versionTag, before);
}

themeapply::ApplyReport applyWindowsDefault(rt::Platform& platform, const themefile::AspectSet& aspects,
                                            const std::string& versionTag) {
    const themefile::CheckedTheme theme = windowsDefault(platform, versionTag);
    snapshotNow(platform, versionTag);
    return themeapply::applyThemeFile(platform, theme, aspects, versionTag);
}

void saveCurrentSettings(rt::Platform& platform, const std::string& path, const std::string& versionTag) {
    SystemState state = captureState(platform, versionTag);
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    state.theme.displayName = name.substr(0, name.rfind('.'));
    writeWhole(platform, path, themefile::writeThemeFile(state.theme));
}

} // namespace snapshot
