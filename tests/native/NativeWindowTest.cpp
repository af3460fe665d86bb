// What only the native window system has to get right, on the real window
// manager: where controls land in pixels, tab pages, the keyboard, label fonts
// and colours, the screen and the mouse pointer. What it shares with the
// headless controls is held by the window-system suite.
#include "NativeTestSupport.h"

#include <string>
#include <vector>

namespace nativetest {
namespace {

using NativeWindowTest = NativeTest;

// The top-left corner of a control's window relative to another window, in pixels.
POINT cornerIn(HWND control, HWND reference) {
    RECT rect;
    ::GetWindowRect(control, &rect);
    POINT corner = {rect.left, rect.top};
    ::ScreenToClient(reference, &corner);
    return corner;
}

TEST_F(NativeWindowTest, PagesCountFromTheTabControlsCornerAndShowWithTheirTab) {
    ui::TabControl& tabs = window->addTabControl("SSTab1", {"One", "Two"}, {120, 120, 7200, 4500});
    ui::Button& first = tabs.page(0).addButton("cmdFirst", "First", {240, 540, 1500, 375});
    ui::Frame& frame = tabs.page(1).addFrame("fraSecond", "Second", {240, 540, 3000, 1500});
    ui::Button& inFrame = frame.contents().addButton("cmdInFrame", "In frame", {120, 300, 1500, 375});
    int clicks = 0;
    tabs.onClick = [&] { ++clicks; };

    native::NativeScreen& screen = windows.screen();
    const POINT corner = cornerIn(hwndOf(first), hwndOf(tabs));
    EXPECT_EQ(corner.x, screen.xPixels(240));
    EXPECT_EQ(corner.y, screen.yPixels(540));
    const POINT nested = cornerIn(hwndOf(inFrame), hwndOf(tabs));
    EXPECT_EQ(nested.x, screen.xPixels(240) + screen.xPixels(120));
    EXPECT_EQ(nested.y, screen.yPixels(540) + screen.yPixels(300));

    EXPECT_EQ(tabs.tab(), 0);
    EXPECT_TRUE(::IsWindowVisible(hwndOf(first)));
    EXPECT_FALSE(::IsWindowVisible(hwndOf(inFrame)));
    // Hidden with its page, the control keeps its own setting.
    EXPECT_TRUE(inFrame.visible());

    tabs.setFocus();
    postKey(VK_RIGHT);
    runPosted();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(tabs.tab(), 1);
    EXPECT_FALSE(::IsWindowVisible(hwndOf(first)));
    EXPECT_TRUE(::IsWindowVisible(hwndOf(inFrame)));
}

TEST_F(NativeWindowTest, TabWalksTheShownControlsInTheOrderTheyWereAdded) {
    ui::Button& first = window->addButton("cmdFirst", "First", {120, 120, 1500, 375});
    ui::Frame& frame = window->addFrame("fraList", "List", {120, 600, 3000, 1800});
    ui::ComboBox& list =
        frame.contents().addComboBox("Combo1", ui::ComboBox::Style::Simple, {120, 300, 2700, 1300});
    ui::Button& hidden = window->addButton("cmdHidden", "Hidden", {3300, 120, 1500, 375});
    hidden.setVisible(false);
    ui::TabControl& tabs = window->addTabControl("SSTab1", {"One", "Two"}, {3300, 600, 4500, 3000});
    ui::Button& onPage = tabs.page(0).addButton("cmdOnPage", "On page", {240, 540, 1500, 375});
    tabs.page(1).addButton("cmdOtherPage", "Other page", {240, 540, 1500, 375});

    const std::vector<const ui::Control*> order = {&list, &tabs, &onPage, &first};
    first.setFocus();
    for (const ui::Control* expected : order) {
        postKey(VK_TAB);
        runPosted();
        EXPECT_TRUE(expected->hasFocus()) << "expected the focus on " << expected->name();
    }
}

TEST_F(NativeWindowTest, EnterClicksTheFocusedButtonAndAltClicksItsAccessKey) {
    std::vector<std::string> clicked;
    ui::Button& save = window->addButton("cmdSave", "&Save", {120, 120, 1500, 375});
    ui::Button& info = window->addButton("cmdSysInfo", "&System Info...", {1800, 120, 1500, 375});
    ui::Button& close = window->addButton("cmdClose", "Close", {3600, 120, 1500, 375});
    save.onClick = [&] { clicked.push_back("save"); };
    info.onClick = [&] { clicked.push_back("info"); };
    close.onClick = [&] { clicked.push_back("close"); };

    close.setFocus();
    postKey(VK_RETURN);
    runPosted();
    // Alt+S: the first button whose caption marks S.
    ::PostMessageA(::GetFocus(), WM_SYSCHAR, 's', 1 << 29);
    runPosted();
    EXPECT_EQ(clicked, (std::vector<std::string>{"close", "save"}));
}

TEST_F(NativeWindowTest, BoundsAreTheOuterRectangle) {
    const ui::Rect bounds{1500, 1200, 6000, 4500};
    window->move(bounds);
    RECT rect;
    ::GetWindowRect(windowHwnd(), &rect);
    native::NativeScreen& screen = windows.screen();
    EXPECT_EQ(rect.left, screen.xPixels(bounds.left));
    EXPECT_EQ(rect.right - rect.left, screen.xPixels(bounds.width));
    EXPECT_EQ(rect.bottom - rect.top, screen.yPixels(bounds.height));
}

TEST_F(NativeWindowTest, ScreenMeasuresInTwipsOfTheDisplaysResolution) {
    HDC display = ::GetDC(nullptr);
    const int dpiX = ::GetDeviceCaps(display, LOGPIXELSX);
    const int dpiY = ::GetDeviceCaps(display, LOGPIXELSY);
    ::ReleaseDC(nullptr, display);
    ui::Screen& screen = windows.screen();
    EXPECT_EQ(screen.twipsPerPixelX(), 1440 / dpiX);
    EXPECT_EQ(screen.twipsPerPixelY(), 1440 / dpiY);
    EXPECT_EQ(screen.width(), ::GetSystemMetrics(SM_CXSCREEN) * screen.twipsPerPixelX());
    EXPECT_EQ(screen.height(), ::GetSystemMetrics(SM_CYSCREEN) * screen.twipsPerPixelY());
}

TEST_F(NativeWindowTest, TheHourglassShowsOverEveryControlUntilTheDefaultReturns) {
    ui::Button& button = window->addButton("cmdApply", "Apply", {120, 120, 1500, 375});
    ui::RichTextBox& text = window->addRichTextBox("RichTextBox1", {120, 600, 3000, 1500});
    HCURSOR hourglass = ::LoadCursorA(nullptr, IDC_WAIT);
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

    windows.screen().setMousePointer(ui::vbHourglass);
    EXPECT_EQ(windows.screen().mousePointer(), ui::vbHourglass);
    for (HWND target : {windowHwnd(), hwndOf(button), hwndOf(text)}) {
        ::SetCursor(nullptr);
        EXPECT_TRUE(::SendMessageA(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), overClient));
        EXPECT_EQ(::GetCursor(), hourglass);
    }

