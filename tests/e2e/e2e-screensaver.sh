#!/usr/bin/env bash
# The Screen Saver tab and the savers themselves, under Wine (win98), as a user meets them:
#   1. The tab: the second saver chosen with the arrow key, "Set Screen Saver" clicked.
#      The extracted saver is that saver byte for byte, system.ini names its short path,
#      Display Properties (the recording desk.cpl stand-in) starts once, on page 1.
#      Then, with a live wait of 120 s set apart from the stored one, 15 typed in the
#      minutes box and Enter: ScreenSaveTimeOut becomes 900, Display Properties starts
#      again, and the live wait it would show (saverwait) is 900 too.
#   2. Each saver with /s covers the screen and ends, the first and third on a key
#      press, the second and fourth on a mouse move (the shell they share ends them).
#   3. The first and the last saver with /p fill a window that saverhost makes, and end
#      when it closes (Wine does not show another process's child window on screen).
# The NT family's profile file and the installs' error rule are held on the fake for
# every version (ScreenSaverTabTest, FaultSweepTest).
set -u
. "$(dirname "$0")/../wine/e2e-harness.sh"
e2e_begin e2e-screensaver "$@"
savers=("Orlo Aurora" "Orlo Starfield" "Orlo Bubbles" "Orlo Ribbons")
cplstub="$build/tests/wine/standins/cplstub.dll"
saverhost="$build/tests/wine/standins/saverhost.exe"
saverwait="$build/tests/wine/standins/saverwait.exe"
e2e_need "$program/decorama.exe" "$program/samples" "$cplstub" "$saverhost" "$saverwait"

# The page's controls, in twips as the program places them (app/frmMain.cpp).
set_x=$(px $((120 + 2880 + 900))) set_y=$(px $((720 + 4560 + 187)))
minutes_x=$(px $((120 + 900 + 300))) minutes_y=$(px $((720 + 4560 + 157)))

cpl_log() { tr -d '\r' 2>/dev/null <"$prefix/drive_c/cplstub.log"; }
cpl_lines() { [ "$(cpl_log | wc -l)" -ge "$1" ]; } # N: C:\cplstub.log has N lines

# Windows' live wait, after setting it for this session only when given seconds.
live_wait() {
    wine_run "$prefix" "$out/saverwait.log" 60 "$saverwait" "$@"
    tr -d '\r' <"$out/saverwait.log"
}

e2e_install win98 || exit 1
cp "$cplstub" "$prefix/drive_c/windows/system32/desk.cpl"

# ---- 1. The tab ------------------------------------------------------------------------
e2e_start || exit 1
e2e_tab 2
# Choosing the tab puts the focus on the saver list, on its first saver.
xdotool key --clearmodifiers Down
e2e_shot 10 "01-tab-second-saver"
click_at "$set_x" "$set_y"
wait_for 30 cpl_lines 1 || fail "Display Properties did not start after Set Screen Saver"
e2e_shot 10 "02-after-set"

# The extracted file: character 255 of the ANSI code page (y with diaeresis) and .SCR.
cmp -s "$install/"$'\xc3\xbf'".SCR" "$program/Orlo Starfield.scr" || fail "the extracted saver is not Orlo Starfield"
ini="$prefix/drive_c/windows/system.ini"
boot=$(tr -d '\r' <"$ini" 2>/dev/null | grep -a -i '^SCRNSAVE.EXE=' | head -n 1 | cut -d= -f2-)
echo "system.ini [boot] SCRNSAVE.EXE=$boot"
# A short path: no blanks, at most 66 characters, and Windows finds the saver by it.
case "$boot" in
[Cc]:\\*.SCR) ;;
*) fail "system.ini names '$boot', not the extracted saver" ;;
esac
[ "${#boot}" -le 66 ] && [ "$boot" = "${boot// /}" ] || fail "'$boot' is not a short path"
_wine_in "$prefix" timeout 60 "$WINE64" cmd /c "if exist $boot echo found" >"$prefix/exist.out" 2>&1 </dev/null
grep -q found "$prefix/exist.out" || fail "Windows finds no file at '$boot'"
[ "$(cpl_log)" = "page=1" ] || fail "Display Properties starts: '$(cpl_log)', expected one on page 1"

# 15 minutes by Enter in the minutes box: the second start of Display Properties.
[ "$(live_wait 120)" = 120 ] || fail "the live wait could not be set apart"
click_at "$minutes_x" "$minutes_y"
xdotool key --clearmodifiers ctrl+a BackSpace
xdotool type --delay 100 15
xdotool key --clearmodifiers Return
wait_for 30 cpl_lines 2 || fail "Display Properties did not start after Enter in the minutes box"
e2e_shot 10 "03-after-minutes"
expect_reg 'HKCU\Control Panel\Desktop' ScreenSaveTimeOut 900
got=$(live_wait)
[ "$got" = 900 ] || fail "the live wait Display Properties shows is '$got', expected 900"
[ "$(cpl_log | sed -n 2p)" = "page=1" ] || fail "start 2 of Display Properties is not on page 1"
wine_stop "$prefix"

# ---- 2. Full screen ----------------------------------------------------------------------
saver_ends() { # NAME HOW
    local name=$1 how=$2 shot="$out/fullscreen-${1// /-}-$2.png" window
    wine_start "$prefix" "$out/${name// /-}-s.log" "$install/$name.scr" /s
    window=$(wine_wait_window "^$name\$" 30) || { fail "$name /s: no window"; wine_stop "$prefix"; return; }
    covers() { eval "$(xdotool getwindowgeometry --shell "$window")" && [ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] && [ "$X" = 0 ] && [ "$Y" = 0 ]; }
    wait_for 10 covers || fail "$name /s covers ${WIDTH}x$HEIGHT at $X,$Y, not the screen"
    drawn() { wine_screenshot "$shot" && [ "$(convert "$shot" -format %k info:)" -gt 8 ]; }
    wait_for 10 drawn || fail "$name /s draws a plain screen"
    if [ "$how" = key ]; then xdotool key --clearmodifiers space; else xdotool mousemove_relative -- 60 40; fi
    wait_for 10 program_ended || { fail "$name /s still runs after a $how"; wine_stop "$prefix"; }
}
xdotool mousemove 500 400
for i in 0 1 2 3; do saver_ends "${savers[i]}" "$( ((i % 2)) && echo mouse || echo key)"; done

# ---- 3. Preview --------------------------------------------------------------------------
for name in "${savers[0]}" "${savers[3]}"; do
    log="$out/${name// /-}-p.log"
    wine_run "$prefix" "$log" 60 "$saverhost" "C:\\Program Files\\Decorama\\$name.scr" 3
    [ "$(tr -d '\r' <"$log" | grep -c -xE 'child=1|ended=1')" = 2 ] ||
        fail "$name /p: did not fill the preview window and end with it ($(tr -d '\r' <"$log" | tr '\n' ' '))"
done

e2e_end
