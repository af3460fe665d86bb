#include "ScreenSaverInstall.h"

#include "ExternalResourceFile.h"

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/ui/WindowSystem.h"
#include "runtime/Error.h"
#include "runtime/TextConv.h"
#include "system/CustomRegistry.h"
#include "system/ShortPath.h"
#include "system/modWinVersion.h"

namespace screensaver {
namespace {

// A path that cannot even be looked at (a drive gone, a name Windows refuses)
// holds no file this tab could install.
bool fileExists(rt::Runtime& runtime, const std::string& path) {
    try {
        return !runtime.Dir(path).empty();
    } catch (const rt::Error&) {
        return false;
    }
}

void removeQuietly(rt::Runtime& runtime, const std::string& path) {
    try {
        if (fileExists(runtime, path))
            runtime.Kill(path);
    } catch (const rt::Error&) {
    }
}

// Switches the saver on, names it in system.ini and opens Display Properties on
// its Screen Saver page. Windows reports nothing back that would change what
// the user sees, so failures here are passed over.
void activate(rt::Platform& platform, const catalogue::Module1& module, const std::string& shortPath) {
    ToggleScreenSaverActive(platform.api, true);
    platform.api.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", shortPath.c_str(),
                                            systemIniFor(module.windowsVersion).c_str());
    try {
        platform.runtime.Shell(displayPropertiesScreenSaverPage, rt::ShowMinimizedFocus);
    } catch (const rt::Error&) {
    }
}

// The resource file's bytes, or nothing when it is missing or unreadable.
std::optional<std::string> readResourceFile(rt::Runtime& runtime, const std::string& path) {
    try {
        return runtime.readFile(path);
    } catch (const rt::Error&) {
        return std::nullopt;
    }
}

// Writes the program beside its final name first and only then puts it in
// place, with the installed saver set aside rather than deleted until the new
// one has its name: a write or rename that fails part way leaves the installed
// saver as it was rather than a cut program, or none, for Windows to run.
bool replaceFile(rt::Runtime& runtime, const std::string& path, const std::string& bytes) {
    const std::string stem = path.substr(0, path.size() - 4);
    const std::string partial = stem + ".TMP", previous = stem + ".OLD";
    bool setAside = false;
    try {
        runtime.writeFile(partial, bytes);
        removeQuietly(runtime, previous);
        if (fileExists(runtime, path)) {
            runtime.Name(path, previous);
            setAside = true;
        }
        runtime.Name(partial, path);
    } catch (const rt::Error&) {
        try {
            if (setAside)
                runtime.Name(previous, path);
        } catch (const rt::Error&) {
        }
        removeQuietly(runtime, partial);
        return false;
    }
    removeQuietly(runtime, previous);
    return true;
}

} // namespace

bool ToggleScreenSaverActive(win::WindowsApi& api, bool active) {
    return api.SystemParametersInfoA(win::SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr, 0) >= 1;
}

void showScreenSaverPreview(const catalogue::Module1& module, const std::string& displayName,
                            ui::PictureBox& preview) {
    try {
        preview.loadPicture(module.programFolder + "\\" + displayName + ".jpg");
    } catch (const rt::Error&) {
        preview.loadPicture(std::string());
    }
}

void InstallFromResourceFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex,
                             ui::Screen& screen) {
    // 1. The resource file and its directory; a file that is missing, is not a
    // resource file or has a damaged directory installs nothing.
    const std::optional<std::string> file =
        readResourceFile(platform.runtime, module.programFolder + "\\samples");
    const std::optional<std::vector<ResourceEntry>> directory =
        file ? readResourceDirectory(*file) : std::nullopt;
    if (!directory) {
        platform.messages.MsgBox(notAResourceFileMessage, rt::vbOKOnly, platform.runtime.appTitle());
        return;
    }

    // 2. The entry of the selected item, if the file has one.
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= directory->size())
        return;

    // 3. The entry becomes the program folder's screen-saver file.
    const std::string saverPath = extractedScreenSaverPath(module);
    if (!replaceFile(platform.runtime, saverPath, entryBytes(*file, (*directory)[listIndex])))
        return;

    // 4. Installed by its short path, under the hourglass.
    screen.setMousePointer(ui::vbHourglass);
    const std::optional<std::string> shortPath = sys::shortPathOf(platform.api, saverPath);
    if (shortPath && fileExists(platform.runtime, *shortPath))
        activate(platform, module, *shortPath);
    screen.setMousePointer(ui::vbDefault);
}

void InstallListedFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex, int itemData,
                       const std::string& minutesText, ui::Screen& screen) {
    screen.setMousePointer(ui::vbHourglass);
    if (listIndex != -1 && itemData >= 0 && itemData <= 100) {
        const std::optional<std::string> shortPath =
            sys::shortPathOf(platform.api, module.programFolder + "\\" + module.screenSaverList(itemData));
        if (shortPath && fileExists(platform.runtime, *shortPath)) {
            if (const std::optional<std::string> seconds = waitTimeSeconds(minutesText))
                sys::CustomRegistry(platform).SetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop",
                                                          "ScreenSaveTimeOut", *seconds);
            activate(platform, module, *shortPath);
        }
    }
    screen.setMousePointer(ui::vbDefault);
}

std::string extractedScreenSaverPath(const catalogue::Module1& module) {
    return module.programFolder + "\\" + std::string(1, '\xFF') + ".SCR";
}

std::string systemIniFor(const std::string& windowsVersion) {
    return sys::isNtFamily(windowsVersion) ? "C:\\WINNT\\system.ini" : "c:\\windows\\system.ini";
}

std::optional<std::string> waitTimeSeconds(const std::string& minutesText) {
    const double minutes = rt::Val(minutesText);
    if (!(minutes > 0 && minutes <= 60))
        return std::nullopt;
    return rt::CStr(minutes * 60);
}

} // namespace screensaver
