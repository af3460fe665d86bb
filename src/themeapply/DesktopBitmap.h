// The wallpaper of a theme file as the desktop can draw it. The desktops of
// Windows 95 to 2000 without Active Desktop, and Wine's, draw only BMP files, so a
// JPEG, GIF or PNG picture is converted, once per apply, into a 24-bit BMP of the
// same name in the user's application-data folder ("<Application Data>\Decorama"),
// or in the program folder where Windows has none (Windows 95 and NT 4 without
// Internet Explorer 4's shell).
#pragma once

#include <string>

namespace rt {
struct Platform;
}

namespace themeapply {

// The file to hand SPI_SETDESKWALLPAPER: the picture itself when it is a BMP, the
// converted copy otherwise. Throws rt::Error 481 for a picture it cannot decode,
// and the runtime's errors for one it cannot read or a copy it cannot write.
std::string desktopBitmapFor(rt::Platform& platform, const std::string& picture);

// The user's folder of this program's files: "<Application Data>\Decorama", made when
// missing, or the program folder where Windows has none or it cannot be made.
std::string userDataFolder(rt::Platform& platform);

// A 24-bit bottom-up BMP of top-down RGBA rows.
std::string bmpFile(int width, int height, const unsigned char* rgba);

} // namespace themeapply
