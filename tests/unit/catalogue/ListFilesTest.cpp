// The catalogue list files as start-up reads them: where each record lands, what
// the selection lists receive and when, the layouts a record may take, and how
// a bad file ends the reading.
#include "catalogue/ListFiles.h"

#include "support/ErrorOf.h"
#include "support/ProgramFixture.h"
#include "support/Tables.h"

namespace {

using catalogue::ListFileKind;
using catalogues_test::filledEntries;
using Texts = std::vector<std::string>;

// Reading as start-up does it: the program in its folder on the fake drive and
// a list of a window.
class ListFilesTest : public unit_test::ProgramFixture {
protected:
    std::unique_ptr<ui::Window> window = windows->createWindow("Decorama", ui::Window::Style::Borderless, {});
    ui::ComboBox& list = window->addComboBox("Combo1", ui::ComboBox::Style::DropDown, {120, 120, 3000, 315});

    void read(ListFileKind kind) { catalogue::ReadListFile(kind, fake, module, &list); }
    int readError(ListFileKind kind) {
        return errorOf([&] { read(kind); });
    }
    Texts listed() { return items(&list); }
    // Fresh tables and list, with the file as given.
    void startOver(ListFileKind kind, const std::string& content) {
        module = catalogue::Module1();
        module.programFolder = folder;
        list.clear();
        write(catalogue::listFileFormat(kind).fileName, content);
    }
};

struct TargetCase {
    ListFileKind kind;
    std::string content;
    Texts entries;
    Texts listed = {};
    std::vector<int> itemData = {};
};

// Only the list-filling files touch the list.
TEST_F(ListFilesTest, EachFileLandsInItsOwnTableAndList) {
    const std::vector<TargetCase> cases = {
        {ListFileKind::Colors,
         "2,5,255,128,0\r\n28,28,1,2,3\r\n",
         {"colors(2,5,1)=255", "colors(2,5,2)=128", "colors(2,5,3)=0", "colors(28,28,1)=1",
          "colors(28,28,2)=2", "colors(28,28,3)=3"}},
        {ListFileKind::Cursors,
         "1,0,busy.ani\r\n1,14,wait.ani\r\n",
         {"cursors(1,0)=busy.ani", "cursors(1,14)=wait.ani"}},
        {ListFileKind::Icons, "0,5,docs.ico\r\n", {"icons(0,5)=docs.ico"}},
        {ListFileKind::Audio, "100,ding.wav\r\n", {"audio(100)=ding.wav"}},
        {ListFileKind::ShortAudio, "4,yes\r\n", {"shortAudio(4)=yes"}},
        {ListFileKind::Themes,
         "0,Dune 1024x768,d,dune.jpg,dune.bmp,7\r\n",
         {"themes(0)=Dune 1024x768,d,dune.jpg,dune.bmp,7"},
         {"Dune 1024x768"},
         {0}},
        {ListFileKind::Wallpapers,
         "2,Sand 800x600\r\n3,Sea 1024x768\r\n",
         {"wallpapers(2)=Sand 800x600", "wallpapers(3)=Sea 1024x768"},
         {"Sand 800x600", "Sea 1024x768"},
         {0, 0}},
        {ListFileKind::ColorNames,
         "7,Lilac,lilacprev\r\n3,Moss,mossprev\r\n",
         {"colorNames(3)=mossprev", "colorNames(7)=lilacprev"},
         {"Lilac", "Moss"},
         {7, 3}},
        {ListFileKind::ScreenSavers,
         "0,Stars,stars.scr\r\n1,Pipes,pipes.scr\r\n",
         {"screenSavers(0)=stars.scr", "screenSavers(1)=pipes.scr"},
         {"Stars", "Pipes"},
         {0, 1}},
    };
    for (const TargetCase& c : cases) {
        SCOPED_TRACE(catalogue::listFileFormat(c.kind).fileName);
        startOver(c.kind, c.content);
        read(c.kind);
        EXPECT_EQ(filledEntries(module), c.entries);
        EXPECT_EQ(listed(), c.listed);
        EXPECT_EQ(itemData(&list), c.itemData);
        // A list-filling file needs no list.
        startOver(c.kind, c.content);
        catalogue::ReadListFile(c.kind, fake, module, nullptr);
        EXPECT_EQ(filledEntries(module), c.entries);
    }
}

TEST_F(ListFilesTest, UnquotedCommaShiftsTheLaterFields) {
    // "dark" becomes the preview name and "bluedark" starts the next record,
    // whose index field is then "bluedark": a type mismatch.
    write("colorNames.txt", "5,Blue, dark,bluedark\r\n6,Green,green\r\n");
    EXPECT_EQ(readError(ListFileKind::ColorNames), rt::ErrTypeMismatch);
    EXPECT_EQ(module.colorSchemeList(5), "dark");
    EXPECT_EQ(listed(), (Texts{"Blue", "6"}));
    EXPECT_EQ(list.itemData(1), 0) << "the numeric value of a text that is no number is 0";
    EXPECT_TRUE(module.colorSchemeList(6).empty());
}

// Layouts the reader must take as the plain one (every field quoted, CR LF after
// each record): blanks around fields, optional quotes, LF or CR alone, empty
// lines, records split over lines or run together, no last line end. The fuzz
// target holds the reader to ending cleanly on any input; this, to reading these
// right.
TEST_F(ListFilesTest, TrickyLayoutsReadAsThePlainOne) {
    const struct {
        ListFileKind kind;
        const char* plain;
        const char* layout;
    } rows[] = {
        {ListFileKind::ColorNames, "\"1\",\"Blue\",\"sky\"\r\n\"2\",\"Red\",\"sea\"\r\n",
         " 1 ,\tBlue , sky\r\n2,Red,sea"},
        {ListFileKind::ColorNames, "\"1\",\"Blue\",\"sky\"\r\n\"2\",\"Red\",\"sea\"\r\n",
         "\r\n \r\n1,Blue,sky\n\n2,\"Red\",sea\r"},
        {ListFileKind::ColorNames, "\"1\",\"Blue\",\"sky\"\r\n\"2\",\"Red\",\"sea\"\r\n",
         "1,Blue,sky,2\rRed\r\nsea\n"},
        {ListFileKind::ColorNames, "\"1\",\"Blue, dark\",\"a\r\nb\"\r\n", "1 , \"Blue, dark\" ,\"a\r\nb\""},
        {ListFileKind::ColorNames, "\"3\",\" pad\t\",\"\"\r\n\"4\",ab\"c,\"\"\r\n",
         "3,\" pad\t\",\"\"\r\n4,ab\"c ,"},
        {ListFileKind::Colors, "\"0\",\"5\",\"1\",\"2\",\"3\"\r\n\"1\",\"8\",\"255\",\"0\",\"9\"\r\n",
         "0,5\n1,2,3,1,8\r\n255,0,9\r\n\r\n"},
        {ListFileKind::Themes, "\"0\",\"Sea 800x600\",\"a,b\",\"p.jpg\",\"w.bmp\",\"2\"\r\n",
         "0, Sea 800x600 ,\"a,b\"\rp.jpg,w.bmp,2"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.layout));
        startOver(row.kind, row.plain);
        read(row.kind);
        const Texts plainEntries = filledEntries(module), plainListed = listed();
        const std::vector<std::int32_t> plainData = itemData(&list);
        EXPECT_FALSE(plainListed.empty() && plainEntries.empty());
        startOver(row.kind, row.layout);
        EXPECT_EQ(readError(row.kind), 0);
        EXPECT_EQ(filledEntries(module), plainEntries);
        EXPECT_EQ(listed(), plainListed);
        EXPECT_EQ(itemData(&list), plainData);
    }
}

