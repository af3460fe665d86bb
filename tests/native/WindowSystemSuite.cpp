// One suite over both window systems: what the program does to its controls
// from code, and the events a user's clicks raise, must come out the same on the
// native controls (under Wine) and on the headless ones the logic tests use.
#include "WindowSystemBackends.h"

#include "support/ErrorOf.h"
#include "runtime/Error.h"
#include "platform/ui/PictureDecoder.h"
#include "support/Bytes.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace windowsystemtest {
namespace {

template <class Backend> class WindowSystemSuite : public ::testing::Test {
protected:
    void SetUp() override {
        window =
            backend.windows.createWindow("Suite", ui::Window::Style::FixedDialog, {600, 600, 9000, 6750});
        window->show();
    }

    ui::ComboBox& addList(ui::ComboBox::Style style = ui::ComboBox::Style::Simple) {
        ui::ComboBox& list = window->addComboBox("Combo1", style, {240, 240, 3000, 2400});
        list.onClick = [this, &list] { events.push_back("click " + list.text()); };
        list.onChange = [this, &list] { events.push_back("change " + list.text()); };
        return list;
    }

    Backend backend;
    std::unique_ptr<ui::Window> window;
    std::vector<std::string> events;
};

TYPED_TEST_SUITE(WindowSystemSuite, WindowSystemBackends);

TYPED_TEST(WindowSystemSuite, SelectionFromCodeRaisesClickThenChangeBeforeReturning) {
    ui::ComboBox& list = this->addList();
    list.addItem("Autumn");
    list.addItem("Winter");

    list.setListIndex(1);
    EXPECT_EQ(this->events, (std::vector<std::string>{"click Winter", "change Winter"}));
    EXPECT_EQ(list.listIndex(), 1);

    // The same item again: a click, but the edit line does not change.
    this->events.clear();
    list.setListIndex(1);
    EXPECT_EQ(this->events, (std::vector<std::string>{"click Winter"}));

    this->events.clear();
    list.setListIndex(-1);
    EXPECT_EQ(this->events, (std::vector<std::string>{"click ", "change "}));
    EXPECT_EQ(list.listIndex(), -1);

    this->events.clear();
    list.setText("typed");
    list.setText("typed");
    EXPECT_EQ(this->events, (std::vector<std::string>{"change typed"}));
}

TYPED_TEST(WindowSystemSuite, ListItemsKeepTheirOrderAndDataAndPositionsOutsideFail) {
    ui::ComboBox& list = this->addList();
    for (const char* item : {"Zulu", "alpha", "Mike", "alpha"})
        list.addItem(item);
    list.setItemData(0, -7);
    list.setItemData(3, 2147483647);
    ASSERT_EQ(list.listCount(), 4);
    std::vector<std::string> items;
    for (int index : {1, 2, 3, 4, -1})
        items.push_back(list.list(index));
    EXPECT_EQ(items, (std::vector<std::string>{"alpha", "Mike", "alpha", "", ""}));
    EXPECT_EQ(list.itemData(0), -7);
    EXPECT_EQ(list.itemData(3), 2147483647);

    list.setListIndex(0);
    this->events.clear();
    for (int index : {-2, 4, 9})
        EXPECT_EQ(errorOf([&] { list.setListIndex(index); }), 380) << index;
    EXPECT_EQ(errorOf([&] { list.itemData(4); }), 381);
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_TRUE(this->events.empty());

    // Emptying the list drops the selection and the edit text, silently.
    list.clear();
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.text(), "");
    EXPECT_TRUE(this->events.empty());
}

TYPED_TEST(WindowSystemSuite, BoldCoversExactlyTheSelectionAndTheSelectionStaysInTheText) {
    ui::RichTextBox& box = this->window->addRichTextBox("RichTextBox1", {240, 240, 7000, 3000});
    for (const char* piece :
         {"Themes Tab", "\n", "Select a Theme.", "\n\n", "     * USER NOTE: uses", "\n", "Utilities Tab"})
        box.append(piece);
    const int note = box.find("* USER NOTE:", 0);
    ASSERT_GT(note, 0);
    box.setSelStart(note);
    box.setSelLength(12);
    box.setSelBold(true);
    EXPECT_FALSE(box.isBold(note - 1));
    EXPECT_TRUE(box.isBold(note));
    EXPECT_TRUE(box.isBold(note + 11));
    EXPECT_FALSE(box.isBold(note + 12));
    // Reading a character's emphasis leaves the selection alone.
    EXPECT_EQ(box.selStart(), note);
    EXPECT_EQ(box.selLength(), 12);
    box.setSelStart(0);
    EXPECT_EQ(box.selLength(), 0);

    const int length = static_cast<int>(
        std::string("Themes Tab\nSelect a Theme.\n\n     * USER NOTE: uses\nUtilities Tab").size());
    box.setSelStart(-5);
    EXPECT_EQ(box.selStart(), 0);
    box.setSelStart(length - 3);
    box.setSelLength(1000);
    EXPECT_EQ(box.selLength(), 3);
    box.setSelStart(length + 10);
    EXPECT_EQ(box.selStart(), length);
    EXPECT_FALSE(box.isBold(length));
    EXPECT_FALSE(box.isBold(-1));
}

