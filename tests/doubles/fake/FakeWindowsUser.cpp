// user32 and gdi32 calls of the fake: the settings stores (system parameters,
// metrics, colours, cursors), the session, the keyboard and the cursor.
#include "fake/FakeWindows.h"

#include "platform/InputFacts.h"

namespace fake {

namespace {

constexpr win::DWORD ERROR_INVALID_DATA = 13;
constexpr win::UINT EWX_POWEROFF = 8;

} // namespace

// SPI_SETCURSORS: each system pointer again from its value under
// HKEY_CURRENT_USER\Control Panel\Cursors; an empty value, or a file that does not
// load, gives Windows' own pointer (""). Windows 95 and NT 4 on have it; Wine has
// not (FALSE and ERROR_INVALID_SPI_VALUE: the contract's row skips it there).
void FakeWindows::reloadSystemCursors() {
    for (const auto& [name, id] : systemPointers) {
        const std::string file =
            getString(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", name).value_or("");
        const bool loads =
            !file.empty() && drive_.fileExists(file) && CursorStore::isCursorImage(drive_.readFile(file));
        settings.cursors.system[id] = loads ? file : "";
    }
}

win::BOOL FakeWindows::SystemParametersInfoA(win::UINT uiAction, win::UINT uiParam, void* pvParam,
                                             win::UINT fWinIni) {
    if (faulted("SystemParametersInfoA", {uiAction, uiParam, static_cast<const void*>(pvParam), fWinIni}))
        return win::FALSE;
    if (uiAction == win::SPI_SETCURSORS) {
        settings.spi.calls.push_back(
            SpiCall{uiAction, uiParam, reinterpret_cast<std::uintptr_t>(pvParam), fWinIni});
        reloadSystemCursors();
        return win::TRUE;
    }
    win::DWORD error = 0;
    const win::BOOL result = settings.spi.call(uiAction, uiParam, pvParam, fWinIni, error);
    if (!result && error)
        lastError = error;
    // Stored, the wallpaper is where every Windows keeps it for the next log-on (Wine:
    // dlls/win32u/sysparams.c, the "Wallpaper" value of HKCU\Control Panel\Desktop).
    if (result && uiAction == win::SPI_SETDESKWALLPAPER && (fWinIni & win::SPIF_UPDATEINIFILE) && pvParam)
        registry.put(win::HKEY_CURRENT_USER, "Control Panel\\Desktop", "Wallpaper", win::REG_SZ,
                     std::string(static_cast<const char*>(pvParam)) + std::string(1, '\0'));
    return result;
}

// SetSysColors: one call, all colours at once; indices Windows does not know
// are skipped. The call is recorded with every pair handed over.
win::BOOL FakeWindows::SetSysColors(int cElements, const win::INT* lpaElements,
                                    const win::COLORREF* lpaRgbValues) {
    if (faulted("SetSysColors", {cElements}))
        return win::FALSE;
    std::vector<std::pair<int, win::COLORREF>> pairs;
    for (int i = 0; i < cElements; ++i) {
        pairs.emplace_back(lpaElements[i], lpaRgbValues[i]);
        settings.colors.set(lpaElements[i], lpaRgbValues[i]);
    }
    settings.colors.calls.push_back(std::move(pairs));
    return win::TRUE;
}

win::HCURSOR FakeWindows::LoadCursorFromFileA(const char* lpFileName) {
    if (faulted("LoadCursorFromFileA", {lpFileName}) ||
        refused(!lpFileName || !drive_.fileExists(lpFileName), win::ERROR_FILE_NOT_FOUND) ||
        refused(!CursorStore::isCursorImage(drive_.readFile(lpFileName)), ERROR_INVALID_DATA))
        return 0;
    return settings.cursors.load(lpFileName);
}

// ExitWindowsEx: every request is recorded. On NT, shutting down or
// restarting needs SE_SHUTDOWN_NAME enabled in the process token, or the
// request fails with ERROR_PRIVILEGE_NOT_HELD; logging off needs nothing.
win::BOOL FakeWindows::ExitWindowsEx(win::UINT uFlags, win::DWORD dwReason) {
    if (faulted("ExitWindowsEx", {uFlags, dwReason}))
        return win::FALSE;
    exitRequests.push_back(ExitRequest{uFlags, dwReason});
    if (isNtFamily(version_) && (uFlags & (win::EWX_SHUTDOWN | win::EWX_REBOOT | EWX_POWEROFF)) &&
        !shutdownPrivilege)
        return failWith(win::ERROR_PRIVILEGE_NOT_HELD, win::FALSE);
    return win::TRUE;
}

void FakeWindows::keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                              win::ULONG_PTR dwExtraInfo) {
    if (faulted("keybd_event", {bVk, bScan, dwFlags, dwExtraInfo}))
        return;
    win::BYTE& state = keys[bVk];
    if (dwFlags & win::KEYEVENTF_KEYUP)
        state = static_cast<win::BYTE>(state & ~0x80);
    else
        state = static_cast<win::BYTE>((state | 0x80) ^ ((state & 0x80) ? 0 : 1));
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
    return lookup(caps, index, 0);
}

} // namespace fake
