#include "themefile/ThemePaths.h"

#include <algorithm>

namespace themefile {
namespace {

// MAX_PATH (260) with its terminating NUL.
constexpr std::size_t longestPath = 259;
// Enough for the longest signature: "RIFF", a size and "WAVE" or "ACON".
constexpr std::size_t sniffBytes = 12;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upperCase(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool startsAsNetworkPath(std::string_view path) {
    return path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]);
}

// "http:", "file:", "ms-settings:": a letter, one or more of letters, digits, "+",
// "." and "-", then a colon. A drive ("C:") has one letter only.
bool hasScheme(std::string_view path) {
    if (path.empty() || !isLetter(path[0]))
        return false;
    std::size_t i = 1;
    while (i < path.size() && (isLetter(path[i]) || (path[i] >= '0' && path[i] <= '9') || path[i] == '+' ||
                               path[i] == '.' || path[i] == '-'))
        ++i;
    return i >= 2 && i < path.size() && path[i] == ':';
}

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

// A %name% left after the known ones were expanded.
bool hasVariable(std::string_view path) {
    const std::size_t first = path.find('%');
    return first != std::string_view::npos && path.find('%', first + 1) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9 (also with the superscript digits of the
// ANSI code page, which Windows takes as devices too), and the console's CONIN$ and
// CONOUT$: a device whatever extension follows and with blanks before it.
bool isDeviceName(std::string_view part) {
    std::string base = upperCase(part.substr(0, part.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL" || base == "CONIN$" ||
        base == "CONOUT$")
        return true;
    if (base.size() != 4 || (!startsWith(base, "COM") && !startsWith(base, "LPT")))
        return false;
    const char digit = base[3];
    return (digit >= '1' && digit <= '9') || digit == '\xB9' || digit == '\xB2' || digit == '\xB3';
}

// ".." or any other part of dots alone (Windows drops trailing dots and blanks).
bool isParentPart(std::string_view part) {
    return part.size() >= 2 && part.find_first_not_of(". ") == std::string_view::npos;
}

std::string collapseSeparators(std::string_view path) {
    std::string result;
    for (char c : path) {
        const char separator = c == '/' ? '\\' : c;
        if (!(separator == '\\' && !result.empty() && result.back() == '\\'))
            result.push_back(separator);
    }
    return result;
}

std::string withoutTrailingSeparator(std::string folder) {
    while (!folder.empty() && isSeparator(folder.back()))
        folder.pop_back();
    return folder;
}

bool sameFolder(const std::string& a, const std::string& b) {
    return !a.empty() && upperCase(withoutTrailingSeparator(a)) == upperCase(withoutTrailingSeparator(b));
}

} // namespace

std::string PathCheck::expand(std::string_view value) const {
    const struct {
        const char* name;
        const std::string& folder;
    } variables[] = {{"%THEMEDIR%", surroundings_.themeFolder},
                     {"%WINDIR%", surroundings_.windowsFolder},
                     {"%SYSTEMROOT%", surroundings_.windowsFolder},
                     {"%PROGRAMFILES%", surroundings_.programFilesFolder}};
    const std::string upperValue = upperCase(value);
    std::string expanded;
    for (std::size_t i = 0; i < value.size();) {
        const auto variable = std::find_if(std::begin(variables), std::end(variables), [&](const auto& v) {
            return startsWith(std::string_view(upperValue).substr(i), v.name);
        });
        if (variable == std::end(variables)) {
            expanded.push_back(value[i++]);
            continue;
        }
        // Plus! writes "%WinDir%media\chord.wav", later Windows "%WinDir%\media\...".
        expanded += withoutTrailingSeparator(variable->folder) + "\\";
        i += std::string_view(variable->name).size();
    }
    return expanded;
}

std::string PathCheck::checkText(std::string_view value, FileKind kind, std::string& refusal) const {
    if (hasControl(value))
        return refusal = "control character", std::string();
    // Before the doubled backslashes are collapsed: "\\server" must not become "\server".
    const std::string expanded = expand(value);
    if (startsAsNetworkPath(expanded))
        return refusal = "network path", std::string();
    if (hasScheme(expanded))
        return refusal = "web address", std::string();
    if (hasVariable(expanded))
        return refusal = "unknown variable", std::string();
    std::string path = collapseSeparators(expanded);
    const std::size_t colon = path.find(':');
    if (colon != std::string::npos &&
        (colon != 1 || !isLetter(path[0]) || path.find(':', 2) != std::string::npos))
        return refusal = "colon in path", std::string();
    if (path.find_first_of("<>\"|?*") != std::string::npos)
        return refusal = "bad character", std::string();
    if (kind == FileKind::icon && path.find_first_of("\\:") == std::string::npos)
        path = collapseSeparators(withoutTrailingSeparator(surroundings_.systemFolder) + "\\" + path);
    if (path.size() < 3 || !isLetter(path[0]) || path[1] != ':' || path[2] != '\\')
        return refusal = "not a full path", std::string();
    for (std::size_t start = 3; start < path.size();) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string_view part = std::string_view(path).substr(start, end - start);
        if (isParentPart(part))
            return refusal = "parent folder in path", std::string();
        if (isDeviceName(part))
            return refusal = "device name", std::string();
        start = end + 1;
    }
    if (path.size() > longestPath)
        return refusal = "path too long", std::string();
    return path;
}

// A theme pack's %SystemRoot%\Resources\Themes\<folder>\<file> as <folder>\<file>
// beside the theme file; empty when the path is not of that form.
std::string PathCheck::beside(const std::string& path) const {
    const std::string packs =
        upperCase(withoutTrailingSeparator(surroundings_.windowsFolder)) + "\\RESOURCES\\THEMES\\";
    if (!startsWith(upperCase(path), packs))
        return {};
    const std::string rest = path.substr(packs.size());
    if (rest.find('\\') == std::string::npos)
        return {};
    const std::string candidate =
        collapseSeparators(withoutTrailingSeparator(surroundings_.themeFolder) + "\\" + rest);
    return candidate.size() > longestPath ? std::string() : candidate;
}

const char* PathCheck::sniff(const std::string& head, FileKind kind) {
    const bool riff = startsWith(head, "RIFF") && head.size() >= 12;
    switch (kind) {
    case FileKind::picture:
        return startsWith(head, "BM") || startsWith(head, "\xFF\xD8\xFF") || startsWith(head, "GIF87a") ||
                       startsWith(head, "GIF89a") || startsWith(head, "\x89PNG\r\n\x1A\n")
                   ? nullptr
                   : "not a picture";
    case FileKind::pointer:
        return startsWith(head, std::string("\0\0\2\0", 4)) || (riff && head.substr(8, 4) == "ACON")
                   ? nullptr
                   : "not a pointer";
    case FileKind::icon:
        return startsWith(head, std::string("\0\0\1\0", 4)) || startsWith(head, "MZ") ? nullptr
                                                                                      : "not an icon";
    case FileKind::sound:
        return riff && head.substr(8, 4) == "WAVE" ? nullptr : "not a sound";
    case FileKind::screenSaver:
        return startsWith(head, "MZ") ? nullptr : "not a screen saver";
    }
    return "unknown kind";
}

PathVerdict PathCheck::trustedPath(std::string_view value) const {
    const std::string path = expand(value);
    return {CheckedPath(path, !surroundings_.exists(path)), {}};
}

PathVerdict PathCheck::file(std::string_view value, FileKind kind) const {
    if (value.empty())
        return {CheckedPath({}, false), {}};
    if (trusted_)
        return trustedPath(value);
    std::string refusal;
    std::string path = checkText(value, kind, refusal);
    if (!refusal.empty())
        return {std::nullopt, refusal};
    if (!surroundings_.exists(path)) {
        const std::string packFile = beside(path);
        if (packFile.empty() || !surroundings_.exists(packFile))
            return {CheckedPath(path, true), {}};
        path = packFile;
    }
    const std::string head = surroundings_.head(path, sniffBytes);
    if (head.empty())
        return {std::nullopt, "unreadable file"};
    if (const char* wrong = sniff(head, kind))
        return {std::nullopt, wrong};
    return {CheckedPath(path, false), {}};
}

PathVerdict PathCheck::screenSaver(std::string_view value, bool allowed) const {
    if (value.empty())
        return {CheckedPath({}, false), {}};
    if (trusted_)
        return trustedPath(value);
    // A command line rather than a path: shell characters, quotes, or a switch.
    if (value.find_first_of("|&<>^\"") != std::string_view::npos)
        return {std::nullopt, "not a plain path"};
    for (std::size_t i = 0; i + 2 < value.size(); ++i)
        if (value[i] == ' ' && (value[i + 1] == '/' || value[i + 1] == '-') && value[i + 2] != ' ')
            return {std::nullopt, "not a plain path"};
    std::string refusal;
    const std::string path = checkText(value, FileKind::screenSaver, refusal);
    if (!refusal.empty())
        return {std::nullopt, refusal};
    if (upperCase(path.substr(path.size() - std::min<std::size_t>(4, path.size()))) != ".SCR")
        return {std::nullopt, "not a screen saver"};
    const std::string folder = path.substr(0, path.rfind('\\'));
    if (!sameFolder(surroundings_.themeFolder, folder) && !sameFolder(surroundings_.windowsFolder, folder) &&
        !sameFolder(surroundings_.systemFolder, folder))
        return {std::nullopt, "outside the theme and windows folders"};
    if (!allowed)
        return {std::nullopt, "screen savers not allowed (use /saver)"};
    if (!surroundings_.exists(path))
        return {std::nullopt, "file not found"};
    if (const char* wrong = sniff(surroundings_.head(path, sniffBytes), FileKind::screenSaver))
        return {std::nullopt, wrong};
    return {CheckedPath(path, false), {}};
}

} // namespace themefile