// The item data is set before the index is checked: a record past the table keeps its.
TEST_F(ListFilesTest, ItemDataGoesToTheNewItemAfterExistingOnes) {
    list.addItem("kept");
    list.setItemData(0, 42);
    write("colorNames.txt", "2.5,Half,half\r\n12,Twelve,twelve\r\n101,Late,late\r\n");
    EXPECT_EQ(readError(ListFileKind::ColorNames), rt::ErrSubscriptOutOfRange);
    ASSERT_EQ(listed(), (Texts{"kept", "Half", "Twelve", "Late"}));
    EXPECT_EQ(itemData(&list), (std::vector<std::int32_t>{42, 2, 12, 101})) << "2.5 rounds half to even";
    EXPECT_EQ(module.colorSchemeList(2), "half");
}

struct FailureCase {
    ListFileKind kind;
    std::string content;
    int error;
    std::size_t stored; // records stored before the failure
    Texts listed;       // list items, the failing record's included
};

TEST_F(ListFilesTest, BadRecordsEndReadingWithTheirError) {
    const std::vector<FailureCase> cases = {
        // Index not a number, empty, or not whole-number text.
        {ListFileKind::Audio, "1,a\r\nx,b\r\n", rt::ErrTypeMismatch, 1, {}},
        {ListFileKind::Audio, "1,a\r\n,b\r\n", rt::ErrTypeMismatch, 1, {}},
        {ListFileKind::Audio, "1,a\r\n4x,b\r\n", rt::ErrTypeMismatch, 1, {}},
        {ListFileKind::Wallpapers, "2,Sand\r\nthree,Sea\r\n", rt::ErrTypeMismatch, 1, {"Sand", "Sea"}},
        // Each index of a two-index record is checked; both are converted
        // before either is checked against its bounds.
        {ListFileKind::Colors, "0,x,1,2,3\r\n", rt::ErrTypeMismatch, 0, {}},
        {ListFileKind::Colors, "29,x,1,2,3\r\n", rt::ErrTypeMismatch, 0, {}},
        {ListFileKind::Colors, "0,29,1,2,3\r\n", rt::ErrSubscriptOutOfRange, 0, {}},
        {ListFileKind::Icons, "-1,0,a.ico\r\n", rt::ErrSubscriptOutOfRange, 0, {}},
        {ListFileKind::Icons, "28.6,0,a.ico\r\n", rt::ErrSubscriptOutOfRange, 0, {}},
        {ListFileKind::ShortAudio, "100,y\r\n101,y\r\n", rt::ErrSubscriptOutOfRange, 1, {}},
        // Reading stops at the failing record; a list already holds its name.
        {ListFileKind::Cursors,
         "0,0,a.ani\r\n0,28,b.cur\r\n0,29,c.cur\r\n0,1,d.cur\r\n",
         rt::ErrSubscriptOutOfRange,
         2,
         {}},
        {ListFileKind::Themes,
         "0,Dune,x,d.jpg,d.bmp,1\r\n101,Late,x,l.jpg,l.bmp,2\r\n1,Never,x,n.jpg,n.bmp,3\r\n",
         rt::ErrSubscriptOutOfRange,
         1,
         {"Dune", "Late"}},
        // Too big for a whole number: overflow, from the index or the item data.
        {ListFileKind::Audio, "99999999999,a\r\n", rt::ErrOverflow, 0, {}},
        {ListFileKind::ScreenSavers,
         "1,One,one.scr\r\n1e12,Big,big.scr\r\n",
         rt::ErrOverflow,
         1,
         {"One", "Big"}},
        // The file ends inside a record: nothing of it is listed or stored.
        {ListFileKind::Themes,
         "0,Dune,x,d.jpg,d.bmp,1\r\n1,Sea,x,s.jpg\r\n",
         rt::ErrInputPastEndOfFile,
         1,
         {"Dune"}},
        {ListFileKind::Colors, "0,0,1,2,3\r\n0,1,1,2", rt::ErrInputPastEndOfFile, 1, {}},
        {ListFileKind::ColorNames, "1,\"Open quote,one\r\n", rt::ErrInputPastEndOfFile, 0, {}},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.content));
        startOver(c.kind, c.content);
        EXPECT_EQ(readError(c.kind), c.error);
        const std::size_t perRecord = c.kind == ListFileKind::Colors ? 3 : 1;
        EXPECT_EQ(filledEntries(module).size(), c.stored * perRecord);
        EXPECT_EQ(listed(), c.listed);
    }
}

} // namespace
