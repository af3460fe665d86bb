// A theme file read as the Windows profile functions (GetPrivateProfileStringA)
// read an .ini file, following Wine's dlls/kernel32/profile.c (PROFILE_Load,
// PROFILE_Find, PROFILE_CopyEntry):
// - a byte-order mark selects UTF-8, UTF-16LE or UTF-16BE; without one the bytes
//   are text of the ANSI code page already;
// - lines end at LF; blanks (space, tab, CR, VT, FF and ^Z) at either end of a line
//   and around the first "=" are trimmed;
// - "[name]" starts a section, its name everything between "[" and the last "]";
//   a line before the first section belongs to none and is never found;
// - a line without "=" is a key without a value, which hides a later key of the
//   same name just as a key with one does;
// - names are compared without regard to case; the first section of a name is the
//   only one searched, and in it the first key of a name wins (PROFILE_Find walks
//   the sections and keys from the start and stops at the first match);
// - a value wholly enclosed in matching double or single quotes loses them
//   (PROFILE_CopyEntry; GetPrivateProfileString's documentation says the same);
// - a name or value ends at a NUL character, as the C strings Windows keeps do;
// - a ";" line is a comment: its key name starts with ";", which no look-up asks for.
// Limits of its own: a file over 1 MiB or with a line over 64 KiB is refused whole.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace themefile {

// Text of a Unicode theme file in the ANSI code page, character for character;
// nullopt when a character has no exact equivalent there (no best-fit letters).
// The product converts with WideCharToMultiByte and checks the round trip.
using ToAnsi = std::function<std::optional<std::string>(const std::u16string&)>;

constexpr std::size_t maxFileBytes = 1024 * 1024;
constexpr std::size_t maxLineBytes = 64 * 1024;

// Names and values are kept as UTF-16 units. In an ANSI file each byte is one unit
// (0..255). In a Unicode file a unit is UTF-16; a byte of a UTF-8 file that is not
// part of a valid sequence becomes the lone surrogate 0xDC00 + byte, so that it
// reads as invalid text as a lone surrogate of a UTF-16 file does.
struct ProfileKey {
    std::u16string name;
    bool hasValue = false;
    std::u16string value; // quotes already removed
};

struct ProfileSection {
    std::u16string name;
    std::vector<ProfileKey> keys;
    // The first section of its name, the only one the profile functions search.
    bool searched = false;

    // The key a look-up finds: the first of the name; nullptr when none.
    const ProfileKey* find(std::string_view keyName) const;
};

// What a name or value says in the ANSI code page, or why it cannot be said there.
struct AnsiText {
    std::string text;
    std::string refusal; // "not valid text", "not in the ANSI code page"
};

class ProfileText {
public:
    // Reads a file's bytes. Throws rt::Error 380 when the file is refused whole
    // ("theme file over 1 MiB", "line over 64 KiB").
    static ProfileText read(std::string_view bytes);

    bool unicode() const { return unicode_; }
    // Every section in the order of the file, repeated names included.
    const std::vector<ProfileSection>& sections() const { return sections_; }

    // A name or value in the ANSI code page.
    AnsiText ansi(const std::u16string& units, const ToAnsi& toAnsi) const;
    // A name to show in a report: its ANSI text, with "?" for what cannot be shown.
    std::string shown(const std::u16string& units, const ToAnsi& toAnsi) const;

private:
    bool unicode_ = false;
    std::vector<ProfileSection> sections_;
};

// Whether units spell name, ASCII letters compared without regard to case.
bool sameName(const std::u16string& units, std::string_view name);

} // namespace themefile
