// The user32 and gdi32 settings stores of the fake, side by side: system
// metrics, system colours, cursors, the SystemParametersInfoA store (which
// shares the metric table) and the display's logical pixels per inch.
#pragma once

#include "platform/WinTypes.h"
#include "fake/Records.h"
#include "fake/SpiStore.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fake {

// GetSystemMetrics as a table: one row per metric with the value of a classic
// Windows desktop at 1024 x 768 (Windows Standard scheme, small fonts). Indices
// without a row read 0, as Windows answers for an unknown index.
class MetricTable {
public:
    MetricTable();
    int get(int index) const;
    void set(int index, int value) { values_[index] = value; }
    // The screen and every metric derived from it (full-screen client area,
    // maximised and tracking sizes, virtual screen).
    void setScreenSize(int width, int height);

    static constexpr int TaskbarHeight = 28;

private:
    std::map<int, int> values_;
};

// The system colours of the classic "Windows Standard" scheme, as Wine's
// sysparams.c keeps them, by index from COLOR_SCROLLBAR (0) to COLOR_MENUBAR
// (30). GetSysColor of any other index reads 0; SetSysColors skips it.
struct SystemColors {
    SystemColors();
    win::COLORREF get(int index) const { return valid(index) ? colors[static_cast<std::size_t>(index)] : 0; }
    void set(int index, win::COLORREF color) {
        if (valid(index))
            colors[static_cast<std::size_t>(index)] = color;
    }
    bool valid(int index) const { return index >= 0 && static_cast<std::size_t>(index) < colors.size(); }

    std::vector<win::COLORREF> colors;
    std::vector<std::vector<std::pair<int, win::COLORREF>>> calls; // one per SetSysColors
};

// Cursors loaded from files and the system cursors they replace.
// LoadCursorFromFileA accepts a static cursor (.cur: reserved 0, type 2) or an
// animated one (a RIFF file of form "ACON"); SetSystemCursor takes the handle
// over (Windows destroys it), so one handle replaces one system cursor once.
struct CursorStore {
    static bool isCursorImage(const std::string& bytes);
    win::HCURSOR load(const std::string& file);
    // False with the Windows error in error when the handle or id is refused.
    bool replace(win::HCURSOR cursor, win::DWORD id, win::DWORD& error);
    std::string systemCursorFile(win::DWORD id) const;

    std::vector<CursorCall> calls;
    std::map<win::HCURSOR, std::string> loaded;
    std::map<win::DWORD, std::string> system;
    win::HCURSOR next = 0x10010;
};

class FakeSettings {
public:
    FakeSettings() : spi(metrics) {}

    MetricTable metrics;
    SystemColors colors;
    CursorStore cursors;
    SpiStore spi;
    int logPixels = 96;
};

} // namespace fake
