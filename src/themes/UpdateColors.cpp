// The appearance applier: one scheme row's desktop icons, cursors and system
// colours, written live and to the user's registry in a single pass.
//
// Error rule: none here. An error ends the method at the failing step and what
// was written before stays written; the caller decides what follows. Every
// error a bad selection can cause (no theme, a row that is not a number or not
// 0..28) is raised before the first write.
#include "system/SystemColorsFast.h"

#include "app/common/Module1.h"
#include "platform/WindowsApi.h"
#include "system/CustomRegistry.h"
#include "system/clsRegistry.h"
#include "themes/AppearanceTables.h"
#include "themes/SchemeColor.h"

#include <memory>

namespace sys {
namespace {

const std::string currentUser = "HKEY_CURRENT_USER\\";
const std::string cursorsKey = "HKEY_CURRENT_USER\\Control Panel\\Cursors";
const std::string colorsKey = "HKEY_CURRENT_USER\\Control Panel\\Colors";

// "...\busy.ani" gives "...\busy Static.cur".
std::string staticCursorFile(const std::string& cursorFile) {
    std::string stem = cursorFile.size() >= 4 ? cursorFile.substr(0, cursorFile.size() - 4) : std::string();
    return stem + " Static.cur";
}

} // namespace

void SystemColorsFast::UpdateColors(const app::Module1& module, int themeListIndex, int schemeListIndex) {
    // 1. The registry object, for this call only.
    auto registry = std::make_unique<clsRegistry>(api_);
    CustomRegistry values(api_, messages_, title_);

    // 2. The rows. The theme variant first reads the selected theme's entry, so
    //    no selection stops here.
    int iconRow = 0;
    int cursorRow = 0;
    int colorRow = 0;
    if (!module.mixMatchApply) {
        (void)module.themeList(themeListIndex);
        iconRow = cursorRow = colorRow = module.activeSchemeRowNumber();
    } else {
        iconRow = cursorRow = schemeListIndex;
        colorRow = module.activeSchemeRowNumber();
    }

    // 3. Icon files; cursor files and colours are checked here too, so that a row
    //    outside the tables fails before anything is written.
    for (int slot = 0; slot <= 5; ++slot)
        iconFiles_[static_cast<std::size_t>(slot)] =
            module.programFolder + "\\" + module.themeIcons(iconRow, slot);
    (void)module.themeCursors(cursorRow, 0);
    (void)module.themeColors(colorRow, 0, 1);

    // 4. Desktop icons.
    registry->CreateKey(themes::networkNeighborhoodKey, "DefaultIcon", win::HKEY_CURRENT_USER);
    values.SetRegValue(currentUser + themes::networkNeighborhoodKey + "DefaultIcon", "", iconFiles_[0]);

    registry->CreateKey(themes::myComputerKey, "DefaultIcon", win::HKEY_CURRENT_USER);
    values.SetRegValue(currentUser + themes::myComputerKey + "DefaultIcon", "", iconFiles_[1]);

    // The Recycle Bin's default icon follows its present state: empty or full.
    registry->CreateKey(themes::recycleBinKey, "DefaultIcon", win::HKEY_CURRENT_USER);
    const std::string recycleBin = currentUser + themes::recycleBinKey + "DefaultIcon";
    const std::string emptyIcon = iconFiles_[3] + ",0";
    const std::string fullIcon = iconFiles_[4] + ",0";
    if (values.GetRegValue(recycleBin, "") == values.GetRegValue(recycleBin, "empty"))
        values.SetRegValue(recycleBin, "", emptyIcon);
    else if (values.GetRegValue(recycleBin, "") == values.GetRegValue(recycleBin, "full"))
        values.SetRegValue(recycleBin, "", fullIcon);
    values.SetRegValue(recycleBin, "empty", emptyIcon);
    values.SetRegValue(recycleBin, "full", fullIcon);

    registry->CreateKey(themes::myDocumentsKey, "DefaultIcon", win::HKEY_CURRENT_USER);
    values.SetRegValue(currentUser + themes::myDocumentsKey + "DefaultIcon", "", iconFiles_[5]);

    // 5. Theme variant: the cursor key and one empty sub-key per cursor name.
    if (!module.mixMatchApply) {
        registry->CreateKey("Control Panel\\Cursors\\", "", win::HKEY_CURRENT_USER);
        for (const themes::CursorSlot& slot : themes::cursorSlots)
            registry->CreateKey("Control Panel\\Cursors\\", slot.registryValue, win::HKEY_CURRENT_USER);
    }

    // 6. Cursor files.
    for (int slot = 0; slot <= 14; ++slot)
        cursorFiles_[static_cast<std::size_t>(slot)] =
            module.programFolder + "\\" + module.themeCursors(cursorRow, slot);

    // 7. Cursor registry values: the default value gets the arrow, then each name.
    values.SetRegValue(cursorsKey, "", cursorFiles_[1]);
    for (std::size_t slot = 0; slot < themes::cursorSlots.size(); ++slot)
        values.SetRegValue(cursorsKey, themes::cursorSlots[slot].registryValue, cursorFiles_[slot]);

    // 8. Live cursors; the animated busy cursors go live from their still companions.
    for (int slot : themes::liveCursorOrder) {
        const themes::CursorSlot& cursor = themes::cursorSlots[static_cast<std::size_t>(slot)];
        const std::string& file = cursorFiles_[static_cast<std::size_t>(slot)];
        win::HCURSOR handle =
            api_.LoadCursorFromFileA((cursor.liveFromStatic ? staticCursorFile(file) : file).c_str());
        api_.SetSystemCursor(handle, cursor.liveId);
    }

    // 9. Colours not staged by a property write come from the catalogue.
    for (int i = 0; i < ColorCount; ++i) {
        const std::size_t n = static_cast<std::size_t>(i);
        if (stagedIndices_[n] == NotStaged) {
            const std::string& red = module.themeColors(colorRow, i, 1);
            const std::string& green = module.themeColors(colorRow, i, 2);
            const std::string& blue = module.themeColors(colorRow, i, 3);
            stagedIndices_[n] = i;
            stagedValues_[n] = themes::schemeColorValue(red, green, blue);
            colorTexts_[n] = themes::schemeColorText(red, green, blue);
        } else {
            // A colour staged beforehand is stored as what it is.
            const win::COLORREF value = stagedValues_[n];
            colorTexts_[n] = std::to_string(value & 0xFF) + "," + std::to_string((value >> 8) & 0xFF) + "," +
                             std::to_string((value >> 16) & 0xFF);
        }
    }

    // 10. All 29 at once; Windows broadcasts the change.
    api_.SetSysColors(ColorCount, stagedIndices_.data(), stagedValues_.data());

    // 11. The colours in the user's registry.
    for (std::size_t i = 0; i < colorTexts_.size(); ++i)
        values.SetRegValue(colorsKey, themes::colorValueNames[i], colorTexts_[i]);

    // 12. The registry object is released on return.
}

} // namespace sys
