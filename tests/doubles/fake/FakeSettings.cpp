#include "fake/FakeSettings.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace fake {

namespace {

using namespace win;

struct MetricRow {
    int index;
    int value;
};

const MetricRow defaultMetrics[] = {
    {SM_CXVSCROLL, 16},     {SM_CYHSCROLL, 16},
    {SM_CYCAPTION, 19},     {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},       {SM_CXFIXEDFRAME, 3},
    {SM_CYFIXEDFRAME, 3},   {SM_CYVTHUMB, 16},
    {SM_CXHTHUMB, 16},      {SM_CXICON, 32},
    {SM_CYICON, 32},        {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},      {SM_CYMENU, 19},
    {SM_MOUSEPRESENT, 1},   {SM_CYVSCROLL, 16},
    {SM_CXHSCROLL, 16},     {SM_CXMIN, 112},
    {SM_CYMIN, 27},         {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},        {SM_CXSIZEFRAME, 4},
    {SM_CYSIZEFRAME, 4},    {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},    {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},    {SM_CXICONSPACING, 75},
    {SM_CYICONSPACING, 75}, {SM_CMOUSEBUTTONS, 3},
    {SM_CXEDGE, 2},         {SM_CYEDGE, 2},
    {SM_CXMINSPACING, 160}, {SM_CYMINSPACING, 24},
    {SM_CXSMICON, 16},      {SM_CYSMICON, 16},
    {SM_CYSMCAPTION, 16},   {SM_CXSMSIZE, 12},
    {SM_CYSMSIZE, 15},      {SM_CXMENUSIZE, 18},
    {SM_CYMENUSIZE, 18},    {SM_ARRANGE, 8},
    {SM_CXMINIMIZED, 160},  {SM_CYMINIMIZED, 24},
    {SM_NETWORK, 3},        {SM_CXDRAG, 4},
    {SM_CYDRAG, 4},         {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},   {SM_MOUSEWHEELPRESENT, 1},
    {SM_CMONITORS, 1},      {SM_SAMEDISPLAYFORMAT, 1},
};

// A screen of 1024 x 768 with a 28-pixel taskbar at the bottom.
const MetricRow screenMetrics[] = {
    {SM_CXSCREEN, 1024},        {SM_CYSCREEN, 768},        {SM_CXFULLSCREEN, 1024}, {SM_CYFULLSCREEN, 721},
    {SM_CXMAXTRACK, 1036},      {SM_CYMAXTRACK, 780},      {SM_CXMAXIMIZED, 1032},  {SM_CYMAXIMIZED, 748},
    {SM_CXVIRTUALSCREEN, 1024}, {SM_CYVIRTUALSCREEN, 768},
};

constexpr win::COLORREF rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

const win::COLORREF defaultColors[] = {
    rgb(192, 192, 192), rgb(0, 128, 128),   rgb(0, 0, 128),     rgb(128, 128, 128), rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(0, 0, 0),       rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(192, 192, 192), rgb(128, 128, 128), rgb(0, 0, 128),     rgb(255, 255, 255),
    rgb(192, 192, 192), rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0),       rgb(192, 192, 192),
    rgb(255, 255, 255), rgb(0, 0, 0),       rgb(192, 192, 192), rgb(0, 0, 0),       rgb(255, 255, 225),
    rgb(180, 180, 180), rgb(0, 0, 128),     rgb(16, 132, 208),  rgb(181, 181, 181), rgb(0, 0, 128),
    rgb(192, 192, 192),
};
constexpr win::DWORD ERROR_INVALID_CURSOR_HANDLE = 1402;

win::LOGFONTA font(const char* face, int height, int weight) {
    win::LOGFONTA f{};
    f.lfHeight = height;
    f.lfWeight = weight;
    std::strncpy(f.lfFaceName, face, sizeof(f.lfFaceName) - 1);
    return f;
}

void writeDword(void* to, std::int64_t value) {
    const auto v = static_cast<win::DWORD>(value);
    std::memcpy(to, &v, sizeof v);
}

win::UINT dwordAt(const void* structure) {
    win::UINT size = 0;
    std::memcpy(&size, structure, sizeof size);
    return size;
}

} // namespace

MetricTable::MetricTable() {
    for (const MetricRow& row : defaultMetrics)
        values[row.index] = row.value;
    for (const MetricRow& row : screenMetrics)
        values[row.index] = row.value;
}

