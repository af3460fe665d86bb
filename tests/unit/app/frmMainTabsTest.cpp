// Switching tabs: the tab's list selects its first entry again (the
// Mix - N - Match wallpaper list is rebuilt from the catalogue first), so that
// the tab's preview is current.
#include "support/ProgramFixture.h"

namespace {

using unit_test::ProgramFixture;

class TabsTest : public ProgramFixture {
protected:
    // The lists' own selection handlers stand aside: these tests watch the
    // selections the tab switch makes.
    std::map<std::string, std::vector<int>> selections;

    void SetUp() override {
        writeShippedFiles();
        load();
        for (ui::ComboBox* list : {form->Combo1, form->Combo2, form->Combo3, form->Combo4}) {
            list->onClick = [this, list] { selections[list->name()].push_back(list->listIndex()); };
            list->onChange = [] {};
        }
    }

    void fill(ui::ComboBox* list, std::initializer_list<const char*> items) {
        for (const char* item : items)
            list->addItem(item);
    }
};

TEST_F(TabsTest, MixNMatchRebuildsTheWallpapersFromEntryTwo) {
    const std::map<int, std::string> walls{{0, "Zero 800x600"}, {1, "One 800x600"},  {2, "Lake 1024x768"},
                                           {3, "Dune 800x600"}, {4, "Moss 800x600"}, {6, "Beyond the gap"}};
    for (const auto& [entry, text] : walls)
        module.wallpaperList(entry) = text;
    fill(form->Combo2, {"stale"});
    fill(form->Combo3, {"Brick", "Slate"});
    user<headless::ComboBox>(form->Combo3).userSelect(1);
    selections.clear();

    selectTab(1);
    EXPECT_EQ(user<headless::ComboBox>(form->Combo2).items(),
              (std::vector<std::string>{"Lake 1024x768", "Dune 800x600", "Moss 800x600"}));
    EXPECT_EQ(form->Combo2->listIndex(), 0);
    // Selected, focused, selected again; then the first colour scheme.
    EXPECT_EQ(selections["Combo2"], (std::vector<int>{0, 0}));
    EXPECT_EQ(selections["Combo3"], std::vector<int>{0});
    EXPECT_TRUE(form->Combo2->hasFocus());
    EXPECT_TRUE(form->Image2->visible());
    EXPECT_TRUE(form->Image3->visible());
    EXPECT_FALSE(form->Image7->visible());
}

TEST_F(TabsTest, WallpaperWalkStopsAtABlankEntryAndAtTheTablesEnd) {
    const struct {
        const char* name;
        std::map<int, std::string> entries;
        std::vector<std::string> expected;
    } rows[] = {
        {"entry 3 only blanks", {{2, "Lake 800x600"}, {3, "   "}, {4, "Moss 800x600"}}, {"Lake 800x600"}},
        {"entry 2 empty", {{3, "Lake 800x600"}}, {"", "Lake 800x600"}}, // entry 2 is added untested
        {"entries 2 and 3 empty", {{4, "Lake 800x600"}}, {""}},
    };
    for (const auto& row : rows) {
        module.wallpaperList.clear();
        for (const auto& [entry, text] : row.entries)
            module.wallpaperList(entry) = text;
        selectTab(1);
        EXPECT_EQ(user<headless::ComboBox>(form->Combo2).items(), row.expected) << row.name;
        EXPECT_EQ(form->Combo2->listIndex(), 0) << row.name;
        selectTab(3);
    }

    module.wallpaperList.clear();
    for (int entry = 0; entry <= 100; ++entry)
        module.wallpaperList(entry) = "Wall " + std::to_string(entry);
    selectTab(1);
    ASSERT_EQ(form->Combo2->listCount(), 99);
    EXPECT_EQ(form->Combo2->list(98), "Wall 100");
}

TEST_F(TabsTest, EmptyListsSelectNothing) {
    form->Combo1->clear();
    selectTab(2);
    EXPECT_EQ(form->Combo4->listIndex(), -1);
    EXPECT_TRUE(form->Combo4->hasFocus());
    selectTab(1); // one empty wallpaper item (entry 2 is empty); no colour schemes
    EXPECT_EQ(form->Combo3->listIndex(), -1);
    selectTab(0);
    EXPECT_EQ(form->Combo1->listIndex(), -1);
    EXPECT_TRUE(form->Combo1->hasFocus());
    EXPECT_TRUE(selections["Combo1"].empty());
    EXPECT_TRUE(selections["Combo3"].empty());
    EXPECT_TRUE(selections["Combo4"].empty());
}

} // namespace
