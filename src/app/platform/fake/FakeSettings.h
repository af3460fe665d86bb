// The user32 and gdi32 settings stores of the fake, side by side: system
// metrics, system colours, cursors, the SystemParametersInfoA store (which
// shares the metric table) and the display's logical pixels per inch.
#pragma once

#include "app/platform/fake/CursorStore.h"
#include "app/platform/fake/MetricTable.h"
#include "app/platform/fake/SpiStore.h"
#include "app/platform/fake/SystemColorTable.h"

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
