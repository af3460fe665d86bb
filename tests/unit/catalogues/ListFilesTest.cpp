// The catalogue list files as start-up reads them: where each record lands, what
// the selection lists receive and when, and how a bad file ends the reading.
#include "app/common/ListFiles.h"

#include "fake/FakeWindows.h"
#include "headless/HeadlessWindowSystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using app::ListFileKind;
using app::Module1;
using Texts = std::vector<std::string>;

constexpr const char* folder = "C:\\Program Files\\Decorama";

// Non-empty entries of each of the nine tables, in start-up order (the order of
// ListFileKind).
std::vector<int> filledCounts(const Module1& m) {
    std::vector<int> counts(9, 0);
    for (int row = 0; row <= 28; ++row)
        for (int slot = 0; slot <= 28; ++slot) {
            for (int component = 1; component <= 3; ++component)
                counts[0] += !m.themeColors(row, slot, component).empty();
            counts[1] += !m.themeCursors(row, slot).empty();
            counts[2] += !m.themeIcons(row, slot).empty();
        }
    for (int i = 0; i <= 100; ++i) {
        counts[3] += !m.themeAudio(i).empty();
        counts[4] += !m.themeShortAudio(i).empty();
        counts[5] += !m.themeList(i).empty();
        counts[6] += !m.wallpaperList(i).empty();
        counts[7] += !m.colorSchemeList(i).empty();
        counts[8] += !m.screenSaverList(i).empty();
    }
    return counts;
}

// One start-up's worth of reading: the program in its folder on the fake drive,
// a list of the main window, and fresh tables.
class Reading {
public:
    Reading() {
        windows.setAppPath(folder);
        module.programFolder = folder;
    }

    void place(const std::string& name, const std::string& content) {
        windows.makeFile(std::string(folder) + "\\" + name, content);
    }
    void read(ListFileKind kind) { app::ReadListFile(kind, windows, module, &list); }
    // The error number thrown by reading, 0 when reading completes.
    int readError(ListFileKind kind) {
        try {
            read(kind);
        } catch (const rt::Error& e) {
            return e.number();
        }
        return 0;
    }
    Texts listed() const {
        Texts texts;
        for (int i = 0; i < list.listCount(); ++i)
            texts.push_back(list.list(i));
        return texts;
    }
    std::vector<int> itemData() const {
        std::vector<int> data;
        for (int i = 0; i < list.listCount(); ++i)
            data.push_back(list.itemData(i));
        return data;
    }

    fake::FakeWindows windows;
    headless::HeadlessWindowSystem windowSystem{windows, windows};
    std::unique_ptr<ui::Window> form =
        windowSystem.createWindow("Decorama", ui::Window::Style::Borderless, {0, 0, 9600, 7200});
    ui::ComboBox& list = form->addComboBox("Combo1", ui::ComboBox::Style::DropDown, {120, 120, 3000, 315});
    Module1 module;
};

class ListFilesTest : public ::testing::Test, protected Reading {};

// ---- each file and its table -------------------------------------------------

struct TargetCase {
    ListFileKind kind;
    std::string content;
    std::function<void(const Module1&)> check;
    Texts listed;
    std::vector<int> itemData;
    int filledTable; // position in filledCounts()
    int filled;
};

