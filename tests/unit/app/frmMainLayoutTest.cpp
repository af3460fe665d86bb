// The main window's controls: names, captions and kinds as the program refers
// to them, and a tidy layout (nothing overlapping, nothing cut off, the previews
// fitting their tab at both layouts).
#include "unit/ProgramFixture.h"

#include <set>
#include <utility>
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
        {0, "Image7", {4920, 1530, 3585, 2685}}, {0, "Image7", {4830, 1410, 3735, 2925}},
        {1, "Image2", {4920, 1530, 3585, 2685}}, {1, "Image2", {4830, 1410, 3735, 2925}},
        {1, "Image3", {7200, 3140, 1305, 1075}}, {1, "Image3", {7200, 3150, 1365, 1185}},
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

TEST_F(LayoutTest, ControlsCarryTheirCaptions) {
    const std::pair<const char*, const char*> captions[] = {
        {"fraThemes", "Orlo Themes"},
        {"Command2", "Apply Theme"},
        {"fraWallpapers", "Wallpapers"},
        {"fraColorSchemes", "Color Schemes"},
        {"Command1", "Apply Wallpaper"},
        {"Command3", "Apply Color"},
        {"Command4", "Apply Mix - N - Match"},
        {"fraScreenSavers", "Orlo Screen Savers"},
        {"lblWait", "Wait:"},
        {"lblMinutes", "Minutes"},
        {"Command6", "Set Screen Saver"},
        {"fraDisplayProperties", "Display Properties"},
        {"Command10", "Background Properties"},
        {"Command11", "Appearance"},
        {"Command12", "Screen Saver"},
        {"Command13", "Settings"},
        {"fraThemeManager", "Theme Manager"},
        {"Command15", "Launch Theme Manager"},
        {"fraGraphics", "Windows Start Up / Shut Down Graphics"},
        {"Command14", "Restore Graphics"},
        {"fraReLog", "Re Log Windows"},
        {"Command5", "Log Off Windows"},
        {"Label1", "To ensure that changes have been made, your system will need to reboot or relogon to "
                   "Windows.  Clicking this button will relogon to Windows and return to this application."},
        {"fraWindowFunctions", "Window Functions"},
        {"Command17", "Restart Windows"},
        {"Command16", "Shut Down Windows"},
        {"fraStartupAudio", "Listen to Windows Startup Audio"},
        {"Label3", "Zuve Zivi Ziz Odida"},
        {"lblTitle", "Decorama"},
    };
    for (const auto& [name, caption] : captions) {
        ui::Control* control = window().control(name);
        ASSERT_NE(control, nullptr) << name;
        std::string actual;
        if (auto* frame = dynamic_cast<ui::Frame*>(control))
            actual = frame->caption();
        else if (auto* button = dynamic_cast<ui::Button*>(control))
            actual = button->caption();
        else if (auto* label = dynamic_cast<ui::Label*>(control))
            actual = label->caption();
        EXPECT_EQ(actual, caption) << name;
    }

    const char* tabCaptions[] = {"Themes", "Mix - N - Match", "Screen Saver", "Utilities"};
    ASSERT_EQ(form->SSTab1->tabCount(), 4);
    for (int tab = 0; tab < 4; ++tab)
        EXPECT_EQ(form->SSTab1->tabCaption(tab), tabCaptions[tab]);

    for (ui::ComboBox* list : {form->Combo1, form->Combo2, form->Combo3, form->Combo4})
        EXPECT_EQ(headless::as<headless::ComboBox>(*list).style(), ui::ComboBox::Style::Simple)
            << list->name();
    EXPECT_EQ(headless::as<headless::ComboBox>(*form->Combo5).style(), ui::ComboBox::Style::DropDown);
    EXPECT_EQ(window().style(), ui::Window::Style::Borderless);
}

} // namespace
