#include "fake/SpiStore.h"

#include "fake/MetricTable.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace fake {

namespace {

using F = SpiForm;

// clang-format off
const SpiRow spiRows[] = {
    // name                            get     set     form            bool   metric size                          cbSize textAt                                          initial
    {"SPI_GETBEEP",                    0x01,   0x02,   F::UiParam,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETMOUSE",                   0x03,   0x04,   F::Structure,   false, -1, 3 * sizeof(int),                  false, 0,                                              0},
    {"SPI_GETBORDER",                  0x05,   0x06,   F::UiParam,     false, -1, 0,                                false, 0,                                              1},
    {"SPI_GETKEYBOARDSPEED",           0x0A,   0x0B,   F::UiParam,     false, -1, 0,                                false, 0,                                              31},
    {"SPI_ICONHORIZONTALSPACING",      0x0D,   0x0D,   F::IconSpacing, false, 38, 0,                                false, 0,                                              0},
    {"SPI_GETSCREENSAVETIMEOUT",       0x0E,   0x0F,   F::UiParam,     false, -1, 0,                                false, 0,                                              900},
    {"SPI_GETSCREENSAVEACTIVE",        0x10,   0x11,   F::UiParam,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETGRIDGRANULARITY",         0x12,   0x13,   F::UiParam,     false, -1, 0,                                false, 0,                                              0},
    {"SPI_GETDESKWALLPAPER",           0x73,   0x14,   F::Text,        false, -1, 0,                                false, 0,                                              0},
    {"SPI_SETDESKPATTERN",             0,      0x15,   F::Text,        false, -1, 0,                                false, 0,                                              0},
    {"SPI_GETKEYBOARDDELAY",           0x16,   0x17,   F::UiParam,     false, -1, 0,                                false, 0,                                              1},
    {"SPI_ICONVERTICALSPACING",        0x18,   0x18,   F::IconSpacing, false, 39, 0,                                false, 0,                                              0},
    {"SPI_GETICONTITLEWRAP",           0x19,   0x1A,   F::UiParam,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETMENUDROPALIGNMENT",       0x1B,   0x1C,   F::UiParam,     true,  40, 0,                                false, 0,                                              0},
    {"SPI_SETDOUBLECLKWIDTH",          0,      0x1D,   F::UiParam,     false, 36, 0,                                false, 0,                                              0},
    {"SPI_SETDOUBLECLKHEIGHT",         0,      0x1E,   F::UiParam,     false, 37, 0,                                false, 0,                                              0},
    {"SPI_GETICONTITLELOGFONT",        0x1F,   0x22,   F::Structure,   false, -1, sizeof(win::LOGFONTA),            false, 0,                                              0},
    {"SPI_SETDOUBLECLICKTIME",         0,      0x20,   F::UiParam,     false, -1, 0,                                false, 0,                                              500},
    {"SPI_SETMOUSEBUTTONSWAP",         0,      0x21,   F::UiParam,     true,  23, 0,                                false, 0,                                              0},
    {"SPI_GETDRAGFULLWINDOWS",         0x26,   0x25,   F::UiParam,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETNONCLIENTMETRICS",        0x29,   0x2A,   F::Structure,   false, -1, sizeof(win::NONCLIENTMETRICSA),   true,  0,                                              0},
    {"SPI_GETICONMETRICS",             0x2D,   0x2E,   F::IconMetrics, false, -1, sizeof(win::ICONMETRICSA),        true,  0,                                              0},
    {"SPI_GETWORKAREA",                0x30,   0x2F,   F::Structure,   false, -1, sizeof(win::RECT),                false, 0,                                              0},
    {"SPI_GETFILTERKEYS",              0x32,   0x33,   F::Structure,   false, -1, sizeof(win::FILTERKEYS),          true,  0,                                              0},
    {"SPI_GETTOGGLEKEYS",              0x34,   0x35,   F::Structure,   false, -1, sizeof(win::TOGGLEKEYS),          true,  0,                                              0},
    {"SPI_GETMOUSEKEYS",               0x36,   0x37,   F::Structure,   false, -1, sizeof(win::MOUSEKEYS),           true,  0,                                              0},
    {"SPI_GETSHOWSOUNDS",              0x38,   0x39,   F::UiParam,     true,  70, 0,                                false, 0,                                              0},
    {"SPI_GETSTICKYKEYS",              0x3A,   0x3B,   F::Structure,   false, -1, sizeof(win::STICKYKEYS),          true,  0,                                              0},
    {"SPI_GETACCESSTIMEOUT",           0x3C,   0x3D,   F::Structure,   false, -1, sizeof(win::ACCESSTIMEOUT),       true,  0,                                              0},
    {"SPI_GETSOUNDSENTRY",             0x40,   0x41,   F::Structure,   false, -1, sizeof(win::SOUNDSENTRYA),        true,  offsetof(win::SOUNDSENTRYA, lpszWindowsEffectDLL), 0},
    {"SPI_GETHIGHCONTRAST",            0x42,   0x43,   F::Structure,   false, -1, sizeof(win::HIGHCONTRASTA),       true,  offsetof(win::HIGHCONTRASTA, lpszDefaultScheme),   0},
    {"SPI_GETANIMATION",               0x48,   0x49,   F::Structure,   false, -1, sizeof(win::ANIMATIONINFO),       true,  0,                                              0},
    {"SPI_GETFONTSMOOTHING",           0x4A,   0x4B,   F::UiParam,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_SETDRAGWIDTH",               0,      0x4C,   F::UiParam,     false, 68, 0,                                false, 0,                                              0},
    {"SPI_SETDRAGHEIGHT",              0,      0x4D,   F::UiParam,     false, 69, 0,                                false, 0,                                              0},
    {"SPI_GETWINDOWSEXTENSION",        0x5C,   0,      F::Returned,    true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETMOUSETRAILS",             0x5E,   0x5D,   F::UiParam,     false, -1, 0,                                false, 0,                                              0},
    {"SPI_GETSNAPTODEFBUTTON",         0x5F,   0x60,   F::UiParam,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETSCREENSAVERRUNNING",      0x72,   0x61,   F::UiParam,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETMOUSEHOVERWIDTH",         0x62,   0x63,   F::UiParam,     false, -1, 0,                                false, 0,                                              4},
    {"SPI_GETMOUSEHOVERHEIGHT",        0x64,   0x65,   F::UiParam,     false, -1, 0,                                false, 0,                                              4},
    {"SPI_GETMOUSEHOVERTIME",          0x66,   0x67,   F::UiParam,     false, -1, 0,                                false, 0,                                              400},
    {"SPI_GETWHEELSCROLLLINES",        0x68,   0x69,   F::UiParam,     false, -1, 0,                                false, 0,                                              3},
    {"SPI_GETMENUSHOWDELAY",           0x6A,   0x6B,   F::UiParam,     false, -1, 0,                                false, 0,                                              400},
    {"SPI_GETMOUSESPEED",              0x70,   0x71,   F::PvValue,     false, -1, 0,                                false, 0,                                              10},
    {"SPI_GETACTIVEWINDOWTRACKING",    0x1000, 0x1001, F::PvValue,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETMENUANIMATION",           0x1002, 0x1003, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETCOMBOBOXANIMATION",       0x1004, 0x1005, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETLISTBOXSMOOTHSCROLLING",  0x1006, 0x1007, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETGRADIENTCAPTIONS",        0x1008, 0x1009, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETKEYBOARDCUES",            0x100A, 0x100B, F::PvValue,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETACTIVEWNDTRKZORDER",      0x100C, 0x100D, F::PvValue,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETHOTTRACKING",             0x100E, 0x100F, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETMENUFADE",                0x1012, 0x1013, F::PvValue,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETSELECTIONFADE",           0x1014, 0x1015, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETTOOLTIPANIMATION",        0x1016, 0x1017, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETTOOLTIPFADE",             0x1018, 0x1019, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETCURSORSHADOW",            0x101A, 0x101B, F::PvValue,     true,  -1, 0,                                false, 0,                                              0},
    {"SPI_GETUIEFFECTS",               0x103E, 0x103F, F::PvValue,     true,  -1, 0,                                false, 0,                                              1},
    {"SPI_GETFOREGROUNDLOCKTIMEOUT",   0x2000, 0x2001, F::PvValue,     false, -1, 0,                                false, 0,                                              200000},
    {"SPI_GETACTIVEWNDTRKTIMEOUT",     0x2002, 0x2003, F::PvValue,     false, -1, 0,                                false, 0,                                              0},
    {"SPI_GETFOREGROUNDFLASHCOUNT",    0x2004, 0x2005, F::PvValue,     false, -1, 0,                                false, 0,                                              3},
    {"SPI_GETCARETWIDTH",              0x2006, 0x2007, F::PvValue,     false, -1, 0,                                false, 0,                                              1},
};
// clang-format on

constexpr win::UINT SPI_GETICONTITLELOGFONT = 0x1F;
constexpr win::UINT SPI_GETICONTITLEWRAP = 0x19;
constexpr win::UINT SPI_GETWORKAREA = 0x30;
constexpr int SM_CXICONSPACING = 38;
constexpr int SM_CYICONSPACING = 39;

template <class T> std::string bytesOf(const T& value) {
    return std::string(reinterpret_cast<const char*>(&value), sizeof(T));
}

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

win::UINT cbSizeAt(const void* structure) {
    win::UINT size = 0;
    std::memcpy(&size, structure, sizeof size);
    return size;
}

} // namespace

SpiStore::SpiStore(MetricTable& metrics) : metrics_(metrics) {
    for (const SpiRow& row : spiRows) {
        if (row.form == SpiForm::UiParam || row.form == SpiForm::PvValue || row.form == SpiForm::Returned)
            numbers_[keyOf(row)] = row.initial;
    }
    // The classic desktop: MS Sans Serif 8 point (-11 at 96 dpi) everywhere, bold captions.
    const int mouse[3] = {6, 10, 1};
    bytes_[0x03] = std::string(reinterpret_cast<const char*>(mouse), sizeof mouse);
    bytes_[SPI_GETICONTITLELOGFONT] = bytesOf(font("MS Sans Serif", -11, 400));

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
    bytes_[0x29] = bytesOf(ncm);

    bytes_[0x48] = bytesOf(win::ANIMATIONINFO{sizeof(win::ANIMATIONINFO), 1});
    bytes_[0x32] = bytesOf(win::FILTERKEYS{sizeof(win::FILTERKEYS), 0x7E, 1000, 1000, 500, 0});
    bytes_[0x34] = bytesOf(win::TOGGLEKEYS{sizeof(win::TOGGLEKEYS), 0x1E});
    bytes_[0x36] = bytesOf(win::MOUSEKEYS{sizeof(win::MOUSEKEYS), 0x3E, 40, 3000, 0, 0, 0});
    bytes_[0x3A] = bytesOf(win::STICKYKEYS{sizeof(win::STICKYKEYS), 0x1FE});
    bytes_[0x3C] = bytesOf(win::ACCESSTIMEOUT{sizeof(win::ACCESSTIMEOUT), 0x2, 300000});
    win::SOUNDSENTRYA sentry{};
    sentry.cbSize = sizeof sentry;
    sentry.dwFlags = 0x2;
    bytes_[0x40] = bytesOf(sentry);
    win::HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    contrast.dwFlags = 0x5E;
    bytes_[0x42] = bytesOf(contrast);
    pointedText_[0x42] = "High Contrast Black";
    pointedText_[0x40] = "";
    bytes_[0x73] = "";
    bytes_[0x15] = "";
    setScreenSize(1024, 768);
}

void SpiStore::setScreenSize(int width, int height) {
    bytes_[SPI_GETWORKAREA] = bytesOf(win::RECT{0, 0, width, height - MetricTable::TaskbarHeight});
}

const SpiRow* SpiStore::rowOf(win::UINT action) const {
    for (const SpiRow& row : spiRows) {
        if (row.get == action || row.set == action)
            return &row;
    }
    return nullptr;
}

win::BOOL SpiStore::call(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni,
                         win::DWORD& error) {
    calls.push_back(SpiCall{action, uiParam, reinterpret_cast<std::uintptr_t>(pvParam), fWinIni});
    error = win::ERROR_SUCCESS;
    const SpiRow* row = rowOf(action);
    if (!row) {
        error = win::ERROR_INVALID_PARAMETER;
        return win::FALSE;
    }
    if (row->form == SpiForm::IconSpacing)
        return pvParam ? get(*row, uiParam, pvParam, error) : set(*row, uiParam, pvParam, error);
    return action == row->get ? get(*row, uiParam, pvParam, error) : set(*row, uiParam, pvParam, error);
}

win::BOOL SpiStore::get(const SpiRow& row, win::UINT uiParam, void* pvParam, win::DWORD& error) {
    if (row.form == SpiForm::Returned)
        return static_cast<win::BOOL>(value(row.get));
    if (!pvParam) {
        error = win::ERROR_INVALID_PARAMETER;
        return win::FALSE;
    }
    switch (row.form) {
    case SpiForm::UiParam:
    case SpiForm::PvValue:
    case SpiForm::IconSpacing:
        writeDword(pvParam, value(keyOf(row)));
        return win::TRUE;
    case SpiForm::Text: {
        if (uiParam == 0) {
            error = win::ERROR_INVALID_PARAMETER;
            return win::FALSE;
        }
        const std::string& text = bytes_[keyOf(row)];
        const std::size_t n = std::min<std::size_t>(text.size(), uiParam - 1);
        std::memcpy(pvParam, text.data(), n);
        static_cast<char*>(pvParam)[n] = '\0';
        return win::TRUE;
    }
    case SpiForm::Structure:
    case SpiForm::IconMetrics: {
        if (row.hasCbSize && cbSizeAt(pvParam) != row.size) {
            error = win::ERROR_INVALID_PARAMETER;
            return win::FALSE;
        }
        const std::string stored = bytes(keyOf(row));
        std::memcpy(pvParam, stored.data(), std::min(stored.size(), row.size));
        if (row.textAt) {
            char* text = &pointedText_[keyOf(row)][0];
            std::memcpy(static_cast<char*>(pvParam) + row.textAt, &text, sizeof text);
        }
        return win::TRUE;
    }
    case SpiForm::Returned:
        break;
    }
    return win::FALSE;
}

win::BOOL SpiStore::set(const SpiRow& row, win::UINT uiParam, void* pvParam, win::DWORD& error) {
    switch (row.form) {
    case SpiForm::UiParam:
        setValue(keyOf(row), uiParam);
        return win::TRUE;
    case SpiForm::IconSpacing:
        // Wine and Windows keep icon spacing at 32 pixels or more.
        setValue(keyOf(row), std::max<win::UINT>(uiParam, 32));
        return win::TRUE;
    case SpiForm::PvValue:
        setValue(keyOf(row), static_cast<win::DWORD>(reinterpret_cast<std::uintptr_t>(pvParam)));
        return win::TRUE;
    case SpiForm::Text:
        bytes_[keyOf(row)] = pvParam ? static_cast<const char*>(pvParam) : "";
        return win::TRUE;
    case SpiForm::Structure:
    case SpiForm::IconMetrics: {
        if (!pvParam || (row.hasCbSize && cbSizeAt(pvParam) != row.size)) {
            error = win::ERROR_INVALID_PARAMETER;
            return win::FALSE;
        }
        std::string stored(static_cast<const char*>(pvParam), row.size);
        if (row.textAt) {
            const char* text = nullptr;
            std::memcpy(&text, stored.data() + row.textAt, sizeof text);
            pointedText_[keyOf(row)] = text ? text : "";
            std::memset(&stored[row.textAt], 0, sizeof text);
        }
        setBytes(keyOf(row), stored);
        return win::TRUE;
    }
    case SpiForm::Returned:
        break;
    }
    error = win::ERROR_INVALID_PARAMETER;
    return win::FALSE;
}

std::int64_t SpiStore::value(win::UINT action) const {
    const SpiRow* row = rowOf(action);
    if (!row)
        return 0;
    if (row->metric >= 0)
        return metrics_.get(row->metric);
    const auto it = numbers_.find(keyOf(*row));
    return it == numbers_.end() ? 0 : it->second;
}

void SpiStore::setValue(win::UINT action, std::int64_t value) {
    const SpiRow* row = rowOf(action);
    if (!row)
        return;
    if (row->boolean)
        value = value != 0 ? 1 : 0;
    if (row->metric >= 0)
        metrics_.set(row->metric, static_cast<int>(value));
    else
        numbers_[keyOf(*row)] = value;
}

std::string SpiStore::iconMetrics() const {
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    metrics.iHorzSpacing = metrics_.get(SM_CXICONSPACING);
    metrics.iVertSpacing = metrics_.get(SM_CYICONSPACING);
    metrics.iTitleWrap = static_cast<int>(value(SPI_GETICONTITLEWRAP));
    const std::string& font = bytes_.at(SPI_GETICONTITLELOGFONT);
    std::memcpy(&metrics.lfFont, font.data(), sizeof metrics.lfFont);
    return bytesOf(metrics);
}

std::string SpiStore::bytes(win::UINT action) const {
    const SpiRow* row = rowOf(action);
    if (!row)
        return "";
    if (row->form == SpiForm::IconMetrics)
        return iconMetrics();
    const auto it = bytes_.find(keyOf(*row));
    return it == bytes_.end() ? "" : it->second;
}

void SpiStore::setBytes(win::UINT action, const std::string& bytes) {
    const SpiRow* row = rowOf(action);
    if (!row)
        return;
    if (row->form != SpiForm::IconMetrics) {
        bytes_[keyOf(*row)] = bytes;
        return;
    }
    // SPI_SETICONMETRICS spreads the structure over the settings it is made of.
    win::ICONMETRICSA metrics{};
    std::memcpy(&metrics, bytes.data(), std::min(bytes.size(), sizeof metrics));
    metrics_.set(SM_CXICONSPACING, metrics.iHorzSpacing);
    metrics_.set(SM_CYICONSPACING, metrics.iVertSpacing);
    setValue(SPI_GETICONTITLEWRAP, metrics.iTitleWrap);
    bytes_[SPI_GETICONTITLELOGFONT] = bytesOf(metrics.lfFont);
}

} // namespace fake
