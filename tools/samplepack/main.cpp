// samplepack: writes the program's external resource file "samples", which
// packs the screen-saver programs in the order of screenSavers.txt.
//
//   samplepack SCREENSAVERS_TXT FOLDER OUTPUT
//
// Each record of screenSavers.txt (index, display name, file name) names a
// program in FOLDER. The file is, all numbers little-endian:
//   signature 0x635245B5, entry count N (signed 32-bit),
//   N directory entries of 12 bytes: start, length, and a field the program
//   does not read (written as 0),
//   then the programs' bytes, one after another, in the directory's order.
#include "runtime/Error.h"
#include "runtime/FieldReader.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

namespace {

const std::uint32_t signature = 0x635245B5;
const std::size_t headerSize = 8, entrySize = 12;

bool readWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

void put32(std::string& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: samplepack SCREENSAVERS_TXT FOLDER OUTPUT\n";
        return 2;
    }
    const std::string listPath = argv[1], folder = argv[2], outputPath = argv[3];

    std::string list;
    if (!readWhole(listPath, list)) {
        std::cerr << "samplepack: cannot read " << listPath << "\n";
        return 1;
    }
    std::vector<std::string> programs;
    try {
        rt::FieldReader reader(list);
        while (!reader.atEnd()) {
            reader.readField(); // index: the list's position is what counts
            reader.readField(); // display name
            std::string file = reader.readField();
            std::string bytes;
            if (!readWhole(folder + "/" + file, bytes)) {
                std::cerr << "samplepack: cannot read " << folder << "/" << file << "\n";
                return 1;
            }
            programs.push_back(bytes);
        }
    } catch (const rt::Error& e) {
        std::cerr << "samplepack: " << listPath << ": " << e.description() << "\n";
        return 1;
    }

    std::string out;
    put32(out, signature);
    put32(out, static_cast<std::uint32_t>(programs.size()));
    std::uint64_t start = headerSize + entrySize * programs.size();
    for (const std::string& program : programs) {
        if (start + program.size() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
            std::cerr << "samplepack: the programs do not fit in a resource file\n";
            return 1;
        }
        put32(out, static_cast<std::uint32_t>(start));
        put32(out, static_cast<std::uint32_t>(program.size()));
        put32(out, 0);
        start += program.size();
    }
    for (const std::string& program : programs)
        out += program;

    // Written beside the output and renamed over it, so a build that stops half
    // way never leaves a short resource file in the program folder.
    const std::string partial = outputPath + ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
        if (!file.flush()) {
            std::cerr << "samplepack: cannot write " << partial << "\n";
            return 1;
        }
    }
    if (std::rename(partial.c_str(), outputPath.c_str()) != 0) {
        std::cerr << "samplepack: cannot replace " << outputPath << "\n";
        return 1;
    }
    return 0;
}
