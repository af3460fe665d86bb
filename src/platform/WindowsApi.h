// The Windows calls the program makes, under their Windows names, with the Windows
// argument order and return conventions (status codes, lengths, handles, the
// thread's last-error code). The core reaches Windows only through this class.
//
// Two implementations: Win32Api (src/platform/win32), a thin pass-through to the
// ANSI Win32 functions, and FakeWindows (src/platform/fake), the Windows of the
// tests. The contract tests in tests/contract hold both to the same behaviour.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>

namespace win {

class WindowsApi {
public:
    virtual ~WindowsApi() = default;

    // kernel32: thread error state
    virtual DWORD GetLastError() = 0;
    virtual void SetLastError(DWORD dwErrCode) = 0;

    // advapi32: registry
    virtual LONG RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                               HKEY* phkResult) = 0;
    virtual LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                                  BYTE* lpData, DWORD* lpcbData) = 0;
    virtual LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType,
                                const BYTE* lpData, DWORD cbData) = 0;
    virtual LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass,
                                 DWORD dwOptions, REGSAM samDesired, void* lpSecurityAttributes,
                                 HKEY* phkResult, DWORD* lpdwDisposition) = 0;
    virtual LONG RegDeleteKeyA(HKEY hKey, const char* lpSubKey) = 0;
    virtual LONG RegDeleteValueA(HKEY hKey, const char* lpValueName) = 0;
    virtual LONG RegCloseKey(HKEY hKey) = 0;
    // The sub-key at dwIndex (0, 1, ...) by name; ERROR_NO_MORE_ITEMS past the last.
    virtual LONG RegEnumKeyA(HKEY hKey, DWORD dwIndex, char* lpName, DWORD cchName) = 0;
    virtual BOOL GetUserNameA(char* lpBuffer, DWORD* pcbBuffer) = 0;

    // kernel32: version, paths, profile files, machine facts
    virtual BOOL GetVersionExA(OSVERSIONINFOA* lpVersionInformation) = 0;
    virtual DWORD GetShortPathNameA(const char* lpszLongPath, char* lpszShortPath, DWORD cchBuffer) = 0;
    virtual BOOL WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                            const char* lpString, const char* lpFileName) = 0;
    virtual void FatalAppExitA(UINT uAction, const char* lpMessageText) = 0;
    virtual BOOL GetDiskFreeSpaceA(const char* lpRootPathName, DWORD* lpSectorsPerCluster,
                                   DWORD* lpBytesPerSector, DWORD* lpNumberOfFreeClusters,
                                   DWORD* lpTotalNumberOfClusters) = 0;
    // Windows 95 OSR2 and NT 4 on: the byte counts whole, where GetDiskFreeSpaceA
    // caps its cluster counts at 2 GiB on the 95 family.
    virtual BOOL GetDiskFreeSpaceExA(const char* lpDirectoryName, DWORDLONG* lpFreeBytesAvailableToCaller,
                                     DWORDLONG* lpTotalNumberOfBytes,
                                     DWORDLONG* lpTotalNumberOfFreeBytes) = 0;
    virtual UINT GetDriveTypeA(const char* lpRootPathName) = 0;
    virtual void GetSystemInfo(SYSTEM_INFO* lpSystemInfo) = 0;
    virtual BOOL GetCPInfo(UINT CodePage, CPINFO* lpCPInfo) = 0;
    virtual DWORD GetTempPathA(DWORD nBufferLength, char* lpBuffer) = 0;
    virtual UINT GetWindowsDirectoryA(char* lpBuffer, UINT uSize) = 0;
    virtual UINT GetSystemDirectoryA(char* lpBuffer, UINT uSize) = 0;
    virtual BOOL GetComputerNameA(char* lpBuffer, DWORD* nSize) = 0;
    virtual BOOL GetComputerNameExA(int NameType, char* lpBuffer, DWORD* nSize) = 0;
    virtual BOOL SetComputerNameA(const char* lpComputerName) = 0;
    virtual BOOL SetComputerNameExA(int NameType, const char* lpBuffer) = 0;
    virtual DWORD FormatMessageA(DWORD dwFlags, const void* lpSource, DWORD dwMessageId, DWORD dwLanguageId,
                                 char* lpBuffer, DWORD nSize, void* Arguments) = 0;

    // kernel32: folders and code pages
    virtual BOOL CreateDirectoryA(const char* lpPathName, void* lpSecurityAttributes) = 0;
    // A file's or folder's attributes, INVALID_FILE_ATTRIBUTES when it is not there.
    virtual DWORD GetFileAttributesA(const char* lpFileName) = 0;
    // A file renamed, onto an existing file with MOVEFILE_REPLACE_EXISTING; the 95 family
    // has none (FALSE, ERROR_CALL_NOT_IMPLEMENTED: Microsoft Knowledge Base Q129532).
    virtual BOOL MoveFileExA(const char* lpExistingFileName, const char* lpNewFileName, DWORD dwFlags) = 0;
    // UTF-16 text in a code page (CP_ACP: the system's ANSI code page); a character the
    // code page lacks becomes the default character and sets *lpUsedDefaultChar.
    virtual int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const char16_t* lpWideCharStr,
                                    int cchWideChar, char* lpMultiByteStr, int cbMultiByte,
                                    const char* lpDefaultChar, BOOL* lpUsedDefaultChar) = 0;
    virtual int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr, int cbMultiByte,
                                    char16_t* lpWideCharStr, int cchWideChar) = 0;

    // kernel32: memory and power
    virtual void GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) = 0;
    virtual BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX* lpBuffer) = 0;
    virtual BOOL GetSystemPowerStatus(SYSTEM_POWER_STATUS* lpSystemPowerStatus) = 0;
    virtual BOOL SetSystemPowerState(BOOL fSuspend, BOOL fForce) = 0;
    virtual BOOL RequestWakeupLatency(int latency) = 0;
    virtual DWORD SetThreadExecutionState(DWORD esFlags) = 0;
    virtual BOOL RequestDeviceWakeup(HANDLE hDevice) = 0;
    virtual BOOL CancelDeviceWakeupRequest(HANDLE hDevice) = 0;
    virtual BOOL IsSystemResumeAutomatic() = 0;
    virtual BOOL GetDevicePowerState(HANDLE hDevice, BOOL* pfOn) = 0;
    virtual HANDLE CreateFileA(const char* lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                               void* lpSecurityAttributes, DWORD dwCreationDisposition,
                               DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) = 0;
    virtual BOOL CloseHandle(HANDLE hObject) = 0;

    // user32: settings, metrics, colours, cursors
    virtual BOOL SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni) = 0;
    virtual int GetSystemMetrics(int nIndex) = 0;
    virtual DWORD GetSysColor(int nIndex) = 0;
    virtual BOOL SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) = 0;
    virtual HCURSOR LoadCursorFromFileA(const char* lpFileName) = 0;
    virtual BOOL SetSystemCursor(HCURSOR hcur, DWORD id) = 0;

    // user32: session, windows, drawing
    virtual BOOL ExitWindowsEx(UINT uFlags, DWORD dwReason) = 0;
    virtual BOOL FlashWindow(HWND hWnd, BOOL bInvert) = 0;
    virtual BOOL FlashWindowEx(FLASHWINFO* pfwi) = 0;
    virtual BOOL ShowWindow(HWND hWnd, int nCmdShow) = 0;
    virtual BOOL SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) = 0;
    virtual BOOL DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) = 0;
    virtual BOOL DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState) = 0;

    // user32: keyboard, characters, caret, cursor
    virtual SHORT GetAsyncKeyState(int vKey) = 0;
    virtual BOOL IsCharAlphaA(char ch) = 0;
    virtual BOOL IsCharAlphaNumericA(char ch) = 0;
    virtual BOOL IsCharLowerA(char ch) = 0;
    virtual BOOL IsCharUpperA(char ch) = 0;
    virtual int GetKeyboardType(int nTypeFlag) = 0;
    virtual SHORT GetKeyState(int nVirtKey) = 0;
    virtual BOOL GetKeyboardState(BYTE* lpKeyState) = 0;
    virtual BOOL SetKeyboardState(BYTE* lpKeyState) = 0;
    virtual void keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo) = 0;
    virtual UINT GetCaretBlinkTime() = 0;
    virtual BOOL SetCaretBlinkTime(UINT uMSeconds) = 0;
    virtual BOOL ShowCaret(HWND hWnd) = 0;
    virtual BOOL HideCaret(HWND hWnd) = 0;
    virtual int ShowCursor(BOOL bShow) = 0;

    // gdi32
    virtual HDC CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                          const void* pdm) = 0;
    virtual int GetDeviceCaps(HDC hdc, int index) = 0;
    virtual BOOL DeleteDC(HDC hdc) = 0;

    // shell32, ole32
    virtual HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                                    const char* lpParameters, const char* lpDirectory, INT nShowCmd) = 0;
    virtual HRESULT SHGetSpecialFolderLocation(HWND hwnd, int csidl, ITEMIDLIST** ppidl) = 0;
    virtual BOOL SHGetPathFromIDListA(const ITEMIDLIST* pidl, char* pszPath) = 0;
    // Shell32 4.71 and later (Windows 98, 2000, the Internet Explorer 4 shell); FALSE with
    // ERROR_CALL_NOT_IMPLEMENTED where shell32 lacks it.
    virtual BOOL SHGetSpecialFolderPathA(HWND hwndOwner, char* lpszPath, int csidl, BOOL fCreate) = 0;
    virtual void CoTaskMemFree(void* pv) = 0;

    // winmm
    virtual BOOL sndPlaySoundA(const char* pszSound, UINT fuSound) = 0;

    // wininet
    virtual HINTERNET InternetOpenA(const char* lpszAgent, DWORD dwAccessType, const char* lpszProxy,
                                    const char* lpszProxyBypass, DWORD dwFlags) = 0;
    virtual HINTERNET InternetOpenUrlA(HINTERNET hInternet, const char* lpszUrl, const char* lpszHeaders,
                                       DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext) = 0;
    virtual BOOL InternetReadFile(HINTERNET hFile, void* lpBuffer, DWORD dwNumberOfBytesToRead,
                                  DWORD* lpdwNumberOfBytesRead) = 0;
    virtual BOOL InternetCloseHandle(HINTERNET hInternet) = 0;

    // shdocvw: shows the system's download dialog for a UTF-16 address
    virtual HRESULT DoFileDownload(const char16_t* lpszFile) = 0;

    // version.dll
    virtual DWORD GetFileVersionInfoSizeA(const char* lptstrFilename, DWORD* lpdwHandle) = 0;
    virtual BOOL GetFileVersionInfoA(const char* lptstrFilename, DWORD dwHandle, DWORD dwLen,
                                     void* lpData) = 0;
    virtual BOOL VerQueryValueA(const void* pBlock, const char* lpSubBlock, void** lplpBuffer,
                                UINT* puLen) = 0;

    // secur32
    virtual BOOLEAN GetUserNameExA(int NameFormat, char* lpNameBuffer, ULONG* nSize) = 0;

    // ---- drawing on a window's client area --------------------------------------------

    // user32: the client area's size (left and top 0), its device context, and
    // having the window repaint itself at once.
    virtual BOOL GetClientRect(HWND hWnd, RECT* lpRect) = 0;
    virtual HDC GetDC(HWND hWnd) = 0;
    virtual int ReleaseDC(HWND hWnd, HDC hDC) = 0;
    virtual BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) = 0;
    virtual BOOL UpdateWindow(HWND hWnd) = 0;

    // ---- shortcuts and the shut-down privilege ----------------------------------------

    // shell32's link object: a shell link (IShellLinkA) that starts targetPath
    // with arguments, saved through its IPersistFile as linkFile (a full path
    // ending in ".lnk"). S_OK on success.
    virtual HRESULT SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) = 0;

    // kernel32/advapi32: the process's access token, for enabling a privilege.
    // The 95 family has no tokens: there the token calls fail with
    // ERROR_CALL_NOT_IMPLEMENTED.
    virtual HANDLE GetCurrentProcess() = 0;
    virtual BOOL OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess, HANDLE* TokenHandle) = 0;
    virtual BOOL LookupPrivilegeValueA(const char* lpSystemName, const char* lpName, LUID* lpLuid) = 0;
    virtual BOOL AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges,
                                       TOKEN_PRIVILEGES* NewState, DWORD BufferLength,
                                       TOKEN_PRIVILEGES* PreviousState, DWORD* ReturnLength) = 0;
};

} // namespace win
