// Shell links and the process token, for the fake. A link file holds its target
// and arguments as "target|arguments" (a real one is a binary shell link; the
// program never reads one back). The token knows one privilege, the shut-down
// privilege, which ExitWindowsEx asks for on the NT family.
#include "fake/FakeWindows.h"

#include "fake/CallLog.h"
#include "fake/FakeDrive.h"
#include "fake/TextUtil.h"

namespace fake {

namespace {

constexpr win::HRESULT S_OK = 0;
constexpr win::HRESULT E_INVALIDARG = static_cast<win::HRESULT>(0x80070057u);
constexpr win::HANDLE currentProcess = static_cast<win::HANDLE>(-1);
constexpr win::HANDLE processToken = 0x7100;
constexpr win::LUID shutdownLuid{19, 0}; // SE_SHUTDOWN_PRIVILEGE
constexpr win::DWORD ERROR_NO_SUCH_PRIVILEGE = 1313;

win::HRESULT hresultFromWin32(win::DWORD code) {
    return static_cast<win::HRESULT>(0x80070000u | (code & 0xFFFF));
}

} // namespace

win::HRESULT FakeWindows::SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) {
    log.add("SaveShellLink", {linkFile, targetPath, arguments});
    win::DWORD code = 0;
    if (windowsFault("SaveShellLink", code))
        return hresultFromWin32(code);
    if (!linkFile || !targetPath)
        return E_INVALIDARG;
    const FakeDrive::Location location = drive_->locate(linkFile);
    if (!location.onDrive || !location.folderExists)
        return hresultFromWin32(win::ERROR_PATH_NOT_FOUND);
    if (location.isFolder || (location.exists && drive_->isReadOnly(linkFile)))
        return hresultFromWin32(win::ERROR_ACCESS_DENIED);
    FakeDrive::hostWrite(location.host, std::string(targetPath) + "|" + (arguments ? arguments : ""));
    return S_OK;
}

std::optional<std::string> FakeWindows::shellLink(const std::string& windowsPath) const {
    if (!drive_->fileExists(windowsPath))
        return std::nullopt;
    return fileBytes(windowsPath);
}

win::HANDLE FakeWindows::GetCurrentProcess() {
    log.add("GetCurrentProcess", {});
    return currentProcess;
}

win::BOOL FakeWindows::OpenProcessToken(win::HANDLE ProcessHandle, win::DWORD DesiredAccess,
                                        win::HANDLE* TokenHandle) {
    if (faulted("OpenProcessToken", {ProcessHandle, DesiredAccess}))
        return win::FALSE;
    if (!isNtFamily(version_))
        return failWith(win::ERROR_CALL_NOT_IMPLEMENTED, win::FALSE);
    if (ProcessHandle != currentProcess || !TokenHandle)
        return failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    *TokenHandle = processToken;
    return win::TRUE;
}

win::BOOL FakeWindows::LookupPrivilegeValueA(const char* lpSystemName, const char* lpName,
                                             win::LUID* lpLuid) {
    if (faulted("LookupPrivilegeValueA", {lpSystemName, lpName}))
        return win::FALSE;
    if (!isNtFamily(version_))
        return failWith(win::ERROR_CALL_NOT_IMPLEMENTED, win::FALSE);
    if (!lpName || !lpLuid || !equalsIgnoreCase(lpName, "SeShutdownPrivilege"))
        return failWith(ERROR_NO_SUCH_PRIVILEGE, win::FALSE);
    *lpLuid = shutdownLuid;
    return win::TRUE;
}

win::BOOL FakeWindows::AdjustTokenPrivileges(win::HANDLE TokenHandle, win::BOOL DisableAllPrivileges,
                                             win::TOKEN_PRIVILEGES* NewState, win::DWORD,
                                             win::TOKEN_PRIVILEGES*, win::DWORD*) {
    if (faulted("AdjustTokenPrivileges", {TokenHandle, DisableAllPrivileges}))
        return win::FALSE;
    if (!isNtFamily(version_))
        return failWith(win::ERROR_CALL_NOT_IMPLEMENTED, win::FALSE);
    if (TokenHandle != processToken)
        return failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    if (DisableAllPrivileges)
        shutdownPrivilege = false;
    else if (!NewState)
        return failWith(win::ERROR_INVALID_PARAMETER, win::FALSE);
    else if (NewState->PrivilegeCount > 0 && NewState->Privileges[0].Luid.LowPart == shutdownLuid.LowPart)
        shutdownPrivilege = (NewState->Privileges[0].Attributes & win::SE_PRIVILEGE_ENABLED) != 0;
    return failWith(win::ERROR_SUCCESS, win::TRUE);
}

} // namespace fake
