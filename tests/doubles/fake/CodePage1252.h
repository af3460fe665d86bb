// The ANSI code page of a Western Windows (1252), the one the fake plays: each
// byte's character, and the byte of a character where the code page has one.
#pragma once

#include <optional>
#include <utility>

namespace fake {

// 0x80..0x9F; 0 for the five bytes the code page leaves undefined, which Windows
// maps to and from the C1 control of the same number.
inline constexpr char16_t cp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

inline char16_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && cp1252High[byte - 0x80] != 0)
        return cp1252High[byte - 0x80];
    return byte;
}

inline std::optional<unsigned char> toCp1252(char16_t c) {
    for (int byte = 0; byte < 256; ++byte)
        if (fromCp1252(static_cast<unsigned char>(byte)) == c)
            return static_cast<unsigned char>(byte);
    return std::nullopt;
}

// Some of the letters WideCharToMultiByte gives a best-fit byte for, without
// telling it used the default character: the base letter without its mark.
inline std::optional<unsigned char> bestFit1252(char16_t c) {
    const std::pair<char16_t, char> letters[] = {
        {0x0100, 'A'}, {0x0107, 'c'}, {0x0141, 'L'}, {0x0142, 'l'}, {0x017A, 'z'}};
    for (const auto& [letter, base] : letters)
        if (letter == c)
            return static_cast<unsigned char>(base);
    return std::nullopt;
}

} // namespace fake
