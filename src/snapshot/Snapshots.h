// "Previous settings", "Original settings" and "Windows default": the ways back from
// an apply. Before the first write of every handler that changes the desktop, what it
// may change is kept as "Previous settings" (and, the first time ever for the user, as
// "Original settings", never overwritten). A kept snapshot is a .theme file that
// Windows and readThemeFile read, with what a .theme cannot say (the exact registry
// texts, what did not exist, the copied system files) in a private section and a
// folder beside it, all in the user's application-data folder + "\Decorama" (the
// program folder where Windows has none). SnapshotState.h says what it holds.
#pragma once

#include "themeapply/ApplyReport.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeCheck.h"

#include <optional>
#include <string>

namespace rt {
struct Platform;
}

namespace snapshot {

enum class Kept { previous, original };

// The kept snapshot file of this user, when there is one.
std::optional<std::string> keptSnapshot(rt::Platform& platform, Kept which);

// The kept snapshot read and checked as our own file (trusted), or the Windows default of
// the version, as a checked theme: for previews, details and the Settings dialog.
std::optional<themefile::CheckedTheme> readKept(rt::Platform& platform, Kept which);
themefile::CheckedTheme windowsDefault(rt::Platform& platform, const std::string& versionTag);

// Before a handler's first write: keeps what it may change as "Previous settings" (and as
// "Original settings" the first time ever). Throws rt::Error, with a description a user can
// read, when it cannot be written whole; the handler then writes nothing.
void takeSnapshot(rt::Platform& platform, const std::string& versionTag);
// The window's form of it: false, after one message box saying why nothing was changed.
bool takeSnapshotOrTell(rt::Platform& platform, const std::string& versionTag);

// Restores (a snapshot first, so restoring twice goes back and forth). Each aspect is
// restored whole or left as it was; a kept snapshot that cannot be read, or the snapshot
// before it that cannot be taken, throws rt::Error and changes nothing.
themeapply::ApplyReport restoreKept(rt::Platform& platform, Kept which, const themefile::AspectSet& aspects,
                                    const std::string& versionTag);
themeapply::ApplyReport applyWindowsDefault(rt::Platform& platform, const themefile::AspectSet& aspects,
                                            const std::string& versionTag);

// What Windows has now, written as a .theme file (throws rt::Error).
void saveCurrentSettings(rt::Platform& platform, const std::string& path, const std::string& versionTag);

} // namespace snapshot
