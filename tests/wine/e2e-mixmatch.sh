#!/bin/bash
# End to end under Wine: the "Mix - N - Match" tab as a user drives it.
#
#   e2e-mixmatch.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER
#
# Run 1 (win98): a wallpaper chosen with the arrow keys is set by Enter in the
# wallpaper list, the next one by "Apply Wallpaper" (HKCU\Control Panel\Desktop
# Wallpaper); a colour scheme chosen in its list is applied by "Apply Color"
# (HKCU\Control Panel\Colors holds that scheme's row, each colour under its own
# name). Run 2 (win2k): "Apply Mix - N - Match" applies a chosen wallpaper and
# a chosen scheme together. Screenshots stay in ARTIFACT_FOLDER/e2e-mixmatch.
# Exits 0 only when every check passes.
# shellcheck source-path=SCRIPTDIR
set -u
build=$(readlink -m "$1") program=$(readlink -m "$2") artifacts=$(readlink -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

out="$artifacts/e2e-mixmatch"
rm -rf "$out"
mkdir -p "$out"
failures=0
prefix=
run=
install_windows='C:\Program Files\Decorama'
# shellcheck disable=SC2034  # wine-env.sh's xvfb_stop reads it
XVFB_PID=

fail() {
    echo "e2e-mixmatch: FAIL [$run]: $*" >&2
    failures=$((failures + 1))
}

# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    [ -n "$prefix" ] && wine_stop "$prefix"
    xvfb_stop
}
trap finish EXIT

# The Mix - N - Match page, in twips as the program places its controls
# (app/frmMain.cpp), 15 twips a pixel.
twips_per_pixel=15
px() { echo $((($1 + twips_per_pixel / 2) / twips_per_pixel)); }
tab_left=$(px 120) tab_top=$(px 720) tab_width=$(px 9000)
scheme_list_x=$(px $((120 + 240 + 120 + 600))) scheme_list_y=$(($(px $((720 + 2540 + 300))) + 8))
buttons_y=$(px $((720 + 4560 + 187)))
apply_wallpaper_x=$(px $((120 + 240 + 1080)))
apply_color_x=$(px $((120 + 2520 + 1080)))
apply_both_x=$(px $((120 + 4830 + 1867)))

click_at() { # X Y (window-relative)
    xdotool mousemove $((win_x + $1)) $((win_y + $2))
    sleep 0.3
    xdotool click 1
}

keys() {
    xdotool key --clearmodifiers --delay 300 "$@"
    sleep 1
}

# The data of one registry value as `reg query` shows it, empty when there is none.
reg_value() { # KEY NAME
    _wine_in "$prefix" timeout 60 "$WINE64" reg query "$1" /v "$2" >"$prefix/reg.out" 2>&1 </dev/null
    tr -d '\r' <"$prefix/reg.out" | grep -E 'REG_(SZ|EXPAND_SZ)' | head -n 1 |
        sed -E 's/^.*REG_(EXPAND_)?SZ[[:space:]]*//'
}

# Wallpaper list position P (0-based) names wallpaperList entry P + 2.
wallpaper_at() {
    tr -d '\r' <"$program/wallpapers.txt" | awk -F, -v e=$(($1 + 2)) '$1 + 0 == e {print $2}'
}
# The scheme number of colour-scheme list position P, and colour I of a row as text.
scheme_at() {
    tr -d '\r' <"$program/colorNames.txt" | grep . | sed -n "$(($1 + 1))p" | cut -d, -f1 | tr -d ' "'
}
colour_of() { # ROW INDEX
    tr -d '\r' <"$program/colors.txt" | awk -F, -v r="$1" -v i="$2" \
        '{gsub(/[ "]/, "")} $1 == r && $2 == i {print $3 "," $4 "," $5}'
}

check_wallpaper() { # POSITION
    local name got
    name=$(wallpaper_at "$1")
    got=$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)
    [ "$got" = "$install_windows\\$name.bmp" ] || fail "Wallpaper is '$got', expected '$install_windows\\$name.bmp'"
}

check_scheme() { # POSITION
    local row got name index
    row=$(scheme_at "$1")
    for entry in Window:5 TitleText:9 ButtonAlternateFace:25 Background:1; do
        name=${entry%:*} index=${entry#*:}
        got=$(reg_value 'HKCU\Control Panel\Colors' "$name")
        [ "$got" = "$(colour_of "$row" "$index")" ] ||
            fail "Colors\\$name is '$got', expected '$(colour_of "$row" "$index")' (scheme $row)"
    done
}

# A fresh prefix with the program installed and its main window on the
# Mix - N - Match tab, the wallpaper list with the focus.
open_mixmatch() { # VERSION
    prefix=$(wine_new_prefix "$build" "e2e-mixmatch-$run" "$1") || { fail "no prefix"; return 1; }
    wine_stop "$prefix"
    local install="$prefix/drive_c/Program Files/Decorama"
    mkdir -p "$install"
    cp -r "$program/." "$install/"
    wine_start "$prefix" "$out/$run-wine.log" "$install/decorama.exe"
    main=$(wine_wait_window '^Brindlecove$' 90) || {
        wine_screenshot "$out/$run-no-window.png"
        fail "no window named Brindlecove within 90 s"
        return 1
    }
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$main")"
    win_x=$X win_y=$Y
    local tab_share=$(((tab_width - 6) / 4))
    click_at $((tab_left + 2 + tab_share + tab_share / 2)) $((tab_top + 10))
    sleep 2
}

wine_check || exit 1
[ -f "$program/decorama.exe" ] || { echo "e2e-mixmatch: $program/decorama.exe not built" >&2; exit 1; }
xvfb_start 1024x768x24 || exit 1

# ---- 1. Windows 98: Enter and "Apply Wallpaper", then "Apply Color" -------------------------
run=win98
if open_mixmatch win98; then
    keys Down Return
    sleep 2
    check_wallpaper 1
    keys Down
    click_at "$apply_wallpaper_x" "$buttons_y"
    sleep 2
    check_wallpaper 2
    wine_screenshot "$out/$run-wallpaper.png"

    click_at "$scheme_list_x" "$scheme_list_y"
    keys Down Down
    wine_screenshot "$out/$run-scheme-chosen.png"
    click_at "$apply_color_x" "$buttons_y"
    sleep 4
    wine_screenshot "$out/$run-scheme-applied.png"
    check_scheme 2
fi
[ -n "$prefix" ] && wine_remove_prefix "$prefix"

# ---- 2. Windows 2000: "Apply Mix - N - Match" applies both ----------------------------------
run=win2k
if open_mixmatch win2k; then
    keys Down Down Down
    click_at "$scheme_list_x" "$scheme_list_y"
    keys Down Down Down Down
    wine_screenshot "$out/$run-chosen.png"
    click_at "$apply_both_x" "$buttons_y"
    sleep 4
    wine_screenshot "$out/$run-applied.png"
    check_wallpaper 3
    check_scheme 4
fi
[ -n "$prefix" ] && wine_remove_prefix "$prefix"
prefix=

if [ "$failures" -ne 0 ]; then
    echo "e2e-mixmatch: $failures check(s) failed; screenshots in $out" >&2
    exit 1
fi
echo "e2e-mixmatch: all checks passed"
