// The user's folder of the program's files, apart from the picture decoder, so that a
// program that only keeps snapshots there does not carry the decoder.
#include "themeapply/DesktopBitmap.h"

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WinHolders.h"

#include <optional>

namespace themeapply {
namespace {

// "<Application Data>\Decorama", made when missing; none where the shell has no
// application-data folder or the folder cannot be made.
std::optional<std::string> applicationDataFolder(win::WindowsApi& api) {
    win::ITEMIDLIST* items = nullptr;
    if (api.SHGetSpecialFolderLocation(0, win::CSIDL_APPDATA, &items) != 0 || items == nullptr)
        return std::nullopt;
    const win::TaskMemory held(api, items);
    char path[260] = {};
    if (!api.SHGetPathFromIDListA(items, path) || path[0] == '\0')
        return std::nullopt;
    const std::string folder = std::string(path) + "\\Decorama";
    if (!api.CreateDirectoryA(folder.c_str(), nullptr) && api.GetLastError() != win::ERROR_ALREADY_EXISTS)
        return std::nullopt;
    return folder;
}

} // namespace

std::string userDataFolder(rt::Platform& platform) {
    return applicationDataFolder(platform.api).value_or(platform.runtime.appPath());
}

} // namespace themeapply
