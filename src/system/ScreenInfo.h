// Screen, desktop and shell visual-effect settings. Every property goes to
// Windows when it is called (SystemParametersInfoA, GetSystemMetrics); the object
// keeps no copy of any setting, only its version gates.
//
// Properties are overload pairs: MenuFade() reads, MenuFade(value) writes. A member
// that the running Windows version lacks raises the unsupported-version error
// (source "Screen") while RaiseErrors is True; otherwise it calls nothing and a
// read gives 0, False or the empty text.
#pragma once

#include "platform/Settings.h"
#include "system/VersionGates.h"

#include <cstdint>
#include <optional>
#include <string>

namespace win {
class WindowsApi;
}

namespace sys {

class ScreenInfo {
public:
    explicit ScreenInfo(win::WindowsApi& api);

    bool RaiseErrors = true;

    // 4 on Windows 95 and NT 4, 5 on Windows 98, ME, 2000 and XP, 0 otherwise.
    std::int32_t WinLevel() const { return gates_.settingsLevel(); }
    // NT 5.x.
    bool IsWin2000() const { return gates_.isWin2000(); }

    // Shell effects (Booleans; the new state travels in pvParam).
    bool MenuAnimation();
    void MenuAnimation(bool value);
    bool MenuFade();
    void MenuFade(bool value);
    bool ComboBoxAnimation();
    void ComboBoxAnimation(bool value);
    bool ListboxSmoothScrolling();
    void ListboxSmoothScrolling(bool value);
    bool GradientCaptions();
    void GradientCaptions(bool value);
    bool MenuKeysAlwaysUnderlined();
    void MenuKeysAlwaysUnderlined(bool value);
    bool HotTracking();
    void HotTracking(bool value);
    bool SelectionFade();
    void SelectionFade(bool value);
    bool TooltipAnimation();
    void TooltipAnimation(bool value);
    bool TooltipFade();
    void TooltipFade(bool value);
    bool UIEffects();
    void UIEffects(bool value);

    // Foreground-window rules.
    std::int32_t ForegroundLockTimeOut();
    void ForegroundLockTimeOut(std::int32_t milliseconds);
    std::int32_t ForegroundFlashCount();
    void ForegroundFlashCount(std::int32_t Count);

    // Read-only metrics, pixels.
    std::int32_t ScreenX();
    std::int32_t ScreenY();
    std::int32_t IconSizeX();
    std::int32_t IconSizeY();
    std::int32_t CaptionBarButtonX();
    std::int32_t CaptionBarButtonY();
    std::int32_t FullScreenX();
    std::int32_t FullScreenY();
    std::int32_t IconSpacingX();
    std::int32_t IconSpacingY();
    std::int32_t MaximizedX();
    std::int32_t MaximizedY();
    std::int32_t MaxTrackX();
    std::int32_t MaxTrackY();
    std::int32_t MenuCheckX();
    std::int32_t MenuCheckY();
    std::int32_t MinimumX();
    std::int32_t MinimumY();
    std::int32_t MinimizedX();
    std::int32_t MinimizedY();
    std::int32_t MinSpacingX();
    std::int32_t MinSpacingY();
    std::int32_t MinTrackX();
    std::int32_t MinTrackY();
    std::int32_t SmallIconX();
    std::int32_t SmallIconY();
    std::int32_t WindowBorderX();
    std::int32_t WindowBorderY();
    std::int32_t VerticalScrollX();
    std::int32_t VerticalScrollY();
    std::int32_t HorizontalScrollX();
    std::int32_t HorizontalScrollY();
    std::int32_t FixedBorderX();
    std::int32_t FixedBorderY();
    std::int32_t ThumbX();
    std::int32_t ThumbY();
    std::int32_t SizingBorderX();
    std::int32_t SizingBorderY();
    std::int32_t Border3DX();
    std::int32_t Border3DY();
    std::int32_t CaptionButtonX();
    std::int32_t CaptionButtonY();
    std::int32_t MenuBarButtonsX();
    std::int32_t MenuBarButtonsY();
    std::int32_t KanjiWindow();
    std::int32_t CaptionHeight();
    std::int32_t MenuHeight();
    std::int32_t SmallCaption();
    bool PenWindows();
    std::int32_t VirtualScreenX();
    std::int32_t VirtualScreenY();
    std::int32_t VirtualScreenWidth();
    std::int32_t VirtualScreenHeight();
    std::int32_t MonitorCount();
    bool SameDisplayFormat();

    // Desktop and icons.
    std::string DesktopWallpaper();
    void DesktopWallpaper(const std::string& BitmapFileName);
    std::int32_t BorderMultiplier();
    void BorderMultiplier(std::int32_t value);
    bool MinAnimation();
    void MinAnimation(bool Animate);
    void SetDeskPattern();
    bool DragFullWindows();
    void DragFullWindows(bool DragOn);
    std::int32_t GridGranularity();
    void GridGranularity(std::int32_t value);
    std::int32_t IconHorizontalSpacing();
    void IconHorizontalSpacing(std::int32_t value);
    std::int32_t IconVerticalSpacing();
    void IconVerticalSpacing(std::int32_t value);
    bool IconTitleWrap();
    void IconTitleWrap(bool value);
    bool MenuDropAlignment();
    void MenuDropAlignment(bool value);

    // The icon-title font: face name (at most 31 bytes) and size in points.
    std::string IconFontName();
    void IconFontName(const std::string& name);
    std::int16_t IconFontSize();
    void IconFontSize(std::int16_t Size);

    void GetWorkarea(std::int32_t& Left, std::int32_t& Top, std::int32_t& Right, std::int32_t& Bottom);
    // Omitted edges keep their current place.
    void SetWorkArea(std::optional<std::int32_t> Left = std::nullopt,
                     std::optional<std::int32_t> Top = std::nullopt,
                     std::optional<std::int32_t> Right = std::nullopt,
                     std::optional<std::int32_t> Bottom = std::nullopt);

private:
    bool passes(win::VersionGate gate);
    win::BOOL spi(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni);

    // A 32-bit setting, read and written as its row in the settings table says.
    std::int32_t readSetting(win::UINT getAction);
    void writeSetting(win::UINT setAction, std::int32_t value);
    std::int32_t readMetric(int index, win::VersionGate gate);

    win::LOGFONTA iconTitleFont();

    win::WindowsApi& api_;
    const VersionGates gates_;
};

} // namespace sys
