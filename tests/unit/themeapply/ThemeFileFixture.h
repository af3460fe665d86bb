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
#include "unit/themefile/ThemeData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace themeapply_test {

enum class PictureFormat { jpeg, png };
// A w x h picture in that format, every pixel the colour (r, g, b).
std::string pictureBytes(PictureFormat format, int width, int height, unsigned char r, unsigned char g,
                         unsigned char b);

using theme_test::themeBytes; // a file of tests/data/themes
// The Jungle theme as Jungle.theme in the themes folder, with every file it names.
void installJungle(fake::FakeWindows& fake, const std::string& themes);

// The program over a fake Windows 98, its Themes folder made.
class ThemeFileFixture : public ::testing::Test {
protected:
    ThemeFileFixture();

    void installJungle() { themeapply_test::installJungle(fake, themes); }
    std::string themePath(const std::string& name) const { return themes + "\\" + name; }

    themeapply::ApplyReport apply(const std::string& file,
                                  const themefile::AspectSet& aspects = themefile::AspectSet::all(),
                                  bool saver = true);
    // decocmd with these words; its standard output in out, its standard error in err.
    int decocmd(const std::vector<std::string>& words);

    const std::string folder = "C:\\Program Files\\Decorama";
    const std::string themes = folder + "\\Themes";
    fake::FakeWindows fake;
    rt::Platform platform{fake, fake, fake};
    std::string versionTag = "98";
    std::string out, err;
};

} // namespace themeapply_test
