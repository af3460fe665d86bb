// GetSystemMetrics as a table: one row per metric with the value of a classic
// Windows desktop at 1024 x 768 (Windows Standard scheme, small fonts). Indices
// without a row read 0, as Windows answers for an unknown index.
#pragma once

#include <map>

namespace fake {

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

} // namespace fake
