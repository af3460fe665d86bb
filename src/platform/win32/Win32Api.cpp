#include "platform/win32/Win32Api.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <objidl.h>
#include <wininet.h>

#include "platform/win32/LateBound.h"

#include <cstring>

namespace win32 {
namespace {

// The portable structures are handed to Windows as they are; a layout that drifted
// from <windows.h> would corrupt memory, so every one is checked here.
template <typename Portable, typename Native> constexpr bool sameSize() {
    return sizeof(Portable) == sizeof(Native);
}
static_assert(sameSize<win::OSVERSIONINFOA, ::OSVERSIONINFOA>());
static_assert(sameSize<win::OSVERSIONINFOEXA, ::OSVERSIONINFOEXA>());
static_assert(sameSize<win::RECT, ::RECT>());
static_assert(sameSize<win::LUID, ::LUID>());
static_assert(sameSize<win::TOKEN_PRIVILEGES, ::TOKEN_PRIVILEGES>());
static_assert(sameSize<win::LOGFONTA, ::LOGFONTA>());
static_assert(sameSize<win::ICONMETRICSA, ::ICONMETRICSA>());
static_assert(sameSize<win::NONCLIENTMETRICSA, ::NONCLIENTMETRICSA>(),
              "the Windows 95 to 2000 layout: build with WINVER below 0x0600");
static_assert(sameSize<win::ANIMATIONINFO, ::ANIMATIONINFO>());
static_assert(sameSize<win::HIGHCONTRASTA, ::HIGHCONTRASTA>());
static_assert(sameSize<win::ACCESSTIMEOUT, ::ACCESSTIMEOUT>());
static_assert(sameSize<win::FILTERKEYS, ::FILTERKEYS>());
static_assert(sameSize<win::MOUSEKEYS, ::MOUSEKEYS>());
static_assert(sameSize<win::SOUNDSENTRYA, ::SOUNDSENTRYA>());
static_assert(sameSize<win::STICKYKEYS, ::STICKYKEYS>());
static_assert(sameSize<win::TOGGLEKEYS, ::TOGGLEKEYS>());
static_assert(sameSize<win::SYSTEM_INFO, ::SYSTEM_INFO>());
static_assert(sameSize<win::CPINFO, ::CPINFO>());
static_assert(sameSize<win::MEMORYSTATUS, ::MEMORYSTATUS>());
static_assert(sameSize<win::MEMORYSTATUSEX, ::MEMORYSTATUSEX>());
static_assert(sameSize<win::SYSTEM_POWER_STATUS, ::SYSTEM_POWER_STATUS>());
static_assert(sameSize<win::FLASHWINFO, ::FLASHWINFO>());
// Scalars passed by address, and handles passed as numbers.
static_assert(sameSize<win::DWORD, ::DWORD>() && sameSize<win::LONG, ::LONG>());
static_assert(sameSize<win::COLORREF, ::COLORREF>() && sameSize<win::ULONG, ::ULONG>());
static_assert(sameSize<win::HKEY, ::HKEY>() && sameSize<win::HANDLE, ::HANDLE>());
static_assert(sameSize<win::HWND, ::HWND>() && sameSize<win::HDC, ::HDC>());
static_assert(sameSize<win::HCURSOR, ::HCURSOR>() && sameSize<win::HINSTANCE, ::HINSTANCE>());
static_assert(sameSize<win::HINTERNET, ::HINTERNET>());

template <typename Native> Native native(win::ULONG_PTR handle) {
    return reinterpret_cast<Native>(handle);
}
template <typename Native> win::ULONG_PTR portable(Native handle) {
    return reinterpret_cast<win::ULONG_PTR>(handle);
}

// Signatures of the functions looked up at first use.
using GetComputerNameExAFn = ::BOOL(WINAPI*)(::COMPUTER_NAME_FORMAT, ::LPSTR, ::LPDWORD);
using SetComputerNameExAFn = ::BOOL(WINAPI*)(::COMPUTER_NAME_FORMAT, ::LPCSTR);
using GlobalMemoryStatusExFn = ::BOOL(WINAPI*)(::LPMEMORYSTATUSEX);
using SetSystemPowerStateFn = ::BOOL(WINAPI*)(::BOOL, ::BOOL);
using RequestWakeupLatencyFn = ::BOOL(WINAPI*)(int);
using SetThreadExecutionStateFn = ::DWORD(WINAPI*)(::DWORD);
using DeviceRequestFn = ::BOOL(WINAPI*)(::HANDLE);
using IsSystemResumeAutomaticFn = ::BOOL(WINAPI*)();
using GetDevicePowerStateFn = ::BOOL(WINAPI*)(::HANDLE, ::BOOL*);
using FlashWindowExFn = ::BOOL(WINAPI*)(::PFLASHWINFO);
using GetDiskFreeSpaceExAFn = ::BOOL(WINAPI*)(::LPCSTR, ::PULARGE_INTEGER, ::PULARGE_INTEGER,
                                              ::PULARGE_INTEGER);
using DoFileDownloadFn = ::HRESULT(WINAPI*)(::LPCWSTR);
using GetUserNameExAFn = ::BOOLEAN(WINAPI*)(int, ::LPSTR, ::PULONG);

// advapi32's token functions: Windows 95 lacks them.
using OpenProcessTokenFn = ::BOOL(WINAPI*)(::HANDLE, ::DWORD, ::PHANDLE);
using LookupPrivilegeValueAFn = ::BOOL(WINAPI*)(::LPCSTR, ::LPCSTR, ::PLUID);
using AdjustTokenPrivilegesFn = ::BOOL(WINAPI*)(::HANDLE, ::BOOL, ::PTOKEN_PRIVILEGES, ::DWORD,
                                                ::PTOKEN_PRIVILEGES, ::PDWORD);

} // namespace

// kernel32: thread error state

win::DWORD Win32Api::GetLastError() {
    return ::GetLastError();
}

void Win32Api::SetLastError(DWORD dwErrCode) {
    ::SetLastError(dwErrCode);
}

// advapi32: registry

win::LONG Win32Api::RegOpenKeyExA(HKEY hKey, const char* lpSubKey, DWORD ulOptions, REGSAM samDesired,
                                  HKEY* phkResult) {
    return ::RegOpenKeyExA(native<::HKEY>(hKey), lpSubKey, ulOptions, samDesired,
                           reinterpret_cast<::HKEY*>(phkResult));
}

win::LONG Win32Api::RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType,
                                     BYTE* lpData, DWORD* lpcbData) {
    return ::RegQueryValueExA(native<::HKEY>(hKey), lpValueName, reinterpret_cast<::DWORD*>(lpReserved),
                              reinterpret_cast<::DWORD*>(lpType), lpData,
                              reinterpret_cast<::DWORD*>(lpcbData));
}

