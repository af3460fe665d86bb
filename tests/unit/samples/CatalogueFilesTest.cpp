// The committed catalogue list files, as the program finds them in its folder:
// line ends, whole records, index fields and the ties between the files that the
// theme, Mix-N-Match and screen-saver tabs rely on.
#include "SampleFolder.h"

#include "app/common/ListFiles.h"

#include <algorithm>
#include <set>

namespace samples {
namespace {

class CatalogueFiles : public SampleCollection {
protected:
    // Scheme rows with the colour indexes colors.txt gives them.
    std::map<long, std::multiset<long>> colourIndexesByRow() const {
        std::map<long, std::multiset<long>> rows;
        for (const Record& r : records("colors.txt"))
            rows[wholeNumber(r[0])].insert(wholeNumber(r[1]));
        return rows;
    }
    // Slot -> file of one row of cursors.txt or icons.txt.
    std::map<long, std::string> slotsOf(const std::string& catalogue, long row) const {
        std::map<long, std::string> slots;
        for (const Record& r : records(catalogue))
            if (wholeNumber(r[0]) == row)
                slots[wholeNumber(r[1])] = r[2];
        return slots;
    }
};

TEST_F(CatalogueFiles, EveryFileHasCrlfLinesOfOneWholeRecordEach) {
    for (const app::ListFileFormat& file : app::listFileFormats) {
        SCOPED_TRACE(file.fileName);
        const std::string text = readBytes(folder / file.fileName);
        ASSERT_FALSE(text.empty());
        std::size_t lines = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at byte " << i;
                ++lines;
            } else if (text[i] == '\r') {
                EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n')
                    << "bare carriage return at byte " << i;
            }
        }
        EXPECT_TRUE(endsWith(text, "\r\n")) << "the last line has no line end";
        // One record per line: the field count, not the line, delimits a record, so
        // a stray comma would shift every later record without this check.
        EXPECT_EQ(lines, records(file.fileName).size());
    }
}

TEST_F(CatalogueFiles, IndexFieldsAreWholeNumbersInTheirBounds) {
    struct IndexRule {
        const char* file;
        std::size_t field;
        long lower, upper;
    };
    // Slots beyond 14 (cursors) and 5 (icons) exist in the tables, but nothing reads them.
    const IndexRule rules[] = {
        {"colors.txt", 0, 0, 28},      {"colors.txt", 1, 0, 28},     {"cursors.txt", 0, 0, 28},
        {"cursors.txt", 1, 0, 14},     {"icons.txt", 0, 0, 28},      {"icons.txt", 1, 0, 5},
        {"audio.txt", 0, 0, 100},      {"shortAudio.txt", 0, 0, 28}, {"themes.txt", 0, 0, 100},
        {"wallpapers.txt", 0, 0, 100}, {"colorNames.txt", 0, 0, 28}, {"screenSavers.txt", 0, 0, 100},
    };
    for (const IndexRule& rule : rules) {
        for (const Record& r : records(rule.file)) {
            long value = wholeNumber(r[rule.field]);
            EXPECT_GE(value, rule.lower) << rule.file << ": \"" << r[rule.field] << "\"";
            EXPECT_LE(value, rule.upper) << rule.file << ": \"" << r[rule.field] << "\"";
        }
    }
    for (const Record& r : records("colors.txt"))
        for (std::size_t component = 2; component < 5; ++component)
            EXPECT_TRUE(wholeNumber(r[component]) >= 0 && wholeNumber(r[component]) <= 255) << r[component];
}

TEST_F(CatalogueFiles, ThemesAreNumberedInListOrderWithALayoutAndAColourRow) {
    const auto& themes = records("themes.txt");
    ASSERT_GE(themes.size(), 10u);
    const auto rows = colourIndexesByRow();
    std::size_t small = 0, large = 0;
    for (std::size_t i = 0; i < themes.size(); ++i) {
        const Record& t = themes[i];
        SCOPED_TRACE(t[1]);
        // The theme list finds a record by its list position.
        EXPECT_EQ(static_cast<long>(i), wholeNumber(t[0]));
        small += endsWith(t[1], "800x600");
        large += endsWith(t[1], "1024x768");
        EXPECT_TRUE(endsWith(t[1], "800x600") || endsWith(t[1], "1024x768"));
        // The joined record is split again at its first four commas.
        for (std::size_t f = 1; f <= 4; ++f)
            EXPECT_EQ(std::string::npos, t[f].find(',')) << "field " << f + 1;
        EXPECT_TRUE(endsWith(t[3], ".jpg"));
        EXPECT_TRUE(endsWith(t[4], ".bmp"));
        EXPECT_EQ(1u, rows.count(wholeNumber(t[5]))) << "no colours for row " << t[5];
    }
    EXPECT_GT(small, 0u);
    EXPECT_GT(large, 0u);
    std::set<std::string> previews, wallpapers;
    for (const Record& t : themes) {
        previews.insert(t[3]);
        wallpapers.insert(t[4]);
    }
    EXPECT_EQ(themes.size(), previews.size()) << "each theme has a preview of its own";
    EXPECT_EQ(themes.size(), wallpapers.size()) << "each theme has a wallpaper of its own";
}