TEST_F(ListFilesTest, EachFileLandsInItsOwnTableAndList) {
    const std::vector<TargetCase> cases = {
        {ListFileKind::Colors,
         "2,5,255,128,0\r\n28,28,1,2,3\r\n",
         [](const Module1& m) {
             EXPECT_EQ(m.themeColors(2, 5, 1), "255");
             EXPECT_EQ(m.themeColors(2, 5, 2), "128");
             EXPECT_EQ(m.themeColors(2, 5, 3), "0");
             EXPECT_EQ(m.themeColors(28, 28, 3), "3");
         },
         {},
         {},
         0,
         6},
        {ListFileKind::Cursors,
         "1,0,busy.ani\r\n1,14,wait.ani\r\n",
         [](const Module1& m) {
             EXPECT_EQ(m.themeCursors(1, 0), "busy.ani");
             EXPECT_EQ(m.themeCursors(1, 14), "wait.ani");
         },
         {},
         {},
         1,
         2},
        {ListFileKind::Icons,
         "0,5,docs.ico\r\n",
         [](const Module1& m) { EXPECT_EQ(m.themeIcons(0, 5), "docs.ico"); },
         {},
         {},
         2,
         1},
        {ListFileKind::Audio,
         "100,ding.wav\r\n",
         [](const Module1& m) { EXPECT_EQ(m.themeAudio(100), "ding.wav"); },
         {},
         {},
         3,
         1},
        {ListFileKind::ShortAudio,
         "4,yes\r\n",
         [](const Module1& m) { EXPECT_EQ(m.themeShortAudio(4), "yes"); },
         {},
         {},
         4,
         1},
        {ListFileKind::Themes,
         "0,Dune 1024x768,d,dune.jpg,dune.bmp,7\r\n",
         [](const Module1& m) { EXPECT_EQ(m.themeList(0), "Dune 1024x768,d,dune.jpg,dune.bmp,7"); },
         {"Dune 1024x768"},
         {0},
         5,
         1},
        {ListFileKind::Wallpapers,
         "2,Sand 800x600\r\n3,Sea 1024x768\r\n",
         [](const Module1& m) {
             EXPECT_EQ(m.wallpaperList(2), "Sand 800x600");
             EXPECT_EQ(m.wallpaperList(3), "Sea 1024x768");
         },
         {"Sand 800x600", "Sea 1024x768"},
         {0, 0},
         6,
         2},
        {ListFileKind::ColorNames,
         "7,Lilac,lilacprev\r\n3,Moss,mossprev\r\n",
         [](const Module1& m) {
             EXPECT_EQ(m.colorSchemeList(7), "lilacprev");
             EXPECT_EQ(m.colorSchemeList(3), "mossprev");
         },
         {"Lilac", "Moss"},
         {7, 3},
         7,
         2},
        {ListFileKind::ScreenSavers,
         "0,Stars,stars.scr\r\n1,Pipes,pipes.scr\r\n",
         [](const Module1& m) {
             EXPECT_EQ(m.screenSaverList(0), "stars.scr");
             EXPECT_EQ(m.screenSaverList(1), "pipes.scr");
         },
         {"Stars", "Pipes"},
         {0, 1},
         8,
         2},
    };
    for (const TargetCase& c : cases) {
        const app::ListFileFormat& format = app::listFileFormat(c.kind);
        SCOPED_TRACE(format.fileName);
        Reading reading;
        reading.place(format.fileName, c.content);

        reading.read(c.kind);

        c.check(reading.module);
        std::vector<int> expected(9, 0);
        expected[c.filledTable] = c.filled;
        EXPECT_EQ(filledCounts(reading.module), expected) << "another table was written";
        EXPECT_EQ(reading.listed(), c.listed);
        EXPECT_EQ(reading.itemData(), c.itemData);
    }
}

TEST_F(ListFilesTest, FilesAreTakenFromTheProgramFolder) {
    module.programFolder = "C:\\Apps\\Deco";
    windows.makeFile("C:\\Apps\\Deco\\audio.txt", "1,right\r\n");
    place("audio.txt", "1,wrong\r\n");
    read(ListFileKind::Audio);
    EXPECT_EQ(module.themeAudio(1), "right");
}

TEST_F(ListFilesTest, NoListNeededForAListFillingFile) {
    place("screenSavers.txt", "4,Waves,waves.scr\r\n");
    app::ReadListFile(ListFileKind::ScreenSavers, windows, module, nullptr);
    EXPECT_EQ(module.screenSaverList(4), "waves.scr");
}

TEST_F(ListFilesTest, FilesWithoutAListLeaveAGivenListAlone) {
    place("icons.txt", "0,1,pc.ico\r\n");
    read(ListFileKind::Icons);
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(module.themeIcons(0, 1), "pc.ico");
}

// ---- record layouts ----------------------------------------------------------

