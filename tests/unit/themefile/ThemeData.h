// The test theme files of tests/data/themes, read from beside the sources.
#pragma once

#include "doubles/theme/Cp1252.h"
#include "themefile/ThemeFile.h"

#include <fstream>
#include <iterator>
#include <string>

namespace theme_test {

inline std::string themeBytes(const std::string& name) {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/unit/")) + "/data/themes/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline themefile::ThemeFile readTheme(const std::string& name) {
    return themefile::readThemeFile(themeBytes(name), "C:\\Themes\\" + name, toCp1252);
}

} // namespace theme_test
