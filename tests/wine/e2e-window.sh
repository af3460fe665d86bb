#!/bin/bash
# End to end under Wine: the program's windows on a screen of their own.
#
#   e2e-window.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER
#
# Starts decorama.exe in a fresh prefix under Xvfb and checks, as a user would
# see it: the main window "Brindlecove" appears with its background in red 0,
# green 43, blue 17; the help button opens a window "About ..." whose Close button
# closes it; each of the four tabs shows its own page; keys and mouse moves all over
# the window leave the program running; the close button of the title strip ends
# it. The screenshots stay in ARTIFACT_FOLDER/e2e-window. Exits 0 only when every
# check passes.
# shellcheck source-path=SCRIPTDIR
set -u
build=$(readlink -m "$1") program=$(readlink -m "$2") artifacts=$(readlink -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

out="$artifacts/e2e-window"
rm -rf "$out"
mkdir -p "$out"
failures=0
prefix=
# shellcheck disable=SC2034  # wine-env.sh's xvfb_stop reads it
XVFB_PID=

fail() {
    echo "e2e-window: FAIL: $*" >&2
    failures=$((failures + 1))
}

# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    [ -n "$prefix" ] && wine_stop "$prefix"
    xvfb_stop
}
trap finish EXIT

# The layout of the main window, in twips as the program places its controls
# (app/frmMain.cpp); Wine's display has 96 dots per inch, 15 twips a pixel.
twips_per_pixel=15
px() { echo $((($1 + twips_per_pixel / 2) / twips_per_pixel)); }
help_x=$(px $((8190 + 135))) help_y=$(px $((165 + 135)))
close_x=$(px $((8850 + 135))) close_y=$(px $((165 + 135)))
tab_left=$(px 120) tab_top=$(px 720) tab_width=$(px 9000)
# About box: its Close button, in its client area.
about_close_x=$(px $((5880 + 720))) about_close_y=$(px $((5100 + 187)))

# Points of the window's own background: the corners beside the title strip and
# below the tab control, and the gap between them.
background_points="3,3 $(px 9000),3 3,$(px 5960) $(px 6000),$(px 660)"
expected_background="srgb(0,43,17)"

pixel_at() { # FILE X Y
    convert "$1" -format "%[pixel:p{$2,$3}]" info: 2>/dev/null
}

# Moves the mouse to window-relative X Y and clicks there.
click_at() { # X Y
    xdotool mousemove $((win_x + $1)) $((win_y + $2))
    sleep 0.3
    xdotool click 1
}

program_alive() {
    kill -0 "$WINE_PID" 2>/dev/null && xdotool search --name '^Brindlecove$' >/dev/null 2>&1
}

wine_check || exit 1
[ -f "$program/decorama.exe" ] || { echo "e2e-window: $program/decorama.exe not built" >&2; exit 1; }
prefix=$(wine_new_prefix "$build" e2e-window win98) || exit 1
# A session started without a display keeps windows off any screen: none may run.
wine_stop "$prefix"
xvfb_start 1024x768x24 || exit 1

wine_start "$prefix" "$out/wine.log" "$program/decorama.exe"
main=$(wine_wait_window '^Brindlecove$' 90) || {
    wine_screenshot "$out/no-window.png"
    echo "e2e-window: FAIL: no window named Brindlecove within 90 s" >&2
    exit 1
}
wine_wait_settled 30
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X win_y=$Y win_width=$WIDTH win_height=$HEIGHT
main_area="${win_width}x$win_height+$win_x+$win_y"
echo "main window $main at $win_x,$win_y, ${win_width}x$win_height"

# 1. The background colour.
wine_screenshot "$out/01-main.png"
convert "$out/01-main.png" -crop "$main_area" +repage "$out/01-main-window.png"
for point in $background_points; do
    colour=$(pixel_at "$out/01-main-window.png" "${point%,*}" "${point#*,}")
    [ "$colour" = "$expected_background" ] ||
        fail "background at $point is $colour, not $expected_background"
done

# 2. The help button opens the About box, and its Close button closes it.
click_at "$help_x" "$help_y"
if about=$(wine_wait_window '^About ' 30); then
    wine_wait_settled 20
    wine_screenshot "$out/02-about.png"
    eval "$(xdotool getwindowgeometry --shell "$about")"
    xdotool mousemove $((X + about_close_x)) $((Y + about_close_y))
    sleep 0.3
    xdotool click 1
    closed=no
    for _ in $(seq 1 40); do
        if ! xdotool search --onlyvisible --name '^About ' >/dev/null 2>&1; then
            closed=yes
            break
        fi
        sleep 0.25
    done
    [ "$closed" = yes ] || fail "the About box's Close button left it open"
else
    wine_screenshot "$out/02-no-about.png"
    fail "the help button opened no window named About ..."
fi

# 3. Each tab shows its own page.
tab_share=$(((tab_width - 6) / 4))
previous=
for tab in 0 1 2 3; do
    click_at $((tab_left + 2 + tab_share * tab + tab_share / 2)) $((tab_top + 10))
    wine_wait_settled 20
    shot="$out/03-tab$tab.png"
    wine_screenshot "$shot"
    convert "$shot" -crop "$main_area" +repage "$shot"
    if [ -n "$previous" ]; then
        difference=$(compare -metric AE "$previous" "$shot" null: 2>&1 | cut -d' ' -f1)
        [ "${difference:-0}" != 0 ] || fail "tab $tab looks the same as the tab before it"
    fi
    previous=$shot
    program_alive || fail "the program ended after a click on tab $tab"
done

# 4. Keys and the mouse all over the window: Tab through every control, Enter and
# the arrow keys in them, and the pointer across the title strip and the tabs.
click_at $((tab_left + 2 + tab_share / 2)) $((tab_top + 10))
wine_wait_settled 20
for _ in $(seq 1 12); do
    xdotool key Tab Down Up
    sleep 0.1
done
xdotool key shift+Tab shift+Tab Right Left
for y in 5 20 60 150 300 390; do
    for x in 5 100 300 500 540 555 570 610; do
        xdotool mousemove $((win_x + x)) $((win_y + y))
        sleep 0.05
    done
done
wine_wait_settled 20
wine_screenshot "$out/04-after-input.png"
program_alive || fail "the program ended under keyboard and mouse input"

# 5. The close button ends the program.
if program_alive; then
    click_at "$close_x" "$close_y"
    ended=no
    for _ in $(seq 1 60); do
        if ! kill -0 "$WINE_PID" 2>/dev/null; then
            ended=yes
            break
        fi
        sleep 0.25
    done
    [ "$ended" = yes ] || fail "the close button did not end the program"
fi

if [ "$failures" -ne 0 ]; then
    echo "e2e-window: $failures check(s) failed; screenshots in $out" >&2
    exit 1
fi
echo "e2e-window: all checks passed; screenshots in $out"
exit 0
