// Start-up of the main window: prepares the window and its lists before it is
// first shown.
#include "app/frmMain.h"

#include "app/MakeLink.h"

#include <cmath>

namespace app {

namespace {

constexpr win::COLORREF backgroundColor = ui::RGB(0, 43, 17);

} // namespace

void frmMain::Form_Load() {
    // 6. The start-up sound sample takes the resting look of a link.
    MakeLink(*Label3, LinkSetUp, nullptr);

    // 14. Centre the window on the screen, colour it and its tabs, and give the
    // mouse back its arrow.
    ui::Screen& screen = windows_.screen();
    ui::Rect bounds = window_->bounds();
    bounds.left = static_cast<int>(std::lround((screen.width() - bounds.width) / 2.0));
    bounds.top = static_cast<int>(std::lround((screen.height() - bounds.height) / 2.0));
    window_->move(bounds);
    window_->setBackColor(backgroundColor);
    SSTab1->setBackColor(backgroundColor);
    screen.setMousePointer(ui::vbDefault);
}

} // namespace app
