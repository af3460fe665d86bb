#include "appearance/DesktopIcons.h"

#include "system/CustomRegistry.h"
#include "system/WindowsFailure.h"
#include "system/clsRegistry.h"

namespace appearance {

IconRoot desktopIconRoot(const std::string& versionTag) {
    if (versionTag == "95" || versionTag == "98" || versionTag == "ME" || versionTag == "NT")
        return {win::HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT", "CLSID\\"};
    return {win::HKEY_CURRENT_USER, "HKEY_CURRENT_USER", "Software\\Classes\\CLSID\\"};
}

DesktopIcons::DesktopIcons(sys::clsRegistry& registry, sys::CustomRegistry& values,
                           const std::string& versionTag)
    : registry_(registry), values_(values), root_(desktopIconRoot(versionTag)) {}

std::string DesktopIcons::objectKey(const char* clsid) const {
    return std::string(root_.classes) + clsid + "\\";
}

std::string DesktopIcons::iconKey(const char* clsid) const {
    return objectKey(clsid) + "DefaultIcon";
}

void DesktopIcons::createKey(const char* clsid) {
    note("RegCreateKeyExA", registry_.CreateKey(objectKey(clsid), "DefaultIcon", root_.root));
}

std::string DesktopIcons::get(const char* clsid, const std::string& valueName) {
    return values_.GetRegValue(std::string(root_.rootName) + "\\" + iconKey(clsid), valueName);
}

void DesktopIcons::set(const char* clsid, const std::string& valueName, const std::string& text) {
    note("RegSetValueExA",
         values_.WriteRegValue(std::string(root_.rootName) + "\\" + iconKey(clsid), valueName, text));
}

void DesktopIcons::note(const char* call, win::LONG status) {
    if (status != win::ERROR_SUCCESS && !failure_)
        failure_ = sys::windowsFailure(call, static_cast<win::DWORD>(status));
}

} // namespace appearance
