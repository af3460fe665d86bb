#include "themeapply/ApplyReport.h"

namespace themeapply {

std::string ApplyReport::line(themefile::Aspect aspect) const {
    static const char* const words[] = {"applied", "absent", "skipped", "refused", "failed"};
    const AspectResult& result = (*this)[aspect];
    std::string text =
        std::string(themefile::aspectName(aspect)) + ": " + words[static_cast<std::size_t>(result.outcome)];
    if (result.outcome == Outcome::refused || result.outcome == Outcome::failed)
        text += ": " + result.reason;
    return text;
}

bool ApplyReport::anyTrouble() const {
    for (const AspectResult& result : results_)
        if (result.outcome == Outcome::refused || result.outcome == Outcome::failed)
            return true;
    return false;
}

} // namespace themeapply
