// The sizes and fonts of window frames, captions, scroll bars and menus.
//
// Unlike the other settings classes this one works on a snapshot: the metrics
// are read once at creation and handed out from there, and every size write
// saves the whole snapshot (the five fonts included) at once. A caller that
// wants the current values creates a new object. There is no RaiseErrors switch:
// every member works on every Windows version.
#pragma once

#include "platform/WinTypes.h"
#include "system/Font.h"

#include <cstdint>
#include <optional>

namespace win {
class WindowsApi;
}

namespace sys {

class NonClientMetrics {
public:
    explicit NonClientMetrics(win::WindowsApi& api);

    std::int32_t BorderWidth() const { return metrics_.iBorderWidth; }
    void BorderWidth(std::int32_t value);
    std::int32_t ScrollWidth() const { return metrics_.iScrollWidth; }
    void ScrollWidth(std::int32_t value);
    std::int32_t ScrollHeight() const { return metrics_.iScrollHeight; }
    void ScrollHeight(std::int32_t value);
    std::int32_t CaptionWidth() const { return metrics_.iCaptionWidth; }
    void CaptionWidth(std::int32_t value);
    std::int32_t CaptionHeight() const { return metrics_.iCaptionHeight; }
    void CaptionHeight(std::int32_t value);
    std::int32_t SmallCaptionButtonWidth() const { return metrics_.iSmCaptionWidth; }
    void SmallCaptionButtonWidth(std::int32_t value);
    std::int32_t SmallCaptionButtonHeight() const { return metrics_.iSmCaptionHeight; }
    void SmallCaptionButtonHeight(std::int32_t value);
    std::int32_t MenuButtonWidth() const { return metrics_.iMenuWidth; }
    void MenuButtonWidth(std::int32_t value);
    std::int32_t MenuButtonHeight() const { return metrics_.iMenuHeight; }
    void MenuButtonHeight(std::int32_t value);

    // The same object every time: a change made through it is saved by the next save.
    Font& CaptionFont() { return caption_; }
    Font& SmallCaptionFont() { return smallCaption_; }
    Font& MenuFont() { return menu_; }
    Font& StatusFont() { return status_; }
    Font& MessageFont() { return message_; }

    // Live metrics, pixels.
    std::int32_t Caption();
    std::int32_t MenuHeight();
    std::int32_t SmallCaption();
    std::int32_t FixedBorderX();
    std::int32_t FixedBorderY();

    // Writes the snapshot and the five fonts back and tells every window.
    void SaveSettings();

private:
    void setSize(int win::NONCLIENTMETRICSA::*field, std::int32_t value);
    void fontFromRecord(const win::LOGFONTA& record, Font& font);
    void recordFromFont(const Font& font, win::LOGFONTA& record);
    enum class Direction { HeightToPoints, PointsToHeight };
    std::optional<std::int32_t> convertHeight(std::int32_t value, Direction direction);

    win::WindowsApi& api_;
    win::NONCLIENTMETRICSA metrics_{};
    Font caption_, smallCaption_, menu_, status_, message_;
};

} // namespace sys
