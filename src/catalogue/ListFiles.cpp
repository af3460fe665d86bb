// Reading the catalogue list files.
//
// The files are read field by field the way the runtime's sequential Input
// statement reads them (rt::FieldReader): a comma or a line end closes a field,
// so a record may run over several lines and it is the field count that closes
// a record. Text layout accepted beyond the plain CR LF form:
//   - blanks (spaces, tabs) around an unquoted field are dropped;
//   - a field in double quotes keeps everything up to the closing quote, commas
//     and line ends included;
//   - empty and blank-only lines carry no field and are passed over;
//   - LF alone and CR alone end a line as CR LF does;
//   - the last line needs no line end.
// Fields are stored as they are spelled, blanks aside: a theme's row written
// " 04 " is stored as "04", not as the number 4.
#include "catalogue/ListFiles.h"

#include "runtime/Error.h"
#include "runtime/FieldReader.h"
#include "runtime/TextConv.h"

#include <utility>

namespace catalogue {
namespace {

constexpr IndexBounds schemeRows{0, 28};
constexpr IndexBounds slots{0, 28};
constexpr IndexBounds entries{0, 100};

void storeColor(Module1& m, const ListRecord& r) {
    m.themeColors(r.index[0], r.index[1], 1) = r.fields[2];
    m.themeColors(r.index[0], r.index[1], 2) = r.fields[3];
    m.themeColors(r.index[0], r.index[1], 3) = r.fields[4];
}
void storeCursor(Module1& m, const ListRecord& r) {
    m.themeCursors(r.index[0], r.index[1]) = r.fields[2];
}
void storeIcon(Module1& m, const ListRecord& r) {
    m.themeIcons(r.index[0], r.index[1]) = r.fields[2];
}
void storeAudio(Module1& m, const ListRecord& r) {
    m.themeAudio(r.index[0]) = r.fields[1];
}
void storeShortAudio(Module1& m, const ListRecord& r) {
    m.themeShortAudio(r.index[0]) = r.fields[1];
}
// The theme's record is kept whole; the preview and apply handlers split it
// again at its commas.
void storeTheme(Module1& m, const ListRecord& r) {
    m.themeList(r.index[0]) =
        r.fields[1] + "," + r.fields[2] + "," + r.fields[3] + "," + r.fields[4] + "," + r.fields[5];
}
void storeWallpaper(Module1& m, const ListRecord& r) {
    m.wallpaperList(r.index[0]) = r.fields[1];
}
void storeColorName(Module1& m, const ListRecord& r) {
    m.colorSchemeList(r.index[0]) = r.fields[2];
}
void storeScreenSaver(Module1& m, const ListRecord& r) {
    m.screenSaverList(r.index[0]) = r.fields[2];
}

} // namespace

// clang-format off
const std::array<ListFileFormat, 9> listFileFormats{{
    // kind                        file                fields indexes bounds                 list   item data store
    {ListFileKind::Colors,       "colors.txt",       5,     2,      {schemeRows, slots},   false, false,    storeColor},
    {ListFileKind::Cursors,      "cursors.txt",      3,     2,      {schemeRows, slots},   false, false,    storeCursor},
    {ListFileKind::Icons,        "icons.txt",        3,     2,      {schemeRows, slots},   false, false,    storeIcon},
    {ListFileKind::Audio,        "audio.txt",        2,     1,      {entries, {}},         false, false,    storeAudio},
    {ListFileKind::ShortAudio,   "shortAudio.txt",   2,     1,      {entries, {}},         false, false,    storeShortAudio},
    {ListFileKind::Themes,       "themes.txt",       6,     1,      {entries, {}},         true,  false,    storeTheme},
    {ListFileKind::Wallpapers,   "wallpapers.txt",   2,     1,      {entries, {}},         true,  false,    storeWallpaper},
    {ListFileKind::ColorNames,   "colorNames.txt",   3,     1,      {entries, {}},         true,  true,     storeColorName},
    {ListFileKind::ScreenSavers, "screenSavers.txt", 3,     1,      {entries, {}},         true,  true,     storeScreenSaver},
}};
// clang-format on

const ListFileFormat& listFileFormat(ListFileKind kind) {
    return listFileFormats.at(static_cast<std::size_t>(kind));
}

void ReadListFile(ListFileKind kind, rt::Runtime& runtime, Module1& module, ui::ComboBox* list) {
    const ListFileFormat& format = listFileFormat(kind);
    // 1. Open the file: the whole of it is read at once and nothing stays open.
    rt::FieldReader reader(runtime.readFile(module.programFolder + "\\" + format.fileName));
    ListRecord record;
    // 2. Record by record until the end of the file.
    while (!reader.atEnd()) {
        // 2.1 The record's fields in order; 62 when the file ends first.
        for (int f = 0; f < format.fieldCount; ++f)
            record.fields[f] = reader.readField();

        // 2.2 The list item, before the indexes are checked.
        if (format.fillsList && list != nullptr) {
            list->addItem(record.fields[1]);
            if (format.setsItemData)
                list->setItemData(list->listCount() - 1, rt::CLng(rt::Val(record.fields[0])));
        }

        // 2.3 Index fields to whole numbers (13, 6), then each against its bounds (9).
        for (int i = 0; i < format.indexCount; ++i)
            record.index[i] = rt::CLng(record.fields[i]);
        for (int i = 0; i < format.indexCount; ++i)
            if (record.index[i] < format.bounds[i].lower || record.index[i] > format.bounds[i].upper)
                throw rt::Error(rt::ErrSubscriptOutOfRange);

        // 2.4 Store.
        format.store(module, record);
    }
    // 3. Nothing to close.
}

} // namespace catalogue
