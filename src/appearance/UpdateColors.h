// The appearance applier: one scheme row's desktop icons, cursors and system
// colours, written live and to the user's registry in a single pass, through a
// SystemColorsFast whose staged colours win over the row's.
#pragma once

namespace catalogue {
struct Module1;
}
namespace sys {
class SystemColorsFast;
}

namespace appearance {

// The theme variant (module.mixMatchApply false) takes everything from the
// selected theme's scheme row; the Mix-N-Match variant takes icons and cursors
// from schemeListIndex and the colours from the active scheme row.
void UpdateColors(sys::SystemColorsFast& colors, const catalogue::Module1& module, int themeListIndex,
                  int schemeListIndex);

} // namespace appearance
