// The parts of a desktop theme that can be applied one by one, under the names
// the console program takes ("decocmd apply FILE colors,pointers") and prints.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace themefile {

enum class Aspect { colors, pointers, icons, wallpaper, sounds, saver, fonts, sizes, pictures };

constexpr std::array<Aspect, 9> allAspects{Aspect::colors,    Aspect::pointers, Aspect::icons,
                                           Aspect::wallpaper, Aspect::sounds,   Aspect::saver,
                                           Aspect::fonts,     Aspect::sizes,    Aspect::pictures};

// "colors", "pointers", ...
const char* aspectName(Aspect aspect);

// The aspect of a name, letter case ignored; false when there is none.
bool parseAspect(std::string_view name, Aspect& aspect);

// The aspects of a comma list ("colors, sounds"), each once, in the list's order.
// Throws rt::Error 5 naming the first word that is not an aspect ("unknown aspect:
// colours"); an empty list is such a word too.
std::vector<Aspect> parseAspectList(std::string_view list);

// The aspects an apply takes: every one, or those a caller switched on.
class AspectSet {
public:
    static AspectSet all() { return AspectSet(0x1FF); }
    static AspectSet none() { return AspectSet(0); }
    static AspectSet of(const std::vector<Aspect>& aspects) {
        AspectSet set = none();
        for (Aspect aspect : aspects)
            set.bits_ |= bit(aspect);
        return set;
    }

    bool has(Aspect aspect) const { return (bits_ & bit(aspect)) != 0; }
    AspectSet without(const std::vector<Aspect>& aspects) const {
        return AspectSet(bits_ & ~of(aspects).bits_);
    }
    bool operator==(const AspectSet& other) const { return bits_ == other.bits_; }

private:
    explicit AspectSet(unsigned bits) : bits_(bits) {}
    static unsigned bit(Aspect aspect) { return 1u << static_cast<unsigned>(aspect); }

    unsigned bits_;
};

} // namespace themefile
