// kernel32, advapi32 (user name, process token) and secur32 calls of the fake: the
// thread's last error, version, paths and profile files, machine facts, memory and
// power. The name calls report the size through their in-out count.
#include "fake/FakeWindows.h"

#include "fake/CodePage1252.h"
#include "platform/InputFacts.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <sstream>

namespace fake {

namespace {

constexpr win::DWORD ERROR_MR_MID_NOT_FOUND = 317;
constexpr win::DWORD ERROR_NONE_MAPPED = 1332;
constexpr win::DWORD ERROR_NO_SUCH_PRIVILEGE = 1313;

const std::map<win::DWORD, const char*> systemMessages = {
    {0, "The operation completed successfully.\r\n"},
    {2, "The system cannot find the file specified.\r\n"},
    {3, "The system cannot find the path specified.\r\n"},
    {5, "Access is denied.\r\n"},
    {87, "The parameter is incorrect.\r\n"},
    {120, "This function is not supported on this system.\r\n"},
};

// A path or folder out to a buffer: its length, or the size a buffer needs with the NUL.
win::DWORD copyOut(const std::string& text, char* buffer, win::DWORD size) {
    if (!buffer || size <= text.size())
        return static_cast<win::DWORD>(text.size() + 1);
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<win::DWORD>(text.size());
}

// A null root is the current drive, C:.
bool isDriveC(const char* root) {
    return !root || equalsIgnoreCase(root, "C:\\") || equalsIgnoreCase(root, "C:");
}

win::ULONG_PTR narrowCount(std::uint64_t value) {
    return static_cast<win::ULONG_PTR>(
        std::min<std::uint64_t>(value, std::numeric_limits<win::ULONG_PTR>::max()));
}

constexpr win::HANDLE currentProcess = static_cast<win::HANDLE>(-1);
constexpr win::HANDLE processToken = 0x7100;
constexpr win::LUID shutdownLuid{19, 0}; // SE_SHUTDOWN_PRIVILEGE

// The edit WritePrivateProfileStringA makes to the text of a Windows profile file
// (system.ini and the like): sections and keys found without regard to case and
// surrounding blanks, a key's line replaced in place with its stored name kept, a
// new key added after the last line of its section, a new section added at the
// end, a null key removing the whole section and a null string removing the key.
// Lines end with CR LF, as Windows writes them.
std::string writeProfileString(const std::string& text, const std::string& section, const char* key,
                               const char* value) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(!line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line);
    const auto at = [&](std::size_t i) { return lines.begin() + static_cast<std::ptrdiff_t>(i); };
    const auto isHeader = [&](std::size_t i) { return trim(lines[i]).rfind('[', 0) == 0; };
    const auto isSection = [&](std::size_t i) {
        const std::string line = trim(lines[i]);
        return isHeader(i) && equalsIgnoreCase(trim(line.substr(1, line.find(']') - 1)), trim(section));
    };
    const auto nameOf = [&](std::size_t i) { return trim(lines[i].substr(0, lines[i].find('='))); };
    const auto isKey = [&](std::size_t i) {
        return lines[i].find('=') != std::string::npos && equalsIgnoreCase(nameOf(i), trim(key));
    };
    std::size_t header = 0;
    while (header < lines.size() && !isSection(header))
        ++header;
    std::size_t end = header + 1, line = header + 1;
    while (end < lines.size() && !isHeader(end))
        ++end;
    while (key && line < end && !isKey(line))
        ++line;
    if (!key) {
        if (header < lines.size())
            lines.erase(at(header), at(end));
    } else if (header == lines.size()) {
        if (value) {
            lines.push_back("[" + section + "]");
            lines.push_back(std::string(key) + "=" + value);
        }
    } else if (line < end) {
        if (value)
            lines[line] = nameOf(line) + "=" + value;
        else
            lines.erase(at(line));
    } else if (value) {
        lines.insert(at(end), std::string(key) + "=" + value);
    }
    std::string edited;
    for (const std::string& kept : lines)
        edited += kept + "\r\n";
    return edited;
}

} // namespace

template <class Size>
bool FakeWindows::copyName(const std::string& name, char* buffer, Size* size, win::DWORD overflow) {
    const bool fits = buffer && *size > name.size();
    if (fits)
        std::memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<Size>(fits ? name.size() : name.size() + 1);
    return fits || failWith(overflow, false);
}