TEST_F(ListFilesTest, ThemeRecordIsStoredJoinedWithoutBlanks) {
    place("themes.txt", "3, Ocean 800x600, x, ocean.jpg, ocean.bmp, 4\r\n");
    read(ListFileKind::Themes);
    EXPECT_EQ(module.themeList(3), "Ocean 800x600,x,ocean.jpg,ocean.bmp,4");
    EXPECT_EQ(listed(), Texts{"Ocean 800x600"});
}

TEST_F(ListFilesTest, NumbersStoredAsTextKeepTheirSpelling) {
    place("themes.txt", "0,Dune 800x600,x,d.jpg,d.bmp, 04 \r\n");
    place("colors.txt", "1,1,007,+5,1.50\r\n");
    read(ListFileKind::Themes);
    read(ListFileKind::Colors);
    EXPECT_EQ(module.themeList(0), "Dune 800x600,x,d.jpg,d.bmp,04");
    EXPECT_EQ(module.themeColors(1, 1, 1), "007");
    EXPECT_EQ(module.themeColors(1, 1, 2), "+5");
    EXPECT_EQ(module.themeColors(1, 1, 3), "1.50");
}

TEST_F(ListFilesTest, ColorsRecordMakesTheWindowColourOfItsRowWhite) {
    place("colors.txt", "2, 5, 255, 255, 255\r\n");
    read(ListFileKind::Colors);
    for (int component = 1; component <= 3; ++component)
        EXPECT_EQ(module.themeColors(2, 5, component), "255");
    EXPECT_EQ(filledCounts(module)[0], 3);
}

TEST_F(ListFilesTest, QuotedNameKeepsItsComma) {
    place("colorNames.txt", "5,\"Blue, dark\",bluedark\r\n");
    read(ListFileKind::ColorNames);
    EXPECT_EQ(listed(), Texts{"Blue, dark"});
    EXPECT_EQ(list.itemData(0), 5);
    EXPECT_EQ(module.colorSchemeList(5), "bluedark");
}

TEST_F(ListFilesTest, UnquotedCommaShiftsTheLaterFields) {
    // "dark" becomes the preview name and "bluedark" starts the next record,
    // whose index field is then "bluedark": a type mismatch.
    place("colorNames.txt", "5,Blue, dark,bluedark\r\n6,Green,green\r\n");
    EXPECT_EQ(readError(ListFileKind::ColorNames), rt::ErrTypeMismatch);
    EXPECT_EQ(module.colorSchemeList(5), "dark");
    EXPECT_EQ(listed(), (Texts{"Blue", "6"}));
    EXPECT_EQ(list.itemData(1), 0) << "the numeric value of a text that is no number is 0";
    EXPECT_TRUE(module.colorSchemeList(6).empty());
}

TEST_F(ListFilesTest, RecordSplitOverLinesReadsLikeOneLine) {
    const std::vector<std::pair<ListFileKind, std::string>> split = {
        {ListFileKind::Themes, "3, Ocean 800x600\r\n x, ocean.jpg\r\nocean.bmp\r\n4\r\n"},
        {ListFileKind::Colors, "2\r\n5\r\n255\r\n255\r\n255\r\n"},
        {ListFileKind::ColorNames, "5,\"Blue,\r\n dark\"\r\nbluedark"},
    };
    const std::vector<std::pair<ListFileKind, std::string>> oneLine = {
        {ListFileKind::Themes, "3, Ocean 800x600, x, ocean.jpg, ocean.bmp, 4\r\n"},
        {ListFileKind::Colors, "2, 5, 255, 255, 255\r\n"},
        {ListFileKind::ColorNames, "5,\"Blue,\r\n dark\",bluedark\r\n"},
    };
    for (std::size_t i = 0; i < split.size(); ++i) {
        const char* name = app::listFileFormat(split[i].first).fileName;
        SCOPED_TRACE(name);
        Reading a, b;
        a.place(name, split[i].second);
        b.place(name, oneLine[i].second);
        a.read(split[i].first);
        b.read(oneLine[i].first);
        EXPECT_EQ(filledCounts(a.module), filledCounts(b.module));
        EXPECT_EQ(a.listed(), b.listed());
    }
    place("themes.txt", split[0].second);
    read(ListFileKind::Themes);
    EXPECT_EQ(module.themeList(3), "Ocean 800x600,x,ocean.jpg,ocean.bmp,4");
}

