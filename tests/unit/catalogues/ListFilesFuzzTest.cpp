// Seeded random list files for all nine readers.
//
// Well-formed files are generated from random records, written out in every
// layout the reader accepts (quotes, blanks, line ends of each kind, empty lines,
// records split over lines or run together), and the result is compared with
// what the records say: list items, item data, table entries and the error that
// ends reading. Malformed files (truncated, binary, huge, with unbalanced quotes
// or random edits) must either read to the end or end with one of the catalogue
// errors 9, 13, 6 or 62; the sanitizer build adds crashes and leaks to what fails.
#include "app/common/ListFiles.h"

#include "runtime/TextConv.h"
#include "unit/catalogues/MemoryRuntime.h"
#include "unit/catalogues/RecordingComboBox.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using app::ListFileFormat;
using app::ListFileKind;
using app::Module1;
using catalogues_test::MemoryRuntime;
using catalogues_test::RecordingComboBox;

constexpr const char* folder = "C:\\Decorama";

bool isCatalogueError(int number) {
    return number == rt::ErrSubscriptOutOfRange || number == rt::ErrTypeMismatch ||
           number == rt::ErrOverflow || number == rt::ErrInputPastEndOfFile;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// SplitMix64: cheap enough that making the inputs costs less than reading
// them, even unoptimised; the slight modulo bias does not matter here.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    int between(int lower, int upper) {
        const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(upper) - lower + 1);
        return static_cast<int>(lower + static_cast<std::int64_t>(next() % span));
    }
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }
    const char* pick(std::initializer_list<const char*> from) {
        return from.begin()[between(0, static_cast<int>(from.size()) - 1)];
    }
    char pickChar(std::string_view from) {
        return from[static_cast<std::size_t>(between(0, static_cast<int>(from.size()) - 1))];
    }
    char byte() { return static_cast<char>(next()); }
    std::string bytes(std::size_t count) {
        std::string out(count, '\0');
        for (std::size_t i = 0; i < count; i += 8) {
            const std::uint64_t word = next();
            std::memcpy(&out[i], &word, count - i < 8 ? count - i : 8);
        }
        return out;
    }

private:
    std::uint64_t state_;
};

// ---- well-formed files from records ------------------------------------------

using Record = std::vector<std::string>;

struct GeneratedFile {
    std::vector<Record> records; // complete records, in file order
    bool truncatedTail = false;  // the file ends inside one more record
    std::string text;
};

std::string indexField(Random& random, const app::IndexBounds& bounds) {
    const int roll = random.between(1, 100);
    if (roll <= 84)
        return std::to_string(random.between(bounds.lower, bounds.upper));
    if (roll <= 88)
        return std::to_string(random.chance(0.5) ? bounds.lower - random.between(1, 5000)
                                                 : bounds.upper + random.between(1, 5000));
    if (roll <= 92)
        return random.pick({"x", "", "1a", "--", "0x10", ".", "1,5", "Sand 800x600"});
    if (roll <= 95)
        return random.pick({"99999999999", "-3000000000", "2147483648", "1e12", "-1E10"});
    // Not written as a plain whole number but converts to one.
    return random.pick({"3.5", "2.5", "0.4", "+7", "-0", "1e1", "1.0E+1", "00012"});
}

std::string textField(Random& random) {
    static const std::string plain = "abcdefgxyzABCXYZ0123456789 .-_()&!~\xe9\xff";
    std::string value;
    const int length = random.chance(0.1) ? 0 : random.between(1, 24);
    for (int i = 0; i < length; ++i)
        value += plain[static_cast<std::size_t>(random.between(0, static_cast<int>(plain.size()) - 1))];
    if (random.chance(0.15) && !value.empty()) // needs quotes
        value.insert(static_cast<std::size_t>(random.between(0, static_cast<int>(value.size()))),
                     random.pick({",", "\r\n", "\n", ", ", "\r"}));
    if (random.chance(0.03)) // blanks that only quotes keep
        value = " " + value + "\t";
    if (random.chance(0.03) && value.size() > 1 && value.find_first_of(",\r\n") == std::string::npos &&
        !isBlank(value.front()) && !isBlank(value.back()))
        value.insert(1, "\""); // a quote inside an unquoted field is plain text
    return value;
}

std::string lineEnd(Random& random) {
    return random.pick({"\r\n", "\r\n", "\r\n", "\n", "\r"});
}

