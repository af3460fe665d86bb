#include "themeapply/MetricLimits.h"

#include <algorithm>

namespace themeapply {
namespace {

constexpr int smallestPart = 8;
constexpr int largestPart = 100;
constexpr int largestBorder = 50;
constexpr int smallestIconSpacing = 32;
constexpr int largestIconSpacing = 150;
constexpr int smallestFontPoints = 6;
constexpr int largestFontPoints = 48;

void clampPart(int& size) {
    size = std::clamp(size, smallestPart, largestPart);
}

// lfHeight below 0 is the character height, above 0 the cell height; both in pixels.
void clampFont(win::LOGFONTA& font, int dpi) {
    if (font.lfHeight == 0 || dpi <= 0)
        return;
    const int smallest = smallestFontPoints * dpi / 72;
    const int largest = largestFontPoints * dpi / 72;
    const int height = std::clamp(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, smallest, largest);
    font.lfHeight = font.lfHeight < 0 ? -height : height;
    font.lfWidth = std::clamp(font.lfWidth, 0, largest);
}

} // namespace

void clampSizes(win::NONCLIENTMETRICSA& metrics, int dpi) {
    metrics.iBorderWidth = std::clamp(metrics.iBorderWidth, 0, largestBorder);
    for (int* part :
         {&metrics.iScrollWidth, &metrics.iScrollHeight, &metrics.iCaptionWidth, &metrics.iCaptionHeight,
          &metrics.iSmCaptionWidth, &metrics.iSmCaptionHeight, &metrics.iMenuWidth, &metrics.iMenuHeight})
        clampPart(*part);
    for (win::LOGFONTA* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                                &metrics.lfStatusFont, &metrics.lfMessageFont})
        clampFont(*font, dpi);
}

void clampSizes(win::ICONMETRICSA& metrics, int dpi) {
    metrics.iHorzSpacing = std::clamp(metrics.iHorzSpacing, smallestIconSpacing, largestIconSpacing);
    metrics.iVertSpacing = std::clamp(metrics.iVertSpacing, smallestIconSpacing, largestIconSpacing);
    metrics.iTitleWrap = metrics.iTitleWrap != 0 ? 1 : 0;
    clampFont(metrics.lfFont, dpi);
}

} // namespace themeapply
