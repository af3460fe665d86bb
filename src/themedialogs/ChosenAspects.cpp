#include "themedialogs/ChosenAspects.h"

#include "platform/WinTypes.h"
#include "system/clsRegistry.h"

namespace themedialogs {

namespace {

const char* const programKey = "Software\\Decorama";
const char* const valueName = "Theme aspects";

} // namespace

ChosenAspects ChosenAspects::load(win::WindowsApi& api) {
    sys::clsRegistry registry(api);
    if (registry.QueryKeyValue(programKey, valueName, win::HKEY_CURRENT_USER) != 0 ||
        registry.LongKeyValue() < 0)
        return all();
    return ChosenAspects(static_cast<unsigned>(registry.LongKeyValue()));
}

void ChosenAspects::save(win::WindowsApi& api) const {
    sys::clsRegistry registry(api);
    registry.CreateKey(programKey, "", win::HKEY_CURRENT_USER);
    registry.SetKeyValue(programKey, valueName, static_cast<std::int32_t>(bits_),
                         static_cast<std::int32_t>(win::REG_DWORD), win::HKEY_CURRENT_USER);
}

} // namespace themedialogs
