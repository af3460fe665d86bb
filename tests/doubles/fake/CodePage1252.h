// The ANSI code page of a Western Windows (1252), the one the fake plays: the
// bytes 0x80 to 0x9F are the only ones whose characters differ from Latin-1.
#pragma once

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

} // namespace fake
