#include "system/SettingCalls.h"

#include "platform/WindowsApi.h"

namespace sys {

std::int32_t readSetting(win::WindowsApi& api, const win::Setting& row) {
    if (row.get == 0)
        return api.GetSystemMetrics(row.metric);
    if (row.transport == win::Transport::Returned)
        return api.SystemParametersInfoA(row.get, 1, nullptr, win::NoUpdate);
    std::int32_t value = 0;
    api.SystemParametersInfoA(row.get, 0, &value, win::NoUpdate);
    return value;
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
        api.SystemParametersInfoA(row.set, static_cast<win::UINT>(value), nullptr, row.fWinIni);
        return;
    }
}

} // namespace sys
