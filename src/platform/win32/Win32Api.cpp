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
    static const auto function = lateBound<GetComputerNameExAFn>("kernel32.dll", "GetComputerNameExA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(static_cast<::COMPUTER_NAME_FORMAT>(NameType), lpBuffer,
                    reinterpret_cast<::DWORD*>(nSize));
}

win::BOOL Win32Api::SetComputerNameA(const char* lpComputerName) {
    return ::SetComputerNameA(lpComputerName);
}

win::BOOL Win32Api::SetComputerNameExA(int NameType, const char* lpBuffer) {
    static const auto function = lateBound<SetComputerNameExAFn>("kernel32.dll", "SetComputerNameExA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(static_cast<::COMPUTER_NAME_FORMAT>(NameType), lpBuffer);
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
    static const auto function = lateBound<GlobalMemoryStatusExFn>("kernel32.dll", "GlobalMemoryStatusEx");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(reinterpret_cast<::MEMORYSTATUSEX*>(lpBuffer));
}

win::BOOL Win32Api::GetSystemPowerStatus(SYSTEM_POWER_STATUS* lpSystemPowerStatus) {
    return ::GetSystemPowerStatus(reinterpret_cast<::SYSTEM_POWER_STATUS*>(lpSystemPowerStatus));
}

win::BOOL Win32Api::SetSystemPowerState(BOOL fSuspend, BOOL fForce) {
    static const auto function = lateBound<SetSystemPowerStateFn>("kernel32.dll", "SetSystemPowerState");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(fSuspend, fForce);
}

win::BOOL Win32Api::RequestWakeupLatency(int latency) {
    static const auto function = lateBound<RequestWakeupLatencyFn>("kernel32.dll", "RequestWakeupLatency");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(latency);
}

win::DWORD Win32Api::SetThreadExecutionState(DWORD esFlags) {
    static const auto function =
        lateBound<SetThreadExecutionStateFn>("kernel32.dll", "SetThreadExecutionState");
    if (function == nullptr) {
        notImplemented();
        return 0;
    }
    return function(esFlags);
}

win::BOOL Win32Api::RequestDeviceWakeup(HANDLE hDevice) {
    static const auto function = lateBound<DeviceRequestFn>("kernel32.dll", "RequestDeviceWakeup");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(native<::HANDLE>(hDevice));
}

win::BOOL Win32Api::CancelDeviceWakeupRequest(HANDLE hDevice) {
    static const auto function = lateBound<DeviceRequestFn>("kernel32.dll", "CancelDeviceWakeupRequest");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(native<::HANDLE>(hDevice));
}

win::BOOL Win32Api::IsSystemResumeAutomatic() {
    static const auto function =
        lateBound<IsSystemResumeAutomaticFn>("kernel32.dll", "IsSystemResumeAutomatic");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function();
}

win::BOOL Win32Api::GetDevicePowerState(HANDLE hDevice, BOOL* pfOn) {
    static const auto function = lateBound<GetDevicePowerStateFn>("kernel32.dll", "GetDevicePowerState");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(native<::HANDLE>(hDevice), pfOn);
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
    static const auto function = lateBound<FlashWindowExFn>("user32.dll", "FlashWindowEx");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(reinterpret_cast<::FLASHWINFO*>(pfwi));
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
using CoTaskMemFreeFn = void(WINAPI*)(::LPVOID);
using CoInitializeFn = ::HRESULT(WINAPI*)(::LPVOID);
using CoCreateInstanceFn = ::HRESULT(WINAPI*)(const ::CLSID&, ::LPUNKNOWN, ::DWORD, const ::IID&, ::LPVOID*);
using CoUninitializeFn = void(WINAPI*)();
using sndPlaySoundAFn = ::BOOL(WINAPI*)(::LPCSTR, ::UINT);

win::HINSTANCE Win32Api::ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                                       const char* lpParameters, const char* lpDirectory, INT nShowCmd) {
    static const auto function = lateBound<ShellExecuteAFn>("shell32.dll", "ShellExecuteA");
    if (function == nullptr) {
        notImplemented();
        return 0;
    }
    return portable(function(native<::HWND>(hwnd), lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd));
}

win::HRESULT Win32Api::SHGetSpecialFolderLocation(HWND hwnd, int csidl, ITEMIDLIST** ppidl) {
    static const auto function =
        lateBound<SHGetSpecialFolderLocationFn>("shell32.dll", "SHGetSpecialFolderLocation");
    if (function == nullptr) {
        notImplemented();
        return HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED);
    }
    return function(native<::HWND>(hwnd), csidl, reinterpret_cast<::LPITEMIDLIST*>(ppidl));
}

