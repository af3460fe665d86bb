// The runtime's services that the program leans on besides the Windows calls:
// facts about the application, files, and starting processes. Paths are Windows
// paths ("c:\WINDOWS\logos.sys"). Every failure is thrown as rt::Error with the
// program's numbers: 53 file not found, 76 path not found, 75 path/file access
// error, 70 permission denied.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

struct AppVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// Show modes for Shell: the first window of the started program.
enum ShowMode : int {
    ShowHidden = 0,
    ShowNormalFocus = 1,
    ShowMinimizedFocus = 2,
    ShowMaximizedFocus = 3,
    ShowNormalNoFocus = 4,
    ShowMinimizedNoFocus = 6,
};

class Runtime {
public:
    virtual ~Runtime() = default;

    // The program's folder, without a trailing backslash.
    virtual std::string appPath() = 0;
    // "Decorama".
    virtual std::string appTitle() = 0;
    virtual AppVersion appVersion() = 0;

    // The name part of the file found at path ("LOGO.SYS" for "c:\logo.sys" when
    // it is stored under that name), or the empty text when there is none.
    // Never throws for a missing file or folder.
    virtual std::string Dir(const std::string& path) = 0;
    // The names of the plain files directly in folder whose names end in extension
    // (".theme"), letter case ignored, sorted without regard to case; none when the
    // folder is not there.
    virtual std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) = 0;
    // Copies source to destination, replacing an existing destination.
    virtual void FileCopy(const std::string& source, const std::string& destination) = 0;
    virtual void Kill(const std::string& path) = 0;
    // Renames or moves a file; the new name must not exist yet.
    virtual void Name(const std::string& oldPath, const std::string& newPath) = 0;

    // The whole file as bytes.
    virtual std::string readFile(const std::string& path) = 0;
    // Up to count bytes from offset; fewer at the end of the file.
    virtual std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) = 0;
    // Replaces the file's content with data, creating the file when needed.
    virtual void writeFile(const std::string& path, const std::string& data) = 0;
    // Writes data at offset, creating the file when needed and keeping the rest.
    virtual void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) = 0;

    // Starts a command line as a new process without waiting for it; returns its
    // process id. A program that cannot be found throws 53.
    virtual std::uint32_t Shell(const std::string& commandLine, int showMode) = 0;
};

} // namespace rt
