// The appearance applier: one scheme row's desktop icons, cursors and system
// colours, written live and to the user's registry in a single pass, through a
// SystemColorsFast whose staged colours win over the row's.
#pragma once

#include "runtime/Error.h"
#include "themefile/Aspect.h"

#include <optional>

namespace catalogue {
struct Module1;
}
namespace sys {
class SystemColorsFast;
}

namespace appearance {

// The two applies that write a scheme row.
enum class ApplyVariant {
    // A whole theme: everything from the selected theme's scheme row, with a
    // fresh sub-key for every cursor name.
    Theme,
    // A Mix-N-Match colour scheme: icons and cursors from the row at the scheme
    // list's position, colours from the active scheme row.
    Scheme,
};

// themeListIndex serves the theme variant, schemeListIndex the scheme variant.
// aspects says which of the three blocks run: icons, pointers (the cursors),
// colors; with all three the sequence is the whole one. Returns the first icon
// write Windows refused (the icons go where the version tag says Windows reads
// them, see DesktopIcons); the writes after it go on, as every other write's
// failure passes unnoticed.
std::optional<rt::Error> UpdateColors(sys::SystemColorsFast& colors, const catalogue::Module1& module,
                                      ApplyVariant variant, int themeListIndex, int schemeListIndex,
                                      const themefile::AspectSet& aspects = themefile::AspectSet::all());

} // namespace appearance
