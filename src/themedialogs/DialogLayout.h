// Where the theme dialogs open: centred on the window that owns them.
#pragma once

#include "platform/ui/WindowSystem.h"

namespace themedialogs {

inline ui::Rect centredOn(const ui::Rect& owner, int width, int height) {
    return {owner.left + (owner.width - width) / 2, owner.top + (owner.height - height) / 2, width, height};
}

} // namespace themedialogs
