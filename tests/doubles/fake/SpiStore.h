// SystemParametersInfoA as data, in the manner of Wine's sysparams.c: one row
// per setting naming its get and set actions and how the value travels
// (uiParam, pvParam as the value itself, a structure or a text through
// pvParam), with the store behind it. Settings that Windows keeps as system
// metrics (double-click and drag rectangles, icon spacing, show sounds ...)
// read and write the metric table, so GetSystemMetrics sees the change.
// Unknown actions fail with ERROR_INVALID_PARAMETER.
#pragma once

#include "platform/WinTypes.h"
#include "fake/Records.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace fake {

class MetricTable;

enum class SpiForm {
    UiParam,     // set: the value in uiParam; get: a 32-bit value into pvParam
    PvValue,     // set: the value is pvParam itself; get: a 32-bit value into pvParam
    Structure,   // get and set: the structure at pvParam (cbSize checked when it has one)
    Text,        // get: into a buffer of uiParam characters; set: a NUL-terminated text
    IconSpacing, // one action: a non-null pvParam reads, a null one sets from uiParam
    IconMetrics, // ICONMETRICSA assembled from spacing metrics, title wrap and the icon title font
    Returned,    // get only: the setting is the call's result
};

struct SpiRow {
    const char* name;
    win::UINT get; // 0 when the setting cannot be read
    win::UINT set; // 0 when it cannot be written
    SpiForm form;
    bool boolean;         // stored as 0 or 1 whatever was handed over
    int metric;           // the system metric that holds it, -1 for none
    std::size_t size;     // structure size
    bool hasCbSize;       // the structure starts with cbSize, which must equal size
    std::size_t textAt;   // offset of a text pointer in the structure, 0 for none
    std::int64_t initial; // numbers: the value at start
};

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
    const SpiRow* rowOf(win::UINT action) const;
    static win::UINT keyOf(const SpiRow& row) { return row.get ? row.get : row.set; }
    win::BOOL get(const SpiRow& row, win::UINT uiParam, void* pvParam, win::DWORD& error);
    win::BOOL set(const SpiRow& row, win::UINT uiParam, void* pvParam, win::DWORD& error);
    std::string iconMetrics() const;

    MetricTable& metrics_;
    std::map<win::UINT, std::int64_t> numbers_;
    std::map<win::UINT, std::string> bytes_;
    std::map<win::UINT, std::string> pointedText_; // the texts that structures point to
};

} // namespace fake
