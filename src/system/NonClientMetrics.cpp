#include "system/NonClientMetrics.h"

#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "platform/Settings.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>

namespace sys {

static_assert(sizeof(win::LOGFONTA) == 60, "LOGFONTA layout");
static_assert(sizeof(win::NONCLIENTMETRICSA) == 340, "the metrics record of Windows 95 to 2000");

namespace {

// The longest face name lfFaceName holds before its NUL.
constexpr std::size_t MaxFaceNameBytes = sizeof(win::LOGFONTA::lfFaceName) - 1;

// A Boolean's low byte: 255 for True.
constexpr win::BYTE flagByte(bool value) {
    return value ? 0xFF : 0x00;
}

std::int32_t toInt32(double value) {
    if (!(value >= std::numeric_limits<std::int32_t>::min() &&
          value <= std::numeric_limits<std::int32_t>::max()))
        throw rt::Error(rt::ErrOverflow);
    return static_cast<std::int32_t>(value);
}

} // namespace

NonClientMetrics::NonClientMetrics(win::WindowsApi& api) : api_(api) {
    metrics_.cbSize = sizeof metrics_;
    api_.SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, sizeof metrics_, &metrics_, win::NoUpdate);

    fontFromRecord(metrics_.lfCaptionFont, caption_);
    fontFromRecord(metrics_.lfMenuFont, menu_);
    fontFromRecord(metrics_.lfMessageFont, message_);
    fontFromRecord(metrics_.lfSmCaptionFont, smallCaption_);
    fontFromRecord(metrics_.lfStatusFont, status_);
}

void NonClientMetrics::setSize(int win::NONCLIENTMETRICSA::*field, std::int32_t value) {
    metrics_.*field = value;
    SaveSettings();
}

void NonClientMetrics::BorderWidth(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iBorderWidth, value);
}
void NonClientMetrics::ScrollWidth(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iScrollWidth, value);
}
void NonClientMetrics::ScrollHeight(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iScrollHeight, value);
}
void NonClientMetrics::CaptionWidth(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iCaptionWidth, value);
}
void NonClientMetrics::CaptionHeight(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iCaptionHeight, value);
}
void NonClientMetrics::SmallCaptionButtonWidth(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iSmCaptionWidth, value);
}
void NonClientMetrics::SmallCaptionButtonHeight(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iSmCaptionHeight, value);
}
void NonClientMetrics::MenuButtonWidth(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iMenuWidth, value);
}
void NonClientMetrics::MenuButtonHeight(std::int32_t value) {
    setSize(&win::NONCLIENTMETRICSA::iMenuHeight, value);
}

std::int32_t NonClientMetrics::Caption() {
    return api_.GetSystemMetrics(win::SM_CYCAPTION);
}
std::int32_t NonClientMetrics::MenuHeight() {
    return api_.GetSystemMetrics(win::SM_CYMENU);
}
std::int32_t NonClientMetrics::SmallCaption() {
    return api_.GetSystemMetrics(win::SM_CYSMCAPTION);
}
std::int32_t NonClientMetrics::FixedBorderX() {
    return api_.GetSystemMetrics(win::SM_CXFIXEDFRAME);
}
std::int32_t NonClientMetrics::FixedBorderY() {
    return api_.GetSystemMetrics(win::SM_CYFIXEDFRAME);
}

void NonClientMetrics::SaveSettings() {
    metrics_.cbSize = sizeof metrics_;
    recordFromFont(caption_, metrics_.lfCaptionFont);
    recordFromFont(menu_, metrics_.lfMenuFont);
    recordFromFont(message_, metrics_.lfMessageFont);
    recordFromFont(smallCaption_, metrics_.lfSmCaptionFont);
    recordFromFont(status_, metrics_.lfStatusFont);
    api_.SystemParametersInfoA(win::SPI_SETNONCLIENTMETRICS, sizeof metrics_, &metrics_,
                               win::setting(win::SPI_SETNONCLIENTMETRICS).fWinIni);
}

void NonClientMetrics::fontFromRecord(const win::LOGFONTA& record, Font& font) {
    font.Weight = record.lfWeight;
    font.StrikeOut = record.lfStrikeOut != 0;
    font.Underline = record.lfUnderline != 0;
    font.Italic = record.lfItalic != 0;
    font.FaceName = rt::UpToNul({record.lfFaceName, sizeof record.lfFaceName});
    font.Size = convertHeight(record.lfHeight, Direction::HeightToPoints).value_or(0);
}

void NonClientMetrics::recordFromFont(const Font& font, win::LOGFONTA& record) {
    record.lfWeight = font.Weight;
    record.lfStrikeOut = flagByte(font.StrikeOut);
    record.lfUnderline = flagByte(font.Underline);
    record.lfItalic = flagByte(font.Italic);
    // Without a display scale the height Windows gave is kept.
    record.lfHeight = convertHeight(font.Size, Direction::PointsToHeight).value_or(record.lfHeight);
    // The bytes after the new NUL keep what Windows left there.
    const std::size_t length = std::min(font.FaceName.size(), MaxFaceNameBytes);
    std::memcpy(record.lfFaceName, font.FaceName.data(), length);
    record.lfFaceName[length] = '\0';
}

// Heights are pixels at the display's resolution, sizes are points (1/72 inch).
// The display is asked on every conversion, so a resolution change is seen.
std::optional<std::int32_t> NonClientMetrics::convertHeight(std::int32_t value, Direction direction) {
    const std::int32_t dpi = displayDpi(api_);
    // Without a display there is no scale to convert by.
    if (dpi <= 0)
        return std::nullopt;

    const std::int64_t product =
        direction == Direction::HeightToPoints ? std::int64_t{value} * 72 : std::int64_t{value} * dpi;
    const std::int32_t checked = toInt32(static_cast<double>(product));
    const double divisor = direction == Direction::HeightToPoints ? dpi : 72.0;
    return toInt32(-std::floor(checked / divisor));
}

} // namespace sys
