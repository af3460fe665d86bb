// Theme files as the Themes tab meets them: read from their text and checked by the
// program's surroundings against the fake Windows' drive C:, with the theme in C:\Themes.
// The check's own reads are on the fake's trail too: a test counts reads from after it.
#pragma once

#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "themeapply/Surroundings.h"
#include "themefile/ThemeCheck.h"

#include <string>

namespace unit_test {

inline themefile::CheckedTheme checkedTheme(fake::FakeWindows& fake, const std::string& text,
                                            bool allowScreenSavers = false) {
    rt::Platform platform{fake, fake, fake};
    const themeapply::WindowsSurroundings surroundings(platform, "C:\\Themes\\Test.theme");
    return themefile::checkTheme(
        themefile::readThemeFile(text, "C:\\Themes\\Test.theme", themeapply::ansiConverter(fake)),
        surroundings, {allowScreenSavers});
}

// The file reads since the trail was `from` long, in order.
inline std::vector<std::string> filesRead(const fake::FakeWindows& fake, std::size_t from = 0) {
    std::vector<std::string> read;
    for (std::size_t index = from; index < fake.operationTrail().size(); ++index)
        if (fake.operationTrail()[index].name == "readFile" ||
            fake.operationTrail()[index].name == "readBytes")
            read.push_back(fake.operationTrail()[index].call);
    return read;
}

} // namespace unit_test
