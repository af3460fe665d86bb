// The theme files the user opened on the Themes tab, the last ten, kept per user
// under HKEY_CURRENT_USER\Software\Decorama as "Theme file 1" (the latest) to
// "Theme file 10", so that they are listed again at the next start.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace rt {
struct Platform;
}

namespace themes {

constexpr std::size_t openedThemeFilesKept = 10;

// The kept files, latest first; a file that is gone is left out, silently.
std::vector<std::string> loadOpenedThemeFiles(rt::Platform& platform);

// Keeps path as the latest (once, whatever the case of its letters), the older
// ones after it up to ten; returns the new list. A list that cannot be kept
// still holds for this run, so a failure is not reported.
std::vector<std::string> rememberOpenedThemeFile(rt::Platform& platform, const std::string& path);

} // namespace themes
