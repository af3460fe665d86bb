#include "themedialogs/ThemeFileQuestions.h"

namespace themedialogs {

namespace {

ui::FileDialog themeFileDialog(ui::FileDialog::Kind kind, const std::string& title) {
    ui::FileDialog dialog;
    dialog.kind = kind;
    dialog.title = title;
    dialog.filterName = "Theme files (*.theme;*.the;*.thm)";
    dialog.filterPatterns = "*.theme;*.the;*.thm";
    dialog.defaultExtension = "theme";
    return dialog;
}

} // namespace

std::optional<std::string> askThemeFileToOpen(ui::WindowSystem& windows, ui::Window& owner) {
    return windows.chooseFile(themeFileDialog(ui::FileDialog::Kind::open, "Open theme file"), owner);
}

std::optional<std::string> askThemeFileToSave(ui::WindowSystem& windows, ui::Window& owner,
                                              const std::string& proposedName) {
    ui::FileDialog dialog = themeFileDialog(ui::FileDialog::Kind::save, "Save current settings");
    dialog.fileName = proposedName;
    return windows.chooseFile(dialog, owner);
}

bool confirmScreenSaver(rt::MessageBoxService& messages, const std::string& themeFile,
                        const themefile::CheckedPath& saver) {
    const std::string prompt = themeFile + " will install the screen saver " + saver.path() + ". Apply it?";
    return messages.MsgBox(prompt, rt::vbYesNo + rt::vbQuestion + rt::vbDefaultButton2, "") == rt::vbYes;
}

} // namespace themedialogs
