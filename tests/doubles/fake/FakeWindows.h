// The Windows of the tests: the Windows calls, runtime services and message boxes
// over an in-memory drive C: and registry, the user32 settings stores
// and a version profile; it logs what is asked of it, a fault plan fails chosen calls,
// and the contract tests hold it and the real Windows to the same results.
#pragma once

#include "platform/MessageBoxService.h"
#include "platform/Runtime.h"
#include "platform/WindowsApi.h"
#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/FakeRegistry.h"
#include "fake/FakeSettings.h"
#include "fake/TextUtil.h"
#include "fake/VersionProfiles.h"

#include <cstdint>
#include <array>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fake {

class FakeWindows : public win::WindowsApi, public rt::Runtime, public rt::MessageBoxService {
public:
    FakeWindows();
    void useVersion(Version v);
    Version version() const { return version_; }
    void setAppPath(const std::string& windowsPath) {
        appFolder = windowsPath;
        while (appFolder.size() > 3 && (appFolder.back() == '\\' || appFolder.back() == '/'))
            appFolder.pop_back();
        drive_.makeFolder(appFolder);
    }
    // "C:\WINNT" on NT up to 2000, "C:\WINDOWS" on the 95 family and from XP on.
    std::string windowsFolder() const {
        const VersionProfile& p = profileOf(version_);
        return isNtFamily(version_) && p.major * 100 + p.minor <= 500 ? "C:\\WINNT" : "C:\\WINDOWS";
    }
    // The user's application-data folder (CSIDL_APPDATA) by version: none on Windows 95
    // (without Internet Explorer 4) and NT 3.51, below the Windows folder on 98 and ME,
    // in the user's profile on NT.
    std::optional<std::string> applicationDataFolder() const;
    // "C:\WINDOWS\SYSTEM" or "C:\WINNT\system32", by version.
    std::string systemFolder() const {
        return windowsFolder() + (isNtFamily(version_) ? "\\system32" : "\\SYSTEM");
    }
    bool exists(const std::string& path) const { return drive_.exists(path); }
    void makeFolder(const std::string& path) { drive_.makeFolder(path); } // with missing levels
    void makeFile(const std::string& path, const std::string& bytes) { drive_.makeFile(path, bytes); }
    std::string fileBytes(const std::string& path) const {
        return drive_.fileExists(path) ? drive_.readFile(path) : "";
    }
    void remove(const std::string& path) { drive_.remove(path); }
    // Every file on drive C: with its bytes, by path.
    std::map<std::string, std::string> driveFiles() const { return drive_.files(); }
    void setString(win::HKEY root, const std::string& key, const std::string& name,
                   const std::string& value) {
        registry.put(root, key, name, win::REG_SZ, value + '\0');
    }
    void setDword(win::HKEY root, const std::string& key, const std::string& name, win::DWORD value) {
        registry.put(root, key, name, win::REG_DWORD, bytesOf(value));
    }
    std::optional<std::string> getString(win::HKEY root, const std::string& key,
                                         const std::string& name) const {
        const auto value = registry.get(root, key, name);
        if (!value || (value->type != win::REG_SZ && value->type != win::REG_EXPAND_SZ))
            return std::nullopt;
        return value->data.substr(0, value->data.find('\0'));
    }
    std::optional<win::DWORD> getDword(win::HKEY root, const std::string& key,
                                       const std::string& name) const {
        const auto value = registry.get(root, key, name);
        if (!value || value->type != win::REG_DWORD || value->data.size() != 4)
            return std::nullopt;
        return fromBytes<win::DWORD>(value->data);
    }
    // The path the last SPI_SETDESKWALLPAPER set.
    std::string deskWallpaper() const { return settings.spi.bytes(win::SPI_GETDESKWALLPAPER); }
    void setSpiValue(win::UINT getAction, std::int64_t value) { settings.spi.setValue(getAction, value); }
    std::string spiBytes(win::UINT getAction) const { return settings.spi.bytes(getAction); }
    void setSpiBytes(win::UINT getAction, const std::string& bytes) {
        settings.spi.setBytes(getAction, bytes);
    }
    template <class T> T spiStructure(win::UINT getAction) const { return fromBytes<T>(spiBytes(getAction)); }
    template <class T> void setSpiStructure(win::UINT getAction, const T& value) {
        setSpiBytes(getAction, bytesOf(value));
    }
    struct Process {
        std::string commandLine;
        int showMode;
    };
    struct ShellRequest {
        win::HWND hwnd;
        std::string operation, file, parameters, directory;
        int showCmd;
    };
    struct Sound {
        std::string path;
        win::UINT flags;
    };
    struct ExitRequest {
        win::UINT flags;
        win::DWORD reason;
    };
    struct MessageBoxRecord {
        std::string prompt;
        int style;
        std::string title;
        int answer;
    };
    std::vector<Process> processes;
    std::vector<ShellRequest> shellRequests;
    std::vector<Sound> sounds;
    std::vector<ExitRequest> exitRequests;
    std::vector<MessageBoxRecord> messageBoxes;
    std::deque<int> answers;
    std::vector<std::u16string> downloads;
    // SE_SHUTDOWN_NAME enabled in the process token (NT family).
    bool shutdownPrivilege = false;
    std::string userName = "Tester";
    std::string computerName = "DECORAMA-PC";
    std::array<win::BYTE, 256> keys{}; // by virtual key: 0x80 held down, 1 toggled on
    int cursorShowCount = 0;
    win::SYSTEM_POWER_STATUS power{1, 128, 255, 0, 0xFFFFFFFFu, 0xFFFFFFFFu};
    win::MEMORYSTATUSEX memory{sizeof memory, 50,         256 << 20,  128 << 20, 512 << 20,
                               384 << 20,     0x7FFE0000, 0x7F000000, 0};
    std::uint64_t freeBytes = 1ull << 30;
    // GetDriveTypeA by root path in capitals.
    std::map<std::string, win::UINT> driveTypes{{"C:\\", 3}};
    std::map<std::string, std::string> urlBodies;
    // Files with a version resource, by name in capitals: the file version's
    // high DWORD (major << 16 | minor). Its block holds only the fixed part.
    std::map<std::string, win::DWORD> fileVersions;
    CallLog log;
    FakeRegistry registry;
    FakeSettings settings;
    // The fault plan: the nth use of an operation from now on fails, a Windows call
    // with its failure return and `error` as its last error, a runtime service by
    // throwing `error`.
    void failOnNext(const std::string& operation, std::int32_t error, int nth = 1) {
        plannedFaults_[operation][uses_[operation] + nth] = error;
    }
    enum class Kind { WindowsCall, FileService, MessageBox, ApplicationFact };
    struct Operation {
        std::string name;
        Kind kind;
        std::string call; // its line in the log
    };
    // Every Windows call, file service and message box since the logs were cleared, in order.
    const std::vector<Operation>& operationTrail() const { return trail_; }
    void clearLogs();
    std::string appPath() override {
        runtimeCall("appPath", {}, Kind::ApplicationFact);
        return appFolder;
    }
    std::string appTitle() override {
        runtimeCall("appTitle", {}, Kind::ApplicationFact);
        return "Decorama";
    }
    rt::AppVersion appVersion() override;
    std::string Dir(const std::string& path) override { return driveFor("Dir", {path}).dir(path); }
    std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) override {
        return driveFor("FilesIn", {folder, extension}).filesIn(folder, extension);
    }
    void FileCopy(const std::string& source, const std::string& destination) override {
        driveFor("FileCopy", {source, destination}).copyFile(source, destination);
    }
    void Kill(const std::string& path) override { driveFor("Kill", {path}).kill(path); }
    void Name(const std::string& oldPath, const std::string& newPath) override {
        driveFor("Name", {oldPath, newPath}).rename(oldPath, newPath);
    }
    std::string readFile(const std::string& path) override {
        return driveFor("readFile", {path}).readFile(path);
    }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override {
        return driveFor("readBytes", {path, offset, count}).readBytes(path, offset, count);
    }
    void writeFile(const std::string& path, const std::string& data) override {
        driveFor("writeFile", {path, data.size()}).writeFile(path, data);
    }
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) override {
        driveFor("writeBytes", {path, offset, data.size()}).writeBytes(path, offset, data);
    }
    std::uint32_t Shell(const std::string&, int) override;
    int MsgBox(const std::string&, int, const std::string&) override;
    win::DWORD GetLastError() override {
        log.add("GetLastError", {});
        return lastError;
    }
    void SetLastError(win::DWORD dwErrCode) override {
        log.add("SetLastError", {dwErrCode});
        lastError = dwErrCode;
    }
    win::LONG RegOpenKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD ulOptions,
                            win::REGSAM samDesired, win::HKEY* phkResult) override {
        if (phkResult)
            *phkResult = 0;
        return registryCall(__func__, {CallArg::key(hKey), lpSubKey, ulOptions, samDesired},
                            [&] { return registry.openKey(hKey, lpSubKey, samDesired, phkResult); });
    }
    win::LONG RegQueryValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD* lpReserved,
                               win::DWORD* lpType, win::BYTE* lpData, win::DWORD* lpcbData) override {
        return registryCall(__func__, {CallArg::key(hKey), lpValueName, lpcbData ? *lpcbData : 0}, [&] {
            return lpReserved ? win::ERROR_INVALID_PARAMETER
                              : registry.queryValue(hKey, lpValueName, lpType, lpData, lpcbData);
        });
    }
    win::LONG RegSetValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD Reserved, win::DWORD dwType,
                             const win::BYTE* lpData, win::DWORD cbData) override {
        return registryCall(__func__, {CallArg::key(hKey), lpValueName, Reserved, dwType, cbData},
                            [&] { return registry.setValue(hKey, lpValueName, dwType, lpData, cbData); });
    }
    win::LONG RegCreateKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD Reserved, char* lpClass,
                              win::DWORD dwOptions, win::REGSAM samDesired, void* lpSecurityAttributes,
                              win::HKEY* phkResult, win::DWORD* lpdwDisposition) override {
        return registryCall(
            __func__,
            {CallArg::key(hKey), lpSubKey, Reserved, static_cast<const char*>(lpClass), dwOptions, samDesired,
             static_cast<const void*>(lpSecurityAttributes)},
            [&] { return registry.openKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition, true); });
    }
    win::LONG RegDeleteKeyA(win::HKEY hKey, const char* lpSubKey) override {
        return registryCall(__func__, {CallArg::key(hKey), lpSubKey},
                            [&] { return registry.deleteKey(hKey, lpSubKey); });
    }
    win::LONG RegDeleteValueA(win::HKEY hKey, const char* lpValueName) override {
        return registryCall(__func__, {CallArg::key(hKey), lpValueName},
                            [&] { return registry.deleteValue(hKey, lpValueName); });
    }
    win::LONG RegCloseKey(win::HKEY hKey) override {
        return registryCall(__func__, {CallArg::key(hKey)}, [&] { return registry.closeKey(hKey); });
    }
    win::LONG RegEnumKeyA(win::HKEY hKey, win::DWORD dwIndex, char* lpName, win::DWORD cchName) override {
        return registryCall(__func__, {CallArg::key(hKey), dwIndex},
                            [&] { return registry.enumKey(hKey, dwIndex, lpName, cchName); });
    }
    win::BOOL GetUserNameA(char*, win::DWORD*) override;
    win::BOOL GetVersionExA(win::OSVERSIONINFOA*) override;
    win::DWORD GetShortPathNameA(const char*, char*, win::DWORD) override;
    win::BOOL WritePrivateProfileStringA(const char*, const char*, const char*, const char*) override;
    // Windows ends the process here; the fake only logs the call.
    void FatalAppExitA(win::UINT uAction, const char* text) override {
        faulted("FatalAppExitA", {uAction, text});
    }
    win::BOOL GetDiskFreeSpaceA(const char*, win::DWORD*, win::DWORD*, win::DWORD*, win::DWORD*) override;
    win::BOOL GetDiskFreeSpaceExA(const char*, win::DWORDLONG*, win::DWORDLONG*, win::DWORDLONG*) override;
    win::UINT GetDriveTypeA(const char* lpRootPathName) override {
        if (faulted("GetDriveTypeA", {lpRootPathName}))
            return 0;
        // A letter without a drive: DRIVE_NO_ROOT_DIR (1).
        return lookup(driveTypes, upper(lpRootPathName ? lpRootPathName : "C:\\"), win::UINT{1});
    }
    void GetSystemInfo(win::SYSTEM_INFO* lpSystemInfo) override {
        if (faulted("GetSystemInfo", {}))
            return;
        *lpSystemInfo = win::SYSTEM_INFO{};
        lpSystemInfo->dwPageSize = 4096;
        lpSystemInfo->dwNumberOfProcessors = 1;
        lpSystemInfo->dwProcessorType = 586; // PROCESSOR_INTEL_PENTIUM
    }
    win::BOOL GetCPInfo(win::UINT, win::CPINFO*) override { return unsupported(__func__); }
    win::DWORD GetTempPathA(win::DWORD, char*) override { return unsupported(__func__); }
    win::UINT GetWindowsDirectoryA(char*, win::UINT) override;
    win::UINT GetSystemDirectoryA(char*, win::UINT) override;
    win::BOOL GetComputerNameA(char*, win::DWORD*) override;
    win::BOOL GetComputerNameExA(int, char*, win::DWORD*) override { return unsupported(__func__); }
    win::BOOL SetComputerNameA(const char*) override { return unsupported(__func__); }
    win::BOOL SetComputerNameExA(int, const char*) override { return unsupported(__func__); }
    win::DWORD FormatMessageA(win::DWORD, const void*, win::DWORD, win::DWORD, char*, win::DWORD,
                              void*) override;
    win::BOOL CreateDirectoryA(const char*, void*) override;
    win::DWORD GetFileAttributesA(const char*) override;
    win::BOOL MoveFileExA(const char*, const char*, win::DWORD) override;
    int WideCharToMultiByte(win::UINT, win::DWORD, const char16_t*, int, char*, int, const char*,
                            win::BOOL*) override;
    int MultiByteToWideChar(win::UINT, win::DWORD, const char*, int, char16_t*, int) override;
    void GlobalMemoryStatus(win::MEMORYSTATUS*) override;
    win::BOOL GlobalMemoryStatusEx(win::MEMORYSTATUSEX*) override;
    // GetSystemPowerStatus: the 95 family and Windows 2000 on; NT 4 has none.
    win::BOOL GetSystemPowerStatus(win::SYSTEM_POWER_STATUS* lpSystemPowerStatus) override {
        if (faulted("GetSystemPowerStatus", {}) ||
            refused(isNtFamily(version_) && !isWindows2000OrLater(), win::ERROR_CALL_NOT_IMPLEMENTED))
            return win::FALSE;
        *lpSystemPowerStatus = power;
        return win::TRUE;
    }
    win::BOOL SetSystemPowerState(win::BOOL, win::BOOL) override { return unsupported(__func__); }
    // RequestWakeupLatency: Windows 98/ME and 2000 on; absent from Windows 95 and NT 4.
    win::BOOL RequestWakeupLatency(int latency) override {
        if (faulted("RequestWakeupLatency", {latency}))
            return win::FALSE;
        const VersionProfile& p = profileOf(version_);
        return (p.platformId == win::VER_PLATFORM_WIN32_WINDOWS && p.minor > 0) || isWindows2000OrLater() ||
               failWith(win::ERROR_CALL_NOT_IMPLEMENTED, false);
    }
    win::DWORD SetThreadExecutionState(win::DWORD) override { return unsupported(__func__); }
    win::BOOL RequestDeviceWakeup(win::HANDLE) override { return unsupported(__func__); }
    win::BOOL CancelDeviceWakeupRequest(win::HANDLE) override { return unsupported(__func__); }
    win::BOOL IsSystemResumeAutomatic() override { return unsupported(__func__); }
    win::BOOL GetDevicePowerState(win::HANDLE, win::BOOL*) override { return unsupported(__func__); }
    win::HANDLE CreateFileA(const char*, win::DWORD, win::DWORD, void*, win::DWORD, win::DWORD,
                            win::HANDLE) override;
    win::BOOL CloseHandle(win::HANDLE hObject) override {
        if (faulted("CloseHandle", {hObject}))
            return win::FALSE;
        return files.erase(hObject) ? win::TRUE : failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    }
    win::BOOL SystemParametersInfoA(win::UINT, win::UINT, void*, win::UINT) override;
    int GetSystemMetrics(int index) override {
        return faulted(__func__, {index}) ? 0 : settings.metrics.get(index);
    }
    win::DWORD GetSysColor(int index) override {
        return faulted(__func__, {index}) ? 0 : settings.colors.get(index);
    }
    win::BOOL SetSysColors(int, const win::INT*, const win::COLORREF*) override;
    win::HCURSOR LoadCursorFromFileA(const char*) override;
    win::BOOL SetSystemCursor(win::HCURSOR hcur, win::DWORD id) override {
        if (faulted("SetSystemCursor", {hcur, id}))
            return win::FALSE;
        win::DWORD error = 0;
        return settings.cursors.replace(hcur, id, error) ? win::TRUE : failWith(error, win::FALSE);
    }
    win::BOOL ExitWindowsEx(win::UINT, win::DWORD) override;
    win::BOOL FlashWindow(win::HWND, win::BOOL) override { return unsupported(__func__); }
    win::BOOL FlashWindowEx(win::FLASHWINFO*) override { return unsupported(__func__); }
    win::BOOL ShowWindow(win::HWND, int) override { return unsupported(__func__); }
    win::BOOL SetRect(win::RECT*, int, int, int, int) override { return unsupported(__func__); }
    win::BOOL DrawEdge(win::HDC, win::RECT*, win::UINT, win::UINT) override { return unsupported(__func__); }
    win::BOOL DrawFrameControl(win::HDC, win::RECT*, win::UINT, win::UINT) override {
        return unsupported(__func__);
    }
    win::SHORT GetAsyncKeyState(int) override { return unsupported(__func__); }
    win::BOOL IsCharAlphaA(char) override { return unsupported(__func__); }
    win::BOOL IsCharAlphaNumericA(char) override { return unsupported(__func__); }
    win::BOOL IsCharLowerA(char) override { return unsupported(__func__); }
    win::BOOL IsCharUpperA(char) override { return unsupported(__func__); }
    int GetKeyboardType(int) override { return unsupported(__func__); }
    win::SHORT GetKeyState(int nVirtKey) override {
        if (faulted("GetKeyState", {nVirtKey}) || nVirtKey < 0 || nVirtKey > 255)
            return 0;
        const win::BYTE state = keys[static_cast<std::size_t>(nVirtKey)];
        return static_cast<win::SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 1));
    }
    win::BOOL GetKeyboardState(win::BYTE* lpKeyState) override {
        if (faulted("GetKeyboardState", {}) || !lpKeyState)
            return win::FALSE;
        std::memcpy(lpKeyState, keys.data(), keys.size());
        return win::TRUE;
    }
    win::BOOL SetKeyboardState(win::BYTE* lpKeyState) override {
        if (faulted("SetKeyboardState", {}) || !lpKeyState)
            return win::FALSE;
        std::memcpy(keys.data(), lpKeyState, keys.size());
        return win::TRUE;
    }
    void keybd_event(win::BYTE, win::BYTE, win::DWORD, win::ULONG_PTR) override;
    win::UINT GetCaretBlinkTime() override { return unsupported(__func__); }
    win::BOOL SetCaretBlinkTime(win::UINT) override { return unsupported(__func__); }
    win::BOOL ShowCaret(win::HWND) override { return unsupported(__func__); }
    win::BOOL HideCaret(win::HWND) override { return unsupported(__func__); }
    int ShowCursor(win::BOOL bShow) override {
        if (!faulted("ShowCursor", {bShow}))
            cursorShowCount += bShow ? 1 : -1;
        return cursorShowCount;
    }
    win::HDC CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                       const void* pdm) override {
        if (faulted("CreateICA", {pszDriver, pszDevice, pszPort, pdm}) ||
            refused(!pszDriver || !equalsIgnoreCase(pszDriver, "DISPLAY"), win::ERROR_INVALID_PARAMETER))
            return 0;
        deviceContexts[nextDc] = true;
        return std::exchange(nextDc, nextDc + 4);
    }
    int GetDeviceCaps(win::HDC, int) override;
    win::BOOL DeleteDC(win::HDC hdc) override {
        if (faulted("DeleteDC", {hdc}))
            return win::FALSE;
        return deviceContexts.erase(hdc) ? win::TRUE : failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    }
    win::HINSTANCE ShellExecuteA(win::HWND, const char*, const char*, const char*, const char*,
                                 win::INT) override;
    win::HRESULT SHGetSpecialFolderLocation(win::HWND, int, win::ITEMIDLIST**) override;
    win::BOOL SHGetSpecialFolderPathA(win::HWND, char*, int, win::BOOL) override;
    win::BOOL SHGetPathFromIDListA(const win::ITEMIDLIST* pidl, char* pszPath) override {
        if (faulted("SHGetPathFromIDListA", {static_cast<const void*>(pidl)}))
            return win::FALSE;
        const auto it = itemLists.find(pidl);
        std::strcpy(pszPath, it == itemLists.end() ? "" : it->second->c_str());
        return *pszPath != '\0';
    }
    void CoTaskMemFree(void* pv) override {
        if (faulted("CoTaskMemFree", {static_cast<const void*>(pv)}))
            return;
        itemLists.erase(static_cast<const win::ITEMIDLIST*>(pv));
    }
    win::BOOL sndPlaySoundA(const char*, win::UINT) override;
    win::HINTERNET InternetOpenA(const char* lpszAgent, win::DWORD dwAccessType, const char* lpszProxy,
                                 const char* lpszProxyBypass, win::DWORD dwFlags) override {
        if (faulted("InternetOpenA", {lpszAgent, dwAccessType, lpszProxy, lpszProxyBypass, dwFlags}))
            return 0;
        internet[nextInternet] = InternetHandle{};
        return std::exchange(nextInternet, nextInternet + 4);
    }
    win::HINTERNET InternetOpenUrlA(win::HINTERNET, const char*, const char*, win::DWORD, win::DWORD,
                                    win::DWORD_PTR) override;
    win::BOOL InternetReadFile(win::HINTERNET, void*, win::DWORD, win::DWORD*) override;
    win::BOOL InternetCloseHandle(win::HINTERNET hInternet) override {
        if (faulted("InternetCloseHandle", {hInternet}))
            return win::FALSE;
        return internet.erase(hInternet) ? win::TRUE : failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    }
    win::HRESULT DoFileDownload(const char16_t*) override;
    win::DWORD GetFileVersionInfoSizeA(const char*, win::DWORD*) override;
    win::BOOL GetFileVersionInfoA(const char*, win::DWORD, win::DWORD, void*) override;
    win::BOOL VerQueryValueA(const void*, const char*, void**, win::UINT*) override;
    win::BOOLEAN GetUserNameExA(int, char*, win::ULONG*) override;
    win::BOOL GetClientRect(win::HWND, win::RECT*) override { return unsupported(__func__); }
    win::HDC GetDC(win::HWND) override { return unsupported(__func__); }
    int ReleaseDC(win::HWND, win::HDC) override { return unsupported(__func__); }
    win::BOOL InvalidateRect(win::HWND, const win::RECT*, win::BOOL) override {
        return unsupported(__func__);
    }
    win::BOOL UpdateWindow(win::HWND) override { return unsupported(__func__); }
    win::HRESULT SaveShellLink(const char*, const char*, const char*) override;
    win::HANDLE GetCurrentProcess() override;
    win::BOOL OpenProcessToken(win::HANDLE, win::DWORD, win::HANDLE*) override;
    win::BOOL LookupPrivilegeValueA(const char*, const char*, win::LUID*) override;
    win::BOOL AdjustTokenPrivileges(win::HANDLE, win::BOOL, win::TOKEN_PRIVILEGES*, win::DWORD,
                                    win::TOKEN_PRIVILEGES*, win::DWORD*) override;