win::LONG Win32Api::RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType,
                                   const BYTE* lpData, DWORD cbData) {
    return ::RegSetValueExA(native<::HKEY>(hKey), lpValueName, Reserved, dwType, lpData, cbData);
}

win::LONG Win32Api::RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass,
                                    DWORD dwOptions, REGSAM samDesired, void* lpSecurityAttributes,
                                    HKEY* phkResult, DWORD* lpdwDisposition) {
    return ::RegCreateKeyExA(native<::HKEY>(hKey), lpSubKey, Reserved, lpClass, dwOptions, samDesired,
                             static_cast<::LPSECURITY_ATTRIBUTES>(lpSecurityAttributes),
                             reinterpret_cast<::HKEY*>(phkResult),
                             reinterpret_cast<::DWORD*>(lpdwDisposition));
}

win::LONG Win32Api::RegDeleteKeyA(HKEY hKey, const char* lpSubKey) {
    return ::RegDeleteKeyA(native<::HKEY>(hKey), lpSubKey);
}

win::LONG Win32Api::RegEnumKeyA(HKEY hKey, DWORD dwIndex, char* lpName, DWORD cchName) {
    return ::RegEnumKeyA(native<::HKEY>(hKey), dwIndex, lpName, cchName);
}

win::LONG Win32Api::RegDeleteValueA(HKEY hKey, const char* lpValueName) {
    return ::RegDeleteValueA(native<::HKEY>(hKey), lpValueName);
}

win::LONG Win32Api::RegCloseKey(HKEY hKey) {
    return ::RegCloseKey(native<::HKEY>(hKey));
}

win::BOOL Win32Api::GetUserNameA(char* lpBuffer, DWORD* pcbBuffer) {
    return ::GetUserNameA(lpBuffer, reinterpret_cast<::DWORD*>(pcbBuffer));
}

// kernel32: version, paths, profile files, machine facts

win::BOOL Win32Api::GetVersionExA(OSVERSIONINFOA* lpVersionInformation) {
    return ::GetVersionExA(reinterpret_cast<::OSVERSIONINFOA*>(lpVersionInformation));
}

win::DWORD Win32Api::GetShortPathNameA(const char* lpszLongPath, char* lpszShortPath, DWORD cchBuffer) {
    return ::GetShortPathNameA(lpszLongPath, lpszShortPath, cchBuffer);
}

win::BOOL Win32Api::WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                               const char* lpString, const char* lpFileName) {
    return ::WritePrivateProfileStringA(lpAppName, lpKeyName, lpString, lpFileName);
}

void Win32Api::FatalAppExitA(UINT uAction, const char* lpMessageText) {
    ::FatalAppExitA(uAction, lpMessageText);
}

