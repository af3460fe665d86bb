// The [Metrics] values of a theme file: NONCLIENTMETRICSA and ICONMETRICSA as
// Windows 95 to 2000 lay them out, written as blank-separated decimal bytes.
// A theme's "fonts" are the faces and styles of their LOGFONTAs, its "sizes" the
// window metrics and the fonts' heights and widths; the applier takes either into
// the records it read from Windows and writes them back whole.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

namespace themefile {

constexpr std::size_t nonClientMetricsBytes = 340;
constexpr std::size_t iconMetricsBytes = 76;
// A later Windows' NONCLIENTMETRICSA ends with iPaddedBorderWidth, 4 bytes more.
constexpr std::size_t paddedNonClientMetricsBytes = 344;

// The bytes of a value, or why it is refused: "wrong length", "not a byte list".
// 344 bytes lose their last 4.
struct MetricsBytes {
    std::string bytes;
    std::string refusal;
};
MetricsBytes readMetricsBytes(std::string_view text, std::size_t size);

// The records from their little-endian bytes (340 and 76 of them). cbSize is set
// to the record's own size and every face name is cut at its NUL: the bytes after
// it are cleared, and a name without one keeps its first 31 characters.
win::NONCLIENTMETRICSA decodeNonClientMetrics(const std::string& bytes);
win::ICONMETRICSA decodeIconMetrics(const std::string& bytes);

// Fonts: each font's face name, weight, italic, underline, strike-out, character
// set, precisions, quality, pitch and family, escapement and orientation.
void takeFonts(const win::NONCLIENTMETRICSA& theme, win::NONCLIENTMETRICSA& into);
void takeFonts(const win::ICONMETRICSA& theme, win::ICONMETRICSA& into);
// Sizes: the borders, scroll bars, captions and menus, the icon spacing and title
// wrapping, and each font's height and width.
void takeSizes(const win::NONCLIENTMETRICSA& theme, win::NONCLIENTMETRICSA& into);
void takeSizes(const win::ICONMETRICSA& theme, win::ICONMETRICSA& into);

} // namespace themefile
