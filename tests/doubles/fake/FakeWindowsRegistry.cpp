// advapi32 registry calls of the fake, over FakeRegistry. Registry calls report
// failure through their status, not through the thread's last error, so a
// planned fault is returned as the status and leaves the last error alone.
#include "fake/FakeWindows.h"

#include "fake/CallLog.h"
#include "fake/FakeMachine.h"
#include "fake/FakeRegistry.h"

namespace fake {

win::LONG FakeWindows::RegOpenKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD ulOptions,
                                     win::REGSAM samDesired, win::HKEY* phkResult) {
    log_->add("RegOpenKeyExA", {CallArg::key(hKey), lpSubKey, ulOptions, samDesired});
    win::DWORD code = 0;
    if (windowsFault("RegOpenKeyExA", code)) {
        if (phkResult)
            *phkResult = 0;
        return static_cast<win::LONG>(code);
    }
    return registry_->openKey(hKey, lpSubKey, samDesired, phkResult);
}

win::LONG FakeWindows::RegQueryValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD* lpReserved,
                                        win::DWORD* lpType, win::BYTE* lpData, win::DWORD* lpcbData) {
    log_->add("RegQueryValueExA", {CallArg::key(hKey), lpValueName, lpcbData ? *lpcbData : 0});
    win::DWORD code = 0;
    if (windowsFault("RegQueryValueExA", code))
        return static_cast<win::LONG>(code);
    if (lpReserved)
        return win::ERROR_INVALID_PARAMETER;
    return registry_->queryValue(hKey, lpValueName, lpType, lpData, lpcbData);
}

win::LONG FakeWindows::RegSetValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD Reserved,
                                      win::DWORD dwType, const win::BYTE* lpData, win::DWORD cbData) {
    log_->add("RegSetValueExA", {CallArg::key(hKey), lpValueName, Reserved, dwType, cbData});
    win::DWORD code = 0;
    if (windowsFault("RegSetValueExA", code))
        return static_cast<win::LONG>(code);
    return registry_->setValue(hKey, lpValueName, dwType, lpData, cbData);
}

win::LONG FakeWindows::RegCreateKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD Reserved,
                                       char* lpClass, win::DWORD dwOptions, win::REGSAM samDesired,
                                       void* lpSecurityAttributes, win::HKEY* phkResult,
                                       win::DWORD* lpdwDisposition) {
    log_->add("RegCreateKeyExA", {CallArg::key(hKey), lpSubKey, Reserved, static_cast<const char*>(lpClass),
                                  dwOptions, samDesired, static_cast<const void*>(lpSecurityAttributes)});
    win::DWORD code = 0;
    if (windowsFault("RegCreateKeyExA", code))
        return static_cast<win::LONG>(code);
    return registry_->createKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition);
}

win::LONG FakeWindows::RegDeleteKeyA(win::HKEY hKey, const char* lpSubKey) {
    log_->add("RegDeleteKeyA", {CallArg::key(hKey), lpSubKey});
    win::DWORD code = 0;
    if (windowsFault("RegDeleteKeyA", code))
        return static_cast<win::LONG>(code);
    return registry_->deleteKey(hKey, lpSubKey);
}

win::LONG FakeWindows::RegDeleteValueA(win::HKEY hKey, const char* lpValueName) {
    log_->add("RegDeleteValueA", {CallArg::key(hKey), lpValueName});
    win::DWORD code = 0;
    if (windowsFault("RegDeleteValueA", code))
        return static_cast<win::LONG>(code);
    return registry_->deleteValue(hKey, lpValueName);
}

win::LONG FakeWindows::RegCloseKey(win::HKEY hKey) {
    log_->add("RegCloseKey", {CallArg::key(hKey)});
    win::DWORD code = 0;
    if (windowsFault("RegCloseKey", code))
        return static_cast<win::LONG>(code);
    return registry_->closeKey(hKey);
}

} // namespace fake
