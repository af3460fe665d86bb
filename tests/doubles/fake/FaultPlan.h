// Planned failures: the nth use (1-based) of a named operation fails with a
// given error. Every use of an operation is counted, planned or not, so a test
// can say "the third RegSetValueExA fails" without caring what came before.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fake {

class FaultPlan {
public:
    void failOn(const std::string& operation, int nthUse, std::int32_t error);
    // Counts one use of the operation; the planned error when this use must fail.
    std::optional<std::int32_t> use(const std::string& operation);
    int uses(const std::string& operation) const;
    // Every use in the order it came, as (operation, nth use of it).
    const std::vector<std::pair<std::string, int>>& trail() const { return trail_; }

private:
    std::map<std::string, std::map<int, std::int32_t>> planned_;
    std::map<std::string, int> uses_;
    std::vector<std::pair<std::string, int>> trail_;
};

} // namespace fake
