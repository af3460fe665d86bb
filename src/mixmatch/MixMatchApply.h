// The Mix-N-Match applies: the recorded wallpaper, the recorded colour scheme,
// or both one after the other.
#pragma once

#include <memory>
#include <string>

namespace catalogue {
struct Module1;
}
namespace rt {
struct Platform;
}
namespace sys {
class ScreenInfo;
}
namespace ui {
class Screen;
}

namespace mixmatch {

// What the tab keeps between applies. The wallpaper's ScreenInfo object lives
// until the next wallpaper apply replaces it.
struct MixMatchState {
    std::unique_ptr<sys::ScreenInfo> wallpaperObject;
};

// "Apply Wallpaper" and Enter in the wallpaper list: a fresh ScreenInfo sets
// selectedWallpaper as the desktop wallpaper; an empty one sets nothing.
void ApplyWallpaper(rt::Platform& platform, MixMatchState& state, const std::string& selectedWallpaper);

// "Apply Color" and Enter in the scheme list: the appearance applier's scheme
// variant, icons and cursors of the row at the scheme list's position
// schemeListIndex, colours of module.activeSchemeRow. Without a scheme
// selected, or with either row outside 0..28, nothing at all is applied and
// false is returned.
bool ApplyColorScheme(rt::Platform& platform, catalogue::Module1& module, int schemeListIndex);

// "Apply Mix - N - Match": the wallpaper, then the colour scheme, under the
// busy pointer.
void ApplyMixNMatch(rt::Platform& platform, catalogue::Module1& module, MixMatchState& state,
                    const std::string& selectedWallpaper, int schemeListIndex, ui::Screen& screen);

} // namespace mixmatch
