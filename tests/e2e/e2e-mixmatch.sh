#!/bin/bash
# End to end under Wine (win98): the "Mix - N - Match" tab as a user drives it.
# A wallpaper chosen with the arrow keys is set by Enter in the wallpaper list,
# the next one by "Apply Wallpaper" (HKCU\Control Panel\Desktop Wallpaper); a
# colour scheme chosen in its list is applied by "Apply Color" (HKCU\Control
# Panel\Colors holds that scheme's row, each colour under its own name). Back on
# the tab, "Apply Mix - N - Match" applies another wallpaper and scheme together.
# shellcheck source=../wine/wine-env.sh
set -u
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-mixmatch "$@"

# The page's controls, in twips as the program places them (app/frmMain.cpp).
scheme_list_x=$(px $((120 + 240 + 120 + 600))) scheme_list_y=$(($(px $((720 + 2540 + 300))) + 8))
buttons_y=$(px $((720 + 4560 + 187)))
apply_wallpaper_x=$(px $((120 + 240 + 1080))) apply_color_x=$(px $((120 + 2520 + 1080)))
apply_both_x=$(px $((120 + 4830 + 1867)))
keys() {
    xdotool key --clearmodifiers --delay 300 "$@"
    wine_wait_settled 10 || true
}
numbers() { tr -d '\r' <"$program/$1" | grep . | tr -d ' "'; } # FILE of numbers

check_wallpaper() { # LIST_POSITION: wallpaperList entry POSITION + 2
    local name
    name=$(tr -d '\r' <"$program/wallpapers.txt" | awk -F, -v e=$(($1 + 2)) '$1 + 0 == e {print $2}')
    wait_for 20 reg_is 'HKCU\Control Panel\Desktop' Wallpaper "C:\\Program Files\\Decorama\\$name.bmp" ||
        fail "Wallpaper is '$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)', expected $name.bmp"
}

check_scheme() { # LIST_POSITION
    local row entry got expected
    row=$(numbers colorNames.txt | sed -n "$(($1 + 1))p" | cut -d, -f1)
    for entry in Window:5 TitleText:9 ButtonAlternateFace:25 Background:1; do
        expected=$(numbers colors.txt | awk -F, -v r="$row" -v i="${entry#*:}" '$1 == r && $2 == i {print $3 "," $4 "," $5}')
        wait_for 30 reg_is 'HKCU\Control Panel\Colors' "${entry%:*}" "$expected" ||
            fail "Colors\\${entry%:*} is '$(reg_value 'HKCU\Control Panel\Colors' "${entry%:*}")', expected '$expected' (scheme $row)"
    done
}

run=win98
if e2e_install win98 && e2e_start; then
    e2e_tab 1
    keys Down Return
    check_wallpaper 1
    keys Down
    click_at "$apply_wallpaper_x" "$buttons_y"
    check_wallpaper 2
    click_at "$scheme_list_x" "$scheme_list_y"
    keys Down Down
    click_at "$apply_color_x" "$buttons_y"
    check_scheme 2
    e2e_shot 10 "$run-scheme-applied"

    # Choosing the tab again puts both lists back on their first entries.
    e2e_tab 0
    e2e_tab 1
    keys Down Down Down
    click_at "$scheme_list_x" "$scheme_list_y"
    keys Down Down Down Down
    click_at "$apply_both_x" "$buttons_y"
    check_wallpaper 3
    check_scheme 4
    e2e_shot 10 "$run-applied"
fi
e2e_end
