#include "savers/common/SaverArgs.h"

namespace savers {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

const char* afterProgramName(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p && !isSpace(*p))
            ++p;
    }
    return p;
}

SaverArgs parseSaverArgs(const char* arguments) {
    SaverArgs args = {SaverMode::Settings, 0};
    const char* p = arguments;
    while (isSpace(*p))
        ++p;
    if (*p == '/' || *p == '-')
        ++p;
    switch (*p | 0x20) {
    case 's':
        args.mode = SaverMode::FullScreen;
        break;
    case 'p':
        args.mode = SaverMode::Preview;
        break;
    case 'a':
        args.mode = SaverMode::Password;
        break;
    case 'c':
        break;
    default: // anything unknown, or nothing at all: the settings, on their own
        return args;
    }
    if (*p)
        ++p;
    while (*p == ':' || isSpace(*p))
        ++p;
    uintptr_t window = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        window = window * 10 + uintptr_t(*p - '0');
    args.window = window;
    return args;
}

} // namespace savers