win::BOOL Win32Api::GetDiskFreeSpaceA(const char* lpRootPathName, DWORD* lpSectorsPerCluster,
                                      DWORD* lpBytesPerSector, DWORD* lpNumberOfFreeClusters,
                                      DWORD* lpTotalNumberOfClusters) {
    return ::GetDiskFreeSpaceA(lpRootPathName, reinterpret_cast<::DWORD*>(lpSectorsPerCluster),
                               reinterpret_cast<::DWORD*>(lpBytesPerSector),
                               reinterpret_cast<::DWORD*>(lpNumberOfFreeClusters),
                               reinterpret_cast<::DWORD*>(lpTotalNumberOfClusters));
}

// Windows 95 before OSR2 lacks it.
win::BOOL Win32Api::GetDiskFreeSpaceExA(const char* lpDirectoryName, DWORDLONG* lpFreeBytesAvailableToCaller,
                                        DWORDLONG* lpTotalNumberOfBytes,
                                        DWORDLONG* lpTotalNumberOfFreeBytes) {
    static_assert(sizeof(DWORDLONG) == sizeof(::ULARGE_INTEGER));
    static const LateFunction<GetDiskFreeSpaceExAFn> function("kernel32.dll", "GetDiskFreeSpaceExA");
    return function.callOr(FALSE, lpDirectoryName,
                           reinterpret_cast<::PULARGE_INTEGER>(lpFreeBytesAvailableToCaller),
                           reinterpret_cast<::PULARGE_INTEGER>(lpTotalNumberOfBytes),
                           reinterpret_cast<::PULARGE_INTEGER>(lpTotalNumberOfFreeBytes));
}

win::UINT Win32Api::GetDriveTypeA(const char* lpRootPathName) {
    return ::GetDriveTypeA(lpRootPathName);
}

void Win32Api::GetSystemInfo(SYSTEM_INFO* lpSystemInfo) {
    ::GetSystemInfo(reinterpret_cast<::SYSTEM_INFO*>(lpSystemInfo));
}

win::BOOL Win32Api::GetCPInfo(UINT CodePage, CPINFO* lpCPInfo) {
    return ::GetCPInfo(CodePage, reinterpret_cast<::CPINFO*>(lpCPInfo));
}

win::DWORD Win32Api::GetTempPathA(DWORD nBufferLength, char* lpBuffer) {
    return ::GetTempPathA(nBufferLength, lpBuffer);
}

win::UINT Win32Api::GetWindowsDirectoryA(char* lpBuffer, UINT uSize) {
    return ::GetWindowsDirectoryA(lpBuffer, uSize);
}

win::UINT Win32Api::GetSystemDirectoryA(char* lpBuffer, UINT uSize) {
    return ::GetSystemDirectoryA(lpBuffer, uSize);
}

win::BOOL Win32Api::GetComputerNameA(char* lpBuffer, DWORD* nSize) {
    return ::GetComputerNameA(lpBuffer, reinterpret_cast<::DWORD*>(nSize));
}

win::BOOL Win32Api::GetComputerNameExA(int NameType, char* lpBuffer, DWORD* nSize) {
    static const LateFunction<GetComputerNameExAFn> function("kernel32.dll", "GetComputerNameExA");
    return function.callOr(FALSE, static_cast<::COMPUTER_NAME_FORMAT>(NameType), lpBuffer,
                           reinterpret_cast<::DWORD*>(nSize));
}

win::BOOL Win32Api::SetComputerNameA(const char* lpComputerName) {
    return ::SetComputerNameA(lpComputerName);
}

win::BOOL Win32Api::SetComputerNameExA(int NameType, const char* lpBuffer) {
    static const LateFunction<SetComputerNameExAFn> function("kernel32.dll", "SetComputerNameExA");
    return function.callOr(FALSE, static_cast<::COMPUTER_NAME_FORMAT>(NameType), lpBuffer);
}

win::BOOL Win32Api::CreateDirectoryA(const char* lpPathName, void* lpSecurityAttributes) {
    return ::CreateDirectoryA(lpPathName, static_cast<::LPSECURITY_ATTRIBUTES>(lpSecurityAttributes));
}

win::DWORD Win32Api::GetFileAttributesA(const char* lpFileName) {
    return ::GetFileAttributesA(lpFileName);
}

win::BOOL Win32Api::MoveFileExA(const char* lpExistingFileName, const char* lpNewFileName,
                                win::DWORD dwFlags) {
    return ::MoveFileExA(lpExistingFileName, lpNewFileName, dwFlags);
}

// WCHAR is 16 bits on Windows, so char16_t text goes to Windows as it is.
static_assert(sizeof(char16_t) == sizeof(::WCHAR));

