#include "system/SettingCalls.h"

#include "platform/WinHolders.h"

namespace sys {

std::int32_t readSetting(win::WindowsApi& api, const win::Setting& row) {
    if (row.get == 0 || row.transport == win::Transport::IconSpacing)
        return api.GetSystemMetrics(row.metric);
    if (row.transport == win::Transport::Returned)
        return api.SystemParametersInfoA(row.get, 1, nullptr, win::NoUpdate);
    std::int32_t value = 0;
    api.SystemParametersInfoA(row.get, 0, &value, win::NoUpdate);
    return value;
}

std::int32_t displayDpi(win::WindowsApi& api) {
    const win::InformationContext display(api, api.CreateICA("DISPLAY", nullptr, nullptr, nullptr));
    return api.GetDeviceCaps(display.get(), win::LOGPIXELSY);
}

std::int32_t readSetting(win::WindowsApi& api, win::UINT action) {
    return readSetting(api, win::setting(action));
}

void writeSetting(win::WindowsApi& api, win::UINT action, std::int32_t value) {
    writeSetting(api, win::setting(action), value);
}

void writeSetting(win::WindowsApi& api, const win::Setting& row, std::int32_t value) {
    std::int32_t scratch = 0;
    switch (row.transport) {
    case win::Transport::PvValue:
        // Sign-extended to pointer width, so True stays all bits set.
        api.SystemParametersInfoA(row.set, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(value)),
                                  row.fWinIni);
        return;
    case win::Transport::PvPointer:
        scratch = value;
        api.SystemParametersInfoA(row.set, 0, &scratch, row.fWinIni);
        return;
    case win::Transport::UiParamScratch:
        api.SystemParametersInfoA(row.set, static_cast<win::UINT>(value), &scratch, row.fWinIni);
        return;
    default:
        // The icon-spacing actions must get the null pointer: given a non-null
        // pvParam, Windows takes them as a query and sets nothing.
        api.SystemParametersInfoA(row.set, static_cast<win::UINT>(value), nullptr, row.fWinIni);
        return;
    }
}

} // namespace sys
