// The system colours as a table, one row per colour index with the colour of
// the classic "Windows Standard" scheme, as Wine's sysparams.c keeps them.
// GetSysColor of an index without a row reads 0; SetSysColors skips such
// indices, as Windows does.
#pragma once

#include "platform/WinTypes.h"

#include <utility>
#include <vector>

namespace fake {

class SystemColorTable {
public:
    static constexpr int Count = 31;

    SystemColorTable();
    win::COLORREF get(int index) const;
    void set(int index, win::COLORREF color);
    static bool valid(int index) { return index >= 0 && index < Count; }

    std::vector<std::vector<std::pair<int, win::COLORREF>>> calls; // one per SetSysColors

private:
    win::COLORREF colors_[Count];
};

} // namespace fake
