#include "mixmatch/MixMatchApply.h"

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/ui/WindowSystem.h"
#include "runtime/Error.h"
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
    try {
        const std::int32_t row = module.activeSchemeRowNumber();
        return isSchemeRow(row) ? std::optional<std::int32_t>(row) : std::nullopt;
    } catch (const rt::Error&) {
        return std::nullopt;
    }
}

} // namespace

void ApplyWallpaper(rt::Platform& platform, MixMatchState& state, const std::string& selectedWallpaper) {
    state.wallpaperObject = std::make_unique<sys::ScreenInfo>(platform.api);
    if (!selectedWallpaper.empty())
        state.wallpaperObject->DesktopWallpaper(selectedWallpaper);
}

bool ApplyColorScheme(rt::Platform& platform, catalogue::Module1& module, int schemeListIndex) {
    // A half-valid selection would write the icons and cursors of one row and
    // stop before the colours: check both rows before anything is written.
    if (!isSchemeRow(schemeListIndex) || !recordedColorRow(module))
        return false;
    sys::SystemColorsFast colors(platform);
    colors.UpdateImmediately = false;
    appearance::UpdateColors(colors, module, appearance::ApplyVariant::Scheme, -1, schemeListIndex);
    return true;
}

void ApplyMixNMatch(rt::Platform& platform, catalogue::Module1& module, MixMatchState& state,
                    const std::string& selectedWallpaper, int schemeListIndex, ui::Screen& screen) {
    screen.setMousePointer(ui::vbHourglass);
    try {
        ApplyWallpaper(platform, state, selectedWallpaper);
        ApplyColorScheme(platform, module, schemeListIndex);
    } catch (...) {
        screen.setMousePointer(ui::vbDefault);
        throw;
    }
    screen.setMousePointer(ui::vbDefault);
}

} // namespace mixmatch