int Win32Api::WideCharToMultiByte(UINT CodePage, DWORD dwFlags, const char16_t* lpWideCharStr,
                                  int cchWideChar, char* lpMultiByteStr, int cbMultiByte,
                                  const char* lpDefaultChar, BOOL* lpUsedDefaultChar) {
    ::BOOL usedDefault = FALSE;
    const int result = ::WideCharToMultiByte(
        CodePage, dwFlags, reinterpret_cast<const ::WCHAR*>(lpWideCharStr), cchWideChar, lpMultiByteStr,
        cbMultiByte, lpDefaultChar, lpUsedDefaultChar ? &usedDefault : nullptr);
    if (lpUsedDefaultChar)
        *lpUsedDefaultChar = usedDefault;
    return result;
}

int Win32Api::MultiByteToWideChar(UINT CodePage, DWORD dwFlags, const char* lpMultiByteStr, int cbMultiByte,
                                  char16_t* lpWideCharStr, int cchWideChar) {
    return ::MultiByteToWideChar(CodePage, dwFlags, lpMultiByteStr, cbMultiByte,
                                 reinterpret_cast<::WCHAR*>(lpWideCharStr), cchWideChar);
}

win::DWORD Win32Api::FormatMessageA(DWORD dwFlags, const void* lpSource, DWORD dwMessageId,
                                    DWORD dwLanguageId, char* lpBuffer, DWORD nSize, void* Arguments) {
    return ::FormatMessageA(dwFlags, lpSource, dwMessageId, dwLanguageId, lpBuffer, nSize,
                            static_cast<va_list*>(Arguments));
}

// kernel32: memory and power

void Win32Api::GlobalMemoryStatus(MEMORYSTATUS* lpBuffer) {
    ::GlobalMemoryStatus(reinterpret_cast<::MEMORYSTATUS*>(lpBuffer));
}

win::BOOL Win32Api::GlobalMemoryStatusEx(MEMORYSTATUSEX* lpBuffer) {
    static const LateFunction<GlobalMemoryStatusExFn> function("kernel32.dll", "GlobalMemoryStatusEx");
    return function.callOr(FALSE, reinterpret_cast<::MEMORYSTATUSEX*>(lpBuffer));
}

win::BOOL Win32Api::GetSystemPowerStatus(SYSTEM_POWER_STATUS* lpSystemPowerStatus) {
    return ::GetSystemPowerStatus(reinterpret_cast<::SYSTEM_POWER_STATUS*>(lpSystemPowerStatus));
}

win::BOOL Win32Api::SetSystemPowerState(BOOL fSuspend, BOOL fForce) {
    static const LateFunction<SetSystemPowerStateFn> function("kernel32.dll", "SetSystemPowerState");
    return function.callOr(FALSE, fSuspend, fForce);
}

win::BOOL Win32Api::RequestWakeupLatency(int latency) {
    static const LateFunction<RequestWakeupLatencyFn> function("kernel32.dll", "RequestWakeupLatency");
    return function.callOr(FALSE, latency);
}

win::DWORD Win32Api::SetThreadExecutionState(DWORD esFlags) {
    static const LateFunction<SetThreadExecutionStateFn> function("kernel32.dll", "SetThreadExecutionState");
    return function.callOr(0, esFlags);
}

win::BOOL Win32Api::RequestDeviceWakeup(HANDLE hDevice) {
    static const LateFunction<DeviceRequestFn> function("kernel32.dll", "RequestDeviceWakeup");
    return function.callOr(FALSE, native<::HANDLE>(hDevice));
}

win::BOOL Win32Api::CancelDeviceWakeupRequest(HANDLE hDevice) {
    static const LateFunction<DeviceRequestFn> function("kernel32.dll", "CancelDeviceWakeupRequest");
    return function.callOr(FALSE, native<::HANDLE>(hDevice));
}

win::BOOL Win32Api::IsSystemResumeAutomatic() {
    static const LateFunction<IsSystemResumeAutomaticFn> function("kernel32.dll", "IsSystemResumeAutomatic");
    return function.callOr(FALSE);
}

win::BOOL Win32Api::GetDevicePowerState(HANDLE hDevice, BOOL* pfOn) {
    static const LateFunction<GetDevicePowerStateFn> function("kernel32.dll", "GetDevicePowerState");
    return function.callOr(FALSE, native<::HANDLE>(hDevice), pfOn);
}

win::HANDLE Win32Api::CreateFileA(const char* lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                  void* lpSecurityAttributes, DWORD dwCreationDisposition,
                                  DWORD dwFlagsAndAttributes, HANDLE hTemplateFile) {
    return portable(::CreateFileA(
        lpFileName, dwDesiredAccess, dwShareMode, static_cast<::LPSECURITY_ATTRIBUTES>(lpSecurityAttributes),
        dwCreationDisposition, dwFlagsAndAttributes, native<::HANDLE>(hTemplateFile)));
}

