#include "fake/FaultPlan.h"

namespace fake {

void FaultPlan::failOn(const std::string& operation, int nthUse, std::int32_t error) {
    planned_[operation][nthUse] = error;
}

std::optional<std::int32_t> FaultPlan::use(const std::string& operation) {
    const int n = ++uses_[operation];
    trail_.emplace_back(operation, n);
    const auto plan = planned_.find(operation);
    if (plan == planned_.end())
        return std::nullopt;
    const auto fault = plan->second.find(n);
    if (fault == plan->second.end())
        return std::nullopt;
    return fault->second;
}

int FaultPlan::uses(const std::string& operation) const {
    const auto it = uses_.find(operation);
    return it == uses_.end() ? 0 : it->second;
}

} // namespace fake
