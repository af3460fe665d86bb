// Small helpers of the fake: the program's ASCII case folding, as Windows compares
// names of keys, values, files and profile sections, a trim of the blanks, tabs and
// line ends around profile lines, map look-ups, and bytes of Windows' records.
#pragma once

#include "runtime/TextConv.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace fake {

// The value stored under key, or fallback.
template <class Map, class Key, class Value> Value lookup(const Map& map, const Key& key, Value fallback) {
    const auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}

template <class T> std::string bytesOf(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof(T));
}

// The record the bytes hold; missing bytes read 0.
template <class T> T fromBytes(const std::string& bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), std::min(bytes.size(), sizeof(T)));
    return value;
}

inline std::string upper(const std::string& text) {
    return rt::UCase(text);
}

inline bool equalsIgnoreCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && upper(a) == upper(b);
}

inline std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

inline std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (auto at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace fake
