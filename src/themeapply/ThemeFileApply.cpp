#include "themeapply/ThemeFileApply.h"

#include "appearance/AppearanceTables.h"
#include "appearance/DesktopIcons.h"
#include "platform/DesktopFacts.h"
#include "platform/Platform.h"
#include "platform/Settings.h"
#include "system/CustomRegistry.h"
#include "system/SettingCalls.h"
#include "system/ShortPath.h"
#include "system/WindowsFailure.h"
#include "system/clsRegistry.h"
#include "themeapply/DesktopBitmap.h"
#include "themeapply/MetricLimits.h"
#include "themeapply/Undo.h"
#include "themefile/Metrics.h"

#include <cstring>
#include <optional>
#include <vector>

namespace themeapply {
namespace {

using themefile::Aspect;
using themefile::CheckedPath;

// A theme's pointer slot names the same pointer in both tables.
constexpr bool sameSlotNames() {
    for (std::size_t slot = 0; slot < win::cursorValueNames.size(); ++slot) {
        const char* a = win::cursorValueNames[slot];
        const char* b = appearance::cursorSlots[slot].registryValue;
        for (; *a != '\0' || *b != '\0'; ++a, ++b)
            if (*a != *b)
                return false;
    }
    return win::cursorValueNames.size() == appearance::cursorSlots.size();
}
static_assert(sameSlotNames());

const char* const colorsKey = "Control Panel\\Colors";
const char* const cursorsKey = "Control Panel\\Cursors";
const char* const desktopKey = "Control Panel\\Desktop";

// "R G B", as Windows writes the colours.
std::string colorText(win::COLORREF rgb) {
    return std::to_string(rgb & 0xFF) + " " + std::to_string((rgb >> 8) & 0xFF) + " " +
           std::to_string((rgb >> 16) & 0xFF);
}

const char* iconValueName(themefile::IconRole role) {
    switch (role) {
    case themefile::IconRole::full:
        return "full";
    case themefile::IconRole::empty:
        return "empty";
    default:
        return "";
    }
}

class ThemeFileApply {
public:
    ThemeFileApply(rt::Platform& platform, const themefile::CheckedTheme& theme,
                   const std::string& versionTag)
        : platform_(platform), api_(platform.api), theme_(theme), versionTag_(versionTag), registry_(api_),
          values_(platform) {}

    // The files an aspect hands to Windows: one that was not there at the check fails it.
    std::vector<CheckedPath> filesOf(Aspect aspect) const {
        std::vector<CheckedPath> files;
        if (aspect == Aspect::pointers)
            for (const auto& pointer : theme_.pointers)
                files.push_back(pointer.file);
        if (aspect == Aspect::icons)
            for (const auto& icon : theme_.icons)
                files.push_back(icon.file);
        if (aspect == Aspect::sounds)
            for (const auto& sound : theme_.sounds)
                files.push_back(sound.file);
        if (aspect == Aspect::wallpaper && theme_.wallpaper)
            files.push_back(*theme_.wallpaper);
        return files;
    }

    void apply(Aspect aspect, Undo& undo) {
        switch (aspect) {
        case Aspect::colors:
            return colors(undo);
        case Aspect::pointers:
            return pointers(undo);
        case Aspect::icons:
            return icons(undo);
        case Aspect::wallpaper:
            return wallpaper(undo);
        case Aspect::sounds:
            return sounds(undo);
        case Aspect::saver:
            return saver(undo);
        case Aspect::fonts:
        case Aspect::sizes:
            return metrics(undo, aspect == Aspect::fonts);
        case Aspect::pictures:
            return; // only catalogue themes have them
        }
    }

private:
    // 1. The registry, under the names Windows reads at log-on, "R G B" (the key made
    //    where missing).
    // 2. All the file's colours live in one call; Windows tells every window.
    void colors(Undo& undo) {
        std::vector<win::INT> indices;
        std::vector<win::COLORREF> values;
        createKey(colorsKey);
        for (const themefile::CheckedColor& color : theme_.colors) {
            putText(undo, win::HKEY_CURRENT_USER, colorsKey,
                    win::colorValueNames[static_cast<std::size_t>(color.index)], colorText(color.rgb));
            indices.push_back(color.index);
            values.push_back(color.rgb);
        }
        if (!api_.SetSysColors(static_cast<int>(indices.size()), indices.data(), values.data()))
            throw sys::windowsFailure("SetSysColors", api_.GetLastError());
    }

