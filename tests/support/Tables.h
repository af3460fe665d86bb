// Every filled entry of the nine catalogue tables, as "table(index)=value" lines
// in a fixed order, so that a test can compare whole tables at once.
#pragma once

#include "catalogue/Module1.h"

#include <string>
#include <vector>

namespace catalogues_test {

inline std::vector<std::string> filledEntries(const catalogue::Module1& m) {
    std::vector<std::string> out;
    auto add = [&out](const char* table, const std::string& index, const std::string& value) {
        if (!value.empty())
            out.push_back(std::string(table) + "(" + index + ")=" + value);
    };
    for (int i = 0; i <= 28; ++i)
        for (int j = 0; j <= 28; ++j) {
            const std::string at = std::to_string(i) + "," + std::to_string(j);
            for (int c = 1; c <= 3; ++c)
                add("colors", at + "," + std::to_string(c), m.themeColors(i, j, c));
            add("cursors", at, m.themeCursors(i, j));
            add("icons", at, m.themeIcons(i, j));
        }
    for (int i = 0; i <= 100; ++i) {
        const std::string at = std::to_string(i);
        add("audio", at, m.themeAudio(i));
        add("shortAudio", at, m.themeShortAudio(i));
        add("themes", at, m.themeList(i));
        add("wallpapers", at, m.wallpaperList(i));
        add("colorNames", at, m.colorSchemeList(i));
        add("screenSavers", at, m.screenSaverList(i));
    }
    return out;
}

} // namespace catalogues_test
