#include "themepreview/ThemeFilePreview.h"

#include "themepreview/PreviewParts.h"

#include <algorithm>
#include <vector>

namespace themepreview {

namespace {

// The width of the column of desktop icons, their labels included.
constexpr int IconColumn = 72;
// Reasons named per aspect in the left-out line.
constexpr std::size_t ReasonsNamed = 2;

} // namespace

std::string leftOutLine(const themefile::CheckedTheme& theme) {
    std::string line;
    for (themefile::Aspect aspect : themefile::allAspects) {
        std::vector<std::string> reasons;
        for (const themefile::RefusedValue& value : theme.report(aspect).refused)
            if (std::find(reasons.begin(), reasons.end(), value.reason) == reasons.end())
                reasons.push_back(value.reason);
        if (reasons.empty())
            continue;
        line += (line.empty() ? "Left out: " : ", ") + std::string(themefile::aspectName(aspect)) + " (";
        for (std::size_t index = 0; index < std::min(reasons.size(), ReasonsNamed); ++index)
            line += (index == 0 ? "" : ", ") + reasons[index];
        line += reasons.size() > ReasonsNamed ? ", ...)" : ")";
    }
    return line;
}

void drawThemePreview(ui::Canvas& canvas, const themefile::CheckedTheme& theme, const std::string& versionTag,
                      rt::Platform& platform) {
    const PreviewScheme scheme = schemeOf(theme, platform.api);
    const ui::Rect desktop{0, 0, canvas.width(), canvas.height()};
    drawWallpaper(canvas, desktop, theme, scheme, platform);
    drawDesktopIcons(canvas, {4, 4, IconColumn, desktop.height - 8}, IconColumn, theme, scheme, platform.api);
    drawSampleWindows(canvas, {IconColumn + 10, 8, desktop.width - IconColumn - 18, desktop.height - 16},
                      scheme, drawsGradientCaptions(versionTag));
}

void showThemePreview(ui::WindowSystem& windows, ui::PictureBox& preview, ui::Label& note,
                      const themefile::CheckedTheme& theme, const std::string& versionTag,
                      rt::Platform& platform) {
    const ui::Rect bounds = preview.bounds();
    const auto canvas = windows.createCanvas(bounds.width / windows.screen().twipsPerPixelX(),
                                             bounds.height / windows.screen().twipsPerPixelY());
    drawThemePreview(*canvas, theme, versionTag, platform);
    preview.setPicture(canvas->finish());
    note.setCaption(leftOutLine(theme));
}

} // namespace themepreview
