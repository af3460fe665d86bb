// The catalogue list files: nine comma-separated text files in the program's
// folder that name everything the program offers, and the one routine that reads
// any of them into its catalogue table of Module1 and, for four of them, into a
// selection list.
//
// Each file is described by one row of listFileFormats (name, fields per record,
// index fields and their bounds, where the record is stored, which list it
// fills); the reading routine follows the row and knows no file by name.
#pragma once

#include "catalogue/Module1.h"
#include "platform/Runtime.h"
#include "platform/ui/WindowSystem.h"

#include <array>
#include <string>

namespace catalogue {

// The nine files, in the order start-up reads them.
enum class ListFileKind {
    Colors,
    Cursors,
    Icons,
    Audio,
    ShortAudio,
    Themes,
    Wallpapers,
    ColorNames,
    ScreenSavers,
};

// Inclusive bounds of one index field.
struct IndexBounds {
    int lower = 0;
    int upper = 0;
};

// One record as read: its fields f1.. (fields[0] is f1) and its index fields
// converted to whole numbers (index[0] is the first index field).
struct ListRecord {
    static constexpr int maxFields = 6;
    static constexpr int maxIndexes = 2;
    std::array<std::string, maxFields> fields;
    std::array<int, maxIndexes> index{};
};

struct ListFileFormat {
    ListFileKind kind;
    const char* fileName;
    int fieldCount;
    // The first indexCount fields are index fields, checked against bounds in order.
    int indexCount;
    std::array<IndexBounds, ListRecord::maxIndexes> bounds;
    // f2 of every record is added to the list handed to ReadListFile.
    bool fillsList;
    // The new list item's item data is the numeric value of f1.
    bool setsItemData;
    // Writes a record whose indexes passed their bounds into its table.
    void (*store)(Module1& module, const ListRecord& record);
};

// One row per file, in start-up order (the order of ListFileKind).
extern const std::array<ListFileFormat, 9> listFileFormats;

const ListFileFormat& listFileFormat(ListFileKind kind);

// Reads module.programFolder & "\" & the file's name into its table. For each
// record, in this order: all of its fields are read; for a list-filling file f2
// is added at the end of list (null for no list) and, where the row says so, the
// new item's item data is set to the numeric value of f1; the index fields are
// all converted to whole numbers, then checked against their bounds, first index
// first (as a table subscript is evaluated before the entry is looked up); the
// record is stored. A record whose index fails is therefore already in the list.
//
// No error is handled here; the caller's trap decides. Throws rt::Error
//   53 when the file is missing (from the runtime; start-up counts it as empty),
//   62 when the file ends inside a record,
//   13 when an index field is not a number,
//    6 when an index field or the item data does not fit a 32-bit whole number,
//    9 when an index is outside its table.
// Records stored before a failing record stay stored.
void ReadListFile(ListFileKind kind, rt::Runtime& runtime, Module1& module, ui::ComboBox* list);

} // namespace catalogue
