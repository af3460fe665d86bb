#include "fake/MetricTable.h"

#include "platform/WinFacts.h"

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

} // namespace fake
