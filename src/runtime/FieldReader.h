// Reads comma-separated fields one after another from a text file's bytes, the
// way a list file is read: a comma or a line end ends a field, so a record may
// run over several lines; a field in double quotes may hold commas and line
// ends; blanks around an unquoted field are dropped; empty lines are passed over.
#pragma once

#include <cstddef>
#include <string>

namespace rt {

class FieldReader {
public:
    explicit FieldReader(std::string content);

    // True when nothing but blanks and line ends is left.
    bool atEnd();
    // The next field. Throws rt::Error 62 (input past end of file) at the end.
    std::string readField();

private:
    void skipBlanks();
    void skipEmptyLines();
    void consumeDelimiter();

    std::string content_;
    std::size_t pos_ = 0;
    bool atLineStart_ = true;
};

} // namespace rt
