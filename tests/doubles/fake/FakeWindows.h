// The Windows of the tests: one object that stands for the Windows calls, the
// runtime services and the message boxes, with drive C: kept in a host folder,
// an in-memory registry, data tables for the user32 settings stores, a version
// profile, logs of everything asked of it, and a fault plan that makes chosen
// calls fail. It mirrors the documented Win32 behaviour the program relies on;
// the contract tests hold it and the real Windows to the same results.
#pragma once

#include "platform/MessageBoxService.h"
#include "platform/Runtime.h"
#include "platform/WindowsApi.h"
#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/FakeRegistry.h"
#include "fake/FakeSettings.h"
#include "fake/Records.h"
#include "fake/VersionProfiles.h"

#include <cstdint>
#include <array>
#include <cstring>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fake {

class FakeWindows : public win::WindowsApi, public rt::Runtime, public rt::MessageBoxService {
public:
    // Owns a fresh temporary host folder standing for drive C:, removed at destruction.
    FakeWindows();
    // Uses an existing host folder as drive C:; it is left in place.
    explicit FakeWindows(std::filesystem::path driveRoot);
    ~FakeWindows() override;
    FakeWindows(const FakeWindows&) = delete;
    FakeWindows& operator=(const FakeWindows&) = delete;

    // ---- set-up -------------------------------------------------------------
    // Default Win98 (4.10 build 0x040A07CE). Also creates the version's Windows
    // and system folders (C:\WINDOWS or C:\WINNT).
    void useVersion(Version v);
    Version version() const { return version_; }
    // Default "C:\Program Files\Decorama"; the folder is created.
    void setAppPath(const std::string& windowsPath);
    // "C:\WINDOWS" or "C:\WINNT", by version.
    std::string windowsFolder() const { return profileOf(version_).windowsFolder; }

    // ---- files on drive C: ----------------------------------------------------
    // Windows paths are resolved case-insensitively component by component
    // against the entries that exist: c:\WINDOWS and c:\windows are one folder.
    std::filesystem::path hostPath(const std::string& windowsPath) const {
        return drive_->locate(windowsPath).host;
    }
    bool exists(const std::string& windowsPath) const { return drive_->exists(windowsPath); }
    void makeFolder(const std::string& windowsPath) {
        drive_->makeFolder(windowsPath);
    } // with missing levels
    // Writes a file with the given bytes, creating missing folder levels.
    void makeFile(const std::string& windowsPath, const std::string& bytes) {
        drive_->makeFile(windowsPath, bytes);
    }
    // The file's bytes, "" when it is missing.
    std::string fileBytes(const std::string& windowsPath) const {
        return drive_->fileExists(windowsPath) ? FakeDrive::hostRead(drive_->locate(windowsPath).host) : "";
    }
    // Removes a file or a whole folder; nothing when it is missing.
    void remove(const std::string& windowsPath) { drive_->remove(windowsPath); }
    void setReadOnly(const std::string& windowsPath, bool readOnly) {
        drive_->setReadOnly(windowsPath, readOnly);
    }

    // ---- registry -----------------------------------------------------------
    void setString(win::HKEY root, const std::string& subKey, const std::string& valueName,
                   const std::string& value) {
        registry_->put(root, subKey, valueName, win::REG_SZ, value + '\0');
    }
    void setDword(win::HKEY root, const std::string& subKey, const std::string& valueName, win::DWORD value) {
        registry_->put(root, subKey, valueName, win::REG_DWORD,
                       std::string(reinterpret_cast<const char*>(&value), sizeof value));
    }
    std::optional<std::string> getString(win::HKEY root, const std::string& subKey,
                                         const std::string& valueName) const;
    std::optional<win::DWORD> getDword(win::HKEY root, const std::string& subKey,
                                       const std::string& valueName) const;
    bool keyExists(win::HKEY root, const std::string& subKey) const {
        return registry_->keyExists(root, subKey);
    }
    std::vector<std::string> subKeyNames(win::HKEY root, const std::string& subKey) const {
        return registry_->subKeyNames(root, subKey);
    }
    using RegistryWrite = fake::RegistryWrite;
    // Every successful RegSetValueExA, in order.
    const std::vector<RegistryWrite>& registryWrites() const { return registry_->writes(); }
    // Handles opened and not closed yet.
    std::size_t openKeyCount() const { return registry_->openHandleCount(); }