SystemColors::SystemColors() {
    for (std::size_t i = 0; i < std::size(defaultColors); ++i)
        values[static_cast<int>(i)] = defaultColors[i];
}

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
    const auto it = loaded.find(cursor);
    const std::string file = it == loaded.end() ? "" : it->second;
    const bool known = std::any_of(std::begin(systemPointers), std::end(systemPointers),
                                   [id](const auto& pointer) { return pointer.second == id; });
    error = it == loaded.end() ? ERROR_INVALID_CURSOR_HANDLE : !known ? win::ERROR_INVALID_PARAMETER : 0;
    if (error == 0) {
        system[id] = file;
        loaded.erase(it);
    }
    calls.push_back(CursorCall{id, file, error == 0});
    return error == 0;
}

SpiStore::SpiStore(MetricTable& metrics) : metrics_(metrics) {
    for (const Setting* row = win::settingsBegin(); row != win::settingsEnd(); ++row) {
        if (row->transport != Transport::Structure && row->transport != Transport::Text && row->metric < 0)
            numbers_[row] = row->initial;
    }
    setBytes(win::SPI_GETMOUSE, bytesOf(std::array<int, 3>{6, 10, 1}));
    setBytes(win::SPI_GETICONTITLELOGFONT, bytesOf(font("MS Sans Serif", -11, 400)));
    win::NONCLIENTMETRICSA ncm{};
    ncm.cbSize = sizeof ncm;
    ncm.iBorderWidth = 1;
    ncm.iScrollWidth = ncm.iScrollHeight = 16;
    ncm.iCaptionWidth = ncm.iCaptionHeight = 18;
    ncm.lfCaptionFont = font("MS Sans Serif", -11, 700);
    ncm.iSmCaptionWidth = 12;
    ncm.iSmCaptionHeight = 15;
    ncm.lfSmCaptionFont = font("MS Sans Serif", -11, 700);
    ncm.iMenuWidth = ncm.iMenuHeight = 18;
    ncm.lfMenuFont = font("MS Sans Serif", -11, 400);
    ncm.lfStatusFont = font("MS Sans Serif", -11, 400);
    ncm.lfMessageFont = font("MS Sans Serif", -11, 400);
    setBytes(win::SPI_GETNONCLIENTMETRICS, bytesOf(ncm));
    setBytes(win::SPI_GETANIMATION, bytesOf(win::ANIMATIONINFO{sizeof(win::ANIMATIONINFO), 1}));
    setBytes(win::SPI_GETFILTERKEYS,
             bytesOf(win::FILTERKEYS{sizeof(win::FILTERKEYS), 0x7E, 1000, 1000, 500, 0}));
    setBytes(win::SPI_GETTOGGLEKEYS, bytesOf(win::TOGGLEKEYS{sizeof(win::TOGGLEKEYS), 0x1E}));
    setBytes(win::SPI_GETMOUSEKEYS, bytesOf(win::MOUSEKEYS{sizeof(win::MOUSEKEYS), 0x3E, 40, 3000, 0, 0, 0}));
    setBytes(win::SPI_GETSTICKYKEYS, bytesOf(win::STICKYKEYS{sizeof(win::STICKYKEYS), 0x1FE}));
    setBytes(win::SPI_GETACCESSTIMEOUT, bytesOf(win::ACCESSTIMEOUT{sizeof(win::ACCESSTIMEOUT), 0x2, 300000}));
    win::SOUNDSENTRYA sentry{};
    sentry.cbSize = sizeof sentry;
    sentry.dwFlags = 0x2;
    setBytes(win::SPI_GETSOUNDSENTRY, bytesOf(sentry));
    setBytes(win::SPI_GETHIGHCONTRAST,
             bytesOf(win::HIGHCONTRASTA{sizeof(win::HIGHCONTRASTA), 0x5E, nullptr}));
    pointedText_[&win::setting(win::SPI_GETHIGHCONTRAST)] = "High Contrast Black";
    pointedText_[&win::setting(win::SPI_GETSOUNDSENTRY)] = "";
    setBytes(win::SPI_GETWORKAREA, bytesOf(win::RECT{0, 0, 1024, 740}));
}

win::BOOL SpiStore::call(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni,
                         win::DWORD& error) {
    calls.push_back(SpiCall{action, uiParam, reinterpret_cast<std::uintptr_t>(pvParam), fWinIni});
    error = win::ERROR_SUCCESS;
    const Setting* row = win::findSetting(action);
    if (!row) {
        error = win::ERROR_INVALID_SPI_VALUE;
        return win::FALSE;
    }
    // Icon spacing has one action for both ways: it reads into a buffer and sets without one.
    const bool reads = row->transport == Transport::IconSpacing ? pvParam != nullptr : action == row->get;
    return reads ? get(*row, uiParam, pvParam, error) : set(*row, uiParam, pvParam, error);
}