win::BOOL Win32Api::SHGetPathFromIDListA(const ITEMIDLIST* pidl, char* pszPath) {
    static const auto function = lateBound<SHGetPathFromIDListAFn>("shell32.dll", "SHGetPathFromIDListA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(reinterpret_cast<::LPCITEMIDLIST>(pidl), pszPath);
}

void Win32Api::CoTaskMemFree(void* pv) {
    static const auto function = lateBound<CoTaskMemFreeFn>("ole32.dll", "CoTaskMemFree");
    if (function != nullptr)
        function(pv);
}

// winmm

win::BOOL Win32Api::sndPlaySoundA(const char* pszSound, UINT fuSound) {
    static const auto function = lateBound<sndPlaySoundAFn>("winmm.dll", "sndPlaySoundA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(pszSound, fuSound);
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
    static const auto function = lateBound<InternetOpenAFn>("wininet.dll", "InternetOpenA");
    if (function == nullptr) {
        notImplemented();
        return 0;
    }
    return portable(function(lpszAgent, dwAccessType, lpszProxy, lpszProxyBypass, dwFlags));
}

win::HINTERNET Win32Api::InternetOpenUrlA(HINTERNET hInternet, const char* lpszUrl, const char* lpszHeaders,
                                          DWORD dwHeadersLength, DWORD dwFlags, DWORD_PTR dwContext) {
    static const auto function = lateBound<InternetOpenUrlAFn>("wininet.dll", "InternetOpenUrlA");
    if (function == nullptr) {
        notImplemented();
        return 0;
    }
    return portable(
        function(native<::HINTERNET>(hInternet), lpszUrl, lpszHeaders, dwHeadersLength, dwFlags, dwContext));
}

win::BOOL Win32Api::InternetReadFile(HINTERNET hFile, void* lpBuffer, DWORD dwNumberOfBytesToRead,
                                     DWORD* lpdwNumberOfBytesRead) {
    static const auto function = lateBound<InternetReadFileFn>("wininet.dll", "InternetReadFile");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(native<::HINTERNET>(hFile), lpBuffer, dwNumberOfBytesToRead,
                    reinterpret_cast<::DWORD*>(lpdwNumberOfBytesRead));
}

win::BOOL Win32Api::InternetCloseHandle(HINTERNET hInternet) {
    static const auto function = lateBound<InternetCloseHandleFn>("wininet.dll", "InternetCloseHandle");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(native<::HINTERNET>(hInternet));
}

// shdocvw

win::HRESULT Win32Api::DoFileDownload(const char16_t* lpszFile) {
    static const auto function = lateBound<DoFileDownloadFn>("shdocvw.dll", "DoFileDownload");
    if (function == nullptr) {
        notImplemented();
        return HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED);
    }
    return function(reinterpret_cast<::LPCWSTR>(lpszFile));
}

// version.dll, looked up at first use (see shell32 above).

using GetFileVersionInfoSizeAFn = ::DWORD(WINAPI*)(::LPCSTR, ::LPDWORD);
using GetFileVersionInfoAFn = ::BOOL(WINAPI*)(::LPCSTR, ::DWORD, ::DWORD, ::LPVOID);
using VerQueryValueAFn = ::BOOL(WINAPI*)(::LPCVOID, ::LPCSTR, ::LPVOID*, ::PUINT);

win::DWORD Win32Api::GetFileVersionInfoSizeA(const char* lptstrFilename, DWORD* lpdwHandle) {
    static const auto function =
        lateBound<GetFileVersionInfoSizeAFn>("version.dll", "GetFileVersionInfoSizeA");
    if (function == nullptr) {
        notImplemented();
        return 0;
    }
    return function(lptstrFilename, reinterpret_cast<::DWORD*>(lpdwHandle));
}

win::BOOL Win32Api::GetFileVersionInfoA(const char* lptstrFilename, DWORD dwHandle, DWORD dwLen,
                                        void* lpData) {
    static const auto function = lateBound<GetFileVersionInfoAFn>("version.dll", "GetFileVersionInfoA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(lptstrFilename, dwHandle, dwLen, lpData);
}

win::BOOL Win32Api::VerQueryValueA(const void* pBlock, const char* lpSubBlock, void** lplpBuffer,
                                   UINT* puLen) {
    static const auto function = lateBound<VerQueryValueAFn>("version.dll", "VerQueryValueA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(pBlock, lpSubBlock, lplpBuffer, puLen);
}

// secur32

win::BOOLEAN Win32Api::GetUserNameExA(int NameFormat, char* lpNameBuffer, ULONG* nSize) {
    static const auto function = lateBound<GetUserNameExAFn>("secur32.dll", "GetUserNameExA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(NameFormat, lpNameBuffer, reinterpret_cast<::ULONG*>(nSize));
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

// The shell's link object, as every Windows from 95 on has it: IShellLinkA
// describes the link, its IPersistFile writes it.
win::HRESULT Win32Api::SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) {
    static const auto coInitialize = lateBound<CoInitializeFn>("ole32.dll", "CoInitialize");
    static const auto coCreateInstance = lateBound<CoCreateInstanceFn>("ole32.dll", "CoCreateInstance");
    static const auto coUninitialize = lateBound<CoUninitializeFn>("ole32.dll", "CoUninitialize");
    if (coInitialize == nullptr || coCreateInstance == nullptr || coUninitialize == nullptr) {
        notImplemented();
        return HRESULT_FROM_WIN32(ERROR_CALL_NOT_IMPLEMENTED);
    }
    const ::HRESULT initialized = coInitialize(nullptr);
    ::IShellLinkA* link = nullptr;
    ::HRESULT result = coCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                        reinterpret_cast<void**>(&link));
    if (SUCCEEDED(result)) {
        result = link->SetPath(targetPath);
        if (SUCCEEDED(result))
            result = link->SetArguments(arguments != nullptr ? arguments : "");
        ::IPersistFile* file = nullptr;
        if (SUCCEEDED(result))
            result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(result)) {
            // IPersistFile takes the name in UTF-16; the ANSI code page converts it.
            wchar_t wideName[MAX_PATH] = {};
            if (::MultiByteToWideChar(CP_ACP, 0, linkFile, -1, wideName, MAX_PATH) == 0)
                result = HRESULT_FROM_WIN32(::GetLastError());
            else
                result = file->Save(wideName, TRUE);
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(initialized))
        coUninitialize();
    return result;
}

win::HANDLE Win32Api::GetCurrentProcess() {
    return reinterpret_cast<win::HANDLE>(::GetCurrentProcess());
}

win::BOOL Win32Api::OpenProcessToken(HANDLE ProcessHandle, DWORD DesiredAccess, HANDLE* TokenHandle) {
    static const auto function = lateBound<OpenProcessTokenFn>("advapi32.dll", "OpenProcessToken");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    ::HANDLE token = nullptr;
    const ::BOOL result = function(reinterpret_cast<::HANDLE>(ProcessHandle), DesiredAccess, &token);
    if (TokenHandle != nullptr)
        *TokenHandle = reinterpret_cast<win::HANDLE>(token);
    return result;
}

win::BOOL Win32Api::LookupPrivilegeValueA(const char* lpSystemName, const char* lpName, LUID* lpLuid) {
    static const auto function = lateBound<LookupPrivilegeValueAFn>("advapi32.dll", "LookupPrivilegeValueA");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(lpSystemName, lpName, reinterpret_cast<::PLUID>(lpLuid));
}

win::BOOL Win32Api::AdjustTokenPrivileges(HANDLE TokenHandle, BOOL DisableAllPrivileges,
                                          TOKEN_PRIVILEGES* NewState, DWORD BufferLength,
                                          TOKEN_PRIVILEGES* PreviousState, DWORD* ReturnLength) {
    static const auto function = lateBound<AdjustTokenPrivilegesFn>("advapi32.dll", "AdjustTokenPrivileges");
    if (function == nullptr) {
        notImplemented();
        return FALSE;
    }
    return function(reinterpret_cast<::HANDLE>(TokenHandle), DisableAllPrivileges,
                    reinterpret_cast<::PTOKEN_PRIVILEGES>(NewState), BufferLength,
                    reinterpret_cast<::PTOKEN_PRIVILEGES>(PreviousState),
                    reinterpret_cast<::PDWORD>(ReturnLength));
}

} // namespace win32
