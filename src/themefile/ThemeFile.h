// The theme a .theme file describes, as its reader finds it and before any check:
// colours as numbers, fonts and sizes as the Windows records, paths as the text the
// file gives. Nothing here may reach Windows or the disc; ThemeCheck turns it into a
// CheckedTheme. Every value carries the name reports give it and, when the reader
// refused it already, why. An aspect the file does not have has no values.
//
// Sections and values of later Windows ([VisualStyles], [Slideshow], [Sounds],
// BrandImage in [Theme], any "@module,-id" text), every other section the reader
// does not know, a repeated section and an unknown key of a known section are not
// read: each is listed in `ignored`.
#pragma once

#include "platform/WinTypes.h"
#include "themefile/ProfileText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace themefile {

template <typename T> struct Setting {
    std::string name;    // "Arrow", "Wallpaper", "Recycle Bin full", ".Default\SystemAsterisk"
    T value{};           // what the file says, when the reader took it
    std::string refusal; // why the reader refused it; empty when it did not
};

struct Color {
    int index = 0; // COLOR_ index, 0..28
    win::COLORREF rgb = 0;
};

struct PointerFile {
    int slot = 0; // index into win::cursorValueNames
    std::string path;
};

// Roles of an icon under a desktop object's DefaultIcon key.
enum class IconRole { normal, full, empty };

struct IconFile {
    int object = 0; // index into win::desktopObjects
    IconRole role = IconRole::normal;
    std::string path;
    bool hasIndex = false; // "path,index"
    int index = 0;         // negative: a resource id
};

struct SoundFile {
    std::string application; // ".Default", "Explorer"
    std::string event;       // "SystemAsterisk"
    std::string path;
};

struct ThemeFile {
    std::string displayName;

    std::vector<Setting<Color>> colors;
    std::optional<Setting<std::string>> pointerScheme;
    std::vector<Setting<PointerFile>> pointers;
    std::vector<Setting<IconFile>> icons;

    std::optional<Setting<std::string>> wallpaper; // the picture's path
    std::optional<Setting<bool>> tileWallpaper;
    std::optional<Setting<int>> wallpaperStyle;  // 0 or 2 (6 and 10 read as 2)
    std::optional<Setting<std::string>> pattern; // "(None)" or eight numbers

    std::vector<Setting<SoundFile>> sounds;

    std::optional<Setting<std::string>> screenSaver; // [boot] SCRNSAVE.EXE
    std::optional<Setting<bool>> screenSaveActive;

    std::optional<Setting<win::NONCLIENTMETRICSA>> nonClientMetrics;
    std::optional<Setting<win::ICONMETRICSA>> iconMetrics;

    std::vector<std::string> ignored; // "[VisualStyles]", "[Theme] BrandImage"
};

// Reads a theme file's bytes; fileName (a path or a bare name) gives the display
// name when the file has no plain one. Throws rt::Error 380 when the file is
// refused whole (ProfileText::read).
ThemeFile readThemeFile(std::string_view bytes, std::string_view fileName, const ToAnsi& toAnsi);

} // namespace themefile