// Line ends other than CR LF, blanks, empty lines and a missing last line end
// all read as the plain layout does.
TEST_F(ListFilesTest, TextLayoutVariantsReadAsThePlainLayout) {
    const std::string plain = "1,Sand 800x600,sand\r\n2,Sea 1024x768,sea\r\n";
    const std::vector<std::string> variants = {
        "1,Sand 800x600,sand\n2,Sea 1024x768,sea\n",
        "1,Sand 800x600,sand\r2,Sea 1024x768,sea\r",
        "1,Sand 800x600,sand\r\n2,Sea 1024x768,sea",
        "\r\n\r\n1,Sand 800x600,sand\r\n   \r\n\t\r\n2,Sea 1024x768,sea\r\n\r\n\r\n",
        "  1 ,\tSand 800x600  , sand\t\r\n 2,Sea 1024x768 ,sea  \r\n   ",
        "\"1\",\"Sand 800x600\",\"sand\"\r\n\"2\",\"Sea 1024x768\",\"sea\"\r\n",
        "1,Sand 800x600,sand,2,Sea 1024x768,sea",
    };
    for (const std::string& variant : variants) {
        SCOPED_TRACE(::testing::PrintToString(variant));
        Reading reading;
        reading.place("screenSavers.txt", variant);
        reading.read(ListFileKind::ScreenSavers);
        EXPECT_EQ(reading.listed(), (Texts{"Sand 800x600", "Sea 1024x768"}));
        EXPECT_EQ(reading.itemData(), (std::vector<int>{1, 2}));
        EXPECT_EQ(reading.module.screenSaverList(1), "sand");
        EXPECT_EQ(reading.module.screenSaverList(2), "sea");
        EXPECT_EQ(filledCounts(reading.module)[8], 2);
    }
    place("screenSavers.txt", plain);
    read(ListFileKind::ScreenSavers);
    EXPECT_EQ(module.screenSaverList(2), "sea");
}

// A comma at the very end opens a last, empty field, as it does before a line end.
TEST_F(ListFilesTest, LastFieldMayBeEmptyWithoutALineEnd) {
    place("shortAudio.txt", "4,yes\r\n5,");
    place("colors.txt", "0,1,1,2,");
    read(ListFileKind::ShortAudio);
    read(ListFileKind::Colors);
    EXPECT_EQ(module.themeShortAudio(4), "yes");
    EXPECT_TRUE(module.themeShortAudio(5).empty());
    EXPECT_EQ(module.themeColors(0, 1, 1), "1");
    EXPECT_EQ(module.themeColors(0, 1, 2), "2");
    EXPECT_TRUE(module.themeColors(0, 1, 3).empty());
}

TEST_F(ListFilesTest, EmptyFileYieldsNoRecords) {
    for (const std::string content : {"", "\r\n", "  \r\n\n\r\t"}) {
        for (const app::ListFileFormat& format : app::listFileFormats) {
            SCOPED_TRACE(format.fileName);
            place(format.fileName, content);
            read(format.kind);
        }
    }
    EXPECT_EQ(filledCounts(module), std::vector<int>(9, 0));
    EXPECT_EQ(list.listCount(), 0);
}

TEST_F(ListFilesTest, LaterRecordWithTheSameIndexWinsAndBothAreListed) {
    place("wallpapers.txt", "2,Sand 800x600\r\n2,Sea 1024x768\r\n");
    read(ListFileKind::Wallpapers);
    EXPECT_EQ(listed(), (Texts{"Sand 800x600", "Sea 1024x768"}));
    EXPECT_EQ(module.wallpaperList(2), "Sea 1024x768");
    EXPECT_EQ(filledCounts(module)[6], 1);
}

