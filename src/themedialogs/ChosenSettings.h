// The aspects of a theme that an apply takes, as the user chose them in the
// Settings dialog, kept per user under HKEY_CURRENT_USER\Software\Decorama.
#pragma once

#include "themefile/Aspect.h"

#include <vector>

namespace win {
class WindowsApi;
}

namespace themedialogs {

class ChosenSettings {
public:
    static ChosenSettings all() { return ChosenSettings(allBits); }

    bool has(themefile::Aspect aspect) const { return (bits_ & bit(aspect)) != 0; }
    void set(themefile::Aspect aspect, bool chosen) {
        bits_ = chosen ? bits_ | bit(aspect) : bits_ & ~bit(aspect);
    }
    bool operator==(const ChosenSettings& other) const { return bits_ == other.bits_; }
    // The aspects an apply takes.
    themefile::AspectSet aspects() const {
        std::vector<themefile::Aspect> chosen;
        for (themefile::Aspect aspect : themefile::allAspects)
            if (has(aspect))
                chosen.push_back(aspect);
        return themefile::AspectSet::of(chosen);
    }

    // The value "Theme aspects" (REG_DWORD, bit n for the nth of
    // themefile::allAspects); every aspect when it is absent or not a number.
    static ChosenSettings load(win::WindowsApi& api);
    // Creates the key where needed; a choice that cannot be kept still holds
    // for this run, so a failure is not reported.
    void save(win::WindowsApi& api) const;

private:
    static constexpr unsigned allBits = (1u << themefile::allAspects.size()) - 1;
    explicit ChosenSettings(unsigned bits) : bits_(bits & allBits) {}
    static unsigned bit(themefile::Aspect aspect) { return 1u << static_cast<unsigned>(aspect); }

    unsigned bits_;
};

} // namespace themedialogs
