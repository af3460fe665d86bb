// The generated program folder: every file the catalogues name is there and
// loads as what it claims to be, and the catalogue files hold together the way
// the theme, Mix-N-Match and screen-saver tabs read them.
#include "catalogue/ListFiles.h"
#include "contract/SampleFolder.h"
#include "platform/ui/PictureDecoder.h"
#include "runtime/Error.h"
#include "runtime/FieldReader.h"
#include "runtime/TextConv.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Record = std::vector<std::string>;

long number(const std::string& text) {
    return !text.empty() && text.size() < 10 && text.find_first_not_of("0123456789") == std::string::npos
               ? std::stol(text)
               : -1;
}

class SampleCollection : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder.empty()) << "build the sample_collection target or set DECORAMA_SAMPLE_DIR";
        for (const catalogue::ListFileFormat& file : catalogue::listFileFormats) {
            rt::FieldReader reader(sample_test::fileBytes(folder / file.fileName));
            auto& list = catalogues[file.fileName];
            while (!reader.atEnd()) {
                Record record;
                for (int i = 0; i < file.fieldCount; ++i)
                    record.push_back(reader.readField());
                list.push_back(record);
            }
        }
    }
    const std::vector<Record>& records(const std::string& name) const { return catalogues.at(name); }
    std::string bytesOf(std::string name) const {
        std::replace(name.begin(), name.end(), '\\', '/');
        return sample_test::fileBytes(folder / name);
    }

    fs::path folder = sample_test::sampleFolder();
    std::map<std::string, std::vector<Record>> catalogues;
};

TEST_F(SampleCollection, EveryFileTheCataloguesNameIsThereAndLoads) {
    std::set<std::string> names = {
        "wvleft.bmp",    "wvline.gif",   "wvlogo.gif",    "Zuve Zivi ziz Odida.wav",
        "ui\\sound.bmp", "ui\\logo.bmp", "ui\\about.bmp", "logo.sys",
        "2000logo.sys"};
    for (const Record& t : records("themes.txt"))
        names.insert({t[3], t[4]});
    for (const Record& w : records("wallpapers.txt"))
        names.insert(w[1] + ".bmp");
    for (const Record& c : records("colorNames.txt"))
        names.insert(c[2] + ".bmp");
    for (const Record& c : records("cursors.txt")) {
        names.insert(c[2]);
        // The live AppStarting and Wait cursors load a still companion.
        if (c[1] == "0" || c[1] == "14")
            names.insert(c[2].substr(0, c[2].size() - 4) + " Static.cur");
    }
    for (const Record& i : records("icons.txt"))
        names.insert(i[2]);
    for (const Record& s : records("screenSavers.txt"))
        names.insert(s[1] + ".jpg");
    for (const std::string& name : names) {
        const std::string bytes = bytesOf(name);
        ASSERT_GT(bytes.size(), 22u) << "missing: " << name;
        if (rt::EndsWith(name, ".cur") || rt::EndsWith(name, ".ico"))
            EXPECT_EQ(std::string("\0\0", 2) + (rt::EndsWith(name, ".ico") ? '\1' : '\2'), bytes.substr(0, 3))
                << name;
        else if (rt::EndsWith(name, ".ani") || rt::EndsWith(name, ".wav"))
            EXPECT_EQ(rt::EndsWith(name, ".ani") ? "ACON" : "WAVE", bytes.substr(8, 4)) << name;
        else
            EXPECT_NO_THROW(ui::decodePicture(bytes)) << name;
    }
}

TEST_F(SampleCollection, CataloguesPointAtEachOthersRows) {
    std::map<long, std::multiset<long>> colourRows;
    for (const Record& r : records("colors.txt"))
        colourRows[number(r[0])].insert(number(r[1]));
    std::multiset<long> all29;
    for (long i = 0; i <= 28; ++i)
        all29.insert(i);
    for (const auto& [row, indexes] : colourRows)
        EXPECT_EQ(all29, indexes) << "colour row " << row;

    // The theme and screen-saver lists find a record by its list position; the
    // Mix-N-Match wallpaper list runs from index 2 up to the first gap.
    std::set<long> rowsInUse;
    const auto& themes = records("themes.txt");
    for (std::size_t i = 0; i < themes.size(); ++i) {
        EXPECT_EQ(static_cast<long>(i), number(themes[i][0]));
        EXPECT_EQ(1u, colourRows.count(number(themes[i][5]))) << themes[i][1];
        rowsInUse.insert(number(themes[i][5]));
    }
    const auto& wallpapers = records("wallpapers.txt");
    for (std::size_t i = 0; i < wallpapers.size(); ++i)
        EXPECT_EQ(static_cast<long>(i + 2), number(wallpapers[i][0]));
    const auto& savers = records("screenSavers.txt");
    for (std::size_t i = 0; i < savers.size(); ++i)
        EXPECT_EQ(static_cast<long>(i), number(savers[i][0]));
    const auto& schemes = records("colorNames.txt");
    for (std::size_t i = 0; i < schemes.size(); ++i) {
        EXPECT_EQ(1u, colourRows.count(number(schemes[i][0]))) << schemes[i][1];
        rowsInUse.insert({number(schemes[i][0]), static_cast<long>(i)});
    }

    // A theme takes the cursors and icons of its colour row, a scheme those of
    // its list position: each such row needs a whole set.
    for (long row : rowsInUse) {
        std::set<long> cursorSlots, iconSlots;
        for (const Record& r : records("cursors.txt"))
            if (number(r[0]) == row && number(r[1]) >= 0 && number(r[1]) <= 14)
                cursorSlots.insert(number(r[1]));
        for (const Record& r : records("icons.txt"))
            if (number(r[0]) == row && number(r[1]) >= 0 && number(r[1]) <= 5)
                iconSlots.insert(number(r[1]));
        EXPECT_EQ(15u, cursorSlots.size()) << "row " << row;
        EXPECT_EQ(6u, iconSlots.size()) << "row " << row;
    }
}

} // namespace
