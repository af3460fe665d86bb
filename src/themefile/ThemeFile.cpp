#include "themefile/ThemeFile.h"

#include "platform/DesktopFacts.h"
#include "themefile/Metrics.h"

#include <algorithm>
#include <functional>
#include <unordered_set>

namespace themefile {
namespace {

constexpr std::string_view soundSectionPrefix = "AppEvents\\Schemes\\Apps\\";
constexpr std::size_t longestSoundName = 64;

bool isControl(char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return text;
}

bool hasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

// "@module,-id": a resource text of a later Windows.
bool isResourceText(const std::u16string& value) {
    const std::size_t comma = value.rfind(u",-");
    if (value.empty() || value.front() != u'@' || comma == std::u16string::npos || comma + 2 == value.size())
        return false;
    return std::all_of(value.begin() + comma + 2, value.end(),
                       [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

// Decimal digits only, up to limit.
bool readNumber(std::string_view text, unsigned limit, unsigned& number) {
    if (text.empty() || text.size() > 10)
        return false;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > limit)
        return false;
    number = static_cast<unsigned>(value);
    return true;
}

// Blank-separated bytes, exactly count of them.
bool readBytes(std::string_view text, std::size_t count, std::vector<unsigned>& bytes) {
    bytes.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", i), text.size());
        unsigned byte = 0;
        if (!readNumber(text.substr(i, end - i), 255, byte))
            return false;
        bytes.push_back(byte);
        i = end;
    }
    return bytes.size() == count;
}

bool readColor(std::string_view text, win::COLORREF& rgb) {
    std::vector<unsigned> parts;
    if (!readBytes(text, 3, parts))
        return false;
    rgb = parts[0] | parts[1] << 8 | parts[2] << 16;
    return true;
}

bool readZeroOrOne(std::string_view text, bool& flag) {
    if (text != "0" && text != "1")
        return false;
    flag = text == "1";
    return true;
}

// 0 centred or tiled, 2 stretched; a later Windows' 6 (fit) and 10 (fill) stretch.
bool readWallpaperStyle(std::string_view text, int& style) {
    if (text != "0" && text != "2" && text != "6" && text != "10")
        return false;
    style = text == "0" ? 0 : 2;
    return true;
}

bool readPattern(std::string_view text, std::string& pattern) {
    // Empty is Windows' own default, no pattern (later Windows write "Pattern=").
    if (text.empty()) {
        pattern = "(None)";
        return true;
    }
    std::vector<unsigned> bytes;
    if (upperCase(std::string(text)) != "(NONE)" && !readBytes(text, 8, bytes))
        return false;
    pattern = std::string(text);
    return true;
}

// "path,index" or "path": the index is what follows the last comma when that is a
// whole number (negative for a resource id).
IconFile readIconValue(const std::string& text) {
    IconFile icon;
    icon.path = text;
    const std::size_t comma = text.rfind(',');
    if (comma == std::string::npos)
        return icon;
    std::string number = text.substr(comma + 1);
    number.erase(0, number.find_first_not_of(" \t"));
    number.erase(number.find_last_not_of(" \t") + 1);
    const bool negative = !number.empty() && number[0] == '-';
    unsigned magnitude = 0;
    if (!readNumber(std::string_view(number).substr(negative ? 1 : 0), negative ? 2147483648u : 2147483647u,
                    magnitude))
        return icon;
    icon.hasIndex = true;
    icon.index = negative ? static_cast<int>(0u - magnitude) : static_cast<int>(magnitude);
    icon.path = text.substr(0, comma);
    icon.path.erase(icon.path.find_last_not_of(" \t") + 1);
    return icon;
}

// An application or event name of a sound: one registry key name of letters,
// digits, blanks, ".", "_" and "-", not dots and blanks alone, at most 64 long.
bool isSoundName(std::string_view name) {
    const auto allowed = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ' ||
               c == '.' || c == '_' || c == '-';
    };
    return !name.empty() && name.size() <= longestSoundName &&
           std::all_of(name.begin(), name.end(), allowed) &&
           name.find_first_not_of(". ") != std::string_view::npos;
}

bool startsWithName(const std::u16string& units, std::string_view prefix) {
    return units.size() >= prefix.size() && sameName(units.substr(0, prefix.size()), prefix);
}

std::string fileStem(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

class Reader {
public:
    Reader(const ProfileText& profile, const ToAnsi& toAnsi, ThemeFile& theme)
        : profile_(profile), toAnsi_(toAnsi), theme_(theme) {}

    void read(const ProfileSection& section) {
        label_ = "[" + profile_.shown(section.name, toAnsi_) + "]";
        if (!section.searched)
            return ignore(label_);
        if (sameName(section.name, "Theme"))
            return readTheme(section);
        if (sameName(section.name, "Control Panel\\Colors"))
            return readColors(section);
        if (sameName(section.name, "Control Panel\\Cursors"))
            return readPointers(section);
        if (sameName(section.name, "Control Panel\\Desktop"))
            return readDesktop(section);
        if (sameName(section.name, "Metrics"))
            return readMetrics(section);
        if (sameName(section.name, "boot"))
            return readBoot(section);
        for (std::size_t object = 0; object < win::desktopObjects.size(); ++object)
            if (sameName(section.name,
                         std::string("CLSID\\") + win::desktopObjects[object].clsid + "\\DefaultIcon"))
                return readIcons(section, static_cast<int>(object));
        if (startsWithName(section.name, soundSectionPrefix))
            return readSound(section);
        ignore(label_);
    }

    std::optional<std::string> displayName;

private:
    void ignore(std::string what) { theme_.ignored.push_back(std::move(what)); }

    // The ANSI text of a key's value as the profile functions find it; none when the
    // section has no value of that name, or when it is the resource text of a
    // later Windows, which is listed ignored. An icon location ("path,index") is never
    // a resource text: "@file,-1" is the icon of a file named "@file".
    std::optional<Setting<std::string>> text(const ProfileSection& section, std::string_view key,
                                             std::string name, bool mayBeResourceText = true) {
        const ProfileKey* found = section.find(key);
        if (!found || !found->hasValue)
            return std::nullopt;
        if (mayBeResourceText && isResourceText(found->value)) {
            ignore(label_ + " " + std::string(key));
            return std::nullopt;
        }
        AnsiText value = profile_.ansi(found->value, toAnsi_);
        return Setting<std::string>{std::move(name), std::move(value.text), std::move(value.refusal)};
    }

    template <typename T, typename Read>
    static std::optional<Setting<T>> typed(std::optional<Setting<std::string>> text, Read read,
                                           const char* refusal) {
        if (!text)
            return std::nullopt;
        Setting<T> setting{text->name, {}, text->refusal};
        if (setting.refusal.empty() && !read(text->value, setting.value))
            setting.refusal = refusal;
        return setting;
    }

    // Lists the keys with a value that the section's reader does not take.
    void ignoreOthers(const ProfileSection& section,
                      const std::function<bool(const std::u16string&)>& known) {
        for (const ProfileKey& key : section.keys)
            if (key.hasValue && key.name[0] != u';' && !known(key.name))
                ignore(label_ + " " + profile_.shown(key.name, toAnsi_));
    }
    void ignoreOthers(const ProfileSection& section, std::initializer_list<std::string_view> known) {
        ignoreOthers(section, [&](const std::u16string& name) {
            return std::any_of(known.begin(), known.end(),
                               [&](std::string_view k) { return sameName(name, k); });
        });
    }

    void readTheme(const ProfileSection& section) {
        if (auto name = text(section, "DisplayName", "DisplayName"))
            if (name->refusal.empty() && !name->value.empty() && !hasControl(name->value))
                displayName = name->value;
        ignoreOthers(section, {"DisplayName"});
    }

    void readColors(const ProfileSection& section) {
        for (std::size_t index = 0; index < win::colorValueNames.size(); ++index) {
            const char* name = win::colorValueNames[index];
            auto color = typed<Color>(
                text(section, name, name),
                [&](const std::string& value, Color& c) {
                    c.index = static_cast<int>(index);
                    return readColor(value, c.rgb);
                },
                "not a colour");
            if (color)
                theme_.colors.push_back(*color);
        }
        ignoreOthers(section, [](const std::u16string& name) {
            return std::any_of(win::colorValueNames.begin(), win::colorValueNames.end(),
                               [&](const char* known) { return sameName(name, known); });
        });
    }

    void readPointers(const ProfileSection& section) {
        theme_.pointerScheme = typed<std::string>(
            text(section, "DefaultValue", "scheme name"),
            [](const std::string& value, std::string& scheme) {
                scheme = value;
                return !hasControl(value);
            },
            "control character");
        for (std::size_t slot = 0; slot < win::cursorValueNames.size(); ++slot) {
            const char* name = win::cursorValueNames[slot];
            if (auto path = text(section, name, name))
                theme_.pointers.push_back({path->name, {static_cast<int>(slot), path->value}, path->refusal});
        }
        ignoreOthers(section, [](const std::u16string& name) {
            return sameName(name, "DefaultValue") ||
                   std::any_of(win::cursorValueNames.begin(), win::cursorValueNames.end(),
                               [&](const char* known) { return sameName(name, known); });
        });
    }

    void readDesktop(const ProfileSection& section) {
        theme_.wallpaper = text(section, "Wallpaper", "Wallpaper");
        // Windows 95 and 98 write "(None)" for no wallpaper, as for no pattern.
        if (theme_.wallpaper && upperCase(theme_.wallpaper->value) == "(NONE)")
            theme_.wallpaper->value.clear();
        theme_.tileWallpaper =
            typed<bool>(text(section, "TileWallpaper", "TileWallpaper"), readZeroOrOne, "not 0 or 1");
        theme_.wallpaperStyle = typed<int>(text(section, "WallpaperStyle", "WallpaperStyle"),
                                           readWallpaperStyle, "unknown wallpaper style");
        theme_.pattern =
            typed<std::string>(text(section, "Pattern", "Pattern"), readPattern, "not a pattern");
        // Windows keeps this beside the wallpaper, in HKEY_CURRENT_USER\Control Panel\Desktop,
        // and a theme's sections mirror those keys.
        theme_.screenSaveActive =
            typed<bool>(text(section, "ScreenSaveActive", "ScreenSaveActive"), readZeroOrOne, "not 0 or 1");
        ignoreOthers(section,
                     {"Wallpaper", "TileWallpaper", "WallpaperStyle", "Pattern", "ScreenSaveActive"});
    }

    void readIcons(const ProfileSection& section, int object) {
        const std::string objectName = win::desktopObjects[object].name;
        const struct {
            const char* key;
            IconRole role;
            std::string name;
        } roles[] = {{"DefaultValue", IconRole::normal, objectName},
                     {"full", IconRole::full, objectName + " full"},
                     {"empty", IconRole::empty, objectName + " empty"}};
        for (const auto& role : roles)
            if (auto path = text(section, role.key, role.name, false)) {
                IconFile icon = readIconValue(path->value);
                icon.object = object;
                icon.role = role.role;
                theme_.icons.push_back({path->name, icon, path->refusal});
            }
        ignoreOthers(section, {"DefaultValue", "full", "empty"});
    }

    void readMetrics(const ProfileSection& section) {
        theme_.nonClientMetrics =
            metrics(section, "NonclientMetrics", nonClientMetricsBytes, decodeNonClientMetrics);
        theme_.iconMetrics = metrics(section, "IconMetrics", iconMetricsBytes, decodeIconMetrics);
        ignoreOthers(section, {"NonclientMetrics", "IconMetrics"});
    }

    template <typename Record>
    std::optional<Setting<Record>> metrics(const ProfileSection& section, const char* key, std::size_t size,
                                           Record (*decode)(const std::string&)) {
        auto value = text(section, key, key);
        if (!value)
            return std::nullopt;
        const MetricsBytes bytes = readMetricsBytes(value->value, size);
        const std::string refusal = !value->refusal.empty() ? value->refusal : bytes.refusal;
        return Setting<Record>{value->name, refusal.empty() ? decode(bytes.bytes) : Record{}, refusal};
    }

    void readBoot(const ProfileSection& section) {
        theme_.screenSaver = text(section, "SCRNSAVE.EXE", "SCRNSAVE.EXE");
        ignoreOthers(section, {"SCRNSAVE.EXE"});
    }

    // [AppEvents\Schemes\Apps\<application>\<event>] or the same with "\.Current":
    // the sound is the section's DefaultValue. A section of the application alone
    // holds no sound.
    void readSound(const ProfileSection& section) {
        const std::u16string rest = section.name.substr(soundSectionPrefix.size());
        std::vector<std::u16string> parts;
        for (std::size_t start = 0; start <= rest.size();) {
            const std::size_t slash = std::min(rest.find(u'\\', start), rest.size());
            parts.push_back(rest.substr(start, slash - start));
            start = slash + 1;
        }
        if (parts.size() == 3 && sameName(parts[2], ".Current"))
            parts.pop_back();
        const auto path = text(section, "DefaultValue", {});
        ignoreOthers(section, {"DefaultValue"});
        if (parts.size() == 1 || !path)
            return;
        const std::string application = profile_.shown(parts[0], toAnsi_);
        const std::string event = parts.size() == 2 ? profile_.shown(parts[1], toAnsi_) : std::string();
        if (parts.size() != 2 || !isSoundName(application) || !isSoundName(event))
            return theme_.sounds.push_back({profile_.shown(rest, toAnsi_), {}, "bad sound name"});
        const std::string name = application + "\\" + event;
        if (!soundNames_.insert(upperCase(name)).second)
            return ignore(label_);
        theme_.sounds.push_back({name, {application, event, path->value}, path->refusal});
    }

    const ProfileText& profile_;
    const ToAnsi& toAnsi_;
    ThemeFile& theme_;
    std::string label_;
    std::unordered_set<std::string> soundNames_;
};

} // namespace

ThemeFile readThemeFile(std::string_view bytes, std::string_view fileName, const ToAnsi& toAnsi) {
    const ProfileText profile = ProfileText::read(bytes);
    ThemeFile theme;
    Reader reader(profile, toAnsi, theme);
    for (const ProfileSection& section : profile.sections())
        reader.read(section);
    theme.displayName = reader.displayName.value_or(fileStem(fileName));
    return theme;
}

} // namespace themefile
