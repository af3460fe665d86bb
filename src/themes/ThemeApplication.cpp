// Error rule of the whole sequence: a file that is not found skips its step and
// the sequence goes on; any other error ends it at once, silently, and what was
// written before stays. A selection that names no applicable theme fails inside
// UpdateColors before its first write, so nothing at all is written then.
#include "themes/ThemeApplication.h"

#include "catalogue/Module1.h"
#include "runtime/ErrorTrap.h"
#include "platform/Platform.h"
#include "platform/ui/WindowSystem.h"
#include "system/CustomRegistry.h"
#include "system/ScreenInfo.h"
#include "system/SystemColorsFast.h"
#include "system/clsRegistry.h"
#include "system/ShortPath.h"
#include "system/modWinVersion.h"
#include "appearance/UpdateColors.h"

namespace themes {
namespace {

const char* const soundKeyName = "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current\\";
const char* const soundKeyPath =
    "HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current";

} // namespace

void ApplyTheme(rt::Platform& platform, catalogue::Module1& module, const ThemeSelection& selection,
                ui::Screen& screen, ui::ComboBox& themeList) {
    // 1. The error rule.
    rt::ErrorTrap onError(rt::skipMissingFiles);
    rt::Runtime& files = platform.runtime;
    const std::string& source = module.programFolder;
    const std::string windows = sys::windowsFolderFor(module.windowsVersion);

    // 2. Default pointer.
    onError([&] { screen.setMousePointer(ui::vbDefault); });

    // 3. Colours, cursors and desktop icons of the theme's row.
    onError([&] {
        sys::SystemColorsFast colors(platform);
        colors.UpdateImmediately = false;
        appearance::UpdateColors(colors, module, appearance::ApplyVariant::Theme, selection.themeListIndex,
                                 selection.schemeListIndex);
    });

    // 4. Wallpaper.
    onError([&] {
        sys::ScreenInfo screenInfo(platform.api);
        if (!selection.selectedWallpaper.empty())
            screenInfo.DesktopWallpaper(selection.selectedWallpaper);
    });

    // 5. Start-up and shut-down screens.
    onError([&] { files.FileCopy(source + "\\logo.sys", "c:\\logo.sys"); });
    onError([&] { files.FileCopy(source + "\\logos.sys", windows + "\\logos.sys"); });
    onError([&] { files.FileCopy(source + "\\logow.sys", windows + "\\logow.sys"); });

    // 6. Folder web-view images.
    onError([&] { files.FileCopy(source + "\\wvleft.bmp", windows + "\\web\\wvleft.bmp"); });
    onError([&] { files.FileCopy(source + "\\wvline.gif", windows + "\\web\\wvline.gif"); });
    onError([&] { files.FileCopy(source + "\\wvlogo.gif", windows + "\\web\\wvlogo.gif"); });

    // 7. Start-up sound: the program's own sound for a row that has one, none otherwise.
    onError([&] {
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

    // 8. Back to the theme list.
    onError([&] {
        themeList.setFocus();
        screen.setMousePointer(ui::vbDefault);
    });
}

} // namespace themes
