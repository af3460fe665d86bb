// What the core is handed at start: the Windows calls, the runtime services and
// the message boxes. The window system comes separately (ui::WindowSystem).
#pragma once

#include "platform/MessageBoxService.h"
#include "platform/Runtime.h"
#include "platform/WindowsApi.h"

namespace rt {

struct Platform {
    win::WindowsApi& api;
    Runtime& runtime;
    MessageBoxService& messages;
};

} // namespace rt
