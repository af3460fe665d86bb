// The appearance applier: one scheme row's desktop icons, cursors and system
// colours, written live and to the user's registry in a single pass.
//
// Error rule: none here. An error ends the method at the failing step and what
// was written before stays written; the caller decides what follows. Every
// error a bad selection can cause (no theme, a row that is not a number or not
// 0..28) is raised before the first write.
#include "appearance/UpdateColors.h"

#include "catalogue/Module1.h"
#include "platform/WindowsApi.h"
#include "system/CustomRegistry.h"
#include "system/SystemColorsFast.h"
#include "system/clsRegistry.h"
#include "appearance/AppearanceTables.h"
#include "appearance/DesktopIcons.h"
#include "appearance/SchemeColor.h"

#include <array>
#include <memory>

namespace appearance {
namespace {

const std::string cursorsKey = "HKEY_CURRENT_USER\\Control Panel\\Cursors";
const std::string colorsKey = "HKEY_CURRENT_USER\\Control Panel\\Colors";

// "...\busy.ani" gives "...\busy Static.cur".
std::string staticCursorFile(const std::string& cursorFile) {
    std::string stem = cursorFile.size() >= 4 ? cursorFile.substr(0, cursorFile.size() - 4) : std::string();
    return stem + " Static.cur";
}

} // namespace

std::optional<rt::Error> UpdateColors(sys::SystemColorsFast& colors, const catalogue::Module1& module,
                                      ApplyVariant variant, int themeListIndex, int schemeListIndex,
                                      const themefile::AspectSet& aspects) {
    using themefile::Aspect;
    constexpr int ColorCount = sys::SystemColorsFast::ColorCount;
    win::WindowsApi& api = colors.api();
    // The registry text of each colour, the cursor files and the icon files of the applied scheme.
    std::array<std::string, ColorCount> colorTexts;
    std::array<std::string, cursorSlots.size()> cursorFiles;
    std::array<std::string, 6> iconFiles;

    // 1. The registry object, for this call only.
    auto registry = std::make_unique<sys::clsRegistry>(api);
    sys::CustomRegistry values(api, colors.messages(), colors.title());

    // 2. The rows. The theme variant first reads the selected theme's entry, so
    //    no selection stops here.
    int iconRow = 0;
    int cursorRow = 0;
    int colorRow = 0;
    if (variant == ApplyVariant::Theme) {
        (void)module.themeList(themeListIndex);
        iconRow = cursorRow = colorRow = module.activeSchemeRowNumber();
    } else {
        iconRow = cursorRow = schemeListIndex;
        colorRow = module.activeSchemeRowNumber();
    }

    // 3. Icon files; cursor files and colours are checked here too, so that a row
    //    outside the tables fails before anything is written.
    for (int slot = 0; slot <= 5; ++slot)
        iconFiles[static_cast<std::size_t>(slot)] =
            module.programFolder + "\\" + module.themeIcons(iconRow, slot);
    (void)module.themeCursors(cursorRow, 0);
    (void)module.themeColors(colorRow, 0, 1);

    // 4. Desktop icons, where the running Windows reads them.
    DesktopIcons icons(*registry, values, module.windowsVersion);
    if (aspects.has(Aspect::icons)) {
        icons.createKey(networkNeighborhoodClsid);
        icons.set(networkNeighborhoodClsid, "", iconFiles[0]);

        icons.createKey(myComputerClsid);
        icons.set(myComputerClsid, "", iconFiles[1]);

        // The Recycle Bin's default icon follows its present state: empty or full.
        icons.createKey(recycleBinClsid);
        const std::string emptyIcon = iconFiles[3] + ",0";
        const std::string fullIcon = iconFiles[4] + ",0";
        if (icons.get(recycleBinClsid, "") == icons.get(recycleBinClsid, "empty"))
            icons.set(recycleBinClsid, "", emptyIcon);
        else if (icons.get(recycleBinClsid, "") == icons.get(recycleBinClsid, "full"))
            icons.set(recycleBinClsid, "", fullIcon);
        icons.set(recycleBinClsid, "empty", emptyIcon);
        icons.set(recycleBinClsid, "full", fullIcon);

        icons.createKey(myDocumentsClsid);
        icons.set(myDocumentsClsid, "", iconFiles[5]);
    }

    // 5. Theme variant: the cursor key and one empty sub-key per cursor name.
    if (variant == ApplyVariant::Theme && aspects.has(Aspect::pointers)) {
        registry->CreateKey("Control Panel\\Cursors\\", "", win::HKEY_CURRENT_USER);
        for (const CursorSlot& slot : cursorSlots)
            registry->CreateKey("Control Panel\\Cursors\\", slot.registryValue, win::HKEY_CURRENT_USER);
    }

    // 6. Cursor files.
    for (int slot = 0; slot <= 14; ++slot)
        cursorFiles[static_cast<std::size_t>(slot)] =
            module.programFolder + "\\" + module.themeCursors(cursorRow, slot);

    if (aspects.has(Aspect::pointers)) {
        // 7. Cursor registry values: the default value gets the arrow, then each name.
        std::vector<std::pair<std::string, std::string>> cursorValues{{"", cursorFiles[1]}};
        for (std::size_t slot = 0; slot < cursorSlots.size(); ++slot)
            cursorValues.emplace_back(cursorSlots[slot].registryValue, cursorFiles[slot]);
        values.SetRegValues(cursorsKey, cursorValues);

        // 8. Live cursors; the animated busy cursors go live from their still companions.
        for (int slot : liveCursorOrder) {
            const CursorSlot& cursor = cursorSlots[static_cast<std::size_t>(slot)];
            const std::string& file = cursorFiles[static_cast<std::size_t>(slot)];
            win::HCURSOR handle =
                api.LoadCursorFromFileA((cursor.liveFromStatic ? staticCursorFile(file) : file).c_str());
            api.SetSystemCursor(handle, cursor.liveId);
        }
    }
    if (!aspects.has(Aspect::colors))
        return icons.failure();

    // 9. Colours not staged by a property write come from the catalogue.
    for (int i = 0; i < ColorCount; ++i) {
        const std::size_t n = static_cast<std::size_t>(i);
        if (colors.stagedIndex(i) == sys::SystemColorsFast::NotStaged) {
            const std::string& red = module.themeColors(colorRow, i, 1);
            const std::string& green = module.themeColors(colorRow, i, 2);
            const std::string& blue = module.themeColors(colorRow, i, 3);
            colors.stageColor(i, schemeColorValue(red, green, blue));
            colorTexts[n] = schemeColorText(red, green, blue);
        } else {
            // A colour staged beforehand is stored as what it is.
            const win::COLORREF value = colors.stagedValue(i);
            colorTexts[n] = std::to_string(value & 0xFF) + "," + std::to_string((value >> 8) & 0xFF) + "," +
                            std::to_string((value >> 16) & 0xFF);
        }
    }

    // 10. All 29 at once; Windows broadcasts the change.
    colors.setStagedColors();

    // 11. The colours in the user's registry.
    std::vector<std::pair<std::string, std::string>> colorValues;
    for (std::size_t i = 0; i < colorTexts.size(); ++i)
        colorValues.emplace_back(colorValueNames[i], colorTexts[i]);
    values.SetRegValues(colorsKey, colorValues);
    return icons.failure();
}

} // namespace appearance
