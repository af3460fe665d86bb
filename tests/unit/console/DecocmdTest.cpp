// decocmd over the fake Windows: its commands, what they print and their exit
// codes, its switches as Windows programs take them, and a catalogue theme applied
// aspect by aspect.
#include "platform/Settings.h"
#include "unit/themeapply/ThemeFileFixture.h"

#include "support/ProgramFixture.h"

using namespace themeapply_test;

namespace {

class DecocmdTest : public ThemeFileFixture {
protected:
    DecocmdTest() {
        for (const auto& [name, text] : unit_test::standardCatalogue())
            fake.makeFile(folder + "\\" + name, text);
        installJungle();
        fake.makeFile(themePath("Hostile.theme"), themeBytes("hostile.theme"));
        fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window",
                       "0 0 0"); // as every Windows has
    }
};

} // namespace

TEST_F(DecocmdTest, CommandsPrintTheirLinesAndExitCodes) {
    const struct {
        std::vector<std::string> words;
        int exit;
        std::string out;      // how standard output starts
        std::string err = ""; // what standard error holds
    } cases[] = {
        {{"list"},
         0,
         "1\tcatalogue\tHarbour 800x600\n2\tcatalogue\tCanyon 1024x768\n3\tfile\tHostile\n4\tfile\tJungle\n"},
        {{"CHECK", themePath("Jungle.theme"), "-SAVER"}, 0, "colors: ok\npointers: ok\n"},
        {{"check", "Jungle"}, 1, ""},
        {{"check", "Hostile"}, 1, "colors: absent\npointers: refused: web address\n"},
        {{"check", "C:\\nowhere.theme"}, 2, "", "decocmd: C:\\nowhere.theme: File not found\n"},
        {{"apply", "jungle", "/only", "colors, sounds"},
         0,
         "colors: applied\npointers: skipped\nicons: skipped\nwallpaper: skipped\nsounds: applied\n"},
        {{"apply", "4", "/skip", "saver"}, 0, "colors: applied\n"},
        {{"apply", "Hostile"}, 1, "colors: absent\npointers: refused: web address\n"},
        {{"apply", "Nowhere"}, 2, "", "decocmd: unknown theme: Nowhere\n"},
        {{"apply", "jungle", "/only", "colours"}, 2, "", "decocmd: unknown aspect: colours\n"},
        {{"apply", "jungle", "/loud"}, 2, "", "decocmd: unknown switch: /loud\n"},
        {{"restore", "previous", "/only", "colors"}, 0, "colors: applied\npointers: skipped\n"},
        {{"restore", "sideways"}, 2, "", "decocmd: restore takes previous, original or default\n"},
        {{"save", "Mine"}, 0, ""},
        {{"check", "Mine"}, 0, "colors: ok\npointers: ok\nicons: ok\nwallpaper: ok\nsounds: ok\n"},
        {{"list", "extra"}, 2, "", "decocmd: bad arguments (decocmd /? shows how to call it)\n"},
        {{"/?"}, 0, "Decorama's console program: lists, checks and applies desktop themes.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.words));
        EXPECT_EQ(decocmd(c.words), c.exit) << err;
        EXPECT_EQ(out.substr(0, c.out.size()), c.out);
        EXPECT_EQ(err, c.err);
    }
}

// With only the colours asked for, a catalogue theme writes its colours and
// nothing else.
TEST_F(DecocmdTest, ACatalogueThemeAppliesOnlyTheAspectsAsked) {
    fake.makeFile(folder + "\\logo.sys", "start-up screen");
    EXPECT_EQ(decocmd({"apply", "Harbour 800x600", "/only", "colors"}), 0);
    EXPECT_EQ(out.rfind("colors: applied\npointers: skipped\n", 0), 0u) << out;
    ASSERT_EQ(fake.settings.colors.calls.size(), 1u);
    EXPECT_EQ(fake.settings.colors.calls[0].size(), 29u);
    ASSERT_EQ(fake.registry.writes.size(), 29u);
    for (const auto& write : fake.registry.writes)
        EXPECT_EQ(write.keyPath, "HKEY_CURRENT_USER\\Control Panel\\Colors");
    EXPECT_TRUE(fake.settings.cursors.calls.empty());
    for (const fake::SpiCall& call : fake.settings.spi.calls) // only the snapshot's reads
        EXPECT_EQ(win::setting(call.action).get, call.action);
    EXPECT_FALSE(fake.exists("c:\\logo.sys"));
}

// "Original settings" are those before the first apply ever, whatever came after;
// "Windows default" is the version's own look (Window white, the desktop teal).
TEST_F(DecocmdTest, OriginalSettingsOutliveLaterAppliesAndWindowsDefaultIsTheVersionsOwn) {
    const auto colour = [&](const char* name) {
        return fake.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", name).value_or("none");
    };
    ASSERT_EQ(decocmd({"apply", "Jungle", "/only", "colors"}), 0) << err;
    ASSERT_EQ(decocmd({"apply", "Harbour 800x600", "/only", "colors"}), 0) << err;
    ASSERT_NE(colour("Window"), "0 0 0");
    EXPECT_EQ(decocmd({"restore", "original", "/only", "colors"}), 0) << err;
    EXPECT_EQ(colour("Window"), "0 0 0");
    EXPECT_EQ(decocmd({"restore", "default", "/only", "colors"}), 0) << err;
    EXPECT_EQ(colour("Window"), "255 255 255");
    EXPECT_EQ(colour("Background"), "0 128 128");
}

// A snapshot that cannot be written stops the apply before it writes anything.
TEST_F(DecocmdTest, AnApplyWhoseSnapshotCannotBeKeptEndsWithTwoAndWritesNothing) {
    fake.failOnNext("writeFile", rt::ErrPermissionDenied);
    EXPECT_EQ(decocmd({"apply", "Harbour 800x600"}), 2);
    EXPECT_EQ(err.rfind("decocmd: The current settings could not be kept as \"Previous settings\"", 0), 0u)
        << err;
    EXPECT_TRUE(fake.registry.writes.empty() && fake.settings.colors.calls.empty());
}

// An NT 4 user who may not write the desktop icons where NT 4 reads them: the
// icons fail, told, and the rest of the catalogue theme is applied.
TEST_F(DecocmdTest, ACatalogueThemesRefusedIconsAreToldAndTheRestApplies) {
    fake.useVersion(fake::Version::NT4);
    fake.failOnNext("RegCreateKeyExA", static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
    EXPECT_EQ(decocmd({"apply", "1", "/only", "icons,colors,pointers"}), 1);
    EXPECT_EQ(
        out.rfind("colors: applied\npointers: applied\nicons: failed: RegCreateKeyExA: access denied (5)\n",
                  0),
        0u)
        << out;
    EXPECT_EQ(fake.getString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window"), "10,20,30");
}
