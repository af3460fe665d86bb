// The busy pointer of a long handler: the hourglass for the length of a scope,
// the default pointer back when the scope ends, an error included.
#pragma once

#include "platform/ui/WindowSystem.h"

namespace ui {

class BusyPointer {
public:
    explicit BusyPointer(Screen& screen) : screen_(screen) { screen_.setMousePointer(vbHourglass); }
    ~BusyPointer() { screen_.setMousePointer(vbDefault); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    Screen& screen_;
};

} // namespace ui
