// The headless window system's user actions and what only it keeps: who has the
// focus, what a user can reach, the one active window. What it shares with the
// native window system is held by the window-system suite (tests/native).
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

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

    headless::ComboBox& addList(const std::string& name) {
        return headless::as<headless::ComboBox>(
            window->addComboBox(name, ui::ComboBox::Style::Simple, {0, 0, 2000, 2000}));
    }
};

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

} // namespace
