#include "themepreview/PreviewParts.h"

#include "platform/DesktopFacts.h"
#include "platform/WinFacts.h"
#include "platform/ui/PictureDecoder.h"
#include "runtime/Error.h"
#include "system/clsRegistry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace themepreview {

namespace {

using themefile::Aspect;
using themefile::AspectState;
using themefile::CheckedTheme;
using themefile::IconRole;

enum class Placement { centred, tiled, stretched };

// A wallpaper file bigger than this is not read: no picture Windows 95 to 2000
// shows as a wallpaper comes near it.
constexpr std::size_t MaxWallpaperBytes = 32u << 20;
// Tiles drawn at most; a smaller picture is repeated into a bigger tile first.
constexpr long long MaxTiles = 4096;

struct Wallpaper {
    std::string path; // empty for none
    Placement placement = Placement::centred;
};

std::string currentDesktopValue(sys::clsRegistry& registry, const char* name) {
    if (registry.QueryKeyValue("Control Panel\\Desktop", name, win::HKEY_CURRENT_USER) != 0)
        return "";
    return registry.StringKeyValue();
}

// The theme's picture, tiling and style where its wallpaper was allowed, the
// desktop's own otherwise and for what the theme leaves out. A picture the check
// found missing is left alone by the applier: the desktop keeps its own. Windows
// 95 to 2000 tile when TileWallpaper is 1, stretch when WallpaperStyle is 2.
Wallpaper wallpaperOf(const CheckedTheme& theme, win::WindowsApi& api) {
    sys::clsRegistry registry(api);
    const auto current = [&](const char* name) { return currentDesktopValue(registry, name); };
    const bool themed = theme.report(Aspect::wallpaper).state == AspectState::ok;
    Wallpaper wallpaper;
    if (themed && theme.wallpaper && !theme.wallpaper->missing())
        wallpaper.path = theme.wallpaper->path();
    else
        wallpaper.path = current("Wallpaper");
    if (wallpaper.path == "(None)")
        wallpaper.path.clear();
    const bool tile = themed && theme.tileWallpaper ? *theme.tileWallpaper : current("TileWallpaper") == "1";
    const int style =
        themed && theme.wallpaperStyle ? *theme.wallpaperStyle : std::atoi(current("WallpaperStyle").c_str());
    wallpaper.placement = tile ? Placement::tiled : style == 2 ? Placement::stretched : Placement::centred;
    return wallpaper;
}

// A picture that cannot be read or decoded leaves the desktop colour alone.
std::optional<ui::DecodedImage> decodeWallpaper(const std::string& path, rt::Runtime& runtime) {
    if (path.empty())
        return std::nullopt;
    try {
        const std::string bytes = runtime.readBytes(path, 0, MaxWallpaperBytes + 1);
        if (bytes.size() > MaxWallpaperBytes)
            return std::nullopt;
        return ui::decodePicture(bytes, ui::PictureFormats::wallpaper);
    } catch (const rt::Error&) {
        return std::nullopt;
    }
}

// Screen pixels to the preview's: the screen maps onto the whole area.
class ScreenScale {
public:
    ScreenScale(const ui::Rect& area, int screenWidth, int screenHeight)
        : area_(area), width_(screenWidth), height_(screenHeight) {}
    int screenWidth() const { return width_; }
    int screenHeight() const { return height_; }
    // Both edges mapped, so that tiles meet without gaps.
    ui::Rect rect(int x, int y, int width, int height) const {
        const int left = mapX(x);
        const int top = mapY(y);
        return {left, top, std::max(1, mapX(x + width) - left), std::max(1, mapY(y + height) - top)};
    }

private:
    int mapX(int x) const {
        return area_.left + static_cast<int>(static_cast<long long>(x) * area_.width / width_);
    }
    int mapY(int y) const {
        return area_.top + static_cast<int>(static_cast<long long>(y) * area_.height / height_);
    }
    ui::Rect area_;
    int width_;
    int height_;
};

ui::DecodedImage repeated(const ui::DecodedImage& image, int times) {
    ui::DecodedImage tile;
    tile.width = image.width * times;
    tile.height = image.height * times;
    tile.rgba.resize(static_cast<std::size_t>(tile.width) * static_cast<std::size_t>(tile.height) * 4);
    const std::size_t row = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < tile.height; ++y)
        for (int copy = 0; copy < times; ++copy)
            std::copy_n(&image.rgba[static_cast<std::size_t>(y % image.height) * row], row,
                        &tile.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(times) +
                                    static_cast<std::size_t>(copy)) *
                                   row]);
    return tile;
}

std::vector<ui::Rect> placesOf(Placement placement, const ScreenScale& scale, const ui::Rect& area,
                               const ui::DecodedImage& image) {
    const int width = scale.screenWidth();
    const int height = scale.screenHeight();
    switch (placement) {
    case Placement::stretched:
        return {area};
    case Placement::centred:
        return {
            scale.rect((width - image.width) / 2, (height - image.height) / 2, image.width, image.height)};
    case Placement::tiled:
        break;
    }
    std::vector<ui::Rect> tiles;
    for (int y = 0; y < height; y += image.height)
        for (int x = 0; x < width; x += image.width)
            tiles.push_back(scale.rect(x, y, image.width, image.height));
    return tiles;
}

