// The user32 and gdi32 settings stores of the fake: system metrics, system colours,
// cursors, SystemParametersInfoA's store and the display's logical pixels per inch.
#pragma once

#include "platform/WinTypes.h"
#include "platform/Settings.h"
#include "platform/WinFacts.h"
#include "fake/TextUtil.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fake {

struct CursorCall {
    win::DWORD id;
    std::string file; // the file the handle was loaded from, "" for an unknown handle
    bool succeeded;
};

struct SpiCall {
    win::UINT action, uiParam;
    std::uintptr_t pvValue; // pvParam as a number: the value itself for the pvParam-value settings
    win::UINT fWinIni;
};

// Values by index; an index without a row reads 0, as Windows answers for an unknown index.
template <class Value> struct IndexTable {
    Value get(int index) const { return lookup(values, index, Value{}); }
    std::map<int, Value> values;
};

// GetSystemMetrics as a table: one row per metric with the value of a classic
// Windows desktop at 1024 x 768 (Windows Standard scheme, small fonts).
struct MetricTable : IndexTable<int> {
    MetricTable();
    void set(int index, int value) { values[index] = value; }
};

// The system colours of the classic "Windows Standard" scheme, as Wine's
// sysparams.c keeps them, by index from COLOR_SCROLLBAR (0) to COLOR_MENUBAR
// (30). GetSysColor of any other index reads 0; SetSysColors skips it.
struct SystemColors : IndexTable<win::COLORREF> {
    SystemColors();
    void set(int index, win::COLORREF color) {
        if (values.count(index))
            values[index] = color;
    }
    std::vector<std::vector<std::pair<int, win::COLORREF>>> calls; // one per SetSysColors
};

// The system pointers SetSystemCursor replaces, by their value under
// HKEY_CURRENT_USER\Control Panel\Cursors.
inline const std::pair<const char*, win::DWORD> systemPointers[] = {
    {"Arrow", win::OCR_NORMAL},           {"IBeam", win::OCR_IBEAM},   {"Wait", win::OCR_WAIT},
    {"Crosshair", win::OCR_CROSS},        {"UpArrow", win::OCR_UP},    {"SizeNWSE", win::OCR_SIZENWSE},
    {"SizeNESW", win::OCR_SIZENESW},      {"SizeWE", win::OCR_SIZEWE}, {"SizeNS", win::OCR_SIZENS},
    {"SizeAll", win::OCR_SIZEALL},        {"No", win::OCR_NO},         {"Hand", win::OCR_HAND},
    {"AppStarting", win::OCR_APPSTARTING}};

// Cursors loaded from files and the system cursors they replace.
// LoadCursorFromFileA accepts a static cursor (.cur: reserved 0, type 2) or an
// animated one (a RIFF file of form "ACON"); SetSystemCursor takes the handle
// over (Windows destroys it), so one handle replaces one system cursor once.
struct CursorStore {
    static bool isCursorImage(const std::string& bytes);
    win::HCURSOR load(const std::string& file);
    // False with the Windows error in error when the handle or id is refused.
    bool replace(win::HCURSOR cursor, win::DWORD id, win::DWORD& error);
    std::string systemCursorFile(win::DWORD id) const { return lookup(system, id, std::string()); }
    std::vector<CursorCall> calls;
    std::map<win::HCURSOR, std::string> loaded;
    std::map<win::DWORD, std::string> system;
    win::HCURSOR next = 0x10010;
};

// SystemParametersInfoA over the settings rows (platform/Settings.h), which say how
// each value travels; what Windows keeps as a system metric (double-click and drag
// rectangles, icon spacing, show sounds ...) lives in the metric table, so
// GetSystemMetrics sees the change. Unknown actions fail with ERROR_INVALID_SPI_VALUE.
class SpiStore {
public:
    explicit SpiStore(MetricTable& metrics);
    win::BOOL call(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni, win::DWORD& error);
    // The test side's access by action; an action without a settings row is a fault of the test.
    std::int64_t value(win::UINT action) const { return number(win::setting(action)); }
    void setValue(win::UINT action, std::int64_t value) { setNumber(win::setting(action), value); }
    std::string bytes(win::UINT action) const { return structure(win::setting(action)); }
    void setBytes(win::UINT action, const std::string& bytes) { setStructure(win::setting(action), bytes); }
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
