// What the theme-file check needs of the machine it runs on: the theme file's
// folder, the Windows, system and program-files folders, and the files there, read
// through the runtime (a path is only asked about once it passed the path check);
// and the converter of a Unicode theme file's text into the ANSI code page.
#pragma once

#include "themefile/ProfileText.h"
#include "themefile/ThemePaths.h"

#include <string>

namespace rt {
struct Platform;
}
namespace win {
class WindowsApi;
}

namespace themeapply {

class WindowsSurroundings : public themefile::Surroundings {
public:
    // themeFile: the theme file's full path.
    WindowsSurroundings(rt::Platform& platform, const std::string& themeFile);

    bool exists(const std::string& path) const override;
    std::string head(const std::string& path, std::size_t count) const override;

private:
    rt::Platform& platform_;
};

// WideCharToMultiByte into the ANSI code page (CP_ACP), then MultiByteToWideChar
// back: the bytes when the round trip gives the same text, nothing when a
// character had no exact byte (a best-fit letter or the default character).
themefile::ToAnsi ansiConverter(win::WindowsApi& api);

} // namespace themeapply
