// Layouts of well-formed list files that the readers must take as the plain
// one (every field quoted, CR LF after each record): blanks around fields,
// optional quotes, LF or CR alone, empty lines, records split over lines or run
// together, no last line end. The fuzz target (tests/fuzz) holds the readers to
// ending cleanly on any input; this table holds them to reading these right.
#include "app/common/ListFiles.h"

#include "unit/catalogues/MemoryRuntime.h"
#include "unit/catalogues/RecordingComboBox.h"
#include "unit/catalogues/Tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::ListFileFormat;
using app::ListFileKind;
using catalogues_test::RecordingComboBox;

constexpr const char* folder = "C:\\Decorama";

// Everything a reading leaves behind: the error, the list and every filled entry.
std::string read(const ListFileFormat& format, const std::string& text, RecordingComboBox& list) {
    catalogues_test::MemoryRuntime runtime;
    runtime.writeFile(std::string(folder) + "\\" + format.fileName, text);
    app::Module1 m;
    m.programFolder = folder;
    std::string out;
    try {
        app::ReadListFile(format.kind, runtime, m, &list);
    } catch (const rt::Error& e) {
        out += "error " + std::to_string(e.number()) + "\n";
    }
    for (const RecordingComboBox::Item& item : list.items())
        out += "item " + item.text + " " + std::to_string(item.data) + "\n";
    for (const std::string& entry : catalogues_test::filledEntries(m))
        out += entry + "\n";
    return out;
}

TEST(ListFileLayoutsTest, TrickyLayoutsReadAsThePlainOne) {
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
        const ListFileFormat& format = app::listFileFormat(row.kind);
        RecordingComboBox plainList, layoutList;
        const std::string plain = read(format, row.plain, plainList);
        EXPECT_EQ(std::string::npos, plain.find("error")) << plain;
        EXPECT_EQ(plain, read(format, row.layout, layoutList)) << ::testing::PrintToString(row.layout);
    }
}

} // namespace
