// An error that escapes an event handler: the headless window system shows it
// as the native one does, and the program goes on with the next event.
#include "runtime/Error.h"
#include "fake/FakeWindows.h"
#include "headless/Find.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

TEST(UnhandledError, IsShownAsACriticalStopBoxAndTheNextEventRuns) {
    fake::FakeWindows fake;
    headless::HeadlessWindowSystem windows{fake, fake};
    auto window = windows.createWindow("Test", ui::Window::Style::Borderless, {0, 0, 6000, 4000});
    auto& button = headless::as<headless::Button>(window->addButton("Command1", "Go", {0, 0, 1200, 375}));
    auto& list = headless::as<headless::ComboBox>(
        window->addComboBox("Combo1", ui::ComboBox::Style::Simple, {0, 600, 1200, 1200}));
    list.addItem("one");
    window->show();

    int clicks = 0;
    button.onClick = [&] {
        ++clicks;
        throw rt::Error(rt::ErrFileNotFound);
    };
    // A selection made from code inside a handler raises its own events; an
    // error there is shown and the outer handler goes on.
    bool outerFinished = false;
    list.onClick = [] { throw std::runtime_error("broken"); };
    list.onKeyDown = [&](int) {
        list.setListIndex(0);
        outerFinished = true;
    };

    button.userClick();
    button.userClick();
    list.setFocus();
    list.userPressKey(13);

    EXPECT_EQ(2, clicks);
    EXPECT_TRUE(outerFinished);
    ASSERT_EQ(3u, fake.messageBoxes().size());
    EXPECT_EQ("Run-time error '53':\n\nFile not found", fake.messageBoxes()[0].prompt);
    EXPECT_EQ(16, fake.messageBoxes()[0].style);
    EXPECT_EQ("Decorama", fake.messageBoxes()[0].title);
    EXPECT_EQ("Run-time error:\n\nbroken", fake.messageBoxes()[2].prompt);
}

} // namespace
