// Theme files as the Themes tab meets them: read from their text and checked
// against the files on the fake Windows' drive C:, with the theme in C:\Themes.
// The check's look at the files is not logged, so the fake's operation trail
// holds only what the code under test opened.
#pragma once

#include "doubles/theme/Cp1252.h"
#include "fake/FakeWindows.h"
#include "themefile/ThemeCheck.h"

#include <string>

namespace unit_test {

class FakeSurroundings : public themefile::Surroundings {
public:
    explicit FakeSurroundings(const fake::FakeWindows& fake) : fake_(fake) {
        themeFolder = "C:\\Themes\\";
        windowsFolder = "C:\\WINDOWS";
        systemFolder = "C:\\WINDOWS\\SYSTEM";
        programFilesFolder = "C:\\Program Files";
    }
    bool exists(const std::string& path) const override { return fake_.exists(path); }
    std::string head(const std::string& path, std::size_t count) const override {
        return fake_.fileBytes(path).substr(0, count);
    }

private:
    const fake::FakeWindows& fake_;
};

inline themefile::CheckedTheme checkedTheme(const fake::FakeWindows& fake, const std::string& text,
                                            bool allowScreenSavers = false) {
    const FakeSurroundings surroundings(fake);
    return themefile::checkTheme(
        themefile::readThemeFile(text, "C:\\Themes\\Test.theme", theme_test::toCp1252), surroundings,
        {allowScreenSavers});
}

// The file reads of the code under test since the trail was `from` long, in order.
inline std::vector<std::string> filesRead(const fake::FakeWindows& fake, std::size_t from = 0) {
    std::vector<std::string> read;
    for (std::size_t index = from; index < fake.operationTrail().size(); ++index)
        if (fake.operationTrail()[index].name == "readFile" ||
            fake.operationTrail()[index].name == "readBytes")
            read.push_back(fake.operationTrail()[index].call);
    return read;
}

} // namespace unit_test
