#include "themedialogs/SettingsDialog.h"

#include "themedialogs/DialogLayout.h"

#include <utility>
#include <vector>

namespace themedialogs {

using themefile::Aspect;

const char* aspectCaption(Aspect aspect) {
    switch (aspect) {
    case Aspect::colors:
        return "&Colours";
    case Aspect::pointers:
        return "Mouse &pointers";
    case Aspect::icons:
        return "Desktop &icons";
    case Aspect::wallpaper:
        return "Desktop &wallpaper";
    case Aspect::sounds:
        return "&Sound events";
    case Aspect::saver:
        return "Screen sa&ver";
    case Aspect::fonts:
        return "Font &names and styles";
    case Aspect::sizes:
        return "Font and window si&zes";
    case Aspect::pictures:
        return "Start-up and shut-down pic&tures";
    }
    return "";
}

// 1. Show the kept choice, an aspect the theme cannot give disabled.
// 2. OK: take every box (a disabled one keeps its value), keep the choice, close.
// 3. Cancel, Escape or the close box: close, nothing kept.
std::optional<ChosenSettings> chooseAspects(ui::WindowSystem& windows, ui::Window& owner,
                                            win::WindowsApi& api, const themefile::CheckedTheme* theme) {
    constexpr int width = 5100;
    constexpr int row = 330;
    constexpr int height = 1500 + row * static_cast<int>(themefile::allAspects.size());
    ChosenSettings choice = ChosenSettings::load(api);
    const auto dialog = windows.createDialog("Settings", centredOn(owner.bounds(), width, height), owner);
    dialog->addLabel("lblApply", "When a theme is applied, apply its:", {240, 120, width - 480, 255});

    std::vector<std::pair<Aspect, ui::CheckBox*>> boxes;
    int top = 450;
    for (Aspect aspect : themefile::allAspects) {
        ui::CheckBox& box = dialog->addCheckBox(themefile::aspectName(aspect), aspectCaption(aspect),
                                                {360, top, width - 720, 285});
        box.setValue(choice.has(aspect));
        box.setEnabled(theme == nullptr || theme->report(aspect).state == themefile::AspectState::ok);
        boxes.emplace_back(aspect, &box);
        top += row;
    }
    ui::Button& ok = dialog->addButton("cmdOK", "OK", {width - 2700, top + 150, 1125, 375});
    ui::Button& cancel = dialog->addButton("cmdCancel", "Cancel", {width - 1440, top + 150, 1125, 375});
    dialog->setDefaultButton(ok);
    dialog->setCancelButton(cancel);

    bool chosen = false;
    ok.onClick = [&] {
        for (const auto& [aspect, box] : boxes)
            choice.set(aspect, box->value());
        choice.save(api);
        chosen = true;
        dialog->close();
    };
    cancel.onClick = [&] { dialog->close(); };
    dialog->showModal();
    return chosen ? std::optional<ChosenSettings>(choice) : std::nullopt;
}

} // namespace themedialogs
