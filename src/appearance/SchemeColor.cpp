#include "appearance/SchemeColor.h"

#include "runtime/TextConv.h"

namespace appearance {
namespace {

win::COLORREF component(const std::string& text) {
    double value = rt::roundHalfEven(rt::Val(text));
    // A component outside the byte would spill into its neighbours.
    if (value > 255)
        value = 255;
    if (value < 0)
        value = 0;
    return static_cast<win::COLORREF>(value);
}

} // namespace

win::COLORREF schemeColorValue(const std::string& red, const std::string& green, const std::string& blue) {
    return component(red) + 256 * component(green) + 65536 * component(blue);
}

std::string schemeColorText(const std::string& red, const std::string& green, const std::string& blue) {
    return red + "," + rt::CStr(rt::Val(green)) + "," + rt::CStr(rt::Val(blue));
}

} // namespace appearance
