// The user32 and gdi32 settings stores of the fake, side by side: system
// metrics, system colours, cursors, the SystemParametersInfoA store (which
// shares the metric table) and the display's logical pixels per inch.
#pragma once

#include "fake/CursorStore.h"
#include "fake/MetricTable.h"
#include "fake/SpiStore.h"
#include "fake/SystemColorTable.h"

namespace fake {

class FakeSettings {
public:
    FakeSettings() : spi(metrics) {}

    MetricTable metrics;
    SystemColorTable colors;
    CursorStore cursors;
    SpiStore spi;
    int logPixels = 96;
};

} // namespace fake
