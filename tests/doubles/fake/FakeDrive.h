// Drive C: of the fake, kept in a folder of the host. Windows paths are resolved
// one component at a time, without regard to case and also by 8.3 short names
// ("C:\PROGRA~1"); any other drive is not found. The runtime file services throw
// the program's errors: 53 file not found, 76 path not found, 75 path/file
// access error (read-only file, or a folder for a file), 58 file already exists.
#pragma once

#include "platform/WinTypes.h"

#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace fake {

class FakeDrive {
public:
    explicit FakeDrive(std::filesystem::path root);
    const std::filesystem::path& root() const { return root_; }
    struct Location {
        bool onDrive = false;       // a path on drive C:
        bool exists = false;        // the entry exists
        bool isFolder = false;      // it is a folder
        bool folderExists = false;  // the folder that holds it exists
        std::filesystem::path host; // the entry, or where it would be made
        std::string storedName;     // its name as stored, "" when missing
        std::string shortPath;      // the 8.3 form below the root of what was found: "\\PROGRA~1"
    };
    Location locate(const std::string& windowsPath) const;
    bool exists(const std::string& windowsPath) const { return locate(windowsPath).exists; }
    bool fileExists(const std::string& windowsPath) const;
    void makeFolder(const std::string& windowsPath);
    void makeFile(const std::string& windowsPath, const std::string& bytes);
    void remove(const std::string& windowsPath);
    bool isReadOnly(const std::string& windowsPath) const;
    void setReadOnly(const std::string& windowsPath, bool readOnly);
    std::string dir(const std::string& pattern) const;
    std::vector<std::string> filesIn(const std::string& folder, const std::string& extension) const;
    void copyFile(const std::string& source, const std::string& destination);
    void kill(const std::string& path);
    void rename(const std::string& oldPath, const std::string& newPath);
    std::string readFile(const std::string& path) const { return hostRead(existingFile(path).host); }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) const;
    void writeFile(const std::string& path, const std::string& data) {
        hostWrite(writableTarget(path).host, data);
    }
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data);
    static std::string hostRead(const std::filesystem::path& host);
    static void hostWrite(const std::filesystem::path& host, const std::string& bytes);

private:
    Location found(const std::string& path, bool mustExist) const; // 76 / 53 when it must exist
    Location existingFile(const std::string& path) const;          // 76 / 53 / 75 for a folder
    Location writableTarget(const std::string& path) const;        // 76 / 75
    std::filesystem::path root_;
    // Windows keeps read-only as a file attribute; the fake keeps the marks of its
    // host files here, whatever the host process may write.
    std::set<std::filesystem::path> readOnly_;
};

} // namespace fake
