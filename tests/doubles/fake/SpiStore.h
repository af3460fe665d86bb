// SystemParametersInfoA over the shared settings table (platform/Settings.h):
// each row says how its value travels, and this is the store behind the rows.
// Settings that Windows keeps as system metrics (double-click and drag
// rectangles, icon spacing, show sounds ...) read and write the metric table,
// so GetSystemMetrics sees the change.
// Unknown actions fail with ERROR_INVALID_SPI_VALUE.
#pragma once

#include "platform/Settings.h"
#include "fake/Records.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fake {

class MetricTable;

class SpiStore {
public:
    explicit SpiStore(MetricTable& metrics);

    // SystemParametersInfoA; error receives the last error when the result is FALSE.
    win::BOOL call(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni, win::DWORD& error);

    std::int64_t value(win::UINT action) const;
    void setValue(win::UINT action, std::int64_t value);
    std::string bytes(win::UINT action) const;
    void setBytes(win::UINT action, const std::string& bytes);
    // Keeps the work area in step with a new screen size (the taskbar at the bottom).
    void setScreenSize(int width, int height);

    std::vector<SpiCall> calls;

private:
    win::BOOL get(const win::Setting& row, win::UINT uiParam, void* pvParam, win::DWORD& error);
    win::BOOL set(const win::Setting& row, win::UINT uiParam, void* pvParam, win::DWORD& error);
    std::int64_t number(const win::Setting& row) const;
    void setNumber(const win::Setting& row, std::int64_t value);
    std::string structure(const win::Setting& row) const;
    void setStructure(const win::Setting& row, const std::string& bytes);

    MetricTable& metrics_;
    std::map<const win::Setting*, std::int64_t> numbers_;
    std::map<const win::Setting*, std::string> bytes_;       // structures and texts
    std::map<const win::Setting*, std::string> pointedText_; // the texts that structures point to
};

} // namespace fake