std::string blanks(Random& random) {
    return random.chance(0.8) ? "" : random.pick({" ", "  ", "\t", " \t "});
}

// Writes one field; `afterLineEnd` tells that a line starts here, where an
// unquoted empty field would read as an empty line.
std::string writeField(Random& random, const std::string& value, bool afterLineEnd) {
    const bool mustQuote = value.find_first_of(",\r\n") != std::string::npos ||
                           (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))) ||
                           (value.empty() && afterLineEnd);
    const bool mayQuote = value.find('"') == std::string::npos;
    if (mustQuote || (mayQuote && random.chance(0.1)))
        return blanks(random) + "\"" + value + "\"" + blanks(random);
    return value.empty() ? blanks(random) : blanks(random) + value + blanks(random);
}

GeneratedFile generate(Random& random, const ListFileFormat& format) {
    GeneratedFile file;
    const int count = random.between(0, 10);
    for (int r = 0; r < count; ++r) {
        Record record;
        for (int f = 0; f < format.fieldCount; ++f)
            record.push_back(f < format.indexCount ? indexField(random, format.bounds[f])
                                                   : textField(random));
        file.records.push_back(record);
    }
    std::vector<Record> written = file.records;
    if (random.chance(0.1)) {
        file.truncatedTail = true;
        Record tail;
        const int fields = random.between(1, format.fieldCount - 1);
        for (int f = 0; f < fields; ++f)
            tail.push_back(f < format.indexCount ? indexField(random, format.bounds[f]) : textField(random));
        written.push_back(tail);
    }

    std::string& text = file.text;
    bool afterLineEnd = true;
    while (random.chance(0.1))
        text += blanks(random) + lineEnd(random);
    for (std::size_t r = 0; r < written.size(); ++r) {
        for (std::size_t f = 0; f < written[r].size(); ++f) {
            if (r > 0 || f > 0) {
                // Records end at a line end (now and then after empty lines, or
                // run on after a comma); fields mostly end at a comma.
                const bool recordStart = f == 0;
                const bool newLine = recordStart ? random.chance(0.95) : random.chance(0.15);
                if (newLine) {
                    text += lineEnd(random);
                    while (random.chance(0.05))
                        text += blanks(random) + lineEnd(random);
                } else {
                    text += ",";
                }
                afterLineEnd = newLine;
            }
            text += writeField(random, written[r][f], afterLineEnd);
        }
    }
    // The last line end is optional.
    if (random.chance(0.8))
        text += lineEnd(random);
    while (random.chance(0.1))
        text += blanks(random) + lineEnd(random);
    return file;
}

// ---- what the records say ------------------------------------------------------

struct Expected {
    std::vector<RecordingComboBox::Item> items;
    std::map<std::pair<int, int>, std::vector<std::string>> entries;
    int error = 0;
};

// The entry values a record stores, in the order entryValues() reads them back.
std::vector<std::string> storedValues(ListFileKind kind, const Record& r) {
    switch (kind) {
    case ListFileKind::Colors:
        return {r[2], r[3], r[4]};
    case ListFileKind::Cursors:
    case ListFileKind::Icons:
    case ListFileKind::ColorNames:
    case ListFileKind::ScreenSavers:
        return {r[2]};
    case ListFileKind::Themes:
        return {r[1] + "," + r[2] + "," + r[3] + "," + r[4] + "," + r[5]};
    default:
        return {r[1]};
    }
}

// The values of one table entry: three for a colour, one otherwise (the rest null).
std::array<const std::string*, 3> entry(ListFileKind kind, const Module1& m, int i, int j) {
    switch (kind) {
    case ListFileKind::Colors:
        return {&m.themeColors(i, j, 1), &m.themeColors(i, j, 2), &m.themeColors(i, j, 3)};
    case ListFileKind::Cursors:
        return {&m.themeCursors(i, j)};
    case ListFileKind::Icons:
        return {&m.themeIcons(i, j)};
    case ListFileKind::Audio:
        return {&m.themeAudio(i)};
    case ListFileKind::ShortAudio:
        return {&m.themeShortAudio(i)};
    case ListFileKind::Themes:
        return {&m.themeList(i)};
    case ListFileKind::Wallpapers:
        return {&m.wallpaperList(i)};
    case ListFileKind::ColorNames:
        return {&m.colorSchemeList(i)};
    case ListFileKind::ScreenSavers:
        return {&m.screenSaverList(i)};
    }
    return {};
}