TEST_F(ListFilesTest, ItemDataGoesToTheNewItemAfterExistingOnes) {
    list.addItem("kept");
    list.setItemData(0, 42);
    place("colorNames.txt", "2.5,Half,half\r\n12,Twelve,twelve\r\n");
    read(ListFileKind::ColorNames);
    ASSERT_EQ(listed(), (Texts{"kept", "Half", "Twelve"}));
    EXPECT_EQ(list.itemData(0), 42);
    EXPECT_EQ(list.itemData(1), 2) << "2.5 rounds half to even";
    EXPECT_EQ(list.itemData(2), 12);
    EXPECT_EQ(module.colorSchemeList(2), "half");
}

// ---- failures ----------------------------------------------------------------

TEST_F(ListFilesTest, MissingFileIsFileNotFoundAndChangesNothing) {
    list.addItem("before");
    EXPECT_EQ(readError(ListFileKind::Themes), rt::ErrFileNotFound);
    EXPECT_EQ(listed(), Texts{"before"});
    EXPECT_EQ(filledCounts(module), std::vector<int>(9, 0));
}

TEST_F(ListFilesTest, OtherFileFailuresPassThroughUnchanged) {
    place("wallpapers.txt", "2,Sand 800x600\r\n");
    windows.failOn("readFile", 1, rt::ErrPermissionDenied);
    EXPECT_EQ(readError(ListFileKind::Wallpapers), rt::ErrPermissionDenied);
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_TRUE(module.wallpaperList(2).empty());
}

TEST_F(ListFilesTest, CursorSlot29IsOutOfRangeAfterEarlierRecordsAreKept) {
    place("cursors.txt", "0,0,a.ani\r\n0,28,b.cur\r\n0,29,c.cur\r\n0,1,d.cur\r\n");
    EXPECT_EQ(readError(ListFileKind::Cursors), rt::ErrSubscriptOutOfRange);
    EXPECT_EQ(module.themeCursors(0, 0), "a.ani");
    EXPECT_EQ(module.themeCursors(0, 28), "b.cur");
    EXPECT_TRUE(module.themeCursors(0, 1).empty()) << "reading stops at the failing record";
    EXPECT_EQ(filledCounts(module)[1], 2);
}

TEST_F(ListFilesTest, ThemeIndex101FailsWithItsNameAlreadyListed) {
    place("themes.txt", "0,Dune 800x600,x,d.jpg,d.bmp,1\r\n101,Late 800x600,x,l.jpg,l.bmp,2\r\n"
                        "1,Never 800x600,x,n.jpg,n.bmp,3\r\n");
    EXPECT_EQ(readError(ListFileKind::Themes), rt::ErrSubscriptOutOfRange);
    EXPECT_EQ(listed(), (Texts{"Dune 800x600", "Late 800x600"}));
    EXPECT_EQ(module.themeList(0), "Dune 800x600,x,d.jpg,d.bmp,1");
    EXPECT_EQ(filledCounts(module)[5], 1);
}

struct FailureCase {
    ListFileKind kind;
    std::string content;
    int error;
    int stored;   // records stored before the failure
    Texts listed; // list items, the failing record's included
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
        const app::ListFileFormat& format = app::listFileFormat(c.kind);
        SCOPED_TRACE(::testing::PrintToString(c.content));
        Reading reading;
        reading.place(format.fileName, c.content);
        EXPECT_EQ(reading.readError(c.kind), c.error);
        const int perRecord = c.kind == ListFileKind::Colors ? 3 : 1;
        EXPECT_EQ(filledCounts(reading.module)[static_cast<std::size_t>(c.kind)], c.stored * perRecord);
        EXPECT_EQ(reading.listed(), c.listed);
    }
}

TEST_F(ListFilesTest, ItemDataIsSetBeforeTheIndexIsChecked) {
    place("screenSavers.txt", "0,Stars,stars.scr\r\n101,Late,late.scr\r\n");
    EXPECT_EQ(readError(ListFileKind::ScreenSavers), rt::ErrSubscriptOutOfRange);
    ASSERT_EQ(list.listCount(), 2);
    EXPECT_EQ(list.itemData(1), 101);
}

} // namespace
