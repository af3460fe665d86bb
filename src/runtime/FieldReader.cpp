#include "runtime/FieldReader.h"

#include "runtime/Error.h"

#include <utility>

namespace rt {
namespace {
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}
} // namespace

FieldReader::FieldReader(std::string content) : content_(std::move(content)) {}

void FieldReader::skipBlanks() {
    while (pos_ < content_.size() && isBlank(content_[pos_]))
        ++pos_;
}

// At the start of a line, blank lines carry no field.
void FieldReader::skipEmptyLines() {
    while (atLineStart_) {
        std::size_t save = pos_;
        skipBlanks();
        if (pos_ < content_.size() && isLineEnd(content_[pos_])) {
            ++pos_;
            continue;
        }
        if (pos_ >= content_.size())
            return;
        pos_ = save;
        return;
    }
}

bool FieldReader::atEnd() {
    std::size_t save = pos_;
    bool lineStart = atLineStart_;
    atLineStart_ = true;
    // Past the last field only blanks and line ends may remain.
    while (pos_ < content_.size() && (isBlank(content_[pos_]) || isLineEnd(content_[pos_])))
        ++pos_;
    bool end = pos_ >= content_.size();
    pos_ = save;
    atLineStart_ = lineStart;
    return end;
}

// Consumes the comma or line end that closes a field, if any.
void FieldReader::consumeDelimiter() {
    if (pos_ >= content_.size()) {
        atLineStart_ = true;
        return;
    }
    char c = content_[pos_];
    if (c == ',') {
        ++pos_;
        atLineStart_ = false;
    } else if (c == '\r') {
        ++pos_;
        if (pos_ < content_.size() && content_[pos_] == '\n')
            ++pos_;
        atLineStart_ = true;
    } else if (c == '\n') {
        ++pos_;
        atLineStart_ = true;
    }
}

std::string FieldReader::readField() {
    skipEmptyLines();
    skipBlanks();
    if (pos_ >= content_.size()) {
        // A comma just before the end still opens one more, empty, field: a last
        // line "100," without its line end reads like "100," with it.
        if (!atLineStart_) {
            atLineStart_ = true;
            return std::string();
        }
        throw Error(ErrInputPastEndOfFile);
    }

    std::string field;
    if (content_[pos_] == '"') {
        std::size_t close = content_.find('"', pos_ + 1);
        if (close == std::string::npos) {
            field = content_.substr(pos_ + 1);
            pos_ = content_.size();
        } else {
            field = content_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close + 1;
            // Anything between the closing quote and the delimiter is dropped.
            while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_]))
                ++pos_;
        }
    } else {
        std::size_t start = pos_;
        while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEnd(content_[pos_]))
            ++pos_;
        std::size_t end = pos_;
        while (end > start && isBlank(content_[end - 1]))
            --end;
        field = content_.substr(start, end - start);
    }
    consumeDelimiter();
    return field;
}

} // namespace rt
