// The Themes tab's entries after the catalogue's themes: the theme files of the
// program folder's "Themes" folder and the theme files the user opened. What
// selecting one shows is drawn from its checked theme; applying one writes the
// aspects the user chose, its screen saver only when the user says yes to it.
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
    enum class Kind { file };
    Kind kind = Kind::file;
    std::string name; // as the list shows it: the file's name without its extension
    std::string path; // the file's full path
};

// The Themes folder's files by name, then the opened files (latest first) that
// are not among them.
std::vector<ListedTheme> listedThemes(rt::Platform& platform, const catalogue::Module1& module,
                                      const std::vector<std::string>& openedFiles);

// The entry of a theme file.
ListedTheme listedFile(const std::string& path);

// Reads a theme file and checks it as the Themes tab shows and applies it: its
// screen saver allowed, for the user to confirm at each apply. Throws rt::Error
// when the file cannot be read or is no theme file.
themefile::CheckedTheme checkThemeFile(rt::Platform& platform, const std::string& path);

// The checked theme an entry stands for; throws as checkThemeFile does.
themefile::CheckedTheme checkedThemeOf(rt::Platform& platform, const ListedTheme& entry);

// "Apply Theme" (or Enter in the theme list) on an entry.
//
// Error rule: a file that can no longer be read is told in a message box and
// nothing is written; otherwise each aspect is applied whole or not at all and
// one aspect's failure does not stop the others; the aspects that failed are told
// together, in one message box after the apply.
//
// 1. The file checked anew: it is what is on the disc now that is applied.
// 2. Its screen saver, when it has one and it is chosen, only with the user's Yes.
// 3. The busy pointer while the aspects are written; the default one after.
// 4. One message box naming each aspect that failed and why.
void applyListedTheme(rt::Platform& platform, ui::Screen& screen, const ListedTheme& entry,
                      themefile::AspectSet aspects, const std::string& versionTag);

// What the message box after an apply says: each failed aspect under its name in
// the Settings dialog, with the error; empty when none failed.
std::string failureMessage(const themeapply::ApplyReport& report);

} // namespace themes
