#include "themeapply/Surroundings.h"

#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "runtime/Error.h"
#include "system/CustomRegistry.h"

#include <vector>

namespace themeapply {
namespace {

constexpr win::UINT folderBuffer = 260;

std::string folderOf(win::UINT (win::WindowsApi::*call)(char*, win::UINT), win::WindowsApi& api) {
    char buffer[folderBuffer] = {};
    const win::UINT length = (api.*call)(buffer, folderBuffer);
    return length > 0 && length < folderBuffer ? std::string(buffer, length) : std::string();
}

// %ProgramFiles%: where Windows 95 to 2000 record it for setup programs.
std::string recordedProgramFiles(rt::Platform& platform, const std::string& windowsFolder) {
    const std::string recorded = sys::CustomRegistry(platform).GetRegValue(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    if (!recorded.empty() && recorded != "Error")
        return recorded;
    return windowsFolder.substr(0, 2) + "\\Program Files";
}

} // namespace

WindowsSurroundings::WindowsSurroundings(rt::Platform& platform, const std::string& themeFile)
    : platform_(platform) {
    themeFolder = themeFile.substr(0, themeFile.find_last_of('\\') + 1);
    windowsFolder = folderOf(&win::WindowsApi::GetWindowsDirectoryA, platform.api);
    systemFolder = folderOf(&win::WindowsApi::GetSystemDirectoryA, platform.api);
    programFilesFolder = recordedProgramFiles(platform, windowsFolder);
}

bool WindowsSurroundings::exists(const std::string& path) const {
    try {
        return !platform_.runtime.Dir(path).empty();
    } catch (const rt::Error&) {
        return false;
    }
}

std::string WindowsSurroundings::head(const std::string& path, std::size_t count) const {
    try {
        return platform_.runtime.readBytes(path, 0, count);
    } catch (const rt::Error&) {
        return std::string();
    }
}

themefile::ToAnsi ansiConverter(win::WindowsApi& api) {
    return [&api](const std::u16string& text) -> std::optional<std::string> {
        if (text.empty())
            return std::string();
        const int units = static_cast<int>(text.size());
        const int size =
            api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), units, nullptr, 0, nullptr, nullptr);
        if (size <= 0)
            return std::nullopt;
        std::string bytes(static_cast<std::size_t>(size), '\0');
        win::BOOL usedDefault = win::FALSE;
        if (api.WideCharToMultiByte(win::CP_ACP, 0, text.data(), units, bytes.data(), size, nullptr,
                                    &usedDefault) != size ||
            usedDefault)
            return std::nullopt;
        std::u16string back(text.size() + 1, u'\0');
        const int length = api.MultiByteToWideChar(win::CP_ACP, 0, bytes.data(), size, back.data(),
                                                   static_cast<int>(back.size()));
        if (length <= 0 || back.compare(0, static_cast<std::size_t>(length), text) != 0 ||
            static_cast<std::size_t>(length) != text.size())
            return std::nullopt;
        return bytes;
    };
}

} // namespace themeapply