win::BOOL Win32Api::CloseHandle(HANDLE hObject) {
    return ::CloseHandle(native<::HANDLE>(hObject));
}

// user32: settings, metrics, colours, cursors

win::BOOL Win32Api::SystemParametersInfoA(UINT uiAction, UINT uiParam, void* pvParam, UINT fWinIni) {
    return ::SystemParametersInfoA(uiAction, uiParam, pvParam, fWinIni);
}

int Win32Api::GetSystemMetrics(int nIndex) {
    return ::GetSystemMetrics(nIndex);
}

win::DWORD Win32Api::GetSysColor(int nIndex) {
    return ::GetSysColor(nIndex);
}

win::BOOL Win32Api::SetSysColors(int cElements, const INT* lpaElements, const COLORREF* lpaRgbValues) {
    return ::SetSysColors(cElements, lpaElements, reinterpret_cast<const ::COLORREF*>(lpaRgbValues));
}

win::HCURSOR Win32Api::LoadCursorFromFileA(const char* lpFileName) {
    return portable(::LoadCursorFromFileA(lpFileName));
}

win::BOOL Win32Api::SetSystemCursor(HCURSOR hcur, DWORD id) {
    return ::SetSystemCursor(native<::HCURSOR>(hcur), id);
}

// user32: session, windows, drawing

win::BOOL Win32Api::ExitWindowsEx(UINT uFlags, DWORD dwReason) {
    return ::ExitWindowsEx(uFlags, dwReason);
}

win::BOOL Win32Api::FlashWindow(HWND hWnd, BOOL bInvert) {
    return ::FlashWindow(native<::HWND>(hWnd), bInvert);
}

win::BOOL Win32Api::FlashWindowEx(FLASHWINFO* pfwi) {
    static const LateFunction<FlashWindowExFn> function("user32.dll", "FlashWindowEx");
    return function.callOr(FALSE, reinterpret_cast<::FLASHWINFO*>(pfwi));
}

win::BOOL Win32Api::ShowWindow(HWND hWnd, int nCmdShow) {
    return ::ShowWindow(native<::HWND>(hWnd), nCmdShow);
}

win::BOOL Win32Api::SetRect(RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) {
    return ::SetRect(reinterpret_cast<::RECT*>(lprc), xLeft, yTop, xRight, yBottom);
}

win::BOOL Win32Api::DrawEdge(HDC hdc, RECT* qrc, UINT edge, UINT grfFlags) {
    return ::DrawEdge(native<::HDC>(hdc), reinterpret_cast<::RECT*>(qrc), edge, grfFlags);
}

win::BOOL Win32Api::DrawFrameControl(HDC hdc, RECT* lprc, UINT uType, UINT uState) {
    return ::DrawFrameControl(native<::HDC>(hdc), reinterpret_cast<::RECT*>(lprc), uType, uState);
}

// user32: keyboard, characters, caret, cursor

win::SHORT Win32Api::GetAsyncKeyState(int vKey) {
    return ::GetAsyncKeyState(vKey);
}

win::BOOL Win32Api::IsCharAlphaA(char ch) {
    return ::IsCharAlphaA(ch);
}

win::BOOL Win32Api::IsCharAlphaNumericA(char ch) {
    return ::IsCharAlphaNumericA(ch);
}

win::BOOL Win32Api::IsCharLowerA(char ch) {
    return ::IsCharLowerA(ch);
}

win::BOOL Win32Api::IsCharUpperA(char ch) {
    return ::IsCharUpperA(ch);
}

int Win32Api::GetKeyboardType(int nTypeFlag) {
    return ::GetKeyboardType(nTypeFlag);
}

win::SHORT Win32Api::GetKeyState(int nVirtKey) {
    return ::GetKeyState(nVirtKey);
}

win::BOOL Win32Api::GetKeyboardState(BYTE* lpKeyState) {
    return ::GetKeyboardState(lpKeyState);
}

win::BOOL Win32Api::SetKeyboardState(BYTE* lpKeyState) {
    return ::SetKeyboardState(lpKeyState);
}

void Win32Api::keybd_event(BYTE bVk, BYTE bScan, DWORD dwFlags, ULONG_PTR dwExtraInfo) {
    ::keybd_event(bVk, bScan, dwFlags, dwExtraInfo);
}

win::UINT Win32Api::GetCaretBlinkTime() {
    return ::GetCaretBlinkTime();
}

win::BOOL Win32Api::SetCaretBlinkTime(UINT uMSeconds) {
    return ::SetCaretBlinkTime(uMSeconds);
}

win::BOOL Win32Api::ShowCaret(HWND hWnd) {
    return ::ShowCaret(native<::HWND>(hWnd));
}

win::BOOL Win32Api::HideCaret(HWND hWnd) {
    return ::HideCaret(native<::HWND>(hWnd));
}

