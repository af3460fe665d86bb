// The theme preview: the preview placed at the layout its name selects, the
// wallpaper path and scheme row it records (a theme record cut at its first four
// commas), and what a theme that cannot be previewed leaves behind.
#include "themes/ThemePreview.h"
#include "support/ProgramFixture.h"

namespace {

using unit_test::ProgramFixture;

const ui::Rect smallLayout{4920, 1530, 3585, 2685};
const ui::Rect largeLayout{4830, 1410, 3735, 2925};
const ui::Rect elsewhere{100, 200, 300, 400};

std::vector<int> rect(const ui::Rect& r) {
    return {r.left, r.top, r.width, r.height};
}

class ThemePreviewTest : public ProgramFixture {
protected:
    const std::string earlierWallpaper = folder + "\\earlier.bmp";
    std::unique_ptr<ui::Window> window = windows->createWindow("Preview", ui::Window::Style::FixedDialog, {});
    ui::PictureBox& preview = window->addPictureBox("Image7", elsewhere);
    std::string selectedWallpaper;

    void SetUp() override {
        write("autumn.bmp", bytes::bmp(8, 6));
        write("lake.bmp", bytes::bmp(6, 4));
        write("earlier.bmp", bytes::bmp(4, 4));
        write("broken.bmp", "BM not really a picture");
    }

    // What an earlier selection left: its preview shown, its wallpaper and row.
    void earlierSelection() {
        preview.loadPicture(folder + "\\earlier.bmp");
        preview.move(elsewhere);
        preview.setVisible(true);
        selectedWallpaper = earlierWallpaper;
        module.activeSchemeRow = "9";
    }

    void select(const std::string& record, int position = 3) {
        module.themeList(3) = record;
        themes::setThemeImage(module, position, preview, selectedWallpaper);
    }

    std::string shownPath() { return headless::as<headless::PictureBox>(preview).picturePath(); }
};

TEST_F(ThemePreviewTest, ThemesWithALayoutShowTheirPreviewAndRecordWallpaperAndRow) {
    const struct {
        const char* record;
        ui::Rect layout;
        const char* picture;
        const char* wallpaper;
        const char* row;
    } rows[] = {
        {"Autumn 800x600,x,autumn.bmp,wall\\autumn800.jpg,4", smallLayout, "\\autumn.bmp",
         "\\wall\\autumn800.jpg", "4"},
        {"Lake 1024x768,Winter,lake.bmp,lake.jpg,12", largeLayout, "\\lake.bmp", "\\lake.jpg", "12"},
        // Everything after the fourth comma is the row, a fifth comma included.
        {"Autumn 800x600,x,autumn.bmp,wall\\autumn800.jpg,4,extra", smallLayout, "\\autumn.bmp",
         "\\wall\\autumn800.jpg", "4,extra"},
    };
    for (const auto& row : rows) {
        earlierSelection();
        preview.setVisible(false);
        select(row.record);
        EXPECT_TRUE(preview.visible()) << row.record;
        EXPECT_EQ(rect(preview.bounds()), rect(row.layout)) << row.record;
        EXPECT_EQ(shownPath(), folder + row.picture) << row.record;
        EXPECT_EQ(selectedWallpaper, folder + row.wallpaper) << row.record;
        EXPECT_EQ(module.activeSchemeRow, std::optional<std::string>(row.row)) << row.record;
    }
}

// A name without a layout hides the preview where it was and keeps the wallpaper.
TEST_F(ThemePreviewTest, ThemeThatCannotBePreviewedLeavesNothingBehind) {
    const struct {
        const char* what;
        const char* record;
        int position;
        bool keepsWallpaper = false;
    } rows[] = {
        {"no layout", "Autumn,x,autumn.bmp,wall\\autumn800.jpg,4", 3, true},
        {"preview file missing", "Autumn 800x600,x,missing.bmp,wall.jpg,4", 3},
        {"preview file unreadable", "Autumn 800x600,x,broken.bmp,wall.jpg,4", 3},
        {"preview is a folder", "Autumn 800x600,x,,wall.jpg,4", 3},
        {"missing preview, no layout", "Autumn,x,missing.bmp,wall.jpg,4", 3},
        {"three commas", "Autumn 800x600,x,autumn.bmp,wall.jpg", 3},
        {"empty entry", "", 3},
        {"no selection", "Autumn 800x600,x,autumn.bmp,wall.jpg,4", -1},
    };
    for (const auto& row : rows) {
        earlierSelection();
        EXPECT_NO_THROW(select(row.record, row.position)) << row.what;
        EXPECT_FALSE(preview.visible()) << row.what;
        EXPECT_EQ(preview.picture(), nullptr) << row.what;
        EXPECT_EQ(selectedWallpaper, row.keepsWallpaper ? earlierWallpaper : "") << row.what;
        EXPECT_EQ(module.activeSchemeRow, std::optional<std::string>("")) << row.what;
        if (row.keepsWallpaper) {
            EXPECT_EQ(rect(preview.bounds()), rect(elsewhere));
        }
    }
}

} // namespace
