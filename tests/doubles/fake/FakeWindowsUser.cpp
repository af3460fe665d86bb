// user32 and gdi32 calls of the fake: the settings stores (system parameters,
// metrics, colours, cursors), the session, window and drawing calls, and the
// keyboard, caret and cursor state.
#include "fake/FakeWindows.h"

#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/FakeMachine.h"
#include "fake/FakeSettings.h"
#include "fake/TextUtil.h"

#include <cstring>

namespace fake {

namespace {

constexpr win::DWORD ERROR_INVALID_DATA = 13;
constexpr win::UINT EWX_SHUTDOWN = 1, EWX_REBOOT = 2, EWX_POWEROFF = 8;
constexpr win::DWORD KEYEVENTF_KEYUP = 2;

// Character classes of the ANSI code page 1252, as IsCharAlphaA and its
// siblings report them.
struct CharClass {
    bool alpha, upper, lower;
};

CharClass classify(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    const bool upper = (c >= 'A' && c <= 'Z') || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F ||
                       (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    const bool lower = (c >= 'a' && c <= 'z') || c == 0x83 || c == 0x9A || c == 0x9C || c == 0x9E ||
                       c == 0xB5 || (c >= 0xDF && c != 0xF7);
    const bool alpha = upper || lower || c == 0xAA || c == 0xBA;
    return {alpha, upper, lower};
}

bool isDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

// ---- settings stores ---------------------------------------------------------------

win::BOOL FakeWindows::SystemParametersInfoA(win::UINT uiAction, win::UINT uiParam, void* pvParam,
                                             win::UINT fWinIni) {
    log_->add("SystemParametersInfoA", {uiAction, uiParam, static_cast<const void*>(pvParam), fWinIni});
    win::DWORD code = 0;
    if (windowsFault("SystemParametersInfoA", code))
        return failWith(code, win::FALSE);
    win::DWORD error = 0;
    const win::BOOL result = settings_->spi.call(uiAction, uiParam, pvParam, fWinIni, error);
    if (!result && error)
        setLastErrorCode(error);
    return result;
}

int FakeWindows::GetSystemMetrics(int nIndex) {
    log_->add("GetSystemMetrics", {nIndex});
    win::DWORD code = 0;
    if (windowsFault("GetSystemMetrics", code))
        return failWith(code, 0);
    return settings_->metrics.get(nIndex);
}

win::DWORD FakeWindows::GetSysColor(int nIndex) {
    log_->add("GetSysColor", {nIndex});
    win::DWORD code = 0;
    if (windowsFault("GetSysColor", code))
        return failWith<win::DWORD>(code, 0);
    return settings_->colors.get(nIndex);
}

// SetSysColors: one call, all colours at once; indices Windows does not know
// are skipped. The call is recorded with every pair handed over.
win::BOOL FakeWindows::SetSysColors(int cElements, const win::INT* lpaElements,
                                    const win::COLORREF* lpaRgbValues) {
    log_->add("SetSysColors", {cElements});
    win::DWORD code = 0;
    if (windowsFault("SetSysColors", code))
        return failWith(code, win::FALSE);
    if (cElements > 0 && (!lpaElements || !lpaRgbValues))
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    std::vector<std::pair<int, win::COLORREF>> pairs;
    for (int i = 0; i < cElements; ++i) {
        pairs.emplace_back(lpaElements[i], lpaRgbValues[i]);
        settings_->colors.set(lpaElements[i], lpaRgbValues[i]);
    }
    settings_->colors.calls.push_back(std::move(pairs));
    return win::TRUE;
}

// LoadCursorFromFileA: a handle for a .cur or .ani file; 0 with
// ERROR_FILE_NOT_FOUND for a missing file, ERROR_INVALID_DATA for other bytes.
win::HCURSOR FakeWindows::LoadCursorFromFileA(const char* lpFileName) {
    log_->add("LoadCursorFromFileA", {lpFileName});
    win::DWORD code = 0;
    if (windowsFault("LoadCursorFromFileA", code))
        return failWith<win::HCURSOR>(code, 0);
    if (!lpFileName || !drive_->fileExists(lpFileName))
        return failWith<win::HCURSOR>(win::ERROR_FILE_NOT_FOUND, 0);
    if (!CursorStore::isCursorImage(FakeDrive::hostRead(drive_->locate(lpFileName).host)))
        return failWith<win::HCURSOR>(ERROR_INVALID_DATA, 0);
    return settings_->cursors.load(lpFileName);
}

win::BOOL FakeWindows::SetSystemCursor(win::HCURSOR hcur, win::DWORD id) {
    log_->add("SetSystemCursor", {hcur, id});
    win::DWORD code = 0;
    if (windowsFault("SetSystemCursor", code))
        return failWith(code, win::FALSE);
    win::DWORD error = 0;
    if (!settings_->cursors.replace(hcur, id, error))
        return failWith(error, win::FALSE);
    return win::TRUE;
}

// ---- session, windows, drawing ------------------------------------------------------

// ExitWindowsEx: every request is recorded. On NT, shutting down or
// restarting needs SE_SHUTDOWN_NAME enabled in the process token, or the
// request fails with ERROR_PRIVILEGE_NOT_HELD; logging off needs nothing.
win::BOOL FakeWindows::ExitWindowsEx(win::UINT uFlags, win::DWORD dwReason) {
    log_->add("ExitWindowsEx", {uFlags, dwReason});
    win::DWORD code = 0;
    if (windowsFault("ExitWindowsEx", code))
        return failWith(code, win::FALSE);
    machine_->exitRequests.push_back(ExitRequest{uFlags, dwReason});
    if (isNtFamily(version_) && (uFlags & (EWX_SHUTDOWN | EWX_REBOOT | EWX_POWEROFF)) &&
        !machine_->shutdownPrivilege)
        return failWith(win::ERROR_PRIVILEGE_NOT_HELD, win::FALSE);
    return win::TRUE;
}

// FlashWindow: the previous state of the caption, never active in the fake.
win::BOOL FakeWindows::FlashWindow(win::HWND hWnd, win::BOOL bInvert) {
    log_->add("FlashWindow", {hWnd, bInvert});
    win::DWORD code = 0;
    if (windowsFault("FlashWindow", code))
        return failWith(code, win::FALSE);
    return win::FALSE;
}

win::BOOL FakeWindows::FlashWindowEx(win::FLASHWINFO* pfwi) {
    log_->add("FlashWindowEx", {pfwi ? pfwi->hwnd : 0, pfwi ? pfwi->dwFlags : 0, pfwi ? pfwi->uCount : 0,
                                pfwi ? pfwi->dwTimeout : 0});
    win::DWORD code = 0;
    if (windowsFault("FlashWindowEx", code))
        return failWith(code, win::FALSE);
    if (!pfwi || pfwi->cbSize != sizeof(win::FLASHWINFO))
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    return win::FALSE;
}

// ShowWindow: whether the window was visible before; the fake's windows were not.
win::BOOL FakeWindows::ShowWindow(win::HWND hWnd, int nCmdShow) {
    log_->add("ShowWindow", {hWnd, nCmdShow});
    win::DWORD code = 0;
    if (windowsFault("ShowWindow", code))
        return failWith(code, win::FALSE);
    return win::FALSE;
}

win::BOOL FakeWindows::SetRect(win::RECT* lprc, int xLeft, int yTop, int xRight, int yBottom) {
    log_->add("SetRect", {xLeft, yTop, xRight, yBottom});
    win::DWORD code = 0;
    if (windowsFault("SetRect", code))
        return failWith(code, win::FALSE);
    if (!lprc)
        return win::FALSE;
    *lprc = win::RECT{xLeft, yTop, xRight, yBottom};
    return win::TRUE;
}

win::BOOL FakeWindows::DrawEdge(win::HDC hdc, win::RECT* qrc, win::UINT edge, win::UINT grfFlags) {
    log_->add("DrawEdge", {hdc, qrc ? qrc->left : 0, qrc ? qrc->top : 0, qrc ? qrc->right : 0,
                           qrc ? qrc->bottom : 0, edge, grfFlags});
    win::DWORD code = 0;
    if (windowsFault("DrawEdge", code))
        return failWith(code, win::FALSE);
    return hdc && qrc ? win::TRUE : win::FALSE;
}

win::BOOL FakeWindows::DrawFrameControl(win::HDC hdc, win::RECT* lprc, win::UINT uType, win::UINT uState) {
    log_->add("DrawFrameControl", {hdc, lprc ? lprc->left : 0, lprc ? lprc->top : 0, lprc ? lprc->right : 0,
                                   lprc ? lprc->bottom : 0, uType, uState});
    win::DWORD code = 0;
    if (windowsFault("DrawFrameControl", code))
        return failWith(code, win::FALSE);
    return hdc && lprc ? win::TRUE : win::FALSE;
}

// ---- keyboard, characters, caret, cursor ---------------------------------------------------

// GetAsyncKeyState: the top bit while the key is down.
win::SHORT FakeWindows::GetAsyncKeyState(int vKey) {
    log_->add("GetAsyncKeyState", {vKey});
    win::DWORD code = 0;
    if (windowsFault("GetAsyncKeyState", code))
        return failWith<win::SHORT>(code, 0);
    if (vKey < 0 || vKey > 255)
        return 0;
    return (machine_->keys[static_cast<std::size_t>(vKey)] & 0x80) ? static_cast<win::SHORT>(0x8000) : 0;
}

win::BOOL FakeWindows::IsCharAlphaA(char ch) {
    log_->add("IsCharAlphaA", {static_cast<int>(static_cast<unsigned char>(ch))});
    win::DWORD code = 0;
    if (windowsFault("IsCharAlphaA", code))
        return failWith(code, win::FALSE);
    return classify(ch).alpha;
}

win::BOOL FakeWindows::IsCharAlphaNumericA(char ch) {
    log_->add("IsCharAlphaNumericA", {static_cast<int>(static_cast<unsigned char>(ch))});
    win::DWORD code = 0;
    if (windowsFault("IsCharAlphaNumericA", code))
        return failWith(code, win::FALSE);
    return classify(ch).alpha || isDigit(ch);
}

win::BOOL FakeWindows::IsCharLowerA(char ch) {
    log_->add("IsCharLowerA", {static_cast<int>(static_cast<unsigned char>(ch))});
    win::DWORD code = 0;
    if (windowsFault("IsCharLowerA", code))
        return failWith(code, win::FALSE);
    return classify(ch).lower;
}

win::BOOL FakeWindows::IsCharUpperA(char ch) {
    log_->add("IsCharUpperA", {static_cast<int>(static_cast<unsigned char>(ch))});
    win::DWORD code = 0;
    if (windowsFault("IsCharUpperA", code))
        return failWith(code, win::FALSE);
    return classify(ch).upper;
}

// GetKeyboardType: an enhanced 101/102-key keyboard (type 4, subtype 0, 12 function keys).
int FakeWindows::GetKeyboardType(int nTypeFlag) {
    log_->add("GetKeyboardType", {nTypeFlag});
    win::DWORD code = 0;
    if (windowsFault("GetKeyboardType", code))
        return failWith(code, 0);
    switch (nTypeFlag) {
    case 0:
        return 4;
    case 2:
        return 12;
    default:
        return 0;
    }
}

// GetKeyState: the top bits while down, bit 0 while toggled (Caps Lock on).
win::SHORT FakeWindows::GetKeyState(int nVirtKey) {
    log_->add("GetKeyState", {nVirtKey});
    win::DWORD code = 0;
    if (windowsFault("GetKeyState", code))
        return failWith<win::SHORT>(code, 0);
    if (nVirtKey < 0 || nVirtKey > 255)
        return 0;
    const win::BYTE state = machine_->keys[static_cast<std::size_t>(nVirtKey)];
    return static_cast<win::SHORT>(((state & 0x80) ? 0xFF80 : 0) | (state & 1));
}

win::BOOL FakeWindows::GetKeyboardState(win::BYTE* lpKeyState) {
    log_->add("GetKeyboardState", {});
    win::DWORD code = 0;
    if (windowsFault("GetKeyboardState", code))
        return failWith(code, win::FALSE);
    if (!lpKeyState)
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    std::memcpy(lpKeyState, machine_->keys.data(), machine_->keys.size());
    return win::TRUE;
}

win::BOOL FakeWindows::SetKeyboardState(win::BYTE* lpKeyState) {
    log_->add("SetKeyboardState", {});
    win::DWORD code = 0;
    if (windowsFault("SetKeyboardState", code))
        return failWith(code, win::FALSE);
    if (!lpKeyState)
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    std::memcpy(machine_->keys.data(), lpKeyState, machine_->keys.size());
    return win::TRUE;
}

// keybd_event: a press sets the key down and flips its toggle, a release lets it up.
void FakeWindows::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                              win::ULONG_PTR dwExtraInfo) {
    log_->add("keybd_event", {bVk, bScan, dwFlags, dwExtraInfo});
    win::DWORD code = 0;
    if (windowsFault("keybd_event", code))
        return setLastErrorCode(code);
    win::BYTE& state = machine_->keys[bVk];
    if (dwFlags & KEYEVENTF_KEYUP)
        state = static_cast<win::BYTE>(state & ~0x80);
    else
        state = static_cast<win::BYTE>((state | 0x80) ^ ((state & 0x80) ? 0 : 1));
}

win::UINT FakeWindows::GetCaretBlinkTime() {
    log_->add("GetCaretBlinkTime", {});
    win::DWORD code = 0;
    if (windowsFault("GetCaretBlinkTime", code))
        return failWith<win::UINT>(code, 0);
    return machine_->caretBlinkTime;
}

win::BOOL FakeWindows::SetCaretBlinkTime(win::UINT uMSeconds) {
    log_->add("SetCaretBlinkTime", {uMSeconds});
    win::DWORD code = 0;
    if (windowsFault("SetCaretBlinkTime", code))
        return failWith(code, win::FALSE);
    machine_->caretBlinkTime = uMSeconds;
    return win::TRUE;
}

// ShowCaret and HideCaret keep the caret's hide count, as Windows does.
win::BOOL FakeWindows::ShowCaret(win::HWND hWnd) {
    log_->add("ShowCaret", {hWnd});
    win::DWORD code = 0;
    if (windowsFault("ShowCaret", code))
        return failWith(code, win::FALSE);
    if (machine_->caretHideCount > 0)
        --machine_->caretHideCount;
    return win::TRUE;
}

win::BOOL FakeWindows::HideCaret(win::HWND hWnd) {
    log_->add("HideCaret", {hWnd});
    win::DWORD code = 0;
    if (windowsFault("HideCaret", code))
        return failWith(code, win::FALSE);
    ++machine_->caretHideCount;
    return win::TRUE;
}

// ShowCursor: the new display count; the cursor shows while it is 0 or more.
int FakeWindows::ShowCursor(win::BOOL bShow) {
    log_->add("ShowCursor", {bShow});
    win::DWORD code = 0;
    if (windowsFault("ShowCursor", code))
        return failWith(code, machine_->cursorShowCount);
    machine_->cursorShowCount += bShow ? 1 : -1;
    return machine_->cursorShowCount;
}

// ---- gdi32 ---------------------------------------------------------------------------------

// CreateICA: an information context on the display ("DISPLAY"); 0 for other drivers.
win::HDC FakeWindows::CreateICA(const char* pszDriver, const char* pszDevice, const char* pszPort,
                                const void* pdm) {
    log_->add("CreateICA", {pszDriver, pszDevice, pszPort, pdm});
    win::DWORD code = 0;
    if (windowsFault("CreateICA", code))
        return failWith<win::HDC>(code, 0);
    if (!pszDriver || !equalsIgnoreCase(pszDriver, "DISPLAY"))
        return failWith<win::HDC>(win::ERROR_INVALID_PARAMETER, 0);
    const win::HDC dc = machine_->nextDc;
    machine_->nextDc += 4;
    machine_->deviceContexts[dc] = true;
    return dc;
}

// GetDeviceCaps of the display: LOGPIXELSX/Y (88/90), HORZRES/VERTRES (8/10),
// BITSPIXEL (12), PLANES (14); 0 for an unknown context or index.
int FakeWindows::GetDeviceCaps(win::HDC hdc, int index) {
    log_->add("GetDeviceCaps", {hdc, index});
    win::DWORD code = 0;
    if (windowsFault("GetDeviceCaps", code))
        return failWith(code, 0);
    if (!machine_->deviceContexts.count(hdc))
        return 0;
    switch (index) {
    case 8:
        return settings_->metrics.get(0);
    case 10:
        return settings_->metrics.get(1);
    case 12:
        return 16;
    case 14:
        return 1;
    case 88:
    case 90:
        return settings_->logPixels;
    default:
        return 0;
    }
}

win::BOOL FakeWindows::DeleteDC(win::HDC hdc) {
    log_->add("DeleteDC", {hdc});
    win::DWORD code = 0;
    if (windowsFault("DeleteDC", code))
        return failWith(code, win::FALSE);
    if (machine_->deviceContexts.erase(hdc) == 0)
        return failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    return win::TRUE;
}

} // namespace fake