win::BOOL SpiStore::get(const Setting& row, win::UINT uiParam, void* pvParam, win::DWORD& error) {
    if (row.transport == Transport::Returned)
        return static_cast<win::BOOL>(number(row));
    if (!pvParam || (row.transport == Transport::Text && uiParam == 0) ||
        (row.transport == Transport::Structure && row.hasCbSize && dwordAt(pvParam) != row.size)) {
        error = win::ERROR_INVALID_PARAMETER;
        return win::FALSE;
    }
    switch (row.transport) {
    case Transport::Text: {
        const std::string& text = bytes_[&row];
        const std::size_t n = std::min<std::size_t>(text.size(), uiParam - 1);
        std::memcpy(pvParam, text.data(), n);
        static_cast<char*>(pvParam)[n] = '\0';
        return win::TRUE;
    }
    case Transport::Structure: {
        const std::string stored = structure(row);
        std::memcpy(pvParam, stored.data(), std::min(stored.size(), row.size));
        if (row.textAt) {
            char* text = &pointedText_[&row][0];
            std::memcpy(static_cast<char*>(pvParam) + row.textAt, &text, sizeof text);
        }
        return win::TRUE;
    }
    default:
        writeDword(pvParam, number(row));
        return win::TRUE;
    }
}

win::BOOL SpiStore::set(const Setting& row, win::UINT uiParam, void* pvParam, win::DWORD& error) {
    switch (row.transport) {
    case Transport::UiParam:
    case Transport::UiParamScratch:
        setNumber(row, uiParam);
        return win::TRUE;
    case Transport::IconSpacing:
        // Wine and Windows keep icon spacing at 32 pixels or more.
        setNumber(row, std::max<win::UINT>(uiParam, 32));
        return win::TRUE;
    case Transport::PvValue:
        setNumber(row, static_cast<win::DWORD>(reinterpret_cast<std::uintptr_t>(pvParam)));
        return win::TRUE;
    case Transport::PvPointer:
        if (!pvParam)
            break;
        setNumber(row, static_cast<std::int32_t>(dwordAt(pvParam)));
        return win::TRUE;
    case Transport::Text:
        bytes_[&row] = pvParam ? static_cast<const char*>(pvParam) : "";
        return win::TRUE;
    case Transport::Structure: {
        if (!pvParam || (row.hasCbSize && dwordAt(pvParam) != row.size))
            break;
        std::string stored(static_cast<const char*>(pvParam), row.size);
        if (row.textAt) {
            const char* text = nullptr;
            std::memcpy(&text, stored.data() + row.textAt, sizeof text);
            pointedText_[&row] = text ? text : "";
            std::memset(&stored[row.textAt], 0, sizeof text);
        }
        setStructure(row, stored);
        return win::TRUE;
    }
    case Transport::Returned:
        break;
    }
    error = win::ERROR_INVALID_PARAMETER;
    return win::FALSE;
}

std::int64_t SpiStore::number(const Setting& row) const {
    if (row.metric >= 0)
        return metrics_.get(row.metric);
    return lookup(numbers_, &row, std::int64_t{0});
}

void SpiStore::setNumber(const Setting& row, std::int64_t value) {
    if (row.boolean)
        value = value != 0 ? 1 : 0;
    if (row.metric >= 0)
        metrics_.set(row.metric, static_cast<int>(value));
    else
        numbers_[&row] = value;
}

std::string SpiStore::structure(const Setting& row) const {
    if (row.get != win::SPI_GETICONMETRICS)
        return lookup(bytes_, &row, std::string());
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    metrics.iHorzSpacing = metrics_.get(win::SM_CXICONSPACING);
    metrics.iVertSpacing = metrics_.get(win::SM_CYICONSPACING);
    metrics.iTitleWrap = static_cast<int>(value(win::SPI_GETICONTITLEWRAP));
    metrics.lfFont = fromBytes<win::LOGFONTA>(bytes(win::SPI_GETICONTITLELOGFONT));
    return bytesOf(metrics);
}

void SpiStore::setStructure(const Setting& row, const std::string& bytes) {
    if (row.get != win::SPI_GETICONMETRICS) {
        bytes_[&row] = bytes;
        return;
    }
    const auto metrics = fromBytes<win::ICONMETRICSA>(bytes);
    metrics_.set(win::SM_CXICONSPACING, metrics.iHorzSpacing);
    metrics_.set(win::SM_CYICONSPACING, metrics.iVertSpacing);
    setValue(win::SPI_GETICONTITLEWRAP, metrics.iTitleWrap);
    setBytes(win::SPI_GETICONTITLELOGFONT, bytesOf(metrics.lfFont));
}

} // namespace fake
