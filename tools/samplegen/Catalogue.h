// The nine catalogue list files as the generator reads them: comma-separated
// fields, double quotes around a field that holds a comma, records of a fixed
// field count that may run over line ends, as the program itself reads them.
#pragma once

#include <string>
#include <vector>

namespace samplegen {

using Record = std::vector<std::string>;

// Fields of one file split into records; throws when the file is missing or ends
// inside a record.
std::vector<Record> readCatalogue(const std::string& path, std::size_t fieldsPerRecord);

} // namespace samplegen
