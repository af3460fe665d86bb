#include "system/Keyboard.h"

#include "platform/InputFacts.h"
#include "platform/WindowsApi.h"
#include "system/SettingCalls.h"

namespace sys {

Keyboard::Keyboard(win::WindowsApi& api) : api_(api), gates_(api) {}

std::int32_t Keyboard::KeyboardType() {
    return api_.GetKeyboardType(0);
}

std::int32_t Keyboard::FunctionKeys() {
    return api_.GetKeyboardType(2);
}

bool Keyboard::toggled(win::BYTE key) {
    return (api_.GetKeyState(key) & 1) != 0;
}

void Keyboard::setToggle(win::BYTE key, bool on) {
    if (gates_.isNtPlatform()) {
        // NT keeps the lock lights with the system's key state: only a key press changes them.
        if (toggled(key) != on) {
            api_.keybd_event(key, 0, win::KEYEVENTF_EXTENDEDKEY, 0);
            api_.keybd_event(key, 0, win::KEYEVENTF_EXTENDEDKEY | win::KEYEVENTF_KEYUP, 0);
        }
        return;
    }
    // The 95 family takes the toggle bit straight from the thread's key-state array.
    win::BYTE keys[256] = {};
    api_.GetKeyboardState(keys);
    keys[key] = on ? static_cast<win::BYTE>(keys[key] | 1) : static_cast<win::BYTE>(keys[key] & 0xFE);
    api_.SetKeyboardState(keys);
}

bool Keyboard::Capslock() {
    return toggled(win::VK_CAPITAL);
}
void Keyboard::Capslock(bool value) {
    setToggle(win::VK_CAPITAL, value);
}
bool Keyboard::Numlock() {
    return toggled(win::VK_NUMLOCK);
}
void Keyboard::Numlock(bool value) {
    setToggle(win::VK_NUMLOCK, value);
}
bool Keyboard::ScrollLock() {
    return toggled(win::VK_SCROLL);
}
void Keyboard::ScrollLock(bool value) {
    setToggle(win::VK_SCROLL, value);
}

std::int32_t Keyboard::Delay() {
    return readSetting(api_, win::SPI_GETKEYBOARDDELAY);
}
void Keyboard::Delay(std::int32_t value) {
    writeSetting(api_, win::SPI_SETKEYBOARDDELAY, value);
}
std::int32_t Keyboard::Speed() {
    return readSetting(api_, win::SPI_GETKEYBOARDSPEED);
}
void Keyboard::Speed(std::int32_t value) {
    writeSetting(api_, win::SPI_SETKEYBOARDSPEED, value);
}

std::int32_t Keyboard::CaretBlinkTime() {
    return static_cast<std::int32_t>(api_.GetCaretBlinkTime());
}
void Keyboard::CaretBlinkTime(std::int32_t milliseconds) {
    api_.SetCaretBlinkTime(static_cast<win::UINT>(milliseconds));
}

void Keyboard::CaretOn(bool value) {
    if (value)
        api_.ShowCaret(0);
    else
        api_.HideCaret(0);
}

} // namespace sys
