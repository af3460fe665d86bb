// A theme file applied over the fake Windows, for the tests of the theme-file
// apply, the console program and the fault sweep: the program in its folder, the
// Jungle theme of tests/data/themes in the program's Themes folder with every file
// it names, and the product's own read, check and apply.
#pragma once

#include "console/Decocmd.h"
#include "fake/FakeWindows.h"
#include "platform/Platform.h"
#include "themeapply/ApplyReport.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace themeapply_test {

enum class PictureFormat { jpeg, png, gif, bmp };
// A w x h picture in that format, every pixel the colour (r, g, b).
std::string pictureBytes(PictureFormat format, int width, int height, unsigned char r, unsigned char g,
                         unsigned char b);

// The bytes of a file of tests/data/themes.
std::string themeData(const std::string& name);

// The Jungle theme as Jungle.theme in the themes folder, with every file it names.
void installJungle(fake::FakeWindows& fake, const std::string& themes);

// The program over a fake Windows 98, its Themes folder made.
class ThemeWorld {
public:
    ThemeWorld();

    void installJungle() { themeapply_test::installJungle(fake, themes); }
    std::string themePath(const std::string& name) const { return themes + "\\" + name; }

    themefile::CheckedTheme check(const std::string& file, bool saver = true);
    themeapply::ApplyReport apply(const std::string& file,
                                  const themefile::AspectSet& aspects = themefile::AspectSet::all(),
                                  bool saver = true);
    // decocmd with these words; its standard output in out, its standard error in err.
    int decocmd(const std::vector<std::string>& words);

    std::optional<std::string> user(const std::string& key, const std::string& name) const {
        return fake.getString(win::HKEY_CURRENT_USER, key, name);
    }

    const std::string folder = "C:\\Program Files\\Decorama";
    const std::string themes = folder + "\\Themes";
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    std::string versionTag = "98";
    std::string out, err;
};

class ThemeFileFixture : public ::testing::Test, public ThemeWorld {};

} // namespace themeapply_test
