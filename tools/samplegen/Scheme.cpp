#include "Scheme.h"

#include <set>
#include <stdexcept>

namespace samplegen {

std::map<int, Scheme> schemesFromColors(const std::vector<Record>& records) {
    std::map<int, Scheme> schemes;
    std::map<int, std::set<int>> seen;
    for (const Record& r : records) {
        int row = std::stoi(r[0]);
        int index = std::stoi(r[1]);
        if (index < 0 || index > 28)
            throw std::runtime_error("colors.txt: colour index out of range");
        schemes[row].colors[static_cast<std::size_t>(index)] =
            rgb(std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4]));
        seen[row].insert(index);
    }
    for (const auto& [row, indexes] : seen)
        if (indexes.size() != 29)
            throw std::runtime_error("colors.txt: row " + std::to_string(row) + " lacks colours");
    return schemes;
}

} // namespace samplegen
