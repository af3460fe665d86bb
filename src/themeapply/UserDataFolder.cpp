// The user's folder of the program's files, apart from the picture decoder, so that a
// program that only keeps snapshots there does not carry the decoder.
#include "themeapply/DesktopBitmap.h"

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WinHolders.h"

#include <optional>

namespace themeapply {
namespace {

// The shell's application-data folder. SHGetSpecialFolderPathA (shell32 4.71, the
// shell of Windows 98, 2000 and Internet Explorer 4) gives the path without an item
// list, so ole32 is not loaded only to free one; where shell32 lacks it, the item list
// of SHGetSpecialFolderLocation, freed with CoTaskMemFree as its documentation says.
// CSIDL_APPDATA itself needs shell32 4.71 ("Shell and Shlwapi DLL Versions", MSDN), so
// a Windows 95 or NT 4.0 shell has no such folder.
std::optional<std::string> shellApplicationData(win::WindowsApi& api) {
    char path[260] = {};
    if (api.SHGetSpecialFolderPathA(0, path, win::CSIDL_APPDATA, win::FALSE) && path[0] != '\0')
        return std::string(path);
    win::ITEMIDLIST* items = nullptr;
    if (api.SHGetSpecialFolderLocation(0, win::CSIDL_APPDATA, &items) != 0 || items == nullptr)
        return std::nullopt;
    const win::TaskMemory held(api, items);
    if (!api.SHGetPathFromIDListA(items, path) || path[0] == '\0')
        return std::nullopt;
    return std::string(path);
}

// "<Application Data>\Decorama", made when missing; none where the shell has no
// application-data folder or the folder cannot be made.
std::optional<std::string> applicationDataFolder(win::WindowsApi& api) {
    const std::optional<std::string> shellFolder = shellApplicationData(api);
    if (!shellFolder)
        return std::nullopt;
    const std::string folder = *shellFolder + "\\Decorama";
    if (!api.CreateDirectoryA(folder.c_str(), nullptr) && api.GetLastError() != win::ERROR_ALREADY_EXISTS)
        return std::nullopt;
    return folder;
}

} // namespace

std::string userDataFolder(rt::Platform& platform) {
    return applicationDataFolder(platform.api).value_or(platform.runtime.appPath());
}

} // namespace themeapply