    // ---- settings stores ------------------------------------------------------
    win::COLORREF sysColor(int index) const { return settings_->colors.get(index); }
    void setSysColor(int index, win::COLORREF color) { settings_->colors.set(index, color); }
    // One entry per successful SetSysColors: the (index, colour) pairs passed.
    const std::vector<std::vector<std::pair<int, win::COLORREF>>>& setSysColorsCalls() const {
        return settings_->colors.calls;
    }

    // The file of the cursor that replaced system cursor id, "" if untouched.
    std::string systemCursorFile(win::DWORD id) const { return settings_->cursors.systemCursorFile(id); }
    using CursorCall = fake::CursorCall;
    const std::vector<CursorCall>& setSystemCursorCalls() const { return settings_->cursors.calls; }

    void setMetric(int index, int value);                      // GetSystemMetrics
    void setLogPixels(int dpi) { settings_->logPixels = dpi; } // GetDeviceCaps(LOGPIXELSY), default 96

    // SystemParametersInfoA store, addressed by the GET action of a setting.
    std::string deskWallpaper() const {
        return settings_->spi.bytes(win::SPI_GETDESKWALLPAPER);
    } // last SPI_SETDESKWALLPAPER path
    // A setting held as one number (uiParam or pvParam families).
    void setSpiValue(win::UINT getAction, std::int64_t value) { settings_->spi.setValue(getAction, value); }
    // A setting held as a structure or buffer (RECT, LOGFONTA, ...): its bytes.
    std::string spiBytes(win::UINT getAction) const;
    void setSpiBytes(win::UINT getAction, const std::string& bytes);
    template <class T> T spiStructure(win::UINT getAction) const {
        T value{};
        const std::string bytes = spiBytes(getAction);
        std::memcpy(&value, bytes.data(), bytes.size() < sizeof(T) ? bytes.size() : sizeof(T));
        return value;
    }
    template <class T> void setSpiStructure(win::UINT getAction, const T& value) {
        setSpiBytes(getAction, std::string(reinterpret_cast<const char*>(&value), sizeof(T)));
    }
    using SpiCall = fake::SpiCall;
    const std::vector<SpiCall>& spiCalls() const { return settings_->spi.calls; }

    // ---- other machine state -------------------------------------------------
    // The name SetComputerNameA/ExA left for the next start, "" when none; like
    // Windows, GetComputerNameA keeps answering the current name until then.
    std::string pendingComputerName() const { return machine_->pendingComputerName; }
    void setKeyState(int virtualKey, win::SHORT state);               // GetKeyState / GetAsyncKeyState
    int cursorShowCount() const { return machine_->cursorShowCount; } // ShowCursor counter, 0 at start
    void setUrlBody(const std::string& url, const std::string& body) {
        machine_->urlBodies[url] = body;
    } // wininet canned bodies
    void setPowerStatus(const win::SYSTEM_POWER_STATUS& status) { machine_->power = status; }
    void setMemoryStatus(const win::MEMORYSTATUSEX& status) { machine_->memory = status; }
    void setFreeSpace(std::uint64_t freeBytes) { machine_->freeBytes = freeBytes; } // GetDiskFreeSpaceA of C:

    // ---- logs ---------------------------------------------------------------
    // One line per WindowsApi/Runtime call, "Name(arg, arg)".
    const std::vector<std::string>& callLog() const { return log_->lines(); }
    struct Process {
        std::string commandLine;
        int showMode;
    };
    const std::vector<Process>& processes() const { return machine_->processes; }
    struct ShellRequest {
        win::HWND hwnd;
        std::string operation, file, parameters, directory;
        int showCmd;
    };
    const std::vector<ShellRequest>& shellRequests() const { return machine_->shellRequests; }
    struct Sound {
        std::string path;
        win::UINT flags;
    };
    const std::vector<Sound>& soundsPlayed() const { return machine_->sounds; }
    struct ExitRequest {
        win::UINT flags;
        win::DWORD reason;
    };
    const std::vector<ExitRequest>& exitRequests() const { return machine_->exitRequests; }
    struct MessageBoxRecord {
        std::string prompt;
        int style;
        std::string title;
        int answer;
    };
    const std::vector<MessageBoxRecord>& messageBoxes() const { return machine_->messageBoxes; }
    // Answers for the next message boxes, in order; vbOK when the script runs out.
    void scriptAnswers(std::vector<int> answers) { machine_->answers.assign(answers.begin(), answers.end()); }
    // Addresses handed to DoFileDownload.
    const std::vector<std::string>& downloads() const { return machine_->downloads; }

