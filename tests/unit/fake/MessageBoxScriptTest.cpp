// Message boxes of the fake: answered from the script in order, OK once the
// script has run out, each recorded with the answer it got.
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

namespace {

TEST(FakeMessageBoxes, AnswersComeFromTheScriptThenOK) {
    fake::FakeWindows windows;
    windows.scriptAnswers({rt::vbCancel, rt::vbOK, rt::vbCancel});

    EXPECT_EQ(rt::vbCancel, windows.MsgBox("first", 273, "Decorama"));
    EXPECT_EQ(rt::vbOK, windows.MsgBox("second", 273, "Decorama"));
    EXPECT_EQ(rt::vbCancel, windows.MsgBox("third", 0, "Error"));
    EXPECT_EQ(rt::vbOK, windows.MsgBox("fourth", 0, "Decorama"));

    ASSERT_EQ(4u, windows.messageBoxes().size());
    const auto& third = windows.messageBoxes()[2];
    EXPECT_EQ("third", third.prompt);
    EXPECT_EQ(0, third.style);
    EXPECT_EQ("Error", third.title);
    EXPECT_EQ(rt::vbCancel, third.answer);
    EXPECT_EQ(rt::vbOK, windows.messageBoxes()[3].answer);
}

TEST(FakeMessageBoxes, ANewScriptReplacesWhatWasLeft) {
    fake::FakeWindows windows;
    windows.scriptAnswers({rt::vbCancel, rt::vbCancel});
    windows.MsgBox("one", 1, "Decorama");
    windows.scriptAnswers({rt::vbOK});
    EXPECT_EQ(rt::vbOK, windows.MsgBox("two", 1, "Decorama"));
    EXPECT_EQ(rt::vbOK, windows.MsgBox("three", 1, "Decorama"));
}

} // namespace
