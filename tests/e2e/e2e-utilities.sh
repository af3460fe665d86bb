#!/bin/bash
# End to end under Wine: the "Utilities" tab as a user drives it.
# Run 1 (win98): the four Display Properties buttons each start one Display
# Properties on their page (Wine has no desk.cpl: a stand-in control-panel DLL
# in the system folder records the page it was given); "Launch Theme Manager"
# starts the stand-in theme manager put at the second location with /s and the
# default theme; "Restore Graphics" puts back the Windows 98 pictures; "Log Off
# Windows" asks its question, and Cancel ends the program. The pictures of the
# other versions, and their folders, are held on the fake (UtilitiesTabTest).
# shellcheck source=../wine/wine-env.sh
set -u
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-utilities "$@"
standins="$build/tests/wine/standins"
e2e_need "$standins/cplstub.dll" "$standins/cmdrecord.exe"

# Centres of the buttons in their frames on the page at 120, 720 twips (app/frmMain.cpp).
button_at() { # FRAME_LEFT FRAME_TOP BUTTON_LEFT BUTTON_TOP BUTTON_WIDTH
    echo "$(px $((120 + $1 + $3 + $5 / 2))) $(px $((720 + $2 + $4 + 187)))"
}
theme_manager=$(button_at 240 1980 120 300 3960)
restore=$(button_at 240 2880 120 300 3960)
log_off=$(button_at 4560 540 120 1560 3960)

# Once no picture still holds what was installed, each is put back.
restored() { ! grep -qs '^installed' "$c/logo.sys" "$c/windows/logos.sys" "$c/windows/logow.sys"; }
pages_are() { [ "$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")"$'\n' = "$1" ]; }
recorded() { [ -s "$record" ]; }

run=win98
if e2e_install win98; then
    c="$prefix/drive_c"
    cp "$standins/cplstub.dll" "$c/windows/system32/desk.cpl"
    mkdir -p "$c/Program Files/Plus!/themes"
    cp "$standins/cmdrecord.exe" "$c/Program Files/Plus!/themes/themes.exe"
    # The installed pictures before the restore, with content of their own.
    for f in logo.sys windows/logos.sys windows/logow.sys; do printf 'installed %s' "$f" >"$c/$f"; done
fi
if [ -n "$prefix" ] && e2e_start && e2e_tab 3; then
    wine_screenshot "$out/$run-utilities.png"
    # Background, Appearance, Screen Saver, Settings.
    expected=""
    for button in "240 540 120 300 1920 0" "240 540 2160 300 1920 2" "240 540 120 780 1920 1" "240 540 2160 780 1920 3"; do
        # shellcheck disable=SC2086
        set -- $button
        # shellcheck disable=SC2046
        click_at $(button_at "$1" "$2" "$3" "$4" "$5")
        expected="${expected}page=$6"$'\n'
        wait_for 20 pages_are "$expected" ||
            fail "Display Properties pages: got '$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")', expected '${expected%$'\n'}'"
    done

    # shellcheck disable=SC2086
    click_at $theme_manager
    record="$c/Program Files/Plus!/themes/themes.exe.log"
    wait_for 20 recorded || true
    got=$(tr -d '\r' <"$record" 2>/dev/null)
    case "$got" in
    *'themes.exe" /s "C:\program files\Plus!\Windows Default.the"') ;;
    *) fail "theme manager command line is '$got'" ;;
    esac

    # shellcheck disable=SC2086
    click_at $restore
    wait_for 20 restored || true
    same_file "$program/98logo.sys" "$c/logo.sys"
    same_file "$program/98logos.sys" "$c/windows/logos.sys"
    same_file "$program/98logow.sys" "$c/windows/logow.sys"

    # shellcheck disable=SC2086
    click_at $log_off
    if question=$(wine_wait_window '^Decorama$' 30); then
        e2e_shot 10 "$run-log-off-question"
        xdotool windowactivate --sync "$question" >/dev/null 2>&1
        xdotool key --clearmodifiers Return # Cancel is the default button.
        wait_for 20 program_ended || fail "the program still runs after Cancel"
    else
        wine_screenshot "$out/$run-no-question.png"
        fail "Log Off Windows showed no question"
    fi
fi
e2e_end
