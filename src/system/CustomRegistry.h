// String values of the registry addressed by one full key path that starts with
// the name of a predefined root ("HKEY_CURRENT_USER\Control Panel\Desktop").
//
// GetRegValue gives the value's text, "Error" when the key or the value cannot
// be read, or the empty text for a malformed path or an unknown root. SetRegValue
// writes a REG_SZ value into an existing key and reports nothing.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <utility>
#include <vector>

namespace win {
class WindowsApi;
}
namespace rt {
class MessageBoxService;
struct Platform;
} // namespace rt

namespace sys {

class CustomRegistry {
public:
    // title: the caption of the "Incorrect Format:" message box (the application title).
    CustomRegistry(win::WindowsApi& api, rt::MessageBoxService& messages, std::string title);
    explicit CustomRegistry(rt::Platform& platform);

    // The predefined handle of a root name (exact, case-sensitive), 0 for any other text.
    static win::HKEY GetRootKey(const std::string& rootName);

    // Checks keyPath and splits it: returns the root handle and leaves the sub-key
    // path alone in keyPath. A path that does not begin with "HKEY_" or ends with a
    // backslash is reported in a message box and gives 0 with keyPath unchanged.
    win::HKEY ParseKeyPath(std::string& keyPath);

    std::string GetRegValue(std::string keyPath, const std::string& valueName);
    void SetRegValue(std::string keyPath, const std::string& valueName, const std::string& value);
    // SetRegValue's write with the Windows status it ended with: ERROR_SUCCESS, the
    // failure of the open or of the write, or ERROR_INVALID_PARAMETER for a path it
    // cannot take.
    win::LONG WriteRegValue(std::string keyPath, const std::string& valueName, const std::string& value);
    // SetRegValue of each name and value in turn, through one opening of the key: the
    // same writes, in the same order, each one's failure passed over as SetRegValue's.
    void SetRegValues(std::string keyPath, const std::vector<std::pair<std::string, std::string>>& values);

private:
    win::WindowsApi& api_;
    rt::MessageBoxService& messages_;
    std::string title_;
};

} // namespace sys
