// The Screen Saver tab's installs.
//
// Error rule of both installs: a file service that fails is passed over where
// it fails (a file that cannot be looked at counts as missing, one that cannot
// be deleted stays, Display Properties that do not start are not reported), and
// Windows' answers are not checked. Two things alone end an install early: a
// resource file that cannot be read or is none, which is reported, and a
// program that cannot be put in place whole, which is undone. The default
// pointer comes back however an install under the hourglass ends.
#include "ScreenSaverInstall.h"

#include "ExternalResourceFile.h"

#include "catalogue/Module1.h"
#include "platform/Platform.h"
#include "platform/WinFacts.h"
#include "platform/ui/BusyPointer.h"
#include "runtime/ErrorTrap.h"
#include "runtime/TextConv.h"
#include "system/CustomRegistry.h"
#include "system/SettingCalls.h"
#include "system/ShortPath.h"
#include "system/modWinVersion.h"

namespace screensaver {
namespace {

// A path that cannot even be looked at (a drive gone, a name Windows refuses)
// holds no file this tab could install.
bool fileExists(rt::Runtime& runtime, const std::string& path) {
    bool found = false;
    rt::attempt([&] { found = !runtime.Dir(path).empty(); });
    return found;
}

// A file that is there goes; one that cannot be looked at or deleted stays.
void removeQuietly(rt::Runtime& runtime, const std::string& path) {
    rt::attempt([&] {
        if (fileExists(runtime, path))
            runtime.Kill(path);
    });
}

// Switches the saver on, names it in system.ini and opens Display Properties on
// its Screen Saver page. Windows reports nothing back that would change what
// the user sees, so failures here are passed over.
void activate(rt::Platform& platform, const catalogue::Module1& module, const std::string& shortPath) {
    ToggleScreenSaverActive(platform.api, true);
    platform.api.WritePrivateProfileStringA("boot", "SCRNSAVE.EXE", shortPath.c_str(),
                                            systemIniFor(module.windowsVersion).c_str());
    rt::attempt([&] { platform.runtime.Shell(displayPropertiesScreenSaverPage, rt::ShowMinimizedFocus); });
}

// Writes the program beside its final name first and only then puts it in
// place, with the installed saver set aside rather than deleted until the new
// one has its name: a write or rename that fails part way leaves the installed
// saver as it was rather than a cut program, or none, for Windows to run.
//
// Error rule: an error in steps 1 to 4 ends the replacement there, and steps 5
// and 6 undo what was done, each passing over its own errors.
bool replaceFile(rt::Runtime& runtime, const std::string& path, const std::string& bytes) {
    const std::string stem = path.substr(0, path.size() - 4);
    const std::string partial = stem + ".TMP", previous = stem + ".OLD";
    rt::ErrorTrap onError(rt::endAtAnyError);
    bool setAside = false;

    // 1. The new program beside its final name.
    onError([&] { runtime.writeFile(partial, bytes); });

    // 2. No copy of an earlier replacement in the way.
    onError([&] { removeQuietly(runtime, previous); });

    // 3. The installed saver set aside.
    onError([&] {
        if (fileExists(runtime, path)) {
            runtime.Name(path, previous);
            setAside = true;
        }
    });

    // 4. The new program under its name.
    onError([&] { runtime.Name(partial, path); });

    if (onError.ended()) {
        // 5. The installed saver back under its name.
        if (setAside)
            rt::attempt([&] { runtime.Name(previous, path); });
        // 6. No part-written program left beside it.
        removeQuietly(runtime, partial);
        return false;
    }

    // 7. The set-aside saver goes.
    removeQuietly(runtime, previous);
    return true;
}

} // namespace

bool ToggleScreenSaverActive(win::WindowsApi& api, bool active) {
    return api.SystemParametersInfoA(win::SPI_SETSCREENSAVEACTIVE, active ? 1 : 0, nullptr, 0) >= 1;
}

void showScreenSaverPreview(const catalogue::Module1& module, const std::string& displayName,
                            ui::PictureBox& preview) {
    if (!rt::attempt([&] { preview.loadPicture(module.programFolder + "\\" + displayName + ".jpg"); }))
        preview.loadPicture(std::string());
}

void InstallFromResourceFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex,
                             ui::Screen& screen) {
    // 1. The resource file and its directory; a file that is missing or
    // unreadable, is not a resource file or has a damaged directory installs nothing.
    std::optional<std::string> file;
    rt::attempt([&] { file = platform.runtime.readFile(module.programFolder + "\\samples"); });
    const std::optional<std::vector<ResourceEntry>> directory =
        file ? readResourceDirectory(*file) : std::nullopt;
    if (!directory) {
        platform.messages.MsgBox(notAResourceFileMessage, rt::vbOKOnly, platform.runtime.appTitle());
        return;
    }

    // 2. The entry of the selected item, if the file has one.
    if (listIndex < 0 || static_cast<std::size_t>(listIndex) >= directory->size())
        return;

    // 3. The entry becomes the program folder's screen-saver file, whole or not at all.
    const std::string saverPath = extractedScreenSaverPath(module);
    if (!replaceFile(platform.runtime, saverPath, entryBytes(*file, (*directory)[listIndex])))
        return;

    // 4. Installed by its short path, under the hourglass.
    const ui::BusyPointer busy(screen);
    const std::optional<std::string> shortPath = sys::shortPathOf(platform.api, saverPath);
    if (shortPath && fileExists(platform.runtime, *shortPath))
        activate(platform, module, *shortPath);
}

