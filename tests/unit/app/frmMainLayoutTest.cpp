// The main window's layout: nothing overlapping, nothing cut off, the window
// fitting the smallest screen and the theme preview fitting its tab at both of
// its layouts.
#include "themes/ThemePreview.h"
#include "unit/ProgramFixture.h"

#include <set>
#include <vector>

namespace {

using unit_test::ProgramFixture;

// Height of the captions of frames and of the tab row, in twips.
constexpr int frameCaption = 200;
constexpr int tabRow = 400;

bool overlap(const ui::Rect& a, const ui::Rect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool inside(const ui::Rect& r, int left, int top, int right, int bottom) {
    return r.left >= left && r.top >= top && r.left + r.width <= right && r.top + r.height <= bottom;
}

// The scheme preview sits in the corner of the wallpaper preview by design.
bool designedOverlap(const std::string& a, const std::string& b) {
    return std::set<std::string>{a, b} == std::set<std::string>{"Image2", "Image3"};
}

class LayoutTest : public ProgramFixture {
protected:
    void SetUp() override {
        writeShippedFiles();
        load();
    }
    std::vector<std::string> faults;

    // Checks one holder's visible controls against each other and against the
    // holder's inner area, then the holders inside it.
    void check(const headless::Container& holder, int left, int top, int right, int bottom,
               const std::string& where) {
        std::vector<const ui::Control*> shown;
        for (const auto& control : holder.controls()) {
            if (control->visible())
                shown.push_back(control.get());
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (!inside(shown[i]->bounds(), left, top, right, bottom))
                faults.push_back(shown[i]->name() + " is cut off in " + where);
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                if (overlap(shown[i]->bounds(), shown[j]->bounds()) &&
                    !designedOverlap(shown[i]->name(), shown[j]->name()))
                    faults.push_back(shown[i]->name() + " overlaps " + shown[j]->name());
            }
            const ui::Rect r = shown[i]->bounds();
            if (auto* frame = dynamic_cast<const headless::Frame*>(shown[i]))
                check(const_cast<headless::Frame*>(frame)->contents(), 0, frameCaption, r.width, r.height,
                      frame->name());
            if (auto* tabs = dynamic_cast<const headless::TabControl*>(shown[i])) {
                auto* pages = const_cast<headless::TabControl*>(tabs);
                for (int page = 0; page < pages->tabCount(); ++page)
                    check(pages->page(page), 0, tabRow, r.width, r.height, pages->tabCaption(page));
            }
        }
    }
};

TEST_F(LayoutTest, NothingOverlapsAndNothingIsCutOff) {
    const ui::Rect bounds = form->window().bounds();
    check(window().contents(), 0, 0, bounds.width, bounds.height, "the window");
    EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST_F(LayoutTest, WindowFitsTheSmallestScreenAndTheTabsHoldBothPreviewLayouts) {
    const ui::Rect bounds = form->window().bounds();
    EXPECT_LE(bounds.width, 800 * 15);
    EXPECT_LE(bounds.height, 600 * 15);
    const ui::Rect tabs = form->SSTab1->bounds();
    EXPECT_GE(tabs.width, 8900);
    EXPECT_GE(tabs.height, 4700);

    // Every preview position the selection handlers use, on its page.
    const struct {
        int page;
        const char* preview;
        ui::Rect at;
    } layouts[] = {
        {0, "Image7", *themes::previewLayoutFor("800x600")},
        {0, "Image7", *themes::previewLayoutFor("1024x768")},
        {2, "Image6", form->Image6->bounds()},
    };
    for (const auto& layout : layouts) {
        const std::string where = std::string(layout.preview) + " in tab " + std::to_string(layout.page);
        EXPECT_TRUE(inside(layout.at, 0, tabRow, tabs.width, tabs.height)) << where;
        for (const auto& control :
             headless::as<headless::TabControl>(*form->SSTab1).page(layout.page).controls()) {
            if (control->name() == layout.preview || designedOverlap(control->name(), layout.preview))
                continue;
            EXPECT_FALSE(overlap(layout.at, control->bounds())) << where << " covers " << control->name();
        }
    }
}

} // namespace
