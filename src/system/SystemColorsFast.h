// The 29 Windows system colours as read/write properties. A read asks Windows for
// the live colour; a write sets it at once (UpdateImmediately, the default) or
// stages it so that the appearance applier (appearance::UpdateColors) hands all 29 to
// Windows in one SetSysColors call.
//
// Properties are overload pairs: Menu() reads, Menu(value) writes. The gradient
// and hot-track colours exist from Windows 98 and 2000 on; elsewhere they raise
// the unsupported-version error (source "SystemColors") while RaiseErrors is True
// and otherwise read 0 and write nothing.
#pragma once

#include "platform/Settings.h"
#include "system/VersionGates.h"

#include <array>
#include <cstdint>
#include <string>

namespace rt {
class MessageBoxService;
struct Platform;
} // namespace rt
namespace win {
class WindowsApi;
}

namespace sys {

class SystemColorsFast {
public:
    static constexpr int ColorCount = 29;
    // The staged index of a colour that no write has staged.
    static constexpr std::int32_t NotStaged = -1;

    // messages and title serve the registry writes of the appearance applier (the
    // caption of the "Incorrect Format:" box).
    SystemColorsFast(win::WindowsApi& api, rt::MessageBoxService& messages, std::string title);
    explicit SystemColorsFast(rt::Platform& platform);

    bool RaiseErrors = true;
    bool UpdateImmediately = true;

    // 5 on Windows 98, ME, 2000 and XP; 0 on every other version (only the
    // level-5 colours are gated, so Windows 95 and NT 4 count as 0 here).
    std::int32_t WinLevel() const { return gates_.opens(win::VersionGate::WinLevel5) ? 5 : 0; }

    win::COLORREF InactiveGradientColor();
    void InactiveGradientColor(win::COLORREF value);
    win::COLORREF ActiveGradientColor();
    void ActiveGradientColor(win::COLORREF value);
    win::COLORREF HotTrackItem();
    void HotTrackItem(win::COLORREF value);
    win::COLORREF ScrollBar();
    void ScrollBar(win::COLORREF value);
    win::COLORREF Background();
    void Background(win::COLORREF value);
    win::COLORREF ActiveCaption();
    void ActiveCaption(win::COLORREF value);
    win::COLORREF InactiveCaption();
    void InactiveCaption(win::COLORREF value);
    win::COLORREF Menu();
    void Menu(win::COLORREF value);
    win::COLORREF Window();
    void Window(win::COLORREF value);
    win::COLORREF WindowFrame();
    void WindowFrame(win::COLORREF value);
    win::COLORREF MenuText();
    void MenuText(win::COLORREF value);
    win::COLORREF WindowText();
    void WindowText(win::COLORREF value);
    win::COLORREF CaptionText();
    void CaptionText(win::COLORREF value);
    win::COLORREF ActiveBorder();
    void ActiveBorder(win::COLORREF value);
    win::COLORREF InactiveBorder();
    void InactiveBorder(win::COLORREF value);
    win::COLORREF AppWorkspace();
    void AppWorkspace(win::COLORREF value);
    win::COLORREF Highlight();
    void Highlight(win::COLORREF value);
    win::COLORREF HighlightText();
    void HighlightText(win::COLORREF value);
    win::COLORREF ButtonFace();
    void ButtonFace(win::COLORREF value);
    win::COLORREF ButtonShadow();
    void ButtonShadow(win::COLORREF value);
    win::COLORREF GrayText();
    void GrayText(win::COLORREF value);
    win::COLORREF ButtonText();
    void ButtonText(win::COLORREF value);
    win::COLORREF InactiveCaptionText();
    void InactiveCaptionText(win::COLORREF value);
    win::COLORREF ButtonHighlight();
    void ButtonHighlight(win::COLORREF value);
    win::COLORREF DarkShadow3D();
    void DarkShadow3D(win::COLORREF value);
    win::COLORREF Light3D();
    void Light3D(win::COLORREF value);
    win::COLORREF TooltipText();
    void TooltipText(win::COLORREF value);
    win::COLORREF TooltipBackground();
    void TooltipBackground(win::COLORREF value);

    // What the appearance applier works through: this object's Windows calls and
    // the message boxes and caption of its registry writes.
    win::WindowsApi& api() const { return api_; }
    rt::MessageBoxService& messages() const { return messages_; }
    const std::string& title() const { return title_; }

    // Stages colour index 0..28 whatever UpdateImmediately says (out of range: rt::Error 9).
    void stageColor(int index, win::COLORREF value);
    // Hands all 29 staged colours to Windows in one SetSysColors call; Windows
    // broadcasts the change.
    void setStagedColors();

    // What a staged write left for colour index 0..28 (out of range: rt::Error 9).
    win::COLORREF stagedValue(int index) const;
    std::int32_t stagedIndex(int index) const;

private:
    win::COLORREF readColor(int index, win::VersionGate gate);
    void writeColor(int index, win::COLORREF value, win::VersionGate gate);
    // Sets one colour at once or stages it, by UpdateImmediately.
    void setColor(int index, win::COLORREF value);
    bool passes(win::VersionGate gate);
    static std::size_t slot(int index);

    win::WindowsApi& api_;
    rt::MessageBoxService& messages_;
    std::string title_;
    const VersionGates gates_;

    // Staged colours: value and index per colour index, index NotStaged when unset.
    std::array<win::COLORREF, ColorCount> stagedValues_{};
    std::array<std::int32_t, ColorCount> stagedIndices_{};
};

} // namespace sys
