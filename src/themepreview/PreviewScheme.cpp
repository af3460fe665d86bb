#include "themepreview/PreviewParts.h"

#include "platform/WindowsApi.h"

#include <cstring>

namespace themepreview {

namespace {

win::LOGFONTA fontOf(const char* face, int height, int weight) {
    win::LOGFONTA font{};
    font.lfHeight = height;
    font.lfWeight = weight;
    std::strncpy(font.lfFaceName, face, sizeof(font.lfFaceName) - 1);
    return font;
}

// Windows 95's own, for a Windows that answers nothing.
win::NONCLIENTMETRICSA standardMetrics() {
    win::NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    metrics.iBorderWidth = 1;
    metrics.iCaptionWidth = metrics.iCaptionHeight = 18;
    metrics.iMenuWidth = metrics.iMenuHeight = 18;
    metrics.lfCaptionFont = fontOf("MS Sans Serif", -11, 700);
    metrics.lfMenuFont = metrics.lfMessageFont = fontOf("MS Sans Serif", -11, 400);
    return metrics;
}

} // namespace

PreviewScheme schemeOf(const themefile::CheckedTheme& theme, win::WindowsApi& api) {
    PreviewScheme scheme;
    for (std::size_t index = 0; index < scheme.colors.size(); ++index)
        scheme.colors[index] = api.GetSysColor(static_cast<int>(index));
    for (const themefile::CheckedColor& color : theme.colors)
        if (color.index >= 0 && static_cast<std::size_t>(color.index) < scheme.colors.size())
            scheme.colors[static_cast<std::size_t>(color.index)] = color.rgb;

    if (theme.nonClientMetrics) {
        scheme.metrics = *theme.nonClientMetrics;
    } else {
        scheme.metrics.cbSize = sizeof scheme.metrics;
        if (!api.SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof scheme.metrics, &scheme.metrics,
                                       0))
            scheme.metrics = standardMetrics();
    }
    if (theme.iconMetrics) {
        scheme.iconFont = theme.iconMetrics->lfFont;
    } else {
        win::ICONMETRICSA icons{};
        icons.cbSize = sizeof icons;
        scheme.iconFont = api.SystemParametersInfoA(win::SPI_GETICONMETRICS, sizeof icons, &icons, 0)
                              ? icons.lfFont
                              : scheme.metrics.lfMessageFont;
    }
    return scheme;
}

bool drawsGradientCaptions(const std::string& versionTag) {
    return versionTag == "98" || versionTag == "ME" || versionTag == "2000";
}

} // namespace themepreview
