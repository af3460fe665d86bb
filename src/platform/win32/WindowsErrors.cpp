#include "platform/win32/WindowsErrors.h"

namespace win32 {

rt::Error errorFromWindows(std::uint32_t windowsError) {
    switch (windowsError) {
    case 2: // ERROR_FILE_NOT_FOUND
        return rt::Error(rt::ErrFileNotFound);
    case 3: // ERROR_PATH_NOT_FOUND
        return rt::Error(rt::ErrPathNotFound);
    case 32: // ERROR_SHARING_VIOLATION
    case 33: // ERROR_LOCK_VIOLATION
        return rt::Error(rt::ErrPermissionDenied);
    case 80:  // ERROR_FILE_EXISTS
    case 183: // ERROR_ALREADY_EXISTS
        return rt::Error(rt::ErrFileAlreadyExists);
    default:
        return rt::Error(rt::ErrPathFileAccess);
    }
}

} // namespace win32
