#include "themefile/WindowsDefaults.h"

#include "platform/DesktopFacts.h"

#include <cstring>
#include <iterator>

namespace themefile {
namespace {

// The three looks of a fresh install: Windows 95 and NT 4 share one, Windows 98 and
// ME another; Windows 2000 has its own. Each table below has a column per look.
enum Look { look95, look98, look2000, lookCount };

struct Version {
    std::string_view tag;
    Look look;
    bool ntFamily; // %SystemRoot%\System32 rather than %WinDir%\SYSTEM
};

constexpr Version versions[] = {
    {"95", look95, false}, {"98", look98, false},    {"ME", look98, false},
    {"NT", look95, true},  {"2000", look2000, true},
};

constexpr win::COLORREF rgb(unsigned r, unsigned g, unsigned b) {
    return r | g << 8 | b << 16;
}

// The "Windows Standard" scheme by colour index (win::colorValueNames), per look.
// - Windows 2000: Wine's DefSysColors (dlls/user32/sysparams.c), which are Windows
//   2000's, but for HotTrackingColor, where Wine keeps 0 0 200 of its own and the
//   "Windows Classic" theme of later Windows, which keeps Windows 2000's scheme,
//   0 0 128, which is taken here. (That theme has 192 192 192 for
//   ButtonAlternateFace; Wine's 181 181 181 is kept.)
// - Windows 95 and 98: the DefSysColors95 table of Wine's windows/syscolor.c (its
//   Windows 95 look), but for ButtonLight, where Wine has 224 224 224 and a list of
//   colours read from Windows 95 itself 223 223 223, which is taken here. Its colours
//   25 to 28 are those of Windows 98, whose gradient captions run from 0 0 128 to
//   16 132 208. Windows 95 and NT 4 know colours 0 to 24 only (COLOR_INFOBK is the
//   last of their headers); GetSysColor returns 0 for an index out of range (its
//   documentation), so their 25 to 28 are 0 0 0.
constexpr win::COLORREF standardColors[][lookCount] = {
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // Scrollbar
    {rgb(0, 128, 128), rgb(0, 128, 128), rgb(58, 110, 165)},      // Background
    {rgb(0, 0, 128), rgb(0, 0, 128), rgb(10, 36, 106)},           // ActiveTitle
    {rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128)}, // InactiveTitle
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // Menu
    {rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)}, // Window
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},                   // WindowFrame
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},                   // MenuText
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},                   // WindowText
    {rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)}, // TitleText
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // ActiveBorder
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // InactiveBorder
    {rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128)}, // AppWorkspace
    {rgb(0, 0, 128), rgb(0, 0, 128), rgb(10, 36, 106)},           // Hilight
    {rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)}, // HilightText
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // ButtonFace
    {rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128)}, // ButtonShadow
    {rgb(128, 128, 128), rgb(128, 128, 128), rgb(128, 128, 128)}, // GrayText
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},                   // ButtonText
    {rgb(192, 192, 192), rgb(192, 192, 192), rgb(212, 208, 200)}, // InactiveTitleText
    {rgb(255, 255, 255), rgb(255, 255, 255), rgb(255, 255, 255)}, // ButtonHilight
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(64, 64, 64)},                // ButtonDkShadow
    {rgb(223, 223, 223), rgb(223, 223, 223), rgb(212, 208, 200)}, // ButtonLight
    {rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0)},                   // InfoText
    {rgb(255, 255, 225), rgb(255, 255, 225), rgb(255, 255, 225)}, // InfoWindow
    {0, rgb(180, 180, 180), rgb(181, 181, 181)},                  // ButtonAlternateFace
    {0, rgb(0, 0, 255), rgb(0, 0, 128)},                          // HotTrackingColor
    {0, rgb(16, 132, 208), rgb(166, 202, 240)},                   // GradientActiveTitle
    {0, rgb(181, 181, 181), rgb(192, 192, 192)},                  // GradientInactiveTitle
};
static_assert(std::size(standardColors) == win::colorValueNames.size());

