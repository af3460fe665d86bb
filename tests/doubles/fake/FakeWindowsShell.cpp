// shell32, ole32, winmm, wininet, shdocvw and version.dll, for the fake. A link
// file holds its target and arguments as "target|arguments" (a real one is a
// binary shell link; the program never reads one back).
#include "fake/FakeWindows.h"

#include <cstring>

namespace fake {

namespace {

constexpr win::HRESULT S_OK = 0;
constexpr win::HRESULT E_INVALIDARG = static_cast<win::HRESULT>(0x80070057u);
constexpr win::UINT SND_NODEFAULT = 0x0002;
constexpr win::DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr win::DWORD ERROR_INTERNET_NAME_NOT_RESOLVED = 12007;
// VS_FIXEDFILEINFO: 13 DWORDs, starting with its signature and structure version.
constexpr std::size_t fixedFileInfoDwords = 13;
constexpr win::DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;
constexpr win::DWORD VS_FFI_STRUCVERSION = 0x00010000;

win::HRESULT hresultFromWin32(win::DWORD code) {
    return code == 0 ? S_OK : static_cast<win::HRESULT>(0x80070000u | (code & 0xFFFF));
}

bool isWebAddress(const std::string& text) {
    return equalsIgnoreCase(text.substr(0, 7), "http://") || equalsIgnoreCase(text.substr(0, 8), "https://");
}

// The special folders by CSIDL, below the Windows folder: the desktop (0x00,
// 0x10), the programs menu (0x02), the start menu (0x0B).
const std::map<int, const char*> specialFolders = {
    {0x00, "\\Desktop"}, {0x10, "\\Desktop"}, {0x02, "\\Start Menu\\Programs"}, {0x0B, "\\Start Menu"}};

} // namespace

win::HINSTANCE FakeWindows::ShellExecuteA(win::HWND hwnd, const char* lpOperation, const char* lpFile,
                                          const char* lpParameters, const char* lpDirectory,
                                          win::INT nShowCmd) {
    if (const auto code =
            plannedError("ShellExecuteA", {hwnd, lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd}))
        return failWith<win::HINSTANCE>(*code, *code);
    const std::string file = lpFile ? lpFile : "";
    shellRequests.push_back(ShellRequest{hwnd, lpOperation ? lpOperation : "", file,
                                         lpParameters ? lpParameters : "", lpDirectory ? lpDirectory : "",
                                         nShowCmd});
    if (isWebAddress(file) || (!file.empty() && drive_.exists(file)))
        return 42;
    return failWith<win::HINSTANCE>(win::ERROR_FILE_NOT_FOUND, 2);
}

std::optional<std::string> FakeWindows::applicationDataFolder() const {
    const VersionProfile& p = profileOf(version_);
    if (p.major < 4 || (!isNtFamily(version_) && p.minor == 0))
        return std::nullopt;
    if (!isNtFamily(version_))
        return windowsFolder() + "\\Application Data";
    return (p.major == 4 ? windowsFolder() + "\\Profiles\\" : "C:\\Documents and Settings\\") + userName +
           "\\Application Data";
}

win::HRESULT FakeWindows::SHGetSpecialFolderLocation(win::HWND hwnd, int csidl, win::ITEMIDLIST** ppidl) {
    if (auto code = plannedError("SHGetSpecialFolderLocation", {hwnd, csidl}))
        return hresultFromWin32(*code);
    *ppidl = nullptr;
    const auto folder = specialFolders.find(csidl);
    const std::optional<std::string> path =
        csidl == win::CSIDL_APPDATA      ? applicationDataFolder()
        : folder == specialFolders.end() ? std::nullopt
                                         : std::optional<std::string>(windowsFolder() + folder->second);
    if (!path)
        return E_INVALIDARG;
    auto list = std::make_unique<std::string>(*path);
    *ppidl = reinterpret_cast<win::ITEMIDLIST*>(list.get());
    itemLists[*ppidl] = std::move(list);
    return S_OK;
}

// Only the application-data folder, and only where the shell has one (shell32 4.71).
win::BOOL FakeWindows::SHGetSpecialFolderPathA(win::HWND hwndOwner, char* lpszPath, int csidl, win::BOOL) {
    if (faulted("SHGetSpecialFolderPathA", {hwndOwner, csidl}))
        return win::FALSE;
    const std::optional<std::string> appData = applicationDataFolder();
    if (refused(!appData, win::ERROR_CALL_NOT_IMPLEMENTED) || csidl != win::CSIDL_APPDATA)
        return win::FALSE;
    std::strcpy(lpszPath, appData->c_str());
    return win::TRUE;
}

win::BOOL FakeWindows::sndPlaySoundA(const char* pszSound, win::UINT fuSound) {
    if (faulted("sndPlaySoundA", {pszSound, fuSound}))
        return win::FALSE;
    sounds.push_back(Sound{pszSound ? pszSound : "", fuSound});
    // A null sound stops the one that plays; a missing one plays the default unless SND_NODEFAULT.
    return !pszSound || drive_.fileExists(pszSound) || !(fuSound & SND_NODEFAULT);
}

win::HINTERNET FakeWindows::InternetOpenUrlA(win::HINTERNET hInternet, const char* lpszUrl,
                                             const char* lpszHeaders, win::DWORD dwHeadersLength,
                                             win::DWORD dwFlags, win::DWORD_PTR dwContext) {
    if (faulted("InternetOpenUrlA", {hInternet, lpszUrl, lpszHeaders, dwHeadersLength, dwFlags, dwContext}))
        return 0;
    const auto session = internet.find(hInternet);
    if (session == internet.end() || session->second.isUrl)
        return failWith<win::HINTERNET>(win::ERROR_INVALID_HANDLE, 0);
    const auto body = urlBodies.find(lpszUrl ? lpszUrl : "");
    if (body == urlBodies.end())
        return failWith<win::HINTERNET>(ERROR_INTERNET_NAME_NOT_RESOLVED, 0);
    internet[nextInternet] = InternetHandle{true, body->second, 0};
    return std::exchange(nextInternet, nextInternet + 4);
}

win::BOOL FakeWindows::InternetReadFile(win::HINTERNET hFile, void* lpBuffer,
                                        win::DWORD dwNumberOfBytesToRead, win::DWORD* lpdwNumberOfBytesRead) {
    if (faulted("InternetReadFile", {hFile, dwNumberOfBytesToRead}))
        return win::FALSE;
    const auto it = internet.find(hFile);
    if (it == internet.end() || !it->second.isUrl)
        return failWith(win::ERROR_INVALID_HANDLE, win::FALSE);
    InternetHandle& file = it->second;
    const std::size_t n = std::min<std::size_t>(dwNumberOfBytesToRead, file.body.size() - file.position);
    std::memcpy(lpBuffer, file.body.data() + file.position, n);
    file.position += n;
    *lpdwNumberOfBytesRead = static_cast<win::DWORD>(n);
    return win::TRUE;
}

win::HRESULT FakeWindows::DoFileDownload(const char16_t* lpszFile) {
    std::string address;
    for (const char16_t* c = lpszFile; c && *c; ++c)
        address += *c < 0x80 ? static_cast<char>(*c) : '?';
    if (auto code = plannedError("DoFileDownload", {address}))
        return hresultFromWin32(*code);
    if (!lpszFile)
        return E_INVALIDARG;
    downloads.push_back(lpszFile);
    return S_OK;
}

win::DWORD FakeWindows::GetFileVersionInfoSizeA(const char* lptstrFilename, win::DWORD* lpdwHandle) {
    if (lpdwHandle)
        *lpdwHandle = 0;
    if (faulted("GetFileVersionInfoSizeA", {lptstrFilename}))
        return 0;
    if (fileVersions.count(upper(lptstrFilename ? lptstrFilename : "")))
        return sizeof(win::DWORD) * fixedFileInfoDwords;
    return failWith<win::DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND, 0);
}

