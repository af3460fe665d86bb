#include "fake/FakeDrive.h"

#include "runtime/Error.h"
#include "fake/TextUtil.h"

#include <algorithm>
#include <fstream>
#include <cstring>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

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

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return upper(a) < upper(b); });
    return names;
}

std::string match(const fs::path& folder, const std::string& name) {
#ifndef _WIN32
    // The name as written is the common case; only other spellings need the listing.
    // (A Windows host folder matches any spelling, so there the listing tells the stored one.)
    std::error_code ec;
    if (!name.empty() && name.find_first_of("*?") == std::string::npos && fs::exists(folder / name, ec))
        return name;
#endif
    const std::vector<std::string> entries = entriesOf(folder);
    for (const std::string& entry : entries) {
        if (equalsIgnoreCase(entry, name))
            return entry;
    }
    if (name.find('~') == std::string::npos)
        return "";
    for (const std::string& entry : entries) {
        if (equalsIgnoreCase(shortNameOf(entry), name))
            return entry;
    }
    return "";
}

} // namespace

FakeDrive::FakeDrive(fs::path root) : root_(std::move(root)) {}

FakeDrive::Location FakeDrive::locate(const std::string& windowsPath) const {
    Location location;
    std::vector<std::string> parts;
    if (!components(windowsPath, parts))
        return location;
    location.onDrive = true;
    location.exists = location.isFolder = location.folderExists = parts.empty(); // the root folder
    fs::path current = root_;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const std::string stored = match(current, parts[i]);
        if (stored.empty() || (!last && !fs::is_directory(current / stored))) {
            location.folderExists = last;
            location.host = current;
            for (std::size_t j = i; j < parts.size(); ++j)
                location.host /= parts[j];
            return location;
        }
        current /= stored;
        location.shortPath += "\\" + shortNameOf(stored);
        if (last) {
            location.exists = location.folderExists = true;
            location.isFolder = fs::is_directory(current);
            location.storedName = stored;
        }
    }
    location.host = current;
    return location;
}

bool FakeDrive::fileExists(const std::string& windowsPath) const {
    const Location location = locate(windowsPath);
    return location.exists && !location.isFolder;
}

void FakeDrive::makeFolder(const std::string& windowsPath) {
    std::vector<std::string> parts;
    if (!components(windowsPath, parts))
        return;
    fs::path current = root_;
    for (const std::string& part : parts) {
        const std::string stored = match(current, part);
        current /= stored.empty() ? part : stored;
        std::error_code ec;
        fs::create_directory(current, ec);
    }
}

void FakeDrive::makeFile(const std::string& windowsPath, const std::string& bytes) {
    makeFolder(windowsPath.substr(0, lastComponent(windowsPath)));
    const Location location = locate(windowsPath);
    if (location.onDrive && !location.isFolder)
        hostWrite(location.host, bytes);
}

void FakeDrive::remove(const std::string& windowsPath) {
    const Location location = locate(windowsPath);
    if (!location.exists || location.host == root_)
        return;
    const std::string removed = location.host.string() + "/";
    for (auto it = readOnly_.lower_bound(location.host);
         it != readOnly_.end() && (it->string() + "/").rfind(removed, 0) == 0;)
        it = readOnly_.erase(it);
    std::error_code ec;
    fs::remove_all(location.host, ec);
}

bool FakeDrive::isReadOnly(const std::string& windowsPath) const {
    const Location location = locate(windowsPath);
    return location.exists && readOnly_.count(location.host) != 0;
}

void FakeDrive::setReadOnly(const std::string& windowsPath, bool readOnly) {
    const Location location = locate(windowsPath);
    if (location.exists && readOnly)
        readOnly_.insert(location.host);
    else
        readOnly_.erase(location.host);
}

std::string FakeDrive::hostRead(const fs::path& host) {
    std::ifstream in(host, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void FakeDrive::hostWrite(const fs::path& host, const std::string& bytes) {
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
    if (location.exists && (location.isFolder || isReadOnly(path)))
        throw rt::Error(rt::ErrPathFileAccess);
    return location;
}

std::string FakeDrive::dir(const std::string& path) const {
    const Location location = locate(path);
    return location.exists && !location.isFolder ? location.storedName : "";
}

std::vector<std::string> FakeDrive::filesIn(const std::string& folder, const std::string& extension) const {
    std::vector<std::string> names;
    const Location location = locate(folder);
    if (!location.exists || !location.isFolder)
        return names;
    for (const std::string& name : entriesOf(location.host)) {
        std::error_code ec;
        if (fs::is_regular_file(location.host / name, ec) && name.size() >= extension.size() &&
            equalsIgnoreCase(name.substr(name.size() - extension.size()), extension))
            names.push_back(name);
    }
    return names;
}

void FakeDrive::copyFile(const std::string& source, const std::string& destination) {
    const Location from = existingFile(source);
    const Location to = writableTarget(destination);
    if (to.exists && fs::equivalent(from.host, to.host))
        throw rt::Error(rt::ErrPermissionDenied); // the source is open: a sharing violation
    hostWrite(to.host, hostRead(from.host));
    if (isReadOnly(source))
        setReadOnly(destination, true);
}

void FakeDrive::kill(const std::string& path) {
    const Location location = found(path, false);
    if (!location.exists || location.isFolder)
        throw rt::Error(rt::ErrFileNotFound);
    if (isReadOnly(path))
        throw rt::Error(rt::ErrPathFileAccess);
    fs::remove(location.host);
}

void FakeDrive::rename(const std::string& oldPath, const std::string& newPath) {
    const Location from = found(oldPath, true);
    const Location to = found(newPath, false);
    fs::path target = to.host;
    if (to.exists) {
        if (!fs::equivalent(from.host, to.host))
            throw rt::Error(rt::ErrFileAlreadyExists, "File already exists");
        target = to.host.parent_path() / normalisedComponent(newPath.substr(lastComponent(newPath)));
    }
    std::error_code ec;
    fs::rename(from.host, target, ec);
    if (ec)
        throw rt::Error(rt::ErrPathFileAccess);
    if (readOnly_.erase(from.host))
        readOnly_.insert(target);
}

std::string FakeDrive::readBytes(const std::string& path, std::uint64_t offset, std::size_t count) const {
    const std::string bytes = readFile(path);
    return offset >= bytes.size() ? "" : bytes.substr(static_cast<std::size_t>(offset), count);
}

void FakeDrive::writeBytes(const std::string& path, std::uint64_t offset, const std::string& data) {
    const Location location = writableTarget(path);
    std::string bytes = location.exists ? hostRead(location.host) : std::string();
    const auto at = static_cast<std::size_t>(offset);
    if (bytes.size() < at + data.size())
        bytes.resize(at + data.size(), '\0');
    bytes.replace(at, data.size(), data);
    hostWrite(location.host, bytes);
}

} // namespace fake
