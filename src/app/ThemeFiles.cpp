// The Themes tab's entries after the catalogue's themes: theme files, listed
// from the Themes folder and the files the user opened, opened with "Open theme
// file..." or from the command line, or saved with "Save current settings...";
// the kept "Previous settings" and "Original settings"; "Windows default". Each is
// previewed as drawn from its checked values, applied with the aspects chosen in
// the Settings dialog and shown in the Details dialog. The catalogue's themes keep
// their own preview and apply (frmMain.cpp).
#include "app/frmMain.h"

#include "catalogue/PreviewLayout.h"
#include "runtime/Error.h"
#include "platform/ui/BusyPointer.h"
#include "runtime/TextConv.h"
#include "snapshot/Snapshots.h"
#include "themedialogs/DetailsDialog.h"
#include "themedialogs/SettingsDialog.h"
#include "themedialogs/ThemeFileQuestions.h"
#include "themepreview/ThemeFilePreview.h"
#include "themes/OpenedThemeFiles.h"

#include <algorithm>

namespace app {

namespace {

bool samePath(const std::string& a, const std::string& b) {
    return rt::UCase(a) == rt::UCase(b);
}

bool sameEntry(const themes::ListedTheme& a, const themes::ListedTheme& b) {
    return a.kind == b.kind && a.name == b.name && samePath(a.path, b.path);
}

} // namespace

void frmMain::wireThemeFiles() {
    cmdOpenTheme->onClick = [this] { cmdOpenTheme_Click(); };
    cmdSettings->onClick = [this] { cmdSettings_Click(); };
    cmdDetails->onClick = [this] { cmdDetails_Click(); };
    cmdSaveSettings->onClick = [this] { cmdSaveSettings_Click(); };
}

void frmMain::listThemeFiles() {
    chosenAspects_ = themedialogs::ChosenSettings::load(platform_.api);
    setListedThemes(themes::listedThemeFiles(platform_, module_, themes::loadOpenedThemeFiles(platform_)));
}

void frmMain::listKeptSettings() {
    refreshListedThemes();
}

void frmMain::setListedThemes(std::vector<themes::ListedTheme> entries) {
    // The entries that stay as they are keep their places, and the selection.
    std::size_t kept = 0;
    while (kept < listedThemes_.size() && kept < entries.size() &&
           sameEntry(listedThemes_[kept], entries[kept]))
        ++kept;
    if (kept < listedThemes_.size()) {
        const int catalogueCount = Combo1->listCount() - static_cast<int>(listedThemes_.size());
        std::vector<std::string> catalogueNames;
        for (int index = 0; index < catalogueCount; ++index)
            catalogueNames.push_back(Combo1->list(index));
        Combo1->clear();
        for (const std::string& name : catalogueNames)
            Combo1->addItem(name);
        kept = 0;
    }
    for (std::size_t index = kept; index < entries.size(); ++index)
        Combo1->addItem(entries[index].name);
    listedThemes_ = std::move(entries);
}

void frmMain::refreshListedThemes() {
    const themes::ListedTheme* selected = selectedListedTheme();
    const std::optional<themes::ListedTheme> shown =
        selected != nullptr ? std::optional<themes::ListedTheme>(*selected) : std::nullopt;
    const int index = Combo1->listIndex();
    std::vector<themes::ListedTheme> entries =
        themes::listedThemeFiles(platform_, module_, themes::loadOpenedThemeFiles(platform_));
    for (themes::ListedTheme& kept : themes::keptSettingsEntries(platform_))
        entries.push_back(std::move(kept));
    setListedThemes(std::move(entries));
    int again = index;
    if (shown) {
        const auto found =
            std::find_if(listedThemes_.begin(), listedThemes_.end(),
                         [&](const themes::ListedTheme& entry) { return sameEntry(entry, *shown); });
        again = found == listedThemes_.end() ? -1
                                             : Combo1->listCount() - static_cast<int>(listedThemes_.size()) +
                                                   static_cast<int>(found - listedThemes_.begin());
    }
    // Kept settings have changed with the apply: drawn again.
    if (again >= 0 &&
        (again != Combo1->listIndex() || (shown && shown->kind != themes::ListedTheme::Kind::file)))
        Combo1->setListIndex(again);
}

const themes::ListedTheme* frmMain::selectedListedTheme() const {
    const int index = Combo1->listIndex();
    const int first = Combo1->listCount() - static_cast<int>(listedThemes_.size());
    if (index < first || index < 0)
        return nullptr;
    return &listedThemes_[static_cast<std::size_t>(index - first)];
}

void frmMain::showListedTheme(const themes::ListedTheme& entry) {
    // 1. The file read and checked; one that can no longer be read shows why instead.
    try {
        shownTheme_ = themes::checkedThemeOf(platform_, entry, module_.windowsVersion);
    } catch (const rt::Error& error) {
        shownTheme_.reset();
        Image7->setVisible(false);
        Image7->setPicture(nullptr);
        lblLeftOut->setCaption((entry.path.empty() ? entry.name : entry.path) + ": " + error.description());
        cmdDetails->setEnabled(false);
        return;
    }
    // 2. Drawn in the frame of the smaller layout, what was left out under it.
    Image7->move(catalogue::previewFor800x600.wallpaper);
    Image7->setVisible(true);
    themepreview::showThemePreview(windows_, *Image7, *lblLeftOut, *shownTheme_, module_.windowsVersion,
                                   platform_);
    cmdDetails->setEnabled(true);
}

void frmMain::openThemeFile(const std::string& path) {
    // 1. Checked at once: a file that cannot be read, or is no theme file, is told and not listed.
    try {
        themes::checkThemeFile(platform_, path);
    } catch (const rt::Error& error) {
        platform_.messages.MsgBox(path + ": " + error.description(), rt::vbExclamation,
                                  platform_.runtime.appTitle());
        return;
    }

    // 2. Kept among the files the user opened.
    themes::rememberOpenedThemeFile(platform_, path);

    // 3. Listed once, after the other files, and selected: its preview is drawn.
    const auto listed =
        std::find_if(listedThemes_.begin(), listedThemes_.end(),
                     [&](const themes::ListedTheme& entry) { return samePath(entry.path, path); });
    std::size_t place = static_cast<std::size_t>(listed - listedThemes_.begin());
    if (listed == listedThemes_.end()) {
        std::vector<themes::ListedTheme> entries = listedThemes_;
        place =
            static_cast<std::size_t>(std::find_if(entries.begin(), entries.end(),
                                                  [](const themes::ListedTheme& entry) {
                                                      return entry.kind != themes::ListedTheme::Kind::file;
                                                  }) -
                                     entries.begin());
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(place), themes::listedFile(path));
        setListedThemes(std::move(entries));
    }
    Combo1->setListIndex(Combo1->listCount() - static_cast<int>(listedThemes_.size()) +
                         static_cast<int>(place));
}

