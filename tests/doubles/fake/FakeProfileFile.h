// The text of a Windows profile file (system.ini and the like) and the edits
// WritePrivateProfileStringA makes to it: sections and keys found without
// regard to case and surrounding blanks, a key's line replaced in place with
// its stored name kept, a new key added after the last line of its section, a
// new section added at the end, a null key removing the whole section and a
// null string removing the key. Lines end with CR LF, as Windows writes them.
#pragma once

#include "fake/TextUtil.h"

#include <cstddef>
#include <string>
#include <vector>

namespace fake {

class FakeProfileFile {
public:
    explicit FakeProfileFile(const std::string& text);
    void write(const std::string& section, const char* key, const char* value);
    std::string text() const;

private:
    static constexpr std::size_t npos = std::string::npos;
    static bool isHeader(const std::string& line) {
        const std::string t = trim(line);
        return !t.empty() && t[0] == '[';
    }
    static std::string headerName(const std::string& line) {
        const std::string t = trim(line);
        const auto close = t.find(']');
        return trim(t.substr(1, close == npos ? npos : close - 1));
    }
    std::size_t findSection(const std::string& section) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::size_t findKey(const std::string& key, std::size_t from, std::size_t to) const;
    std::vector<std::string> lines_;
};

inline FakeProfileFile::FakeProfileFile(const std::string& text) {
    if (text.empty())
        return;
    lines_ = split(text, '\n');
    if (!lines_.empty() && lines_.back().empty())
        lines_.pop_back(); // the end of the last line
    for (std::string& line : lines_) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
    }
}

inline std::size_t FakeProfileFile::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (isHeader(lines_[i]) && equalsIgnoreCase(headerName(lines_[i]), trim(section)))
            return i;
    }
    return npos;
}

inline std::size_t FakeProfileFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !isHeader(lines_[i]))
        ++i;
    return i;
}

inline std::size_t FakeProfileFile::findKey(const std::string& key, std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i) {
        const auto equals = lines_[i].find('=');
        if (equals != npos && equalsIgnoreCase(trim(lines_[i].substr(0, equals)), trim(key)))
            return i;
    }
    return npos;
}

inline void FakeProfileFile::write(const std::string& section, const char* key, const char* value) {
    const std::size_t header = findSection(section);
    if (!key) {
        if (header != npos)
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                         lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
        return;
    }
    if (header == npos) {
        if (!value)
            return;
        lines_.push_back("[" + section + "]");
        lines_.push_back(std::string(key) + "=" + value);
        return;
    }
    const std::size_t end = sectionEnd(header);
    const std::size_t line = findKey(key, header + 1, end);
    if (line != npos) {
        if (!value) {
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(line));
            return;
        }
        const std::string storedName = trim(lines_[line].substr(0, lines_[line].find('=')));
        lines_[line] = storedName + "=" + value;
        return;
    }
    if (!value)
        return;
    std::size_t at = end;
    while (at > header + 1 && trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key) + "=" + value);
}

inline std::string FakeProfileFile::text() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}

} // namespace fake
