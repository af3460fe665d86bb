#include "SampleFolder.h"

#include "app/common/ListFiles.h"
#include "platform/ui/PictureDecoder.h"
#include "runtime/FieldReader.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace samples {

std::filesystem::path sampleFolder() {
    if (const char* given = std::getenv("DECORAMA_SAMPLE_DIR"))
        return given;
    std::error_code error;
    std::filesystem::path here = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    for (std::filesystem::path dir = here.parent_path(); !dir.empty() && dir != dir.root_path();
         dir = dir.parent_path()) {
        if (std::filesystem::exists(dir / "Decorama" / "themes.txt"))
            return dir / "Decorama";
    }
    return {};
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return in ? bytes : std::string();
}

std::vector<Record> readRecords(const std::string& text, std::size_t fieldsPerRecord) {
    rt::FieldReader reader(text);
    std::vector<Record> records;
    while (!reader.atEnd()) {
        Record record;
        for (std::size_t i = 0; i < fieldsPerRecord; ++i)
            record.push_back(reader.readField());
        records.push_back(record);
    }
    return records;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

long wholeNumber(const std::string& text) {
    if (text.empty() || text.size() > 9)
        return -1;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::uint32_t le16(const std::string& bytes, std::size_t offset) {
    if (offset + 2 > bytes.size())
        return 0xFFFFFFFFu;
    return static_cast<std::uint8_t>(bytes[offset]) | (static_cast<std::uint8_t>(bytes[offset + 1]) << 8);
}

std::uint32_t le32(const std::string& bytes, std::size_t offset) {
    if (offset + 4 > bytes.size())
        return 0xFFFFFFFFu;
    return le16(bytes, offset) | (le16(bytes, offset + 2) << 16);
}

std::vector<std::pair<std::string, std::string>> riffChunks(const std::string& bytes, std::size_t from,
                                                            std::size_t end) {
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::size_t at = from; at + 8 <= end; at += 8 + le32(bytes, at + 4) + (le32(bytes, at + 4) & 1)) {
        const std::uint32_t size = le32(bytes, at + 4);
        if (at + 8 + size > end) {
            ADD_FAILURE() << bytes.substr(at, 4) << " runs past the end";
            break;
        }
        chunks.emplace_back(bytes.substr(at, 4), bytes.substr(at + 8, size));
    }
    return chunks;
}

Picture decodePicture(const std::string& bytes) {
    try {
        const ui::DecodedImage image = ui::decodePicture(bytes);
        return {true, image.width, image.height};
    } catch (const rt::Error&) {
        return {};
    }
}

void SampleCollection::SetUp() {
    folder = sampleFolder();
    ASSERT_FALSE(folder.empty()) << "no sample collection: build the sample_collection target or set "
                                    "DECORAMA_SAMPLE_DIR";
    for (const app::ListFileFormat& file : app::listFileFormats)
        catalogues[file.fileName] =
            readRecords(readBytes(folder / file.fileName), static_cast<std::size_t>(file.fieldCount));
}

std::filesystem::path SampleCollection::pathOf(const std::string& relativeName) const {
    std::string name = relativeName;
    for (char& c : name)
        if (c == '\\')
            c = '/';
    return folder / name;
}

const std::vector<Record>& SampleCollection::records(const std::string& catalogue) const {
    return catalogues.at(catalogue);
}

} // namespace samples
