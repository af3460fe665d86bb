#include "fake/SystemColorTable.h"

#include "platform/WinFacts.h"

#include <algorithm>
#include <iterator>

namespace fake {

namespace {

using namespace win;

constexpr win::COLORREF rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

// By colour index, COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
// clang-format off
const win::COLORREF defaultColors[SystemColorTable::Count] = {
    rgb(192, 192, 192), rgb(0, 128, 128),   rgb(0, 0, 128),     rgb(128, 128, 128), rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 128),     rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(192, 192, 192), rgb(0, 0, 0),       rgb(255, 255, 225),
    rgb(180, 180, 180), rgb(0, 0, 128),     rgb(16, 132, 208),  rgb(181, 181, 181), rgb(0, 0, 128),
    rgb(192, 192, 192),
};
// clang-format on
static_assert(SystemColorTable::Count == COLOR_MENUBAR + 1);

} // namespace

SystemColorTable::SystemColorTable() {
    std::copy(std::begin(defaultColors), std::end(defaultColors), colors_);
}

win::COLORREF SystemColorTable::get(int index) const {
    return valid(index) ? colors_[index] : 0;
}

void SystemColorTable::set(int index, win::COLORREF color) {
    if (valid(index))
        colors_[index] = color;
}

} // namespace fake
