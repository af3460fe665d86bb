// The main window's own title strip (close, minimise and help pictures with
// their normal, hover and pressed looks) and the About box it opens.
#include "about/frmAbout.h"
#include "support/ProgramFixture.h"

#include <functional>

namespace {

using unit_test::ProgramFixture;

class TitleStripTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeShippedFiles();
        load();
    }
};

TEST_F(TitleStripTest, MissingOrUnreadablePicturesLeaveTheButtonsEmpty) {
    fake.remove(fake.appPath() + "\\ui\\close-hover.bmp");
    fake.makeFile(fake.appPath() + "\\ui\\close-normal.bmp", "not a picture");
    fake.remove(fake.appPath() + "\\ui\\logo.bmp");
    load();
    EXPECT_EQ(form->imgX1->picture(), nullptr);
    EXPECT_EQ(form->imgX3->picture(), nullptr);
    EXPECT_EQ(form->imgX0->picture(), nullptr);
    EXPECT_EQ(form->Image4->picture(), nullptr);
    EXPECT_EQ(shown(form->imgX4), "close-pressed.bmp");

    // The buttons still work with the pictures they have.
    picture(form->imgX0).userMouseDown();
    EXPECT_EQ(shown(form->imgX0), "close-pressed.bmp");
    picture(form->imgX0).userMouseMove();
    EXPECT_EQ(form->imgX0->picture(), nullptr);
}

TEST_F(TitleStripTest, ClosingTheAboutBoxUnloadsItAndTheNextOpeningLoadsItAnew) {
    const auto aboutWindows = [&] {
        std::vector<headless::Window*> found;
        for (headless::Window* open : windows->openWindows())
            if (open->caption() == "About Decorama")
                found.push_back(open);
        return found;
    };
    fake.answers = {rt::vbOK};
    picture(form->imgHelp0).userClick();
    about::frmAbout* first = form->aboutBox();
    ASSERT_NE(first, nullptr);
    const std::string text = first->RichTextBox1->text();
    user<headless::Label>(first->Label4).userClick(); // followed: purple
    ASSERT_NE(first->Label4->foreColor(), ui::RGB(0, 0, 255));

    user<headless::Button>(first->cmdOK).userClick();
    EXPECT_EQ(form->aboutBox(), nullptr);
    EXPECT_TRUE(aboutWindows().empty());

    picture(form->Image4).userClick();
    about::frmAbout* second = form->aboutBox();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->RichTextBox1->text(), text);
    EXPECT_EQ(second->Label4->foreColor(), ui::RGB(0, 0, 255));
    ASSERT_EQ(aboutWindows().size(), 1u);
    EXPECT_TRUE(aboutWindows()[0]->isActive());
}

} // namespace
