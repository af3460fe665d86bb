// The Windows headers as the native window system uses them: the ANSI functions,
// the Windows 95 / NT 4 level of the window manager and common controls, and the
// rich edit control. The project's portable Windows types and the window system
// interface come first, whichever file includes this one: windows.h turns names
// they declare (RGB, MB_OK, ...) into macros.
#pragma once

#include "platform/WinTypes.h"
#include "platform/ui/WindowSystem.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef STRICT
#define STRICT
#endif
#ifndef WINVER
#define WINVER 0x0400
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0400
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0400
#endif

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
