// Not a check but a look: a theme file of the sample collection shown as the
// Themes tab will show it (the drawn preview, the line of what was left out,
// "Settings..." and "Details..."), on real windows for tests/e2e's
// e2e-theme-file-windows.sh to photograph and drive with the keyboard. Disabled:
// it waits for a user. DECORAMA_SAMPLE_DIR names the program folder.
#include "NativeTestSupport.h"

#include "doubles/theme/Cp1252.h"
#include "platform/win32/Win32Api.h"
#include "platform/win32/Win32Runtime.h"
#include "system/modWinVersion.h"
#include "themedialogs/DetailsDialog.h"
#include "themedialogs/SettingsDialog.h"
#include "themefile/ThemeCheck.h"
#include "themepreview/ThemeFilePreview.h"

#include <cstdlib>
#include <string>

namespace nativetest {
namespace {

// The files of the running Windows, as the Themes tab's check will see them.
class FolderSurroundings : public themefile::Surroundings {
public:
    FolderSurroundings(rt::Runtime& runtime, const std::string& folder) : runtime_(runtime) {
        themeFolder = folder + "\\";
        windowsFolder = "C:\\windows";
        systemFolder = "C:\\windows\\system32";
        programFilesFolder = "C:\\Program Files";
    }
    bool exists(const std::string& path) const override { return !runtime_.Dir(path).empty(); }
    std::string head(const std::string& path, std::size_t count) const override {
        try {
            return runtime_.readBytes(path, 0, count);
        } catch (const rt::Error&) {
            return "";
        }
    }

private:
    rt::Runtime& runtime_;
};

const char* const lookTheme = R"([Theme]
DisplayName=Copper Canyon (file)
[Control Panel\Colors]
ActiveTitle=128 48 0
GradientActiveTitle=232 160 88
TitleText=255 255 255
InactiveTitle=112 96 88
GradientInactiveTitle=184 168 160
Background=72 32 8
Hilight=168 72 16
Menu=236 228 216
ButtonFace=236 228 216
Window=255 250 240
[Control Panel\Desktop]
Wallpaper=%ThemeDir%Copper Canyon 1024x768.bmp
TileWallpaper=0
WallpaperStyle=2
[Control Panel\Cursors]
Arrow=%ThemeDir%Copper Arrow.cur
Wait=%ThemeDir%Copper Busy.ani
Help=\\attacker.example\share\help.cur
[CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon]
DefaultValue=%ThemeDir%Copper Computer.ico,0
[CLSID\{450D8FBA-AD25-11D0-98A8-0800361B1103}\DefaultIcon]
DefaultValue=%ThemeDir%Copper Documents.ico,0
[CLSID\{645FF040-5081-101B-9F08-00AA002F954E}\DefaultIcon]
DefaultValue=%ThemeDir%Copper Bin Empty.ico,0
empty=%ThemeDir%Copper Bin Empty.ico,0
full=%ThemeDir%Copper Bin Full.ico,0
[AppEvents\Schemes\Apps\.Default\.Default\.Current]
DefaultValue=%ThemeDir%startup.wav
[AppEvents\Schemes\Apps\.Default\SystemAsterisk\.Current]
DefaultValue=http://attacker.example/asterisk.wav
)";

TEST(NativeLook, DISABLED_AThemeFilesPreviewAndDialogs) {
    const char* folder = std::getenv("DECORAMA_SAMPLE_DIR");
    ASSERT_NE(folder, nullptr);
    win32::Win32Api api;
    win32::Win32Runtime runtime;
    native::NativeWindowSystem windows(runtime);
    rt::Platform platform{api, runtime, windows};
    const FolderSurroundings surroundings(runtime, folder);
    const themefile::CheckedTheme theme = themefile::checkTheme(
        themefile::readThemeFile(lookTheme, std::string(folder) + "\\Copper.theme", theme_test::toCp1252),
        surroundings, {});

    const auto window =
        windows.createWindow("Theme file preview", ui::Window::Style::FixedDialog, {1500, 1200, 6300, 4200});
    ui::PictureBox& preview = window->addPictureBox("Image7", {240, 240, 3735, 2925});
    ui::Label& leftOut = window->addLabel("lblLeftOut", "", {240, 3300, 5700, 255});
    ui::Button& settings = window->addButton("cmdSettings", "&Settings...", {4200, 240, 1700, 375});
    ui::Button& details = window->addButton("cmdDetails", "&Details...", {4200, 720, 1700, 375});
    ui::Button& close = window->addButton("cmdClose", "&Close", {4200, 1200, 1700, 375});
    themepreview::showThemePreview(windows, preview, leftOut, theme, sys::GetWinVersion(api), platform);
    settings.onClick = [&] { themedialogs::chooseAspects(windows, *window, api, &theme); };
    details.onClick = [&] { themedialogs::showThemeDetails(windows, *window, platform, theme); };
    close.onClick = [&] { window->close(); };
    window->show();
    EXPECT_EQ(windows.run(), 0);
}

} // namespace
} // namespace nativetest
