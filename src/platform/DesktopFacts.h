// The Windows names of the desktop's appearance settings, each written once:
// the registry value of every system colour and every pointer, and the shell
// objects whose desktop icons a theme changes. Theme files use the same names,
// since their sections mirror the keys under HKEY_CURRENT_USER.
#pragma once

#include "platform/WinFacts.h"

#include <array>

namespace win {

// Value names of the 29 system colours under HKEY_CURRENT_USER\Control Panel\Colors,
// by colour index: each the name Windows reads the colour from at log-on. Colour 9
// (COLOR_CAPTIONTEXT) is "TitleText", colour 25 "ButtonAlternateFace".
constexpr std::array<const char*, COLOR_GRADIENTINACTIVECAPTION + 1> colorValueNames{
    "Scrollbar",
    "Background",
    "ActiveTitle",
    "InactiveTitle",
    "Menu",
    "Window",
    "WindowFrame",
    "MenuText",
    "WindowText",
    "TitleText",
    "ActiveBorder",
    "InactiveBorder",
    "AppWorkspace",
    "Hilight",
    "HilightText",
    "ButtonFace",
    "ButtonShadow",
    "GrayText",
    "ButtonText",
    "InactiveTitleText",
    "ButtonHilight",
    "ButtonDkShadow",
    "ButtonLight",
    "InfoText",
    "InfoWindow",
    "ButtonAlternateFace",
    "HotTrackingColor",
    "GradientActiveTitle",
    "GradientInactiveTitle",
};

// Value names of the pointers under HKEY_CURRENT_USER\Control Panel\Cursors; the
// key's default value holds the name of the pointer scheme.
constexpr std::array<const char*, 15> cursorValueNames{
    "AppStarting", "Arrow",    "Crosshair", "Hand",     "Help",   "IBeam",   "No",   "NWPen",
    "SizeAll",     "SizeNESW", "SizeNS",    "SizeNWSE", "SizeWE", "UpArrow", "Wait",
};

// The desktop objects of the Windows 95 to 2000 shell whose icons sit under
// HKEY_CLASSES_ROOT\CLSID\{clsid}\DefaultIcon: the default value, and for the
// Recycle Bin also "full" and "empty".
struct DesktopObject {
    const char* name;
    const char* clsid;
};
constexpr std::array<DesktopObject, 4> desktopObjects{{
    {"My Computer", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"},
    {"My Documents", "{450D8FBA-AD25-11D0-98A8-0800361B1103}"},
    {"Network Neighborhood", "{208D2C60-3AEA-1069-A2D7-08002B30309D}"},
    {"Recycle Bin", "{645FF040-5081-101B-9F08-00AA002F954E}"},
}};

} // namespace win
