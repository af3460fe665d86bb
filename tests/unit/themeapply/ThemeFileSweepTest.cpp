// The theme-file apply swept in the manner of Wine's conformance tests: a clean
// run records every Windows call and file service the apply makes after the check
// (the fake's operation trail), then each is made to fail in turn from the same
// starting state. No error may escape, and every aspect must end all new (as the
// clean run left it) or all as before, reported applied or failed to match.
#include "ThemeFileFixture.h"

#include "platform/WinFacts.h"
#include "themeapply/ThemeFileApply.h"

#include <map>
#include <memory>
#include <vector>

using namespace themeapply_test;
using themefile::Aspect;

namespace {

// The runtime's file services of the fake; every other operation is a Windows call.
bool isFileService(const std::string& operation) {
    return operation == "Dir" || operation == "readFile" || operation == "readBytes" ||
           operation == "writeFile" || operation == "FilesIn";
}

// What an aspect of the Jungle theme can change, as one text per aspect: its
// registry values (type and bytes), then what it sets live.
std::map<Aspect, std::string> stateOf(fake::FakeWindows& fake) {
    const win::HKEY user = win::HKEY_CURRENT_USER, classes = win::HKEY_CLASSES_ROOT;
    const std::string bin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon",
                      sound = "AppEvents\\Schemes\\Apps\\Explorer\\EmptyRecycleBin\\.Current";
    const struct {
        Aspect aspect;
        win::HKEY root;
        std::string key;
        std::vector<const char*> names;
    } values[] = {
        {Aspect::colors, user, "Control Panel\\Colors", {"ActiveTitle", "TitleText", "Window"}},
        {Aspect::pointers, user, "Control Panel\\Cursors", {"", "Arrow", "Wait"}},
        {Aspect::icons, classes, bin, {"", "full", "empty"}},
        {Aspect::wallpaper, user, "Control Panel\\Desktop", {"TileWallpaper", "Pattern"}},
        {Aspect::sounds, user, sound, {""}},
    };
    std::map<Aspect, std::string> state;
    for (const auto& v : values)
        for (const char* name : v.names) {
            const fake::FakeRegistry::Value* value = fake.registry.get(v.root, v.key, name);
            state[v.aspect] += (value ? std::to_string(value->type) + ":" + value->data : "none") + ";";
        }
    state[Aspect::colors] += std::to_string(fake.settings.colors.get(win::COLOR_ACTIVECAPTION));
    state[Aspect::pointers] +=
        fake.systemCursorFile(win::OCR_NORMAL) + ";" + fake.systemCursorFile(win::OCR_WAIT);
    // The converted picture is in the user's application data, or the program folder
    // when that cannot be had: the file's name is what counts.
    const std::string wallpaper = fake.deskWallpaper();
    state[Aspect::wallpaper] +=
        wallpaper.substr(wallpaper.find_last_of('\\') + 1) + ";" + fake.spiBytes(win::SPI_SETDESKPATTERN);
    state[Aspect::saver] = fake.fileBytes("C:\\WINDOWS\\system.ini") + ";" +
                           std::to_string(fake.settings.spi.value(win::SPI_GETSCREENSAVEACTIVE));
    const auto metrics = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    const auto icons = fake.spiStructure<win::ICONMETRICSA>(win::SPI_GETICONMETRICS);
    for (const win::LOGFONTA* font : {&metrics.lfCaptionFont, &metrics.lfMenuFont, &icons.lfFont}) {
        state[Aspect::fonts] += std::string(font->lfFaceName) + "/" + std::to_string(font->lfWeight) + ";";
        state[Aspect::sizes] += std::to_string(font->lfHeight) + ";";
    }
    for (int size : {metrics.iBorderWidth, metrics.iScrollWidth, icons.iHorzSpacing})
        state[Aspect::sizes] += std::to_string(size) + ";";
    return state;
}

// The Jungle theme, and values it replaces that are not plain text or not there.
std::unique_ptr<ThemeWorld> jungleWorld() {
    auto world = std::make_unique<ThemeWorld>();
    world->installJungle();
    world->fake.registry.put(win::HKEY_CURRENT_USER, "Control Panel\\Cursors", "Arrow", win::REG_EXPAND_SZ,
                             std::string("%SystemRoot%\\cursors\\arrow_m.cur\0", 33));
    world->fake.setString(win::HKEY_CURRENT_USER, "Control Panel\\Colors", "Window", "255 255 255");
    world->fake.setString(win::HKEY_CLASSES_ROOT,
                          "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon", "full",
                          "C:\\WINDOWS\\SYSTEM\\shell32.dll,32");
    return world;
}

// The checked theme, then the apply.
themeapply::ApplyReport checkAndApply(ThemeWorld& world, std::size_t* applyStarts = nullptr) {
    const themefile::CheckedTheme theme = world.check(world.themePath("Jungle.theme"));
    if (applyStarts)
        *applyStarts = world.fake.operationTrail().size();
    return themeapply::applyThemeFile(world.platform, theme, themefile::AspectSet::all(), world.versionTag);
}

} // namespace

TEST(ThemeFileSweep, EachFailingCallLeavesEveryAspectAllNewOrAllAsBefore) {
    auto clean = jungleWorld();
    const std::map<Aspect, std::string> before = stateOf(clean->fake);
    std::size_t start = 0;
    const themeapply::ApplyReport cleanReport = checkAndApply(*clean, &start);
    ASSERT_FALSE(cleanReport.anyTrouble());
    const std::map<Aspect, std::string> after = stateOf(clean->fake);
    const std::vector<std::pair<std::string, int>> trail(
        clean->fake.operationTrail().begin() + static_cast<long>(start), clean->fake.operationTrail().end());
    ASSERT_GT(trail.size(), 100u);

    for (const auto& [operation, use] : trail) {
        SCOPED_TRACE(operation + " #" + std::to_string(use));
        auto world = jungleWorld();
        world->fake.failOn(operation, use,
                           isFileService(operation) ? rt::ErrPermissionDenied
                                                    : static_cast<std::int32_t>(win::ERROR_ACCESS_DENIED));
        themeapply::ApplyReport report;
        ASSERT_NO_THROW(report = checkAndApply(*world));
        const std::map<Aspect, std::string> now = stateOf(world->fake);
        for (const auto& [aspect, state] : now) {
            SCOPED_TRACE(themefile::aspectName(aspect));
            if (report[aspect].outcome == themeapply::Outcome::applied)
                EXPECT_EQ(state, after.at(aspect));
            else
                EXPECT_EQ(state, before.at(aspect)) << report.line(aspect);
        }
    }
}
