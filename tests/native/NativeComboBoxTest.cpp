// Combo boxes on real Windows controls: the program's selections raise their
// events before returning, items keep their order, and the keys pressed in the
// edit line reach the key handler, Enter included.
#include "NativeTestSupport.h"

#include <string>
#include <vector>

namespace nativetest {
namespace {

class NativeComboBoxTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        combo = &window->addComboBox("Combo1", ui::ComboBox::Style::Simple, {240, 240, 3000, 2400});
        combo->onClick = [this] { events.push_back("click:" + combo->text()); };
        combo->onChange = [this] { events.push_back("change:" + combo->text()); };
        combo->onKeyDown = [this](int key) { keys.push_back(key); };
    }

    ui::ComboBox* combo = nullptr;
    std::vector<std::string> events;
    std::vector<int> keys;
};

TEST_F(NativeComboBoxTest, SelectionFromCodeRaisesItsEventsBeforeReturning) {
    combo->addItem("Alpha");
    combo->addItem("Beta");

    combo->setListIndex(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click:Beta", "change:Beta"}));
    EXPECT_EQ(combo->listIndex(), 1);

    // The same item again: a click, but the edit line does not change.
    events.clear();
    combo->setListIndex(1);
    EXPECT_EQ(events, (std::vector<std::string>{"click:Beta"}));

    events.clear();
    combo->setListIndex(-1);
    EXPECT_EQ(events, (std::vector<std::string>{"click:", "change:"}));
    EXPECT_EQ(combo->listIndex(), -1);
}

TEST_F(NativeComboBoxTest, ItemsStayInTheOrderTheyWereAdded) {
    for (const char* item : {"Zulu", "alpha", "Mike", "alpha"})
        combo->addItem(item);
    ASSERT_EQ(combo->listCount(), 4);
    EXPECT_EQ(combo->list(0), "Zulu");
    EXPECT_EQ(combo->list(1), "alpha");
    EXPECT_EQ(combo->list(2), "Mike");
    EXPECT_EQ(combo->list(3), "alpha");
    // Past either end: the empty text.
    EXPECT_EQ(combo->list(4), "");
    EXPECT_EQ(combo->list(-1), "");
}

TEST_F(NativeComboBoxTest, PositionsOutsideTheListFailWithoutEvents) {
    combo->addItem("Only");
    for (int index : {-2, 1, 5}) {
        try {
            combo->setListIndex(index);
            ADD_FAILURE() << "no error for index " << index;
        } catch (const rt::Error& error) {
            EXPECT_EQ(error.number(), 380) << index;
        }
    }
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(combo->listIndex(), -1);

    try {
        combo->itemData(1);
        ADD_FAILURE() << "no error reading item data past the end";
    } catch (const rt::Error& error) {
        EXPECT_EQ(error.number(), 381);
    }
}

TEST_F(NativeComboBoxTest, ItemDataKeepsWholeNumbersPerItem) {
    combo->addItem("First");
    combo->addItem("Second");
    combo->setItemData(0, -7);
    combo->setItemData(1, 2147483647);
    EXPECT_EQ(combo->itemData(0), -7);
    EXPECT_EQ(combo->itemData(1), 2147483647);
}

TEST_F(NativeComboBoxTest, ClearEmptiesTheListAndTheEditLine) {
    combo->addItem("First");
    combo->setListIndex(0);
    events.clear();
    combo->clear();
    EXPECT_EQ(combo->listCount(), 0);
    EXPECT_EQ(combo->listIndex(), -1);
    EXPECT_EQ(combo->text(), "");
}

TEST_F(NativeComboBoxTest, EditTextRaisesChangeOnlyWhenItChanges) {
    combo->setText("typed");
    combo->setText("typed");
    EXPECT_EQ(events, (std::vector<std::string>{"change:typed"}));
}

TEST_F(NativeComboBoxTest, KeysInTheEditLineReachTheKeyHandlerOnceEnterIncluded) {
    int buttonClicks = 0;
    ui::Button& button = window->addButton("cmdApply", "Apply", {3600, 240, 1500, 375});
    button.onClick = [&buttonClicks] { ++buttonClicks; };
    combo->addItem("First");
    combo->addItem("Second");
    combo->setFocus();
    ASSERT_TRUE(combo->hasFocus());

    postKey(VK_RETURN);
    postKey('A');
    runPosted(); // the typed character too, before the next key
    // The edit line hands the arrow keys on to the list, which moves the selection.
    postKey(VK_DOWN);
    runPosted();

    EXPECT_EQ(keys, (std::vector<int>{VK_RETURN, 'A', VK_DOWN}));
    EXPECT_EQ(buttonClicks, 0);
    EXPECT_EQ(combo->listIndex(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"change:a", "click:First", "change:First"}));
}

TEST_F(NativeComboBoxTest, DropDownKeepsTheBoundsItWasGiven) {
    const ui::Rect bounds{240, 2880, 900, 315};
    ui::ComboBox& dropDown = window->addComboBox("Combo5", ui::ComboBox::Style::DropDown, bounds);
    for (const char* minutes : {"1", "2", "3"})
        dropDown.addItem(minutes);
    dropDown.setListIndex(2);
    EXPECT_EQ(dropDown.text(), "3");
    const ui::Rect read = dropDown.bounds();
    EXPECT_EQ(read.left, bounds.left);
    EXPECT_EQ(read.top, bounds.top);
    EXPECT_EQ(read.width, bounds.width);
    EXPECT_EQ(read.height, bounds.height);
}

} // namespace
} // namespace nativetest