int Win32Api::ShowCursor(BOOL bShow) {
    return ::ShowCursor(bShow);
}

// gdi32

win::HDC Win32Api::CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                             const void* pdm) {
    return portable(::CreateICA(pszDriver, pszDevice, pszPort, static_cast<const ::DEVMODEA*>(pdm)));
}

int Win32Api::GetDeviceCaps(HDC hdc, int index) {
    return ::GetDeviceCaps(native<::HDC>(hdc), index);
}

win::BOOL Win32Api::DeleteDC(HDC hdc) {
    return ::DeleteDC(native<::HDC>(hdc));
}

// shell32, ole32, winmm: looked up at first use like the late functions above,
// though every Windows has them. Nothing before the main window needs them, and
// loading shell32 alone brings a dozen more libraries into the process, so the
// program starts faster without them.

using ShellExecuteAFn = ::HINSTANCE(WINAPI*)(::HWND, ::LPCSTR, ::LPCSTR, ::LPCSTR, ::LPCSTR, ::INT);
using SHGetSpecialFolderLocationFn = ::HRESULT(WINAPI*)(::HWND, int, ::LPITEMIDLIST*);
using SHGetPathFromIDListAFn = ::BOOL(WINAPI*)(::LPCITEMIDLIST, ::LPSTR);
using SHGetSpecialFolderPathAFn = ::BOOL(WINAPI*)(::HWND, ::LPSTR, int, ::BOOL);
using CoTaskMemFreeFn = void(WINAPI*)(::LPVOID);
using CoInitializeFn = ::HRESULT(WINAPI*)(::LPVOID);
using CoCreateInstanceFn = ::HRESULT(WINAPI*)(const ::CLSID&, ::LPUNKNOWN, ::DWORD, const ::IID&, ::LPVOID*);
using CoUninitializeFn = void(WINAPI*)();
using sndPlaySoundAFn = ::BOOL(WINAPI*)(::LPCSTR, ::UINT);

win::HINSTANCE Win32Api::ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                                       const char* lpParameters, const char* lpDirectory, INT nShowCmd) {
    static const LateFunction<ShellExecuteAFn> function("shell32.dll", "ShellExecuteA");
    return portable(function.callOr(nullptr, native<::HWND>(hwnd), lpOperation, lpFile, lpParameters,
                                    lpDirectory, nShowCmd));
}

win::HRESULT Win32Api::SHGetSpecialFolderLocation(HWND hwnd, int csidl, ITEMIDLIST** ppidl) {
    static const LateFunction<SHGetSpecialFolderLocationFn> function("shell32.dll",
                                                                     "SHGetSpecialFolderLocation");
    return function.callOr(HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED), native<::HWND>(hwnd), csidl,
                           reinterpret_cast<::LPITEMIDLIST*>(ppidl));
}

win::BOOL Win32Api::SHGetPathFromIDListA(const ITEMIDLIST* pidl, char* pszPath) {
    static const LateFunction<SHGetPathFromIDListAFn> function("shell32.dll", "SHGetPathFromIDListA");
    return function.callOr(FALSE, reinterpret_cast<::LPCITEMIDLIST>(pidl), pszPath);
}

win::BOOL Win32Api::SHGetSpecialFolderPathA(HWND hwndOwner, char* lpszPath, int csidl, BOOL fCreate) {
    static const LateFunction<SHGetSpecialFolderPathAFn> function("shell32.dll", "SHGetSpecialFolderPathA");
    return function.callOr(FALSE, native<::HWND>(hwndOwner), lpszPath, csidl, fCreate);
}

void Win32Api::CoTaskMemFree(void* pv) {
    static const LateFunction<CoTaskMemFreeFn> function("ole32.dll", "CoTaskMemFree");
    function.callIfPresent(pv);
}

// winmm

win::BOOL Win32Api::sndPlaySoundA(const char* pszSound, UINT fuSound) {
    static const LateFunction<sndPlaySoundAFn> function("winmm.dll", "sndPlaySoundA");
    return function.callOr(FALSE, pszSound, fuSound);
}

// wininet: part of Internet Explorer, absent from a bare Windows 95, so looked up
// at first use like the other late functions.

using InternetOpenAFn = ::HINTERNET(WINAPI*)(::LPCSTR, ::DWORD, ::LPCSTR, ::LPCSTR, ::DWORD);
using InternetOpenUrlAFn = ::HINTERNET(WINAPI*)(::HINTERNET, ::LPCSTR, ::LPCSTR, ::DWORD, ::DWORD,
                                                ::DWORD_PTR);
using InternetReadFileFn = ::BOOL(WINAPI*)(::HINTERNET, ::LPVOID, ::DWORD, ::LPDWORD);
using InternetCloseHandleFn = ::BOOL(WINAPI*)(::HINTERNET);

