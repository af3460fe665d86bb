#include "fake/SpiStore.h"

#include "fake/FakeSettings.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace fake {

namespace {

using win::Setting;
using win::Transport;

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

win::UINT dwordAt(const void* structure) {
    win::UINT size = 0;
    std::memcpy(&size, structure, sizeof size);
    return size;
}

} // namespace

SpiStore::SpiStore(MetricTable& metrics) : metrics_(metrics) {
    for (const Setting* row = win::settingsBegin(); row != win::settingsEnd(); ++row) {
        if (row->transport != Transport::Structure && row->transport != Transport::Text && row->metric < 0)
            numbers_[row] = row->initial;
    }
    // The classic desktop: MS Sans Serif 8 point (-11 at 96 dpi) everywhere, bold captions.
    const int mouse[3] = {6, 10, 1};
    setBytes(win::SPI_GETMOUSE, std::string(reinterpret_cast<const char*>(mouse), sizeof mouse));
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
    win::HIGHCONTRASTA contrast{};
    contrast.cbSize = sizeof contrast;
    contrast.dwFlags = 0x5E;
    setBytes(win::SPI_GETHIGHCONTRAST, bytesOf(contrast));
    pointedText_[&win::setting(win::SPI_GETHIGHCONTRAST)] = "High Contrast Black";
    pointedText_[&win::setting(win::SPI_GETSOUNDSENTRY)] = "";
    setScreenSize(1024, 768);
}

void SpiStore::setScreenSize(int width, int height) {
    setBytes(win::SPI_GETWORKAREA, bytesOf(win::RECT{0, 0, width, height - MetricTable::TaskbarHeight}));
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
    if (row->transport == Transport::IconSpacing)
        return pvParam ? get(*row, uiParam, pvParam, error) : set(*row, uiParam, pvParam, error);
    return action == row->get ? get(*row, uiParam, pvParam, error) : set(*row, uiParam, pvParam, error);
}

win::BOOL SpiStore::get(const Setting& row, win::UINT uiParam, void* pvParam, win::DWORD& error) {
    if (row.transport == Transport::Returned)
        return static_cast<win::BOOL>(number(row));
    if (!pvParam) {
        error = win::ERROR_INVALID_PARAMETER;
        return win::FALSE;
    }
    switch (row.transport) {
    case Transport::Text: {
        if (uiParam == 0) {
            error = win::ERROR_INVALID_PARAMETER;
            return win::FALSE;
        }
        const std::string& text = bytes_[&row];
        const std::size_t n = std::min<std::size_t>(text.size(), uiParam - 1);
        std::memcpy(pvParam, text.data(), n);
        static_cast<char*>(pvParam)[n] = '\0';
        return win::TRUE;
    }
    case Transport::Structure: {
        if (row.hasCbSize && dwordAt(pvParam) != row.size) {
            error = win::ERROR_INVALID_PARAMETER;
            return win::FALSE;
        }
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
    const auto it = numbers_.find(&row);
    return it == numbers_.end() ? 0 : it->second;
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
    if (row.get != win::SPI_GETICONMETRICS) {
        const auto it = bytes_.find(&row);
        return it == bytes_.end() ? "" : it->second;
    }
    // ICONMETRICSA is assembled from the settings it is made of.
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    metrics.iHorzSpacing = metrics_.get(win::SM_CXICONSPACING);
    metrics.iVertSpacing = metrics_.get(win::SM_CYICONSPACING);
    metrics.iTitleWrap = static_cast<int>(value(win::SPI_GETICONTITLEWRAP));
    const std::string font = bytes(win::SPI_GETICONTITLELOGFONT);
    std::memcpy(&metrics.lfFont, font.data(), std::min(font.size(), sizeof metrics.lfFont));
    return bytesOf(metrics);
}

void SpiStore::setStructure(const Setting& row, const std::string& bytes) {
    if (row.get != win::SPI_GETICONMETRICS) {
        bytes_[&row] = bytes;
        return;
    }
    // SPI_SETICONMETRICS spreads the structure over the settings it is made of.
    win::ICONMETRICSA metrics{};
    std::memcpy(&metrics, bytes.data(), std::min(bytes.size(), sizeof metrics));
    metrics_.set(win::SM_CXICONSPACING, metrics.iHorzSpacing);
    metrics_.set(win::SM_CYICONSPACING, metrics.iVertSpacing);
    setValue(win::SPI_GETICONTITLEWRAP, metrics.iTitleWrap);
    setBytes(win::SPI_GETICONTITLELOGFONT, bytesOf(metrics.lfFont));
}

std::int64_t SpiStore::value(win::UINT action) const {
    const Setting* row = win::findSetting(action);
    return row ? number(*row) : 0;
}

void SpiStore::setValue(win::UINT action, std::int64_t value) {
    if (const Setting* row = win::findSetting(action))
        setNumber(*row, value);
}

std::string SpiStore::bytes(win::UINT action) const {
    const Setting* row = win::findSetting(action);
    return row ? structure(*row) : "";
}

void SpiStore::setBytes(win::UINT action, const std::string& bytes) {
    if (const Setting* row = win::findSetting(action))
        setStructure(*row, bytes);
}

} // namespace fake
