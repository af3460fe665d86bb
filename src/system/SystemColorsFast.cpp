#include "system/SystemColorsFast.h"

#include "runtime/Error.h"
#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

#include <utility>

namespace sys {

SystemColorsFast::SystemColorsFast(win::WindowsApi& api, rt::MessageBoxService& messages, std::string title)
    : api_(api), messages_(messages), title_(std::move(title)), gates_(api) {
    stagedIndices_.fill(NotStaged);
}

SystemColorsFast::SystemColorsFast(rt::Platform& platform)
    : SystemColorsFast(platform.api, platform.messages, platform.runtime.appTitle()) {}

std::size_t SystemColorsFast::slot(int index) {
    if (index < 0 || index >= ColorCount)
        throw rt::Error(rt::ErrSubscriptOutOfRange);
    return static_cast<std::size_t>(index);
}

win::COLORREF SystemColorsFast::stagedValue(int index) const {
    return stagedValues_[slot(index)];
}

std::int32_t SystemColorsFast::stagedIndex(int index) const {
    return stagedIndices_[slot(index)];
}

bool SystemColorsFast::passes(win::VersionGate gate) {
    return admitted(gates_, gate, RaiseErrors, "SystemColors");
}

win::COLORREF SystemColorsFast::readColor(int index, win::VersionGate gate) {
    if (!passes(gate))
        return 0;
    return api_.GetSysColor(index);
}

void SystemColorsFast::writeColor(int index, win::COLORREF value, win::VersionGate gate) {
    if (!passes(gate))
        return;
    setColor(index, value);
}

void SystemColorsFast::setColor(int index, win::COLORREF value) {
    if (UpdateImmediately) {
        // Windows applies and broadcasts the one colour at once.
        const win::INT indices[1] = {index};
        const win::COLORREF values[1] = {value};
        api_.SetSysColors(1, indices, values);
        return;
    }
    stageColor(index, value);
}

void SystemColorsFast::stageColor(int index, win::COLORREF value) {
    stagedValues_[slot(index)] = value;
    stagedIndices_[slot(index)] = index;
}

void SystemColorsFast::setStagedColors() {
    api_.SetSysColors(ColorCount, stagedIndices_.data(), stagedValues_.data());
}

#define SYSTEM_COLOR_PROPERTY(Name, Index, GateKind)                                                         \
    win::COLORREF SystemColorsFast::Name() {                                                                 \
        return readColor(win::Index, win::VersionGate::GateKind);                                            \
    }                                                                                                        \
    void SystemColorsFast::Name(win::COLORREF value) {                                                       \
        writeColor(win::Index, value, win::VersionGate::GateKind);                                           \
    }

SYSTEM_COLOR_PROPERTY(InactiveGradientColor, COLOR_GRADIENTINACTIVECAPTION, WinLevel5)
SYSTEM_COLOR_PROPERTY(ActiveGradientColor, COLOR_GRADIENTACTIVECAPTION, WinLevel5)
SYSTEM_COLOR_PROPERTY(HotTrackItem, COLOR_HOTLIGHT, WinLevel5)
SYSTEM_COLOR_PROPERTY(ScrollBar, COLOR_SCROLLBAR, None)
SYSTEM_COLOR_PROPERTY(Background, COLOR_BACKGROUND, None)
SYSTEM_COLOR_PROPERTY(ActiveCaption, COLOR_ACTIVECAPTION, None)
SYSTEM_COLOR_PROPERTY(InactiveCaption, COLOR_INACTIVECAPTION, None)
SYSTEM_COLOR_PROPERTY(Menu, COLOR_MENU, None)
SYSTEM_COLOR_PROPERTY(Window, COLOR_WINDOW, None)
SYSTEM_COLOR_PROPERTY(WindowFrame, COLOR_WINDOWFRAME, None)
SYSTEM_COLOR_PROPERTY(MenuText, COLOR_MENUTEXT, None)
SYSTEM_COLOR_PROPERTY(WindowText, COLOR_WINDOWTEXT, None)
SYSTEM_COLOR_PROPERTY(CaptionText, COLOR_CAPTIONTEXT, None)
SYSTEM_COLOR_PROPERTY(ActiveBorder, COLOR_ACTIVEBORDER, None)
SYSTEM_COLOR_PROPERTY(InactiveBorder, COLOR_INACTIVEBORDER, None)
SYSTEM_COLOR_PROPERTY(AppWorkspace, COLOR_APPWORKSPACE, None)
SYSTEM_COLOR_PROPERTY(Highlight, COLOR_HIGHLIGHT, None)
SYSTEM_COLOR_PROPERTY(HighlightText, COLOR_HIGHLIGHTTEXT, None)
SYSTEM_COLOR_PROPERTY(ButtonFace, COLOR_BTNFACE, None)
SYSTEM_COLOR_PROPERTY(ButtonShadow, COLOR_BTNSHADOW, None)
SYSTEM_COLOR_PROPERTY(GrayText, COLOR_GRAYTEXT, None)
SYSTEM_COLOR_PROPERTY(ButtonText, COLOR_BTNTEXT, None)
SYSTEM_COLOR_PROPERTY(InactiveCaptionText, COLOR_INACTIVECAPTIONTEXT, None)
SYSTEM_COLOR_PROPERTY(ButtonHighlight, COLOR_BTNHIGHLIGHT, None)
SYSTEM_COLOR_PROPERTY(DarkShadow3D, COLOR_3DDKSHADOW, None)
SYSTEM_COLOR_PROPERTY(Light3D, COLOR_3DLIGHT, None)
SYSTEM_COLOR_PROPERTY(TooltipText, COLOR_INFOTEXT, None)
SYSTEM_COLOR_PROPERTY(TooltipBackground, COLOR_INFOBK, None)

#undef SYSTEM_COLOR_PROPERTY

} // namespace sys
