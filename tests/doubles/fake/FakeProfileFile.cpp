#include "fake/FakeProfileFile.h"

#include "fake/TextUtil.h"

namespace fake {

namespace {

constexpr std::size_t npos = std::string::npos;

bool isHeader(const std::string& line) {
    const std::string t = trim(line);
    return !t.empty() && t[0] == '[';
}

std::string headerName(const std::string& line) {
    const std::string t = trim(line);
    const auto close = t.find(']');
    return trim(t.substr(1, close == npos ? npos : close - 1));
}

} // namespace

FakeProfileFile::FakeProfileFile(const std::string& text) {
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

std::size_t FakeProfileFile::findSection(const std::string& section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (isHeader(lines_[i]) && equalsIgnoreCase(headerName(lines_[i]), trim(section)))
            return i;
    }
    return npos;
}

std::size_t FakeProfileFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !isHeader(lines_[i]))
        ++i;
    return i;
}

std::size_t FakeProfileFile::findKey(const std::string& key, std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to; ++i) {
        const auto equals = lines_[i].find('=');
        if (equals != npos && equalsIgnoreCase(trim(lines_[i].substr(0, equals)), trim(key)))
            return i;
    }
    return npos;
}

void FakeProfileFile::write(const std::string& section, const char* key, const char* value) {
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
    // After the last non-blank line of the section, so a blank line that
    // separates it from the next section stays where it is.
    std::size_t at = end;
    while (at > header + 1 && trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key) + "=" + value);
}

std::string FakeProfileFile::text() const {
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}

} // namespace fake
