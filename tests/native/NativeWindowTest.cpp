// What only the native window system has to get right on the real window
// manager; what it shares with the headless controls is held by the
// window-system suite, and the rest of the window by the end-to-end runs.
#include "NativeTestSupport.h"

#include "platform/native/NativePicture.h"
#include "platform/ui/Canvas.h"
#include "themedialogs/ThemeFileQuestions.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

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

TEST_F(NativeWindowTest, AltWithAnAccessKeyTogglesACheckBoxAndTabPassesADisabledOne) {
    ui::CheckBox& colours = window->addCheckBox("colors", "&Colours", {240, 240, 3000, 285});
    ui::CheckBox& sounds = window->addCheckBox("sounds", "&Sound events", {240, 600, 3000, 285});
    ui::Button& ok = window->addButton("cmdOK", "OK", {240, 960, 1125, 375});
    sounds.setEnabled(false);
    int clicks = 0;
    colours.onClick = [&] { ++clicks; };
    ::PostMessageA(windowHwnd(), WM_SYSCHAR, 'c', 0);
    runPosted();
    EXPECT_TRUE(colours.value());
    EXPECT_EQ(clicks, 1);
    ASSERT_TRUE(colours.hasFocus());
    postKey(VK_TAB);
    runPosted();
    EXPECT_TRUE(ok.hasFocus());
}

TEST_F(NativeWindowTest, AModalDialogTakesTheInputFromItsOwnerUntilItCloses) {
    const auto dialog = windows.createDialog("Details", {1200, 1200, 4500, 3000}, *window);
    ui::Button& close = dialog->addButton("cmdClose", "&Close", {240, 240, 1125, 375});
    dialog->setCancelButton(close);
    BOOL ownerEnabled = TRUE;
    close.onClick = [&] {
        ownerEnabled = ::IsWindowEnabled(windowHwnd());
        dialog->close();
    };
    ::PostMessageA(reinterpret_cast<HWND>(dialog->handle()), WM_KEYDOWN, VK_ESCAPE, 1);
    dialog->showModal();
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(::IsWindowEnabled(windowHwnd()));
}

// Drawn with GDI into memory: what the canvas was asked for is in the pixels.
TEST_F(NativeWindowTest, TheCanvasPutsWhatItDrawsIntoThePicturesPixels) {
    const auto canvas = windows.createCanvas(120, 64);
    canvas->fill({0, 0, 120, 64}, RGB(255, 255, 255));
    canvas->gradient({0, 0, 101, 4}, RGB(0, 0, 0), RGB(200, 100, 0));
    canvas->edge({0, 10, 20, 10}, RGB(255, 0, 0), RGB(0, 0, 255));
    win::LOGFONTA font{};
    font.lfHeight = -16;
    font.lfWeight = 700;
    std::strcpy(font.lfFaceName, "Tahoma");
    canvas->text({30, 10, 40, 20}, "WWW", font, RGB(0, 0, 0), ui::TextAlign::left);
    canvas->icon({80, 10, 32, 32}, "shell32.dll", 15);
    canvas->icon({80, 44, 16, 16}, "C:\\no such folder\\x.ico", 0);
    const auto picture = std::dynamic_pointer_cast<const native::NativePicture>(canvas->finish());
    ASSERT_NE(picture, nullptr);
    const struct {
        int x, y;
        COLORREF color;
    } pixels[] = {{0, 0, RGB(0, 0, 0)},        {100, 0, RGB(200, 100, 0)}, {50, 0, RGB(100, 50, 0)},
                  {0, 10, RGB(255, 0, 0)},     {19, 19, RGB(0, 0, 255)},   {10, 15, RGB(255, 255, 255)},
                  {101, 0, RGB(255, 255, 255)}};
    for (const auto& p : pixels)
        EXPECT_EQ(picture->pixel(p.x, p.y), p.color) << p.x << "," << p.y;
    const auto count = [&](int left, int top, int size) {
        int changed = 0;
        for (int y = top; y < top + size; ++y)
            for (int x = left; x < left + size; ++x)
                changed += picture->pixel(x, y) != RGB(255, 255, 255);
        return changed;
    };
    EXPECT_GT(count(30, 10, 20), 20); // the text
    EXPECT_GT(count(80, 10, 32), 50); // My Computer's icon
    EXPECT_EQ(count(80, 44, 16), 0);  // no file, no icon
}

// What a user sees of the save dialog: the choice each drop-down list shows (the
// file type among them) and the file name box.
struct SaveDialogView {
    std::vector<std::string> choices;
    HWND nameBox = nullptr;
};

BOOL CALLBACK readSaveDialog(HWND child, LPARAM view) {
    SaveDialogView& seen = *reinterpret_cast<SaveDialogView*>(view);
    char name[32] = {}, text[256] = {};
    ::GetClassNameA(child, name, sizeof name);
    const LRESULT current = ::SendMessageA(child, CB_GETCURSEL, 0, 0);
    if (lstrcmpiA(name, "Edit") == 0 && seen.nameBox == nullptr)
        seen.nameBox = child;
    if (lstrcmpiA(name, "ComboBox") == 0 && current >= 0 &&
        ::SendMessageA(child, CB_GETLBTEXTLEN, current, 0) < LRESULT(sizeof text)) {
        ::SendMessageA(child, CB_GETLBTEXT, current, reinterpret_cast<LPARAM>(text));
        seen.choices.push_back(text);
    }
    return TRUE;
}

// A user types a name without an extension into the real save dialog of the
// Themes tab and presses Enter, from another thread while the dialog runs its
// own message loop. The name and the key go to the file name box itself: Wine
// may leave no window in front after the tests before, and keys from the
// keyboard would go nowhere.
TEST_F(NativeWindowTest, TheSaveDialogShowsTheThemeFilterAndAddsTheExtensionToABareName) {
    const std::string themeFiles = "Theme files (*.theme;*.the;*.thm)";
    SaveDialogView seen;
    std::thread user([&seen, &themeFiles] {
        HWND dialog = nullptr;
        for (int tries = 0; tries < 400 && dialog == nullptr; ++tries) {
            ::Sleep(50);
            dialog = ::FindWindowA("#32770", "Save current settings");
        }
        // Until the dialog shows the theme files' type.
        for (int tries = 0; dialog != nullptr && tries < 300; ++tries) {
            seen = SaveDialogView{};
            ::EnumChildWindows(dialog, &readSaveDialog, reinterpret_cast<LPARAM>(&seen));
            if (seen.nameBox != nullptr &&
                std::count(seen.choices.begin(), seen.choices.end(), themeFiles) != 0)
                break;
            ::Sleep(50);
        }
        if (seen.nameBox == nullptr)
            return;
        ::SendMessageA(seen.nameBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("mine"));
        ::PostMessageA(seen.nameBox, WM_KEYDOWN, VK_RETURN, 1);
    });
    const std::optional<std::string> chosen = themedialogs::askThemeFileToSave(windows, *window, "");
    user.join();
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->substr(chosen->rfind('\\') + 1), "mine.theme");
    EXPECT_EQ(std::count(seen.choices.begin(), seen.choices.end(), themeFiles), 1);
}

} // namespace
} // namespace nativetest