// "Save current settings...": what Windows has now, written as a theme file that
// joins the list, selected; a file that cannot be written is told.
void frmMain::cmdSaveSettings_Click() {
    // 1. The name, in the common save dialog.
    const std::optional<std::string> path =
        themedialogs::askThemeFileToSave(windows_, *window_, "My settings.theme");
    if (!path)
        return;
    // 2. The settings written, under the busy pointer.
    try {
        const ui::BusyPointer busy(windows_.screen());
        snapshot::saveCurrentSettings(platform_, *path, module_.windowsVersion);
    } catch (const rt::Error& error) {
        platform_.messages.MsgBox(*path + ": " + error.description(), rt::vbExclamation,
                                  platform_.runtime.appTitle());
        return;
    }
    // 3. Opened as any theme file.
    openThemeFile(*path);
}

// "Open theme file...".
void frmMain::cmdOpenTheme_Click() {
    if (const std::optional<std::string> path = themedialogs::askThemeFileToOpen(windows_, *window_))
        openThemeFile(*path);
}

// "Settings...": the aspects an apply takes, kept for the user; those the
// selected theme file cannot give are shown disabled.
void frmMain::cmdSettings_Click() {
    const themefile::CheckedTheme* theme =
        selectedListedTheme() != nullptr && shownTheme_ ? &*shownTheme_ : nullptr;
    if (const std::optional<themedialogs::ChosenSettings> choice =
            themedialogs::chooseAspects(windows_, *window_, platform_.api, theme))
        chosenAspects_ = *choice;
}

// "Details...": the selected theme file's pointers, sounds and icons.
void frmMain::cmdDetails_Click() {
    if (selectedListedTheme() != nullptr && shownTheme_)
        themedialogs::showThemeDetails(windows_, *window_, platform_, *shownTheme_);
}

} // namespace app
