// The program's error number that an action throws, 0 when it throws nothing.
#pragma once

#include "runtime/Error.h"

#include <cstdint>
#include <functional>

inline std::int32_t errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rt::Error& error) {
        return error.number();
    }
    return 0;
}
