// The icons of the desktop's shell objects (My Computer, the Recycle Bin, ...),
// written where the running Windows reads them. Both applies write through it:
// the catalogue theme's four icons and a theme file's.
//
// Per-user classes under HKEY_CURRENT_USER\Software\Classes are merged into
// HKEY_CLASSES_ROOT only from Windows 2000 on (Microsoft, "HKEY_CLASSES_ROOT Key"
// and "Merged View of HKEY_CLASSES_ROOT"; RegOpenUserClassesRoot: "Minimum supported
// client: Windows 2000 Professional"). Windows 95, 98, ME and NT 4 read the icons
// from HKEY_CLASSES_ROOT\CLSID\{clsid}\DefaultIcon alone, so there they are written;
// Windows 2000 and every version without a tag, a later one, read the user's own
// HKEY_CURRENT_USER\Software\Classes\CLSID\{clsid}\DefaultIcon first.
#pragma once

#include "platform/WinTypes.h"
#include "runtime/Error.h"

#include <optional>
#include <string>

namespace sys {
class clsRegistry;
class CustomRegistry;
} // namespace sys

namespace appearance {

// The root and the folder of class keys under it that a version reads the icons from.
struct IconRoot {
    win::HKEY root;
    const char* rootName; // "HKEY_CLASSES_ROOT"
    const char* classes;  // "CLSID\" or "Software\Classes\CLSID\"
};
IconRoot desktopIconRoot(const std::string& versionTag);

class DesktopIcons {
public:
    DesktopIcons(sys::clsRegistry& registry, sys::CustomRegistry& values, const std::string& versionTag);

    win::HKEY root() const { return root_.root; }
    // The DefaultIcon key below the root: "CLSID\{...}\DefaultIcon".
    std::string iconKey(const char* clsid) const;

    // Creates the object's DefaultIcon key where it is missing (clsRegistry's CreateKey).
    void createKey(const char* clsid);
    // A value of the DefaultIcon key as CustomRegistry reads it ("Error" when there is none).
    std::string get(const char* clsid, const std::string& valueName);
    // Writes a value of the DefaultIcon key (CustomRegistry's SetRegValue).
    void set(const char* clsid, const std::string& valueName, const std::string& text);

    // The first create or write Windows refused (an NT 4 user who may not write
    // under HKEY_CLASSES_ROOT), nothing while all went through.
    const std::optional<rt::Error>& failure() const { return failure_; }

private:
    std::string objectKey(const char* clsid) const;
    void note(const char* call, win::LONG status);

    sys::clsRegistry& registry_;
    sys::CustomRegistry& values_;
    IconRoot root_;
    std::optional<rt::Error> failure_;
};

} // namespace appearance