    // ---- faults -------------------------------------------------------------
    // Makes the nth use (1-based) of a named operation (a WindowsApi or Runtime
    // member name, "RegSetValueExA", "FileCopy") fail. For Windows calls error is
    // the Windows error code returned as status or set as last error, with the
    // call's failure return; for runtime services it is the rt::Error number thrown.
    void failOn(const std::string& operation, int nthUse, std::int32_t error) {
        plannedFaults_[operation][nthUse] = error;
    }
    // Every use of a faultable operation so far, in order, as (operation, nth use).
    const std::vector<std::pair<std::string, int>>& operationTrail() const { return trail_; }
    // Empties every log (calls, writes, processes, boxes ...); stores are kept.
    void clearLogs();

    // ---- rt::Runtime ----------------------------------------------------------
    std::string appPath() override;
    std::string appTitle() override;
    rt::AppVersion appVersion() override;
    std::string Dir(const std::string& path) override;
    void FileCopy(const std::string& source, const std::string& destination) override;
    void Kill(const std::string& path) override;
    void Name(const std::string& oldPath, const std::string& newPath) override;
    std::string readFile(const std::string& path) override;
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) override;
    void writeFile(const std::string& path, const std::string& data) override;
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) override;
    std::uint32_t Shell(const std::string& commandLine, int showMode) override;

    // ---- rt::MessageBoxService -------------------------------------------------
    int MsgBox(const std::string& prompt, int style, const std::string& title) override;

    // ---- win::WindowsApi -------------------------------------------------------
    win::DWORD GetLastError() override;
    void SetLastError(win::DWORD dwErrCode) override;

    win::LONG RegOpenKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD ulOptions,
                            win::REGSAM samDesired, win::HKEY* phkResult) override;
    win::LONG RegQueryValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD* lpReserved,
                               win::DWORD* lpType, win::BYTE* lpData, win::DWORD* lpcbData) override;
    win::LONG RegSetValueExA(win::HKEY hKey, const char* lpValueName, win::DWORD Reserved, win::DWORD dwType,
                             const win::BYTE* lpData, win::DWORD cbData) override;
    win::LONG RegCreateKeyExA(win::HKEY hKey, const char* lpSubKey, win::DWORD Reserved, char* lpClass,
                              win::DWORD dwOptions, win::REGSAM samDesired, void* lpSecurityAttributes,
                              win::HKEY* phkResult, win::DWORD* lpdwDisposition) override;
    win::LONG RegDeleteKeyA(win::HKEY hKey, const char* lpSubKey) override;
    win::LONG RegDeleteValueA(win::HKEY hKey, const char* lpValueName) override;
    win::LONG RegCloseKey(win::HKEY hKey) override;
    win::BOOL GetUserNameA(char* lpBuffer, win::DWORD* pcbBuffer) override;

    win::BOOL GetVersionExA(win::OSVERSIONINFOA* lpVersionInformation) override;
    win::DWORD GetShortPathNameA(const char* lpszLongPath, char* lpszShortPath,
                                 win::DWORD cchBuffer) override;
    win::BOOL WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpString,
                                         const char* lpFileName) override;
    void FatalAppExitA(win::UINT uAction, const char* lpMessageText) override;
    win::BOOL GetDiskFreeSpaceA(const char* lpRootPathName, win::DWORD* lpSectorsPerCluster,
                                win::DWORD* lpBytesPerSector, win::DWORD* lpNumberOfFreeClusters,
                                win::DWORD* lpTotalNumberOfClusters) override;
    win::UINT GetDriveTypeA(const char* lpRootPathName) override;
    void GetSystemInfo(win::SYSTEM_INFO* lpSystemInfo) override;
    win::BOOL GetCPInfo(win::UINT CodePage, win::CPINFO* lpCPInfo) override;
    win::DWORD GetTempPathA(win::DWORD nBufferLength, char* lpBuffer) override;
    win::UINT GetWindowsDirectoryA(char* lpBuffer, win::UINT uSize) override;
    win::UINT GetSystemDirectoryA(char* lpBuffer, win::UINT uSize) override;
    win::BOOL GetComputerNameA(char* lpBuffer, win::DWORD* nSize) override;
    win::BOOL GetComputerNameExA(int NameType, char* lpBuffer, win::DWORD* nSize) override;
    win::BOOL SetComputerNameA(const char* lpComputerName) override;
    win::BOOL SetComputerNameExA(int NameType, const char* lpBuffer) override;
    win::DWORD FormatMessageA(win::DWORD dwFlags, const void* lpSource, win::DWORD dwMessageId,
                              win::DWORD dwLanguageId, char* lpBuffer, win::DWORD nSize,
                              void* Arguments) override;

    void GlobalMemoryStatus(win::MEMORYSTATUS* lpBuffer) override;
    win::BOOL GlobalMemoryStatusEx(win::MEMORYSTATUSEX* lpBuffer) override;
    win::BOOL GetSystemPowerStatus(win::SYSTEM_POWER_STATUS* lpSystemPowerStatus) override;
    win::BOOL SetSystemPowerState(win::BOOL fSuspend, win::BOOL fForce) override;
    win::BOOL RequestWakeupLatency(int latency) override;
    win::DWORD SetThreadExecutionState(win::DWORD esFlags) override;
    win::BOOL RequestDeviceWakeup(win::HANDLE hDevice) override;
    win::BOOL CancelDeviceWakeupRequest(win::HANDLE hDevice) override;
    win::BOOL IsSystemResumeAutomatic() override;
    win::BOOL GetDevicePowerState(win::HANDLE hDevice, win::BOOL* pfOn) override;
    win::HANDLE CreateFileA(const char* lpFileName, win::DWORD dwDesiredAccess, win::DWORD dwShareMode,
                            void* lpSecurityAttributes, win::DWORD dwCreationDisposition,
                            win::DWORD dwFlagsAndAttributes, win::HANDLE hTemplateFile) override;
    win::BOOL CloseHandle(win::HANDLE hObject) override;

    win::BOOL SystemParametersInfoA(win::UINT uiAction, win::UINT uiParam, void* pvParam,
                                    win::UINT fWinIni) override;
    int GetSystemMetrics(int nIndex) override;
    win::DWORD GetSysColor(int nIndex) override;
    win::BOOL SetSysColors(int cElements, const win::INT* lpaElements,
                           const win::COLORREF* lpaRgbValues) override;
    win::HCURSOR LoadCursorFromFileA(const char* lpFileName) override;
    win::BOOL SetSystemCursor(win::HCURSOR hcur, win::DWORD id) override;

    win::BOOL ExitWindowsEx(win::UINT uFlags, win::DWORD dwReason) override;
    win::BOOL FlashWindow(win::HWND hWnd, win::BOOL bInvert) override;
    win::BOOL FlashWindowEx(win::FLASHWINFO* pfwi) override;
    win::BOOL ShowWindow(win::HWND hWnd, int nCmdShow) override;
    win::BOOL SetRect(win::RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) override;
    win::BOOL DrawEdge(win::HDC hdc, win::RECT* qrc, win::UINT edge, win::UINT grfFlags) override;
    win::BOOL DrawFrameControl(win::HDC hdc, win::RECT* lprc, win::UINT uType, win::UINT uState) override;

    win::SHORT GetAsyncKeyState(int vKey) override;
    win::BOOL IsCharAlphaA(char ch) override;
    win::BOOL IsCharAlphaNumericA(char ch) override;
    win::BOOL IsCharLowerA(char ch) override;
    win::BOOL IsCharUpperA(char ch) override;
    int GetKeyboardType(int nTypeFlag) override;
    win::SHORT GetKeyState(int nVirtKey) override;
    win::BOOL GetKeyboardState(win::BYTE* lpKeyState) override;
    win::BOOL SetKeyboardState(win::BYTE* lpKeyState) override;
    void keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags, win::ULONG_PTR dwExtraInfo) override;
    win::UINT GetCaretBlinkTime() override;
    win::BOOL SetCaretBlinkTime(win::UINT uMSeconds) override;
    win::BOOL ShowCaret(win::HWND hWnd) override;
    win::BOOL HideCaret(win::HWND hWnd) override;
    int ShowCursor(win::BOOL bShow) override;

    win::HDC CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                       const void* pdm) override;
    int GetDeviceCaps(win::HDC hdc, int index) override;
    win::BOOL DeleteDC(win::HDC hdc) override;

    win::HINSTANCE ShellExecuteA(win::HWND hwnd, const char* lpOperation, const char* lpFile,
                                 const char* lpParameters, const char* lpDirectory,
                                 win::INT nShowCmd) override;
    win::HRESULT SHGetSpecialFolderLocation(win::HWND hwnd, int csidl, win::ITEMIDLIST** ppidl) override;
    win::BOOL SHGetPathFromIDListA(const win::ITEMIDLIST* pidl, char* pszPath) override;
    void CoTaskMemFree(void* pv) override;

    win::BOOL sndPlaySoundA(const char* pszSound, win::UINT fuSound) override;

    win::HINTERNET InternetOpenA(const char* lpszAgent, win::DWORD dwAccessType, const char* lpszProxy,
                                 const char* lpszProxyBypass, win::DWORD dwFlags) override;
    win::HINTERNET InternetOpenUrlA(win::HINTERNET hInternet, const char* lpszUrl, const char* lpszHeaders,
                                    win::DWORD dwHeadersLength, win::DWORD dwFlags,
                                    win::DWORD_PTR dwContext) override;
    win::BOOL InternetReadFile(win::HINTERNET hFile, void* lpBuffer, win::DWORD dwNumberOfBytesToRead,
                               win::DWORD* lpdwNumberOfBytesRead) override;
    win::BOOL InternetCloseHandle(win::HINTERNET hInternet) override;

    win::HRESULT DoFileDownload(const char16_t* lpszFile) override;

    win::DWORD GetFileVersionInfoSizeA(const char* lptstrFilename, win::DWORD* lpdwHandle) override;
    win::BOOL GetFileVersionInfoA(const char* lptstrFilename, win::DWORD dwHandle, win::DWORD dwLen,
                                  void* lpData) override;
    win::BOOL VerQueryValueA(const void* pBlock, const char* lpSubBlock, void** lplpBuffer,
                             win::UINT* puLen) override;

    win::BOOLEAN GetUserNameExA(int NameFormat, char* lpNameBuffer, win::ULONG* nSize) override;

    // ---- drawing on a window (FakeWindowsToken.cpp) ----------------------------------
    // The fake knows no windows of its own: any handle but 0 stands for one whose
    // client area setClientSize gives (640 x 480 pixels unless set); its device
    // context is the handle with the high bit set.
    win::BOOL GetClientRect(win::HWND hWnd, win::RECT* lpRect) override;
    win::HDC GetDC(win::HWND hWnd) override;
    int ReleaseDC(win::HWND hWnd, win::HDC hDC) override;
    win::BOOL InvalidateRect(win::HWND hWnd, const win::RECT* lpRect, win::BOOL bErase) override;
    win::BOOL UpdateWindow(win::HWND hWnd) override;
    void setClientSize(int widthPixels, int heightPixels);

    // ---- shortcuts and the process token (FakeWindowsToken.cpp) -------------------
    win::HRESULT SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) override;
    win::HANDLE GetCurrentProcess() override;
    win::BOOL OpenProcessToken(win::HANDLE ProcessHandle, win::DWORD DesiredAccess,
                               win::HANDLE* TokenHandle) override;
    win::BOOL LookupPrivilegeValueA(const char* lpSystemName, const char* lpName, win::LUID* lpLuid) override;
    win::BOOL AdjustTokenPrivileges(win::HANDLE TokenHandle, win::BOOL DisableAllPrivileges,
                                    win::TOKEN_PRIVILEGES* NewState, win::DWORD BufferLength,
                                    win::TOKEN_PRIVILEGES* PreviousState, win::DWORD* ReturnLength) override;
    // The target and arguments of a link SaveShellLink wrote, as "target|arguments";
    // nothing when there is no such link.
    std::optional<std::string> shellLink(const std::string& windowsPath) const;
    // Whether the process has enabled the shut-down privilege.
    bool shutdownPrivilegeEnabled() const { return machine_->shutdownPrivilege; }

