// How a failed Windows file or process call is reported to the program: the
// Windows error code mapped to the runtime's error numbers.
#pragma once

#include "runtime/Error.h"

#include <cstdint>

namespace win32 {

// 2 -> 53 "File not found", 3 -> 76 "Path not found", 32 and 33 (sharing and lock
// violations) -> 70 "Permission denied", 80 and 183 -> 58 "File already exists",
// anything else (5 access denied included: a read-only file) -> 75 "Path/File
// access error".
rt::Error errorFromWindows(std::uint32_t windowsError);

} // namespace win32
