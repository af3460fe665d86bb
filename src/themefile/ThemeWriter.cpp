#include "themefile/ThemeWriter.h"

#include "platform/DesktopFacts.h"
#include "runtime/Error.h"
#include "themefile/Metrics.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <set>

namespace themefile {
namespace {

constexpr std::string_view lineEnd = "\r\n";
constexpr std::string_view soundSectionPrefix = "AppEvents\\Schemes\\Apps\\";

[[noreturn]] void refuse(const std::string& what, const std::string& why) {
    throw rt::Error(rt::ErrInvalidPropertyValue, "cannot write " + what + ": " + why);
}

// The blanks the profile reader trims from either end of a line, a name and a value
// (ProfileText.cpp, after Wine's PROFILE_isspaceW).
bool isProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A;
}

bool hasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

// A value as the text after "=" that the profile functions give back unchanged.
std::string profileValue(const std::string& value, const std::string& what) {
    if (hasLineBreakOrNul(value))
        refuse(what, "a line break or NUL in the value");
    const bool blankEnd = !value.empty() && (isProfileBlank(value.front()) || isProfileBlank(value.back()));
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return blankEnd || quoted ? "\"" + value + "\"" : value;
}

// Whether text after an icon path's last comma reads as an index, as readThemeFile
// takes one: blanks and tabs around a whole decimal number of at most 10 digits that
// fits an int.
bool readsAsIconIndex(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    const bool negative = text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 10 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoull(std::string(digits)) <= (negative ? 2147483648ull : 2147483647ull);
}

std::string iconValue(const IconFile& icon, const std::string& what) {
    if (icon.hasIndex) {
        if (!icon.path.empty() && (icon.path.back() == ' ' || icon.path.back() == '\t'))
            refuse(what, "an icon path that ends in a blank");
        return icon.path + "," + std::to_string(icon.index);
    }
    const std::size_t comma = icon.path.rfind(',');
    if (comma != std::string::npos && readsAsIconIndex(std::string_view(icon.path).substr(comma + 1)))
        refuse(what, "an icon path that ends in a comma and a number");
    return icon.path;
}

std::string colorValue(win::COLORREF rgb) {
    return std::to_string(rgb & 0xFF) + " " + std::to_string(rgb >> 8 & 0xFF) + " " +
           std::to_string(rgb >> 16 & 0xFF);
}

// The Windows name of an index into one of the tables of DesktopFacts.h.
template <typename T, std::size_t N>
const T& nameAt(const std::array<T, N>& names, int index, const std::string& what) {
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        refuse(what, "index " + std::to_string(index) + " has no Windows name");
    return names[static_cast<std::size_t>(index)];
}

// The records' fields in order as little-endian bytes, written as decimal numbers.
class MetricsText {
public:
    explicit MetricsText(std::size_t size) { put32(static_cast<std::uint32_t>(size)); }

