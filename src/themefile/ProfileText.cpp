#include "themefile/ProfileText.h"

#include "runtime/Error.h"

#include <algorithm>
#include <unordered_set>

namespace themefile {
namespace {

enum class Encoding { ansi, utf8, utf16le, utf16be };

constexpr char16_t invalidByteBase = 0xDC00;

// PROFILE_DetectTextEncoding: a UTF-8 mark, or a UTF-16 signature either way round.
Encoding detectEncoding(std::string_view bytes, std::size_t& markLength) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        markLength = 3;
        return Encoding::utf8;
    }
    markLength = 2;
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return Encoding::utf16le;
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return Encoding::utf16be;
    markLength = 0;
    return Encoding::ansi;
}

std::size_t unitBytes(Encoding encoding) {
    return encoding == Encoding::utf16le || encoding == Encoding::utf16be ? 2 : 1;
}

char16_t unitAt(std::string_view bytes, std::size_t at, Encoding encoding) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    switch (encoding) {
    case Encoding::utf16le:
        return static_cast<char16_t>(byte(at) | byte(at + 1) << 8);
    case Encoding::utf16be:
        return static_cast<char16_t>(byte(at) << 8 | byte(at + 1));
    default:
        return byte(at);
    }
}

// The longest line in bytes as stored, its CR LF or LF left out.
std::size_t longestLine(std::string_view text, Encoding encoding) {
    const std::size_t step = unitBytes(encoding);
    std::size_t longest = 0;
    std::size_t lineStart = 0;
    std::size_t at = 0;
    for (; at + step <= text.size(); at += step)
        if (unitAt(text, at, encoding) == u'\n') {
            const bool crlf = at >= lineStart + step && unitAt(text, at - step, encoding) == u'\r';
            longest = std::max(longest, at - lineStart - (crlf ? step : 0));
            lineStart = at + step;
        }
    return std::max(longest, at - lineStart);
}

// UTF-8 to UTF-16; each byte outside a valid sequence (overlong forms, encoded
// surrogates and code points past U+10FFFF included) becomes 0xDC00 + byte.
std::u16string decodeUtf8(std::string_view text) {
    std::u16string units;
    units.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80                   ? 1
                             : lead >= 0xC2 && lead < 0xE0 ? 2
                             : lead >= 0xE0 && lead < 0xF0 ? 3
                             : lead >= 0xF0 && lead < 0xF5 ? 4
                                                           : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
            if ((next & 0xC0) != 0x80) {
                length = 0;
                break;
            }
            code = code << 6 | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        const bool outside = (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF;
        if (length == 0 || overlong || outside) {
            units.push_back(static_cast<char16_t>(invalidByteBase | lead));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 | code >> 10));
            units.push_back(static_cast<char16_t>(0xDC00 | (code & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(code));
        }
        i += length;
    }
    return units;
}

std::u16string decode(std::string_view text, Encoding encoding) {
    if (encoding == Encoding::utf8)
        return decodeUtf8(text);
    const std::size_t step = unitBytes(encoding);
    std::u16string units;
    units.reserve(text.size() / step);
    // An odd last byte of a UTF-16 file is no character; Wine's reader drops it too.
    for (std::size_t at = 0; at + step <= text.size(); at += step)
        units.push_back(unitAt(text, at, encoding));
    return units;
}

// PROFILE_isspaceW: the C blanks, and CR and ^Z (DOS end of file).
bool isBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r' || c == 0x1A;
}

std::u16string_view trim(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string upToNul(std::u16string_view text) {
    return std::u16string(text.substr(0, text.find(u'\0')));
}

// PROFILE_CopyEntry: matching quotes around the whole value are dropped.
std::u16string withoutQuotes(std::u16string value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

char16_t foldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string folded(std::u16string name) {
    std::transform(name.begin(), name.end(), name.begin(), foldCase);
    return name;
}

bool isSurrogate(char16_t c) {
    return c >= 0xD800 && c < 0xE000;
}

// Whether UTF-16 units pair every surrogate.
bool validUtf16(const std::u16string& units) {
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!isSurrogate(units[i]))
            continue;
        if (units[i] >= 0xDC00 || i + 1 == units.size() || units[i + 1] < 0xDC00 || units[i + 1] >= 0xE000)
            return false;
        ++i;
    }
    return true;
}

} // namespace

bool sameName(const std::u16string& units, std::string_view name) {
    if (units.size() != name.size())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (foldCase(units[i]) != foldCase(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

const ProfileKey* ProfileSection::find(std::string_view keyName) const {
    for (const ProfileKey& key : keys)
        if (sameName(key.name, keyName))
            return &key;
    return nullptr;
}

ProfileText ProfileText::read(std::string_view bytes) {
    if (bytes.size() > maxFileBytes)
        throw rt::Error(rt::ErrInvalidPropertyValue, "theme file over 1 MiB");
    std::size_t markLength = 0;
    const Encoding encoding = detectEncoding(bytes, markLength);
    const std::string_view text = bytes.substr(markLength);
    if (longestLine(text, encoding) > maxLineBytes)
        throw rt::Error(rt::ErrInvalidPropertyValue, "line over 64 KiB");

    ProfileText profile;
    profile.unicode_ = encoding != Encoding::ansi;
    const std::u16string units = decode(text, encoding);
    ProfileSection* current = nullptr;
    std::unordered_set<std::u16string> names;
    std::size_t lineStart = 0;
    while (lineStart < units.size()) {
        const std::size_t lineEnd = std::min(units.find(u'\n', lineStart), units.size());
        const std::u16string_view line =
            trim(std::u16string_view(units).substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;
        if (line.empty())
            continue;
        const std::size_t close = line.rfind(u']');
        if (line.front() == u'[' && close != std::u16string_view::npos) {
            std::u16string name = upToNul(line.substr(1, close - 1));
            const bool first = names.insert(folded(name)).second;
            profile.sections_.push_back({std::move(name), {}, first});
            current = &profile.sections_.back();
            continue;
        }
        if (!current)
            continue;
        ProfileKey key;
        const std::size_t equals = line.find(u'=');
        key.name = upToNul(trim(line.substr(0, equals)));
        if (equals != std::u16string_view::npos) {
            key.hasValue = true;
            key.value = withoutQuotes(upToNul(trim(line.substr(equals + 1))));
        }
        if (!key.name.empty())
            current->keys.push_back(std::move(key));
    }
    return profile;
}

AnsiText ProfileText::ansi(const std::u16string& units, const ToAnsi& toAnsi) const {
    if (!unicode_)
        return {std::string(units.begin(), units.end()), {}};
    if (!validUtf16(units))
        return {{}, "not valid text"};
    std::optional<std::string> text = toAnsi(units);
    if (!text)
        return {{}, "not in the ANSI code page"};
    return {std::move(*text), {}};
}

std::string ProfileText::shown(const std::u16string& units, const ToAnsi& toAnsi) const {
    AnsiText text = ansi(units, toAnsi);
    if (!text.refusal.empty()) {
        text.text.clear();
        for (char16_t unit : units)
            text.text.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    }
    for (char& c : text.text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return text.text;
}

} // namespace themefile