std::vector<std::string> entryValues(ListFileKind kind, const Module1& m, int i, int j) {
    std::vector<std::string> values;
    for (const std::string* value : entry(kind, m, i, j))
        if (value != nullptr)
            values.push_back(*value);
    return values;
}

Expected expect(const ListFileFormat& format, const GeneratedFile& file) {
    Expected result;
    for (const Record& r : file.records) {
        try {
            if (format.fillsList) {
                result.items.push_back({r[1], 0});
                if (format.setsItemData)
                    result.items.back().data = rt::CLng(rt::Val(r[0]));
            }
            int index[2] = {0, 0};
            for (int i = 0; i < format.indexCount; ++i)
                index[i] = rt::CLng(r[static_cast<std::size_t>(i)]);
            for (int i = 0; i < format.indexCount; ++i)
                if (index[i] < format.bounds[i].lower || index[i] > format.bounds[i].upper)
                    throw rt::Error(rt::ErrSubscriptOutOfRange);
            result.entries[{index[0], index[1]}] = storedValues(format.kind, r);
        } catch (const rt::Error& e) {
            result.error = e.number();
            return result;
        }
    }
    if (file.truncatedTail)
        result.error = rt::ErrInputPastEndOfFile;
    return result;
}

// Non-empty values in the table of a kind.
int filledValues(ListFileKind kind, const Module1& m) {
    const app::ListFileFormat& format = app::listFileFormat(kind);
    const int lastSlot = format.indexCount == 2 ? format.bounds[1].upper : 0;
    int filled = 0;
    for (int i = format.bounds[0].lower; i <= format.bounds[0].upper; ++i)
        for (int j = 0; j <= lastSlot; ++j) {
            for (const std::string* value : entry(kind, m, i, j))
                filled += value != nullptr && !value->empty();
        }
    return filled;
}

// The table holds the expected entries and nothing else.
bool tableMatches(ListFileKind kind, const Module1& m, const Expected& expected) {
    int filled = 0;
    for (const auto& [index, values] : expected.entries) {
        if (entryValues(kind, m, index.first, index.second) != values)
            return false;
        for (const std::string& value : values)
            filled += !value.empty();
    }
    return filledValues(kind, m) == filled;
}

void clearTable(ListFileKind kind, Module1& m) {
    switch (kind) {
    case ListFileKind::Colors:
        return m.themeColors.clear();
    case ListFileKind::Cursors:
        return m.themeCursors.clear();
    case ListFileKind::Icons:
        return m.themeIcons.clear();
    case ListFileKind::Audio:
        return m.themeAudio.clear();
    case ListFileKind::ShortAudio:
        return m.themeShortAudio.clear();
    case ListFileKind::Themes:
        return m.themeList.clear();
    case ListFileKind::Wallpapers:
        return m.wallpaperList.clear();
    case ListFileKind::ColorNames:
        return m.colorSchemeList.clear();
    case ListFileKind::ScreenSavers:
        return m.screenSaverList.clear();
    }
}

std::string printable(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 32 && c < 127 && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", c);
            out += code;
        }
    }
    return out;
}

struct Outcome {
    int error = 0;
    std::optional<std::string> unexpected; // any other exception
};

Outcome readFile(ListFileKind kind, const std::string& bytes, Module1& module, RecordingComboBox& list) {
    MemoryRuntime runtime;
    runtime.writeFile(std::string(folder) + "\\" + app::listFileFormat(kind).fileName, bytes);
    module.programFolder = folder;
    Outcome run;
    try {
        app::ReadListFile(kind, runtime, module, &list);
    } catch (const rt::Error& e) {
        run.error = e.number();
    } catch (const std::exception& e) {
        run.unexpected = e.what();
    }
    return run;
}

constexpr int maxReportedFailures = 5;

