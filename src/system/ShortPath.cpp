#include "system/ShortPath.h"

#include "platform/WindowsApi.h"

namespace sys {
namespace {

constexpr win::DWORD shortPathBuffer = 67;
constexpr win::DWORD longestShortPath = shortPathBuffer - 1;

} // namespace

std::optional<std::string> shortPathOf(win::WindowsApi& api, const std::string& longPath) {
    char buffer[shortPathBuffer] = {};
    const win::DWORD length = api.GetShortPathNameA(longPath.c_str(), buffer, shortPathBuffer);
    if (length == 0 || length > longestShortPath)
        return std::nullopt;
    return std::string(buffer, length);
}

} // namespace sys
