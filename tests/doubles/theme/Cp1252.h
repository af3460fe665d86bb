// The ANSI code page of a Western Windows (1252) as the theme-file reader's
// converter: a character without an exact byte there gives nullopt, as the
// product's WideCharToMultiByte with its round-trip check does.
#pragma once

#include "fake/CodePage1252.h"

#include <optional>
#include <string>

namespace theme_test {

inline std::optional<std::string> toCp1252(const std::u16string& text) {
    const auto& high = fake::cp1252High;
    std::string bytes;
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes.push_back(static_cast<char>(c));
            continue;
        }
        int found = -1;
        for (int i = 0; i < 32; ++i)
            if (high[i] != 0 && high[i] == c)
                found = i;
        if (found < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(0x80 + found));
    }
    return bytes;
}

} // namespace theme_test
