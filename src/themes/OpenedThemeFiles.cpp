#include "themes/OpenedThemeFiles.h"

#include "platform/Platform.h"
#include "platform/WinHolders.h"
#include "runtime/TextConv.h"
#include "system/clsRegistry.h"

#include <algorithm>

namespace themes {

namespace {

const char* const programKey = "Software\\Decorama";
constexpr std::size_t maxPath = 260; // MAX_PATH

std::string valueName(std::size_t place) {
    return "Theme file " + std::to_string(place + 1);
}

// Only a REG_SZ value is a kept file.
std::vector<std::string> keptFiles(win::WindowsApi& api) {
    std::vector<std::string> files;
    win::HKEY key = 0;
    api.RegOpenKeyExA(win::HKEY_CURRENT_USER, programKey, 0, win::KEY_QUERY_VALUE, &key);
    const win::KeyCloser closer(api, key);
    if (key == 0)
        return files;
    for (std::size_t place = 0; place < openedThemeFilesKept; ++place) {
        char text[maxPath + 1] = {};
        win::DWORD type = 0;
        win::DWORD size = sizeof text - 1;
        if (api.RegQueryValueExA(key, valueName(place).c_str(), nullptr, &type,
                                 reinterpret_cast<win::BYTE*>(text), &size) == win::ERROR_SUCCESS &&
            type == win::REG_SZ && text[0] != '\0')
            files.emplace_back(text);
    }
    return files;
}

} // namespace

std::vector<std::string> loadOpenedThemeFiles(rt::Platform& platform) {
    std::vector<std::string> files = keptFiles(platform.api);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&](const std::string& file) { return platform.runtime.Dir(file).empty(); }),
                files.end());
    return files;
}

std::vector<std::string> rememberOpenedThemeFile(rt::Platform& platform, const std::string& path) {
    std::vector<std::string> files = keptFiles(platform.api);
    files.erase(std::remove_if(files.begin(), files.end(),
                               [&](const std::string& file) { return rt::UCase(file) == rt::UCase(path); }),
                files.end());
    files.insert(files.begin(), path);
    if (files.size() > openedThemeFilesKept)
        files.resize(openedThemeFilesKept);

    sys::clsRegistry registry(platform.api);
    registry.CreateKey(programKey, "", win::HKEY_CURRENT_USER);
    for (std::size_t place = 0; place < files.size(); ++place)
        registry.SetKeyValue(programKey, valueName(place), files[place],
                             static_cast<std::int32_t>(win::REG_SZ), win::HKEY_CURRENT_USER);
    return files;
}

} // namespace themes
