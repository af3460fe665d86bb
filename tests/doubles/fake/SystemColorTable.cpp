#include "fake/SystemColorTable.h"

#include "platform/WinFacts.h"

namespace fake {

namespace {

using namespace win;

constexpr win::COLORREF rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

struct ColorRow {
    int index;
    win::COLORREF color;
};

// clang-format off
const ColorRow defaultColors[SystemColorTable::Count] = {
    {COLOR_SCROLLBAR,                rgb(192, 192, 192)},
    {COLOR_BACKGROUND,               rgb(0, 128, 128)},
    {COLOR_ACTIVECAPTION,            rgb(0, 0, 128)},
    {COLOR_INACTIVECAPTION,          rgb(128, 128, 128)},
    {COLOR_MENU,                     rgb(192, 192, 192)},
    {COLOR_WINDOW,                   rgb(255, 255, 255)},
    {COLOR_WINDOWFRAME,              rgb(0, 0, 0)},
    {COLOR_MENUTEXT,                 rgb(0, 0, 0)},
    {COLOR_WINDOWTEXT,               rgb(0, 0, 0)},
    {COLOR_CAPTIONTEXT,              rgb(255, 255, 255)},
    {COLOR_ACTIVEBORDER,             rgb(192, 192, 192)},
    {COLOR_INACTIVEBORDER,           rgb(192, 192, 192)},
    {COLOR_APPWORKSPACE,             rgb(128, 128, 128)},
    {COLOR_HIGHLIGHT,                rgb(0, 0, 128)},
    {COLOR_HIGHLIGHTTEXT,            rgb(255, 255, 255)},
    {COLOR_BTNFACE,                  rgb(192, 192, 192)},
    {COLOR_BTNSHADOW,                rgb(128, 128, 128)},
    {COLOR_GRAYTEXT,                 rgb(128, 128, 128)},
    {COLOR_BTNTEXT,                  rgb(0, 0, 0)},
    {COLOR_INACTIVECAPTIONTEXT,      rgb(192, 192, 192)},
    {COLOR_BTNHIGHLIGHT,             rgb(255, 255, 255)},
    {COLOR_3DDKSHADOW,               rgb(0, 0, 0)},
    {COLOR_3DLIGHT,                  rgb(192, 192, 192)},
    {COLOR_INFOTEXT,                 rgb(0, 0, 0)},
    {COLOR_INFOBK,                   rgb(255, 255, 225)},
    {COLOR_ALTERNATEBTNFACE,         rgb(180, 180, 180)},
    {COLOR_HOTLIGHT,                 rgb(0, 0, 128)},
    {COLOR_GRADIENTACTIVECAPTION,    rgb(16, 132, 208)},
    {COLOR_GRADIENTINACTIVECAPTION,  rgb(181, 181, 181)},
    {COLOR_MENUHILIGHT,              rgb(0, 0, 128)},
    {COLOR_MENUBAR,                  rgb(192, 192, 192)},
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

} // namespace fake
