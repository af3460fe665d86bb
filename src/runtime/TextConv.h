// Conversions between text and numbers as the program's rules need them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// The number at the start of text: leading blanks skipped, an optional sign,
// digits with "." as the decimal point and an optional exponent. 0 when the text
// does not start with a number ("4,extra" gives 4, "abc" gives 0).
double Val(std::string_view text);

// The whole text as a 32-bit integer, blanks around it allowed, rounded half to
// even (2.5 gives 2, 3.5 gives 4). Throws rt::Error 13 when the text is not a
// number (the empty text included) and 6 when the value does not fit.
std::int32_t CLng(std::string_view text);

// A number rounded half to even and converted to 32 bits; 6 when it does not fit.
std::int32_t CLng(double value);

// Rounds half to even.
double roundHalfEven(double value);

// The shortest decimal form, up to 15 significant digits: 12.0 gives "12", 7.6 gives "7.6".
std::string CStr(double value);

// The sign-padded form: a space before a number that is not negative (" 12", "-3").
std::string Str(double value);

// Text without blanks at either end.
std::string Trim(std::string_view text);

// Upper case of the ASCII letters.
std::string UCase(std::string_view text);

// A buffer that Windows filled: its text up to the first NUL, all of it when
// there is none.
inline std::string UpToNul(std::string_view buffer) {
    return std::string(buffer.substr(0, buffer.find('\0')));
}

// Whether text ends with ending, letter for letter.
inline bool EndsWith(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && text.substr(text.size() - ending.size()) == ending;
}

} // namespace rt
