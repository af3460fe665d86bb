#!/usr/bin/env bash
# decocmd.exe under Wine, on Windows 98 and on Windows 2000, each in a fresh prefix:
#   1. "decocmd apply Jungle": a theme file in the program's Themes folder, over the
#      program's own pointers, icons and sound and a JPEG wallpaper. The registry
#      values, the live colours (GetSysColor, printed by the syscolors stand-in)
#      and the wallpaper, converted to a BMP, must be the theme's; the desktop
#      icons must be where the version reads them (HKEY_CLASSES_ROOT on 98, the
#      user's classes on 2000).
#   2. "decocmd apply <catalogue theme> /only colors": the colours change, live and
#      in the registry, and nothing else of the registry does (exports compared).
#   3. "decocmd apply <catalogue theme>" whole: its colours, pointers, desktop icon and
#      short start-up sound in the registry, its pictures copied to c:\, the Windows
#      folder (C:\WINNT on 2000) and its web folder. Then "decocmd restore previous":
#      the registry exports, the live Window colour and c:\logo.sys (not there before)
#      as they were; "decocmd list" shows the kept snapshots.
set -u
. "$(dirname "$0")/../wine/e2e-harness.sh"
e2e_begin e2e-decocmd "$@"
syscolors="$build/tests/wine/standins/syscolors.exe"
e2e_need "$program/decocmd.exe" "$syscolors"
computer='{20D04FE0-3AEA-1069-A2D8-08002B30309D}'
# The last catalogue theme and its Window colour (index 5), as colors.txt gives it.
last_theme=$(tr -d '\r' <"$program/themes.txt" | grep . | tail -n 1)
theme_name=$(echo "$last_theme" | cut -d, -f2)
theme_row=$(echo "$last_theme" | awk -F, '{print $6}' | tr -d ' "')
window_rgb=$(tr -d '\r' <"$program/colors.txt" | awk -F, -v r="$theme_row" '$1+0 == r && $2+0 == 5 {print $3+0, $4+0, $5+0}')
# The third field of the theme's first-slot record of a list file, trimmed.
slot_one() { tr -d '\r"' <"$program/$1" | awk -F' *, *' -v r="$theme_row" '$1+0 == r && $2+0 == 1 {print $3; exit}'; }
arrow_file=$(slot_one cursors.txt) computer_icon=$(slot_one icons.txt)
short_audio=$(tr -d '\r' <"$program/shortAudio.txt" | awk -F, -v r="$theme_row" '$1+0 == r {print $2; exit}')

# decocmd in the prefix; its output, without CRs, in $out/$run-NAME.log.
decocmd() { # NAME ARGS...
    local log="$out/$run-$1.log"
    shift
    wine_run "$prefix" "$log" 120 "$install/decocmd.exe" "$@"
    local status=$?
    tr -d '\r' <"$log" >"$log.txt"
    return "$status"
}
# The live colour of an index, "R G B".
live_colour() { # INDEX
    wine_run "$prefix" "$out/$run-syscolors.log" 60 "$syscolors"
    tr -d '\r' <"$out/$run-syscolors.log" | awk -v i="$1" '$1 == i {print $2, $3, $4}'
}
# Every value the applies could touch, exported in one Wine session.
snapshot() { # FILE
    rm -f "$prefix"/drive_c/{cp,ae,uc,mc}.reg
    printf '%s\r\n' 'reg export "HKCU\Control Panel" C:\cp.reg /y' 'reg export HKCU\AppEvents C:\ae.reg /y' \
        'reg export HKCU\Software\Classes C:\uc.reg /y' "reg export HKCR\\CLSID\\$computer C:\\mc.reg /y" \
        >"$prefix/drive_c/snapshot.bat"
    _wine_in "$prefix" timeout 120 "$WINE64" cmd /c 'C:\snapshot.bat' >"$prefix/export.log" 2>&1 </dev/null
    cat "$prefix"/drive_c/{cp,ae,uc,mc}.reg 2>/dev/null | iconv -f UTF-16LE -t UTF-8 | tr -d '\r' >"$1"
    [ -s "$prefix/drive_c/cp.reg" ] || fail "the registry could not be exported: $(tr -d '\r' <"$prefix/export.log")"
}

jungle_theme() { # the theme file, over files of the program folder
    local folder='C:\Program Files\Decorama'
    cat <<THEME
[Control Panel\\Colors]
Window=250 240 200
ActiveTitle=0 128 0
Hilight=128 0 64

[Control Panel\\Cursors]
DefaultValue=Jungle
Arrow=$folder\\Copper Arrow.cur
Wait=$folder\\Copper Busy.ani

[CLSID\\$computer\\DefaultIcon]
DefaultValue=$folder\\Copper Computer.ico

[Control Panel\\Desktop]
Wallpaper=%ThemeDir%Jungle Wallpaper.jpg
TileWallpaper=0
WallpaperStyle=2

[AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.Current]
DefaultValue=$folder\\Zuve Zivi ziz Odida.wav
THEME
}

