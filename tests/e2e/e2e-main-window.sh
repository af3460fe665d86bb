#!/usr/bin/env bash
# The main window as a user drives it, under Wine: decorama.exe started from a copy
# of the program folder in C:\Program Files\Decorama, in a fresh Windows 98 prefix on
# a screen of its own (each other tab's page is used by the script of that tab).
#   1. Start-up: no message box, the window "Brindlecove" centred (the load went
#      through), its background red 0, green 43, blue 17; the help button opens a
#      window "About ..." whose Close button closes it; keys and mouse moves all over
#      the window leave the program running.
#   2. "Mix - N - Match": a wallpaper chosen with the arrow keys is set by Enter in the
#      wallpaper list, the next one by "Apply Wallpaper" (HKCU\Control Panel\Desktop
#      Wallpaper); a colour scheme chosen in its list is applied by "Apply Color"
#      (HKCU\Control Panel\Colors holds that scheme's row, each colour under its own
#      name). Back on the tab, "Apply Mix - N - Match" applies another wallpaper and
#      scheme together.
#   3. "Utilities": the four Display Properties buttons each start one Display
#      Properties on their page (a stand-in desk.cpl records the page); "Launch Theme
#      Manager" starts the stand-in theme manager at the second location with /s and
#      the default theme; "Restore Graphics" puts back the Windows 98 pictures (the
#      other versions' are held on the fake, UtilitiesTabTest); "Log Off Windows" asks
#      its question, and Cancel ends the program.
#   4. Started again, the title strip's close button ends it.
# shellcheck source=../wine/e2e-harness.sh
set -u
. "$(dirname "$0")/../wine/e2e-harness.sh"
e2e_begin e2e-main-window "$@"
standins="$build/tests/wine/standins"
e2e_need "$standins/cplstub.dll" "$standins/cmdrecord.exe"

e2e_install win98 || exit 1
c="$prefix/drive_c"
cp "$standins/cplstub.dll" "$c/windows/system32/desk.cpl"
mkdir -p "$c/Program Files/Plus!/themes"
cp "$standins/cmdrecord.exe" "$c/Program Files/Plus!/themes/themes.exe"
# The installed pictures before the restore, with content of their own.
for f in logo.sys windows/logos.sys windows/logow.sys; do printf 'installed %s' "$f" >"$c/$f"; done
e2e_start || exit 1

# ---- 1. Start-up ---------------------------------------------------------------------------
wine_screenshot "$out/01-start.png" || fail "no screenshot"
echo "window at ${X},${Y}, ${WIDTH}x${HEIGHT}"
off_x=$((2 * X + WIDTH - 1024)) off_y=$((2 * Y + HEIGHT - 768))
if [ "${off_x#-}" -gt 2 ] || [ "${off_y#-}" -gt 2 ]; then
    fail "the window at ${X},${Y} (${WIDTH}x${HEIGHT}) is not centred"
fi
# A message box of the load would be a window of its own named after the program.
timeout 5 xdotool search --onlyvisible --name '^Decorama$' >/dev/null 2>&1 && fail "a message box is showing after start-up"
# The corners beside the title strip and below the tab control, and the gap between them.
convert "$out/01-start.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/main-window.png"
for point in "3,3" "$(px 9000),3" "3,$(px 5960)" "$(px 6000),$(px 660)"; do
    colour=$(convert "$work/main-window.png" -format "%[pixel:p{${point%,*},${point#*,}}]" info: 2>/dev/null)
    [ "$colour" = "srgb(0,43,17)" ] || fail "background at $point is $colour, not srgb(0,43,17)"
done

about_closed() { ! xdotool search --onlyvisible --name '^About ' >/dev/null 2>&1; }
click_at "$(px 8325)" "$(px 300)"
if about=$(wine_wait_window '^About ' 30); then
    e2e_shot 20 "02-about"
    eval "$(xdotool getwindowgeometry --shell "$about")"
    xdotool mousemove $((X + $(px 6600))) $((Y + $(px 5287))) sleep 0.3 click 1
    wait_for 10 about_closed || fail "the About box's Close button left it open"
else
    wine_screenshot "$out/02-no-about.png"
    fail "the help button opened no window named About ..."
fi

# Through every control with Tab and the arrow keys, the pointer across the title strip and the tabs.
e2e_tab 0
for _ in $(seq 1 12); do xdotool key Tab Down Up; sleep 0.1; done
xdotool key shift+Tab shift+Tab Right Left
for y in 5 20 60 150 300 390; do
    for x in 5 100 300 500 540 555 570 610; do xdotool mousemove $((win_x + x)) $((win_y + y)) sleep 0.05; done
done
e2e_shot 20 "04-after-input"
kill -0 "$WINE_PID" 2>/dev/null && xdotool search --name '^Brindlecove$' >/dev/null 2>&1 ||
    { fail "the program ended under keyboard and mouse input"; e2e_end; }

