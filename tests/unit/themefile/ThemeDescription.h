// A theme model as one line per value the reader took, in the model's order, so that
// tests and the fuzz target compare two models field for field and show where they
// differ. Refused values and `ignored` are left out: a writer has nothing to write.
#pragma once

#include "themefile/ThemeFile.h"

#include <string>
#include <vector>

namespace theme_test {

inline std::string text(const std::string& value) {
    return value;
}
inline std::string text(bool value) {
    return value ? "1" : "0";
}
inline std::string text(int value) {
    return std::to_string(value);
}
inline std::string text(const themefile::Color& c) {
    return text(c.index) + ":" + std::to_string(c.rgb);
}
inline std::string text(const themefile::PointerFile& p) {
    return text(p.slot) + ":" + p.path;
}
inline std::string text(const themefile::SoundFile& s) {
    return s.application + "|" + s.event + "|" + s.path;
}
inline std::string text(const themefile::IconFile& i) {
    return text(i.object) + ":" + text(static_cast<int>(i.role)) + ":" + i.path +
           (i.hasIndex ? "," + text(i.index) : "");
}
// The metrics records, byte for byte.
template <typename Record> std::string text(const Record& r) {
    return {reinterpret_cast<const char*>(&r), sizeof r};
}

inline std::vector<std::string> describe(const themefile::ThemeFile& t) {
    std::vector<std::string> lines{"name [" + t.displayName + "]"};
    const auto add = [&](const auto& setting) {
        if (setting.refusal.empty())
            lines.push_back(setting.name + " [" + text(setting.value) + "]");
    };
    const auto addAll = [&](const auto&... settings) { (..., (settings ? add(*settings) : void())); };
    for (const auto& color : t.colors)
        add(color);
    for (const auto& pointer : t.pointers)
        add(pointer);
    for (const auto& icon : t.icons)
        add(icon);
    for (const auto& sound : t.sounds)
        add(sound);
    addAll(t.pointerScheme, t.wallpaper, t.tileWallpaper, t.wallpaperStyle, t.pattern, t.screenSaver,
           t.screenSaveActive, t.nonClientMetrics, t.iconMetrics);
    return lines;
}

} // namespace theme_test
