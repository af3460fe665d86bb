// What only the native window system has to get right on the real window
// manager; what it shares with the headless controls is held by the
// window-system suite, and the rest of the window by the end-to-end runs.
#include "NativeTestSupport.h"

namespace nativetest {
namespace {

using NativeWindowTest = NativeTest;

// The colour-scheme preview sits in the corner of the wallpaper preview and is
// made after it: it must show above it, not under it.
TEST_F(NativeWindowTest, APictureMadeLaterShowsAboveTheOneItSitsIn) {
    ui::PictureBox& wallpaper = window->addPictureBox("Image2", {120, 120, 1500, 1500});
    ui::PictureBox& corner = window->addPictureBox("Image3", {900, 900, 600, 600});
    POINT inside = {65, 65}; // in both, in the window's client pixels
    EXPECT_EQ(::ChildWindowFromPointEx(windowHwnd(), inside, CWP_SKIPINVISIBLE), hwndOf(corner));
    EXPECT_EQ(::GetWindow(hwndOf(corner), GW_HWNDNEXT), hwndOf(wallpaper));
}

} // namespace
} // namespace nativetest
