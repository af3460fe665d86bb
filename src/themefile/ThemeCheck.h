// The check between a theme file and Windows: every value of a ThemeFile becomes
// allowed, as a value an applier can take, or refused with its reason, and each
// aspect gets its outcome:
// - absent: the file has no value for it ("pictures" always: only the program's
//   own catalogue themes have start-up and shut-down pictures);
// - refused: no value of it was allowed, or the value the others go with was
//   refused (the wallpaper's picture, the screen saver's program); the reason is
//   that of its first refused value;
// - ok: the applier applies all its allowed values; `refused` still names those
//   that were left out.
#pragma once

#include "platform/WinTypes.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeFile.h"
#include "themefile/ThemePaths.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace themefile {

enum class AspectState { ok, absent, refused };

struct RefusedValue {
    std::string name;   // "Arrow", "Wallpaper"
    std::string reason; // "network path"
};

struct AspectReport {
    AspectState state = AspectState::absent;
    std::string reason; // when refused
    std::vector<RefusedValue> refused;
};

// The console's line for an aspect: "colors: ok", "sounds: absent",
// "wallpaper: refused: network path".
std::string reportLine(Aspect aspect, const AspectReport& report);

struct CheckedColor {
    int index = 0;
    win::COLORREF rgb = 0;
};

struct CheckedPointer {
    int slot = 0; // index into win::cursorValueNames
    CheckedPath file;
};

struct CheckedIcon {
    int object = 0; // index into win::desktopObjects
    IconRole role = IconRole::normal;
    CheckedPath file;
    bool hasIndex = false;
    int index = 0;

    // What the DefaultIcon value gets: "C:\WINDOWS\SYSTEM\shell32.dll,17".
    std::string registryText() const;
};

struct CheckedSound {
    std::string application;
    std::string event;
    CheckedPath file;
};

struct CheckedTheme {
    std::string displayName;
    std::array<AspectReport, allAspects.size()> reports;
    const AspectReport& report(Aspect aspect) const { return reports[static_cast<std::size_t>(aspect)]; }

    std::vector<CheckedColor> colors;                       // colors
    std::optional<std::string> pointerScheme;               // pointers
    std::vector<CheckedPointer> pointers;                   // pointers
    std::vector<CheckedIcon> icons;                         // icons
    std::optional<CheckedPath> wallpaper;                   // wallpaper
    std::optional<bool> tileWallpaper;                      // wallpaper
    std::optional<int> wallpaperStyle;                      // wallpaper
    std::optional<std::string> pattern;                     // wallpaper
    std::vector<CheckedSound> sounds;                       // sounds
    std::optional<CheckedPath> screenSaver;                 // saver
    std::optional<bool> screenSaveActive;                   // saver
    std::optional<win::NONCLIENTMETRICSA> nonClientMetrics; // fonts and sizes (takeFonts, takeSizes)
    std::optional<win::ICONMETRICSA> iconMetrics;           // fonts and sizes

    std::vector<std::string> ignored;
};

struct CheckOptions {
    bool allowScreenSavers = false; // decocmd's /saver
    // The program's own file (a kept snapshot): its paths are where the user's settings
    // pointed, anywhere at all, so none is refused; a missing file is still marked missing.
    bool trusted = false;
};

CheckedTheme checkTheme(const ThemeFile& theme, const Surroundings& surroundings,
                        const CheckOptions& options);

} // namespace themefile
