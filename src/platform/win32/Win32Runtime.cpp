#include "platform/win32/Win32Runtime.h"
#include "platform/win32/WindowsErrors.h"
#include "runtime/TextConv.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace win32 {
namespace {

// A file handle closed when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(::HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (valid()) {
            ::CloseHandle(handle_);
        }
    }
    FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = INVALID_HANDLE_VALUE; }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    ::HANDLE get() const { return handle_; }

private:
    ::HANDLE handle_;
};

[[noreturn]] void throwLastError() {
    throw errorFromWindows(::GetLastError());
}

FileHandle openForReading(const std::string& path) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        throwLastError();
    }
    return file;
}

// Windows 95 has no SetFilePointerEx; the high part goes through its own argument.
void seek(const FileHandle& file, std::uint64_t offset) {
    ::LONG high = static_cast<::LONG>(offset >> 32);
    ::SetLastError(NO_ERROR);
    const ::DWORD low =
        ::SetFilePointer(file.get(), static_cast<::LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
        throwLastError();
    }
}

// Up to count bytes from `offset`, fewer at the end of the file: read into one buffer made
// at the size that is left, in as few reads as Windows gives.
std::string readAt(const FileHandle& file, std::uint64_t offset, std::size_t count) {
    const ::DWORD size = ::GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE) {
        throwLastError();
    }
    if (offset != 0) {
        seek(file, offset);
    }
    const std::uint64_t left = size > offset ? size - offset : 0;
    std::string data(static_cast<std::size_t>(std::min<std::uint64_t>(count, left)), '\0');
    std::size_t done = 0;
    while (done < data.size()) {
        ::DWORD got = 0;
        if (!::ReadFile(file.get(), &data[done], static_cast<::DWORD>(data.size() - done), &got, nullptr)) {
            throwLastError();
        }
        if (got == 0) {
            break;
        }
        done += got;
    }
    data.resize(done);
    return data;
}

void writeAll(const FileHandle& file, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ::DWORD written = 0;
        if (!::WriteFile(file.get(), data.data() + done, static_cast<::DWORD>(data.size() - done), &written,
                         nullptr)) {
            throwLastError();
        }
        done += written;
    }
}

// Windows refuses to write over a read-only file with ERROR_ACCESS_DENIED. The
// attribute is checked here rather than left to the file system underneath, which
// may let a privileged user write anyway (Wine run as root does).
void refuseReadOnly(const std::string& path) {
    const ::DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        throw errorFromWindows(ERROR_ACCESS_DENIED);
    }
}

FileHandle openForWriting(const std::string& path, ::DWORD disposition) {
    refuseReadOnly(path);
    FileHandle file(
        ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        throwLastError();
    }
    return file;
}

// The runtime's Dir without attributes looks for plain files only: folders,
// hidden and system files and the volume label are passed over.
bool isPlainFile(const ::WIN32_FIND_DATAA& found) {
    constexpr ::DWORD excluded =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | 0x8 /* volume label */;
    return (found.dwFileAttributes & excluded) == 0;
}

} // namespace

std::string Win32Runtime::appPath() {
    char module[MAX_PATH + 1] = {};
    const ::DWORD length = ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module, length);
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Win32Runtime::appTitle() {
    return "Decorama";
}

rt::AppVersion Win32Runtime::appVersion() {
    return {DECORAMA_VERSION_MAJOR, DECORAMA_VERSION_MINOR, DECORAMA_VERSION_PATCH};
}

std::string Win32Runtime::Dir(const std::string& path) {
    ::WIN32_FIND_DATAA found{};
    const ::HANDLE search = ::FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string name;
    do {
        if (isPlainFile(found)) {
            name = found.cFileName;
            break;
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return name;
}

std::vector<std::string> Win32Runtime::FilesIn(const std::string& folder, const std::string& extension) {
    std::vector<std::string> names;
    ::WIN32_FIND_DATAA found{};
    const ::HANDLE search = ::FindFirstFileA((folder + "\\*" + extension).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    // The pattern also matches 8.3 names ("*.the" finds "JUNGLE~1.THE" for a long
    // ".theme" name on some Windows): the long name is what must end in it.
    do {
        const std::string name = found.cFileName;
        if (isPlainFile(found) && rt::EndsWith(rt::UCase(name), rt::UCase(extension)))
            names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return rt::UCase(a) < rt::UCase(b); });
    return names;
}

void Win32Runtime::FileCopy(const std::string& source, const std::string& destination) {
    // A missing source is reported before the destination is looked at, as CopyFileA does.
    if (::GetFileAttributesA(source.c_str()) != INVALID_FILE_ATTRIBUTES) {
        refuseReadOnly(destination);
    }
    if (!::CopyFileA(source.c_str(), destination.c_str(), FALSE)) {
        throwLastError();
    }
}

void Win32Runtime::Kill(const std::string& path) {
    if (!::DeleteFileA(path.c_str())) {
        throwLastError();
    }
}

void Win32Runtime::Name(const std::string& oldPath, const std::string& newPath) {
    if (!::MoveFileA(oldPath.c_str(), newPath.c_str())) {
        throwLastError();
    }
}

std::string Win32Runtime::readFile(const std::string& path) {
    return readAt(openForReading(path), 0, static_cast<std::size_t>(-1));
}

std::string Win32Runtime::readBytes(const std::string& path, std::uint64_t offset, std::size_t count) {
    return readAt(openForReading(path), offset, count);
}

void Win32Runtime::writeFile(const std::string& path, const std::string& data) {
    const FileHandle file = openForWriting(path, CREATE_ALWAYS);
    writeAll(file, data);
}

void Win32Runtime::writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) {
    const FileHandle file = openForWriting(path, OPEN_ALWAYS);
    seek(file, offset);
    writeAll(file, data);
}

std::uint32_t Win32Runtime::Shell(const std::string& commandLine, int showMode) {
    // CreateProcessA may write into the command line, so it gets a copy.
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    ::STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<::WORD>(showMode);
    ::PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        const ::DWORD error = ::GetLastError();
        // A program that cannot be found, by name or by folder, is "File not found".
        throw errorFromWindows(error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return process.dwProcessId;
}

} // namespace win32