TYPED_TEST(WindowSystemSuite, AFailedPictureLoadKeepsThePicture) {
    const std::string folder = this->backend.folder();
    this->backend.putFile(folder + "\\good.bmp", bytes::bmp(3, 2));
    this->backend.putFile(folder + "\\broken.bmp", "BM this is no picture");
    ui::PictureBox& box = this->window->addPictureBox("Image7", {120, 120, 1500, 1500});

    box.loadPicture(folder + "\\good.bmp");
    const ui::PicturePtr loaded = box.picture();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->widthPixels(), 3);
    EXPECT_EQ(loaded->heightPixels(), 2);
    EXPECT_EQ(errorOf([&] { box.loadPicture(folder + "\\missing.bmp"); }), rt::ErrFileNotFound);
    EXPECT_EQ(box.picture(), loaded);
    EXPECT_EQ(errorOf([&] { box.loadPicture(folder + "\\broken.bmp"); }), ui::ErrInvalidPicture);
    EXPECT_EQ(box.picture(), loaded);
    // The empty path clears it.
    box.loadPicture("");
    EXPECT_EQ(box.picture(), nullptr);
}

TYPED_TEST(WindowSystemSuite, AHandlerMayCloseTheWindowItRunsIn) {
    ui::Button& close = this->window->addButton("cmdOK", "Close", {120, 120, 1500, 375});
    ui::Label& label = this->window->addLabel("lblTitle", "Title", {120, 600, 1500, 255});
    ui::ComboBox& list = this->addList();
    int closedEvents = 0;
    this->window->onClosed = [&] { ++closedEvents; };
    close.onClick = [this] { this->window->close(); };

    this->backend.click(close);

    EXPECT_FALSE(this->window->isShown());
    EXPECT_EQ(this->window->handle(), 0u);
    EXPECT_EQ(closedEvents, 0); // closing from code tells nobody
    // The controls stay usable objects.
    label.setCaption("After");
    EXPECT_EQ(label.caption(), "After");
    EXPECT_EQ(list.listCount(), 0);
}

TYPED_TEST(WindowSystemSuite, ACheckBoxTogglesForTheUserAndRaisesNothingWhenSetFromCode) {
    ui::CheckBox& box = this->window->addCheckBox("colors", "&Colours", {240, 240, 3000, 285});
    box.onClick = [&] { this->events.push_back(box.value() ? "on" : "off"); };
    box.setValue(true);
    EXPECT_TRUE(box.value());
    this->backend.click(box);
    this->backend.click(box);
    EXPECT_EQ(this->events, (std::vector<std::string>{"off", "on"}));
}

TYPED_TEST(WindowSystemSuite, EnterAndEscapeInAModalDialogClickItsDefaultAndCancelButtons) {
    for (const auto& [key, clicked] : {std::pair{DialogKey::enter, "OK"}, {DialogKey::escape, "Cancel"}}) {
        const auto dialog =
            this->backend.windows.createDialog("Settings", {1200, 1200, 4500, 3000}, *this->window);
        dialog->addCheckBox("colors", "&Colours", {240, 240, 3000, 285});
        for (const char* caption : {"OK", "Cancel"}) {
            const int left = std::string(caption) == "OK" ? 240 : 1500;
            ui::Button& button = dialog->addButton(caption, caption, {left, 900, 1125, 375});
            button.onClick = [&, caption] {
                this->events.push_back(caption);
                dialog->close();
            };
            (std::string(caption) == "OK" ? dialog->setDefaultButton(button)
                                          : dialog->setCancelButton(button));
        }
        this->events.clear();
        this->backend.pressInModal(*dialog, key);
        EXPECT_EQ(this->events, std::vector<std::string>{clicked});
        EXPECT_FALSE(dialog->isShown());
    }
}

} // namespace
} // namespace windowsystemtest
