// user32 and gdi32 calls of the fake: the settings stores (system parameters,
// metrics, colours, cursors), the session, window and drawing calls, and the
// keyboard, caret and cursor state.
#include "fake/FakeWindows.h"

#include "platform/WinFacts.h"

#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/FakeSettings.h"
#include "fake/TextUtil.h"

#include <cstring>
#include <map>
#include <utility>

namespace fake {

namespace {

constexpr win::DWORD ERROR_INVALID_DATA = 13;
constexpr win::UINT EWX_SHUTDOWN = 1, EWX_REBOOT = 2, EWX_POWEROFF = 8;
constexpr win::DWORD KEYEVENTF_KEYUP = 2;

bool isUpper(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}
bool isLower(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xDF && c != 0xF7);
}

} // namespace

win::BOOL FakeWindows::SystemParametersInfoA(win::UINT uiAction, win::UINT uiParam, void* pvParam,
                                             win::UINT fWinIni) {
    if (faulted("SystemParametersInfoA", {uiAction, uiParam, static_cast<const void*>(pvParam), fWinIni}))
        return win::FALSE;
    win::DWORD error = 0;
    const win::BOOL result = settings.spi.call(uiAction, uiParam, pvParam, fWinIni, error);
    if (!result && error)
        setLastErrorCode(error);
    return result;
}

int FakeWindows::GetSystemMetrics(int nIndex) {
    if (faulted("GetSystemMetrics", {nIndex}))
        return 0;
    return settings.metrics.get(nIndex);
}

win::DWORD FakeWindows::GetSysColor(int nIndex) {
    if (faulted("GetSysColor", {nIndex}))
        return 0;
    return settings.colors.get(nIndex);
}

// SetSysColors: one call, all colours at once; indices Windows does not know
// are skipped. The call is recorded with every pair handed over.
win::BOOL FakeWindows::SetSysColors(int cElements, const win::INT* lpaElements,
                                    const win::COLORREF* lpaRgbValues) {
    if (faulted("SetSysColors", {cElements}))
        return win::FALSE;
    if (cElements > 0 && (!lpaElements || !lpaRgbValues))
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    std::vector<std::pair<int, win::COLORREF>> pairs;
    for (int i = 0; i < cElements; ++i) {
        pairs.emplace_back(lpaElements[i], lpaRgbValues[i]);
        settings.colors.set(lpaElements[i], lpaRgbValues[i]);
    }
    settings.colors.calls.push_back(std::move(pairs));
    return win::TRUE;
}

win::HCURSOR FakeWindows::LoadCursorFromFileA(const char* lpFileName) {
    if (faulted("LoadCursorFromFileA", {lpFileName}))
        return 0;
    if (!lpFileName || !drive_->fileExists(lpFileName))
        return failWith<win::HCURSOR>(win::ERROR_FILE_NOT_FOUND, 0);
    if (!CursorStore::isCursorImage(FakeDrive::hostRead(drive_->locate(lpFileName).host)))
        return failWith<win::HCURSOR>(ERROR_INVALID_DATA, 0);
    return settings.cursors.load(lpFileName);
}

win::BOOL FakeWindows::SetSystemCursor(win::HCURSOR hcur, win::DWORD id) {
    if (faulted("SetSystemCursor", {hcur, id}))
        return win::FALSE;
    win::DWORD error = 0;
    if (!settings.cursors.replace(hcur, id, error))
        return failWith(error, win::FALSE);
    return win::TRUE;
}

// ExitWindowsEx: every request is recorded. On NT, shutting down or
// restarting needs SE_SHUTDOWN_NAME enabled in the process token, or the
// request fails with ERROR_PRIVILEGE_NOT_HELD; logging off needs nothing.
win::BOOL FakeWindows::ExitWindowsEx(win::UINT uFlags, win::DWORD dwReason) {
    if (faulted("ExitWindowsEx", {uFlags, dwReason}))
        return win::FALSE;
    exitRequests.push_back(ExitRequest{uFlags, dwReason});
    if (isNtFamily(version_) && (uFlags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) && !shutdownPrivilege)
        return failWith(win::ERROR_PRIVILEGE_NOT_HELD, win::FALSE);
    return win::TRUE;
}

win::BOOL FakeWindows::FlashWindow(win::HWND hWnd, win::BOOL bInvert) {
    faulted("FlashWindow", {hWnd, bInvert});
    return win::FALSE;
}

win::BOOL FakeWindows::FlashWindowEx(win::FLASHWINFO* pfwi) {
    if (!faulted("FlashWindowEx", {pfwi ? pfwi->hwnd : 0, pfwi ? pfwi->dwFlags : 0}) &&
        (!pfwi || pfwi->cbSize != sizeof(win::FLASHWINFO)))
        setLastErrorCode(win::ERROR_INVALID_PARAMETER);
    return win::FALSE;
}

win::BOOL FakeWindows::ShowWindow(win::HWND hWnd, int nCmdShow) {
    faulted("ShowWindow", {hWnd, nCmdShow});
    return win::FALSE;
}

win::BOOL FakeWindows::SetRect(win::RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) {
    if (faulted("SetRect", {xLeft, yTop, xRight, yBottom}) || !lprc)
        return win::FALSE;
    *lprc = win::RECT{xLeft, yTop, xRight, yBottom};
    return win::TRUE;
}

win::BOOL FakeWindows::DrawEdge(win::HDC hdc, win::RECT* qrc, win::UINT edge, win::UINT grfFlags) {
    if (faulted("DrawEdge", {hdc, qrc ? qrc->left : 0, qrc ? qrc->top : 0, qrc ? qrc->right : 0,
                             qrc ? qrc->bottom : 0, edge, grfFlags}))
        return win::FALSE;
    return hdc && qrc;
}

