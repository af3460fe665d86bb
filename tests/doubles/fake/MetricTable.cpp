#include "fake/MetricTable.h"

namespace fake {

namespace {

struct MetricRow {
    int index;
    const char* name;
    int value;
};

// clang-format off
const MetricRow defaultMetrics[] = {
    {2, "SM_CXVSCROLL", 16},        {3, "SM_CYHSCROLL", 16},        {4, "SM_CYCAPTION", 19},
    {5, "SM_CXBORDER", 1},          {6, "SM_CYBORDER", 1},          {7, "SM_CXFIXEDFRAME", 3},
    {8, "SM_CYFIXEDFRAME", 3},      {9, "SM_CYVTHUMB", 16},         {10, "SM_CXHTHUMB", 16},
    {11, "SM_CXICON", 32},          {12, "SM_CYICON", 32},          {13, "SM_CXCURSOR", 32},
    {14, "SM_CYCURSOR", 32},        {15, "SM_CYMENU", 19},          {18, "SM_CYKANJIWINDOW", 0},
    {19, "SM_MOUSEPRESENT", 1},     {20, "SM_CYVSCROLL", 16},       {21, "SM_CXHSCROLL", 16},
    {22, "SM_DEBUG", 0},            {23, "SM_SWAPBUTTON", 0},       {28, "SM_CXMIN", 112},
    {29, "SM_CYMIN", 27},           {30, "SM_CXSIZE", 18},          {31, "SM_CYSIZE", 18},
    {32, "SM_CXSIZEFRAME", 4},      {33, "SM_CYSIZEFRAME", 4},      {34, "SM_CXMINTRACK", 112},
    {35, "SM_CYMINTRACK", 27},      {36, "SM_CXDOUBLECLK", 4},      {37, "SM_CYDOUBLECLK", 4},
    {38, "SM_CXICONSPACING", 75},   {39, "SM_CYICONSPACING", 75},   {40, "SM_MENUDROPALIGNMENT", 0},
    {41, "SM_PENWINDOWS", 0},       {42, "SM_DBCSENABLED", 0},      {43, "SM_CMOUSEBUTTONS", 3},
    {44, "SM_SECURE", 0},           {45, "SM_CXEDGE", 2},           {46, "SM_CYEDGE", 2},
    {47, "SM_CXMINSPACING", 160},   {48, "SM_CYMINSPACING", 24},    {49, "SM_CXSMICON", 16},
    {50, "SM_CYSMICON", 16},        {51, "SM_CYSMCAPTION", 16},     {52, "SM_CXSMSIZE", 12},
    {53, "SM_CYSMSIZE", 15},        {54, "SM_CXMENUSIZE", 18},      {55, "SM_CYMENUSIZE", 18},
    {56, "SM_ARRANGE", 8},          {57, "SM_CXMINIMIZED", 160},    {58, "SM_CYMINIMIZED", 24},
    {63, "SM_NETWORK", 3},          {67, "SM_CLEANBOOT", 0},        {68, "SM_CXDRAG", 4},
    {69, "SM_CYDRAG", 4},           {70, "SM_SHOWSOUNDS", 0},       {71, "SM_CXMENUCHECK", 13},
    {72, "SM_CYMENUCHECK", 13},     {73, "SM_SLOWMACHINE", 0},      {74, "SM_MIDEASTENABLED", 0},
    {75, "SM_MOUSEWHEELPRESENT", 1},{76, "SM_XVIRTUALSCREEN", 0},   {77, "SM_YVIRTUALSCREEN", 0},
    {80, "SM_CMONITORS", 1},        {81, "SM_SAMEDISPLAYFORMAT", 1},{82, "SM_IMMENABLED", 0},
    {0x1000, "SM_REMOTESESSION", 0},
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
    const int frame = get(32);
    values_[0] = width;                               // SM_CXSCREEN
    values_[1] = height;                              // SM_CYSCREEN
    values_[16] = width;                              // SM_CXFULLSCREEN
    values_[17] = height - TaskbarHeight - get(4);    // SM_CYFULLSCREEN: work area less a caption
    values_[59] = width + 2 * (frame + 2);            // SM_CXMAXTRACK
    values_[60] = height + 2 * (frame + 2);           // SM_CYMAXTRACK
    values_[61] = width + 2 * frame;                  // SM_CXMAXIMIZED
    values_[62] = height - TaskbarHeight + 2 * frame; // SM_CYMAXIMIZED
    values_[78] = width;                              // SM_CXVIRTUALSCREEN
    values_[79] = height;                             // SM_CYVIRTUALSCREEN
}

} // namespace fake
