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

} // namespace themefile
