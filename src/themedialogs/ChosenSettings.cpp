#include "themedialogs/ChosenSettings.h"

#include "platform/WinHolders.h"
#include "platform/WinTypes.h"
#include "system/clsRegistry.h"

namespace themedialogs {

namespace {

const char* const programKey = "Software\\Decorama";
const char* const valueName = "Theme aspects";

} // namespace

// Read for its type too: a value of another type than REG_DWORD (a text "0"
// someone wrote) is no choice.
ChosenSettings ChosenSettings::load(win::WindowsApi& api) {
    win::HKEY key = 0;
    api.RegOpenKeyExA(win::HKEY_CURRENT_USER, programKey, 0, win::KEY_QUERY_VALUE, &key);
    const win::KeyCloser closer(api, key);
    win::DWORD type = 0;
    win::DWORD bits = 0;
    win::DWORD size = sizeof bits;
    if (key == 0 ||
        api.RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<win::BYTE*>(&bits), &size) !=
            win::ERROR_SUCCESS ||
        type != win::REG_DWORD || size != sizeof bits)
        return all();
    return ChosenSettings(bits);
}

void ChosenSettings::save(win::WindowsApi& api) const {
    sys::clsRegistry registry(api);
    registry.CreateKey(programKey, "", win::HKEY_CURRENT_USER);
    registry.SetKeyValue(programKey, valueName, static_cast<std::int32_t>(bits_),
                         static_cast<std::int32_t>(win::REG_DWORD), win::HKEY_CURRENT_USER);
}

} // namespace themedialogs
