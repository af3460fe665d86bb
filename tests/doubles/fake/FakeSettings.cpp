#include "fake/FakeSettings.h"

#include "platform/WinFacts.h"

#include <set>

namespace fake {

namespace {

using namespace win;

struct MetricRow {
    int index;
    int value;
};

// Metrics without a row read 0.
// clang-format off
const MetricRow defaultMetrics[] = {
    {SM_CXVSCROLL, 16},        {SM_CYHSCROLL, 16},        {SM_CYCAPTION, 19},        {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},          {SM_CXFIXEDFRAME, 3},      {SM_CYFIXEDFRAME, 3},      {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},         {SM_CXICON, 32},           {SM_CYICON, 32},           {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},         {SM_CYMENU, 19},           {SM_MOUSEPRESENT, 1},      {SM_CYVSCROLL, 16},
    {SM_CXHSCROLL, 16},        {SM_CXMIN, 112},           {SM_CYMIN, 27},            {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},           {SM_CXSIZEFRAME, 4},       {SM_CYSIZEFRAME, 4},       {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},       {SM_CXDOUBLECLK, 4},       {SM_CYDOUBLECLK, 4},       {SM_CXICONSPACING, 75},
    {SM_CYICONSPACING, 75},    {SM_CMOUSEBUTTONS, 3},     {SM_CXEDGE, 2},            {SM_CYEDGE, 2},
    {SM_CXMINSPACING, 160},    {SM_CYMINSPACING, 24},     {SM_CXSMICON, 16},         {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 16},      {SM_CXSMSIZE, 12},         {SM_CYSMSIZE, 15},         {SM_CXMENUSIZE, 18},
    {SM_CYMENUSIZE, 18},       {SM_ARRANGE, 8},           {SM_CXMINIMIZED, 160},     {SM_CYMINIMIZED, 24},
    {SM_NETWORK, 3},           {SM_CXDRAG, 4},            {SM_CYDRAG, 4},            {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},      {SM_MOUSEWHEELPRESENT, 1}, {SM_CMONITORS, 1},         {SM_SAMEDISPLAYFORMAT, 1},
};
// clang-format on

constexpr win::COLORREF rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

// By colour index, COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
// clang-format off
const std::vector<win::COLORREF> defaultColors = {
    rgb(192, 192, 192), rgb(0, 128, 128),   rgb(0, 0, 128),     rgb(128, 128, 128), rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 128),     rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(192, 192, 192), rgb(0, 0, 0),       rgb(255, 255, 225),
    rgb(180, 180, 180), rgb(0, 0, 128),     rgb(16, 132, 208),  rgb(181, 181, 181), rgb(0, 0, 128),
    rgb(192, 192, 192),
};
// clang-format on
constexpr win::DWORD ERROR_INVALID_CURSOR_HANDLE = 1402;

} // namespace

MetricTable::MetricTable() {
    for (const MetricRow& row : defaultMetrics)
        values_[row.index] = row.value;
    setScreenSize(1024, 768);
}

int MetricTable::get(int index) const {
    const auto it = values_.find(index);
    return it == values_.end() ? 0 : it->second;
}

void MetricTable::setScreenSize(int width, int height) {
    using namespace win;
    const int frame = get(SM_CXSIZEFRAME);
    values_[SM_CXSCREEN] = width;
    values_[SM_CYSCREEN] = height;
    values_[SM_CXFULLSCREEN] = width;
    // The full-screen client area is the work area less a caption.
    values_[SM_CYFULLSCREEN] = height - TaskbarHeight - get(SM_CYCAPTION);
    values_[SM_CXMAXTRACK] = width + 2 * (frame + 2);
    values_[SM_CYMAXTRACK] = height + 2 * (frame + 2);
    values_[SM_CXMAXIMIZED] = width + 2 * frame;
    values_[SM_CYMAXIMIZED] = height - TaskbarHeight + 2 * frame;
    values_[SM_CXVIRTUALSCREEN] = width;
    values_[SM_CYVIRTUALSCREEN] = height;
}

SystemColors::SystemColors() : colors(defaultColors) {}

bool CursorStore::isCursorImage(const std::string& bytes) {
    const bool staticCursor = bytes.size() >= 4 && bytes.compare(0, 4, std::string("\0\0\2\0", 4)) == 0;
    const bool animated =
        bytes.size() >= 12 && bytes.compare(0, 4, "RIFF") == 0 && bytes.compare(8, 4, "ACON") == 0;
    return staticCursor || animated;
}

win::HCURSOR CursorStore::load(const std::string& file) {
    loaded[next] = file;
    return std::exchange(next, next + 0x10);
}

bool CursorStore::replace(win::HCURSOR cursor, win::DWORD id, win::DWORD& error) {
    using namespace win;
    const auto it = loaded.find(cursor);
    const std::string file = it == loaded.end() ? "" : it->second;
    const bool known = std::set<win::DWORD>{OCR_NORMAL, OCR_IBEAM, OCR_WAIT, OCR_CROSS, OCR_UP,
                                            OCR_SIZENWSE, OCR_SIZENESW, OCR_SIZEWE, OCR_SIZENS, OCR_SIZEALL,
                                            OCR_NO, OCR_HAND, OCR_APPSTARTING}
                           .count(id) > 0;
    error = it == loaded.end() ? ERROR_INVALID_CURSOR_HANDLE : !known ? win::ERROR_INVALID_PARAMETER : 0;
    if (error == 0) {
        system[id] = file;
        loaded.erase(it);
    }
    calls.push_back(CursorCall{id, file, error == 0});
    return error == 0;
}

std::string CursorStore::systemCursorFile(win::DWORD id) const {
    const auto it = system.find(id);
    return it == system.end() ? "" : it->second;
}

} // namespace fake
