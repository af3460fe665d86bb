// The theme-file apply swept in the manner of Wine's conformance tests: a clean
// run records every Windows call and file service the apply makes after the check
// (the fake's operation trail), then each is made to fail in turn from the same
// starting state. No error may escape, and every aspect must end all new (as the
// clean run left it) or all as before, reported applied or failed to match.
#include "ThemeFileFixture.h"

#include "platform/WinFacts.h"
#include "themeapply/ThemeFileApply.h"

#include <cstring>
#include <map>
#include <memory>

using namespace themeapply_test;
using themefile::Aspect;

namespace {

// The runtime's file services of the fake; every other operation is a Windows call.
bool isFileService(const std::string& operation) {
    return operation == "Dir" || operation == "readFile" || operation == "readBytes" ||
           operation == "writeFile" || operation == "FilesIn";
}

std::string raw(const fake::FakeWindows& fake, win::HKEY root, const std::string& key,
                const std::string& name) {
    const fake::FakeRegistry::Value* value = fake.registry.get(root, key, name);
    return value ? std::to_string(value->type) + ":" + value->data : "none";
}

std::string fontFace(const win::LOGFONTA& font) {
    return std::string(font.lfFaceName) + "/" + std::to_string(font.lfWeight) + "/" +
           std::to_string(font.lfItalic) + "/" + std::to_string(font.lfCharSet);
}
std::string fontSize(const win::LOGFONTA& font) {
    return std::to_string(font.lfHeight) + "x" + std::to_string(font.lfWidth);
}

// What an aspect of the Jungle theme can change, as one text per aspect.
std::map<Aspect, std::string> stateOf(fake::FakeWindows& fake) {
    const win::HKEY user = win::HKEY_CURRENT_USER;
    std::map<Aspect, std::string> state;
    for (const char* name : {"ActiveTitle", "Background", "TitleText", "ButtonAlternateFace", "Window"})
        state[Aspect::colors] += raw(fake, user, "Control Panel\\Colors", name) + ";";
    for (int index : {1, 2, 5, 9, 25})
        state[Aspect::colors] += std::to_string(fake.settings.colors.get(index)) + ";";
    for (const char* name : {"", "Arrow", "Wait"})
        state[Aspect::pointers] += raw(fake, user, "Control Panel\\Cursors", name) + ";";
    for (win::DWORD id : {win::OCR_NORMAL, win::OCR_WAIT})
        state[Aspect::pointers] += fake.systemCursorFile(id) + ";";
    for (const char* key : {"CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon",
                            "CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon",
                            "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon"})
        for (const char* name : {"", "full", "empty"})
            state[Aspect::icons] += raw(fake, win::HKEY_CLASSES_ROOT, key, name) + ";";
    for (const char* name : {"TileWallpaper", "WallpaperStyle", "Pattern"})
        state[Aspect::wallpaper] += raw(fake, user, "Control Panel\\Desktop", name) + ";";
    // The converted picture's folder is the user's application data, or the program's
    // when that cannot be had: the file is what counts.
    const std::string wallpaper = fake.deskWallpaper();
    state[Aspect::wallpaper] +=
        wallpaper.substr(wallpaper.find_last_of('\\') + 1) + ";" + fake.spiBytes(win::SPI_SETDESKPATTERN);
    for (const char* event : {".Default\\.Default", ".Default\\SystemAsterisk", "Explorer\\EmptyRecycleBin"})
        state[Aspect::sounds] +=
            raw(fake, user, std::string("AppEvents\\Schemes\\Apps\\") + event + "\\.Current", "") + ";";
    state[Aspect::saver] = fake.fileBytes("C:\\WINDOWS\\system.ini") + ";" +
                           std::to_string(fake.settings.spi.value(win::SPI_GETSCREENSAVEACTIVE));
    const auto metrics = fake.spiStructure<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
    const auto icons = fake.spiStructure<win::ICONMETRICSA>(win::SPI_GETICONMETRICS);
    for (const win::LOGFONTA* font : {&metrics.lfCaptionFont, &metrics.lfSmCaptionFont, &metrics.lfMenuFont,
                                      &metrics.lfStatusFont, &metrics.lfMessageFont, &icons.lfFont}) {
        state[Aspect::fonts] += fontFace(*font) + ";";
        state[Aspect::sizes] += fontSize(*font) + ";";
    }
    for (int size : {metrics.iBorderWidth, metrics.iScrollWidth, metrics.iCaptionHeight, metrics.iMenuHeight,
                     icons.iHorzSpacing, icons.iTitleWrap})
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
