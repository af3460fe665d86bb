#!/usr/bin/env bash
# Applying a theme as a user would, under Wine: the last theme chosen with the
# arrow keys and Enter in the theme list of a freshly started decorama.exe, then
# the registry and the Windows folders are read back. Three runs:
#   win98  with C:\WINDOWS\web, as Windows 98 has it;
#   win2k  with C:\WINNT and C:\WINNT\web, as Windows 2000 has them;
#   win2k  without C:\WINNT: the sequence ends silently at the first copy into
#          it, after the colours, cursors and icons were written.
# Usage: e2e-theme-apply.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER
set -u
build=$1 program=$2 artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../wine/wine-env.sh"
wine_check || exit 1
mkdir -p "$artifacts"

failures=0
fail() {
    echo "FAIL [$run]: $*"
    failures=$((failures + 1))
}

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
install='C:\Program Files\Decorama'
echo "theme: $last_theme (row $theme_row), Window colour $window_colour, arrow $arrow_file"

# The data of one registry value as `reg query` shows it, empty when there is none.
reg_value() {
    local prefix=$1 key=$2 name=$3 out which=(/ve)
    [ -n "$name" ] && which=(/v "$name")
    _wine_in "$prefix" timeout 60 "$WINE64" reg query "$key" "${which[@]}" >"$prefix/reg.out" 2>&1 </dev/null
    out=$(tr -d '\r' <"$prefix/reg.out" | grep -E 'REG_(SZ|EXPAND_SZ)' | head -n 1)
    printf '%s' "$out" | sed -E 's/^.*REG_(EXPAND_)?SZ[[:space:]]*//'
}

same_file() {
    cmp -s "$1" "$2" || fail "$2 is not a copy of $1"
}

apply_theme() {
    local version=$1 windir=$2 make_windir=$3
    local prefix
    prefix=$(wine_new_prefix "$build" "theme-apply-$run" "$version") || { fail "no prefix"; return; }
    # Wine's drive C: has C:\windows; give it the folders such an installation has.
    [ "$make_windir" = yes ] && mkdir -p "$prefix/drive_c/$windir/web"
    mkdir -p "$prefix/drive_c/Program Files/Decorama"
    cp -r "$program/." "$prefix/drive_c/Program Files/Decorama/"

    xvfb_start || { fail "no screen"; return; }
    wine_start "$prefix" "$artifacts/theme-apply-$run.log" "$prefix/drive_c/Program Files/Decorama/decorama.exe"
    local window
    window=$(wine_wait_window Brindlecove 90) || { fail "no window Brindlecove"; wine_stop "$prefix"; xvfb_stop; return; }
    wine_wait_settled 30
    # The theme list has the focus at start, on its first theme: walk down to the
    # last one and press Enter.
    xdotool windowactivate --sync "$window" >/dev/null 2>&1 || xdotool windowfocus "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers --delay 150 --repeat $((theme_count - 1)) Down
    wine_wait_settled 20
    xdotool key --clearmodifiers Return
    # The colours are written early in the apply: wait for them, then for the
    # screen to come to rest.
    for _ in $(seq 1 120); do
        [ "$(reg_value "$prefix" 'HKCU\Control Panel\Colors' Window)" = "$window_colour" ] && break
        sleep 0.5
    done
    wine_wait_settled 30
    # One of Wine's own windows, drawn in the colours just set.
    wine_start "$prefix" "$artifacts/theme-apply-$run-notepad.log" notepad.exe
    wine_wait_window Notepad 60 >/dev/null || fail "Wine's Notepad did not open"
    wine_wait_settled 20
    wine_screenshot "$artifacts/theme-apply-$run.png"
    wine_stop "$prefix"
    xvfb_stop

    local c="$prefix/drive_c"
    local got
    got=$(reg_value "$prefix" 'HKCU\Control Panel\Colors' Window)
    [ "$got" = "$window_colour" ] || fail "Colors\\Window is '$got', expected '$window_colour'"
    got=$(reg_value "$prefix" 'HKCU\Control Panel\Cursors' Arrow)
    [ "$got" = "$install\\$arrow_file" ] || fail "Cursors\\Arrow is '$got', expected '$install\\$arrow_file'"
    got=$(reg_value "$prefix" 'HKCU\Control Panel\Cursors' '')
    [ "$got" = "$install\\$arrow_file" ] || fail "Cursors default is '$got'"
    got=$(reg_value "$prefix" 'HKCU\Software\Classes\CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon' '')
    [ "$got" = "$install\\$computer_icon" ] || fail "My Computer icon is '$got', expected '$install\\$computer_icon'"
    same_file "$program/logo.sys" "$c/logo.sys"

    if [ "$make_windir" = yes ]; then
        for f in logos.sys logow.sys; do same_file "$program/$f" "$c/$windir/$f"; done
        for f in wvleft.bmp wvline.gif wvlogo.gif; do same_file "$program/$f" "$c/$windir/web/$f"; done
        got=$(reg_value "$prefix" 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' '')
        if [ -n "$short_audio" ]; then
            case "$got" in
            *.WAV | *.wav) ;;
            *) fail "start-up sound is '$got', expected the short path of the program's sound" ;;
            esac
        else
            [ -z "$got" ] || fail "start-up sound is '$got', expected it cleared"
        fi
    else
        [ ! -e "$c/$windir" ] || fail "$windir was created"
        got=$(reg_value "$prefix" 'HKCU\AppEvents\Schemes\Apps\.Default\SystemStart\.Current' '')
        [ -z "$got" ] || fail "the start-up sound was set although the sequence had ended"
    fi
    wine_remove_prefix "$prefix"
}

run=win98 apply_theme win98 windows yes
run=win2k apply_theme win2k WINNT yes
run=win2k-no-winnt apply_theme win2k WINNT no

if [ "$failures" -ne 0 ]; then
    echo "e2e-theme-apply: $failures check(s) failed"
    exit 1
fi
echo "e2e-theme-apply: all checks passed"
