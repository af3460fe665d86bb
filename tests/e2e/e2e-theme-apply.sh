#!/usr/bin/env bash
# Applying a theme as a user would, under Wine: the last theme chosen with the
# arrow keys and Enter in the theme list of a freshly started decorama.exe, then
# the registry and the Windows folders are read back. Two runs: win98 with
# C:\WINDOWS\web, as Windows 98 has it; win2k with C:\WINNT and C:\WINNT\web, as
# Windows 2000 has them. (Where a folder is missing the sequence ends at the first
# copy into it: FaultSweepTest holds that rule on the fake.)
set -u
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-theme-apply "$@"

# The last theme of the collection (a dark one, so its colours show plainly in
# Wine's windows) and what it must leave behind.
theme_count=$(tr -d '\r' <"$program/themes.txt" | grep -c .)
last_theme=$(tr -d '\r' <"$program/themes.txt" | grep . | tail -n 1)
theme_row=$(echo "$last_theme" | awk -F, '{print $6}' | tr -d ' "')
# The fields after the KEYS of the first record of FILE that starts with them,
# blanks and quotes trimmed, joined by commas.
entry() { # FILE KEY...
    tr -d '\r' <"$program/$1" | awk -F, -v keys="${*:2}" '
        {n = split(keys, k, " "); hit = 1
         for (i = 1; i <= NF; i++) gsub(/^[ "]+|[ "]+$/, "", $i)
         for (i = 1; i <= n; i++) hit = hit && $i == k[i]
         if (hit) {out = $(n + 1); for (i = n + 2; i <= NF; i++) out = out "," $i; print out; exit}}'
}
window_colour=$(entry colors.txt "$theme_row" 5)
arrow_file=$(entry cursors.txt "$theme_row" 1)
computer_icon=$(entry icons.txt "$theme_row" 1)
short_audio=$(entry shortAudio.txt "$theme_row")
install_windows='C:\Program Files\Decorama'
echo "theme: $last_theme (row $theme_row), Window colour $window_colour, arrow $arrow_file"

apply_theme() {
    local version=$1 windir=$2 got
    e2e_install "$version" "$run" || return
    # Wine's drive C: has C:\windows; give it the folders such an installation has.
    mkdir -p "$prefix/drive_c/$windir/web"
    e2e_start || { wine_stop "$prefix"; xvfb_stop; return; }
    # The theme list has the focus at start, on its first theme: walk down to the
    # last one and press Enter.
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus "$main" >/dev/null 2>&1
    xdotool key --clearmodifiers --delay 150 --repeat $((theme_count - 1)) Down
    wine_wait_settled 20
    xdotool key --clearmodifiers Return
    # The colours are written early in the apply: wait for them, then for the
    # screen to come to rest.
    wait_for 60 reg_is 'HKCU\Control Panel\Colors' Window "$window_colour"
    e2e_shot 30 "$run"
    wine_stop "$prefix"
    xvfb_stop

    local c="$prefix/drive_c"
    expect_reg 'HKCU\Control Panel\Colors' Window "$window_colour"
    expect_reg 'HKCU\Control Panel\Cursors' Arrow "$install_windows\\$arrow_file"
    expect_reg 'HKCU\Control Panel\Cursors' '' "$install_windows\\$arrow_file"
    # The desktop icons where the version reads them: Windows 98 from HKEY_CLASSES_ROOT
    # alone, 2000 from the user's own classes.
    local classes='HKCU\Software\Classes'
    [ "$version" = win98 ] && classes=HKCR
    expect_reg "$classes\\CLSID\\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\\DefaultIcon" '' "$install_windows\\$computer_icon"
    same_file "$program/logo.sys" "$c/logo.sys"

    for f in logos.sys logow.sys; do same_file "$program/$f" "$c/$windir/$f"; done
    for f in wvleft.bmp wvline.gif wvlogo.gif; do same_file "$program/$f" "$c/$windir/web/$f"; done
    got=$(reg_value 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' '')
    if [ -n "$short_audio" ]; then
        case "$got" in
        *.WAV | *.wav) ;;
        *) fail "start-up sound is '$got', expected the short path of the program's sound" ;;
        esac
    else
        [ -z "$got" ] || fail "start-up sound is '$got', expected it cleared"
    fi
    wine_remove_prefix "$prefix"
}

run=win98 apply_theme win98 windows
run=win2k apply_theme win2k WINNT

e2e_end
