// Keyboard type, the three lock keys, repeat delay and speed, and the caret.
// Every property goes to Windows when it is called; nothing is gated, but the
// lock keys are set the way the Windows family keeps them.
#pragma once

#include "system/VersionGates.h"

#include <cstdint>

namespace win {
class WindowsApi;
}

namespace sys {

class Keyboard {
public:
    explicit Keyboard(win::WindowsApi& api);

    std::int32_t KeyboardType();
    std::int32_t FunctionKeys();

    // The toggle state of each lock key.
    bool Capslock();
    void Capslock(bool value);
    bool Numlock();
    void Numlock(bool value);
    bool ScrollLock();
    void ScrollLock(bool value);

    // Repeat delay step 0-3 and repeat speed step 0-31.
    std::int32_t Delay();
    void Delay(std::int32_t value);
    std::int32_t Speed();
    void Speed(std::int32_t value);

    std::int32_t CaretBlinkTime();
    void CaretBlinkTime(std::int32_t milliseconds);
    void CaretOn(bool value);

private:
    bool toggled(win::BYTE key);
    void setToggle(win::BYTE key, bool on);

    win::WindowsApi& api_;
    const VersionGates gates_;
};

} // namespace sys
