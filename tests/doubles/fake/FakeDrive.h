// Drive C: of the fake, a tree in memory. Windows paths are resolved one component
// at a time, without regard to case and also by 8.3 short names ("C:\PROGRA~1"); any
// other drive is not found. The runtime file services throw the program's errors:
// 53 file not found, 76 path not found, 75 path/file access error (read-only file,
// or a folder for a file), 58 file already exists.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace fake {

class FakeDrive {
public:
    struct Entry {
        std::string name; // as stored
        bool isFolder = false;
        bool readOnly = false; // Windows' read-only attribute
        std::string bytes;
        std::map<std::string, Entry> entries; // a folder's, by name in capitals
    };
    struct Location {
        bool onDrive = false;      // a path on drive C:
        bool exists = false;       // the entry exists
        bool isFolder = false;     // it is a folder
        bool folderExists = false; // the folder that holds it exists
        Entry* entry = nullptr;    // the entry, when it exists
        Entry* folder = nullptr;   // the folder that holds it, when that exists
        std::string name;          // its last component as asked
        std::string shortPath;     // the 8.3 form below the root of what was found: "\\PROGRA~1"
    };
    Location locate(const std::string& windowsPath) const;
    // The file found, or the one made where it would be (its folder must exist).
    static Entry& fileAt(const Location& location);
    bool exists(const std::string& windowsPath) const { return locate(windowsPath).exists; }
    bool fileExists(const std::string& windowsPath) const;
    void makeFolder(const std::string& windowsPath);
    void makeFile(const std::string& windowsPath, const std::string& bytes);
    void remove(const std::string& windowsPath);
    bool isReadOnly(const std::string& windowsPath) const;
    void setReadOnly(const std::string& windowsPath, bool readOnly);
    // Every file of the drive with its bytes, by path ("C:\WINDOWS\system.ini").
    std::map<std::string, std::string> files() const;
    std::string dir(const std::string& pattern) const;
    std::vector<std::string> filesIn(const std::string& folder, const std::string& extension) const;
    void copyFile(const std::string& source, const std::string& destination);
    void kill(const std::string& path);
    void rename(const std::string& oldPath, const std::string& newPath);
    std::string readFile(const std::string& path) const { return existingFile(path).entry->bytes; }
    std::string readBytes(const std::string& path, std::uint64_t offset, std::size_t count) const;
    void writeFile(const std::string& path, const std::string& data) {
        fileAt(writableTarget(path)).bytes = data;
    }
    void writeBytes(const std::string& path, std::uint64_t offset, const std::string& data);

private:
    Location found(const std::string& path, bool mustExist) const; // 76 / 53 when it must exist
    Location existingFile(const std::string& path) const;          // 76 / 53 / 75 for a folder
    Location writableTarget(const std::string& path) const;        // 76 / 75
    std::unique_ptr<Entry> root_ = std::make_unique<Entry>(Entry{"", true, false, {}, {}});
};

} // namespace fake