run_version() { # VERSION ICON_KEY WINDOWS_FOLDER
    local version=$1 icon_key=$2 windir=$3 got
    run=$version
    e2e_install "$version" "$run" || return
    xvfb_start || { fail "no screen"; return; }
    # One wineserver for the whole run: the live colours are its, and would go with it.
    _wine_in "$prefix" "$WINESERVER64" -p >/dev/null 2>&1 </dev/null
    mkdir -p "$install/Themes"
    jungle_theme | sed 's/$/\r/' >"$install/Themes/Jungle.theme"
    convert "$program/Copper Canyon 1024x768.bmp" -quality 85 "$install/Themes/Jungle Wallpaper.jpg"

    # ---- 1. The theme file ------------------------------------------------------------------
    decocmd apply-jungle apply Jungle || fail "decocmd apply Jungle ended with $?: $(cat "$out/$run-apply-jungle.log.txt")"
    grep -qx 'colors: applied' "$out/$run-apply-jungle.log.txt" || fail "colours not applied"
    expect_reg 'HKCU\Control Panel\Colors' Window "250 240 200"
    [ "$(live_colour 5)" = "250 240 200" ] || fail "the live Window colour is '$(live_colour 5)'"
    expect_reg 'HKCU\Control Panel\Cursors' Arrow 'C:\Program Files\Decorama\Copper Arrow.cur'
    expect_reg "$icon_key\\CLSID\\$computer\\DefaultIcon" '' 'C:\Program Files\Decorama\Copper Computer.ico'
    got=$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)
    case "$got" in
    *'\Decorama\Jungle Wallpaper.bmp') ;;
    *) fail "the wallpaper is '$got', not the converted BMP" ;;
    esac
    local bmp="$prefix/drive_c/$(echo "${got#?:\\}" | tr '\\' /)"
    [ "$(head -c 2 "$bmp" 2>/dev/null)" = BM ] && [ "$(identify -format %wx%h "$bmp" 2>/dev/null)" = 1024x768 ] ||
        fail "$bmp is not a 1024x768 BMP"

    # ---- 2. A catalogue theme's colours and nothing else ------------------------------------
    snapshot "$out/$run-before.reg"
    decocmd apply-colors apply "$theme_name" /only colors ||
        fail "decocmd apply '$theme_name' /only colors ended with $?: $(cat "$out/$run-apply-colors.log.txt")"
    snapshot "$out/$run-after.reg"
    [ "$(live_colour 5)" = "$window_rgb" ] || fail "the live Window colour is '$(live_colour 5)', not '$window_rgb'"
    diff "$out/$run-before.reg" "$out/$run-after.reg" | grep '^[<>]' >"$out/$run-changed.txt"
    # Every changed line is a colour value.
    grep -v -E '^[<>] "[A-Za-z]+"="[0-9]+[ ,][0-9.]+[ ,][0-9.]+"$' "$out/$run-changed.txt" >"$out/$run-unexpected.txt" &&
        fail "more than the colours changed: $(head -n 3 "$out/$run-unexpected.txt")"
    [ -s "$out/$run-changed.txt" ] || fail "no colour changed in the registry"

    # ---- 3. A whole catalogue theme, then "Previous settings" ----------------------------------
    local colour logo=absent
    mkdir -p "$prefix/drive_c/windows/web" "$prefix/drive_c/WINNT/web" # where the web-view pictures go
    colour=$(live_colour 5)
    [ -e "$prefix/drive_c/logo.sys" ] && logo=present
    snapshot "$out/$run-before-all.reg"
    decocmd apply-all apply "$theme_name" || fail "decocmd apply '$theme_name' ended with $?: $(cat "$out/$run-apply-all.log.txt")"
    local folder='C:\Program Files\Decorama' c="$prefix/drive_c"
    expect_reg 'HKCU\Control Panel\Colors' Window "${window_rgb// /,}"
    expect_reg 'HKCU\Control Panel\Cursors' Arrow "$folder\\$arrow_file"
    expect_reg 'HKCU\Control Panel\Cursors' '' "$folder\\$arrow_file"
    expect_reg "$icon_key\\CLSID\\$computer\\DefaultIcon" '' "$folder\\$computer_icon"
    same_file "$program/logo.sys" "$c/logo.sys"
    for f in logos.sys logow.sys web/wvleft.bmp web/wvline.gif web/wvlogo.gif; do same_file "$program/${f#web/}" "$c/$windir/$f"; done
    # Jungle's sound had a long path; the theme's short one has no blanks, or none is set.
    got=$(reg_value 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' '')
    if [ -n "$short_audio" ]; then [[ "$got" == *.[Ww][Aa][Vv] && "$got" != *' '* ]]; else [ -z "$got" ]; fi ||
        fail "the start-up sound is '$got' (the theme's sound: '$short_audio'; reg said: $(tr -d '\r' <"$prefix/reg.out" | head -c 300); the apply: $(tail -c 400 "$out/$run-apply-all.log.txt"))"
    decocmd restore restore previous || fail "decocmd restore previous ended with $?: $(cat "$out/$run-restore.log.txt")"
    snapshot "$out/$run-restored.reg"
    diff "$out/$run-before-all.reg" "$out/$run-restored.reg" >"$out/$run-not-restored.txt" ||
        fail "the registry is not as before: $(grep '^[<>]' "$out/$run-not-restored.txt" | head -n 5)"
    [ "$(live_colour 5)" = "$colour" ] || fail "the live Window colour is '$(live_colour 5)', not '$colour' again"
    { [ -e "$prefix/drive_c/logo.sys" ] && [ $logo = present ]; } || { [ ! -e "$prefix/drive_c/logo.sys" ] && [ $logo = absent ]; } ||
        fail "c:\\logo.sys was $logo before and is not so again"
    decocmd list list
    grep -q "^previous$(printf '\t')snapshot" "$out/$run-list.log.txt" && grep -q "^original$(printf '\t')snapshot" "$out/$run-list.log.txt" ||
        fail "decocmd list shows no kept snapshots: $(tail -n 3 "$out/$run-list.log.txt")"
    e2e_run_end
}

run_version win98 HKCR windows
run_version win2k 'HKCU\Software\Classes' WINNT

e2e_end
