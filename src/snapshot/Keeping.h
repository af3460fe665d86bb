// What keeping and restoring a snapshot share (KeepSnapshot.cpp): where the kept files
// are, writing a file whole, and the snapshot taken before a write.
#pragma once

#include "snapshot/SnapshotState.h"
#include "snapshot/Snapshots.h"

#include <string>

namespace rt {
class Runtime;
}

namespace snapshot {

// The folder of the system files' copies, beside the kept snapshots.
extern const char* const filesFolder;
// "Previous settings", "Original settings".
const char* nameOf(Kept which);
// The kept snapshot's .theme file in the user's folder.
std::string themePath(const std::string& folder, Kept which);

// Writes a file whole: under a temporary name first, then renamed; an existing file keeps
// its name until the new one is complete, and is back under it when the rename fails.
void writeWhole(rt::Runtime& files, const std::string& path, const std::string& bytes);

// The state now, kept as "Previous settings" (and "Original settings" the first time);
// an error says that nothing was changed, and why.
SystemState snapshotNow(rt::Platform& platform, const std::string& versionTag);

} // namespace snapshot
