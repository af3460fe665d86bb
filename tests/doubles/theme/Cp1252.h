// The ANSI code page of a Western Windows (1252) as the theme-file reader's
// converter: a character without an exact byte there gives nullopt, as the
// product's WideCharToMultiByte with its round-trip check does.
#pragma once

#include <optional>
#include <string>

namespace theme_test {

inline std::optional<std::string> toCp1252(const std::u16string& text) {
    // 0x80..0x9F; 0 where the code page has no character.
    static const char16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
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
