#include "runtime/TextConv.h"

#include "runtime/Error.h"

#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace rt {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the number that starts at text[pos] (sign, digits, point, exponent), 0 if none.
std::size_t numberLength(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t e = i + 1;
        if (e < text.size() && (text[e] == '+' || text[e] == '-'))
            ++e;
        if (e < text.size() && isDigit(text[e])) {
            while (e < text.size() && isDigit(text[e]))
                ++e;
            i = e;
        }
    }
    return i - pos;
}

// text is a number as numberLength() found it.
double parseNumber(std::string_view text) {
    // A whole number of up to 15 digits is exact in a double, so it is read here
    // directly, which gives what strtod gives: the catalogues' indexes are all
    // such numbers, and the C runtime's strtod looks the locale up on each call.
    const std::size_t digitsFrom = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (text.size() - digitsFrom <= 15) {
        std::int64_t whole = 0;
        std::size_t i = digitsFrom;
        while (i < text.size() && isDigit(text[i]))
            whole = whole * 10 + (text[i++] - '0');
        if (i == text.size())
            return text[0] == '-' ? -static_cast<double>(whole) : static_cast<double>(whole);
    }
    std::string copy(text);
    for (char& c : copy)
        if (c == 'd' || c == 'D')
            c = 'e';
    return std::strtod(copy.c_str(), nullptr);
}

} // namespace

double Val(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    std::size_t len = numberLength(text, pos);
    if (len == 0)
        return 0.0;
    double value = parseNumber(text.substr(pos, len));
    return std::isfinite(value) ? value : 0.0;
}

double roundHalfEven(double value) {
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    double rounded = std::nearbyint(value);
    std::fesetround(saved);
    return rounded;
}

std::int32_t CLng(double value) {
    if (!std::isfinite(value))
        throw Error(ErrOverflow);
    // A whole number rounds to itself in every rounding mode.
    const double rounded = std::trunc(value) == value ? value : roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        throw Error(ErrOverflow);
    return static_cast<std::int32_t>(rounded);
}

std::int32_t CLng(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    std::size_t len = numberLength(text, begin);
    if (len == 0 || begin + len != end)
        throw Error(ErrTypeMismatch);
    return CLng(parseNumber(text.substr(begin, len)));
}

std::string CStr(double value) {
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return buffer;
}

std::string Str(double value) {
    std::string text = CStr(value);
    return value < 0 ? text : " " + text;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ')
        ++begin;
    while (end > begin && text[end - 1] == ' ')
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::string UCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace rt
