#include "themedialogs/DetailsDialog.h"

#include "platform/DesktopFacts.h"
#include "platform/WinFacts.h"
#include "platform/WindowsApi.h"
#include "platform/ui/Canvas.h"
#include "themedialogs/DialogLayout.h"
#include "utilities/Sound_Engine.h"

namespace themedialogs {

namespace {

using themefile::Aspect;
using Kind = ThemeItem::Kind;

std::string iconName(const themefile::CheckedIcon& icon) {
    const std::string object = win::desktopObjects[static_cast<std::size_t>(icon.object)].name;
    switch (icon.role) {
    case themefile::IconRole::full:
        return object + " full";
    case themefile::IconRole::empty:
        return object + " empty";
    case themefile::IconRole::normal:
        break;
    }
    return object;
}

void addRefused(std::vector<ThemeItem>& items, Kind kind, const themefile::AspectReport& report) {
    for (const themefile::RefusedValue& refused : report.refused) {
        ThemeItem item;
        item.kind = kind;
        item.name = refused.name;
        item.reason = refused.reason;
        items.push_back(item);
    }
}

ThemeItem allowed(Kind kind, std::string name, const themefile::CheckedPath& file, int index = 0) {
    ThemeItem item;
    item.kind = kind;
    item.name = std::move(name);
    item.file = file;
    item.index = index;
    return item;
}

// The pointer or icon drawn on a canvas the size of the picture box.
ui::PicturePtr drawnItem(ui::WindowSystem& windows, const ui::PictureBox& box, const ThemeItem& item,
                         win::WindowsApi& api) {
    const int width = box.bounds().width / windows.screen().twipsPerPixelX();
    const int height = box.bounds().height / windows.screen().twipsPerPixelY();
    const auto canvas = windows.createCanvas(width, height);
    canvas->fill({0, 0, width, height}, api.GetSysColor(win::COLOR_WINDOW));
    canvas->icon({(width - 32) / 2, (height - 32) / 2, 32, 32}, item.file->path(), item.index);
    return canvas->finish();
}

} // namespace

std::string ThemeItem::label() const {
    const char* kinds[] = {"Pointer: ", "Sound: ", "Icon: "};
    return kinds[static_cast<int>(kind)] + name + (file ? "" : " (left out)");
}

std::string ThemeItem::note() const {
    if (!file)
        return "Left out: " + reason;
    if (file->isDefault())
        return "Windows' default";
    return (file->missing() ? "File not found: " : "") + file->path();
}

std::vector<ThemeItem> themeItems(const themefile::CheckedTheme& theme) {
    std::vector<ThemeItem> items;
    for (const themefile::CheckedPointer& pointer : theme.pointers)
        items.push_back(allowed(Kind::pointer, win::cursorValueNames[static_cast<std::size_t>(pointer.slot)],
                                pointer.file));
    addRefused(items, Kind::pointer, theme.report(Aspect::pointers));
    for (const themefile::CheckedSound& sound : theme.sounds)
        items.push_back(allowed(Kind::sound, sound.application + "\\" + sound.event, sound.file));
    addRefused(items, Kind::sound, theme.report(Aspect::sounds));
    for (const themefile::CheckedIcon& icon : theme.icons)
        items.push_back(allowed(Kind::icon, iconName(icon), icon.file, icon.hasIndex ? icon.index : 0));
    addRefused(items, Kind::icon, theme.report(Aspect::icons));
    return items;
}

// 1. List the items; the first is selected.
// 2. A selection shows the item's file or why it has none, draws a pointer or an
//    icon whose file is usable, and enables "Play" for a usable sound.
// 3. "Play" plays the selected sound without waiting for it.
// 4. "Close", Enter, Escape or the close box close the dialog.
void showThemeDetails(ui::WindowSystem& windows, ui::Window& owner, rt::Platform& platform,
                      const themefile::CheckedTheme& theme) {
    constexpr int width = 6900;
    constexpr int height = 4500;
    const std::vector<ThemeItem> items = themeItems(theme);
    const auto dialog = windows.createDialog("Details", centredOn(owner.bounds(), width, height), owner);
    dialog->addLabel("lblItems", "Pointers, sounds and icons of " + theme.displayName + ":",
                     {240, 120, width - 480, 255});
    ui::ComboBox& list = dialog->addComboBox("lstItems", ui::ComboBox::Style::Simple, {240, 420, 4200, 2700});
    ui::PictureBox& picture = dialog->addPictureBox("picItem", {4680, 420, 960, 960});
    ui::Button& play = dialog->addButton("cmdPlay", "&Play", {4680, 1560, 1125, 375});
    ui::Label& file = dialog->addLabel("lblFile", "", {240, 3240, width - 480, 255});
    ui::Button& close = dialog->addButton("cmdClose", "&Close", {width - 1500, 3600, 1125, 375});
    dialog->setDefaultButton(close);
    dialog->setCancelButton(close);
    for (const ThemeItem& item : items)
        list.addItem(item.label());

    const auto selected = [&]() -> const ThemeItem* {
        const int index = list.listIndex();
        return index >= 0 && index < static_cast<int>(items.size()) ? &items[static_cast<std::size_t>(index)]
                                                                    : nullptr;
    };
    list.onClick = [&] {
        const ThemeItem* item = selected();
        file.setCaption(item != nullptr ? item->note() : "");
        const bool usable = item != nullptr && item->usable();
        play.setEnabled(usable && item->kind == Kind::sound);
        picture.setPicture(
            usable && item->kind != Kind::sound ? drawnItem(windows, picture, *item, platform.api) : nullptr);
    };
    play.onClick = [&] {
        if (const ThemeItem* item = selected();
            item != nullptr && item->usable() && item->kind == Kind::sound)
            utilities::PlaySound(platform.api, item->file->path());
    };
    close.onClick = [&] { dialog->close(); };
    play.setEnabled(false);
    if (!items.empty())
        list.setListIndex(0);
    dialog->showModal();
}

} // namespace themedialogs
