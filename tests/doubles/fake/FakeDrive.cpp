#include "fake/FakeDrive.h"

#include "runtime/Error.h"
#include "fake/TextUtil.h"

#include <algorithm>
#include <cstring>

namespace fake {

namespace {

bool isDosCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7F && !std::strchr("\"*+,/:;<=>?[\\]|.", c);
}

bool isLegal83Name(const std::string& name) {
    const auto dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    const auto legal = [](const std::string& part) {
        return std::all_of(part.begin(), part.end(), isDosCharacter);
    };
    return !base.empty() && base.size() <= 8 && extension.size() <= 3 &&
           (dot == std::string::npos || !extension.empty()) && legal(base) && legal(extension);
}

// A long name's short form: its basis (up to six characters of the name and three of
// its extension, in capitals, without blanks and dots, "_" for what DOS lacks) with
// "~1". Windows numbers the names that share a basis on; no folder of the tests holds
// two of them.
std::string shortNameOf(const std::string& name) {
    if (isLegal83Name(name))
        return name;
    const auto clean = [](const std::string& text, std::size_t limit) {
        std::string out;
        for (char c : text) {
            if (out.size() < limit && c != ' ' && c != '.')
                out += isDosCharacter(c) ? c : '_';
        }
        return upper(out);
    };
    const auto dot = name.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string extension = hasExtension ? clean(name.substr(dot + 1), 3) : "";
    return clean(name.substr(0, hasExtension ? dot : std::string::npos), 6) + "~1" +
           (extension.empty() ? "" : "." + extension);
}

// Windows drops trailing dots and spaces of a path component ("logo.sys." is "logo.sys").
std::string normalisedComponent(const std::string& part) {
    if (part == "." || part == "..")
        return part;
    const auto last = part.find_last_not_of(". ");
    return last == std::string::npos ? "" : part.substr(0, last + 1);
}

// Where the last component of a Windows path starts ("C:\a\b" -> 5; 0 without a folder).
std::size_t lastComponent(const std::string& path) {
    return path.find_last_of("\\/:") + 1; // npos + 1 is 0
}

bool components(const std::string& windowsPath, std::vector<std::string>& parts) {
    std::string path = windowsPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    if (path.rfind("\\\\", 0) == 0)
        return false; // UNC and device paths are not on the drive
    if (path.size() >= 2 && path[1] == ':') {
        if (path[0] != 'c' && path[0] != 'C')
            return false;
        path = path.substr(2);
    }
    parts.clear();
    for (const std::string& raw : split(path, '\\')) {
        const std::string part = normalisedComponent(raw);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    return true;
}

// The entry a folder holds by the name in any case, or by its short name; null when none.
FakeDrive::Entry* child(FakeDrive::Entry& folder, const std::string& name) {
    const auto it = folder.entries.find(upper(name));
    if (it != folder.entries.end())
        return &it->second;
    if (name.find('~') == std::string::npos)
        return nullptr;
    for (auto& [key, entry] : folder.entries)
        if (equalsIgnoreCase(shortNameOf(entry.name), name))
            return &entry;
    return nullptr;
}

// The folder is the entry or holds it at any depth.
bool holds(const FakeDrive::Entry& folder, const FakeDrive::Entry* entry) {
    return &folder == entry || std::any_of(folder.entries.begin(), folder.entries.end(),
                                           [&](const auto& held) { return holds(held.second, entry); });
}

void listFiles(const FakeDrive::Entry& folder, const std::string& path,
               std::map<std::string, std::string>& files) {
    for (const auto& [key, entry] : folder.entries) {
        if (entry.isFolder)
            listFiles(entry, path + entry.name + "\\", files);
        else
            files[path + entry.name] = entry.bytes;
    }
}

} // namespace

FakeDrive::Location FakeDrive::locate(const std::string& windowsPath) const {
    Location location;
    std::vector<std::string> parts;
    if (!components(windowsPath, parts))
        return location;
    location.onDrive = true;
    Entry* current = root_.get();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        Entry* const next = child(*current, parts[i]);
        location.folder = current;
        location.name = parts[i];
        if (!next || (i + 1 < parts.size() && !next->isFolder)) {
            location.folderExists = i + 1 == parts.size();
            return location;
        }
        location.shortPath += "\\" + shortNameOf(next->name);
        current = next;
    }
    location.exists = location.folderExists = true;
    location.isFolder = current->isFolder;
    location.entry = current;
    return location;
}

FakeDrive::Entry& FakeDrive::fileAt(const Location& location) {
    if (location.entry)
        return *location.entry;
    Entry& made = location.folder->entries[upper(location.name)];
    made.name = location.name;
    return made;
}

bool FakeDrive::fileExists(const std::string& windowsPath) const {
    const Location location = locate(windowsPath);
    return location.exists && !location.isFolder;
}

