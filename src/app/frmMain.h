// frmMain: the main window. It draws its own title strip (emblem, program name,
// help, minimise and close pictures that swap between normal, hover and pressed
// looks) above the tab control SSTab1 with the "Themes", "Mix - N - Match",
// "Screen Saver" and "Utilities" tabs. Its handlers hold the program's logic;
// the window lives until the program ends.
#pragma once

#include "catalogue/Module1.h"
#include "mixmatch/MixMatchApply.h"
#include "platform/Platform.h"
#include "platform/ui/WindowSystem.h"
#include "themedialogs/ChosenSettings.h"
#include "themes/ListedThemes.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace about {
class frmAbout;
}
namespace sys {
class clsAPIstuff;
}

namespace app {

class frmMain {
public:
    // Builds the window and its controls at their design positions and wires
    // their events; Form_Load then prepares them.
    frmMain(rt::Platform& platform, ui::WindowSystem& windows, catalogue::Module1& module);
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Start-up: runs once, before the window is first shown.
    void Form_Load();
    // Shows the preview of the theme selected in Combo1 and records what applying it uses.
    void setThemeImage();
    // Opens a theme file as "Open theme file..." does (decorama.exe FILE.theme):
    // checked at once, it joins the theme list, selected; a file that cannot be
    // read is told and not listed.
    void openThemeFile(const std::string& path);
    // Once the window is first shown: the kept settings and "Windows default" join
    // the theme list after its theme files (looking for them loads the shell, which
    // the window does not wait for).
    void listKeptSettings();
    ui::Window& window() { return *window_; }

    void MakeLink(ui::Label& label, int action, ui::Window* owner);
    // The About and help box while it is loaded, nullptr otherwise.
    about::frmAbout* aboutBox();

    // ---- title strip ------------------------------------------------------------------
    ui::PictureBox* Image4 = nullptr; // the emblem; opens the About box
    ui::Label* lblTitle = nullptr;
    // The visible buttons end in 0; their hidden picture holders in 1 (normal), 3 (hover), 4 (pressed).
    ui::PictureBox* imgHelp0 = nullptr;
    ui::PictureBox* imgHelp1 = nullptr;
    ui::PictureBox* imgHelp3 = nullptr;
    ui::PictureBox* imgHelp4 = nullptr;
    ui::PictureBox* imgMin0 = nullptr;
    ui::PictureBox* imgMin1 = nullptr;
    ui::PictureBox* imgMin3 = nullptr;
    ui::PictureBox* imgMin4 = nullptr;
    ui::PictureBox* imgX0 = nullptr;
    ui::PictureBox* imgX1 = nullptr;
    ui::PictureBox* imgX3 = nullptr;
    ui::PictureBox* imgX4 = nullptr;
    ui::TabControl* SSTab1 = nullptr;

    // ---- "Themes" tab -------------------------------------------------------------------
    ui::Frame* fraThemes = nullptr;
    ui::ComboBox* Combo1 = nullptr; // themes
    ui::Button* Command2 = nullptr; // "Apply Theme"
    ui::PictureBox* Image7 = nullptr;
    // For the entries after the catalogue's themes: theme files, kept settings, Windows' defaults.
    ui::Button* cmdOpenTheme = nullptr;    // "&Open theme file..."
    ui::Button* cmdSettings = nullptr;     // "Se&ttings..."
    ui::Button* cmdDetails = nullptr;      // "&Details...", for a theme file
    ui::Button* cmdSaveSettings = nullptr; // "Sa&ve current settings..."
    ui::Label* lblLeftOut = nullptr;       // under a theme file's preview: what its check refused

    // ---- "Mix - N - Match" tab ----------------------------------------------------------
    ui::Frame* fraWallpapers = nullptr;
    ui::ComboBox* Combo2 = nullptr; // wallpapers
    ui::Frame* fraColorSchemes = nullptr;
    ui::ComboBox* Combo3 = nullptr; // colour schemes
    ui::Button* Command1 = nullptr; // "Apply Wallpaper"
    ui::Button* Command3 = nullptr; // "Apply Color"
    ui::Button* Command4 = nullptr; // "Apply Mix - N - Match"
    ui::PictureBox* Image2 = nullptr;
    ui::PictureBox* Image3 = nullptr;

    // ---- "Screen Saver" tab -------------------------------------------------------------
    ui::Frame* fraScreenSavers = nullptr;
    ui::ComboBox* Combo4 = nullptr; // screen savers
    ui::Label* lblWait = nullptr;
    ui::ComboBox* Combo5 = nullptr; // wait minutes
    ui::Label* lblMinutes = nullptr;
    ui::Button* Command6 = nullptr; // "Set Screen Saver"
    ui::PictureBox* Image6 = nullptr;

    // ---- "Utilities" tab ----------------------------------------------------------------
    ui::Frame* fraDisplayProperties = nullptr;
    ui::Button* Command10 = nullptr; // "Background Properties"
    ui::Button* Command11 = nullptr; // "Appearance"
    ui::Button* Command12 = nullptr; // "Screen Saver"
    ui::Button* Command13 = nullptr; // "Settings"
    ui::Frame* fraThemeManager = nullptr;
    ui::Button* Command15 = nullptr; // "Launch Theme Manager"
    ui::Frame* fraGraphics = nullptr;
    ui::Button* Command14 = nullptr; // "Restore Graphics"
    ui::Frame* fraStartupAudio = nullptr;
    ui::PictureBox* Image1 = nullptr;
    ui::Label* Label3 = nullptr; // the start-up sound sample, a link label
    ui::Frame* fraReLog = nullptr;
    ui::Label* Label1 = nullptr;
    ui::Button* Command5 = nullptr; // "Log Off Windows"
    ui::Frame* fraWindowFunctions = nullptr;
    ui::Button* Command17 = nullptr; // "Restart Windows"
    ui::Button* Command16 = nullptr; // "Shut Down Windows"