void InstallListedFile(rt::Platform& platform, const catalogue::Module1& module, int listIndex, int itemData,
                       const std::string& minutesText, ui::Screen& screen) {
    // 1. The hourglass until the install ends.
    const ui::BusyPointer busy(screen);

    // 2. A selected item that names an entry of the list.
    if (listIndex == -1 || itemData < 0 || itemData > 100)
        return;

    // 3. The listed file by its short path, when it is there.
    const std::optional<std::string> shortPath =
        sys::shortPathOf(platform.api, module.programFolder + "\\" + module.screenSaverList(itemData));
    if (!shortPath || !fileExists(platform.runtime, *shortPath))
        return;

    // 4. The wait time, when the minutes box gives one: stored for the next
    // log-on, and Windows' live wait too, which Windows would otherwise keep
    // until then and which Display Properties shows and writes back on OK.
    if (const std::optional<std::int32_t> seconds = waitTimeSeconds(minutesText)) {
        sys::CustomRegistry(platform).SetRegValue("HKEY_CURRENT_USER\\Control Panel\\Desktop",
                                                  "ScreenSaveTimeOut", std::to_string(*seconds));
        sys::writeSetting(platform.api, win::SPI_SETSCREENSAVETIMEOUT, *seconds);
    }

    // 5. Installed.
    activate(platform, module, *shortPath);
}

std::string extractedScreenSaverPath(const catalogue::Module1& module) {
    return module.programFolder + "\\" + std::string(1, '\xFF') + ".SCR";
}

std::string systemIniFor(const std::string& windowsVersion) {
    return sys::isNtFamily(windowsVersion) ? "C:\\WINNT\\system.ini" : "c:\\windows\\system.ini";
}

// Windows reads the stored wait up to its first character that is not a digit
// ("79.8" waits 79 seconds; Wine's sysparams.c reads it with wcstol), so only
// whole seconds are handed over.
std::optional<std::int32_t> waitTimeSeconds(const std::string& minutesText) {
    const double minutes = rt::Val(minutesText);
    if (!(minutes > 0 && minutes <= 60))
        return std::nullopt;
    const std::int32_t seconds = rt::CLng(minutes * 60);
    if (seconds <= 0)
        return std::nullopt;
    return seconds;
}

} // namespace screensaver