win::HINTERNET Win32Api::InternetOpenA(const char* lpszAgent, DWORD dwAccessType, const char* lpszProxy,
                                       const char* lpszProxyBypass, DWORD dwFlags) {
    static const LateFunction<InternetOpenAFn> function("wininet.dll", "InternetOpenA");
    return portable(function.callOr(nullptr, lpszAgent, dwAccessType, lpszProxy, lpszProxyBypass, dwFlags));
}

win::HINTERNET Win32Api::InternetOpenUrlA(HINTERNET hInternet, const char* lpszUrl, const char* lpszHeaders,
                                          DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext) {
    static const LateFunction<InternetOpenUrlAFn> function("wininet.dll", "InternetOpenUrlA");
    return portable(function.callOr(nullptr, native<::HINTERNET>(hInternet), lpszUrl, lpszHeaders,
                                    dwHeadersLength, dwFlags, dwContext));
}

win::BOOL Win32Api::InternetReadFile(HINTERNET hFile, void* lpBuffer, DWORD dwNumberOfBytesToRead,
                                     DWORD* lpdwNumberOfBytesRead) {
    static const LateFunction<InternetReadFileFn> function("wininet.dll", "InternetReadFile");
    return function.callOr(FALSE, native<::HINTERNET>(hFile), lpBuffer, dwNumberOfBytesToRead,
                           reinterpret_cast<::DWORD*>(lpdwNumberOfBytesRead));
}

win::BOOL Win32Api::InternetCloseHandle(HINTERNET hInternet) {
    static const LateFunction<InternetCloseHandleFn> function("wininet.dll", "InternetCloseHandle");
    return function.callOr(FALSE, native<::HINTERNET>(hInternet));
}

// shdocvw

win::HRESULT Win32Api::DoFileDownload(const char16_t* lpszFile) {
    static const LateFunction<DoFileDownloadFn> function("shdocvw.dll", "DoFileDownload");
    return function.callOr(HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED),
                           reinterpret_cast<::LPCWSTR>(lpszFile));
}

// version.dll, looked up at first use (see shell32 above).

using GetFileVersionInfoSizeAFn = ::DWORD(WINAPI*)(::LPCSTR, ::LPDWORD);
using GetFileVersionInfoAFn = ::BOOL(WINAPI*)(::LPCSTR, ::DWORD, ::DWORD, ::LPVOID);
using VerQueryValueAFn = ::BOOL(WINAPI*)(::LPCVOID, ::LPCSTR, ::LPVOID*, ::PUINT);

win::DWORD Win32Api::GetFileVersionInfoSizeA(const char* lptstrFilename, DWORD* lpdwHandle) {
    static const LateFunction<GetFileVersionInfoSizeAFn> function("version.dll", "GetFileVersionInfoSizeA");
    return function.callOr(0, lptstrFilename, reinterpret_cast<::DWORD*>(lpdwHandle));
}

win::BOOL Win32Api::GetFileVersionInfoA(const char* lptstrFilename, DWORD dwHandle, DWORD dwLen,
                                        void* lpData) {
    static const LateFunction<GetFileVersionInfoAFn> function("version.dll", "GetFileVersionInfoA");
    return function.callOr(FALSE, lptstrFilename, dwHandle, dwLen, lpData);
}

win::BOOL Win32Api::VerQueryValueA(const void* pBlock, const char* lpSubBlock, void** lplpBuffer,
                                   UINT* puLen) {
    static const LateFunction<VerQueryValueAFn> function("version.dll", "VerQueryValueA");
    return function.callOr(FALSE, pBlock, lpSubBlock, lplpBuffer, puLen);
}

// secur32

win::BOOLEAN Win32Api::GetUserNameExA(int NameFormat, char* lpNameBuffer, ULONG* nSize) {
    static const LateFunction<GetUserNameExAFn> function("secur32.dll", "GetUserNameExA");
    return function.callOr(FALSE, NameFormat, lpNameBuffer, reinterpret_cast<::ULONG*>(nSize));
}

// ---- drawing on a window's client area ------------------------------------------------------

win::BOOL Win32Api::GetClientRect(HWND hWnd, RECT* lpRect) {
    return ::GetClientRect(native<::HWND>(hWnd), reinterpret_cast<::RECT*>(lpRect));
}

win::HDC Win32Api::GetDC(HWND hWnd) {
    return reinterpret_cast<win::HDC>(::GetDC(native<::HWND>(hWnd)));
}

int Win32Api::ReleaseDC(HWND hWnd, HDC hDC) {
    return ::ReleaseDC(native<::HWND>(hWnd), native<::HDC>(hDC));
}

win::BOOL Win32Api::InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase) {
    return ::InvalidateRect(native<::HWND>(hWnd), reinterpret_cast<const ::RECT*>(lpRect), bErase);
}

