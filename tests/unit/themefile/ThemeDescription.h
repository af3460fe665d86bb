// A theme model as one line per value the reader took, in the model's order, so that
// a test or the fuzz target can compare two models field for field and show where
// they differ. Refused values and `ignored` are left out: a writer has nothing to
// write for them.
#pragma once

#include "themefile/ThemeFile.h"

#include <string>
#include <vector>

namespace theme_test {

inline std::string recordBytes(const void* record, std::size_t size) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<const unsigned char*>(record)[i];
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

inline std::vector<std::string> describe(const themefile::ThemeFile& theme) {
    using themefile::Setting;
    std::vector<std::string> lines{"name [" + theme.displayName + "]"};
    const auto add = [&](const auto& setting, const std::string& value) {
        if (setting.refusal.empty())
            lines.push_back(setting.name + " [" + value + "]");
    };
    const auto flag = [](bool value) { return std::string(value ? "1" : "0"); };
    for (const auto& color : theme.colors)
        add(color, std::to_string(color.value.index) + ":" + std::to_string(color.value.rgb));
    if (theme.pointerScheme)
        add(*theme.pointerScheme, theme.pointerScheme->value);
    for (const auto& pointer : theme.pointers)
        add(pointer, std::to_string(pointer.value.slot) + ":" + pointer.value.path);
    for (const auto& icon : theme.icons)
        add(icon, std::to_string(icon.value.object) + ":" +
                      std::to_string(static_cast<int>(icon.value.role)) + ":" + icon.value.path +
                      (icon.value.hasIndex ? "," + std::to_string(icon.value.index) : ""));
    if (theme.wallpaper)
        add(*theme.wallpaper, theme.wallpaper->value);
    if (theme.tileWallpaper)
        add(*theme.tileWallpaper, flag(theme.tileWallpaper->value));
    if (theme.wallpaperStyle)
        add(*theme.wallpaperStyle, std::to_string(theme.wallpaperStyle->value));
    if (theme.pattern)
        add(*theme.pattern, theme.pattern->value);
    for (const auto& sound : theme.sounds)
        add(sound, sound.value.application + "|" + sound.value.event + "|" + sound.value.path);
    if (theme.screenSaver)
        add(*theme.screenSaver, theme.screenSaver->value);
    if (theme.screenSaveActive)
        add(*theme.screenSaveActive, flag(theme.screenSaveActive->value));
    if (theme.nonClientMetrics)
        add(*theme.nonClientMetrics,
            recordBytes(&theme.nonClientMetrics->value, sizeof(win::NONCLIENTMETRICSA)));
    if (theme.iconMetrics)
        add(*theme.iconMetrics, recordBytes(&theme.iconMetrics->value, sizeof(win::ICONMETRICSA)));
    return lines;
}

} // namespace theme_test