win::BOOL FakeWindows::GetUserNameA(char* lpBuffer, win::DWORD* pcbBuffer) {
    if (faulted("GetUserNameA", {pcbBuffer ? *pcbBuffer : 0}))
        return win::FALSE;
    const bool copied = copyName(userName, lpBuffer, pcbBuffer, win::ERROR_INSUFFICIENT_BUFFER);
    if (copied)
        ++*pcbBuffer;
    return copied;
}

// GetComputerNameA: the size without the NUL; a buffer too small fails with
// ERROR_BUFFER_OVERFLOW (111) and the size needed.
win::BOOL FakeWindows::GetComputerNameA(char* lpBuffer, win::DWORD* nSize) {
    if (faulted("GetComputerNameA", {nSize ? *nSize : 0}))
        return win::FALSE;
    return copyName(computerName, lpBuffer, nSize, 111);
}

// GetUserNameExA (secur32, Windows 2000 and later): NameSamCompatible (2),
// "MACHINE\user", and NameDisplay (3), the account's full name, which this
// account has not; the other formats need a domain, which this machine lacks.
win::BOOLEAN FakeWindows::GetUserNameExA(int NameFormat, char* lpNameBuffer, win::ULONG* nSize) {
    if (faulted("GetUserNameExA", {NameFormat, nSize ? *nSize : 0}) ||
        refused(!isWindows2000OrLater(), win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(NameFormat != 2 && NameFormat != 3, ERROR_NONE_MAPPED))
        return 0;
    return copyName(NameFormat == 2 ? computerName + "\\" + userName : "", lpNameBuffer, nSize,
                    win::ERROR_MORE_DATA);
}

// GetVersionExA: OSVERSIONINFOA (148 bytes) everywhere, OSVERSIONINFOEXA (156)
// from NT 4 Service Pack 6 on; any other size fails with ERROR_INSUFFICIENT_BUFFER.
win::BOOL FakeWindows::GetVersionExA(win::OSVERSIONINFOA* lpVersionInformation) {
    if (faulted("GetVersionExA", {lpVersionInformation ? lpVersionInformation->dwOSVersionInfoSize : 0}))
        return win::FALSE;
    const VersionProfile& profile = profileOf(version_);
    if (profile.platformId == 0)
        return failWith(win::ERROR_CALL_NOT_IMPLEMENTED, win::FALSE);
    const win::DWORD size = lpVersionInformation->dwOSVersionInfoSize;
    const bool extended = size == sizeof(win::OSVERSIONINFOEXA) &&
                          (isWindows2000OrLater() || (isNtFamily(version_) && profile.servicePackMajor >= 6));
    if (size != sizeof(win::OSVERSIONINFOA) && !extended)
        return failWith(win::ERROR_INSUFFICIENT_BUFFER, win::FALSE);
    win::OSVERSIONINFOA& info = *lpVersionInformation;
    info.dwMajorVersion = profile.major;
    info.dwMinorVersion = profile.minor;
    info.dwBuildNumber =
        isNtFamily(version_) ? profile.build : profile.major << 24 | profile.minor << 16 | profile.build;
    info.dwPlatformId = profile.platformId;
    std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
    std::strncpy(info.szCSDVersion, profile.servicePack, sizeof info.szCSDVersion - 1);
    if (extended) {
        auto& ex = *reinterpret_cast<win::OSVERSIONINFOEXA*>(lpVersionInformation);
        ex.wServicePackMajor = profile.servicePackMajor;
        ex.wServicePackMinor = 0;
        ex.wSuiteMask =
            profile.major == 5 && profile.minor == 0 ? 0 : 0x100; // VER_SUITE_SINGLEUSERTS from XP on
        ex.wProductType = isNtFamily(version_) ? 1 : 0;           // VER_NT_WORKSTATION
        ex.wReserved = 0;
    }
    return win::TRUE;
}

win::DWORD FakeWindows::GetShortPathNameA(const char* lpszLongPath, char* lpszShortPath,
                                          win::DWORD cchBuffer) {
    if (faulted("GetShortPathNameA", {lpszLongPath, cchBuffer}))
        return 0;
    const std::string path = lpszLongPath;
    const FakeDrive::Location location = drive_.locate(path);
    if (path.empty() || !location.exists)
        return failWith<win::DWORD>(
            path.empty() || location.folderExists ? win::ERROR_FILE_NOT_FOUND : win::ERROR_PATH_NOT_FOUND, 0);
    const std::string drive = path.size() >= 2 && path[1] == ':' ? path.substr(0, 2) : "";
    const bool trailingBackslash = path.find_last_of("\\/") + 1 == path.size();
    return copyOut(drive + location.shortPath + (trailingBackslash ? "\\" : ""), lpszShortPath, cchBuffer);
}

// WritePrivateProfileStringA: a file name without a folder lives in the
// Windows folder; the file is made when something is written to it, its
// folder is not (ERROR_PATH_NOT_FOUND); a read-only file is refused.
win::BOOL FakeWindows::WritePrivateProfileStringA(const char* lpAppName, const char* lpKeyName,
                                                  const char* lpString, const char* lpFileName) {
    if (faulted("WritePrivateProfileStringA", {lpAppName, lpKeyName, lpString, lpFileName}))
        return win::FALSE;
    std::string path = lpFileName;
    if (path.find_first_of("\\/:") == std::string::npos)
        path = windowsFolder() + "\\" + path;
    const FakeDrive::Location location = drive_.locate(path);
    if (refused(!location.onDrive || !location.folderExists, win::ERROR_PATH_NOT_FOUND) ||
        refused(location.isFolder || drive_.isReadOnly(path), win::ERROR_ACCESS_DENIED))
        return win::FALSE;
    const std::string text =
        writeProfileString(location.exists ? location.entry->bytes : "", lpAppName, lpKeyName, lpString);
    if (location.exists || !text.empty())
        FakeDrive::fileAt(location).bytes = text;
    return win::TRUE;
}

win::BOOL FakeWindows::GetDiskFreeSpaceA(const char* lpRootPathName, win::DWORD* lpSectorsPerCluster,
                                         win::DWORD* lpBytesPerSector, win::DWORD* lpNumberOfFreeClusters,
                                         win::DWORD* lpTotalNumberOfClusters) {
    if (faulted("GetDiskFreeSpaceA", {lpRootPathName}) ||
        refused(!isDriveC(lpRootPathName), win::ERROR_PATH_NOT_FOUND))
        return win::FALSE;
    // The 95 family caps the counts at 2 GiB of clusters.
    const std::uint64_t cap = isNtFamily(version_) ? 0xFFFFFFFFull : 0x7FFFFFFFull / 4096;
    const auto clusters = static_cast<win::DWORD>(std::min<std::uint64_t>(freeBytes / 4096, cap));
    for (auto [out, value] :
         {std::pair{lpSectorsPerCluster, win::DWORD{8}}, std::pair{lpBytesPerSector, win::DWORD{512}},
          std::pair{lpNumberOfFreeClusters, clusters}, std::pair{lpTotalNumberOfClusters, clusters}})
        if (out)
            *out = value;
    return win::TRUE;
}

// GetDiskFreeSpaceExA: Windows 95 OSR2 (build 1000 on) and NT 4 on.
win::BOOL FakeWindows::GetDiskFreeSpaceExA(const char* lpDirectoryName,
                                           win::DWORDLONG* lpFreeBytesAvailableToCaller,
                                           win::DWORDLONG* lpTotalNumberOfBytes,
                                           win::DWORDLONG* lpTotalNumberOfFreeBytes) {
    if (faulted("GetDiskFreeSpaceExA", {lpDirectoryName}))
        return win::FALSE;
    const VersionProfile& p = profileOf(version_);
    const bool present = isNtFamily(version_) ? p.major >= 4 : p.minor > 0 || p.build >= 1000;
    if (refused(!present, win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(!isDriveC(lpDirectoryName), win::ERROR_PATH_NOT_FOUND))
        return win::FALSE;
    for (win::DWORDLONG* out : {lpFreeBytesAvailableToCaller, lpTotalNumberOfBytes, lpTotalNumberOfFreeBytes})
        if (out)
            *out = freeBytes / 4096 * 4096;
    return win::TRUE;
}

// The folders of the version played: "C:\WINDOWS" and "C:\WINDOWS\SYSTEM" on the 95
// family, "C:\WINNT" and "C:\WINNT\system32" on NT.
win::UINT FakeWindows::GetWindowsDirectoryA(char* lpBuffer, win::UINT uSize) {
    return faulted(__func__, {uSize}) ? 0 : copyOut(windowsFolder(), lpBuffer, uSize);
}

win::UINT FakeWindows::GetSystemDirectoryA(char* lpBuffer, win::UINT uSize) {
    return faulted(__func__, {uSize}) ? 0 : copyOut(systemFolder(), lpBuffer, uSize);
}

// CreateDirectoryA: one level; the folder above must be there.
win::BOOL FakeWindows::CreateDirectoryA(const char* lpPathName, void*) {
    if (faulted("CreateDirectoryA", {lpPathName}))
        return win::FALSE;
    const FakeDrive::Location location = drive_.locate(lpPathName ? lpPathName : "");
    if (refused(!location.onDrive || !location.folderExists, win::ERROR_PATH_NOT_FOUND) ||
        refused(location.exists, win::ERROR_ALREADY_EXISTS))
        return win::FALSE;
    drive_.makeFolder(lpPathName);
    return win::TRUE;
}

// The fake's files have no hidden or system mark: a folder, or a file that is read-only
// or not, with the archive mark a file written gets.
win::DWORD FakeWindows::GetFileAttributesA(const char* lpFileName) {
    if (faulted("GetFileAttributesA", {lpFileName}))
        return win::INVALID_FILE_ATTRIBUTES;
    const FakeDrive::Location location = drive_.locate(lpFileName ? lpFileName : "");
    if (!location.exists)
        return failWith(location.folderExists ? win::ERROR_FILE_NOT_FOUND : win::ERROR_PATH_NOT_FOUND,
                        win::INVALID_FILE_ATTRIBUTES);
    if (location.isFolder)
        return win::FILE_ATTRIBUTE_DIRECTORY;
    return win::FILE_ATTRIBUTE_ARCHIVE | (drive_.isReadOnly(lpFileName) ? win::FILE_ATTRIBUTE_READONLY : 0);
}

// MoveFileExA: none on the 95 family; on NT a file moves, onto another file only when told
// to replace it (a read-only one too, as Wine does), never onto a folder.
win::BOOL FakeWindows::MoveFileExA(const char* from, const char* to, win::DWORD flags) {
    if (faulted("MoveFileExA", {from, to, flags}) ||
        refused(!isNtFamily(version_), win::ERROR_CALL_NOT_IMPLEMENTED))
        return win::FALSE;
    const FakeDrive::Location source = drive_.locate(from), target = drive_.locate(to);
    const bool onto = target.exists && target.entry != source.entry;
    if (refused(!source.exists,
                source.folderExists ? win::ERROR_FILE_NOT_FOUND : win::ERROR_PATH_NOT_FOUND) ||
        refused(!target.onDrive || !target.folderExists, win::ERROR_PATH_NOT_FOUND) ||
        refused(onto && !(flags & win::MOVEFILE_REPLACE_EXISTING), win::ERROR_ALREADY_EXISTS) ||
        refused(onto && target.isFolder, win::ERROR_ACCESS_DENIED))
        return win::FALSE;
    if (onto)
        drive_.remove(to);
    drive_.rename(from, to);
    return win::TRUE;
}

// The code page conversions know the ANSI code page of a Western Windows, 1252
// (CP_ACP or 1252 by number). Lengths count what the text holds; an output size
// of 0 asks for the size needed.
template <class To, class From>
int FakeWindows::convert(const char* operation, win::UINT codePage, const From* text, int length, To* buffer,
                         int size, const std::function<To(From)>& convertOne) {
    if (faulted(operation, {codePage, length, size}) ||
        refused((codePage != win::CP_ACP && codePage != 1252) || !text, win::ERROR_INVALID_PARAMETER))
        return 0;
    // A length of -1 takes the text up to its NUL and the NUL too.
    const std::basic_string<From> input =
        length < 0 ? std::basic_string<From>(text) + From{}
                   : std::basic_string<From>(text, static_cast<std::size_t>(length));
    std::basic_string<To> converted;
    std::transform(input.begin(), input.end(), std::back_inserter(converted), convertOne);
    if (size == 0)
        return static_cast<int>(converted.size());
    if (!buffer || static_cast<std::size_t>(size) < converted.size())
        return failWith(win::ERROR_INSUFFICIENT_BUFFER, 0);
    std::copy(converted.begin(), converted.end(), buffer);
    return static_cast<int>(converted.size());
}

int FakeWindows::WideCharToMultiByte(win::UINT CodePage, win::DWORD, const char16_t* lpWideCharStr,
                                     int cchWideChar, char* lpMultiByteStr, int cbMultiByte,
                                     const char* lpDefaultChar, win::BOOL* lpUsedDefaultChar) {
    bool usedDefault = false;
    const int result = convert<char, char16_t>(
        "WideCharToMultiByte", CodePage, lpWideCharStr, cchWideChar, lpMultiByteStr, cbMultiByte,
        [&](char16_t c) {
            const std::optional<unsigned char> exact = toCp1252(c);
            const std::optional<unsigned char> byte = exact ? exact : bestFit1252(c);
            usedDefault = usedDefault || !byte;
            return byte ? static_cast<char>(*byte) : lpDefaultChar ? *lpDefaultChar : '?';
        });
    if (lpUsedDefaultChar && result)
        *lpUsedDefaultChar = usedDefault;
    return result;
}

int FakeWindows::MultiByteToWideChar(win::UINT CodePage, win::DWORD, const char* lpMultiByteStr,
                                     int cbMultiByte, char16_t* lpWideCharStr, int cchWideChar) {
    return convert<char16_t, char>("MultiByteToWideChar", CodePage, lpMultiByteStr, cbMultiByte,
                                   lpWideCharStr, cchWideChar,
                                   [](char c) { return fromCp1252(static_cast<unsigned char>(c)); });
}

win::DWORD FakeWindows::FormatMessageA(win::DWORD dwFlags, const void*, win::DWORD dwMessageId,
                                       win::DWORD dwLanguageId, char* lpBuffer, win::DWORD nSize, void*) {
    if (faulted("FormatMessageA", {dwFlags, dwMessageId, dwLanguageId, nSize}))
        return 0;
    const auto found = systemMessages.find(dwMessageId);
    if (!(dwFlags & win::FORMAT_MESSAGE_FROM_SYSTEM) || found == systemMessages.end())
        return failWith<win::DWORD>(ERROR_MR_MID_NOT_FOUND, 0);
    const std::string text = found->second;
    if (!lpBuffer || nSize <= text.size())
        return failWith<win::DWORD>(win::ERROR_INSUFFICIENT_BUFFER, 0);
    std::memcpy(lpBuffer, text.c_str(), text.size() + 1);
    return static_cast<win::DWORD>(text.size());
}

void FakeWindows::GlobalMemoryStatus(win::MEMORYSTATUS* lpBuffer) {
    if (faulted("GlobalMemoryStatus", {}))
        return;
    const win::MEMORYSTATUSEX& m = memory;
    *lpBuffer = win::MEMORYSTATUS{sizeof(win::MEMORYSTATUS),       m.dwMemoryLoad,
                                  narrowCount(m.ullTotalPhys),     narrowCount(m.ullAvailPhys),
                                  narrowCount(m.ullTotalPageFile), narrowCount(m.ullAvailPageFile),
                                  narrowCount(m.ullTotalVirtual),  narrowCount(m.ullAvailVirtual)};
}

// GlobalMemoryStatusEx (Windows 2000 and later): dwLength must be the record's size.
win::BOOL FakeWindows::GlobalMemoryStatusEx(win::MEMORYSTATUSEX* lpBuffer) {
    if (faulted("GlobalMemoryStatusEx", {lpBuffer ? lpBuffer->dwLength : 0}) ||
        refused(!isWindows2000OrLater(), win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(lpBuffer->dwLength != sizeof(win::MEMORYSTATUSEX), win::ERROR_INVALID_PARAMETER))
        return win::FALSE;
    *lpBuffer = memory;
    lpBuffer->dwLength = sizeof(win::MEMORYSTATUSEX);
    return win::TRUE;
}

win::HANDLE FakeWindows::CreateFileA(const char* lpFileName, win::DWORD dwDesiredAccess,
                                     win::DWORD dwShareMode, void*, win::DWORD dwCreationDisposition,
                                     win::DWORD dwFlagsAndAttributes, win::HANDLE) {
    if (faulted("CreateFileA",
                {lpFileName, dwDesiredAccess, dwShareMode, dwCreationDisposition, dwFlagsAndAttributes}))
        return win::INVALID_HANDLE_VALUE;
    const std::string name = lpFileName ? lpFileName : "";
    const FakeDrive::Location location = drive_.locate(name);
    const bool writes = dwCreationDisposition != 3 && dwCreationDisposition != 4;
    if (name.rfind("\\\\.\\", 0) == 0) {
        if (!equalsIgnoreCase(name.substr(4), "C:"))
            return failWith(win::ERROR_FILE_NOT_FOUND, win::INVALID_HANDLE_VALUE);
    } else if (!location.onDrive || !location.folderExists) {
        return failWith(win::ERROR_PATH_NOT_FOUND, win::INVALID_HANDLE_VALUE);
    } else if (location.isFolder || (location.exists && writes && drive_.isReadOnly(name))) {
        return failWith(win::ERROR_ACCESS_DENIED, win::INVALID_HANDLE_VALUE);
    } else if (dwCreationDisposition == 3 && !location.exists) {
        return failWith(win::ERROR_FILE_NOT_FOUND, win::INVALID_HANDLE_VALUE);
    } else if (!location.exists || writes) {
        FakeDrive::fileAt(location).bytes.clear();
        drive_.setReadOnly(name, (dwFlagsAndAttributes & win::FILE_ATTRIBUTE_READONLY) != 0);
    }
    files[nextFile] = name;
    return std::exchange(nextFile, nextFile + 4);
}

// The process token knows one privilege, the shut-down privilege, which
// ExitWindowsEx asks for on the NT family.
win::HANDLE FakeWindows::GetCurrentProcess() {
    log.add("GetCurrentProcess", {});
    return currentProcess;
}

win::BOOL FakeWindows::OpenProcessToken(win::HANDLE ProcessHandle, win::DWORD DesiredAccess,
                                        win::HANDLE* TokenHandle) {
    if (faulted("OpenProcessToken", {ProcessHandle, DesiredAccess}) ||
        refused(!isNtFamily(version_), win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(ProcessHandle != currentProcess || !TokenHandle, win::ERROR_INVALID_HANDLE))
        return win::FALSE;
    *TokenHandle = processToken;
    return win::TRUE;
}

win::BOOL FakeWindows::LookupPrivilegeValueA(const char* lpSystemName, const char* lpName,
                                             win::LUID* lpLuid) {
    if (faulted("LookupPrivilegeValueA", {lpSystemName, lpName}) ||
        refused(!isNtFamily(version_), win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(!lpName || !lpLuid || !equalsIgnoreCase(lpName, "SeShutdownPrivilege"),
                ERROR_NO_SUCH_PRIVILEGE))
        return win::FALSE;
    *lpLuid = shutdownLuid;
    return win::TRUE;
}

win::BOOL FakeWindows::AdjustTokenPrivileges(win::HANDLE TokenHandle, win::BOOL DisableAllPrivileges,
                                             win::TOKEN_PRIVILEGES* NewState, win::DWORD,
                                             win::TOKEN_PRIVILEGES*, win::DWORD*) {
    if (faulted("AdjustTokenPrivileges", {TokenHandle, DisableAllPrivileges}) ||
        refused(!isNtFamily(version_), win::ERROR_CALL_NOT_IMPLEMENTED) ||
        refused(TokenHandle != processToken, win::ERROR_INVALID_HANDLE))
        return win::FALSE;
    if (DisableAllPrivileges)
        shutdownPrivilege = false;
    else if (NewState->PrivilegeCount > 0 && NewState->Privileges[0].Luid.LowPart == shutdownLuid.LowPart)
        shutdownPrivilege = (NewState->Privileges[0].Attributes & win::SE_PRIVILEGE_ENABLED) != 0;
    return failWith(win::ERROR_SUCCESS, win::TRUE);
}

} // namespace fake
