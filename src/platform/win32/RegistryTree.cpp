#include "platform/win32/RegistryTree.h"

#include <windows.h>

namespace win32 {

win::LONG deleteKeyTree(win::HKEY root, const std::string& subKey) {
    const ::HKEY rootKey = reinterpret_cast<::HKEY>(root);
    ::HKEY key = nullptr;
    ::LONG status = ::RegOpenKeyExA(rootKey, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (status == ERROR_FILE_NOT_FOUND) {
        return ERROR_SUCCESS;
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    // Always take the first sub-key: the enumeration shifts as keys are deleted.
    char name[256];
    ::DWORD length = sizeof(name);
    while (::RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        status = deleteKeyTree(reinterpret_cast<win::HKEY>(key), name);
        if (status != ERROR_SUCCESS) {
            ::RegCloseKey(key);
            return status;
        }
        length = sizeof(name);
    }
    ::RegCloseKey(key);
    return ::RegDeleteKeyA(rootKey, subKey.c_str());
}

} // namespace win32
