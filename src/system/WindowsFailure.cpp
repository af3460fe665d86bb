#include "system/WindowsFailure.h"

namespace sys {
namespace {

struct Kind {
    win::DWORD code;
    std::int32_t number;
    const char* text;
};

constexpr Kind kinds[] = {
    {win::ERROR_FILE_NOT_FOUND, rt::ErrFileNotFound, "not found"},
    {win::ERROR_PATH_NOT_FOUND, rt::ErrPathNotFound, "path not found"},
    {win::ERROR_ACCESS_DENIED, rt::ErrPermissionDenied, "access denied"},
    {win::ERROR_INVALID_PARAMETER, rt::ErrPathFileAccess, "invalid parameter"},
    {win::ERROR_INVALID_SPI_VALUE, rt::ErrPathFileAccess, "not supported"},
};

} // namespace

rt::Error windowsFailure(const std::string& call, win::DWORD code) {
    for (const Kind& kind : kinds)
        if (kind.code == code)
            return rt::Error(kind.number, call + ": " + kind.text + " (" + std::to_string(code) + ")");
    return rt::Error(rt::ErrPathFileAccess, call + ": error " + std::to_string(code));
}

} // namespace sys