    // 1. The pointer key, made where missing, with the scheme's name as its default value.
    // 2. Each pointer's value; the empty value is Windows' own pointer.
    // 3. The live pointers, as the catalogue apply sets them (LoadCursorFromFileA and
    //    SetSystemCursor for the same eleven ids), the animated busy pointers loaded
    //    directly: LoadCursorFromFileA reads .ani files (Microsoft: "The data in the
    //    file must be in either .CUR or .ANI format"), and a theme file's pointers
    //    have no still companions.
    // 4. Windows' own pointer for an empty value: SPI_SETCURSORS reloads every pointer
    //    from the registry. Wine lacks it (dlls/win32u/sysparams.c, WINE_SPI_FIXME:
    //    FALSE and ERROR_INVALID_SPI_VALUE), so its answer is passed over: the registry
    //    holds the pointer for the next log-on.
    void pointers(Undo& undo) {
        createKey(cursorsKey);
        undo.add([this] { reloadPointers(); });
        if (theme_.pointerScheme)
            putText(undo, win::HKEY_CURRENT_USER, cursorsKey, "", *theme_.pointerScheme);
        std::vector<std::optional<std::string>> before;
        for (const themefile::CheckedPointer& pointer : theme_.pointers)
            before.push_back(putText(undo, win::HKEY_CURRENT_USER, cursorsKey,
                                     win::cursorValueNames[static_cast<std::size_t>(pointer.slot)],
                                     pointer.file.path()));
        bool windowsOwn = false;
        for (std::size_t i = 0; i < theme_.pointers.size(); ++i) {
            const themefile::CheckedPointer& pointer = theme_.pointers[i];
            const win::DWORD id = appearance::cursorSlots[static_cast<std::size_t>(pointer.slot)].liveId;
            windowsOwn = windowsOwn || pointer.file.isDefault();
            if (id == 0 || pointer.file.isDefault())
                continue;
            setLivePointer(pointer.file.path(), id);
            const std::string old = before[i].value_or("");
            if (!old.empty())
                undo.add([this, old, id] { setLivePointer(old, id); });
        }
        if (windowsOwn)
            reloadPointers();
    }

    // Each icon where the running Windows reads it (DesktopIcons), its key made where missing.
    void icons(Undo& undo) {
        appearance::DesktopIcons icons(registry_, values_, versionTag_);
        for (const themefile::CheckedIcon& icon : theme_.icons) {
            const char* clsid = win::desktopObjects[static_cast<std::size_t>(icon.object)].clsid;
            const char* name = iconValueName(icon.role);
            icons.createKey(clsid);
            throwIfFailed(icons);
            undo.keepValue(icons.root(), icons.iconKey(clsid), name);
            icons.set(clsid, name, icon.registryText());
            throwIfFailed(icons);
        }
    }

    // 1. A picture the desktop cannot draw is converted first, before anything is written.
    // 2. Tiling and style, where Windows reads them when the wallpaper is set.
    // 3. The pattern, kept under Control Panel\Desktop as theme files and Windows
    //    NT keep it, and handed to SPI_SETDESKPATTERN as text with SPIF_UPDATEINIFILE,
    //    so that Windows draws it at once and stores it where it reads it (the 95
    //    family's win.ini [Desktop]; Wine: HKCU\Control Panel\Desktop "Pattern",
    //    dlls/win32u/sysparams.c).
    // 4. The wallpaper last: Windows stores it and tells every window.
    void wallpaper(Undo& undo) {
        std::optional<std::string> bitmap;
        if (theme_.wallpaper)
            bitmap = theme_.wallpaper->isDefault() ? std::string()
                                                   : desktopBitmapFor(platform_, theme_.wallpaper->path());
        createKey(desktopKey);
        if (theme_.tileWallpaper)
            putText(undo, win::HKEY_CURRENT_USER, desktopKey, "TileWallpaper",
                    *theme_.tileWallpaper ? "1" : "0");
        if (theme_.wallpaperStyle)
            putText(undo, win::HKEY_CURRENT_USER, desktopKey, "WallpaperStyle",
                    std::to_string(*theme_.wallpaperStyle));
        if (theme_.pattern) {
            const std::string old =
                putText(undo, win::HKEY_CURRENT_USER, desktopKey, "Pattern", *theme_.pattern).value_or("");
            setText(win::SPI_SETDESKPATTERN, *theme_.pattern, "SPI_SETDESKPATTERN");
            undo.add([this, old] { setText(win::SPI_SETDESKPATTERN, old, "SPI_SETDESKPATTERN"); });
        }
        if (bitmap)
            setText(win::SPI_SETDESKWALLPAPER, *bitmap, "SPI_SETDESKWALLPAPER");
    }

