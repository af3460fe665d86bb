#include "themes/ListedThemes.h"

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/ui/BusyPointer.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "snapshot/Snapshots.h"
#include "themeapply/Surroundings.h"
#include "themeapply/ThemeFileApply.h"
#include "themeapply/ThemeList.h"
#include "themedialogs/SettingsDialog.h"
#include "themedialogs/ThemeFileQuestions.h"
#include "themefile/ProfileText.h"

#include <algorithm>

namespace themes {

using themefile::Aspect;

std::vector<ListedTheme> listedThemeFiles(rt::Platform& platform, const catalogue::Module1& module,
                                          const std::vector<std::string>& openedFiles) {
    std::vector<ListedTheme> entries;
    const std::string folder = themeapply::themeFolderOf(module);
    for (const std::string& file : platform.runtime.FilesIn(folder, ".theme"))
        entries.push_back(listedFile(folder + "\\" + file));
    for (const std::string& path : openedFiles)
        if (std::none_of(entries.begin(), entries.end(),
                         [&](const ListedTheme& entry) { return rt::UCase(entry.path) == rt::UCase(path); }))
            entries.push_back(listedFile(path));
    return entries;
}

std::vector<ListedTheme> keptSettingsEntries(rt::Platform& platform) {
    std::vector<ListedTheme> entries;
    if (snapshot::keptSnapshot(platform, snapshot::Kept::previous))
        entries.push_back({ListedTheme::Kind::previous, "Previous settings", {}});
    if (snapshot::keptSnapshot(platform, snapshot::Kept::original))
        entries.push_back({ListedTheme::Kind::original, "Original settings", {}});
    entries.push_back({ListedTheme::Kind::windowsDefault, "Windows default", {}});
    return entries;
}

ListedTheme listedFile(const std::string& path) {
    const std::string file = path.substr(path.find_last_of("\\/") + 1);
    const std::size_t dot = file.find_last_of('.');
    return {ListedTheme::Kind::file, dot == std::string::npos || dot == 0 ? file : file.substr(0, dot), path};
}

themefile::CheckedTheme checkThemeFile(rt::Platform& platform, const std::string& path) {
    const std::string bytes = platform.runtime.readBytes(path, 0, themefile::maxFileBytes + 1);
    const themefile::ThemeFile file =
        themefile::readThemeFile(bytes, path, themeapply::ansiConverter(platform.api));
    const themeapply::WindowsSurroundings surroundings(platform, path);
    return themefile::checkTheme(file, surroundings, themefile::CheckOptions{true});
}

namespace {

snapshot::Kept keptOf(ListedTheme::Kind kind) {
    return kind == ListedTheme::Kind::original ? snapshot::Kept::original : snapshot::Kept::previous;
}

} // namespace

themefile::CheckedTheme checkedThemeOf(rt::Platform& platform, const ListedTheme& entry,
                                       const std::string& versionTag) {
    switch (entry.kind) {
    case ListedTheme::Kind::file:
        return checkThemeFile(platform, entry.path);
    case ListedTheme::Kind::previous:
    case ListedTheme::Kind::original:
        break;
    case ListedTheme::Kind::windowsDefault:
        return snapshot::windowsDefault(platform, versionTag);
    }
    std::optional<themefile::CheckedTheme> kept = snapshot::readKept(platform, keptOf(entry.kind));
    if (!kept)
        throw rt::Error(rt::ErrFileNotFound);
    return std::move(*kept);
}

void applyListedTheme(rt::Platform& platform, ui::Screen& screen, const ListedTheme& entry,
                      themefile::AspectSet aspects, const std::string& versionTag) {
    const std::string title = platform.runtime.appTitle();
    themeapply::ApplyReport report;
    if (entry.kind == ListedTheme::Kind::file) {
        // 1. The file as it is now.
        themefile::CheckedTheme theme;
        try {
            theme = checkThemeFile(platform, entry.path);
        } catch (const rt::Error& error) {
            platform.messages.MsgBox(entry.path + ": " + error.description(), rt::vbExclamation, title);
            return;
        }

        // 2. A screen saver is a program Windows will run: asked each time.
        if (aspects.has(Aspect::saver) && theme.screenSaver &&
            !themedialogs::confirmScreenSaver(platform.messages, entry.path, *theme.screenSaver))
            aspects = aspects.without({Aspect::saver});

        // 3. The settings it may change kept, then its aspects written, under the busy pointer.
        const ui::BusyPointer busy(screen);
        if (!snapshot::takeSnapshotOrTell(platform, versionTag))
            return;
        report = themeapply::applyThemeFile(platform, theme, aspects, versionTag);
    } else {
        // 3. Restored, or Windows' defaults applied, under the busy pointer.
        try {
            const ui::BusyPointer busy(screen);
            report = entry.kind == ListedTheme::Kind::windowsDefault
                         ? snapshot::applyWindowsDefault(platform, aspects, versionTag)
                         : snapshot::restoreKept(platform, keptOf(entry.kind), aspects, versionTag);
        } catch (const rt::Error& error) {
            platform.messages.MsgBox(entry.name + ": " + error.description(), rt::vbExclamation, title);
            return;
        }
    }

    // 4. What failed, in one box.
    const std::string failures = failureMessage(report);
    if (!failures.empty())
        platform.messages.MsgBox(failures, rt::vbExclamation, title);
}

std::string failureMessage(const themeapply::ApplyReport& report) {
    std::string lines;
    for (Aspect aspect : themefile::allAspects) {
        if (report[aspect].outcome != themeapply::Outcome::failed)
            continue;
        std::string name = themedialogs::aspectCaption(aspect);
        name.erase(std::remove(name.begin(), name.end(), '&'), name.end());
        lines += "\n" + name + ": " + report[aspect].reason;
    }
    return lines.empty() ? lines : "These settings could not be applied:\n" + lines;
}

} // namespace themes