    windows.screen().setMousePointer(ui::vbDefault);
    EXPECT_EQ(windows.screen().mousePointer(), ui::vbDefault);
    ::SetCursor(nullptr);
    ::SendMessageA(hwndOf(button), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwndOf(button)), overClient);
    EXPECT_NE(::GetCursor(), hourglass);
}

TEST_F(NativeWindowTest, KeysInTheEditLineReachTheKeyHandlerOnceEnterIncluded) {
    ui::ComboBox& combo = window->addComboBox("Combo1", ui::ComboBox::Style::Simple, {240, 240, 3000, 2400});
    std::vector<std::string> events;
    std::vector<int> keys;
    combo.onClick = [&] { events.push_back("click:" + combo.text()); };
    combo.onChange = [&] { events.push_back("change:" + combo.text()); };
    combo.onKeyDown = [&](int key) { keys.push_back(key); };
    int buttonClicks = 0;
    ui::Button& button = window->addButton("cmdApply", "Apply", {3600, 240, 1500, 375});
    button.onClick = [&buttonClicks] { ++buttonClicks; };
    combo.addItem("First");
    combo.addItem("Second");
    combo.setFocus();
    ASSERT_TRUE(combo.hasFocus());

    postKey(VK_RETURN);
    postKey('A');
    runPosted(); // the typed character too, before the next key
    // The edit line hands the arrow keys on to the list, which moves the selection.
    postKey(VK_DOWN);
    runPosted();

    EXPECT_EQ(keys, (std::vector<int>{VK_RETURN, 'A', VK_DOWN}));
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_EQ(combo.listIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"change:a", "click:First", "change:First"}));
}

TEST_F(NativeWindowTest, MouseMovesAreInTwipsAndAClickNeedsTheReleaseOnTheControl) {
    ui::PictureBox& box = window->addPictureBox("Image7", {120, 120, 1500, 1500});
    std::vector<std::string> events;
    box.onMouseDown = [&](const ui::MouseEvent& event) {
        events.push_back("down" + std::to_string(event.button));
    };
    box.onClick = [&] { events.push_back("click"); };
    box.onMouseMove = [&](const ui::MouseEvent& event) {
        events.push_back("move" + std::to_string(event.x) + "," + std::to_string(event.y));
    };
    HWND picture = hwndOf(box);

    ::SendMessageA(picture, WM_MOUSEMOVE, 0, MAKELPARAM(2, 3));
    ::SendMessageA(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(picture, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));

    native::NativeScreen& screen = windows.screen();
    const std::string move =
        "move" + std::to_string(screen.xTwips(2)) + "," + std::to_string(screen.yTwips(3));
    EXPECT_EQ(events, (std::vector<std::string>{move, "down1"}));
}

TEST_F(NativeWindowTest, APictureMadeLaterShowsAboveTheOneItSitsIn) {
    ui::PictureBox& wallpaper = window->addPictureBox("Image2", {120, 120, 1500, 1500});
    ui::PictureBox& corner = window->addPictureBox("Image3", {900, 900, 600, 600});
    POINT inside = {65, 65}; // in both, in the window's client pixels
    EXPECT_EQ(::ChildWindowFromPointEx(windowHwnd(), inside, CWP_SKIPINVISIBLE), hwndOf(corner));
    EXPECT_EQ(::GetWindow(hwndOf(corner), GW_HWNDNEXT), hwndOf(wallpaper));
}

TEST_F(NativeWindowTest, LabelsAreLegibleOnTheWindowAndDrawTheirUnderline) {
    window->setBackColor(RGB(0, 43, 17));
    ui::Label& label = window->addLabel("Label3", "Zuve Zivi Ziz Odida", {1800, 120, 3000, 255});
    // No colour of its own: legible on the dark window.
    EXPECT_EQ(label.foreColor(), RGB(255, 255, 255));

    label.setUnderline(true);
    LOGFONTA font = {};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(hwndOf(label), WM_GETFONT, 0, 0)), sizeof(font),
                 &font);
    EXPECT_TRUE(font.lfUnderline);
}

} // namespace
} // namespace nativetest
