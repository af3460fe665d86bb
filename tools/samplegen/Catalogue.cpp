#include "Catalogue.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace samplegen {

std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    bool lineStart = true;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos < text.size() && isLineEnd(text[pos]) && lineStart) {
            ++pos; // empty line
            continue;
        }
        if (pos >= text.size())
            break;
        std::string field;
        if (text[pos] == '"') {
            std::size_t close = text.find('"', pos + 1);
            if (close == std::string::npos)
                throw std::runtime_error("unterminated quoted field");
            field = text.substr(pos + 1, close - pos - 1);
            pos = close + 1;
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos]))
                ++pos;
        } else {
            std::size_t start = pos;
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos]))
                ++pos;
            std::size_t end = pos;
            while (end > start && isBlank(text[end - 1]))
                --end;
            field = text.substr(start, end - start);
        }
        fields.push_back(field);
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            lineStart = false;
            // A comma at the very end of a line leaves one empty field.
            if (pos >= text.size() || isLineEnd(text[pos])) {
                fields.emplace_back();
                if (pos < text.size() && text[pos] == '\r')
                    ++pos;
                if (pos < text.size() && text[pos] == '\n')
                    ++pos;
                lineStart = true;
            }
        } else {
            if (pos < text.size() && text[pos] == '\r')
                ++pos;
            if (pos < text.size() && text[pos] == '\n')
                ++pos;
            lineStart = true;
        }
    }
    return fields;
}

std::vector<Record> readCatalogue(const std::string& path, std::size_t fieldsPerRecord) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<std::string> fields = splitFields(text.str());
    if (fields.size() % fieldsPerRecord != 0)
        throw std::runtime_error(path + " ends inside a record");
    std::vector<Record> records;
    for (std::size_t i = 0; i < fields.size(); i += fieldsPerRecord)
        records.emplace_back(fields.begin() + static_cast<long>(i),
                             fields.begin() + static_cast<long>(i + fieldsPerRecord));
    return records;
}

} // namespace samplegen