win::BOOL Win32Api::UpdateWindow(HWND hWnd) {
    return ::UpdateWindow(native<::HWND>(hWnd));
}

// ---- shell links and the process token ---------------------------------------------------

namespace {

// COM on this thread for a scope: CoInitialize when made, CoUninitialize when the
// scope ends if CoInitialize succeeded (S_FALSE, COM already there, counts too and
// is balanced the same way).
class ComApartment {
public:
    ComApartment(const LateFunction<CoInitializeFn>& initialize,
                 const LateFunction<CoUninitializeFn>& uninitialize)
        : uninitialize_(uninitialize), initialized_(initialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(initialized_))
            uninitialize_();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    const LateFunction<CoUninitializeFn>& uninitialize_;
    ::HRESULT initialized_;
};

// A COM interface pointer, released when the scope that holds it ends; one that
// was never handed out (a failed CoCreateInstance or QueryInterface) is not.
template <class Interface> class ComPointer {
public:
    ComPointer() = default;
    ~ComPointer() {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* operator->() const { return pointer_; }
    // Where CoCreateInstance or QueryInterface puts the pointer.
    void** out() { return reinterpret_cast<void**>(&pointer_); }

private:
    Interface* pointer_ = nullptr;
};

} // namespace

// The shell's link object, as every Windows from 95 on has it: IShellLinkA
// describes the link, its IPersistFile writes it. The first failure is the result.
win::HRESULT Win32Api::SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) {
    static const LateFunction<CoInitializeFn> coInitialize("ole32.dll", "CoInitialize");
    static const LateFunction<CoCreateInstanceFn> coCreateInstance("ole32.dll", "CoCreateInstance");
    static const LateFunction<CoUninitializeFn> coUninitialize("ole32.dll", "CoUninitialize");
    if (!coInitialize.present() || !coCreateInstance.present() || !coUninitialize.present()) {
        notImplemented();
        return HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED);
    }
    const ComApartment apartment(coInitialize, coUninitialize);

    // 1. The link object.
    ComPointer<::IShellLinkA> link;
    ::HRESULT result =
        coCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.out());
    if (FAILED(result))
        return result;

    // 2. What it starts.
    result = link->SetPath(targetPath);
    if (FAILED(result))
        return result;
    result = link->SetArguments(arguments != nullptr ? arguments : "");
    if (FAILED(result))
        return result;

    // 3. Saved under the link's name, which IPersistFile takes in UTF-16; the ANSI
    // code page converts it.
    ComPointer<::IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.out());
    if (FAILED(result))
        return result;
    wchar_t wideName[MAX_PATH] = {};
    if (::MultiByteToWideChar(CP_ACP, 0, linkFile, -1, wideName, MAX_PATH) == 0)
        return HRESULT_FROM_WIN32(::GetLastError());
    return file->Save(wideName, TRUE);
}

win::HANDLE Win32Api::GetCurrentProcess() {
    return reinterpret_cast<win::HANDLE>(::GetCurrentProcess());
}

// The token comes back through a native handle; a missing function leaves
// *TokenHandle as it was.
win::BOOL Win32Api::OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess, HANDLE* TokenHandle) {
    static const LateFunction<OpenProcessTokenFn> function("advapi32.dll", "OpenProcessToken");
    ::HANDLE token = nullptr;
    const ::BOOL result =
        function.callOr(FALSE, reinterpret_cast<::HANDLE>(ProcessHandle), DesiredAccess, &token);
    if (function.present() && TokenHandle != nullptr)
        *TokenHandle = reinterpret_cast<win::HANDLE>(token);
    return result;
}

win::BOOL Win32Api::LookupPrivilegeValueA(const char* lpSystemName, const char* lpName, LUID* lpLuid) {
    static const LateFunction<LookupPrivilegeValueAFn> function("advapi32.dll", "LookupPrivilegeValueA");
    return function.callOr(FALSE, lpSystemName, lpName, reinterpret_cast<::PLUID>(lpLuid));
}

win::BOOL Win32Api::AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges,
                                          TOKEN_PRIVILEGES* NewState, DWORD BufferLength,
                                          TOKEN_PRIVILEGES* PreviousState, DWORD* ReturnLength) {
    static const LateFunction<AdjustTokenPrivilegesFn> function("advapi32.dll", "AdjustTokenPrivileges");
    return function.callOr(FALSE, reinterpret_cast<::HANDLE>(TokenHandle), DisableAllPrivileges,
                           reinterpret_cast<::PTOKEN_PRIVILEGES>(NewState), BufferLength,
                           reinterpret_cast<::PTOKEN_PRIVILEGES>(PreviousState),
                           reinterpret_cast<::PDWORD>(ReturnLength));
}

} // namespace win32
