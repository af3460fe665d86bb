// decocmd over the fake Windows: its commands, what they print and their exit
// codes, its switches as Windows programs take them, and a catalogue theme applied
// aspect by aspect.
#include "unit/themeapply/ThemeFileFixture.h"

#include "support/ProgramFixture.h"

#include <sstream>

using namespace themeapply_test;

namespace {

class DecocmdTest : public ThemeFileFixture {
protected:
    DecocmdTest() {
        for (const auto& [name, text] : unit_test::standardCatalogue())
            fake.makeFile(folder + "\\" + name, text);
        installJungle();
        fake.makeFile(themePath("Hostile.theme"), themeData("hostile.theme"));
    }

    std::vector<std::string> outLines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
};

} // namespace

TEST_F(DecocmdTest, CommandsPrintTheirLinesAndExitCodes) {
    const std::string jungle = themePath("Jungle.theme");
    const struct {
        std::vector<std::string> words;
        int exit;
        std::vector<std::string> out; // the first lines of standard output
        std::string err;              // what standard error holds
    } cases[] = {
        {{"list"},
         0,
         {"1\tcatalogue\tHarbour 800x600", "2\tcatalogue\tCanyon 1024x768", "3\tfile\tHostile",
          "4\tfile\tJungle"},
         ""},
        {{"CHECK", jungle, "-SAVER"}, 0, {"colors: ok", "pointers: ok"}, ""},
        {{"check", "Jungle"}, 1, {}, ""},
        {{"check", "Hostile"}, 1, {"colors: absent", "pointers: refused: web address"}, ""},
        {{"check", "C:\\nowhere.theme"}, 2, {}, "decocmd: C:\\nowhere.theme: File not found\n"},
        {{"apply", "jungle", "/only", "colors, sounds"},
         0,
         {"colors: applied", "pointers: skipped", "icons: skipped", "wallpaper: skipped", "sounds: applied"},
         ""},
        {{"apply", "4", "/skip", "saver"}, 0, {"colors: applied"}, ""},
        {{"apply", "Hostile"}, 1, {"colors: absent", "pointers: refused: web address"}, ""},
        {{"apply", "Nowhere"}, 2, {}, "decocmd: unknown theme: Nowhere\n"},
        {{"apply", "jungle", "/only", "colours"}, 2, {}, "decocmd: unknown aspect: colours\n"},
        {{"apply", "jungle", "/only"}, 2, {}, "decocmd: /only needs a list of aspects\n"},
        {{"apply", "jungle", "/loud"}, 2, {}, "decocmd: unknown switch: /loud\n"},
        {{"list", "extra"}, 2, {}, "decocmd: bad arguments (decocmd /? shows how to call it)\n"},
        {{"/?"}, 0, {"Decorama's console program: lists, checks and applies desktop themes."}, ""},
    };
    for (const auto& c : cases) {
        std::string call;
        for (const std::string& word : c.words)
            call += word + " ";
        SCOPED_TRACE(call);
        EXPECT_EQ(decocmd(c.words), c.exit) << err;
        const std::vector<std::string> lines = outLines();
        ASSERT_GE(lines.size(), c.out.size());
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + static_cast<long>(c.out.size())),
                  c.out);
        EXPECT_EQ(err, c.err);
    }
}

// With only the colours asked for, a catalogue theme writes its colours and
// nothing else; the check's lines end with what the file has that is not read.
TEST_F(DecocmdTest, ACatalogueThemeAppliesOnlyTheAspectsAsked) {
    fake.makeFile(folder + "\\logo.sys", "start-up screen");
    EXPECT_EQ(decocmd({"apply", "Harbour 800x600", "/only", "colors"}), 0);
    EXPECT_EQ(outLines()[0], "colors: applied");
    EXPECT_EQ(outLines()[8], "pictures: skipped");
    ASSERT_EQ(fake.settings.colors.calls.size(), 1u);
    EXPECT_EQ(fake.settings.colors.calls[0].size(), 29u);
    ASSERT_EQ(fake.registry.writes.size(), 29u);
    for (const auto& write : fake.registry.writes)
        EXPECT_EQ(write.keyPath, "HKEY_CURRENT_USER\\Control Panel\\Colors");
    EXPECT_TRUE(fake.settings.cursors.calls.empty());
    EXPECT_TRUE(fake.settings.spi.calls.empty());
    EXPECT_FALSE(fake.exists("c:\\logo.sys"));
}

// An NT 4 user who may not write the desktop icons where NT 4 reads them: the
// icons fail, told, and the rest of the catalogue theme is applied.
TEST_F(DecocmdTest, ACatalogueThemesRefusedIconsAreToldAndTheRestApplies) {
    fake.useVersion(fake::Version::NT4);
    fake.failOnNext("RegCreateKeyExA", static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(decocmd({"apply", "1", "/only", "icons,colors,pointers"}), 1);
    EXPECT_EQ(outLines()[0], "colors: applied");
    EXPECT_EQ(outLines()[1], "pointers: applied");
    EXPECT_EQ(outLines()[2], "icons: failed: RegCreateKeyExA: access denied (5)");
    EXPECT_EQ(user("Control Panel\\Colors", "Window"), "10,20,30");
}
