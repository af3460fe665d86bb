// The real Windows: every call of win::WindowsApi handed to the ANSI Win32 function
// of the same name. The portable structures have the layouts of their <windows.h>
// counterparts, so arguments pass through unchanged.
//
// Functions that Windows 95 does not export (and the two from optional libraries:
// shdocvw's DoFileDownload and the advapi32 token functions) are looked up
// when first called, so the program still loads on Windows 95; where they are
// missing they fail with ERROR_CALL_NOT_IMPLEMENTED as the thread's last error.
#pragma once

#include "platform/WindowsApi.h"

namespace win32 {

class Win32Api : public win::WindowsApi {
    // The portable names, so that the declarations below read as the Windows ones.
    using BOOL = win::BOOL;
    using BOOLEAN = win::BOOLEAN;
    using BYTE = win::BYTE;
    using COLORREF = win::COLORREF;
    using CPINFO = win::CPINFO;
    using DWORD = win::DWORD;
    using DWORDLONG = win::DWORDLONG;
    using DWORD_PTR = win::DWORD_PTR;
    using FLASHWINFO = win::FLASHWINFO;
    using HANDLE = win::HANDLE;
    using HCURSOR = win::HCURSOR;
    using HDC = win::HDC;
    using HINSTANCE = win::HINSTANCE;
    using HINTERNET = win::HINTERNET;
    using HKEY = win::HKEY;
    using HRESULT = win::HRESULT;
    using HWND = win::HWND;
    using INT = win::INT;
    using ITEMIDLIST = win::ITEMIDLIST;
    using LONG = win::LONG;
    using LUID = win::LUID;
    using MEMORYSTATUS = win::MEMORYSTATUS;
    using MEMORYSTATUSEX = win::MEMORYSTATUSEX;
    using OSVERSIONINFOA = win::OSVERSIONINFOA;
    using RECT = win::RECT;
    using TOKEN_PRIVILEGES = win::TOKEN_PRIVILEGES;
    using REGSAM = win::REGSAM;
    using SHORT = win::SHORT;
    using SYSTEM_INFO = win::SYSTEM_INFO;
    using SYSTEM_POWER_STATUS = win::SYSTEM_POWER_STATUS;
    using UINT = win::UINT;
    using ULONG = win::ULONG;
    using ULONG_PTR = win::ULONG_PTR;

public:
    // kernel32: thread error state
    DWORD GetLastError() override;
    void SetLastError(DWORD dwErrCode) override;

