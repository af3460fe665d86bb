#include "utilities/RestoreGraphics.h"

#include "platform/Runtime.h"
#include "platform/ui/WindowSystem.h"
#include "runtime/ErrorTrap.h"
#include "system/modWinVersion.h"

#include <array>

namespace utilities {
namespace {

// The program's copies of one Windows version's pictures, relative to the
// program folder; an empty name is a picture that version does not get back.
struct PictureSet {
    const char* tag;
    const char* startupLogo;    // to c:\logo.sys
    const char* shutdownScreen; // to logos.sys in the Windows folder
    const char* finalScreen;    // to logow.sys in the Windows folder
};

constexpr std::array<PictureSet, 5> pictureSets{{
    {"95", "\\95logo.sys", "\\95logos.sys", "\\95logow.sys"},
    {"98", "\\98logo.sys", "\\98logos.sys", "\\98logow.sys"},
    {"ME", "", "\\meLogos.sys", ""},
    {"NT", "\\NTlogo.sys", "\\NTlogos.sys", "\\NTlogow.sys"},
    {"2000", "\\2000logo.sys", "\\2000logos.sys", "\\2000logow.sys"},
}};

const PictureSet* pictureSetFor(const std::string& windowsVersion) {
    for (const PictureSet& set : pictureSets) {
        if (windowsVersion == set.tag)
            return &set;
    }
    return nullptr;
}

} // namespace

void RestoreGraphics(rt::Runtime& runtime, ui::Screen& screen, const std::string& windowsVersion,
                     const std::string& programFolder) {
    rt::ErrorTrap onError(rt::skipMissingFiles);
    // The installed pictures are deleted under the names the restore has always
    // used for them, and put back in the family's Windows folder.
    const bool nt = sys::isNtFamily(windowsVersion);
    const std::string logos = nt ? "C:\\WINNT\\logos.sys" : "c:\\windows\\logos.sys";
    const std::string logow = nt ? "C:\\WINNT\\logow.sys" : "c:\\windows\\logow.sys";
    const std::string windowsFolder = sys::windowsFolderFor(windowsVersion);
    const PictureSet* set = pictureSetFor(windowsVersion);
    // A version without a set has nothing to copy back; its copy steps find no file.
    auto copyBack = [&](const char* source, const std::string& target) {
        if (set == nullptr || *source == '\0')
            return;
        runtime.FileCopy(programFolder + source, target);
    };

    // 1. The pictures there are now.
    onError([&] { runtime.Kill("c:\\logo.sys"); });
    onError([&] { runtime.Kill(logos); });
    onError([&] { runtime.Kill(logow); });

    // 2. The start-up logo (none on ME).
    onError([&] { copyBack(set ? set->startupLogo : "", "c:\\logo.sys"); });

    // 3. The shut-down screen.
    onError([&] { copyBack(set ? set->shutdownScreen : "", windowsFolder + "\\logos.sys"); });

    // 4. The final screen (none on ME).
    onError([&] { copyBack(set ? set->finalScreen : "", windowsFolder + "\\logow.sys"); });

    // 5. Default pointer, also when a step ended the restore.
    screen.setMousePointer(ui::vbDefault);
}

} // namespace utilities
