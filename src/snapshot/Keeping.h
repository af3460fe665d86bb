// What keeping and restoring a snapshot share (KeepSnapshot.cpp): where the kept files
// are, writing a file whole, and the snapshot taken before a write.
#pragma once

#include "snapshot/SnapshotState.h"
#include "snapshot/Snapshots.h"

#include <string>
#include <vector>

namespace rt {
struct Platform;
}
namespace win {
class WindowsApi;
}

namespace snapshot {

// The folder of the system files' copies, beside the kept snapshots.
extern const char* const filesFolder;
// "Previous settings", "Original settings".
const char* nameOf(Kept which);
// The kept snapshot's .theme file in the user's folder.
std::string themePath(const std::string& folder, Kept which);

// Whether a plain file is there, as the runtime's Dir finds one (not a folder, nor a
// hidden or system file), in one call that reads no folder. A file that cannot be told
// there or not (access denied, a drive not ready) is an error, not a guess.
bool plainFileThere(win::WindowsApi& api, const std::string& path);

// The names of an open key's sub-keys (throws rt::Error when Windows cannot list them).
std::vector<std::string> subKeysOf(win::WindowsApi& api, win::HKEY handle);

// Writes a file whole: under a temporary name first, then renamed; an existing file keeps
// its name until the new one is complete, and is back under it when the rename fails.
void writeWhole(rt::Platform& platform, const std::string& path, const std::string& bytes);

// The state now, kept as "Previous settings" (and "Original settings" the first time);
// an error says that nothing was changed, and why.
SystemState snapshotNow(rt::Platform& platform, const std::string& versionTag);

} // namespace snapshot
