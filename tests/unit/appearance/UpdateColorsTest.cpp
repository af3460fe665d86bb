// The appearance writer with the theme variant (the scheme variant is held through
// the Mix-N-Match tab): icons, cursors and colours from the selection's rows.
#include "support/ProgramFixture.h"
#include "support/ErrorOf.h"

#include "system/SystemColorsFast.h"
#include "appearance/AppearanceTables.h"
#include "appearance/UpdateColors.h"

#include <algorithm>

namespace {

// Windows 98 (the rows' version) reads desktop icons from HKEY_CLASSES_ROOT.
const char* const recycleBin = "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon";
const char* const colors = "Control Panel\\Colors";
const char* const cursors = "Control Panel\\Cursors";

class UpdateColorsTest : public unit_test::ProgramFixture {
protected:
    UpdateColorsTest() { fillSchemeRows(); }

    // The way both callers run it: a fresh object, staging on, one call.
    void applyTheme(int themeListIndex = 0) {
        sys::SystemColorsFast applier(platform);
        applier.UpdateImmediately = false;
        appearance::UpdateColors(applier, module, appearance::ApplyVariant::Theme, themeListIndex, -1);
    }
    std::optional<std::string> classValue(const std::string& key, const std::string& name) const {
        return fake.getString(win::HKEY_CLASSES_ROOT, key, name);
    }
    // Nothing of the appearance reached Windows.
    void expectNothingWritten() {
        EXPECT_TRUE(fake.registry.writes.empty());
        EXPECT_TRUE(fake.settings.colors.calls.empty());
        EXPECT_TRUE(fake.settings.cursors.calls.empty());
        EXPECT_FALSE(fake.registry.keyExists(win::HKEY_CURRENT_USER, "Control Panel\\Cursors\\Arrow"));
    }
};

// A cursor file that is not there is written but leaves its live cursor alone.
TEST_F(UpdateColorsTest, ThemeVariantTakesIconsCursorsAndColoursFromTheSchemeRow) {
    module.activeSchemeRow = "3";
    installCursors(3);
    fake.remove(cursorFile(3, 1));
    applyTheme();

    EXPECT_EQ(classValue("CLSID\\{208D2C60-3AEA-1069-A2D7-08002B30309D}\\DefaultIcon", ""), iconFile(3, 0));
    EXPECT_EQ(classValue("CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon", ""), iconFile(3, 1));
    EXPECT_EQ(classValue("CLSID\\{450D8FBA-AD25-11D0-98A8-0800361B1103}\\DefaultIcon", ""), iconFile(3, 5));
    EXPECT_EQ(classValue(recycleBin, "empty"), iconFile(3, 3) + ",0");
    EXPECT_EQ(classValue(recycleBin, "full"), iconFile(3, 4) + ",0");
    EXPECT_EQ(userValue(cursors, "SizeWE"), cursorFile(3, 12));
    EXPECT_EQ(userValue(cursors, "Arrow"), cursorFile(3, 1));
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_NORMAL), "");
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_SIZEWE), cursorFile(3, 12));
    EXPECT_EQ(userValue(colors, "Window"), "3,5,8");
    ASSERT_EQ(fake.settings.colors.calls.size(), 1u);
    const auto& call = fake.settings.colors.calls.front();
    ASSERT_EQ(call.size(), 29u);
    for (int i = 0; i < 29; ++i) {
        EXPECT_EQ(call[static_cast<std::size_t>(i)].first, i);
        EXPECT_EQ(call[static_cast<std::size_t>(i)].second,
                  static_cast<win::COLORREF>(3 + 256 * i + 65536 * (3 + i)));
    }
}