// ---- desktop icons --------------------------------------------------------------

struct IconFile {
    std::string file;
    int index = 0;
};

// The icon each object shows on the desktop: its own, the Recycle Bin's "empty" one.
IconRole shownRole(std::size_t object) {
    return object == 3 ? IconRole::empty : IconRole::normal;
}

// The shell's own icons of the objects in shell32.dll, which every Windows from
// 95 on has: My Computer 15, the Start menu's Documents 20, Network
// Neighborhood 17, the empty Recycle Bin 31.
constexpr int standardIcons[] = {15, 20, 17, 31};

std::optional<IconFile> themeIcon(const CheckedTheme& theme, std::size_t object) {
    const themefile::CheckedIcon* shown = nullptr;
    for (const themefile::CheckedIcon& icon : theme.icons) {
        if (static_cast<std::size_t>(icon.object) != object)
            continue;
        if (icon.role == shownRole(object) || (shown == nullptr && icon.role == IconRole::normal))
            shown = &icon;
    }
    if (shown == nullptr || shown->file.missing() || shown->file.isDefault())
        return std::nullopt;
    return IconFile{shown->file.path(), shown->hasIndex ? shown->index : 0};
}

// "C:\WINDOWS\SYSTEM\shell32.dll,15" from the object's DefaultIcon key; nothing
// for a value that is not a plain path (NT's "%SystemRoot%\..." values included).
std::optional<IconFile> currentIcon(win::WindowsApi& api, std::size_t object) {
    sys::clsRegistry registry(api);
    const std::string key = std::string("CLSID\\") + win::desktopObjects[object].clsid + "\\DefaultIcon";
    if (registry.QueryKeyValue(key, shownRole(object) == IconRole::empty ? "empty" : "",
                               win::HKEY_CLASSES_ROOT) != 0)
        return std::nullopt;
    const std::string value = registry.StringKeyValue();
    const std::size_t comma = value.rfind(',');
    IconFile icon{value.substr(0, comma),
                  comma == std::string::npos ? 0 : std::atoi(value.c_str() + comma + 1)};
    if (icon.file.empty() || icon.file.find('%') != std::string::npos)
        return std::nullopt;
    return icon;
}

bool isDark(win::COLORREF color) {
    const int red = static_cast<int>(color & 0xFF);
    const int green = static_cast<int>((color >> 8) & 0xFF);
    const int blue = static_cast<int>((color >> 16) & 0xFF);
    return 299 * red + 587 * green + 114 * blue < 128000;
}

} // namespace

void drawWallpaper(ui::Canvas& canvas, const ui::Rect& area, const CheckedTheme& theme,
                   const PreviewScheme& scheme, rt::Platform& platform) {
    canvas.fill(area, scheme.color(win::COLOR_BACKGROUND));
    const Wallpaper wallpaper = wallpaperOf(theme, platform.api);
    std::optional<ui::DecodedImage> image = decodeWallpaper(wallpaper.path, platform.runtime);
    if (!image)
        return;
    const int screenWidth = platform.api.GetSystemMetrics(win::SM_CXSCREEN);
    const int screenHeight = platform.api.GetSystemMetrics(win::SM_CYSCREEN);
    const ScreenScale scale(area, screenWidth > 0 ? screenWidth : area.width,
                            screenHeight > 0 ? screenHeight : area.height);
    if (wallpaper.placement == Placement::tiled) {
        const long long tiles = static_cast<long long>(scale.screenWidth() / image->width + 1) *
                                (scale.screenHeight() / image->height + 1);
        if (tiles > MaxTiles)
            image = repeated(*image,
                             static_cast<int>(std::ceil(std::sqrt(static_cast<double>(tiles) / MaxTiles))));
    }
    canvas.picture(*image, placesOf(wallpaper.placement, scale, area, *image), area);
}

void drawDesktopIcons(ui::Canvas& canvas, const ui::Rect& area, int columnWidth, const CheckedTheme& theme,
                      const PreviewScheme& scheme, win::WindowsApi& api) {
    constexpr int iconSize = 32;
    const int rowHeight = area.height / static_cast<int>(win::desktopObjects.size());
    const int lineHeight = std::abs(static_cast<int>(scheme.iconFont.lfHeight)) + 4;
    const win::COLORREF textColor =
        isDark(scheme.color(win::COLOR_BACKGROUND)) ? ui::RGB(255, 255, 255) : ui::RGB(0, 0, 0);
    for (std::size_t object = 0; object < win::desktopObjects.size(); ++object) {
        const int top = area.top + static_cast<int>(object) * rowHeight + 2;
        std::optional<IconFile> icon = themeIcon(theme, object);
        if (!icon)
            icon = currentIcon(api, object);
        if (!icon)
            icon = IconFile{"shell32.dll", standardIcons[object]};
        canvas.icon({area.left + (columnWidth - iconSize) / 2, top, iconSize, iconSize}, icon->file,
                    icon->index);
        canvas.text({area.left, top + iconSize + 1, columnWidth, lineHeight},
                    win::desktopObjects[object].name, scheme.iconFont, textColor, ui::TextAlign::centre);
    }
}

} // namespace themepreview
