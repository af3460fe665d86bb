// What a snapshot holds: everything an apply of this program may change, as Windows
// has it now, read where the applies write it (nothing else of the registry is read).
//   colors    the 29 live colours (GetSysColor) and the raw HKCU\Control Panel\Colors values
//   pointers  the raw HKCU\Control Panel\Cursors values (scheme name and every pointer) and
//             the keys below it (the catalogue apply makes one per pointer name)
//   icons     the default, "full" and "empty" values of each desktop object's DefaultIcon
//             key in HKEY_CLASSES_ROOT\CLSID and in HKCU\Software\Classes\CLSID, and
//             which of those keys exist
//   wallpaper Wallpaper, TileWallpaper, WallpaperStyle and Pattern of HKCU\Control Panel\Desktop
//   sounds    the default value of HKCU\AppEvents\Schemes, every application and event key
//             under its Apps key, and each event's ".Current" sound
//   saver     system.ini [boot] SCRNSAVE.EXE, the same value, ScreenSaveActive and
//             ScreenSaveTimeOut under HKCU\Control Panel\Desktop (where Windows NT keeps
//             them), and the live switch and wait (SystemParametersInfoA)
//   fonts, sizes  the live NONCLIENTMETRICSA and ICONMETRICSA records
//   pictures  the bytes of c:\logo.sys, logos.sys and logow.sys of the Windows folder and
//             the three folder web-view pictures of its Web folder, or that they are not there
// For every value, key and file: whether it existed, so that a restore deletes again what
// an apply made. The .theme half (`theme`) says the same in the words of a theme file.
#pragma once

#include "platform/WinTypes.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeFile.h"
#include "themefile/ThemeWriter.h"

#include <optional>
#include <string>
#include <vector>

namespace rt {
struct Platform;
}

namespace snapshot {

struct RawValue {
    themefile::Aspect aspect = themefile::Aspect::colors;
    win::HKEY root = win::HKEY_CURRENT_USER;
    std::string key, name;
    bool exists = false;
    win::DWORD type = win::REG_NONE;
    std::string data; // the bytes as RegQueryValueExA gives them
};

// A key an apply may make; with a depth, every key down to that many levels below it was
// listed too (those that exist), and a restore deletes any other there.
struct RawKey {
    themefile::Aspect aspect = themefile::Aspect::colors;
    win::HKEY root = win::HKEY_CURRENT_USER;
    std::string key;
    bool exists = false;
    int depth = 0;
};

struct KeptFile {
    std::string path; // "c:\logo.sys"
    bool exists = false;
    std::string bytes;
    // Its copy beside the snapshot: the name with the content's hash, so an unchanged file
    // is copied once (storedName(), worked out once when the file is read).
    std::string stored;
    std::string storedName() const;
};

struct SystemState {
    themefile::ThemeFile theme;
    std::vector<RawValue> values;
    std::vector<RawKey> keys;
    std::vector<KeptFile> files;
    std::optional<std::string> bootSaver; // system.ini [boot] SCRNSAVE.EXE
    win::UINT screenSaveTimeOut = 0;      // seconds, live
};

// Reads what an apply may change (throws rt::Error for what it cannot read: a value that
// cannot be told present or absent is not guessed).
SystemState captureState(rt::Platform& platform, const std::string& versionTag);

// The private section of the snapshot file, and the whole state back from a file's bytes
// (the copied files' bytes left empty: `files` names them). Throws rt::Error 380 for a
// file that is not a snapshot of this program or is damaged.
themefile::ExtraSection stateSection(const SystemState& state);
SystemState readState(const std::string& bytes, const std::string& fileName, const themefile::ToAnsi& toAnsi);

} // namespace snapshot
