// Seeded random layouts of well-formed list files, for all nine readers.
//
// The libFuzzer target (tests/fuzz) holds the reader to ending cleanly on any
// input; what it cannot judge is whether a file was read right. Here random
// records are written once plainly (every field quoted where it may be, CR LF
// after each record) and once in a random layout the reader must treat the
// same: blanks around fields, optional quotes, LF or CR alone, empty lines,
// records split over lines or run together, no last line end. Both readings
// must fill the same list items and table entries, and the plain one must list
// the records' names.
#include "app/common/ListFiles.h"

#include "unit/catalogues/MemoryRuntime.h"
#include "unit/catalogues/RecordingComboBox.h"
#include "unit/catalogues/Tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

using app::ListFileFormat;
using catalogues_test::RecordingComboBox;

constexpr const char* folder = "C:\\Decorama";

// SplitMix64: small, fast and the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    int between(int lower, int upper) {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        z ^= z >> 31;
        return lower + static_cast<int>(z % static_cast<std::uint64_t>(upper - lower + 1));
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    const char* pick(std::initializer_list<const char*> from) {
        return from.begin()[between(0, static_cast<int>(from.size()) - 1)];
    }

private:
    std::uint64_t state_;
};

using Record = std::vector<std::string>;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Text that now and then needs quotes: a comma, a line end, blanks at its edges.
// A quote only ever appears inside a value that needs none, where it is plain text.
std::string textField(Random& random) {
    static const std::string plain = "abcxyzABCXYZ0189 .-_()&!~\xe9\xff";
    std::string value;
    for (int i = random.chance(10) ? 0 : random.between(1, 16); i > 0; --i)
        value += plain[static_cast<std::size_t>(random.between(0, static_cast<int>(plain.size()) - 1))];
    if (random.chance(15))
        value.insert(static_cast<std::size_t>(random.between(0, static_cast<int>(value.size()))),
                     random.pick({",", "\r\n", "\n", ", ", "\r"}));
    else if (random.chance(5))
        value = " " + value + "\t";
    else if (random.chance(5) && value.size() > 1 && !isBlank(value.front()) && !isBlank(value.back()))
        value.insert(1, "\"");
    return value;
}

std::vector<Record> records(Random& random, const ListFileFormat& format) {
    std::vector<Record> out(static_cast<std::size_t>(random.between(0, 8)));
    for (Record& record : out)
        for (int f = 0; f < format.fieldCount; ++f)
            record.push_back(f < format.indexCount ? std::to_string(random.between(format.bounds[f].lower,
                                                                                   format.bounds[f].upper))
                                                   : textField(random));
    return out;
}

bool needsQuotes(const std::string& value, bool atLineStart) {
    return value.find_first_of(",\r\n") != std::string::npos ||
           (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))) ||
           (value.empty() && atLineStart);
}

std::string quoted(const std::string& value) {
    return value.find('"') == std::string::npos ? "\"" + value + "\"" : value;
}

std::string plainLayout(const std::vector<Record>& file) {
    std::string text;
    for (const Record& record : file) {
        for (std::size_t f = 0; f < record.size(); ++f)
            text += (f > 0 ? "," : "") + quoted(record[f]);
        text += "\r\n";
    }
    return text;
}

std::string randomLayout(Random& random, const std::vector<Record>& file) {
    auto blanks = [&] { return random.chance(80) ? "" : random.pick({" ", "  ", "\t", " \t "}); };
    auto lineEnd = [&] { return random.pick({"\r\n", "\r\n", "\n", "\r"}); };
    std::string text;
    while (random.chance(10))
        text += std::string(blanks()) + lineEnd();
    bool atLineStart = true;
    for (std::size_t r = 0; r < file.size(); ++r) {
        for (std::size_t f = 0; f < file[r].size(); ++f) {
            if (r > 0 || f > 0) {
                // Records mostly end at a line end, now and then after empty
                // lines; fields mostly at a comma.
                atLineStart = f == 0 ? random.chance(95) : random.chance(15);
                text += atLineStart ? lineEnd() : ",";
                while (atLineStart && random.chance(5))
                    text += std::string(blanks()) + lineEnd();
            }
            const std::string& value = file[r][f];
            const std::string written =
                needsQuotes(value, atLineStart) || random.chance(10) ? quoted(value) : value;
            text += blanks() + written + blanks();
        }
    }
    if (random.chance(80))
        text += lineEnd();
    return text;
}

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

TEST(ListFileLayoutsTest, EveryLayoutReadsAsThePlainOne) {
    Random random(0x5eed0001);
    int failures = 0;
    for (int n = 0; n < 1800 && failures < 5; ++n) {
        const ListFileFormat& format = app::listFileFormats[static_cast<std::size_t>(n % 9)];
        const std::vector<Record> file = records(random, format);
        const std::string layout = randomLayout(random, file);
        RecordingComboBox plainList, layoutList;
        const std::string plain = read(format, plainLayout(file), plainList);
        const std::string laidOut = read(format, layout, layoutList);
        bool same = plain == laidOut && plain.rfind("error", 0) != 0;
        if (format.fillsList) {
            same = same && plainList.items().size() == file.size();
            for (std::size_t i = 0; same && i < file.size(); ++i)
                same = plainList.items()[i].text == file[i][1];
        }
        if (!same) {
            ++failures;
            ADD_FAILURE() << "case " << n << ", " << format.fileName << ":\n"
                          << ::testing::PrintToString(layout) << "\nplain reading:\n"
                          << plain << "this layout's reading:\n"
                          << laidOut;
        }
    }
}

} // namespace
