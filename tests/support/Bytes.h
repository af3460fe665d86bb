// Files and records the tests build byte by byte: little-endian numbers, a BMP,
// the smallest cursor, the program's resource file of screen savers, a font.
#pragma once

#include "platform/WinTypes.h"
#include "screensaver/ExternalResourceFile.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace bytes {

// A number in `size` little-endian bytes.
inline std::string le(std::uint32_t value, int size = 4) {
    std::string out;
    for (int i = 0; i < size; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

// A 24-bit BMP of width x height pixels, every pixel grey.
inline std::string bmp(int width, int height) {
    const auto rowBytes = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(height);
    const std::uint32_t headers = 14 + 40, pixelsPerMetre = 2835;
    return "BM" + le(headers + imageSize) + le(0) + le(headers) + le(40) + le(std::uint32_t(width)) +
           le(std::uint32_t(height)) + le(1, 2) + le(24, 2) + le(0) + le(imageSize) + le(pixelsPerMetre) +
           le(pixelsPerMetre) + le(0) + le(0) + std::string(imageSize, '\x80');
}

// The smallest file LoadCursorFromFileA takes for a cursor: an icon directory
// of type 2 (cursor) with one entry.
inline std::string cursor() {
    return le(0, 2) + le(2, 2) + le(1, 2) + std::string(16, '\0');
}

// A resource file holding these programs, in order.
inline std::string resourceFile(const std::vector<std::string>& programs) {
    const auto count = static_cast<std::uint32_t>(programs.size());
    std::string directory = le(screensaver::resourceFileSignature) + le(count), data;
    for (const std::string& program : programs) {
        directory +=
            le(8 + 12 * count + std::uint32_t(data.size())) + le(std::uint32_t(program.size())) + le(0);
        data += program;
    }
    return directory + data;
}

// A font record with a width, a character set and a quality of its own; the face
// name's bytes after its NUL are 'x', as Windows may leave them.
inline win::LOGFONTA logFont(const char* face, win::LONG height, win::LONG weight = 400,
                             win::BYTE italic = 0) {
    win::LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = 7;
    font.lfWeight = weight;
    font.lfItalic = italic;
    font.lfCharSet = 238;
    font.lfQuality = 2;
    std::memset(font.lfFaceName, 'x', sizeof font.lfFaceName);
    std::strcpy(font.lfFaceName, face);
    return font;
}

} // namespace bytes
