// The paths of a theme file, checked before anything opens, draws or hands them
// to Windows. A path value is expanded (%ThemeDir%, %WinDir%, %windir%,
// %SystemRoot%, %ProgramFiles%), then refused, with its reason, when it
// - starts with two slashes or backslashes ("network path"),
// - has a scheme such as "http:" or "ms-settings:" ("web address"),
// - has any other colon than a drive's ("colon in path"),
// - keeps a %variable% of another name ("unknown variable"),
// - holds a control character or one of < > " | ? * ("control character", "bad character"),
// - is not a full path from a drive ("not a full path"; a bare module name of an
//   icon, "shell32.dll", is looked for in the system folder),
// - has a ".." part ("parent folder in path") or a device name as a part
//   (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension: "device name"),
// - is longer than MAX_PATH allows, 259 characters ("path too long").
// Only then is the file looked at: a missing one is allowed but marked missing (a
// later Windows' %SystemRoot%\Resources\Themes\<folder>\<file> is first looked for
// as <folder>\<file> beside the theme file); one that is there must start as its
// kind of file does ("not a picture", "not a pointer", "not an icon", "not a sound",
// or "unreadable file").
// An empty value is Windows' own default and allowed as such.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace themefile {

// Where a theme is applied: its folders, and the files there. The check asks
// about a file only after the path passed every check above.
struct Surroundings {
    std::string themeFolder;        // the theme file's folder: "C:\Program Files\Plus!\Themes\"
    std::string windowsFolder;      // "C:\WINDOWS"
    std::string systemFolder;       // "C:\WINDOWS\SYSTEM"
    std::string programFilesFolder; // "C:\Program Files"

    virtual ~Surroundings() = default;
    virtual bool exists(const std::string& path) const = 0;
    // The first count bytes of the file (fewer for a shorter one), empty when it cannot be read.
    virtual std::string head(const std::string& path, std::size_t count) const = 0;
};

enum class FileKind { picture, pointer, icon, sound, screenSaver };

class PathCheck;

// A path that passed the check: the only form in which a theme's path reaches the
// applier. Only PathCheck makes one.
class CheckedPath {
public:
    // The full path, variables expanded; empty for Windows' default.
    const std::string& path() const { return path_; }
    bool isDefault() const { return path_.empty(); }
    // The file was not there at the check: the applier leaves the setting alone
    // and reports "file not found".
    bool missing() const { return missing_; }

private:
    friend class PathCheck;
    CheckedPath(std::string path, bool missing) : path_(std::move(path)), missing_(missing) {}

    std::string path_;
    bool missing_ = false;
};

struct PathVerdict {
    std::optional<CheckedPath> path; // when allowed
    std::string refusal;             // why not, otherwise
};

class PathCheck {
public:
    // trusted: the program's own file; every path is allowed as it is, variables expanded.
    explicit PathCheck(const Surroundings& surroundings, bool trusted = false)
        : surroundings_(surroundings), trusted_(trusted) {}

    // A picture, pointer, icon or sound file.
    PathVerdict file(std::string_view value, FileKind kind) const;

    // [boot] SCRNSAVE.EXE, a program Windows will run: besides the checks of every
    // path it must be a plain path without arguments or any of | & < > ^ , name an
    // existing .scr file that starts as a program does ("MZ"), sit directly in the
    // theme's, the Windows or the system folder, and the caller must allow screen
    // savers ("screen savers not allowed (use /saver)").
    PathVerdict screenSaver(std::string_view value, bool allowed) const;

private:
    // The expanded, checked path, or the refusal in `refusal`.
    std::string checkText(std::string_view value, FileKind kind, std::string& refusal) const;
    std::string expand(std::string_view value) const;
    std::string beside(const std::string& path) const;
    static const char* sniff(const std::string& head, FileKind kind);

    PathVerdict trustedPath(std::string_view value) const;

    const Surroundings& surroundings_;
    bool trusted_ = false;
};

} // namespace themefile