# ---- 2. Mix - N - Match ----------------------------------------------------------------------
scheme_list_x=$(px $((120 + 240 + 120 + 600))) scheme_list_y=$(($(px $((720 + 2540 + 300))) + 8))
buttons_y=$(px $((720 + 4560 + 187)))
keys() { xdotool key --clearmodifiers --delay 300 "$@"; wine_wait_settled 10 || true; }
numbers() { tr -d '\r' <"$program/$1" | grep . | tr -d ' "'; } # FILE of numbers
check_wallpaper() { # LIST_POSITION: wallpaperList entry POSITION + 2
    local name
    name=$(tr -d '\r' <"$program/wallpapers.txt" | awk -F, -v e=$(($1 + 2)) '$1 + 0 == e {print $2}')
    wait_for 20 reg_is 'HKCU\Control Panel\Desktop' Wallpaper "C:\\Program Files\\Decorama\\$name.bmp" ||
        fail "Wallpaper is '$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)', expected $name.bmp"
}
check_scheme() { # LIST_POSITION
    local row entry expected
    row=$(numbers colorNames.txt | sed -n "$(($1 + 1))p" | cut -d, -f1)
    for entry in Window:5 TitleText:9 ButtonAlternateFace:25 Background:1; do
        expected=$(numbers colors.txt | awk -F, -v r="$row" -v i="${entry#*:}" '$1 == r && $2 == i {print $3 "," $4 "," $5}')
        wait_for 30 reg_is 'HKCU\Control Panel\Colors' "${entry%:*}" "$expected" ||
            fail "Colors\\${entry%:*} is '$(reg_value 'HKCU\Control Panel\Colors' "${entry%:*}")', expected '$expected' (scheme $row)"
    done
}
e2e_tab 1
keys Down Return
check_wallpaper 1
keys Down
click_at "$(px $((120 + 240 + 1080)))" "$buttons_y" # Apply Wallpaper
check_wallpaper 2
click_at "$scheme_list_x" "$scheme_list_y"
keys Down Down
click_at "$(px $((120 + 2520 + 1080)))" "$buttons_y" # Apply Color
check_scheme 2
e2e_shot 10 "mixmatch-scheme-applied"
# Choosing the tab again puts both lists back on their first entries.
e2e_tab 0
e2e_tab 1
keys Down Down Down
click_at "$scheme_list_x" "$scheme_list_y"
keys Down Down Down Down
click_at "$(px $((120 + 4830 + 1867)))" "$buttons_y" # Apply Mix - N - Match
check_wallpaper 3
check_scheme 4
e2e_shot 10 "mixmatch-applied"

# ---- 3. Utilities ---------------------------------------------------------------------------
button_at() { # FRAME_LEFT FRAME_TOP BUTTON_LEFT BUTTON_TOP BUTTON_WIDTH: its centre
    echo "$(px $((120 + $1 + $3 + $5 / 2))) $(px $((720 + $2 + $4 + 187)))"
}
restored() { ! grep -qs '^installed' "$c/logo.sys" "$c/windows/logos.sys" "$c/windows/logow.sys"; }
pages_are() { [ "$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")"$'\n' = "$1" ]; }
record="$c/Program Files/Plus!/themes/themes.exe.log"
recorded() { [ -s "$record" ]; }
e2e_tab 3
wine_screenshot "$out/utilities.png"
# Background, Appearance, Screen Saver, Settings.
expected=""
for button in "120 300 0" "2160 300 2" "120 780 1" "2160 780 3"; do
    # shellcheck disable=SC2086
    set -- $button
    # shellcheck disable=SC2046
    click_at $(button_at 240 540 "$1" "$2" 1920)
    expected="${expected}page=$3"$'\n'
    wait_for 20 pages_are "$expected" ||
        fail "Display Properties pages: got '$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")', expected '${expected%$'\n'}'"
done
# shellcheck disable=SC2046
click_at $(button_at 240 1980 120 300 3960) # Launch Theme Manager
wait_for 20 recorded || true
case "$(tr -d '\r' <"$record" 2>/dev/null)" in
*'themes.exe" /s "C:\program files\Plus!\Windows Default.the"') ;;
*) fail "theme manager command line is '$(tr -d '\r' <"$record" 2>/dev/null)'" ;;
esac
# shellcheck disable=SC2046
click_at $(button_at 240 2880 120 300 3960) # Restore Graphics
wait_for 20 restored || true
for f in logo.sys windows/logos.sys windows/logow.sys; do same_file "$program/98${f#windows/}" "$c/$f"; done
# shellcheck disable=SC2046
click_at $(button_at 4560 540 120 1560 3960) # Log Off Windows
if question=$(wine_wait_window '^Decorama$' 30); then
    e2e_shot 10 "log-off-question"
    xdotool windowactivate --sync "$question" >/dev/null 2>&1
    xdotool key --clearmodifiers Return # Cancel is the default button.
    wait_for 20 program_ended || fail "the program still runs after Cancel"
else
    wine_screenshot "$out/no-question.png"
    fail "Log Off Windows showed no question"
fi

# ---- 4. The close button ------------------------------------------------------------------
wine_stop "$prefix"
run=again
if e2e_start; then
    click_at "$(px 8985)" "$(px 300)"
    wait_for 15 program_ended || fail "the close button did not end the program"
fi
e2e_end