win::BOOL FakeWindows::GetFileVersionInfoA(const char* name, win::DWORD, win::DWORD size, void* block) {
    if (faulted("GetFileVersionInfoA", {name, size}))
        return win::FALSE;
    const auto version = fileVersions.find(upper(name ? name : ""));
    if (version == fileVersions.end() || size < sizeof(win::DWORD) * fixedFileInfoDwords)
        return failWith(ERROR_RESOURCE_DATA_NOT_FOUND, win::FALSE);
    const win::DWORD fixed[fixedFileInfoDwords] = {VS_FFI_SIGNATURE, VS_FFI_STRUCVERSION, version->second};
    std::memcpy(block, fixed, sizeof fixed);
    return win::TRUE;
}

// Only the root block, the fixed part, is there.
win::BOOL FakeWindows::VerQueryValueA(const void* block, const char* subBlock, void** buffer,
                                      win::UINT* length) {
    if (faulted("VerQueryValueA", {subBlock}) || std::string(subBlock ? subBlock : "") != "\\")
        return win::FALSE;
    *buffer = const_cast<void*>(block);
    *length = sizeof(win::DWORD) * fixedFileInfoDwords;
    return win::TRUE;
}

win::HRESULT FakeWindows::SaveShellLink(const char* linkFile, const char* targetPath, const char* arguments) {
    if (auto code = plannedError("SaveShellLink", {linkFile, targetPath, arguments}))
        return hresultFromWin32(*code);
    const FakeDrive::Location location = drive_.locate(linkFile);
    if (!location.onDrive || !location.folderExists)
        return hresultFromWin32(win::ERROR_PATH_NOT_FOUND);
    if (location.isFolder || (location.exists && drive_.isReadOnly(linkFile)))
        return hresultFromWin32(win::ERROR_ACCESS_DENIED);
    FakeDrive::fileAt(location).bytes = std::string(targetPath) + "|" + (arguments ? arguments : "");
    return S_OK;
}

} // namespace fake
