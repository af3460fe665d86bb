// The Themes tab's entries after the catalogue's themes: the theme files of the
// program folder's "Themes" folder, the theme files the user opened, then "Previous
// settings" and "Original settings" when they were kept, and "Windows default".
// What selecting one shows is drawn from its checked theme; applying one writes the
// aspects the user chose (a theme file's screen saver only when the user says yes
// to it), after the settings it changes were kept as "Previous settings".
#pragma once

#include "platform/ui/WindowSystem.h"
#include "themeapply/ApplyReport.h"
#include "themefile/Aspect.h"
#include "themefile/ThemeCheck.h"

#include <string>
#include <vector>

namespace catalogue {
struct Module1;
}
namespace rt {
struct Platform;
}

namespace themes {

struct ListedTheme {
    enum class Kind { file, previous, original, windowsDefault };
    Kind kind = Kind::file;
    std::string name; // as the list shows it: a file's name without its extension
    std::string path; // a file's full path
};

// The Themes folder's files by name, then the opened files (latest first) that are
// not among them.
std::vector<ListedTheme> listedThemeFiles(rt::Platform& platform, const catalogue::Module1& module,
                                          const std::vector<std::string>& openedFiles);

// After the theme files: the kept settings there are, then "Windows default".
std::vector<ListedTheme> keptSettingsEntries(rt::Platform& platform);

// The entry of a theme file.
ListedTheme listedFile(const std::string& path);

// Reads a theme file and checks it as the Themes tab shows and applies it: its
// screen saver allowed, for the user to confirm at each apply. Throws rt::Error
// when the file cannot be read or is no theme file.
themefile::CheckedTheme checkThemeFile(rt::Platform& platform, const std::string& path);

// The checked theme an entry stands for; throws as checkThemeFile does, and
// rt::Error 53 for kept settings that are gone.
themefile::CheckedTheme checkedThemeOf(rt::Platform& platform, const ListedTheme& entry,
                                       const std::string& versionTag);

// "Apply Theme" (or Enter in the theme list) on an entry.
//
// Error rule: a file that can no longer be read, kept settings that cannot be
// restored, or "Previous settings" that cannot be kept first, are told in a
// message box and nothing is written; otherwise each aspect is applied whole or
// not at all and one aspect's failure does not stop the others; the aspects that
// failed are told together, in one message box after the apply.
//
// A theme file:
// 1. checked anew: it is what is on the disc now that is applied;
// 2. its screen saver, when it has one and it is chosen, only with the user's Yes;
// 3. under the busy pointer: the settings it may change kept as "Previous
//    settings", then its aspects written; the default pointer after;
// 4. one message box naming each aspect that failed and why.
// Kept settings and "Windows default": 3 (their restore keeps the settings
// before it first) and 4.
void applyListedTheme(rt::Platform& platform, ui::Screen& screen, const ListedTheme& entry,
                      themefile::AspectSet aspects, const std::string& versionTag);

// What the message box after an apply says: each failed aspect under its name in
// the Settings dialog, with the error; empty when none failed.
std::string failureMessage(const themeapply::ApplyReport& report);

} // namespace themes
