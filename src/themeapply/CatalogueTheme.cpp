#include "themeapply/CatalogueTheme.h"

#include "appearance/UpdateColors.h"
#include "catalogue/Module1.h"
#include "catalogue/PreviewLayout.h"
#include "platform/Platform.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "system/CustomRegistry.h"
#include "system/ScreenInfo.h"
#include "system/ShortPath.h"
#include "system/SystemColorsFast.h"
#include "system/clsRegistry.h"
#include "system/modWinVersion.h"

#include <array>

namespace themeapply {
namespace {

using themefile::Aspect;

const char* const soundKeyName = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current\\";
const char* const soundKeyPath =
    "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

} // namespace

ThemeRecord splitThemeRecord(const std::string& record) {
    // Each comma is searched from one character after the previous one; a
    // missing comma makes the cut impossible, as a negative length would be.
    std::array<std::size_t, 4> comma{};
    std::size_t from = 0;
    for (std::size_t& position : comma) {
        position = record.find(',', from);
        if (position == std::string::npos)
            throw rt::Error(rt::ErrInvalidProcedureCall);
        from = position + 1;
    }
    auto between = [&record](std::size_t after, std::size_t before) {
        return record.substr(after + 1, before - after - 1);
    };
    ThemeRecord theme;
    theme.name = record.substr(0, comma[0]);
    theme.unused = between(comma[0], comma[1]);
    theme.previewFile = between(comma[1], comma[2]);
    theme.wallpaperFile = between(comma[2], comma[3]);
    theme.schemeRow = record.substr(comma[3] + 1);
    return theme;
}

std::optional<ui::Rect> previewLayoutFor(const std::string& themeName) {
    if (rt::EndsWith(themeName, "800x600"))
        return catalogue::previewFor800x600.wallpaper;
    if (rt::EndsWith(themeName, "1024x768"))
        return catalogue::previewFor1024x768.wallpaper;
    return std::nullopt;
}

ThemeChoice themeChoice(const catalogue::Module1& module, int listIndex) {
    ThemeChoice choice;
    choice.record = splitThemeRecord(module.themeList(listIndex));
    choice.layout = previewLayoutFor(choice.record.name);
    if (choice.layout) {
        choice.wallpaper = module.programFolder + "\\" + choice.record.wallpaperFile;
        choice.schemeRow = choice.record.schemeRow;
    }
    return choice;
}

ApplyReport writeCatalogueTheme(rt::Platform& platform, catalogue::Module1& module,
                                const ThemeSelection& selection, const themefile::AspectSet& aspects,
                                rt::ErrorTrap& onError) {
    rt::Runtime& files = platform.runtime;
    const std::string& source = module.programFolder;
    const std::string windows = sys::windowsFolderFor(module.windowsVersion);
    ApplyReport report;
    for (Aspect aspect : themefile::allAspects)
        if (aspects.has(aspect))
            report.set(aspect, Outcome::applied);
    for (Aspect aspect : {Aspect::saver, Aspect::fonts, Aspect::sizes})
        if (aspects.has(aspect))
            report.set(aspect, Outcome::absent);

    // One step of an aspect asked for: its error is the aspect's, and the rule
    // says whether the sequence goes on.
    const auto step = [&](std::initializer_list<Aspect> stepAspects, const auto& body) {
        bool ran = false;
        onError([&] {
            ran = true;
            try {
                body();
            } catch (const rt::Error& error) {
                for (Aspect aspect : stepAspects)
                    if (report[aspect].outcome == Outcome::applied)
                        report.fail(aspect, error);
                throw;
            }
        });
        if (!ran)
            for (Aspect aspect : stepAspects)
                if (report[aspect].outcome == Outcome::applied)
                    report.set(aspect, Outcome::failed, "not reached");
    };

    // 3. Colours, cursors and desktop icons of the theme's row.
    if (aspects.has(Aspect::colors) || aspects.has(Aspect::pointers) || aspects.has(Aspect::icons))
        step({Aspect::colors, Aspect::pointers, Aspect::icons}, [&] {
            sys::SystemColorsFast colors(platform);
            colors.UpdateImmediately = false;
            const std::optional<rt::Error> iconFailure =
                appearance::UpdateColors(colors, module, appearance::ApplyVariant::Theme,
                                         selection.themeListIndex, selection.schemeListIndex, aspects);
            if (iconFailure && aspects.has(Aspect::icons))
                report.fail(Aspect::icons, *iconFailure);
        });

    // 4. Wallpaper.
    if (aspects.has(Aspect::wallpaper))
        step({Aspect::wallpaper}, [&] {
            sys::ScreenInfo screenInfo(platform.api);
            if (!selection.selectedWallpaper.empty())
                screenInfo.DesktopWallpaper(selection.selectedWallpaper);
        });

    // 5. Start-up and shut-down screens. 6. Folder web-view images.
    if (aspects.has(Aspect::pictures)) {
        const std::pair<const char*, std::string> pictures[] = {
            {"\\logo.sys", "c:\\logo.sys"},
            {"\\logos.sys", windows + "\\logos.sys"},
            {"\\logow.sys", windows + "\\logow.sys"},
            {"\\wvleft.bmp", windows + "\\web\\wvleft.bmp"},
            {"\\wvline.gif", windows + "\\web\\wvline.gif"},
            {"\\wvlogo.gif", windows + "\\web\\wvlogo.gif"},
        };
        for (const auto& picture : pictures)
            step({Aspect::pictures}, [&] { files.FileCopy(source + picture.first, picture.second); });
    }

    // 7. Start-up sound: the program's own sound for a row that has one, none otherwise.
    if (aspects.has(Aspect::sounds))
        step({Aspect::sounds}, [&] {
            sys::clsRegistry registry(platform.api);
            registry.CreateKey(soundKeyName, "", win::HKEY_CURRENT_USER);
            const std::int32_t row = module.activeSchemeRowNumber();
            sys::CustomRegistry values(platform);
            if (!module.themeShortAudio(row).empty())
                values.SetRegValue(soundKeyPath, "",
                                   sys::shortPathOf(platform.api, module.startupSound()).value_or(""));
            else
                values.SetRegValue(soundKeyPath, "", "");
        });
    return report;
}

} // namespace themeapply
