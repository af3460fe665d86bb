// The Mix-N-Match applies.
//
// Error rule of all three: Windows' answers are not checked, so a setting
// Windows refuses is passed over and the apply goes on; an error ends the apply
// at the failing step, what was written before stays, and the error goes on to
// the caller. "Apply Color" checks the selection before anything is written;
// "Apply Mix - N - Match" gives the default pointer back however it ends.
#include "mixmatch/MixMatchApply.h"

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/ui/BusyPointer.h"
#include "runtime/ErrorTrap.h"
#include "system/ScreenInfo.h"
#include "system/SystemColorsFast.h"
#include "appearance/UpdateColors.h"

#include <optional>

namespace mixmatch {
namespace {

constexpr int lastSchemeRow = 28;

bool isSchemeRow(std::int32_t row) {
    return row >= 0 && row <= lastSchemeRow;
}

// The colour row the last selection recorded, none when it names no row (the
// empty text a theme without a preview leaves, or a number outside 0..28).
std::optional<std::int32_t> recordedColorRow(const catalogue::Module1& module) {
    std::optional<std::int32_t> row;
    rt::attempt([&] { row = module.activeSchemeRowNumber(); });
    return row && isSchemeRow(*row) ? row : std::nullopt;
}

} // namespace

void ApplyWallpaper(rt::Platform& platform, MixMatchState& state, const std::string& selectedWallpaper) {
    // 1. A fresh ScreenInfo, kept until the next wallpaper apply.
    state.wallpaperObject = std::make_unique<sys::ScreenInfo>(platform.api);

    // 2. The selected wallpaper, when there is one.
    if (!selectedWallpaper.empty())
        state.wallpaperObject->DesktopWallpaper(selectedWallpaper);
}

bool ApplyColorScheme(rt::Platform& platform, catalogue::Module1& module, int schemeListIndex) {
    // 1. Both rows. A half-valid selection would write the icons and cursors of
    // one row and stop before the colours, so nothing is written without both.
    if (!isSchemeRow(schemeListIndex) || !recordedColorRow(module))
        return false;

    // 2. The colours staged, to go to Windows in one call.
    sys::SystemColorsFast colors(platform);
    colors.UpdateImmediately = false;

    // 3. The scheme variant of the appearance applier.
    appearance::UpdateColors(colors, module, appearance::ApplyVariant::Scheme, -1, schemeListIndex);
    return true;
}

void ApplyMixNMatch(rt::Platform& platform, catalogue::Module1& module, MixMatchState& state,
                    const std::string& selectedWallpaper, int schemeListIndex, ui::Screen& screen) {
    // 1. The hourglass until the apply ends, an error included.
    const ui::BusyPointer busy(screen);

    // 2. The wallpaper.
    ApplyWallpaper(platform, state, selectedWallpaper);

    // 3. The colour scheme.
    ApplyColorScheme(platform, module, schemeListIndex);
}

} // namespace mixmatch
