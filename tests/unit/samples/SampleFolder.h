// Access to the generated program folder for the sample-collection tests: where
// it is, its files, its catalogue records (read with the program's own field
// reader) and the little-endian fields of its binary files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace samples {

// DECORAMA_SAMPLE_DIR when set, otherwise the Decorama folder of the build tree
// that holds this test program; empty when neither exists.
std::filesystem::path sampleFolder();

// The file's bytes; empty when it cannot be read.
std::string readBytes(const std::filesystem::path& path);

using Record = std::vector<std::string>;
// Whole records of the given field count; throws rt::Error 62 when the text ends
// inside a record.
std::vector<Record> readRecords(const std::string& text, std::size_t fieldsPerRecord);

bool endsWith(const std::string& text, const std::string& tail);
// Whole decimal number, or -1 for anything else.
long wholeNumber(const std::string& text);

std::uint32_t le16(const std::string& bytes, std::size_t offset);
std::uint32_t le32(const std::string& bytes, std::size_t offset);

// The chunks of a RIFF file's form (or of a LIST inside it): id and body. A
// chunk running past the end fails the test and ends the list.
std::vector<std::pair<std::string, std::string>> riffChunks(const std::string& bytes, std::size_t from,
                                                            std::size_t end);

struct Picture {
    bool ok = false;
    int width = 0;
    int height = 0;
};
// Decodes BMP, JPEG or GIF bytes as the program does when it shows them.
Picture decodePicture(const std::string& bytes);

// A test over the generated folder, with its catalogue records at hand.
class SampleCollection : public ::testing::Test {
protected:
    void SetUp() override;

    // A file by its catalogue name (backslashes allowed).
    std::filesystem::path pathOf(const std::string& relativeName) const;
    std::string bytesOf(const std::string& relativeName) const { return readBytes(pathOf(relativeName)); }
    const std::vector<Record>& records(const std::string& catalogue) const;

    std::filesystem::path folder;
    std::map<std::string, std::vector<Record>> catalogues;
};

} // namespace samples