// The "Windows Default" sound scheme, per look; nullptr where the look has no sound
// for the event. The events and files of Windows 95 and 98 (and so NT 4 and ME) are
// those of the [AppEvents] example of Microsoft's "Theme File Format" article, all
// files that they install in their Media folder; Windows 98 and 2000 add Internet
// Explorer's "Start Navigation" click (start.wav). No Microsoft list of Windows
// 2000's scheme was found: its own log-on and log-off sounds, recycle.wav and
// notify.wav are chosen from the files it installs in its Media folder.
struct SoundRow {
    const char* application;
    const char* event;
    const char* files[lookCount];
};
constexpr SoundRow defaultSounds[] = {
    {".Default", ".Default", {"ding.wav", "ding.wav", "ding.wav"}},
    {".Default", "SystemAsterisk", {"chord.wav", "chord.wav", "chord.wav"}},
    {".Default", "SystemExclamation", {"chord.wav", "chord.wav", "chord.wav"}},
    {".Default", "SystemHand", {"chord.wav", "chord.wav", "chord.wav"}},
    {".Default", "SystemQuestion", {"chord.wav", "chord.wav", "chord.wav"}},
    {".Default",
     "SystemStart",
     {"The Microsoft Sound.wav", "The Microsoft Sound.wav", "Windows Logon Sound.wav"}},
    {".Default", "SystemExit", {"tada.wav", "tada.wav", "Windows Logoff Sound.wav"}},
    {".Default", "MailBeep", {nullptr, nullptr, "notify.wav"}},
    {"Explorer", "EmptyRecycleBin", {"ding.wav", "ding.wav", "recycle.wav"}},
    {"Explorer", "Navigating", {nullptr, "start.wav", "start.wav"}},
};

// The icons Windows registers under each object's DefaultIcon key, in the Windows
// ("W") or system ("S") folder: My Computer is Explorer's first icon, the others
// are shell32.dll's (17 the network, 31 and 32 the empty and full Recycle Bin) as
// Microsoft's theme-file article and the themes of later Windows name them, and My
// Documents, on the desktop from Windows 98 and 2000 on (not on a fresh Windows 95 or
// NT 4), is mydocs.dll's first.
struct IconRow {
    int object; // index into win::desktopObjects
    IconRole role;
    char folder;
    const char* file;
    int index;
};
constexpr IconRow defaultIcons[] = {
    {0, IconRole::normal, 'W', "explorer.exe", 0}, {1, IconRole::normal, 'S', "mydocs.dll", 0},
    {2, IconRole::normal, 'S', "shell32.dll", 17}, {3, IconRole::full, 'S', "shell32.dll", 32},
    {3, IconRole::empty, 'S', "shell32.dll", 31},
};
constexpr int myDocuments = 1;

constexpr int fontHeight8pt = -11; // 8 points at 96 dpi: -MulDiv(8, 96, 72)
constexpr win::LONG regular = 400; // FW_NORMAL
constexpr win::LONG bold = 700;    // FW_BOLD

win::LOGFONTA font(const char* face, win::LONG weight) {
    win::LOGFONTA font{};
    font.lfHeight = fontHeight8pt;
    font.lfWeight = weight;
    std::strncpy(font.lfFaceName, face, sizeof font.lfFaceName - 1);
    return font;
}