private:
    std::string appFolder = "C:\\Program Files\\Decorama";
    win::DWORD lastError = 0;
    std::uint32_t nextProcessId = 0x100;
    std::map<win::HANDLE, std::string> files;
    win::HANDLE nextFile = 0x200;
    std::map<win::HDC, bool> deviceContexts;
    win::HDC nextDc = 0x300;
    // Each item list's path.
    std::map<const win::ITEMIDLIST*, std::unique_ptr<std::string>> itemLists;
    struct InternetHandle {
        bool isUrl = false;
        std::string body;
        std::size_t position = 0;
    };
    std::map<win::HINTERNET, InternetHandle> internet;
    win::HINTERNET nextInternet = 0xCC0000;
    std::optional<std::int32_t> plannedFault(const std::string& operation, Kind kind);
    // Logs a Windows call; the planned error when the fault plan makes this use fail.
    std::optional<win::DWORD> plannedError(const char* operation, std::initializer_list<CallArg> args) {
        log.add(operation, args);
        return plannedFault(operation, Kind::WindowsCall);
    }
    // Logs a Windows call; true when the fault plan makes this use fail, the
    // planned error then set as the last error.
    bool faulted(const char* operation, std::initializer_list<CallArg> args) {
        const auto error = plannedError(operation, args);
        lastError = error.value_or(lastError);
        return error.has_value();
    }
    // Registry calls report failure through their status, not through the thread's last
    // error, so a planned fault is returned as the status and leaves the last error alone.
    template <class Call>
    win::LONG registryCall(const char* operation, std::initializer_list<CallArg> args, const Call& call) {
        const auto fault = plannedError(operation, args);
        return fault ? static_cast<win::LONG>(*fault) : call();
    }
    template <class R> R failWith(win::DWORD code, R result) {
        lastError = code;
        return result;
    }
    // True, with `error` as the last error, when the condition refuses the call.
    bool refused(bool condition, win::DWORD error) {
        if (condition)
            lastError = error;
        return condition;
    }
    // A call no test makes: logged, and failed as a Windows without it fails it, with
    // ERROR_CALL_NOT_IMPLEMENTED and the call's zero, FALSE or NULL.
    struct Zero {
        template <class R> operator R() const { return R{}; }
    };
    Zero unsupported(const char* operation) {
        if (!faulted(operation, {}))
            lastError = win::ERROR_CALL_NOT_IMPLEMENTED;
        return Zero{};
    }
    // WideCharToMultiByte and MultiByteToWideChar, one character at a time.
    template <class To, class From>
    int convert(const char* operation, win::UINT codePage, const From* text, int length, To* buffer, int size,
                const std::function<To(From)>& convertOne);
    // Copies a name out through an in-out count (see FakeWindowsKernel.cpp).
    template <class Size>
    bool copyName(const std::string& name, char* buffer, Size* size, win::DWORD overflow);
    // Windows 2000 and later (GetUserNameExA, GlobalMemoryStatusEx, OSVERSIONINFOEXA).
    bool isWindows2000OrLater() const {
        return profileOf(version_).platformId == win::VER_PLATFORM_WIN32_NT && profileOf(version_).major >= 5;
    }
    // Logs a runtime service; throws the planned error when the fault plan makes this use fail.
    void runtimeCall(const char* operation, std::initializer_list<CallArg> args,
                     Kind kind = Kind::FileService);
    FakeDrive& driveFor(const char* operation, std::initializer_list<CallArg> args) {
        runtimeCall(operation, args);
        return drive_;
    }
    void reloadSystemCursors();
    Version version_ = Version::Win98;
    std::map<std::string, std::map<int, std::int32_t>> plannedFaults_;
    std::map<std::string, int> uses_;
    std::vector<Operation> trail_;
    FakeDrive drive_;
};

} // namespace fake
