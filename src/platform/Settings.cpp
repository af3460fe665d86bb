#include "platform/Settings.h"

#include <iterator>
#include <stdexcept>
#include <string>

namespace win {
namespace {

// The sizes Windows 95 to 2000 expect in cbSize and uiParam; the structures that
// hold a text pointer (HIGHCONTRASTA, SOUNDSENTRYA) differ between 32 and 64 bits.
static_assert(sizeof(NONCLIENTMETRICSA) == 340 && sizeof(ICONMETRICSA) == 76 && sizeof(LOGFONTA) == 60);
static_assert(sizeof(ANIMATIONINFO) == 8 && sizeof(FILTERKEYS) == 24 && sizeof(STICKYKEYS) == 8);
static_assert(sizeof(TOGGLEKEYS) == 8 && sizeof(MOUSEKEYS) == 28 && sizeof(ACCESSTIMEOUT) == 12);
static_assert(sizeof(RECT) == 16);

constexpr bool Bool = true;
constexpr bool Int = false;
constexpr int NoMetric = -1;
constexpr bool CbSize = true;
constexpr bool NoCbSize = false;

// A number: no structure behind it, written with UpdateAndBroadcast.
constexpr Setting number(const char* getName, const char* setName, UINT get, UINT set, Transport transport,
                         bool boolean, int metric, VersionGate gate, std::int64_t initial) {
    Setting row{};
    row.name = get ? getName : setName;
    row.get = get;
    row.set = set;
    row.transport = transport;
    row.boolean = boolean;
    row.metric = metric;
    row.fWinIni = UpdateAndBroadcast;
    row.gate = gate;
    row.initial = initial;
    return row;
}

// A structure at pvParam, written with UpdateAndBroadcast.
constexpr Setting structure(const char* name, UINT get, UINT set, std::size_t size, bool hasCbSize,
                            std::size_t textAt, VersionGate gate) {
    Setting row{};
    row.name = name;
    row.get = get;
    row.set = set;
    row.transport = Transport::Structure;
    row.size = size;
    row.hasCbSize = hasCbSize;
    row.textAt = textAt;
    row.metric = -1;
    row.fWinIni = UpdateAndBroadcast;
    row.gate = gate;
    return row;
}

// A row is named after its get action (its set action when it has no get).
#define NUMBER(get, set, transport, boolean, metric, gate, initial)                                          \
    number(#get, #set, get, set, Transport::transport, boolean, metric, VersionGate::gate, initial)
#define STRUCTURE(get, set, size, cbSize, textAt, gate)                                                      \
    structure(#get, get, set, size, cbSize, textAt, VersionGate::gate)

// Initial numbers are those of a classic desktop at 1024 x 768; a structure's
// initial bytes are the fake's own.
// clang-format off
const Setting rows[] = {
    // Numbers:  get, set, transport, Windows keeps it as a Boolean, the metric behind it, gate, initial.
    // Menu drop alignment and active-window tracking are Booleans Windows keeps as
    // handed over: -1 reads back as -1.
    NUMBER(SPI_GETBEEP,                   SPI_SETBEEP,                   UiParam,        Bool, NoMetric,             None,      1),
    NUMBER(SPI_GETBORDER,                 SPI_SETBORDER,                 UiParam,        Int,  NoMetric,             None,      1),
    NUMBER(SPI_GETKEYBOARDSPEED,          SPI_SETKEYBOARDSPEED,          UiParamScratch, Int,  NoMetric,             None,      31),
    NUMBER(SPI_ICONHORIZONTALSPACING,     SPI_ICONHORIZONTALSPACING,     IconSpacing,    Int,  SM_CXICONSPACING,     None,      0),
    NUMBER(SPI_GETSCREENSAVETIMEOUT,      SPI_SETSCREENSAVETIMEOUT,      UiParam,        Int,  NoMetric,             None,      900),
    NUMBER(SPI_GETSCREENSAVEACTIVE,       SPI_SETSCREENSAVEACTIVE,       UiParam,        Bool, NoMetric,             None,      1),
    NUMBER(SPI_GETGRIDGRANULARITY,        SPI_SETGRIDGRANULARITY,        UiParamScratch, Int,  NoMetric,             None,      0),
    NUMBER(SPI_GETDESKWALLPAPER,          SPI_SETDESKWALLPAPER,          Text,           Int,  NoMetric,             Win2000,   0),
    // The program clears the pattern without storing or announcing it.
    {"SPI_SETDESKPATTERN", 0, SPI_SETDESKPATTERN, Transport::Text, 0, false, 0, false, -1, NoUpdate, VersionGate::None, 0},
    NUMBER(SPI_GETKEYBOARDDELAY,          SPI_SETKEYBOARDDELAY,          UiParamScratch, Int,  NoMetric,             None,      1),
    NUMBER(SPI_ICONVERTICALSPACING,       SPI_ICONVERTICALSPACING,       IconSpacing,    Int,  SM_CYICONSPACING,     None,      0),
    NUMBER(SPI_GETICONTITLEWRAP,          SPI_SETICONTITLEWRAP,          UiParamScratch, Bool, NoMetric,             None,      1),
    NUMBER(SPI_GETMENUDROPALIGNMENT,      SPI_SETMENUDROPALIGNMENT,      UiParamScratch, Int,  SM_MENUDROPALIGNMENT, None,      0),
    NUMBER(0,                             SPI_SETDOUBLECLKWIDTH,         UiParam,        Int,  SM_CXDOUBLECLK,       None,      0),
    NUMBER(0,                             SPI_SETDOUBLECLKHEIGHT,        UiParam,        Int,  SM_CYDOUBLECLK,       None,      0),
    NUMBER(0,                             SPI_SETDOUBLECLICKTIME,        UiParam,        Int,  NoMetric,             None,      500),
    NUMBER(0,                             SPI_SETMOUSEBUTTONSWAP,        UiParam,        Bool, SM_SWAPBUTTON,        None,      0),
    NUMBER(SPI_GETDRAGFULLWINDOWS,        SPI_SETDRAGFULLWINDOWS,        UiParamScratch, Bool, NoMetric,             None,      1),
    NUMBER(SPI_GETSHOWSOUNDS,             SPI_SETSHOWSOUNDS,             UiParamScratch, Bool, SM_SHOWSOUNDS,        None,      0),
    NUMBER(SPI_GETFONTSMOOTHING,          SPI_SETFONTSMOOTHING,          UiParam,        Bool, NoMetric,             None,      0),
    NUMBER(0,                             SPI_SETDRAGWIDTH,              UiParam,        Int,  SM_CXDRAG,            None,      0),
    NUMBER(0,                             SPI_SETDRAGHEIGHT,             UiParam,        Int,  SM_CYDRAG,            None,      0),
    NUMBER(SPI_GETWINDOWSEXTENSION,       0,                             Returned,       Bool, NoMetric,             None,      0),
    NUMBER(SPI_GETMOUSETRAILS,            SPI_SETMOUSETRAILS,            UiParamScratch, Int,  NoMetric,             Win9x,     0),
    NUMBER(SPI_GETSNAPTODEFBUTTON,        SPI_SETSNAPTODEFBUTTON,        UiParamScratch, Bool, NoMetric,             Win98OrNT, 0),
    NUMBER(SPI_GETSCREENSAVERRUNNING,     SPI_SETSCREENSAVERRUNNING,     UiParam,        Bool, NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETMOUSEHOVERWIDTH,        SPI_SETMOUSEHOVERWIDTH,        UiParamScratch, Int,  NoMetric,             Win98OrNT, 4),
    NUMBER(SPI_GETMOUSEHOVERHEIGHT,       SPI_SETMOUSEHOVERHEIGHT,       UiParamScratch, Int,  NoMetric,             Win98OrNT, 4),
    NUMBER(SPI_GETMOUSEHOVERTIME,         SPI_SETMOUSEHOVERTIME,         UiParamScratch, Int,  NoMetric,             NotWin95,  400),
    NUMBER(SPI_GETWHEELSCROLLLINES,       SPI_SETWHEELSCROLLLINES,       UiParamScratch, Int,  NoMetric,             Win98OrNT, 3),
    // The menu delay is changed for this session only: neither stored nor announced.
    {"SPI_GETMENUSHOWDELAY", SPI_GETMENUSHOWDELAY, SPI_SETMENUSHOWDELAY, Transport::UiParamScratch, 0, false, 0, false, -1, NoUpdate, VersionGate::None, 400},
    NUMBER(SPI_GETMOUSESPEED,             SPI_SETMOUSESPEED,             PvValue,        Int,  NoMetric,             None,      10),
    NUMBER(SPI_GETACTIVEWINDOWTRACKING,   SPI_SETACTIVEWINDOWTRACKING,   PvValue,        Int,  NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETMENUANIMATION,          SPI_SETMENUANIMATION,          PvValue,        Bool, NoMetric,             WinLevel5, 1),
    NUMBER(SPI_GETCOMBOBOXANIMATION,      SPI_SETCOMBOBOXANIMATION,      PvValue,        Bool, NoMetric,             WinLevel5, 1),
    NUMBER(SPI_GETLISTBOXSMOOTHSCROLLING, SPI_SETLISTBOXSMOOTHSCROLLING, PvValue,        Bool, NoMetric,             WinLevel5, 1),
    NUMBER(SPI_GETGRADIENTCAPTIONS,       SPI_SETGRADIENTCAPTIONS,       PvValue,        Bool, NoMetric,             WinLevel5, 1),
    NUMBER(SPI_GETKEYBOARDCUES,           SPI_SETKEYBOARDCUES,           PvValue,        Bool, NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETACTIVEWNDTRKZORDER,     SPI_SETACTIVEWNDTRKZORDER,     PvValue,        Bool, NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETHOTTRACKING,            SPI_SETHOTTRACKING,            PvValue,        Bool, NoMetric,             WinLevel5, 1),
    NUMBER(SPI_GETMENUFADE,               SPI_SETMENUFADE,               PvValue,        Bool, NoMetric,             Win2000,   0),
    NUMBER(SPI_GETSELECTIONFADE,          SPI_SETSELECTIONFADE,          PvValue,        Bool, NoMetric,             Win2000,   1),
    NUMBER(SPI_GETTOOLTIPANIMATION,       SPI_SETTOOLTIPANIMATION,       PvValue,        Bool, NoMetric,             Win2000,   1),
    NUMBER(SPI_GETTOOLTIPFADE,            SPI_SETTOOLTIPFADE,            PvValue,        Bool, NoMetric,             Win2000,   1),
    NUMBER(SPI_GETCURSORSHADOW,           SPI_SETCURSORSHADOW,           PvValue,        Bool, NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETUIEFFECTS,              SPI_SETUIEFFECTS,              PvValue,        Bool, NoMetric,             Win2000,   1),
    NUMBER(SPI_GETFOREGROUNDLOCKTIMEOUT,  SPI_SETFOREGROUNDLOCKTIMEOUT,  PvValue,        Int,  NoMetric,             WinLevel5, 200000),
    NUMBER(SPI_GETACTIVEWNDTRKTIMEOUT,    SPI_SETACTIVEWNDTRKTIMEOUT,    PvValue,        Int,  NoMetric,             WinLevel5, 0),
    NUMBER(SPI_GETFOREGROUNDFLASHCOUNT,   SPI_SETFOREGROUNDFLASHCOUNT,   PvValue,        Int,  NoMetric,             WinLevel5, 3),
    NUMBER(SPI_GETCARETWIDTH,             SPI_SETCARETWIDTH,             PvValue,        Int,  NoMetric,             WinLevel5, 1),

    // Structures: get, set, size, whether cbSize leads, where a text pointer sits, gate.
    STRUCTURE(SPI_GETMOUSE,            SPI_SETMOUSE,            3 * sizeof(int),                NoCbSize, 0,                                                 None),
    STRUCTURE(SPI_GETICONTITLELOGFONT, SPI_SETICONTITLELOGFONT, sizeof(win::LOGFONTA),          NoCbSize, 0,                                                 None),
    STRUCTURE(SPI_GETNONCLIENTMETRICS, SPI_SETNONCLIENTMETRICS, sizeof(win::NONCLIENTMETRICSA), CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETICONMETRICS,      SPI_SETICONMETRICS,      sizeof(win::ICONMETRICSA),      CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETWORKAREA,         SPI_SETWORKAREA,         sizeof(win::RECT),              NoCbSize, 0,                                                 None),
    STRUCTURE(SPI_GETFILTERKEYS,       SPI_SETFILTERKEYS,       sizeof(win::FILTERKEYS),        CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETTOGGLEKEYS,       SPI_SETTOGGLEKEYS,       sizeof(win::TOGGLEKEYS),        CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETMOUSEKEYS,        SPI_SETMOUSEKEYS,        sizeof(win::MOUSEKEYS),         CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETSTICKYKEYS,       SPI_SETSTICKYKEYS,       sizeof(win::STICKYKEYS),        CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETACCESSTIMEOUT,    SPI_SETACCESSTIMEOUT,    sizeof(win::ACCESSTIMEOUT),     CbSize,   0,                                                 None),
    STRUCTURE(SPI_GETSOUNDSENTRY,      SPI_SETSOUNDSENTRY,      sizeof(win::SOUNDSENTRYA),      CbSize,   offsetof(win::SOUNDSENTRYA, lpszWindowsEffectDLL), None),
    STRUCTURE(SPI_GETHIGHCONTRAST,     SPI_SETHIGHCONTRAST,     sizeof(win::HIGHCONTRASTA),     CbSize,   offsetof(win::HIGHCONTRASTA, lpszDefaultScheme),   None),
    STRUCTURE(SPI_GETANIMATION,        SPI_SETANIMATION,        sizeof(win::ANIMATIONINFO),     CbSize,   0,                                                 None),
};
// clang-format on

#undef NUMBER
#undef STRUCTURE

} // namespace

const Setting* settingsBegin() {
    return std::begin(rows);
}

const Setting* settingsEnd() {
    return std::end(rows);
}

const Setting* findSetting(UINT action) {
    if (action == 0)
        return nullptr;
    for (const Setting& row : rows) {
        if (row.get == action || row.set == action)
            return &row;
    }
    return nullptr;
}

const Setting& setting(UINT action) {
    const Setting* row = findSetting(action);
    if (!row)
        throw std::logic_error("no settings row for action " + std::to_string(action));
    return *row;
}

} // namespace win
