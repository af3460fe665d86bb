#include "Catalogue.h"

#include "runtime/FieldReader.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace samplegen {

std::vector<Record> readCatalogue(const std::string& path, std::size_t fieldsPerRecord) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    // The program's own field reader, so the generator reads the lists as the program does.
    std::vector<std::string> fields;
    rt::FieldReader reader(text.str());
    while (!reader.atEnd())
        fields.push_back(reader.readField());
    if (fields.size() % fieldsPerRecord != 0)
        throw std::runtime_error(path + " ends inside a record");
    std::vector<Record> records;
    for (std::size_t i = 0; i < fields.size(); i += fieldsPerRecord)
        records.emplace_back(fields.begin() + static_cast<long>(i),
                             fields.begin() + static_cast<long>(i + fieldsPerRecord));
    return records;
}

} // namespace samplegen