win::BOOL FakeWindows::DrawFrameControl(win::HDC hdc, win::RECT* lprc, win::UINT uType, win::UINT uState) {
    if (faulted("DrawFrameControl", {hdc, lprc ? lprc->left : 0, lprc ? lprc->top : 0, lprc ? lprc->right : 0,
                                     lprc ? lprc->bottom : 0, uType, uState}))
        return win::FALSE;
    return hdc && lprc;
}

win::SHORT FakeWindows::GetAsyncKeyState(int vKey) {
    if (faulted("GetAsyncKeyState", {vKey}) || vKey < 0 || vKey > 255)
        return 0;
    return (keys[static_cast<std::size_t>(vKey)] & 0x80) ? static_cast<win::SHORT>(0x8000) : 0;
}

win::BOOL FakeWindows::IsCharAlphaA(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return !faulted("IsCharAlphaA", {int{c}}) && (isUpper(c) || isLower(c));
}

win::BOOL FakeWindows::IsCharAlphaNumericA(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return !faulted("IsCharAlphaNumericA", {int{c}}) && (isUpper(c) || isLower(c) || (c >= '0' && c <= '9'));
}

win::BOOL FakeWindows::IsCharLowerA(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return !faulted("IsCharLowerA", {int{c}}) && isLower(c);
}

win::BOOL FakeWindows::IsCharUpperA(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return !faulted("IsCharUpperA", {int{c}}) && isUpper(c);
}

int FakeWindows::GetKeyboardType(int nTypeFlag) {
    if (faulted("GetKeyboardType", {nTypeFlag}))
        return 0;
    return nTypeFlag == 0 ? 4 : nTypeFlag == 2 ? 12 : 0;
}

win::SHORT FakeWindows::GetKeyState(int nVirtKey) {
    if (faulted("GetKeyState", {nVirtKey}))
        return 0;
    if (nVirtKey < 0 || nVirtKey > 255)
        return 0;
    const win::BYTE state = keys[static_cast<std::size_t>(nVirtKey)];
    return static_cast<win::SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 1));
}

win::BOOL FakeWindows::GetKeyboardState(win::BYTE* lpKeyState) {
    if (faulted("GetKeyboardState", {}) || !lpKeyState)
        return win::FALSE;
    std::memcpy(lpKeyState, keys.data(), keys.size());
    return win::TRUE;
}

win::BOOL FakeWindows::SetKeyboardState(win::BYTE* lpKeyState) {
    if (faulted("SetKeyboardState", {}) || !lpKeyState)
        return win::FALSE;
    std::memcpy(keys.data(), lpKeyState, keys.size());
    return win::TRUE;
}

void FakeWindows::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                              win::ULONG_PTR dwExtraInfo) {
    if (faulted("keybd_event", {bVk, bScan, dwFlags, dwExtraInfo}))
        return;
    win::BYTE& state = keys[bVk];
    if (dwFlags & KEYEVENTF_KEYUP)
        state = static_cast<win::BYTE>(state & ~0x80);
    else
        state = static_cast<win::BYTE>((state | 0x80) ^ ((state & 0x80) ? 0 : 1));
}

win::UINT FakeWindows::GetCaretBlinkTime() {
    return faulted("GetCaretBlinkTime", {}) ? 0 : caretBlinkTime;
}

win::BOOL FakeWindows::SetCaretBlinkTime(win::UINT uMSeconds) {
    if (faulted("SetCaretBlinkTime", {uMSeconds}))
        return win::FALSE;
    caretBlinkTime = uMSeconds;
    return win::TRUE;
}

win::BOOL FakeWindows::ShowCaret(win::HWND hWnd) {
    return !faulted("ShowCaret", {hWnd});
}

win::BOOL FakeWindows::HideCaret(win::HWND hWnd) {
    return !faulted("HideCaret", {hWnd});
}

int FakeWindows::ShowCursor(win::BOOL bShow) {
    if (!faulted("ShowCursor", {bShow}))
        cursorShowCount += bShow ? 1 : -1;
    return cursorShowCount;
}

win::HDC FakeWindows::CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                                const void* pdm) {
    if (faulted("CreateICA", {pszDriver, pszDevice, pszPort, pdm}))
        return 0;
    if (!pszDriver || !equalsIgnoreCase(pszDriver, "DISPLAY"))
        return failWith<win::HDC>(win::ERROR_INVALID_PARAMETER, 0);
    deviceContexts[nextDc] = true;
    return std::exchange(nextDc, nextDc + 4);
}

int FakeWindows::GetDeviceCaps(win::HDC hdc, int index) {
    if (faulted("GetDeviceCaps", {hdc, index}) || !deviceContexts.count(hdc))
        return 0;
    const std::map<int, int> caps = {{win::HORZRES, settings.metrics.get(win::SM_CXSCREEN)},
                                     {win::VERTRES, settings.metrics.get(win::SM_CYSCREEN)},
                                     {win::BITSPIXEL, 16},
                                     {win::PLANES, 1},
                                     {win::LOGPIXELSX, settings.logPixels},
                                     {win::LOGPIXELSY, settings.logPixels}};
    const auto found = caps.find(index);
    return found == caps.end() ? 0 : found->second;
}

win::BOOL FakeWindows::DeleteDC(win::HDC hdc) {
    if (faulted("DeleteDC", {hdc}))
        return win::FALSE;
    if (deviceContexts.erase(hdc) == 0)
        return failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    return win::TRUE;
}

} // namespace fake
