// Module-level state of the program: the program folder, the Windows version
// tag, the nine catalogue tables read at start-up, and the selection state that
// the Themes and Mix-N-Match tabs share. Written by start-up (tables) and by the
// selection handlers; alive until the program ends.
//
// Tables keep their fixed sizes and are indexed as the program indexes them;
// an index outside a table throws rt::Error 9 (subscript out of range).
#pragma once

#include "runtime/Error.h"
#include "runtime/TextConv.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace catalogue {

// The start-up sound the program ships in its folder.
constexpr const char* startupSoundFile = "Zuve Zivi ziz Odida.wav";

// A fixed-size text table indexed from lower to upper bound inclusive.
template <int Lower, int Upper> class TextTable {
public:
    static constexpr int lowerBound = Lower;
    static constexpr int upperBound = Upper;

    std::string& operator()(int index) { return entries_[offset(index)]; }
    const std::string& operator()(int index) const { return entries_[offset(index)]; }
    void clear() { entries_.fill(std::string()); }

private:
    static std::size_t offset(int index) {
        if (index < Lower || index > Upper)
            throw rt::Error(rt::ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(index - Lower);
    }
    std::array<std::string, Upper - Lower + 1> entries_;
};

// Scheme rows 0..28 by slot 0..28 (cursors, icons).
class SlotTable {
public:
    std::string& operator()(int row, int slot) { return rows_(row, slot); }
    const std::string& operator()(int row, int slot) const { return rows_(row, slot); }
    void clear() { rows_ = Rows(); }

private:
    struct Rows {
        std::string& operator()(int row, int slot) { return table_[check(row)](slot); }
        const std::string& operator()(int row, int slot) const { return table_[check(row)](slot); }
        static std::size_t check(int row) {
            if (row < 0 || row > 28)
                throw rt::Error(rt::ErrSubscriptOutOfRange);
            return static_cast<std::size_t>(row);
        }
        std::array<TextTable<0, 28>, 29> table_;
    } rows_;
};

// Scheme rows 0..28 by colour index 0..28 by component 1..3 (red, green, blue).
class ColorTable {
public:
    std::string& operator()(int row, int index, int component) {
        return slots_[check(row, 0, 28)](index, component);
    }
    const std::string& operator()(int row, int index, int component) const {
        return slots_[check(row, 0, 28)](index, component);
    }
    void clear() { slots_ = {}; }

private:
    static std::size_t check(int value, int lower, int upper) {
        if (value < lower || value > upper)
            throw rt::Error(rt::ErrSubscriptOutOfRange);
        return static_cast<std::size_t>(value - lower);
    }
    struct Components {
        std::string& operator()(int index, int component) {
            return table_[check(index, 0, 28)][check(component, 1, 3)];
        }
        const std::string& operator()(int index, int component) const {
            return table_[check(index, 0, 28)][check(component, 1, 3)];
        }
        std::array<std::array<std::string, 3>, 29> table_;
    };
    std::array<Components, 29> slots_;
};

struct Module1 {
    // The program's folder, without a trailing backslash.
    std::string programFolder;
    // The start-up sound in it.
    std::string startupSound() const { return programFolder + "\\" + startupSoundFile; }
    // "95", "98", "ME", "NT", "2000", or empty for a version without a tag.
    std::string windowsVersion;

    ColorTable themeColors;
    SlotTable themeCursors;
    SlotTable themeIcons;
    TextTable<0, 100> themeAudio;
    TextTable<0, 100> themeShortAudio;
    TextTable<0, 100> themeList;
    TextTable<0, 100> wallpaperList;
    TextTable<0, 100> colorSchemeList;
    TextTable<0, 100> screenSaverList;

    // Scheme row of the last theme or colour-scheme selection, kept as text.
    // No value before any selection (it then counts as row 0); the empty text
    // after a theme without a preview layout (which is not a number).
    std::optional<std::string> activeSchemeRow;
    // activeSchemeRow as the row number it names: 0 while it has no value;
    // rt::Error 13 when it is not a number, 6 when it does not fit.
    std::int32_t activeSchemeRowNumber() const { return activeSchemeRow ? rt::CLng(*activeSchemeRow) : 0; }
};

} // namespace catalogue
