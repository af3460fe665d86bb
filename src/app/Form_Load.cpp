// Start-up of the main window: reads the catalogue list files into Module1,
// fills the tabs' lists, checks the screen, selects the first theme and centres
// the window, all before it is first shown.
//
// Error rule of the whole sequence: a list file that is not found counts as
// empty and the sequence goes on; any other error is shown as its number
// followed at once by its description ("9Subscript out of range") and ends the
// load there. A load that ends early leaves the window as far as it got: lists
// not reached stay empty, the window keeps its design position and colours.
#include "app/frmMain.h"

#include "catalogue/ListFiles.h"
#include "links/MakeLink.h"
#include "runtime/ErrorTrap.h"
#include "system/modWinVersion.h"

#include <cmath>
#include <string>

namespace app {

namespace {

constexpr win::COLORREF backgroundColor = ui::RGB(0, 43, 17);
constexpr int minimumWidthPixels = 800;
constexpr int minimumHeightPixels = 600;
constexpr const char* resolutionMessage = "You must set your screen resolution to at least 800 X 600.";

} // namespace

void frmMain::Form_Load() {
    rt::Runtime& runtime = platform_.runtime;
    const std::string title = runtime.appTitle();

    // 1. The error rule.
    rt::ErrorTrap onError([&](const rt::Error& error) {
        if (error.number() == rt::ErrFileNotFound)
            return true;
        platform_.messages.MsgBox(std::to_string(error.number()) + error.description(), rt::vbOKOnly, title);
        return false;
    });

    // 2. The wait minutes, 1 to 60, showing 10.
    onError([&] {
        for (int minutes = 1; minutes <= 60; ++minutes)
            Combo5->addItem(std::to_string(minutes));
        Combo5->setText("10");
    });

    // 3. The Windows version tag.
    onError([&] { module_.windowsVersion = sys::GetWinVersion(platform_.api); });

    // 4. The program's folder.
    onError([&] { module_.programFolder = runtime.appPath(); });

    // 5. The tables that fill no list, one file after the other.
    onError([&] { catalogue::ReadListFile(catalogue::ListFileKind::Colors, runtime, module_, nullptr); });
    onError([&] { catalogue::ReadListFile(catalogue::ListFileKind::Cursors, runtime, module_, nullptr); });
    onError([&] { catalogue::ReadListFile(catalogue::ListFileKind::Icons, runtime, module_, nullptr); });
    onError([&] { catalogue::ReadListFile(catalogue::ListFileKind::Audio, runtime, module_, nullptr); });
    onError([&] { catalogue::ReadListFile(catalogue::ListFileKind::ShortAudio, runtime, module_, nullptr); });

    // 6. The start-up sound sample takes the resting look of a link.
    onError([&] { MakeLink(*Label3, links::LinkSetUp, nullptr); });

    // 7. The screen in pixels: whole twips over whole twips per pixel.
    onError([&] {
        ui::Screen& screen = windows_.screen();
        screenWidthPixels = screen.width() / screen.twipsPerPixelX();
        screenHeightPixels = screen.height() / screen.twipsPerPixelY();
    });

    // 8. A screen below 800 x 600 in both directions ends the load here; one
    // that is narrow in one direction only passes.
    if (onError.ended())
        return;
    if (screenWidthPixels < minimumWidthPixels && screenHeightPixels < minimumHeightPixels) {
        platform_.messages.MsgBox(resolutionMessage, rt::vbOKOnly, title);
        return;
    }

    // 9. The themes.
    onError([&] {
        Combo1->clear();
        catalogue::ReadListFile(catalogue::ListFileKind::Themes, runtime, module_, Combo1);
    });

    // 10. The first theme is selected, which shows its preview. An empty theme
    // list has no first item: the window system refuses the selection (380).
    onError([&] { Combo1->setListIndex(0); });

    // 10a. After the catalogue's themes, the theme files: the program folder's
    // "Themes" folder, then the ones the user opened that are still there; and
    // the aspects the user chose to apply.
    onError([&] { listThemeFiles(); });

    // 11. The wallpapers.
    onError([&] {
        Combo2->clear();
        catalogue::ReadListFile(catalogue::ListFileKind::Wallpapers, runtime, module_, Combo2);
    });

    // 12. The colour schemes, each with its scheme row as item data.
    onError([&] {
        Combo3->clear();
        catalogue::ReadListFile(catalogue::ListFileKind::ColorNames, runtime, module_, Combo3);
    });

    // 13. The screen savers, each with its index as item data.
    onError([&] {
        Combo4->clear();
        catalogue::ReadListFile(catalogue::ListFileKind::ScreenSavers, runtime, module_, Combo4);
    });

    // 14. Centre the window on the screen, colour it and its tabs, and give the
    // mouse back its arrow.
    onError([&] {
        ui::Screen& screen = windows_.screen();
        ui::Rect bounds = window_->bounds();
        bounds.left = static_cast<int>(std::lround((screen.width() - bounds.width) / 2.0));
        bounds.top = static_cast<int>(std::lround((screen.height() - bounds.height) / 2.0));
        window_->move(bounds);
        window_->setBackColor(backgroundColor);
        SSTab1->setBackColor(backgroundColor);
        screen.setMousePointer(ui::vbDefault);
    });
}

} // namespace app
