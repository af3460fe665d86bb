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

// What is waiting is handled before the call returns; a quit waits on for the
// message loop that it ends.
TEST_F(NativeWindowTest, PendingMessagesAreHandledAndAQuitIsLeftForTheLoop) {
    ui::Button& button = window->addButton("Command1", "Go", {120, 120, 1500, 375});
    int clicks = 0;
    button.onClick = [&clicks] { ++clicks; };
    ::PostMessageA(hwndOf(button), BM_CLICK, 0, 0);
    windows.processPendingMessages();
    EXPECT_EQ(clicks, 1);

    windows.quit();
    windows.processPendingMessages();
    MSG message;
    EXPECT_TRUE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
} // namespace nativetest