    // ---- selection state, alive as long as the window -------------------------------------
    // Full path of the wallpaper the next apply sets, or empty.
    std::string selectedWallpaper;
    // The screen in pixels as measured at start-up; only the resolution check reads them.
    int screenWidthPixels = 0;
    int screenHeightPixels = 0;

    // ---- event handlers -------------------------------------------------------------------
    void Form_MouseMove(const ui::MouseEvent& event);
    void SSTab1_MouseMove(const ui::MouseEvent& event);
    void SSTab1_Click();
    void imgX0_MouseMove(const ui::MouseEvent& event);
    void imgX0_MouseDown(const ui::MouseEvent& event);
    void imgX0_Click();
    void imgMin0_MouseMove(const ui::MouseEvent& event);
    void imgMin0_MouseDown(const ui::MouseEvent& event);
    void imgMin0_Click();
    void imgHelp0_MouseMove(const ui::MouseEvent& event);
    void imgHelp0_MouseDown(const ui::MouseEvent& event);
    void imgHelp0_Click();
    void Image4_Click();
    void Image1_Click();
    void Label3_Click();
    void Label3_MouseMove(const ui::MouseEvent& event);
    void Command2_Click();
    void Combo1_KeyDown(int keyCode);
    void Combo1_Change();
    void Combo1_Click();
    void cmdOpenTheme_Click();
    void cmdSettings_Click();
    void cmdDetails_Click();
    void cmdSaveSettings_Click();

    // ---- "Screen Saver" tab ---------------------------------------------------------------
    // Switches the Windows screen saver on or off for this session; true when accepted.
    bool ToggleScreenSaverActive(bool active);
    void Combo4_Click();
    void Command6_Click();
    void Combo4_KeyDown(int keyCode);
    void Combo5_KeyDown(int keyCode);

    // ---- "Mix - N - Match" tab ----------------------------------------------------------
    // Shows the wallpaper chosen in Combo2 and records it in selectedWallpaper.
    void setMixMatchImage();
    void Combo2_Change();
    void Combo2_Click();
    void Combo2_KeyDown(int keyCode);
    void Command1_Click();
    void Combo3_Change();
    void Combo3_Click();
    void Combo3_KeyDown(int keyCode);
    void Command3_Click();
    void Command4_Click();

    // ---- "Utilities" tab ----------------------------------------------------------------
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command15_Click();
    void Command14_Click();
    void Command5_Click();
    void Command16_Click();
    void Command17_Click();

private:
    void buildTitleStrip();
    void buildThemesTab(ui::Container& page);
    void buildMixNMatchTab(ui::Container& page);
    void buildScreenSaverTab(ui::Container& page);
    void buildUtilitiesTab(ui::Container& page);
    void wireEvents();
    // Loads a picture shipped in the program's "ui" folder; without it the control stays empty.
    void loadShippedPicture(ui::PictureBox& control, const std::string& fileName);
    // Shows the About and help box, loading it first when it is not loaded.
    void showAbout();
    // Applies the theme selected in Combo1 (Command2 and Enter in Combo1).
    void applySelectedTheme();
    // Start-up: the theme files after the catalogue's themes, and the aspects chosen.
    void listThemeFiles();
    void wireThemeFiles();
    // The theme list's entries after the catalogue's themes set anew, keeping these.
    void setListedThemes(std::vector<themes::ListedTheme> entries);
    // The entries after the catalogue's themes looked at again (after an apply,
    // "Previous settings" may be new), the selected one kept selected.
    void refreshListedThemes();
    // The entry selected in Combo1 when it is not a catalogue theme, nullptr otherwise.
    const themes::ListedTheme* selectedListedTheme() const;
    // The drawn preview of an entry, with what its check refused under it.
    void showListedTheme(const themes::ListedTheme& entry);
    void wireMixNMatch();
    void wireUtilities();
    // The colour-scheme preview of the scheme chosen in Combo3.
    void showSchemePreview();
    // The utility services object, made at the first log-off, restart or shut-down.
    sys::clsAPIstuff& apiStuff();

    rt::Platform& platform_;
    ui::WindowSystem& windows_;
    catalogue::Module1& module_;
    std::unique_ptr<ui::Window> window_;
    std::unique_ptr<about::frmAbout> about_;
    bool linkVisited = false;
    // Mix-N-Match: the wallpaper object of the last wallpaper apply.
    mixmatch::MixMatchState mixMatch_;
    std::unique_ptr<sys::clsAPIstuff> apiStuff_;
    // Themes: the entries listed after the catalogue's themes, the checked theme of
    // the one shown, and the aspects an apply takes.
    std::vector<themes::ListedTheme> listedThemes_;
    std::optional<themefile::CheckedTheme> shownTheme_;
    themedialogs::ChosenSettings chosenAspects_ = themedialogs::ChosenSettings::all();
    // A catalogue theme was applied since the entries were looked at.
    bool listedThemesStale_ = false;
};

} // namespace app