    // advapi32: registry
    LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                       HKEY* phkResult) override;
    LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType, BYTE* lpData,
                          DWORD* lpcbData) override;
    LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                        DWORD cbData) override;
    LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass, DWORD dwOptions,
                         REGSAM samDesired, void* lpSecurityAttributes, HKEY* phkResult,
                         DWORD* lpdwDisposition) override;
    LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) override;
    LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) override;
    LONG RegCloseKey(HKEY hKey) override;
    LONG RegEnumKeyA(HKEY hKey, DWORD dwIndex, char* lpName, DWORD cchName) override;
    BOOL GetUserNameA(char* lpBuffer, DWORD* pcbBuffer) override;

    // kernel32: version, paths, profile files, machine facts
    BOOL GetVersionExA(OSVERSIONINFOA* lpVersionInformation) override;
    DWORD GetShortPathNameA(const char* lpszLongPath, char* lpszShortPath, DWORD cchBuffer) override;
    BOOL WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName, const char* lpString,
                                    const char* lpFileName) override;
    void FatalAppExitA(UINT uAction, const char* lpMessageText) override;
    BOOL GetDiskFreeSpaceA(const char* lpRootPathName, DWORD* lpSectorsPerCluster, DWORD* lpBytesPerSector,
                           DWORD* lpNumberOfFreeClusters, DWORD* lpTotalNumberOfClusters) override;
    BOOL GetDiskFreeSpaceExA(const char* lpDirectoryName, DWORDLONG* lpFreeBytesAvailableToCaller,
                             DWORDLONG* lpTotalNumberOfBytes, DWORDLONG* lpTotalNumberOfFreeBytes) override;
    UINT GetDriveTypeA(const char* lpRootPathName) override;
    void GetSystemInfo(SYSTEM_INFO* lpSystemInfo) override;
    BOOL GetCPInfo(UINT CodePage, CPINFO* lpCPInfo) override;
    DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer) override;
    UINT GetWindowsDirectoryA(char* lpBuffer, UINT uSize) override;
    UINT GetSystemDirectoryA(char* lpBuffer, UINT uSize) override;
    BOOL GetComputerNameA(char* lpBuffer, DWORD* nSize) override;
    BOOL GetComputerNameExA(int NameType, char* lpBuffer, DWORD* nSize) override;
    BOOL SetComputerNameA(const char* lpComputerName) override;
    BOOL SetComputerNameExA(int NameType, const char* lpBuffer) override;
    BOOL CreateDirectoryA(const char* lpPathName, void* lpSecurityAttributes) override;
    DWORD GetFileAttributesA(const char* lpFileName) override;
    BOOL MoveFileExA(const char* lpExistingFileName, const char* lpNewFileName, DWORD dwFlags) override;
    int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const char16_t* lpWideCharStr, int cchWideChar,
                            char* lpMultiByteStr, int cbMultiByte, const char* lpDefaultChar,
                            BOOL* lpUsedDefaultChar) override;
    int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr, int cbMultiByte,
                            char16_t* lpWideCharStr, int cchWideChar) override;
    DWORD FormatMessageA(DWORD dwFlags, const void* lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                         char* lpBuffer, DWORD nSize, void* Arguments) override;

    // kernel32: memory and power
    void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) override;
    BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX* lpBuffer) override;
    BOOL GetSystemPowerStatus(SYSTEM_POWER_STATUS* lpSystemPowerStatus) override;
    BOOL SetSystemPowerState(BOOL fSuspend, BOOL fForce) override;
    BOOL RequestWakeupLatency(int latency) override;
    DWORD SetThreadExecutionState(DWORD esFlags) override;
    BOOL RequestDeviceWakeup(HANDLE hDevice) override;
    BOOL CancelDeviceWakeupRequest(HANDLE hDevice) override;
    BOOL IsSystemResumeAutomatic() override;
    BOOL GetDevicePowerState(HANDLE hDevice, BOOL* pfOn) override;
    HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                       void* lpSecurityAttributes, DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                       HANDLE hTemplateFile) override;
    BOOL CloseHandle(HANDLE hObject) override;

    // user32: settings, metrics, colours, cursors
    BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni) override;
    int GetSystemMetrics(int nIndex) override;
    DWORD GetSysColor(int nIndex) override;
    BOOL SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) override;
    HCURSOR LoadCursorFromFileA(const char* lpFileName) override;
    BOOL SetSystemCursor(HCURSOR hcur, DWORD id) override;

    // user32: session, windows, drawing
    BOOL ExitWindowsEx(UINT uFlags, DWORD dwReason) override;
    BOOL FlashWindow(HWND hWnd, BOOL bInvert) override;
    BOOL FlashWindowEx(FLASHWINFO* pfwi) override;
    BOOL ShowWindow(HWND hWnd, int nCmdShow) override;
    BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) override;
    BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) override;
    BOOL DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState) override;

    // user32: keyboard, characters, caret, cursor
    SHORT GetAsyncKeyState(int vKey) override;
    BOOL IsCharAlphaA(char ch) override;
    BOOL IsCharAlphaNumericA(char ch) override;
    BOOL IsCharLowerA(char ch) override;
    BOOL IsCharUpperA(char ch) override;
    int GetKeyboardType(int nTypeFlag) override;
    SHORT GetKeyState(int nVirtKey) override;
    BOOL GetKeyboardState(BYTE* lpKeyState) override;
    BOOL SetKeyboardState(BYTE* lpKeyState) override;
    void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo) override;
    UINT GetCaretBlinkTime() override;
    BOOL SetCaretBlinkTime(UINT uMSeconds) override;
    BOOL ShowCaret(HWND hWnd) override;
    BOOL HideCaret(HWND hWnd) override;
    int ShowCursor(BOOL bShow) override;

    // gdi32
    HDC CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                  const void* pdm) override;
    int GetDeviceCaps(HDC hdc, int index) override;
    BOOL DeleteDC(HDC hdc) override;

    // shell32, ole32
    HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile, const char* lpParameters,
                            const char* lpDirectory, INT nShowCmd) override;
    HRESULT SHGetSpecialFolderLocation(HWND hwnd, int csidl, ITEMIDLIST** ppidl) override;
    BOOL SHGetSpecialFolderPathA(HWND hwndOwner, char* lpszPath, int csidl, BOOL fCreate) override;
    BOOL SHGetPathFromIDListA(const ITEMIDLIST* pidl, char* pszPath) override;
    void CoTaskMemFree(void* pv) override;

    // winmm
    BOOL sndPlaySoundA(const char* pszSound, UINT fuSound) override;

    // wininet
    HINTERNET InternetOpenA(const char* lpszAgent, DWORD dwAccessType, const char* lpszProxy,
                            const char* lpszProxyBypass, DWORD dwFlags) override;
    HINTERNET InternetOpenUrlA(HINTERNET hInternet, const char* lpszUrl, const char* lpszHeaders,
                               DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext) override;
    BOOL InternetReadFile(HINTERNET hFile, void* lpBuffer, DWORD dwNumberOfBytesToRead,
                          DWORD* lpdwNumberOfBytesRead) override;
    BOOL InternetCloseHandle(HINTERNET hInternet) override;

    // shdocvw: shows the system's download dialog for a UTF-16 address
    HRESULT DoFileDownload(const char16_t* lpszFile) override;

    // version.dll
    DWORD GetFileVersionInfoSizeA(const char* lptstrFilename, DWORD* lpdwHandle) override;
    BOOL GetFileVersionInfoA(const char* lptstrFilename, DWORD dwHandle, DWORD dwLen, void* lpData) override;
    BOOL VerQueryValueA(const void* pBlock, const char* lpSubBlock, void** lplpBuffer, UINT* puLen) override;

    // secur32
    BOOLEAN GetUserNameExA(int NameFormat, char* lpNameBuffer, ULONG* nSize) override;

    // user32: drawing on a window's client area
    BOOL GetClientRect(HWND hWnd, RECT* lpRect) override;
    HDC GetDC(HWND hWnd) override;
    int ReleaseDC(HWND hWnd, HDC hDC) override;
    BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) override;
    BOOL UpdateWindow(HWND hWnd) override;

    // shell32's link object, and the process token (advapi32, looked up at first
    // use: Windows 95 lacks the token functions)
    HRESULT SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) override;
    HANDLE GetCurrentProcess() override;
    BOOL OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess, HANDLE* TokenHandle) override;
    BOOL LookupPrivilegeValueA(const char* lpSystemName, const char* lpName, LUID* lpLuid) override;
    BOOL AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges, TOKEN_PRIVILEGES* NewState,
                               DWORD BufferLength, TOKEN_PRIVILEGES* PreviousState,
                               DWORD* ReturnLength) override;
};

} // namespace win32