    // Each event's ".Current" key, made where missing, with the sound as its default value.
    void sounds(Undo& undo) {
        for (const themefile::CheckedSound& sound : theme_.sounds) {
            const std::string key =
                "AppEvents\\Schemes\\Apps\\" + sound.application + "\\" + sound.event + "\\.Current";
            createKey(key);
            putText(undo, win::HKEY_CURRENT_USER, key, "", sound.file.path());
        }
    }

    // As the Screen Saver tab installs one: the switch through SPI_SETSCREENSAVEACTIVE
    // (stored, as the settings table's row writes it), then the program by its short
    // path in system.ini [boot] through WritePrivateProfileStringA. The bare file name
    // is the one in the Windows folder, and Windows NT maps that section to
    // HKCU\Control Panel\Desktop by the name (IniFileMapping).
    void saver(Undo& undo) {
        if (theme_.screenSaveActive) {
            const std::int32_t old = sys::readSetting(api_, win::SPI_GETSCREENSAVEACTIVE);
            setScreenSaveActive(*theme_.screenSaveActive);
            undo.add([this, old] { setScreenSaveActive(old != 0); });
        }
        if (theme_.screenSaver) {
            std::string program;
            if (!theme_.screenSaver->isDefault()) {
                const std::optional<std::string> shortPath =
                    sys::shortPathOf(api_, theme_.screenSaver->path());
                if (!shortPath)
                    throw rt::Error(rt::ErrFileNotFound, "no short path for " + theme_.screenSaver->path());
                program = *shortPath;
            }
            if (!api_.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", program.c_str(), "system.ini"))
                throw sys::windowsFailure("WritePrivateProfileStringA", api_.GetLastError());
        }
    }

    // The records Windows has now, the theme's fonts (takeFonts) or sizes (takeSizes,
    // kept within MetricLimits) taken into them, written back whole.
    void metrics(Undo& undo, bool fonts) {
        const int dpi = fonts ? 0 : sys::displayDpi(api_);
        if (theme_.nonClientMetrics) {
            win::NONCLIENTMETRICSA now = current<win::NONCLIENTMETRICSA>(win::SPI_GETNONCLIENTMETRICS);
            const win::NONCLIENTMETRICSA old = now;
            if (fonts) {
                themefile::takeFonts(*theme_.nonClientMetrics, now);
            } else {
                themefile::takeSizes(*theme_.nonClientMetrics, now);
                clampSizes(now, dpi);
            }
            setStructure(win::SPI_SETNONCLIENTMETRICS, now);
            undo.add([this, old] { setStructure(win::SPI_SETNONCLIENTMETRICS, old); });
        }
        if (theme_.iconMetrics) {
            win::ICONMETRICSA now = current<win::ICONMETRICSA>(win::SPI_GETICONMETRICS);
            const win::ICONMETRICSA old = now;
            if (fonts) {
                themefile::takeFonts(*theme_.iconMetrics, now);
            } else {
                themefile::takeSizes(*theme_.iconMetrics, now);
                clampSizes(now, dpi);
            }
            setStructure(win::SPI_SETICONMETRICS, now);
            undo.add([this, old] { setStructure(win::SPI_SETICONMETRICS, old); });
        }
    }

    // ---- the writes, each checked ---------------------------------------------------------

    // Keeps the value as it is, then writes the text; returns the text it had.
    std::optional<std::string> putText(Undo& undo, win::HKEY root, const std::string& key,
                                       const std::string& name, const std::string& text) {
        std::optional<std::string> old = undo.keepValue(root, key, name);
        const std::string rootName =
            root == win::HKEY_CURRENT_USER ? "HKEY_CURRENT_USER\\" : "HKEY_CLASSES_ROOT\\";
        const win::LONG status = values_.WriteRegValue(rootName + key, name, text);
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegSetValueExA", static_cast<win::DWORD>(status));
        return old;
    }

    void createKey(const std::string& key) {
        const std::int32_t status = registry_.CreateKey(key, "", win::HKEY_CURRENT_USER);
        if (status != win::ERROR_SUCCESS)
            throw sys::windowsFailure("RegCreateKeyExA", static_cast<win::DWORD>(status));
    }

    static void throwIfFailed(const appearance::DesktopIcons& icons) {
        if (icons.failure())
            throw *icons.failure();
    }

    void parameter(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni, const char* name) {
        if (!api_.SystemParametersInfoA(action, uiParam, pvParam, fWinIni))
            throw sys::windowsFailure(std::string("SystemParametersInfoA(") + name + ")",
                                      api_.GetLastError());
    }

    // A text setting, stored and announced.
    void setText(win::UINT action, const std::string& text, const char* name) {
        std::string buffer = text; // Windows reads it up to its NUL from a writable buffer
        parameter(action, 0, buffer.data(), win::UpdateAndBroadcast, name);
    }

    void setScreenSaveActive(bool active) {
        parameter(win::SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr,
                  win::setting(win::SPI_SETSCREENSAVEACTIVE).fWinIni, "SPI_SETSCREENSAVEACTIVE");
    }

    template <class Record> Record current(win::UINT action) {
        Record record{};
        record.cbSize = sizeof record;
        parameter(action, sizeof record, &record, win::NoUpdate,
                  action == win::SPI_GETNONCLIENTMETRICS ? "SPI_GETNONCLIENTMETRICS" : "SPI_GETICONMETRICS");
        return record;
    }

    template <class Record> void setStructure(win::UINT action, Record record) {
        record.cbSize = sizeof record;
        parameter(action, sizeof record, &record, win::setting(action).fWinIni,
                  action == win::SPI_SETNONCLIENTMETRICS ? "SPI_SETNONCLIENTMETRICS" : "SPI_SETICONMETRICS");
    }

    void setLivePointer(const std::string& file, win::DWORD id) {
        const win::HCURSOR cursor = api_.LoadCursorFromFileA(file.c_str());
        if (cursor == 0)
            throw sys::windowsFailure("LoadCursorFromFileA", api_.GetLastError());
        if (!api_.SetSystemCursor(cursor, id))
            throw sys::windowsFailure("SetSystemCursor", api_.GetLastError());
    }

    void reloadPointers() { api_.SystemParametersInfoA(win::SPI_SETCURSORS, 0, nullptr, win::NoUpdate); }

    rt::Platform& platform_;
    win::WindowsApi& api_;
    const themefile::CheckedTheme& theme_;
    const std::string versionTag_;
    sys::clsRegistry registry_;
    sys::CustomRegistry values_;
};

} // namespace

ApplyReport applyThemeFile(rt::Platform& platform, const themefile::CheckedTheme& theme,
                           const themefile::AspectSet& aspects, const std::string& versionTag,
                           const AspectFinish& finish) {
    ApplyReport report;
    ThemeFileApply apply(platform, theme, versionTag);
    for (Aspect aspect : themefile::allAspects) {
        const themefile::AspectReport& checked = theme.report(aspect);
        if (!aspects.has(aspect)) {
            report.set(aspect, Outcome::skipped);
        } else if (checked.state == themefile::AspectState::absent) {
            report.set(aspect, Outcome::absent);
        } else if (checked.state == themefile::AspectState::refused) {
            report.set(aspect, Outcome::refused, checked.reason);
        } else {
            const std::vector<CheckedPath> files = apply.filesOf(aspect);
            if (std::any_of(files.begin(), files.end(),
                            [](const CheckedPath& file) { return file.missing(); })) {
                report.set(aspect, Outcome::failed, "file not found");
                continue;
            }
            Undo undo(platform.api);
            try {
                apply.apply(aspect, undo);
                if (finish)
                    finish(aspect, undo);
                undo.commit();
                report.set(aspect, Outcome::applied);
            } catch (const rt::Error& error) {
                report.fail(aspect, error);
            }
        }
    }
    return report;
}

} // namespace themeapply
