// The headless window system holds the state the native one holds and raises
// events in the order Windows raises them, so that handler tests mean something.
#include "runtime/Error.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"
#include "platform/ui/PictureDecoder.h"
#include "unit/headless/TestPictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using headless::find;

class HeadlessControlsTest : public ::testing::Test {
protected:
    fake::FakeWindows fake;
    headless::HeadlessWindowSystem windows{fake, fake};
    std::unique_ptr<ui::Window> window =
        windows.createWindow("Test", ui::Window::Style::Borderless, {0, 0, 6000, 4000});
    std::vector<std::string> events;

    headless::ComboBox& addList(const std::string& name) {
        auto& list = headless::as<headless::ComboBox>(
            window->addComboBox(name, ui::ComboBox::Style::Simple, {0, 0, 2000, 2000}));
        list.onClick = [this, &list] {
            events.push_back("click " + std::to_string(list.listIndex()) + " " + list.text());
        };
        list.onChange = [this, &list] { events.push_back("change " + list.text()); };
        return list;
    }

    int rtErrorOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const rt::Error& error) {
            return error.number();
        }
        return 0;
    }
};

TEST_F(HeadlessControlsTest, SelectionFromCodeRaisesClickThenChangeBeforeReturning) {
    headless::ComboBox& list = addList("List");
    list.addItem("Autumn");
    list.addItem("Winter");

    list.setListIndex(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1 Winter", "change Winter"}));

    // The same position again: the selection event runs again, the text is unchanged.
    events.clear();
    list.setListIndex(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click 1 Winter"}));

    events.clear();
    list.setListIndex(-1);
    EXPECT_EQ(events, (std::vector<std::string>{"click -1 ", "change "}));
}

TEST_F(HeadlessControlsTest, PositionsOutsideTheListFailAsTheRuntimeDoes) {
    headless::ComboBox& list = addList("List");
    list.addItem("Autumn");
    list.setListIndex(0);
    events.clear();

    EXPECT_EQ(rtErrorOf([&] { list.setListIndex(1); }), 380);
    EXPECT_EQ(rtErrorOf([&] { list.setListIndex(-2); }), 380);
    EXPECT_EQ(rtErrorOf([&] { list.itemData(1); }), 381);
    EXPECT_EQ(list.list(1), "");
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_TRUE(events.empty());

    // Emptying the list drops the selection and the edit text, silently.
    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_TRUE(events.empty());
}

TEST_F(HeadlessControlsTest, UserSelectionFocusesTheListAndKeysNeedTheFocus) {
    headless::ComboBox& first = addList("First");
    headless::ComboBox& second = addList("Second");
    first.addItem("a");
    second.addItem("b");
    std::vector<int> keys;
    second.onKeyDown = [&keys](int keyCode) { keys.push_back(keyCode); };

    first.userSelect(0);
    EXPECT_TRUE(first.hasFocus());
    EXPECT_THROW(second.userPressKey(13), std::logic_error);

    second.userSelect(0);
    EXPECT_TRUE(second.hasFocus());
    EXPECT_FALSE(first.hasFocus());
    EXPECT_EQ(windows.focusedControl(), &second);
    second.userPressKey(13);
    EXPECT_EQ(keys, std::vector<int>{13});
    EXPECT_THROW(second.userSelect(1), std::out_of_range);
}

TEST_F(HeadlessControlsTest, PictureClickIsMouseDownThenClick) {
    auto& picture = headless::as<headless::PictureBox>(window->addPictureBox("Picture", {0, 0, 300, 300}));
    picture.onMouseDown = [this](const ui::MouseEvent& event) {
        events.push_back("down " + std::to_string(event.button));
    };
    picture.onClick = [this] { events.push_back("click"); };
    picture.onMouseMove = [this](const ui::MouseEvent& event) {
        events.push_back("move " + std::to_string(event.x) + "," + std::to_string(event.y));
    };

    picture.userMouseMove(15, 30);
    picture.userMouseDown(ui::RightButton);
    picture.userClick();
    EXPECT_EQ(events, (std::vector<std::string>{"move 15,30", "down 2", "down 1", "click"}));
}

TEST_F(HeadlessControlsTest, HiddenControlsAndClosedWindowsAreOutOfTheUsersReach) {
    ui::Frame& frame = window->addFrame("Frame", "Frame", {0, 0, 3000, 3000});
    auto& label =
        headless::as<headless::Label>(frame.contents().addLabel("Label", "text", {120, 240, 900, 255}));
    int clicks = 0;
    label.onClick = [&clicks] { ++clicks; };

    label.userClick();
    frame.setVisible(false);
    EXPECT_THROW(label.userClick(), std::logic_error);
    frame.setVisible(true);
    label.setVisible(false);
    EXPECT_THROW(label.userClick(), std::logic_error);
    label.setVisible(true);
    window->close();
    EXPECT_THROW(label.userClick(), std::logic_error);
    EXPECT_EQ(clicks, 1);
}

TEST_F(HeadlessControlsTest, PictureLoadingReadsThroughTheRuntimeAndKeepsThePictureOnFailure) {
    const std::string folder = fake.appPath();
    fake.makeFile(folder + "\\good.bmp", headless_test::bmpBytes(18, 12));
    fake.makeFile(folder + "\\bad.bmp", "not a picture");
    ui::PictureBox& picture = window->addPictureBox("Picture", {0, 0, 300, 300});

    picture.loadPicture(folder + "\\good.bmp");
    ASSERT_NE(picture.picture(), nullptr);
    EXPECT_EQ(picture.picture()->widthPixels(), 18);
    EXPECT_EQ(picture.picture()->heightPixels(), 12);
    const ui::PicturePtr loaded = picture.picture();

    EXPECT_EQ(rtErrorOf([&] { picture.loadPicture(folder + "\\missing.bmp"); }), rt::ErrFileNotFound);
    EXPECT_EQ(picture.picture(), loaded);
    EXPECT_EQ(rtErrorOf([&] { picture.loadPicture(folder + "\\bad.bmp"); }), ui::ErrInvalidPicture);
    EXPECT_EQ(picture.picture(), loaded);

    picture.loadPicture("");
    EXPECT_EQ(picture.picture(), nullptr);
}

TEST_F(HeadlessControlsTest, TabClickComesAfterTheTabChanged) {
    auto& tabs = headless::as<headless::TabControl>(
        window->addTabControl("Tabs", {"One", "Two", "Three"}, {0, 0, 5000, 3000}));
    tabs.page(2).addLabel("OnPageThree", "x", {120, 480, 600, 255});
    std::vector<int> seen;
    tabs.onClick = [&seen, &tabs] { seen.push_back(tabs.tab()); };

    tabs.userSelectTab(2);
    tabs.userSelectTab(2); // the tab already in front: no click
    tabs.userSelectTab(0);
    EXPECT_EQ(seen, (std::vector<int>{2, 0}));
    EXPECT_TRUE(tabs.hasFocus());
    EXPECT_EQ(tabs.tabCaption(1), "Two");
    EXPECT_NO_THROW(find<ui::Label>(*window, "OnPageThree"));
}

TEST_F(HeadlessControlsTest, OneFocusAndOneActiveWindowForTheWholeSystem) {
    std::unique_ptr<ui::Window> other = windows.createWindow("Other", ui::Window::Style::FixedDialog, {});
    ui::Button& here = window->addButton("Here", "Here", {0, 0, 900, 375});
    ui::Button& there = other->addButton("There", "There", {0, 0, 900, 375});

    window->show();
    other->show();
    EXPECT_TRUE(other->isActive());
    EXPECT_FALSE(window->isActive());

    here.setFocus();
    there.setFocus();
    EXPECT_FALSE(here.hasFocus());
    EXPECT_TRUE(there.hasFocus());

    // Closing the window that holds the focus and the activation releases both.
    other->close();
    EXPECT_EQ(windows.focusedControl(), nullptr);
    EXPECT_EQ(windows.activeWindow(), nullptr);
    EXPECT_EQ(windows.openWindows(), std::vector<headless::Window*>{&headless::as(*window)});
    EXPECT_THROW(other->show(), std::logic_error);

    window->minimize();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(window->isActive());
    headless::as(*window).userActivate();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isActive());
}

TEST_F(HeadlessControlsTest, ControlsAreFoundByNameAndKind) {
    ui::Frame& frame = window->addFrame("Frame", "Frame", {0, 0, 3000, 3000});
    frame.contents().addButton("Nested", "Go", {120, 240, 900, 375});

    EXPECT_EQ(find<headless::Button>(*window, "Nested").caption(), "Go");
    EXPECT_THROW(find<headless::Label>(*window, "Nested"), std::logic_error);
    EXPECT_THROW(find<headless::Button>(*window, "Missing"), std::logic_error);
    EXPECT_THROW(window->addLabel("Nested", "again", {}), std::logic_error);
}

TEST_F(HeadlessControlsTest, RichTextSearchSelectionAndEmphasis) {
    auto& box = headless::as<headless::RichTextBox>(window->addRichTextBox("Box", {0, 0, 4000, 2000}));
    box.append("Tab one\nTab two\n");

    EXPECT_EQ(box.find("Tab", 0), 0);
    EXPECT_EQ(box.find("Tab", 1), 8);
    EXPECT_EQ(box.find("tab", 0), -1);
    EXPECT_EQ(box.find("Tab", 100), -1);

    box.setSelStart(8);
    box.setSelLength(100); // clamped to the text's end
    EXPECT_EQ(box.selectedText(), "Tab two\n");
    box.setSelLength(3);
    box.setSelBold(true);
    EXPECT_FALSE(box.isBold(7));
    EXPECT_TRUE(box.isBold(8));
    EXPECT_TRUE(box.isBold(10));
    EXPECT_FALSE(box.isBold(11));

    box.setSelStart(2);
    EXPECT_EQ(box.selLength(), 0);
}

TEST_F(HeadlessControlsTest, MessageBoxesAndScreen) {
    fake.scriptAnswers({rt::vbCancel});
    EXPECT_EQ(windows.MsgBox("Question?", rt::vbOKCancel, "Decorama"), rt::vbCancel);
    ASSERT_EQ(fake.messageBoxes().size(), 1u);
    EXPECT_EQ(fake.messageBoxes()[0].prompt, "Question?");
    EXPECT_EQ(fake.messageBoxes()[0].style, rt::vbOKCancel);

    headless::HeadlessWindowSystem small(fake, fake, 640, 480);
    EXPECT_EQ(small.screen().width(), 640 * 15);
    EXPECT_EQ(small.screen().height(), 480 * 15);
    small.screen().setMousePointer(ui::vbHourglass);
    small.screen().setMousePointer(ui::vbDefault);
    EXPECT_EQ(small.screen().mousePointerHistory(), (std::vector<int>{ui::vbHourglass, ui::vbDefault}));
}

} // namespace
