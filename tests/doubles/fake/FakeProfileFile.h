// The edit WritePrivateProfileStringA makes to the text of a Windows profile file
// (system.ini and the like): sections and keys found without regard to case and
// surrounding blanks, a key's line replaced in place with its stored name kept, a
// new key added after the last line of its section, a new section added at the
// end, a null key removing the whole section and a null string removing the key.
// Lines end with CR LF, as Windows writes them.
#pragma once

#include "fake/TextUtil.h"

#include <cstddef>
#include <string>
#include <vector>

namespace fake {

inline std::string writeProfileString(const std::string& text, const std::string& section, const char* key,
                                      const char* value) {
    std::vector<std::string> lines = text.empty() ? std::vector<std::string>() : split(text, '\n');
    if (!lines.empty() && lines.back().empty())
        lines.pop_back(); // the end of the last line
    for (std::string& line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
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
        while (end > header + 1 && trim(lines[end - 1]).empty())
            --end;
        lines.insert(at(end), std::string(key) + "=" + value);
    }
    std::string edited;
    for (const std::string& kept : lines)
        edited += kept + "\r\n";
    return edited;
}

} // namespace fake
