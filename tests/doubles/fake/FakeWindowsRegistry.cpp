// advapi32 registry calls of the fake, over FakeRegistry. Registry calls report
// failure through their status, not through the thread's last error, so a
// planned fault is returned as the status and leaves the last error alone.
#include "fake/FakeWindows.h"

#include "fake/CallLog.h"
#include "fake/FakeRegistry.h"

namespace fake {

std::optional<win::LONG> FakeWindows::registryFault(const char* operation,
                                                    std::initializer_list<CallArg> args) {
    log_->add(operation, args);
    win::DWORD code = 0;
    if (!windowsFault(operation, code))
        return std::nullopt;
    return static_cast<win::LONG>(code);
}

win::LONG FakeWindows::RegOpenKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD ulOptions,
                                     win::REGSAM samDesired, win::HKEY* phkResult) {
    if (phkResult)
        *phkResult = 0;
    if (auto fault = registryFault("RegOpenKeyExA", {CallArg::key(hKey), lpSubKey, ulOptions, samDesired}))
        return *fault;
    return registry_->openKey(hKey, lpSubKey, samDesired, phkResult);
}

win::LONG FakeWindows::RegQueryValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD* lpReserved,
                                        win::DWORD* lpType, win::BYTE* lpData, win::DWORD* lpcbData) {
    if (auto fault =
            registryFault("RegQueryValueExA", {CallArg::key(hKey), lpValueName, lpcbData ? *lpcbData : 0}))
        return *fault;
    if (lpReserved)
        return win::ERROR_INVALID_PARAMETER;
    return registry_->queryValue(hKey, lpValueName, lpType, lpData, lpcbData);
}

win::LONG FakeWindows::RegSetValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD Reserved,
                                      win::DWORD dwType, const win::BYTE* lpData, win::DWORD cbData) {
    if (auto fault =
            registryFault("RegSetValueExA", {CallArg::key(hKey), lpValueName, Reserved, dwType, cbData}))
        return *fault;
    return registry_->setValue(hKey, lpValueName, dwType, lpData, cbData);
}

win::LONG FakeWindows::RegCreateKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD Reserved,
                                       char* lpClass, win::DWORD dwOptions, win::REGSAM samDesired,
                                       void* lpSecurityAttributes, win::HKEY* phkResult,
                                       win::DWORD* lpdwDisposition) {
    if (auto fault = registryFault("RegCreateKeyExA",
                                   {CallArg::key(hKey), lpSubKey, Reserved, static_cast<const char*>(lpClass),
                                    dwOptions, samDesired, static_cast<const void*>(lpSecurityAttributes)}))
        return *fault;
    return registry_->createKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition);
}

win::LONG FakeWindows::RegDeleteKeyA(win::HKEY hKey, const char* lpSubKey) {
    if (auto fault = registryFault("RegDeleteKeyA", {CallArg::key(hKey), lpSubKey}))
        return *fault;
    return registry_->deleteKey(hKey, lpSubKey);
}

win::LONG FakeWindows::RegDeleteValueA(win::HKEY hKey, const char* lpValueName) {
    if (auto fault = registryFault("RegDeleteValueA", {CallArg::key(hKey), lpValueName}))
        return *fault;
    return registry_->deleteValue(hKey, lpValueName);
}

win::LONG FakeWindows::RegCloseKey(win::HKEY hKey) {
    if (auto fault = registryFault("RegCloseKey", {CallArg::key(hKey)}))
        return *fault;
    return registry_->closeKey(hKey);
}

} // namespace fake
