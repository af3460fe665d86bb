// The short (8.3) form of a path, as the program hands paths to places that
// hold no long names (system.ini, the start-up sound's registry value).
#pragma once

#include <optional>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

// GetShortPathNameA with a buffer of 67 characters. Nothing when Windows has no
// short path for it (a missing file) or the short path does not fit: a cut path
// would name some other file.
std::optional<std::string> shortPathOf(win::WindowsApi& api, const std::string& longPath);

} // namespace sys