TEST(ListFilesFuzzTest, GeneratedFilesReadAsTheirRecordsSay) {
    Random random(0x5eed0001);
    // One module per file kind, its table emptied before each case: building a
    // whole module per case would cost more than reading the file.
    std::vector<Module1> modules(9);
    int failures = 0;
    for (int n = 0; n < 27000 && failures < maxReportedFailures; ++n) {
        const ListFileFormat& format = app::listFileFormats[static_cast<std::size_t>(n % 9)];
        const GeneratedFile file = generate(random, format);
        const Expected expected = expect(format, file);
        Module1& module = modules[static_cast<std::size_t>(format.kind)];
        clearTable(format.kind, module);
        RecordingComboBox list;
        const Outcome run = readFile(format.kind, file.text, module, list);

        bool same =
            !run.unexpected && run.error == expected.error && list.items().size() == expected.items.size();
        for (std::size_t i = 0; same && i < expected.items.size(); ++i)
            same = list.items()[i].text == expected.items[i].text &&
                   list.items()[i].data == expected.items[i].data;
        same = same && tableMatches(format.kind, module, expected);
        if (!same) {
            ++failures;
            ADD_FAILURE() << "case " << n << ", " << format.fileName << ": \"" << printable(file.text)
                          << "\"\n  expected error " << expected.error << ", " << expected.items.size()
                          << " items; got error " << run.error << ", " << list.items().size() << " items"
                          << (run.unexpected ? ", exception " + *run.unexpected : std::string());
        }
    }
}

// ---- malformed files ---------------------------------------------------------

std::string mutate(Random& random, std::string text) {
    static constexpr std::string_view interesting{",\"\r\n \t-9.e\0\xff", 12};
    const int edits = random.between(1, 8);
    for (int e = 0; e < edits; ++e) {
        const std::size_t at =
            text.empty() ? 0 : static_cast<std::size_t>(random.between(0, static_cast<int>(text.size())));
        switch (random.between(0, 4)) {
        case 0:
            text.insert(at, 1, random.pickChar(interesting));
            break;
        case 1:
            if (at < text.size())
                text[at] = random.byte();
            break;
        case 2:
            if (at < text.size())
                text.erase(at, static_cast<std::size_t>(random.between(1, 6)));
            break;
        case 3:
            if (at < text.size())
                text.insert(at, text.substr(at, static_cast<std::size_t>(random.between(1, 40))));
            break;
        default:
            text.insert(at, 1, '"');
            break;
        }
    }
    return text;
}

std::string huge(Random& random, const ListFileFormat& format) {
    const std::size_t size = static_cast<std::size_t>(random.between(64, 512)) * 1024;
    std::string text;
    switch (random.between(0, 4)) {
    case 0: // one field that never ends
        text = "1," + std::string(size, 'a');
        break;
    case 1: // an opening quote and no closing one
        text = "1,\"" + std::string(size, ',');
        break;
    case 2: // nothing but line ends and blanks
        text = random.bytes(size);
        for (char& c : text)
            c = " \r\n\t"[static_cast<unsigned char>(c) % 4];
        break;
    case 3: // many valid records
        while (text.size() < size)
            text += generate(random, format).text + "\r\n";
        break;
    default: // noise
        text = random.bytes(size);
        break;
    }
    return text;
}

std::string malformed(Random& random, const ListFileFormat& format, int n) {
    if (n % 1000 == 999)
        return huge(random, format);
    const std::string valid = generate(random, format).text;
    switch (random.between(0, 4)) {
    case 0: // cut anywhere
        return valid.substr(0, static_cast<std::size_t>(random.between(0, static_cast<int>(valid.size()))));
    case 1: { // binary
        return random.bytes(static_cast<std::size_t>(random.between(0, 300)));
    }
    case 2: { // unbalanced quotes
        std::string text = valid;
        const int quotes = random.between(1, 3);
        for (int q = 0; q < quotes; ++q)
            text.insert(static_cast<std::size_t>(random.between(0, static_cast<int>(text.size()))), 1, '"');
        return text;
    }
    default:
        return mutate(random, valid);
    }
}

TEST(ListFilesFuzzTest, MalformedFilesReadToTheEndOrEndWithACatalogueError) {
    Random random(0x5eed0002);
    std::vector<Module1> modules(9);
    int failures = 0;
    for (int n = 0; n < 100008 && failures < maxReportedFailures; ++n) {
        const ListFileFormat& format = app::listFileFormats[static_cast<std::size_t>(n % 9)];
        const std::string bytes = malformed(random, format, n);
        Module1& module = modules[static_cast<std::size_t>(format.kind)];
        clearTable(format.kind, module);
        RecordingComboBox list;
        const Outcome run = readFile(format.kind, bytes, module, list);
        if (run.unexpected || (run.error != 0 && !isCatalogueError(run.error))) {
            ++failures;
            ADD_FAILURE() << "case " << n << ", " << format.fileName << ": \""
                          << printable(bytes.substr(0, 2000)) << "\"\n  error " << run.error
                          << (run.unexpected ? ", exception " + *run.unexpected : std::string());
        }
    }
}

} // namespace
