#include "platform/win32/RegistryTree.h"

#include "platform/WinHolders.h"
#include "platform/win32/Win32Api.h"

#include <windows.h>

namespace win32 {
namespace {

// Deletes every sub-key of an open key, deepest first; the first failure ends it.
win::LONG deleteSubKeys(::HKEY key) {
    // Always take the first sub-key: the enumeration shifts as keys are deleted.
    char name[256];
    ::DWORD length = sizeof(name);
    while (::RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
        const win::LONG status = deleteKeyTree(reinterpret_cast<win::HKEY>(key), name);
        if (status != ERROR_SUCCESS)
            return status;
        length = sizeof(name);
    }
    return ERROR_SUCCESS;
}

} // namespace

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
    // The key is closed before it is deleted, also when a sub-key could not be.
    {
        Win32Api api;
        const win::KeyCloser closer(api, reinterpret_cast<win::HKEY>(key));
        status = deleteSubKeys(key);
    }
    if (status != ERROR_SUCCESS) {
        return status;
    }
    return ::RegDeleteKeyA(rootKey, subKey.c_str());
}

} // namespace win32