// The sizes of the "Windows Standard" scheme, the same on all five versions (Wine's
// sysparams.c entries BORDER, SCROLLWIDTH, SCROLLHEIGHT, CAPTIONWIDTH, CAPTIONHEIGHT,
// MENUWIDTH, MENUHEIGHT, ICONHORIZONTALSPACING, ICONVERTICALSPACING, ICONTITLEWRAP).
// The small caption is 12 by 15 with a bold font, as in the [Metrics] example of
// Microsoft's theme-file article; Wine has 13 and a regular font. The fonts are "MS
// Sans Serif" before Windows 2000 and "Tahoma" there, 8 points, captions bold, the
// rest of each LOGFONTA 0 as in that example (ANSI_CHARSET, default precisions,
// quality and pitch).
win::NONCLIENTMETRICSA nonClientMetrics(const char* face) {
    win::NONCLIENTMETRICSA record{};
    record.cbSize = sizeof record;
    record.iBorderWidth = 1;
    record.iScrollWidth = record.iScrollHeight = 16;
    record.iCaptionWidth = record.iCaptionHeight = 18;
    record.lfCaptionFont = font(face, bold);
    record.iSmCaptionWidth = 12;
    record.iSmCaptionHeight = 15;
    record.lfSmCaptionFont = font(face, bold);
    record.iMenuWidth = record.iMenuHeight = 18;
    record.lfMenuFont = record.lfStatusFont = record.lfMessageFont = font(face, regular);
    return record;
}

win::ICONMETRICSA iconMetrics(const char* face) {
    win::ICONMETRICSA record{};
    record.cbSize = sizeof record;
    record.iHorzSpacing = record.iVertSpacing = 75;
    record.iTitleWrap = 1;
    record.lfFont = font(face, regular);
    return record;
}

const Version& versionOf(std::string_view tag) {
    for (const Version& version : versions)
        if (version.tag == tag)
            return version;
    return versions[std::size(versions) - 1];
}

template <typename T> Setting<T> setting(std::string name, T value) {
    return {std::move(name), std::move(value), {}};
}

} // namespace

ThemeFile windowsDefaultTheme(std::string_view versionTag) {
    const Version& version = versionOf(versionTag);
    const std::string windows = version.ntFamily ? "%SystemRoot%" : "%WinDir%";
    const std::string system = windows + (version.ntFamily ? "\\System32" : "\\SYSTEM");
    const char* face = version.look == look2000 ? "Tahoma" : "MS Sans Serif";

    ThemeFile theme;
    theme.displayName = "Windows default";
    for (std::size_t index = 0; index < win::colorValueNames.size(); ++index)
        theme.colors.push_back(setting<Color>(
            win::colorValueNames[index], {static_cast<int>(index), standardColors[index][version.look]}));

    theme.pointerScheme = setting<std::string>("scheme name", "");
    for (std::size_t slot = 0; slot < win::cursorValueNames.size(); ++slot)
        theme.pointers.push_back(
            setting<PointerFile>(win::cursorValueNames[slot], {static_cast<int>(slot), ""}));

    for (const IconRow& row : defaultIcons) {
        if (row.object == myDocuments && version.look == look95)
            continue;
        const std::string object = win::desktopObjects[static_cast<std::size_t>(row.object)].name;
        const std::string name = row.role == IconRole::normal ? object
                                 : row.role == IconRole::full ? object + " full"
                                                              : object + " empty";
        const std::string path = (row.folder == 'W' ? windows : system) + "\\" + row.file;
        theme.icons.push_back(setting<IconFile>(name, {row.object, row.role, path, true, row.index}));
    }

    theme.wallpaper = setting<std::string>("Wallpaper", "");
    theme.tileWallpaper = setting("TileWallpaper", false);
    theme.wallpaperStyle = setting("WallpaperStyle", 0);
    theme.pattern = setting<std::string>("Pattern", "(None)");

    for (const SoundRow& row : defaultSounds)
        if (const char* file = row.files[version.look])
            theme.sounds.push_back(
                setting<SoundFile>(std::string(row.application) + "\\" + row.event,
                                   {row.application, row.event, windows + "\\Media\\" + file}));

    theme.nonClientMetrics = setting("NonclientMetrics", nonClientMetrics(face));
    theme.iconMetrics = setting("IconMetrics", iconMetrics(face));
    return theme;
}

} // namespace themefile
