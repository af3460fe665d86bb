// Keeping a snapshot, apart from restoring one: the window's handlers need only this half.
#include "snapshot/Keeping.h"

#include "platform/Platform.h"
#include "runtime/Error.h"
#include "runtime/ErrorTrap.h"
#include "system/WindowsFailure.h"
#include "themeapply/DesktopBitmap.h"
#include "themefile/ThemeWriter.h"

namespace snapshot {

const char* const filesFolder = "Kept settings";

const char* nameOf(Kept which) {
    return which == Kept::previous ? "Previous settings" : "Original settings";
}

std::string themePath(const std::string& folder, Kept which) {
    return folder + "\\" + nameOf(which) + ".theme";
}

bool plainFileThere(win::WindowsApi& api, const std::string& path) {
    constexpr win::DWORD notPlain =
        win::FILE_ATTRIBUTE_DIRECTORY | win::FILE_ATTRIBUTE_HIDDEN | win::FILE_ATTRIBUTE_SYSTEM;
    const win::DWORD attributes = api.GetFileAttributesA(path.c_str());
    if (attributes != win::INVALID_FILE_ATTRIBUTES)
        return (attributes & notPlain) == 0;
    const win::DWORD error = api.GetLastError();
    if (error != win::ERROR_FILE_NOT_FOUND && error != win::ERROR_PATH_NOT_FOUND)
        throw sys::windowsFailure("GetFileAttributesA", error);
    return false;
}

std::vector<std::string> subKeysOf(win::WindowsApi& api, win::HKEY handle) {
    std::vector<std::string> names;
    for (win::DWORD index = 0;; ++index) {
        char name[260] = {};
        const win::LONG status = api.RegEnumKeyA(handle, index, name, sizeof name);
        if (status == static_cast<win::LONG>(win::ERROR_NO_MORE_ITEMS))
            return names;
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegEnumKeyA", static_cast<win::DWORD>(status));
        names.push_back(name);
    }
}

void writeWhole(rt::Platform& platform, const std::string& path, const std::string& bytes) {
    rt::Runtime& files = platform.runtime;
    const std::string fresh = path + ".new", old = path + ".old";
    try {
        files.writeFile(fresh, bytes);
        // The NT family renames over the old file in one step; the 95 family has no
        // MoveFileExA and takes the renames below.
        if (platform.api.MoveFileExA(fresh.c_str(), path.c_str(), win::MOVEFILE_REPLACE_EXISTING))
            return;
        if (const win::DWORD error = platform.api.GetLastError(); error != win::ERROR_CALL_NOT_IMPLEMENTED)
            throw sys::windowsFailure("MoveFileExA", error);
        const bool replacing = plainFileThere(platform.api, path);
        if (replacing) {
            if (plainFileThere(platform.api, old))
                files.Kill(old);
            files.Name(path, old);
        }
        try {
            files.Name(fresh, path);
        } catch (const rt::Error&) {
            if (replacing)
                rt::attempt([&] { files.Name(old, path); });
            throw;
        }
        if (replacing)
            rt::attempt([&] { files.Kill(old); });
    } catch (const rt::Error&) {
        rt::attempt([&] { files.Kill(fresh); });
        throw;
    }
}

namespace {

// The system files' copies beside the snapshots: only a file whose content has no copy yet
// is written.
void storeFiles(rt::Platform& platform, const std::string& folder, const SystemState& state) {
    const std::string into = folder + "\\" + filesFolder;
    bool made = false;
    for (const KeptFile& file : state.files) {
        if (!file.exists)
            continue;
        if (!made && !platform.api.CreateDirectoryA(into.c_str(), nullptr) &&
            platform.api.GetLastError() != win::ERROR_ALREADY_EXISTS)
            throw sys::windowsFailure("CreateDirectoryA", platform.api.GetLastError());
        made = true;
        const std::string copy = into + "\\" + file.stored;
        if (!plainFileThere(platform.api, copy))
            writeWhole(platform, copy, file.bytes);
    }
}

// The state as its kept .theme file (the theme half copied for its name, not the files'
// bytes the state holds).
std::string snapshotText(const SystemState& state, Kept which) {
    themefile::ThemeFile theme = state.theme;
    theme.displayName = nameOf(which);
    return themefile::writeThemeFile(theme, {stateSection(state)});
}

// Keeps a captured state as "Previous settings", and as "Original settings" when there is
// none yet (first, so that a failure leaves the previous snapshot as it was).
void keep(rt::Platform& platform, const SystemState& state) {
    const std::string folder = themeapply::userDataFolder(platform);
    storeFiles(platform, folder, state);
    if (!plainFileThere(platform.api, themePath(folder, Kept::original)))
        writeWhole(platform, themePath(folder, Kept::original), snapshotText(state, Kept::original));
    writeWhole(platform, themePath(folder, Kept::previous), snapshotText(state, Kept::previous));
}

} // namespace

SystemState snapshotNow(rt::Platform& platform, const std::string& versionTag) {
    try {
        SystemState state = captureState(platform, versionTag);
        keep(platform, state);
        return state;
    } catch (const rt::Error& error) {
        throw rt::Error(error.number(),
                        "The current settings could not be kept as \"Previous settings\", so nothing was "
                        "changed: " +
                            error.description());
    }
}

void takeSnapshot(rt::Platform& platform, const std::string& versionTag) {
    snapshotNow(platform, versionTag);
}

bool takeSnapshotOrTell(rt::Platform& platform, const std::string& versionTag) {
    try {
        takeSnapshot(platform, versionTag);
        return true;
    } catch (const rt::Error& error) {
        platform.messages.MsgBox(error.description(), rt::vbCritical, platform.runtime.appTitle());
        return false;
    }
}

} // namespace snapshot
