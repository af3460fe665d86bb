#include "themeapply/Undo.h"

#include "platform/WinHolders.h"
#include "platform/WindowsApi.h"

namespace themeapply {

Undo::~Undo() {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
        try {
            (*step)();
        } catch (...) {
            // Putting one value back failed; the others still go back.
        }
    }
}

std::optional<std::string> Undo::keepValue(win::HKEY root, const std::string& key, const std::string& name) {
    win::HKEY handle = 0;
    win::DWORD type = win::REG_NONE;
    std::string bytes;
    bool present = false;
    if (api_.RegOpenKeyExA(root, key.c_str(), 0, win::KEY_QUERY_VALUE, &handle) == win::ERROR_SUCCESS) {
        const win::KeyCloser closer(api_, handle);
        win::DWORD size = 0;
        if (api_.RegQueryValueExA(handle, name.c_str(), nullptr, &type, nullptr, &size) ==
            win::ERROR_SUCCESS) {
            bytes.assign(size, '\0');
            present = api_.RegQueryValueExA(handle, name.c_str(), nullptr, &type,
                                            reinterpret_cast<win::BYTE*>(bytes.data()),
                                            &size) == win::ERROR_SUCCESS;
            bytes.resize(present ? size : 0);
        }
    }
    add([this, root, key, name, type, bytes, present] {
        win::HKEY handle = 0;
        if (api_.RegOpenKeyExA(root, key.c_str(), 0, win::KEY_SET_VALUE, &handle) != win::ERROR_SUCCESS)
            return;
        const win::KeyCloser closer(api_, handle);
        if (present)
            api_.RegSetValueExA(handle, name.c_str(), 0, type,
                                reinterpret_cast<const win::BYTE*>(bytes.data()),
                                static_cast<win::DWORD>(bytes.size()));
        else
            api_.RegDeleteValueA(handle, name.c_str());
    });
    if (!present || (type != win::REG_SZ && type != win::REG_EXPAND_SZ))
        return std::nullopt;
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace themeapply
