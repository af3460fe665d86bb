#include "system/CustomRegistry.h"

#include "platform/MessageBoxService.h"
#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "runtime/TextConv.h"
#include "platform/WinHolders.h"

#include <utility>

namespace sys {
namespace {

// The read buffer holds 255 bytes: a string of up to 254 characters and its NUL.
constexpr win::DWORD ReadBufferSize = 255;

} // namespace

CustomRegistry::CustomRegistry(win::WindowsApi& api, rt::MessageBoxService& messages, std::string title)
    : api_(api), messages_(messages), title_(std::move(title)) {}

CustomRegistry::CustomRegistry(rt::Platform& platform)
    : CustomRegistry(platform.api, platform.messages, platform.runtime.appTitle()) {}

win::HKEY CustomRegistry::GetRootKey(const std::string& rootName) {
    for (const win::RootKey& root : win::rootKeys)
        if (rootName == root.name)
            return root.key;
    return 0;
}

win::HKEY CustomRegistry::ParseKeyPath(std::string& keyPath) {
    // 1. Position of the first backslash.
    const std::size_t backslash = keyPath.find('\\');

    // 2. The path must start with a root name and must not end with a backslash.
    if (keyPath.compare(0, 5, "HKEY_") != 0 || (!keyPath.empty() && keyPath.back() == '\\')) {
        messages_.MsgBox("Incorrect Format:\n\n" + keyPath, rt::vbOKOnly, title_);
        return 0;
    }

    // 3. Root name, backslash, sub-key path.
    if (backslash != std::string::npos) {
        const win::HKEY root = GetRootKey(keyPath.substr(0, backslash));
        keyPath.erase(0, backslash + 1);
        return root;
    }

    // 4. The root name alone addresses the root key itself.
    const win::HKEY root = GetRootKey(keyPath);
    keyPath.clear();
    return root;
}

std::string CustomRegistry::GetRegValue(std::string keyPath, const std::string& valueName) {
    // 1. Split the path; no root, no result.
    const win::HKEY root = ParseKeyPath(keyPath);
    if (root == 0)
        return std::string();

    // 2. Open the sub-key for reading; it is closed again however the read ends.
    win::HKEY key = 0;
    if (api_.RegOpenKeyExA(root, keyPath.c_str(), 0, win::KEY_READ, &key) != win::ERROR_SUCCESS)
        return "Error";
    const win::KeyCloser closer(api_, key);

    // 3. Query into 255 spaces; a longer value does not fit and fails.
    std::string buffer(ReadBufferSize, ' ');
    win::DWORD type = 0;
    win::DWORD size = ReadBufferSize;
    if (api_.RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                              reinterpret_cast<win::BYTE*>(buffer.data()), &size) != win::ERROR_SUCCESS)
        return "Error";

    // 4. The spaces after the stored NUL go with the trim (and so do the value's own
    // leading spaces); the last character left is the NUL. A value that filled none
    // of the buffer (zero bytes) leaves nothing to remove.
    std::string text = rt::Trim(buffer);
    if (!text.empty())
        text.pop_back();
    return text;
}

void CustomRegistry::SetRegValue(std::string keyPath, const std::string& valueName,
                                 const std::string& value) {
    WriteRegValue(std::move(keyPath), valueName, value);
}

void CustomRegistry::SetRegValues(std::string keyPath,
                                  const std::vector<std::pair<std::string, std::string>>& values) {
    const win::HKEY root = ParseKeyPath(keyPath);
    win::HKEY key = 0;
    if (root == 0 || api_.RegOpenKeyExA(root, keyPath.c_str(), 0, win::KEY_WRITE, &key) != win::ERROR_SUCCESS)
        return;
    const win::KeyCloser closer(api_, key);
    for (const auto& [name, value] : values)
        api_.RegSetValueExA(key, name.c_str(), 0, win::REG_SZ,
                            reinterpret_cast<const win::BYTE*>(value.c_str()),
                            static_cast<win::DWORD>(value.size() + 1));
}

win::LONG CustomRegistry::WriteRegValue(std::string keyPath, const std::string& valueName,
                                        const std::string& value) {
    // 1. Split the path; no root, nothing to do.
    const win::HKEY root = ParseKeyPath(keyPath);
    if (root == 0)
        return static_cast<win::LONG>(win::ERROR_INVALID_PARAMETER);

    // 2. Open the existing key for writing; a missing key is not created.
    win::HKEY key = 0;
    const win::LONG opened = api_.RegOpenKeyExA(root, keyPath.c_str(), 0, win::KEY_WRITE, &key);
    if (opened != win::ERROR_SUCCESS)
        return opened;
    const win::KeyCloser closer(api_, key);

    // 3. A REG_SZ value counts its terminating NUL.
    return api_.RegSetValueExA(key, valueName.c_str(), 0, win::REG_SZ,
                               reinterpret_cast<const win::BYTE*>(value.c_str()),
                               static_cast<win::DWORD>(value.size() + 1));
}

} // namespace sys