private:
    // The small state of the machine that has no unit of its own: the thread's
    // last error, the application's folder, names, keyboard, caret and cursor
    // counters, memory and power records, open handles of kernel32, gdi32,
    // shell32 and wininet, and the logs of processes, shell requests, sounds,
    // exit requests and message boxes.
    struct Machine {
        bool ownsDrive = false;
        win::DWORD lastError = 0;
        std::string appPath = "C:\\Program Files\\Decorama";

        std::vector<Process> processes;
        std::vector<ShellRequest> shellRequests;
        std::vector<Sound> sounds;
        std::vector<ExitRequest> exitRequests;
        std::vector<MessageBoxRecord> messageBoxes;
        std::deque<int> answers;
        std::vector<std::string> downloads;
        std::uint32_t nextProcessId = 0x100;
        // SE_SHUTDOWN_NAME enabled in the process token (NT family).
        bool shutdownPrivilege = false;
        // The client area of any window GetClientRect is asked about.
        int clientWidth = 640;
        int clientHeight = 480;

        std::string userName = "Tester";
        std::string computerName = "DECORAMA-PC";
        std::string pendingComputerName;

        // Key state bytes as GetKeyboardState gives them: 0x80 down, 0x01 toggled.
        std::array<win::BYTE, 256> keys{};
        win::UINT caretBlinkTime = 530;
        int cursorShowCount = 0;
        win::DWORD executionState = 0x80000000; // ES_CONTINUOUS

        win::SYSTEM_POWER_STATUS power{1, 128, 255, 0, 0xFFFFFFFFu, 0xFFFFFFFFu};
        win::MEMORYSTATUSEX memory{sizeof(win::MEMORYSTATUSEX),
                                   50,
                                   256ull << 20,
                                   128ull << 20,
                                   512ull << 20,
                                   384ull << 20,
                                   0x7FFE0000ull,
                                   0x7F000000ull,
                                   0};
        std::uint64_t freeBytes = 1ull << 30;

        // CreateFileA handles: the path each was opened on ("\\.\C:" for the drive).
        std::map<win::HANDLE, std::string> files;
        win::HANDLE nextFile = 0x200;
        std::map<win::HDC, bool> deviceContexts;
        win::HDC nextDc = 0x300;

        struct ItemList {
            std::string path; // "" for a virtual folder without a file-system path
        };
        std::map<const win::ITEMIDLIST*, std::unique_ptr<ItemList>> itemLists;

        struct InternetHandle {
            bool isUrl = false;
            std::string body;
            std::size_t position = 0;
        };
        std::map<win::HINTERNET, InternetHandle> internet;
        win::HINTERNET nextInternet = 0xCC0000;
        std::map<std::string, std::string> urlBodies;
    };
    // Counts one use of the operation; the planned error when this use must fail.
    std::optional<std::int32_t> plannedFault(const std::string& operation);
    // True when the fault plan makes this use of a Windows call fail, with the
    // planned Windows error in code.
    bool windowsFault(const char* operation, win::DWORD& code);
    // Logs a Windows call; true when the fault plan makes this use fail, the
    // planned error then set as the last error.
    bool faulted(const char* operation, std::initializer_list<CallArg> args);
    // Logs a registry call; the planned status when the fault plan makes this use fail.
    std::optional<win::LONG> registryFault(const char* operation, std::initializer_list<CallArg> args);
    // Sets the thread's last error and hands back the call's failure result.
    template <class R> R failWith(win::DWORD code, R result) {
        setLastErrorCode(code);
        return result;
    }
    void setLastErrorCode(win::DWORD code);
    // Logs a power-management call; false, with the last error set, when it fails.
    bool powerCall(const char* operation, std::initializer_list<CallArg> args,
                   const win::HANDLE* device = nullptr);
    // Copies a name out through an in-out count (see FakeWindowsKernel.cpp).
    template <class Size>
    bool copyName(const std::string& name, char* buffer, Size* size, win::DWORD overflow);
    // Windows 98/ME and 2000 and later have the power-management calls.
    bool hasPowerManagement() const;
    // Windows 2000 and later (GetComputerNameExA, GetUserNameExA, GlobalMemoryStatusEx).
    bool isWindows2000OrLater() const;
    // Throws the planned rt::Error for this use of a runtime service, if any.
    void runtimeFault(const char* operation);
    std::string resolveAppPath() const;

    Version version_ = Version::Win98;
    std::unique_ptr<CallLog> log_;
    // The planned failures by operation and use, and the uses counted so far.
    std::map<std::string, std::map<int, std::int32_t>> plannedFaults_;
    std::map<std::string, int> uses_;
    std::vector<std::pair<std::string, int>> trail_;
    std::unique_ptr<FakeDrive> drive_;
    std::unique_ptr<FakeRegistry> registry_;
    std::unique_ptr<FakeSettings> settings_;
    std::unique_ptr<Machine> machine_;
};

} // namespace fake