TEST_F(UpdateColorsTest, AnimatedCursorsGoLiveFromTheirStillCompanions) {
    module.activeSchemeRow = "4";
    module.themeCursors(4, 14) = "cursors\\wait.ani";
    installCursors(4);

    applyTheme();

    EXPECT_EQ(userValue(cursors, "Wait"), folder + "\\cursors\\wait.ani");
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_WAIT), folder + "\\cursors\\wait Static.cur");
    EXPECT_EQ(fake.settings.cursors.systemCursorFile(win::OCR_NORMAL), cursorFile(4, 1));
    // Eleven live cursors in their fixed order; Hand, Help, NWPen and UpArrow stay registry-only.
    std::vector<win::DWORD> ids;
    for (const auto& call : fake.settings.cursors.calls)
        ids.push_back(call.id);
    EXPECT_EQ(ids,
              (std::vector<win::DWORD>{win::OCR_APPSTARTING, win::OCR_CROSS, win::OCR_IBEAM, win::OCR_NO,
                                       win::OCR_SIZEALL, win::OCR_SIZENESW, win::OCR_SIZENS,
                                       win::OCR_SIZENWSE, win::OCR_SIZEWE, win::OCR_NORMAL, win::OCR_WAIT}));
}

// The recycle bin's default icon follows whichever of its states it shows now;
// both reads of a bare key give "Error", which compare equal.
TEST_F(UpdateColorsTest, RecycleBinDefaultIconFollowsThePresentState) {
    const std::optional<std::string> none;
    const struct {
        std::optional<std::string> defaultValue, empty, full, after;
    } rows[] = {
        {"bin.ico,0", "bin.ico,0", "binf.ico,0", iconFile(8, 3) + ",0"},
        {"binf.ico,0", "bin.ico,0", "binf.ico,0", iconFile(8, 4) + ",0"},
        {"other.ico,0", "bin.ico,0", "binf.ico,0", "other.ico,0"},
        {none, none, none, iconFile(8, 3) + ",0"},
    };
    module.activeSchemeRow = "8";
    for (const auto& row : rows) {
        fake.RegDeleteKeyA(win::HKEY_CLASSES_ROOT, recycleBin);
        for (const auto& [name, value] :
             {std::pair{"", row.defaultValue}, {"empty", row.empty}, {"full", row.full}})
            if (value)
                fake.setString(win::HKEY_CLASSES_ROOT, recycleBin, name, *value);
        applyTheme();
        EXPECT_EQ(classValue(recycleBin, ""), row.after) << row.defaultValue.value_or("(none)");
    }
}

TEST_F(UpdateColorsTest, ABadSelectionFailsBeforeTheFirstWrite) {
    struct Case {
        const char* row;
        int themeListIndex;
        std::int32_t error;
    } cases[] = {
        {"3", -1, rt::ErrSubscriptOutOfRange},  // no theme selected
        {"3", 101, rt::ErrSubscriptOutOfRange}, // past the theme table
        {"", 0, rt::ErrTypeMismatch},           // a theme without a preview layout
        {"4,extra", 0, rt::ErrTypeMismatch},    // everything after the fourth comma
        {"29", 0, rt::ErrSubscriptOutOfRange},  // outside the scheme rows
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        module.activeSchemeRow = c.row;
        EXPECT_EQ(errorOf([&] { applyTheme(c.themeListIndex); }), c.error);
        expectNothingWritten();
    }
}

TEST_F(UpdateColorsTest, AColourStagedBeforeTheCallKeepsItsValue) {
    module.activeSchemeRow = "2";
    sys::SystemColorsFast applier(platform);
    applier.UpdateImmediately = false;
    applier.Menu(0x00336699);
    appearance::UpdateColors(applier, module, appearance::ApplyVariant::Theme, 0, -1);

    ASSERT_EQ(fake.settings.colors.calls.size(), 1u);
    EXPECT_EQ(fake.settings.colors.calls[0][4].second, 0x00336699u);
    EXPECT_EQ(userValue(colors, "Menu"), "153,102,51");
    EXPECT_EQ(userValue(colors, "Window"), "2,5,7");
}

} // namespace
