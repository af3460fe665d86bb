// The full-screen pictures that Windows of the 95 family shows while starting
// (logo.sys) and shutting down (logos.sys, logow.sys): 320x400 pixels, shown
// stretched to a 4:3 screen, so they are drawn on a 640x480 plan and squeezed.
#pragma once

#include "Canvas.h"

#include <string>

namespace samplegen {

enum class BootScreen { Starting, ShuttingDown, SafeToSwitchOff };

// The collection's own pictures, installed by every theme.
Canvas themeBootScreen(BootScreen screen);
// Plain stand-ins for the pictures of one Windows version ("95", "98", "ME",
// "NT", "2000"), used to put the version's own pictures back.
Canvas versionBootScreen(const std::string& version, BootScreen screen);

} // namespace samplegen