void FakeDrive::makeFolder(const std::string& windowsPath) {
    std::vector<std::string> parts;
    if (!components(windowsPath, parts))
        return;
    Entry* current = root_.get();
    for (const std::string& part : parts) {
        Entry* next = child(*current, part);
        if (!next)
            next = &(current->entries[upper(part)] = Entry{part, true, false, {}, {}});
        if (!next->isFolder)
            return;
        current = next;
    }
}

void FakeDrive::makeFile(const std::string& windowsPath, const std::string& bytes) {
    makeFolder(windowsPath.substr(0, lastComponent(windowsPath)));
    const Location location = locate(windowsPath);
    if (location.folderExists && !location.isFolder)
        fileAt(location).bytes = bytes;
}

void FakeDrive::remove(const std::string& windowsPath) {
    const Location location = locate(windowsPath);
    if (location.exists && location.folder)
        location.folder->entries.erase(upper(location.entry->name));
}

bool FakeDrive::isReadOnly(const std::string& windowsPath) const {
    const Location location = locate(windowsPath);
    return location.exists && location.entry->readOnly;
}

void FakeDrive::setReadOnly(const std::string& windowsPath, bool readOnly) {
    const Location location = locate(windowsPath);
    if (location.exists)
        location.entry->readOnly = readOnly;
}

std::map<std::string, std::string> FakeDrive::files() const {
    std::map<std::string, std::string> files;
    listFiles(*root_, "C:\\", files);
    return files;
}

FakeDrive::Location FakeDrive::found(const std::string& path, bool mustExist) const {
    const Location location = locate(path);
    if (!location.folderExists)
        throw rt::Error(rt::ErrPathNotFound);
    if (mustExist && !location.exists)
        throw rt::Error(rt::ErrFileNotFound);
    return location;
}

FakeDrive::Location FakeDrive::existingFile(const std::string& path) const {
    const Location location = found(path, true);
    if (location.isFolder)
        throw rt::Error(rt::ErrPathFileAccess);
    return location;
}

FakeDrive::Location FakeDrive::writableTarget(const std::string& path) const {
    const Location location = found(path, false);
    if (location.exists && (location.isFolder || location.entry->readOnly))
        throw rt::Error(rt::ErrPathFileAccess);
    return location;
}

std::string FakeDrive::dir(const std::string& path) const {
    const Location location = locate(path);
    return location.exists && !location.isFolder ? location.entry->name : "";
}

std::vector<std::string> FakeDrive::filesIn(const std::string& folder, const std::string& extension) const {
    std::vector<std::string> names;
    const Location location = locate(folder);
    if (!location.exists || !location.isFolder)
        return names;
    for (const auto& [key, entry] : location.entry->entries) {
        if (!entry.isFolder && key.size() >= extension.size() &&
            equalsIgnoreCase(key.substr(key.size() - extension.size()), extension))
            names.push_back(entry.name);
    }
    return names;
}

void FakeDrive::copyFile(const std::string& source, const std::string& destination) {
    const Location from = existingFile(source);
    const Location to = writableTarget(destination);
    if (to.entry == from.entry)
        throw rt::Error(rt::ErrPermissionDenied); // the source is open: a sharing violation
    Entry& copy = fileAt(to);
    copy.bytes = from.entry->bytes;
    copy.readOnly = copy.readOnly || from.entry->readOnly;
}

void FakeDrive::kill(const std::string& path) {
    const Location location = found(path, false);
    if (!location.exists || location.isFolder)
        throw rt::Error(rt::ErrFileNotFound);
    if (location.entry->readOnly)
        throw rt::Error(rt::ErrPathFileAccess);
    location.folder->entries.erase(upper(location.entry->name));
}

// A file or folder moves, or takes the new name's spelling; the root does not move, nor
// does a folder into itself.
void FakeDrive::rename(const std::string& oldPath, const std::string& newPath) {
    const Location from = found(oldPath, true);
    const Location to = found(newPath, false);
    if (to.exists && to.entry != from.entry)
        throw rt::Error(rt::ErrFileAlreadyExists, "File already exists");
    if (!from.folder || !to.folder || (to.entry != from.entry && holds(*from.entry, to.folder)))
        throw rt::Error(rt::ErrPathFileAccess);
    Entry moved = std::move(*from.entry);
    from.folder->entries.erase(upper(moved.name));
    moved.name = to.name;
    to.folder->entries[upper(to.name)] = std::move(moved);
}

std::string FakeDrive::readBytes(const std::string& path, std::uint64_t offset, std::size_t count) const {
    const std::string bytes = readFile(path);
    return offset >= bytes.size() ? "" : bytes.substr(static_cast<std::size_t>(offset), count);
}

void FakeDrive::writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) {
    std::string& bytes = fileAt(writableTarget(path)).bytes;
    const auto at = static_cast<std::size_t>(offset);
    if (bytes.size() < at + data.size())
        bytes.resize(at + data.size(), '\0');
    bytes.replace(at, data.size(), data);
}

} // namespace fake
