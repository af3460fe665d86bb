// The Windows numbers the program and its fake Windows share, each written once:
// SystemParametersInfoA actions and flags, GetSystemMetrics indices, system-colour
// indices and the system-cursor ids. The real backend checks every one against
// <windows.h> (src/platform/win32/WinFactsCheck.cpp), so a typo here fails the
// Windows build instead of changing the wrong setting.
#pragma once

#include "platform/WinTypes.h"

namespace win {

// SystemParametersInfoA actions.
constexpr UINT SPI_GETBEEP = 0x0001;
constexpr UINT SPI_SETBEEP = 0x0002;
constexpr UINT SPI_GETMOUSE = 0x0003;
constexpr UINT SPI_SETMOUSE = 0x0004;
constexpr UINT SPI_GETBORDER = 0x0005;
constexpr UINT SPI_SETBORDER = 0x0006;
constexpr UINT SPI_GETKEYBOARDSPEED = 0x000A;
constexpr UINT SPI_SETKEYBOARDSPEED = 0x000B;
constexpr UINT SPI_ICONHORIZONTALSPACING = 0x000D;
constexpr UINT SPI_GETSCREENSAVETIMEOUT = 0x000E;
constexpr UINT SPI_SETSCREENSAVETIMEOUT = 0x000F;
constexpr UINT SPI_GETSCREENSAVEACTIVE = 0x0010;
constexpr UINT SPI_SETSCREENSAVEACTIVE = 0x0011;
constexpr UINT SPI_GETGRIDGRANULARITY = 0x0012;
constexpr UINT SPI_SETGRIDGRANULARITY = 0x0013;
constexpr UINT SPI_SETDESKWALLPAPER = 0x0014;
constexpr UINT SPI_SETDESKPATTERN = 0x0015;
constexpr UINT SPI_GETKEYBOARDDELAY = 0x0016;
constexpr UINT SPI_SETKEYBOARDDELAY = 0x0017;
constexpr UINT SPI_ICONVERTICALSPACING = 0x0018;
constexpr UINT SPI_GETICONTITLEWRAP = 0x0019;
constexpr UINT SPI_SETICONTITLEWRAP = 0x001A;
constexpr UINT SPI_GETMENUDROPALIGNMENT = 0x001B;
constexpr UINT SPI_SETMENUDROPALIGNMENT = 0x001C;
constexpr UINT SPI_SETDOUBLECLKWIDTH = 0x001D;
constexpr UINT SPI_SETDOUBLECLKHEIGHT = 0x001E;
constexpr UINT SPI_GETICONTITLELOGFONT = 0x001F;
constexpr UINT SPI_SETDOUBLECLICKTIME = 0x0020;
constexpr UINT SPI_SETMOUSEBUTTONSWAP = 0x0021;
constexpr UINT SPI_SETICONTITLELOGFONT = 0x0022;
constexpr UINT SPI_SETDRAGFULLWINDOWS = 0x0025;
constexpr UINT SPI_GETDRAGFULLWINDOWS = 0x0026;
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
constexpr UINT SPI_SETNONCLIENTMETRICS = 0x002A;
constexpr UINT SPI_GETICONMETRICS = 0x002D;
constexpr UINT SPI_SETICONMETRICS = 0x002E;
constexpr UINT SPI_SETWORKAREA = 0x002F;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETFILTERKEYS = 0x0032;
constexpr UINT SPI_SETFILTERKEYS = 0x0033;
constexpr UINT SPI_GETTOGGLEKEYS = 0x0034;
constexpr UINT SPI_SETTOGGLEKEYS = 0x0035;
constexpr UINT SPI_GETMOUSEKEYS = 0x0036;
constexpr UINT SPI_SETMOUSEKEYS = 0x0037;
constexpr UINT SPI_GETSHOWSOUNDS = 0x0038;
constexpr UINT SPI_SETSHOWSOUNDS = 0x0039;
constexpr UINT SPI_GETSTICKYKEYS = 0x003A;
constexpr UINT SPI_SETSTICKYKEYS = 0x003B;
constexpr UINT SPI_GETACCESSTIMEOUT = 0x003C;
constexpr UINT SPI_SETACCESSTIMEOUT = 0x003D;
constexpr UINT SPI_GETSOUNDSENTRY = 0x0040;
constexpr UINT SPI_SETSOUNDSENTRY = 0x0041;
constexpr UINT SPI_GETHIGHCONTRAST = 0x0042;
constexpr UINT SPI_SETHIGHCONTRAST = 0x0043;
constexpr UINT SPI_GETANIMATION = 0x0048;
constexpr UINT SPI_SETANIMATION = 0x0049;
constexpr UINT SPI_GETFONTSMOOTHING = 0x004A;
constexpr UINT SPI_SETFONTSMOOTHING = 0x004B;
constexpr UINT SPI_SETDRAGWIDTH = 0x004C;
constexpr UINT SPI_SETDRAGHEIGHT = 0x004D;
constexpr UINT SPI_SETCURSORS = 0x0057;
constexpr UINT SPI_GETWINDOWSEXTENSION = 0x005C;
constexpr UINT SPI_SETMOUSETRAILS = 0x005D;
constexpr UINT SPI_GETMOUSETRAILS = 0x005E;
constexpr UINT SPI_GETSNAPTODEFBUTTON = 0x005F;
constexpr UINT SPI_SETSNAPTODEFBUTTON = 0x0060;
constexpr UINT SPI_SETSCREENSAVERRUNNING = 0x0061;
constexpr UINT SPI_GETMOUSEHOVERWIDTH = 0x0062;
constexpr UINT SPI_SETMOUSEHOVERWIDTH = 0x0063;
constexpr UINT SPI_GETMOUSEHOVERHEIGHT = 0x0064;
constexpr UINT SPI_SETMOUSEHOVERHEIGHT = 0x0065;
constexpr UINT SPI_GETMOUSEHOVERTIME = 0x0066;
constexpr UINT SPI_SETMOUSEHOVERTIME = 0x0067;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;
constexpr UINT SPI_SETWHEELSCROLLLINES = 0x0069;
constexpr UINT SPI_GETMENUSHOWDELAY = 0x006A;
constexpr UINT SPI_SETMENUSHOWDELAY = 0x006B;
constexpr UINT SPI_GETMOUSESPEED = 0x0070;
constexpr UINT SPI_SETMOUSESPEED = 0x0071;
constexpr UINT SPI_GETSCREENSAVERRUNNING = 0x0072;
constexpr UINT SPI_GETDESKWALLPAPER = 0x0073;
constexpr UINT SPI_GETACTIVEWINDOWTRACKING = 0x1000;
constexpr UINT SPI_SETACTIVEWINDOWTRACKING = 0x1001;
constexpr UINT SPI_GETMENUANIMATION = 0x1002;
constexpr UINT SPI_SETMENUANIMATION = 0x1003;
constexpr UINT SPI_GETCOMBOBOXANIMATION = 0x1004;
constexpr UINT SPI_SETCOMBOBOXANIMATION = 0x1005;
constexpr UINT SPI_GETLISTBOXSMOOTHSCROLLING = 0x1006;
constexpr UINT SPI_SETLISTBOXSMOOTHSCROLLING = 0x1007;
constexpr UINT SPI_GETGRADIENTCAPTIONS = 0x1008;
constexpr UINT SPI_SETGRADIENTCAPTIONS = 0x1009;
constexpr UINT SPI_GETKEYBOARDCUES = 0x100A;
constexpr UINT SPI_SETKEYBOARDCUES = 0x100B;
constexpr UINT SPI_GETACTIVEWNDTRKZORDER = 0x100C;
constexpr UINT SPI_SETACTIVEWNDTRKZORDER = 0x100D;
constexpr UINT SPI_GETHOTTRACKING = 0x100E;
constexpr UINT SPI_SETHOTTRACKING = 0x100F;
constexpr UINT SPI_GETMENUFADE = 0x1012;
constexpr UINT SPI_SETMENUFADE = 0x1013;
constexpr UINT SPI_GETSELECTIONFADE = 0x1014;
constexpr UINT SPI_SETSELECTIONFADE = 0x1015;
constexpr UINT SPI_GETTOOLTIPANIMATION = 0x1016;
constexpr UINT SPI_SETTOOLTIPANIMATION = 0x1017;
constexpr UINT SPI_GETTOOLTIPFADE = 0x1018;
constexpr UINT SPI_SETTOOLTIPFADE = 0x1019;
constexpr UINT SPI_GETCURSORSHADOW = 0x101A;
constexpr UINT SPI_SETCURSORSHADOW = 0x101B;
constexpr UINT SPI_GETUIEFFECTS = 0x103E;
constexpr UINT SPI_SETUIEFFECTS = 0x103F;
constexpr UINT SPI_GETFOREGROUNDLOCKTIMEOUT = 0x2000;
constexpr UINT SPI_SETFOREGROUNDLOCKTIMEOUT = 0x2001;
constexpr UINT SPI_GETACTIVEWNDTRKTIMEOUT = 0x2002;
constexpr UINT SPI_SETACTIVEWNDTRKTIMEOUT = 0x2003;
constexpr UINT SPI_GETFOREGROUNDFLASHCOUNT = 0x2004;
constexpr UINT SPI_SETFOREGROUNDFLASHCOUNT = 0x2005;
constexpr UINT SPI_GETCARETWIDTH = 0x2006;
constexpr UINT SPI_SETCARETWIDTH = 0x2007;

// SystemParametersInfoA's fWinIni.
constexpr UINT SPIF_UPDATEINIFILE = 0x0001;
constexpr UINT SPIF_SENDCHANGE = 0x0002;

// GetSystemMetrics indices.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXFIXEDFRAME = 7;
constexpr int SM_CYFIXEDFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYKANJIWINDOW = 18;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_DEBUG = 22;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXICONSPACING = 38;
constexpr int SM_CYICONSPACING = 39;
constexpr int SM_MENUDROPALIGNMENT = 40;
constexpr int SM_PENWINDOWS = 41;
constexpr int SM_DBCSENABLED = 42;
constexpr int SM_CMOUSEBUTTONS = 43;
constexpr int SM_SECURE = 44;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXMINSPACING = 47;
constexpr int SM_CYMINSPACING = 48;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_ARRANGE = 56;
constexpr int SM_CXMINIMIZED = 57;
constexpr int SM_CYMINIMIZED = 58;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_NETWORK = 63;
constexpr int SM_CLEANBOOT = 67;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_SHOWSOUNDS = 70;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_SLOWMACHINE = 73;
constexpr int SM_MIDEASTENABLED = 74;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_SAMEDISPLAYFORMAT = 81;
constexpr int SM_IMMENABLED = 82;
constexpr int SM_REMOTESESSION = 0x1000;

// GetSysColor / SetSysColors indices.
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
// 25 has no <windows.h> name (older headers call it COLOR_ALTERNATEBTNFACE).
constexpr int COLOR_ALTERNATEBTNFACE = 25;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_GRADIENTACTIVECAPTION = 27;
constexpr int COLOR_GRADIENTINACTIVECAPTION = 28;
constexpr int COLOR_MENUHILIGHT = 29;
constexpr int COLOR_MENUBAR = 30;

// SetSystemCursor ids.
constexpr DWORD OCR_NORMAL = 32512;
constexpr DWORD OCR_IBEAM = 32513;
constexpr DWORD OCR_WAIT = 32514;
constexpr DWORD OCR_CROSS = 32515;
constexpr DWORD OCR_UP = 32516;
constexpr DWORD OCR_SIZENWSE = 32642;
constexpr DWORD OCR_SIZENESW = 32643;
constexpr DWORD OCR_SIZEWE = 32644;
constexpr DWORD OCR_SIZENS = 32645;
constexpr DWORD OCR_SIZEALL = 32646;
constexpr DWORD OCR_NO = 32648;
constexpr DWORD OCR_HAND = 32649;
constexpr DWORD OCR_APPSTARTING = 32650;

// GetDeviceCaps indices.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// The utility services: ExitWindowsEx, FlashWindowEx, frame drawing, ShowWindow,
// special folders and the internet connection.
// ExitWindowsEx flags.
constexpr UINT EWX_LOGOFF = 0;
constexpr UINT EWX_SHUTDOWN = 1;
constexpr UINT EWX_REBOOT = 2;
constexpr UINT EWX_FORCE = 4;

// FlashWindowEx flags: caption and taskbar button until stopped, or stop.
constexpr DWORD FLASHW_STOP = 0;
constexpr DWORD FLASHW_ALL = 3;
constexpr DWORD FLASHW_TIMER = 4;

// Frames: a push button (DrawFrameControl), an etched edge on all four sides (DrawEdge).
constexpr UINT DFC_BUTTON = 4;
constexpr UINT DFCS_BUTTONPUSH = 0x10;
constexpr UINT EDGE_ETCHED = 6;
constexpr UINT BF_RECT = 15;

constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_MINIMIZE = 6;
constexpr int CSIDL_DESKTOPDIRECTORY = 0x10;
// The user's application-data folder (shell32 4.71, Internet Explorer 4, on: Windows 95
// and NT 4 without it have none).
constexpr int CSIDL_APPDATA = 0x1A;
// The system's ANSI code page, for WideCharToMultiByte and MultiByteToWideChar.
constexpr UINT CP_ACP = 0;
constexpr DWORD INTERNET_OPEN_TYPE_DIRECT = 1;
constexpr DWORD INTERNET_FLAG_RELOAD = 0x80000000u;

// The predefined registry roots by the names Windows gives them, as the program
// reads them in key paths and the fake writes them in its call log.
struct RootKey {
    HKEY key;
    const char* name;
};
inline constexpr RootKey rootKeys[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
};
} // namespace win
