// The rich-text box on the real rich edit control: the text comes back as it was
// appended (line feeds, no carriage returns), searches run forward from a
// position, and bold covers exactly the selection.
#include "NativeTestSupport.h"

#include <algorithm>
#include <string>

namespace nativetest {
namespace {

class NativeRichTextBoxTest : public NativeTest {
protected:
    void SetUp() override {
        NativeTest::SetUp();
        box = &window->addRichTextBox("RichTextBox1", {240, 240, 7000, 3000});
        for (const char* piece :
             {"Themes Tab", "\n", "Select a Theme.", "\n\n", "     * USER NOTE: uses", "\n", "Utilities Tab"})
            box->append(piece);
    }

    const std::string expected = "Themes Tab\nSelect a Theme.\n\n     * USER NOTE: uses\nUtilities Tab";
    ui::RichTextBox* box = nullptr;
};

TEST_F(NativeRichTextBoxTest, TextComesBackAsAppendedWithLineFeeds) {
    EXPECT_EQ(box->text(), expected);
    EXPECT_EQ(box->text().find('\r'), std::string::npos);
}

TEST_F(NativeRichTextBoxTest, FindRunsForwardFromThePosition) {
    struct Case {
        const char* text;
        int start;
    };
    const Case cases[] = {{"Themes Tab", 0}, {"Tab", 0},    {"Tab", 7},  {"Tab", 8},    {"* USER NOTE:", 0},
                          {"themes tab", 0}, {"Tab", 1000}, {"Tab", -3}, {"missing", 0}};
    for (const Case& entry : cases) {
        const std::size_t from = static_cast<std::size_t>(std::max(entry.start, 0));
        const std::size_t found =
            from > expected.size() ? std::string::npos : expected.find(entry.text, from);
        const int want = found == std::string::npos ? -1 : static_cast<int>(found);
        EXPECT_EQ(box->find(entry.text, entry.start), want) << entry.text << " from " << entry.start;
    }
    EXPECT_EQ(box->find("", 0), -1);
}

TEST_F(NativeRichTextBoxTest, BoldCoversExactlyTheSelection) {
    const int note = box->find("* USER NOTE:", 0);
    ASSERT_GT(note, 0);
    box->setSelStart(note);
    box->setSelLength(12);
    EXPECT_EQ(box->selStart(), note);
    EXPECT_EQ(box->selLength(), 12);
    box->setSelBold(true);

    EXPECT_FALSE(box->isBold(note - 1));
    EXPECT_TRUE(box->isBold(note));
    EXPECT_TRUE(box->isBold(note + 11));
    EXPECT_FALSE(box->isBold(note + 12));
    // Reading a character's emphasis leaves the selection alone.
    EXPECT_EQ(box->selStart(), note);
    EXPECT_EQ(box->selLength(), 12);

    box->setSelStart(0);
    EXPECT_EQ(box->selLength(), 0);
    EXPECT_TRUE(box->isBold(note));
}

TEST_F(NativeRichTextBoxTest, SelectionStaysInsideTheText) {
    const int length = static_cast<int>(expected.size());
    box->setSelStart(-5);
    EXPECT_EQ(box->selStart(), 0);
    box->setSelStart(length - 3);
    box->setSelLength(1000);
    EXPECT_EQ(box->selLength(), 3);
    box->setSelStart(length + 10);
    EXPECT_EQ(box->selStart(), length);
    EXPECT_FALSE(box->isBold(length));
    EXPECT_FALSE(box->isBold(-1));
}

} // namespace
} // namespace nativetest
