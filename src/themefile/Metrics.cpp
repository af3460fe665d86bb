#include "themefile/Metrics.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace themefile {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the record's fields in order from little-endian bytes.
class LittleEndian {
public:
    explicit LittleEndian(const std::string& bytes) : bytes_(bytes) {}

    std::uint32_t u32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(byte()) << (8 * i);
        return value;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    win::BYTE byte() { return static_cast<win::BYTE>(bytes_.at(at_++)); }

    win::LOGFONTA font() {
        win::LOGFONTA font{};
        font.lfHeight = i32();
        font.lfWidth = i32();
        font.lfEscapement = i32();
        font.lfOrientation = i32();
        font.lfWeight = i32();
        font.lfItalic = byte();
        font.lfUnderline = byte();
        font.lfStrikeOut = byte();
        font.lfCharSet = byte();
        font.lfOutPrecision = byte();
        font.lfClipPrecision = byte();
        font.lfQuality = byte();
        font.lfPitchAndFamily = byte();
        for (char& c : font.lfFaceName)
            c = static_cast<char>(byte());
        std::size_t length = 0;
        while (length + 1 < sizeof font.lfFaceName && font.lfFaceName[length] != '\0')
            ++length;
        std::fill(std::begin(font.lfFaceName) + length, std::end(font.lfFaceName), '\0');
        return font;
    }

private:
    const std::string& bytes_;
    std::size_t at_ = 0;
};

void takeFont(const win::LOGFONTA& theme, win::LOGFONTA& into) {
    const win::LONG height = into.lfHeight;
    const win::LONG width = into.lfWidth;
    into = theme;
    into.lfHeight = height;
    into.lfWidth = width;
}

void takeFontSize(const win::LOGFONTA& theme, win::LOGFONTA& into) {
    into.lfHeight = theme.lfHeight;
    into.lfWidth = theme.lfWidth;
}

} // namespace

MetricsBytes readMetricsBytes(std::string_view text, std::size_t size) {
    MetricsBytes result;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size())
            break;
        unsigned value = 0;
        std::size_t digits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= 255; ++i, ++digits)
            value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (digits == 0 || value > 255 || (i < text.size() && !isBlank(text[i])))
            return {{}, "not a byte list"};
        result.bytes.push_back(static_cast<char>(value));
    }
    if (size == nonClientMetricsBytes && result.bytes.size() == paddedNonClientMetricsBytes)
        result.bytes.resize(nonClientMetricsBytes);
    if (result.bytes.size() != size)
        return {{}, "wrong length"};
    return result;
}

win::NONCLIENTMETRICSA decodeNonClientMetrics(const std::string& bytes) {
    LittleEndian in(bytes);
    win::NONCLIENTMETRICSA record{};
    in.u32();
    record.cbSize = sizeof record;
    record.iBorderWidth = in.i32();
    record.iScrollWidth = in.i32();
    record.iScrollHeight = in.i32();
    record.iCaptionWidth = in.i32();
    record.iCaptionHeight = in.i32();
    record.lfCaptionFont = in.font();
    record.iSmCaptionWidth = in.i32();
    record.iSmCaptionHeight = in.i32();
    record.lfSmCaptionFont = in.font();
    record.iMenuWidth = in.i32();
    record.iMenuHeight = in.i32();
    record.lfMenuFont = in.font();
    record.lfStatusFont = in.font();
    record.lfMessageFont = in.font();
    return record;
}

win::ICONMETRICSA decodeIconMetrics(const std::string& bytes) {
    LittleEndian in(bytes);
    win::ICONMETRICSA record{};
    in.u32();
    record.cbSize = sizeof record;
    record.iHorzSpacing = in.i32();
    record.iVertSpacing = in.i32();
    record.iTitleWrap = in.i32();
    record.lfFont = in.font();
    return record;
}

void takeFonts(const win::NONCLIENTMETRICSA& theme, win::NONCLIENTMETRICSA& into) {
    takeFont(theme.lfCaptionFont, into.lfCaptionFont);
    takeFont(theme.lfSmCaptionFont, into.lfSmCaptionFont);
    takeFont(theme.lfMenuFont, into.lfMenuFont);
    takeFont(theme.lfStatusFont, into.lfStatusFont);
    takeFont(theme.lfMessageFont, into.lfMessageFont);
}

void takeFonts(const win::ICONMETRICSA& theme, win::ICONMETRICSA& into) {
    takeFont(theme.lfFont, into.lfFont);
}

void takeSizes(const win::NONCLIENTMETRICSA& theme, win::NONCLIENTMETRICSA& into) {
    into.iBorderWidth = theme.iBorderWidth;
    into.iScrollWidth = theme.iScrollWidth;
    into.iScrollHeight = theme.iScrollHeight;
    into.iCaptionWidth = theme.iCaptionWidth;
    into.iCaptionHeight = theme.iCaptionHeight;
    into.iSmCaptionWidth = theme.iSmCaptionWidth;
    into.iSmCaptionHeight = theme.iSmCaptionHeight;
    into.iMenuWidth = theme.iMenuWidth;
    into.iMenuHeight = theme.iMenuHeight;
    takeFontSize(theme.lfCaptionFont, into.lfCaptionFont);
    takeFontSize(theme.lfSmCaptionFont, into.lfSmCaptionFont);
    takeFontSize(theme.lfMenuFont, into.lfMenuFont);
    takeFontSize(theme.lfStatusFont, into.lfStatusFont);
    takeFontSize(theme.lfMessageFont, into.lfMessageFont);
}

void takeSizes(const win::ICONMETRICSA& theme, win::ICONMETRICSA& into) {
    into.iHorzSpacing = theme.iHorzSpacing;
    into.iVertSpacing = theme.iVertSpacing;
    into.iTitleWrap = theme.iTitleWrap;
    takeFontSize(theme.lfFont, into.lfFont);
}

} // namespace themefile
