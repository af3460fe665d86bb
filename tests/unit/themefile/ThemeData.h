// The test theme files of tests/data/themes, read from beside the sources.
#pragma once

#include "fake/FakeWindows.h"
#include "themeapply/Surroundings.h"
#include "themefile/ThemeFile.h"

#include <fstream>
#include <iterator>
#include <string>

namespace theme_test {

// The program's ANSI converter over a Windows 98 (code page 1252).
inline themefile::ToAnsi ansi98() {
    static fake::FakeWindows windows;
    return themeapply::ansiConverter(windows);
}

inline std::string themeBytes(const std::string& name) {
    const std::string here = __FILE__;
    std::ifstream in(here.substr(0, here.rfind("/unit/")) + "/data/themes/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline themefile::ThemeFile readTheme(const std::string& name) {
    return themefile::readThemeFile(themeBytes(name), "C:\\Themes\\" + name, ansi98());
}

} // namespace theme_test
