// What became of each aspect of an apply, catalogue theme or theme file, in the
// words the console program prints: "colors: applied", "saver: absent",
// "fonts: skipped", "wallpaper: refused: network path", "icons: failed: ...".
#pragma once

#include "runtime/Error.h"
#include "themefile/Aspect.h"

#include <array>
#include <string>

namespace themeapply {

enum class Outcome {
    applied, // every value of it was written
    absent,  // the theme has nothing of it
    skipped, // the caller did not ask for it
    refused, // the check allowed none of its values
    failed,  // a write failed: what it wrote before is put back
};

struct AspectResult {
    Outcome outcome = Outcome::skipped;
    std::string reason; // refused: why; failed: the error
};

class ApplyReport {
public:
    const AspectResult& operator[](themefile::Aspect aspect) const { return results_[index(aspect)]; }
    void set(themefile::Aspect aspect, Outcome outcome, std::string reason = {}) {
        results_[index(aspect)] = {outcome, std::move(reason)};
    }
    void fail(themefile::Aspect aspect, const rt::Error& error) {
        set(aspect, Outcome::failed, error.description());
    }

    // "colors: applied", "icons: failed: RegCreateKeyExA: access denied (5)".
    std::string line(themefile::Aspect aspect) const;
    // Whether an aspect was refused or failed.
    bool anyTrouble() const;

private:
    static std::size_t index(themefile::Aspect aspect) { return static_cast<std::size_t>(aspect); }
    std::array<AspectResult, themefile::allAspects.size()> results_;
};

} // namespace themeapply
