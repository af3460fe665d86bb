// Reaching a window's controls from a test, by name or from the interface a
// window class keeps: headless::find<headless::ComboBox>(window, "Combo1").
#pragma once

#include "headless/Controls.h"

#include <stdexcept>
#include <string>
#include <typeinfo>

namespace headless {

inline Window& as(ui::Window& window) {
    auto* headless = dynamic_cast<Window*>(&window);
    if (headless == nullptr)
        throw std::logic_error("not a headless window: " + window.caption());
    return *headless;
}

template <class T> T& as(ui::Control& control) {
    auto* typed = dynamic_cast<T*>(&control);
    if (typed == nullptr)
        throw std::logic_error("control " + control.name() + " is not a " + typeid(T).name());
    return *typed;
}

template <class T> T& find(ui::Window& window, const std::string& name) {
    ui::Control* control = as(window).control(name);
    if (control == nullptr)
        throw std::logic_error("window \"" + window.caption() + "\" has no control named " + name);
    return as<T>(*control);
}

} // namespace headless
