// Removes a registry key with everything below it. Windows NT's RegDeleteKeyA
// refuses a key that still has sub-keys (Windows 95 deletes the whole tree), so the
// sub-keys go first, deepest first. Used to leave test machines as they were found.
#pragma once

#include "platform/WinTypes.h"

#include <string>

namespace win32 {

// ERROR_SUCCESS when the key is gone, also when it was not there.
win::LONG deleteKeyTree(win::HKEY root, const std::string& subKey);

} // namespace win32