    void put32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            put8(static_cast<win::BYTE>(value >> (8 * i)));
    }
    void putInt(int value) { put32(static_cast<std::uint32_t>(value)); }
    void put8(win::BYTE byte) {
        if (!text_.empty())
            text_ += ' ';
        text_ += std::to_string(byte);
    }
    void putFont(const win::LOGFONTA& font) {
        for (win::LONG value :
             {font.lfHeight, font.lfWidth, font.lfEscapement, font.lfOrientation, font.lfWeight})
            putInt(value);
        for (win::BYTE byte :
             {font.lfItalic, font.lfUnderline, font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
              font.lfClipPrecision, font.lfQuality, font.lfPitchAndFamily})
            put8(byte);
        for (char c : font.lfFaceName)
            put8(static_cast<win::BYTE>(c));
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

std::string metricsValue(const win::NONCLIENTMETRICSA& record) {
    MetricsText out(nonClientMetricsBytes);
    for (int value : {record.iBorderWidth, record.iScrollWidth, record.iScrollHeight, record.iCaptionWidth,
                      record.iCaptionHeight})
        out.putInt(value);
    out.putFont(record.lfCaptionFont);
    out.putInt(record.iSmCaptionWidth);
    out.putInt(record.iSmCaptionHeight);
    out.putFont(record.lfSmCaptionFont);
    out.putInt(record.iMenuWidth);
    out.putInt(record.iMenuHeight);
    for (const win::LOGFONTA* font : {&record.lfMenuFont, &record.lfStatusFont, &record.lfMessageFont})
        out.putFont(*font);
    return out.text();
}

std::string metricsValue(const win::ICONMETRICSA& record) {
    MetricsText out(iconMetricsBytes);
    for (int value : {record.iHorzSpacing, record.iVertSpacing, record.iTitleWrap})
        out.putInt(value);
    out.putFont(record.lfFont);
    return out.text();
}

// The file as it grows: sections, and the keys of the current one, each only once.
class ProfileWriter {
public:
    void section(const std::string& name) {
        if (hasLineBreakOrNul(name))
            refuse("[" + name + "]", "a line break or NUL in the section name");
        if (name.size() + 2 > maxLineBytes)
            refuse("a section", "a line over 64 KiB");
        if (!sections_.insert(upperCase(name)).second)
            refuse("[" + name + "]", "a section written twice");
        if (!text_.empty())
            text_ += lineEnd;
        text_ += "[" + name + "]";
        text_ += lineEnd;
        section_ = name;
        keys_.clear();
    }

    void key(const std::string& name, const std::string& value) {
        const std::string what = "[" + section_ + "] " + name;
        if (name.empty() || hasLineBreakOrNul(name) || name.find('=') != std::string::npos ||
            isProfileBlank(name.front()) || isProfileBlank(name.back()) || name.front() == ';' ||
            name.front() == '[')
            refuse(what, "not a key name the profile functions find");
        if (!keys_.insert(upperCase(name)).second)
            refuse(what, "a key written twice");
        const std::string line = name + "=" + profileValue(value, what);
        if (line.size() > maxLineBytes)
            refuse(what, "a line over 64 KiB");
        text_ += line;
        text_ += lineEnd;
    }

    template <typename T> void setting(const std::string& name, const std::optional<Setting<T>>& setting) {
        if (setting && setting->refusal.empty())
            key(name, setting->value);
    }

    const std::string& text() const { return text_; }

private:
    std::string text_;
    std::string section_;
    std::set<std::string> sections_;
    std::set<std::string> keys_;
};

template <typename T> bool written(const Setting<T>& setting) {
    return setting.refusal.empty();
}

template <typename T> bool anyWritten(const std::vector<Setting<T>>& settings) {
    return std::any_of(settings.begin(), settings.end(), written<T>);
}

// A section per desktop object in the order the theme first names each, its keys in
// the reader's order of roles.
void writeIcons(ProfileWriter& out, const ThemeFile& theme) {
    std::set<int> objects;
    for (const auto& first : theme.icons) {
        if (!written(first) || !objects.insert(first.value.object).second)
            continue;
        const win::DesktopObject& object = nameAt(win::desktopObjects, first.value.object, first.name);
        out.section(std::string("CLSID\\") + object.clsid + "\\DefaultIcon");
        for (IconRole role : {IconRole::normal, IconRole::full, IconRole::empty})
            for (const auto& icon : theme.icons)
                if (written(icon) && icon.value.object == first.value.object && icon.value.role == role)
                    out.key(role == IconRole::normal ? "DefaultValue"
                            : role == IconRole::full ? "full"
                                                     : "empty",
                            iconValue(icon.value, icon.name));
    }
}

void writeColors(ProfileWriter& out, const ThemeFile& theme) {
    if (!anyWritten(theme.colors))
        return;
    out.section("Control Panel\\Colors");
    for (const auto& color : theme.colors)
        if (written(color))
            out.key(nameAt(win::colorValueNames, color.value.index, "a colour"), colorValue(color.value.rgb));
}

void writePointers(ProfileWriter& out, const ThemeFile& theme) {
    const bool scheme = theme.pointerScheme && written(*theme.pointerScheme);
    if (!scheme && !anyWritten(theme.pointers))
        return;
    out.section("Control Panel\\Cursors");
    for (const auto& pointer : theme.pointers)
        if (written(pointer))
            out.key(nameAt(win::cursorValueNames, pointer.value.slot, "a pointer"), pointer.value.path);
    out.setting("DefaultValue", theme.pointerScheme);
}

std::optional<Setting<std::string>> zeroOrOne(const std::optional<Setting<bool>>& flag) {
    if (!flag)
        return std::nullopt;
    return Setting<std::string>{flag->name, flag->value ? "1" : "0", flag->refusal};
}

void writeDesktop(ProfileWriter& out, const ThemeFile& theme) {
    out.section("Control Panel\\Desktop");
    if (theme.wallpaper && written(*theme.wallpaper))
        out.key("Wallpaper", theme.wallpaper->value.empty() ? "(None)" : theme.wallpaper->value);
    out.setting("TileWallpaper", zeroOrOne(theme.tileWallpaper));
    if (theme.wallpaperStyle && written(*theme.wallpaperStyle)) {
        const int style = theme.wallpaperStyle->value;
        if (style != 0 && style != 2)
            refuse("WallpaperStyle", "style " + std::to_string(style) + " is not 0 or 2");
        out.key("WallpaperStyle", std::to_string(style));
    }
    out.setting("Pattern", theme.pattern);
    out.setting("ScreenSaveActive", zeroOrOne(theme.screenSaveActive));
}

void writeMetrics(ProfileWriter& out, const ThemeFile& theme) {
    const bool icon = theme.iconMetrics && written(*theme.iconMetrics);
    const bool frame = theme.nonClientMetrics && written(*theme.nonClientMetrics);
    if (!icon && !frame)
        return;
    out.section("Metrics");
    if (icon)
        out.key("IconMetrics", metricsValue(theme.iconMetrics->value));
    if (frame)
        out.key("NonclientMetrics", metricsValue(theme.nonClientMetrics->value));
}

void writeSounds(ProfileWriter& out, const ThemeFile& theme) {
    for (const auto& sound : theme.sounds) {
        if (!written(sound))
            continue;
        for (const std::string* part : {&sound.value.application, &sound.value.event})
            if (part->empty() || part->find('\\') != std::string::npos)
                refuse(sound.name, "an application or event name that is empty or holds a backslash");
        out.section(std::string(soundSectionPrefix) + sound.value.application + "\\" + sound.value.event +
                    "\\.Current");
        out.key("DefaultValue", sound.value.path);
    }
}

} // namespace

std::string writeThemeFile(const ThemeFile& theme, const std::vector<ExtraSection>& extra) {
    ProfileWriter out;
    out.section("Theme");
    out.key("DisplayName", theme.displayName);
    writeIcons(out, theme);
    writeColors(out, theme);
    writePointers(out, theme);
    writeDesktop(out, theme);
    writeMetrics(out, theme);
    writeSounds(out, theme);
    if (theme.screenSaver && written(*theme.screenSaver)) {
        out.section("boot");
        out.key("SCRNSAVE.EXE", theme.screenSaver->value);
    }
    out.section("MasterThemeSelector");
    out.key("MTSM", "DABJDKT");
    for (const ExtraSection& section : extra) {
        out.section(section.name);
        for (const auto& [name, value] : section.keys)
            out.key(name, value);
    }
    if (out.text().size() > maxFileBytes)
        refuse("the theme", "a file over 1 MiB");
    return out.text();
}

} // namespace themefile
