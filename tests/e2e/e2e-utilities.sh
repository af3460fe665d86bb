#!/bin/bash
# End to end under Wine: the "Utilities" tab as a user drives it.
# Run 1 (win98): the four Display Properties buttons each start one Display
# Properties on their page (Wine has no desk.cpl: a stand-in control-panel DLL
# in the system folder records the page it was given); "Launch Theme Manager"
# starts the stand-in theme manager put at the second location with /s and the
# default theme; "Restore Graphics" puts back the Windows 98 pictures; "Log Off
# Windows" asks its question, and Cancel ends the program.
# Runs 2 and 3 (winme, win2k): "Restore Graphics" with the folders such an
# installation has: ME deletes the pictures it does not put back, 2000 works in
# C:\WINNT and leaves C:\windows alone.
# shellcheck source=../wine/wine-env.sh
set -u
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-utilities "$@"
standins="$build/tests/wine/standins"
for standin in cplstub.dll cmdrecord.exe; do
    [ -f "$standins/$standin" ] || { echo "e2e-utilities: $standins/$standin not built" >&2; exit 1; }
done
xvfb_start || exit 1

# Centres of the buttons in their frames on the page at 120, 720 twips (app/frmMain.cpp).
button_at() { # FRAME_LEFT FRAME_TOP BUTTON_LEFT BUTTON_TOP BUTTON_WIDTH
    echo "$(px $((120 + $1 + $3 + $5 / 2))) $(px $((720 + $2 + $4 + 187)))"
}
theme_manager=$(button_at 240 1980 120 300 3960)
restore=$(button_at 240 2880 120 300 3960)
log_off=$(button_at 4560 540 120 1560 3960)

# The installed pictures before a restore, with content of their own.
install_pictures() { # WINDOWS_FOLDER
    mkdir -p "$c/$1"
    printf 'installed logo' >"$c/logo.sys"
    printf 'installed logos' >"$c/$1/logos.sys"
    printf 'installed logow' >"$c/$1/logow.sys"
}

# Once no picture still holds what was installed, each is put back or deleted.
restored() { ! grep -qs '^installed' "$c/logo.sys" "$c/$1/logos.sys" "$c/$1/logow.sys"; }

restore_graphics() { # VERSION WINDOWS_FOLDER
    run=$1
    e2e_install "$1" "$1" || return 1
    c="$prefix/drive_c"
    install_pictures "$2"
    [ "$2" = windows ] || printf 'kept' >"$c/windows/logos.sys"
    e2e_start && e2e_tab 3 || return 1
    # shellcheck disable=SC2086
    click_at $restore
    wait_for 20 restored "$2" || true
}

run=win98
if e2e_install win98 win98; then
    c="$prefix/drive_c"
    cp "$standins/cplstub.dll" "$c/windows/system32/desk.cpl"
    mkdir -p "$c/Program Files/Plus!/themes"
    cp "$standins/cmdrecord.exe" "$c/Program Files/Plus!/themes/themes.exe"
    install_pictures windows
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
        for _ in $(seq 1 40); do
            [ "$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")"$'\n' = "$expected" ] && break
            sleep 0.5
        done
    done
    got=$(tr -d '\r' 2>/dev/null <"$c/cplstub.log")
    [ "$got"$'\n' = "$expected" ] || fail "Display Properties pages: got '$got', expected '${expected%$'\n'}'"

    # shellcheck disable=SC2086
    click_at $theme_manager
    record="$c/Program Files/Plus!/themes/themes.exe.log"
    for _ in $(seq 1 40); do [ -s "$record" ] && break; sleep 0.5; done
    got=$(tr -d '\r' <"$record" 2>/dev/null)
    case "$got" in
    *'themes.exe" /s "C:\program files\Plus!\Windows Default.the"') ;;
    *) fail "theme manager command line is '$got'" ;;
    esac

    # shellcheck disable=SC2086
    click_at $restore
    wait_for 20 restored windows || true
    same_file "$program/98logo.sys" "$c/logo.sys"
    same_file "$program/98logos.sys" "$c/windows/logos.sys"
    same_file "$program/98logow.sys" "$c/windows/logow.sys"

    # shellcheck disable=SC2086
    click_at $log_off
    if question=$(wine_wait_window '^Decorama$' 30); then
        wine_wait_settled 10 || true
        wine_screenshot "$out/$run-log-off-question.png"
        xdotool windowactivate --sync "$question" >/dev/null 2>&1
        xdotool key --clearmodifiers Return # Cancel is the default button.
        for _ in $(seq 1 40); do kill -0 "$WINE_PID" 2>/dev/null && sleep 0.5; done
        ! kill -0 "$WINE_PID" 2>/dev/null || fail "the program still runs after Cancel"
    else
        wine_screenshot "$out/$run-no-question.png"
        fail "Log Off Windows showed no question"
    fi
fi
wine_remove_prefix "$prefix"

if restore_graphics winme windows; then
    [ ! -e "$c/logo.sys" ] || fail "c:\\logo.sys was not deleted"
    [ ! -e "$c/windows/logow.sys" ] || fail "logow.sys was not deleted"
    same_file "$program/meLogos.sys" "$c/windows/logos.sys"
fi
wine_remove_prefix "$prefix"

if restore_graphics win2k WINNT; then
    same_file "$program/2000logo.sys" "$c/logo.sys"
    same_file "$program/2000logos.sys" "$c/WINNT/logos.sys"
    same_file "$program/2000logow.sys" "$c/WINNT/logow.sys"
    [ "$(cat "$c/windows/logos.sys")" = kept ] || fail "C:\\windows\\logos.sys was touched"
fi
e2e_end