TEST_F(CatalogueFiles, WallpapersCarryConsecutiveIndexesFromTwo) {
    // The Mix-N-Match tab rebuilds its list from index 2 up to the first empty entry.
    const auto& wallpapers = records("wallpapers.txt");
    ASSERT_GE(wallpapers.size(), 8u);
    for (std::size_t i = 0; i < wallpapers.size(); ++i) {
        EXPECT_EQ(static_cast<long>(i + 2), wholeNumber(wallpapers[i][0]));
        EXPECT_TRUE(endsWith(wallpapers[i][1], "800x600") || endsWith(wallpapers[i][1], "1024x768"))
            << wallpapers[i][1];
    }
}

TEST_F(CatalogueFiles, ColourRowsHaveEachOfThe29ColoursOnce) {
    const auto rows = colourIndexesByRow();
    EXPECT_GE(rows.size(), 12u);
    std::multiset<long> all;
    for (long i = 0; i <= 28; ++i)
        all.insert(i);
    for (const auto& [row, indexes] : rows)
        EXPECT_EQ(all, indexes) << "row " << row;
}

TEST_F(CatalogueFiles, ColourSchemesIncludeStandardGreyAndHighContrast) {
    std::map<long, std::map<long, long>> colours; // row -> index -> 0xRRGGBB
    for (const Record& r : records("colors.txt"))
        colours[wholeNumber(r[0])][wholeNumber(r[1])] =
            (wholeNumber(r[2]) << 16) | (wholeNumber(r[3]) << 8) | wholeNumber(r[4]);
    bool standard = false, highContrast = false;
    for (const Record& r : records("colorNames.txt")) {
        const auto& scheme = colours[wholeNumber(r[0])];
        if (r[1] == "Windows Standard")
            standard = scheme.at(15) == 0xC0C0C0; // grey button faces
        // Window text on the window background as far apart as they go.
        if (r[1].find("High Contrast") != std::string::npos)
            highContrast = (scheme.at(5) == 0x000000 && scheme.at(8) == 0xFFFFFF) ||
                           (scheme.at(5) == 0xFFFFFF && scheme.at(8) == 0x000000);
    }
    EXPECT_TRUE(standard);
    EXPECT_TRUE(highContrast);
}

TEST_F(CatalogueFiles, SchemeNamesPointAtColourRowsAndKeepAQuotedComma) {
    const auto rows = colourIndexesByRow();
    const auto& names = records("colorNames.txt");
    ASSERT_GE(names.size(), 12u);
    bool comma = false;
    for (const Record& r : names) {
        EXPECT_EQ(1u, rows.count(wholeNumber(r[0]))) << r[1];
        EXPECT_FALSE(r[2].empty()) << r[1];
        comma = comma || r[1].find(',') != std::string::npos;
    }
    EXPECT_TRUE(comma) << "no display name exercises the quoted comma";
}

// Applying a theme takes the icons and cursors of its row; applying a colour
// scheme takes them from the scheme's position in the list. Every such row needs
// a whole set, with animated cursors in the two busy slots.
TEST_F(CatalogueFiles, EveryRowInUseHasAWholeCursorSetAndIconSet) {
    std::set<long> used;
    for (const Record& t : records("themes.txt"))
        used.insert(wholeNumber(t[5]));
    const auto& names = records("colorNames.txt");
    for (std::size_t position = 0; position < names.size(); ++position) {
        used.insert(wholeNumber(names[position][0]));
        used.insert(static_cast<long>(position));
    }
    for (long row : used) {
        SCOPED_TRACE("row " + std::to_string(row));
        const auto cursors = slotsOf("cursors.txt", row);
        ASSERT_EQ(15u, cursors.size());
        for (const auto& [slot, file] : cursors) {
            bool animatedSlot = slot == 0 || slot == 14;
            EXPECT_TRUE(endsWith(file, animatedSlot ? ".ani" : ".cur")) << slot << ": " << file;
        }
        const auto icons = slotsOf("icons.txt", row);
        ASSERT_EQ(6u, icons.size());
        for (const auto& [slot, file] : icons)
            EXPECT_TRUE(endsWith(file, ".ico")) << slot << ": " << file;
    }
}

TEST_F(CatalogueFiles, ScreenSaversAreNumberedInListOrder) {
    const auto& savers = records("screenSavers.txt");
    ASSERT_GE(savers.size(), 2u);
    for (std::size_t i = 0; i < savers.size(); ++i) {
        EXPECT_EQ(static_cast<long>(i), wholeNumber(savers[i][0]));
        EXPECT_TRUE(endsWith(savers[i][2], ".scr")) << savers[i][2];
    }
}

} // namespace
} // namespace samples
