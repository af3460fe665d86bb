#!/usr/bin/env bash
# Start-up and the main window as a user sees them, under Wine: decorama.exe
# started from a copy of the program folder in C:\Program Files\Decorama, in a
# fresh prefix on a screen of its own. Once the window "Brindlecove" is up:
#   - no message box is showing and the window is centred (the load went through);
#   - its background is red 0, green 43, blue 17;
#   - the help button opens a window "About ..." whose Close button closes it;
#   - keys and mouse moves all over the window leave the program running; the
#     title strip's close button ends it.
# (Each tab's page is used by the script of that tab.)
# shellcheck source=../wine/wine-env.sh
set -u
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-startup "$@"

# ---- start the program --------------------------------------------------------------------
e2e_install win98 || exit 1
e2e_start || exit 1
wine_screenshot "$out/01-start.png" || fail "no screenshot"

# A complete load centres the window on the 1024 x 768 screen.
[ -n "${WIDTH:-}" ] || { fail "could not read the window's place"; exit 1; }
echo "window at ${X},${Y}, ${WIDTH}x${HEIGHT}"
off_x=$((2 * X + WIDTH - 1024)) off_y=$((2 * Y + HEIGHT - 768))
if [ "${off_x#-}" -gt 2 ] || [ "${off_y#-}" -gt 2 ]; then
    fail "the window at ${X},${Y} (${WIDTH}x${HEIGHT}) is not centred"
fi

# A message box of the load would be a window of its own named after the program.
if timeout 5 xdotool search --onlyvisible --name '^Decorama$' >/dev/null 2>&1; then
    fail "a message box is showing after start-up"
fi

# The window's own background: the corners beside the title strip and below the
# tab control, and the gap between them.
convert "$out/01-start.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/main-window.png"
for point in "3,3" "$(px 9000),3" "3,$(px 5960)" "$(px 6000),$(px 660)"; do
    colour=$(convert "$work/main-window.png" -format "%[pixel:p{${point%,*},${point#*,}}]" info: 2>/dev/null)
    [ "$colour" = "srgb(0,43,17)" ] || fail "background at $point is $colour, not srgb(0,43,17)"
done

# ---- the user's clicks and keys ------------------------------------------------------------
program_alive() { kill -0 "$WINE_PID" 2>/dev/null && xdotool search --name '^Brindlecove$' >/dev/null 2>&1; }
about_closed() { ! xdotool search --onlyvisible --name '^About ' >/dev/null 2>&1; }

# The help button opens the About box, and its Close button closes it.
click_at "$(px 8325)" "$(px 300)"
if about=$(wine_wait_window '^About ' 30); then
    e2e_shot 20 "02-about"
    eval "$(xdotool getwindowgeometry --shell "$about")"
    xdotool mousemove $((X + $(px 6600))) $((Y + $(px 5287)))
    sleep 0.3
    xdotool click 1
    wait_for 10 about_closed || fail "the About box's Close button left it open"
else
    wine_screenshot "$out/02-no-about.png"
    fail "the help button opened no window named About ..."
fi

# Tab through every control with Enter and the arrow keys, and the pointer across
# the title strip and the tabs.
e2e_tab 0
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
e2e_shot 20 "04-after-input"
if program_alive; then
    click_at "$(px 8985)" "$(px 300)"
    wait_for 15 program_ended || fail "the close button did not end the program"
else
    fail "the program ended under keyboard and mouse input"
fi

e2e_end
