#include "fake/SystemColorTable.h"

namespace fake {

namespace {

constexpr win::COLORREF rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

struct ColorRow {
    int index;
    const char* name;
    win::COLORREF color;
};

// clang-format off
const ColorRow defaultColors[SystemColorTable::Count] = {
    {0,  "COLOR_SCROLLBAR",               rgb(192, 192, 192)},
    {1,  "COLOR_BACKGROUND",              rgb(0, 128, 128)},
    {2,  "COLOR_ACTIVECAPTION",           rgb(0, 0, 128)},
    {3,  "COLOR_INACTIVECAPTION",         rgb(128, 128, 128)},
    {4,  "COLOR_MENU",                    rgb(192, 192, 192)},
    {5,  "COLOR_WINDOW",                  rgb(255, 255, 255)},
    {6,  "COLOR_WINDOWFRAME",             rgb(0, 0, 0)},
    {7,  "COLOR_MENUTEXT",                rgb(0, 0, 0)},
    {8,  "COLOR_WINDOWTEXT",              rgb(0, 0, 0)},
    {9,  "COLOR_CAPTIONTEXT",             rgb(255, 255, 255)},
    {10, "COLOR_ACTIVEBORDER",            rgb(192, 192, 192)},
    {11, "COLOR_INACTIVEBORDER",          rgb(192, 192, 192)},
    {12, "COLOR_APPWORKSPACE",            rgb(128, 128, 128)},
    {13, "COLOR_HIGHLIGHT",               rgb(0, 0, 128)},
    {14, "COLOR_HIGHLIGHTTEXT",           rgb(255, 255, 255)},
    {15, "COLOR_BTNFACE",                 rgb(192, 192, 192)},
    {16, "COLOR_BTNSHADOW",               rgb(128, 128, 128)},
    {17, "COLOR_GRAYTEXT",                rgb(128, 128, 128)},
    {18, "COLOR_BTNTEXT",                 rgb(0, 0, 0)},
    {19, "COLOR_INACTIVECAPTIONTEXT",     rgb(192, 192, 192)},
    {20, "COLOR_BTNHIGHLIGHT",            rgb(255, 255, 255)},
    {21, "COLOR_3DDKSHADOW",              rgb(0, 0, 0)},
    {22, "COLOR_3DLIGHT",                 rgb(192, 192, 192)},
    {23, "COLOR_INFOTEXT",                rgb(0, 0, 0)},
    {24, "COLOR_INFOBK",                  rgb(255, 255, 225)},
    {25, "COLOR_ALTERNATEBTNFACE",        rgb(180, 180, 180)},
    {26, "COLOR_HOTLIGHT",                rgb(0, 0, 128)},
    {27, "COLOR_GRADIENTACTIVECAPTION",   rgb(16, 132, 208)},
    {28, "COLOR_GRADIENTINACTIVECAPTION", rgb(181, 181, 181)},
    {29, "COLOR_MENUHILIGHT",             rgb(0, 0, 128)},
    {30, "COLOR_MENUBAR",                 rgb(192, 192, 192)},
};
// clang-format on

} // namespace

SystemColorTable::SystemColorTable() {
    for (const ColorRow& row : defaultColors)
        colors_[row.index] = row.color;
}

win::COLORREF SystemColorTable::get(int index) const {
    return valid(index) ? colors_[index] : 0;
}

void SystemColorTable::set(int index, win::COLORREF color) {
    if (valid(index))
        colors_[index] = color;
}

const char* SystemColorTable::name(int index) {
    return valid(index) ? defaultColors[index].name : "";
}

} // namespace fake
