#include "app/frmMain.h"

#include "about/frmAbout.h"
#include "links/MakeLink.h"
#include "catalogue/PreviewLayout.h"
#include "mixmatch/MixMatchPreview.h"
#include "platform/InputFacts.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "screensaver/ScreenSaverInstall.h"
#include "snapshot/Snapshots.h"
#include "system/ScreenInfo.h"
#include "system/clsAPIstuff.h"
#include "themes/ThemeApplication.h"
#include "themes/ThemePreview.h"
#include "utilities/DisplayProperties.h"
#include "utilities/RestoreGraphics.h"
#include "utilities/Sound_Engine.h"

namespace app {

namespace {

// Design position and size of the window, in twips (616 x 400 pixels at 15
// twips a pixel: it fits an 800 x 600 screen).
constexpr ui::Rect windowDesign{600, 600, 9240, 6000};
constexpr int titleStripHeight = 600;

// Title-strip buttons, 18 x 18 pixels, right to left from the window's edge.
constexpr ui::Rect closeButton{8850, 165, 270, 270};
constexpr ui::Rect minimizeButton{8520, 165, 270, 270};
constexpr ui::Rect helpButton{8190, 165, 270, 270};

// The tab control and its pages; page positions count from the tab control's
// top-left corner, tab row included.
constexpr ui::Rect tabControlDesign{120, titleStripHeight + 120, 9000, 5160};

// Preview pictures at their first layout (800x600 names); the screen-saver
// preview at the size of the larger layout.
constexpr ui::Rect previewDesign = catalogue::previewFor800x600.wallpaper;
constexpr ui::Rect schemePreviewDesign = catalogue::previewFor800x600.scheme;
constexpr ui::Rect screenSaverPreviewDesign = catalogue::previewFor1024x768.wallpaper;

// Text on the dark window and tab background.
constexpr win::COLORREF textOnBackground = ui::RGB(255, 255, 255);

// Selects the first item of a list, raising its selection event; an empty list
// has no first item and is left alone.
void selectFirstItem(ui::ComboBox& list) {
    if (list.listCount() > 0)
        list.setListIndex(0);
}

} // namespace

frmMain::frmMain(rt::Platform& platform, ui::WindowSystem& windows, catalogue::Module1& module)
    : platform_(platform), windows_(windows), module_(module) {
    window_ = windows.createWindow("Brindlecove", ui::Window::Style::Borderless, windowDesign);
    buildTitleStrip();
    SSTab1 = &window_->addTabControl("SSTab1", {"Themes", "Mix - N - Match", "Screen Saver", "Utilities"},
                                     tabControlDesign);
    buildThemesTab(SSTab1->page(0));
    buildMixNMatchTab(SSTab1->page(1));
    buildScreenSaverTab(SSTab1->page(2));
    buildUtilitiesTab(SSTab1->page(3));
    wireEvents();
    // The theme list is first in the window's tab order.
    Combo1->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::buildTitleStrip() {
    ui::Window& form = *window_;
    Image4 = &form.addPictureBox("Image4", {120, 60, 480, 480});
    lblTitle = &form.addLabel("lblTitle", platform_.runtime.appTitle(), {720, 165, 4200, 285});
    lblTitle->setForeColor(textOnBackground);

    imgHelp0 = &form.addPictureBox("imgHelp0", helpButton);
    imgHelp1 = &form.addPictureBox("imgHelp1", helpButton);
    imgHelp3 = &form.addPictureBox("imgHelp3", helpButton);
    imgHelp4 = &form.addPictureBox("imgHelp4", helpButton);
    imgMin0 = &form.addPictureBox("imgMin0", minimizeButton);
    imgMin1 = &form.addPictureBox("imgMin1", minimizeButton);
    imgMin3 = &form.addPictureBox("imgMin3", minimizeButton);
    imgMin4 = &form.addPictureBox("imgMin4", minimizeButton);
    imgX0 = &form.addPictureBox("imgX0", closeButton);
    imgX1 = &form.addPictureBox("imgX1", closeButton);
    imgX3 = &form.addPictureBox("imgX3", closeButton);
    imgX4 = &form.addPictureBox("imgX4", closeButton);
    for (ui::PictureBox* holder :
         {imgHelp1, imgHelp3, imgHelp4, imgMin1, imgMin3, imgMin4, imgX1, imgX3, imgX4})
        holder->setVisible(false);

    loadShippedPicture(*Image4, "logo.bmp");
    loadShippedPicture(*imgHelp1, "help-normal.bmp");
    loadShippedPicture(*imgHelp3, "help-hover.bmp");
    loadShippedPicture(*imgHelp4, "help-pressed.bmp");
    loadShippedPicture(*imgMin1, "minimize-normal.bmp");
    loadShippedPicture(*imgMin3, "minimize-hover.bmp");
    loadShippedPicture(*imgMin4, "minimize-pressed.bmp");
    loadShippedPicture(*imgX1, "close-normal.bmp");
    loadShippedPicture(*imgX3, "close-hover.bmp");
    loadShippedPicture(*imgX4, "close-pressed.bmp");
    // The buttons start with their normal look.
    imgHelp0->setPicture(imgHelp1->picture());
    imgMin0->setPicture(imgMin1->picture());
    imgX0->setPicture(imgX1->picture());
}

void frmMain::buildThemesTab(ui::Container& page) {
    fraThemes = &page.addFrame("fraThemes", "Orlo Themes", {240, 540, 4440, 3900});
    Combo1 =
        &fraThemes->contents().addComboBox("Combo1", ui::ComboBox::Style::Simple, {120, 300, 4200, 3480});
    Command2 = &page.addButton("Command2", "Apply Theme", {240, 4560, 4440, 375});
    Image7 = &page.addPictureBox("Image7", previewDesign);
    // The theme files' buttons above the preview, their note under it.
    cmdOpenTheme = &page.addButton("cmdOpenTheme", "&Open theme file...", {4830, 540, 1800, 375});
    cmdSettings = &page.addButton("cmdSettings", "Se&ttings...", {6765, 540, 1800, 375});
    cmdDetails = &page.addButton("cmdDetails", "&Details...", {4830, 960, 1800, 375});
    cmdDetails->setEnabled(false);
    cmdSaveSettings = &page.addButton("cmdSaveSettings", "Sa&ve current settings...", {6765, 960, 1800, 375});
    lblLeftOut = &page.addLabel("lblLeftOut", "", {4830, 4320, 3735, 600});
    lblLeftOut->setForeColor(textOnBackground);
}

void frmMain::buildMixNMatchTab(ui::Container& page) {
    fraWallpapers = &page.addFrame("fraWallpapers", "Wallpapers", {240, 540, 4440, 1900});
    Combo2 =
        &fraWallpapers->contents().addComboBox("Combo2", ui::ComboBox::Style::Simple, {120, 300, 4200, 1480});
    fraColorSchemes = &page.addFrame("fraColorSchemes", "Color Schemes", {240, 2540, 4440, 1900});
    Combo3 = &fraColorSchemes->contents().addComboBox("Combo3", ui::ComboBox::Style::Simple,
                                                      {120, 300, 4200, 1480});
    Command1 = &page.addButton("Command1", "Apply Wallpaper", {240, 4560, 2160, 375});
    Command3 = &page.addButton("Command3", "Apply Color", {2520, 4560, 2160, 375});
    Command4 = &page.addButton("Command4", "Apply Mix - N - Match", {4830, 4560, 3735, 375});
    Image2 = &page.addPictureBox("Image2", previewDesign);
    // Set into the bottom-right corner of the wallpaper preview.
    Image3 = &page.addPictureBox("Image3", schemePreviewDesign);
}

void frmMain::buildScreenSaverTab(ui::Container& page) {
    fraScreenSavers = &page.addFrame("fraScreenSavers", "Orlo Screen Savers", {240, 540, 4440, 3900});
    Combo4 = &fraScreenSavers->contents().addComboBox("Combo4", ui::ComboBox::Style::Simple,
                                                      {120, 300, 4200, 3480});
    lblWait = &page.addLabel("lblWait", "Wait:", {240, 4620, 600, 255});
    lblWait->setForeColor(textOnBackground);
    Combo5 = &page.addComboBox("Combo5", ui::ComboBox::Style::DropDown, {900, 4560, 900, 315});
    lblMinutes = &page.addLabel("lblMinutes", "Minutes", {1860, 4620, 900, 255});
    lblMinutes->setForeColor(textOnBackground);
    Command6 = &page.addButton("Command6", "Set Screen Saver", {2880, 4560, 1800, 375});
    Image6 = &page.addPictureBox("Image6", screenSaverPreviewDesign);
}

void frmMain::buildUtilitiesTab(ui::Container& page) {
    // Left column.
    fraDisplayProperties =
        &page.addFrame("fraDisplayProperties", "Display Properties", {240, 540, 4200, 1320});
    ui::Container& display = fraDisplayProperties->contents();
    Command10 = &display.addButton("Command10", "Background Properties", {120, 300, 1920, 375});
    Command11 = &display.addButton("Command11", "Appearance", {2160, 300, 1920, 375});
    Command12 = &display.addButton("Command12", "Screen Saver", {120, 780, 1920, 375});
    Command13 = &display.addButton("Command13", "Settings", {2160, 780, 1920, 375});

    fraThemeManager = &page.addFrame("fraThemeManager", "Theme Manager", {240, 1980, 4200, 780});
    Command15 =
        &fraThemeManager->contents().addButton("Command15", "Launch Theme Manager", {120, 300, 3960, 375});

    fraGraphics =
        &page.addFrame("fraGraphics", "Windows Start Up / Shut Down Graphics", {240, 2880, 4200, 780});
    Command14 = &fraGraphics->contents().addButton("Command14", "Restore Graphics", {120, 300, 3960, 375});

    fraStartupAudio =
        &page.addFrame("fraStartupAudio", "Listen to Windows Startup Audio", {240, 3780, 4200, 1080});
    Image1 = &fraStartupAudio->contents().addPictureBox("Image1", {120, 300, 600, 600});
    Label3 = &fraStartupAudio->contents().addLabel("Label3", "Zuve Zivi Ziz Odida", {840, 480, 3240, 255});
    loadShippedPicture(*Image1, "sound.bmp");

    // Right column.
    fraReLog = &page.addFrame("fraReLog", "Re Log Windows", {4560, 540, 4200, 2100});
    Label1 =
        &fraReLog->contents().addLabel("Label1",
                                       "To ensure that changes have been made, your system will need to "
                                       "reboot or relogon to Windows.  Clicking this button will relogon to "
                                       "Windows and return to this application.",
                                       {120, 300, 3960, 1140});
    Command5 = &fraReLog->contents().addButton("Command5", "Log Off Windows", {120, 1560, 3960, 375});

    fraWindowFunctions = &page.addFrame("fraWindowFunctions", "Window Functions", {4560, 2760, 4200, 1320});
    Command17 =
        &fraWindowFunctions->contents().addButton("Command17", "Restart Windows", {120, 300, 3960, 375});
    Command16 =
        &fraWindowFunctions->contents().addButton("Command16", "Shut Down Windows", {120, 780, 3960, 375});
}

void frmMain::wireEvents() {
    // Window and title strip.
    window_->onMouseMove = [this](const ui::MouseEvent& event) { Form_MouseMove(event); };
    imgX0->onMouseMove = [this](const ui::MouseEvent& event) { imgX0_MouseMove(event); };
    imgX0->onMouseDown = [this](const ui::MouseEvent& event) { imgX0_MouseDown(event); };
    imgX0->onClick = [this] { imgX0_Click(); };
    imgMin0->onMouseMove = [this](const ui::MouseEvent& event) { imgMin0_MouseMove(event); };
    imgMin0->onMouseDown = [this](const ui::MouseEvent& event) { imgMin0_MouseDown(event); };
    imgMin0->onClick = [this] { imgMin0_Click(); };
    imgHelp0->onMouseMove = [this](const ui::MouseEvent& event) { imgHelp0_MouseMove(event); };
    imgHelp0->onMouseDown = [this](const ui::MouseEvent& event) { imgHelp0_MouseDown(event); };
    imgHelp0->onClick = [this] { imgHelp0_Click(); };
    Image4->onClick = [this] { Image4_Click(); };

    // "Themes" tab.
    Command2->onClick = [this] { Command2_Click(); };
    Combo1->onKeyDown = [this](int keyCode) { Combo1_KeyDown(keyCode); };
    Combo1->onChange = [this] { Combo1_Change(); };
    Combo1->onClick = [this] { Combo1_Click(); };
    wireThemeFiles();

    // "Screen Saver" tab.
    Combo4->onClick = [this] { Combo4_Click(); };
    Command6->onClick = [this] { Command6_Click(); };
    Combo4->onKeyDown = [this](int keyCode) { Combo4_KeyDown(keyCode); };
    Combo5->onKeyDown = [this](int keyCode) { Combo5_KeyDown(keyCode); };

    // Tabs.
    SSTab1->onMouseMove = [this](const ui::MouseEvent& event) { SSTab1_MouseMove(event); };
    SSTab1->onClick = [this] { SSTab1_Click(); };

    // "Utilities" tab.
    Image1->onClick = [this] { Image1_Click(); };
    Label3->onClick = [this] { Label3_Click(); };
    Label3->onMouseMove = [this](const ui::MouseEvent& event) { Label3_MouseMove(event); };

    wireMixNMatch();
    wireUtilities();
}

void frmMain::loadShippedPicture(ui::PictureBox& control, const std::string& fileName) {
    try {
        control.loadPicture(platform_.runtime.appPath() + "\\ui\\" + fileName);
    } catch (const rt::Error&) {
        // Missing or unreadable: the control shows no picture.
    }
}

void frmMain::MakeLink(ui::Label& label, int action, ui::Window* owner) {
    links::MakeLink(platform_.api, module_.programFolder, linkVisited, label, action, owner);
}

about::frmAbout* frmMain::aboutBox() {
    return about_ != nullptr && about_->isLoaded() ? about_.get() : nullptr;
}

void frmMain::showAbout() {
    // One About box at a time: an open one is brought to the front, a closed one
    // is loaded anew.
    if (aboutBox() == nullptr)
        about_ = std::make_unique<about::frmAbout>(platform_, windows_, module_);
    about_->Show();
}

// ---- title strip ------------------------------------------------------------------------

void frmMain::Form_MouseMove(const ui::MouseEvent&) {
    imgX0->setPicture(imgX1->picture());
    imgMin0->setPicture(imgMin1->picture());
    imgHelp0->setPicture(imgHelp1->picture());
}

void frmMain::SSTab1_MouseMove(const ui::MouseEvent&) {
    imgX0->setPicture(imgX1->picture());
    imgMin0->setPicture(imgMin1->picture());
    imgHelp0->setPicture(imgHelp1->picture());
}

void frmMain::imgX0_MouseMove(const ui::MouseEvent&) {
    imgX0->setPicture(imgX3->picture());
    imgMin0->setPicture(imgMin1->picture());
    imgHelp0->setPicture(imgHelp1->picture());
}

void frmMain::imgX0_MouseDown(const ui::MouseEvent&) {
    imgX0->setPicture(imgX4->picture());
}

void frmMain::imgX0_Click() {
    // The program ends here and now: nothing is asked, unloaded or saved.
    windows_.quit();
}

void frmMain::imgMin0_MouseMove(const ui::MouseEvent&) {
    imgX0->setPicture(imgX1->picture());
    imgMin0->setPicture(imgMin3->picture());
    imgHelp0->setPicture(imgHelp1->picture());
}

void frmMain::imgMin0_MouseDown(const ui::MouseEvent&) {
    imgMin0->setPicture(imgMin4->picture());
}

void frmMain::imgMin0_Click() {
    window_->minimize();
}

void frmMain::imgHelp0_MouseMove(const ui::MouseEvent&) {
    imgX0->setPicture(imgX1->picture());
    imgMin0->setPicture(imgMin1->picture());
    imgHelp0->setPicture(imgHelp3->picture());
}

void frmMain::imgHelp0_MouseDown(const ui::MouseEvent&) {
    imgHelp0->setPicture(imgHelp4->picture());
}

void frmMain::imgHelp0_Click() {
    showAbout();
}

void frmMain::Image4_Click() {
    showAbout();
}

// ---- tabs -------------------------------------------------------------------------------

void frmMain::SSTab1_Click() {
    // 1. No preview shows while the new tab is prepared.
    Image2->setVisible(false);
    Image3->setVisible(false);
    Image7->setVisible(false);

    // 2. The new tab's list selects its first entry, which redraws its preview.
    switch (SSTab1->tab()) {
    case 0: // "Themes"
        Combo1->setFocus();
        selectFirstItem(*Combo1);
        Image7->setVisible(true);
        break;
    case 1: { // "Mix - N - Match"
        // The wallpapers from entry 2 on, up to the first blank entry after it
        // and never past the table's last entry.
        Combo2->clear();
        int entry = 2;
        do {
            Combo2->addItem(module_.wallpaperList(entry));
            ++entry;
        } while (entry <= decltype(module_.wallpaperList)::upperBound &&
                 !rt::Trim(module_.wallpaperList(entry)).empty());
        selectFirstItem(*Combo2);
        Combo2->setFocus();
        selectFirstItem(*Combo2);
        selectFirstItem(*Combo3);
        Image2->setVisible(true);
        Image3->setVisible(true);
        break;
    }
    case 2: // "Screen Saver"
        Combo4->setFocus();
        selectFirstItem(*Combo4);
        break;
    default: // "Utilities": no preview
        break;
    }
}

// ---- "Utilities" tab: start-up sound sample -----------------------------------------------

void frmMain::Image1_Click() {
    utilities::PlaySound(platform_.api, module_.startupSound());
}

void frmMain::Label3_Click() {
    utilities::PlaySound(platform_.api, module_.startupSound());
    MakeLink(*Label3, links::LinkFollow, window_.get());
}

void frmMain::Label3_MouseMove(const ui::MouseEvent&) {
    MakeLink(*Label3, links::LinkMouseOver, nullptr);
}

// ---- "Themes" tab -------------------------------------------------------------------------

void frmMain::setThemeImage() {
    if (listedThemesStale_) {
        listedThemesStale_ = false;
        refreshListedThemes();
    }
    if (const themes::ListedTheme* entry = selectedListedTheme()) {
        showListedTheme(*entry);
        return;
    }
    shownTheme_.reset();
    lblLeftOut->setCaption("");
    cmdDetails->setEnabled(false);
    themes::setThemeImage(module_, Combo1->listIndex(), *Image7, selectedWallpaper);
}

// Typing in the theme list's edit line and choosing from its list both redraw the preview.
void frmMain::Combo1_Change() {
    setThemeImage();
}

void frmMain::Combo1_Click() {
    setThemeImage();
}

// "Apply Theme".
void frmMain::Command2_Click() {
    applySelectedTheme();
}

// Enter in the theme list applies the theme as the button does; other keys do nothing.
void frmMain::Combo1_KeyDown(int keyCode) {
    if (keyCode == win::VK_RETURN)
        applySelectedTheme();
}

void frmMain::applySelectedTheme() {
    if (const themes::ListedTheme* entry = selectedListedTheme()) {
        themes::applyListedTheme(platform_, windows_.screen(), *entry, chosenAspects_.aspects(),
                                 module_.windowsVersion);
        refreshListedThemes();
        Combo1->setFocus();
        return;
    }
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    themes::ThemeSelection selection;
    selection.selectedWallpaper = selectedWallpaper;
    selection.themeListIndex = Combo1->listIndex();
    selection.schemeListIndex = Combo3->listIndex();
    themes::ApplyTheme(platform_, module_, selection, windows_.screen(), *Combo1, chosenAspects_.aspects());
    // "Previous settings" may be new: the list shows it from the next selection on.
    listedThemesStale_ = true;
}

// ---- "Screen Saver" tab -------------------------------------------------------------------

bool frmMain::ToggleScreenSaverActive(bool active) {
    return screensaver::ToggleScreenSaverActive(platform_.api, active);
}

// A new choice in the saver list shows its picture.
void frmMain::Combo4_Click() {
    const int index = Combo4->listIndex();
    if (index >= 0)
        screensaver::showScreenSaverPreview(module_, Combo4->list(index), *Image6);
}

// "Set Screen Saver".
void frmMain::Command6_Click() {
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    screensaver::InstallFromResourceFile(platform_, module_, Combo4->listIndex(), windows_.screen());
}

// Enter in the saver list installs it as the button does; other keys do nothing.
void frmMain::Combo4_KeyDown(int keyCode) {
    if (keyCode == win::VK_RETURN)
        Command6_Click();
}

// Enter in the minutes box installs the listed saver file and stores the wait.
void frmMain::Combo5_KeyDown(int keyCode) {
    if (keyCode != win::VK_RETURN)
        return;
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    const int index = Combo4->listIndex();
    screensaver::InstallListedFile(platform_, module_, index, index >= 0 ? Combo4->itemData(index) : -1,
                                   Combo5->text(), windows_.screen());
}

// ---- "Mix - N - Match" tab ------------------------------------------------------------------

void frmMain::wireMixNMatch() {
    Combo2->onChange = [this] { Combo2_Change(); };
    Combo2->onClick = [this] { Combo2_Click(); };
    Combo2->onKeyDown = [this](int keyCode) { Combo2_KeyDown(keyCode); };
    Command1->onClick = [this] { Command1_Click(); };
    Combo3->onChange = [this] { Combo3_Change(); };
    Combo3->onClick = [this] { Combo3_Click(); };
    Combo3->onKeyDown = [this](int keyCode) { Combo3_KeyDown(keyCode); };
    Command3->onClick = [this] { Command3_Click(); };
    Command4->onClick = [this] { Command4_Click(); };
}

void frmMain::setMixMatchImage() {
    mixmatch::setMixMatchImage(module_, Combo2->text(), *Image2, *Image3, selectedWallpaper);
}

void frmMain::showSchemePreview() {
    mixmatch::showSchemePreview(module_, *Combo3, Combo2->text(), *Image2, *Image3);
}

void frmMain::Combo2_Change() {
    setMixMatchImage();
}

void frmMain::Combo2_Click() {
    setMixMatchImage();
}

// Enter in the wallpaper list applies it as "Apply Wallpaper" does.
void frmMain::Combo2_KeyDown(int keyCode) {
    if (keyCode == win::VK_RETURN)
        Command1_Click();
}

// "Apply Wallpaper".
void frmMain::Command1_Click() {
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    mixmatch::ApplyWallpaper(platform_, mixMatch_, selectedWallpaper);
}

void frmMain::Combo3_Change() {
    showSchemePreview();
}

void frmMain::Combo3_Click() {
    showSchemePreview();
}

// Enter in the colour-scheme list applies it as "Apply Color" does.
void frmMain::Combo3_KeyDown(int keyCode) {
    if (keyCode == win::VK_RETURN)
        Command3_Click();
}

// "Apply Color".
void frmMain::Command3_Click() {
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    mixmatch::ApplyColorScheme(platform_, module_, Combo3->listIndex());
}

// "Apply Mix - N - Match": the wallpaper and the colour scheme.
void frmMain::Command4_Click() {
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    mixmatch::ApplyMixNMatch(platform_, module_, mixMatch_, selectedWallpaper, Combo3->listIndex(),
                             windows_.screen());
}

// ---- "Utilities" tab: Windows tools, graphics restore, ending the log-on -------------------

void frmMain::wireUtilities() {
    Command10->onClick = [this] { Command10_Click(); };
    Command11->onClick = [this] { Command11_Click(); };
    Command12->onClick = [this] { Command12_Click(); };
    Command13->onClick = [this] { Command13_Click(); };
    Command15->onClick = [this] { Command15_Click(); };
    Command14->onClick = [this] { Command14_Click(); };
    Command5->onClick = [this] { Command5_Click(); };
    Command16->onClick = [this] { Command16_Click(); };
    Command17->onClick = [this] { Command17_Click(); };
}

void frmMain::Command10_Click() {
    utilities::OpenDisplayProperties(platform_.runtime, utilities::BackgroundPage);
}

void frmMain::Command11_Click() {
    utilities::OpenDisplayProperties(platform_.runtime, utilities::AppearancePage);
}

void frmMain::Command12_Click() {
    utilities::OpenDisplayProperties(platform_.runtime, utilities::ScreenSaverPage);
}

void frmMain::Command13_Click() {
    utilities::OpenDisplayProperties(platform_.runtime, utilities::SettingsPage);
}

// "Launch Theme Manager".
void frmMain::Command15_Click() {
    utilities::LaunchThemeManager(platform_.runtime);
}

// "Restore Graphics".
void frmMain::Command14_Click() {
    if (!snapshot::takeSnapshotOrTell(platform_, module_.windowsVersion))
        return;
    utilities::RestoreGraphics(platform_.runtime, windows_.screen(), module_.windowsVersion,
                               module_.programFolder);
}

sys::clsAPIstuff& frmMain::apiStuff() {
    // Cancel in its question ends the program at once.
    if (apiStuff_ == nullptr)
        apiStuff_ = std::make_unique<sys::clsAPIstuff>(
            platform_, [this] { windows_.quit(); }, [this] { windows_.processPendingMessages(); });
    return *apiStuff_;
}

// "Log Off Windows".
void frmMain::Command5_Click() {
    apiStuff().LogOffWindows(true, false);
}

// "Shut Down Windows".
void frmMain::Command16_Click() {
    apiStuff().ShutDownWindows(true, false);
}

// "Restart Windows".
void frmMain::Command17_Click() {
    apiStuff().RestartWindows(true, false);
}

} // namespace app
