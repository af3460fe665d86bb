// The ANSI code page of a Western Windows (1252) as the theme-file reader's
// converter: a character without an exact byte there gives nullopt, as the
// product's WideCharToMultiByte with its round-trip check does.
#pragma once

#include "fake/CodePage1252.h"

#include <optional>
#include <string>

namespace theme_test {

inline std::optional<std::string> toCp1252(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        const std::optional<unsigned char> byte = fake::toCp1252(c);
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

} // namespace theme_test
