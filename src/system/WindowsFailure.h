// A Windows call that failed, as the program's error: the number by the kind of
// failure (53 not found, 76 path not found, 70 permission denied, 75 any other),
// and a description that names the call and Windows' code ("RegCreateKeyExA:
// access denied (5)"), for the applies that report what stopped them.
#pragma once

#include "platform/WinTypes.h"
#include "runtime/Error.h"

#include <string>

namespace sys {

rt::Error windowsFailure(const std::string& call, win::DWORD code);

} // namespace sys
