#!/bin/bash
# End to end under Wine: the "Utilities" tab as a user drives it.
#
#   e2e-utilities.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER
#
# Run 1 (win98): the four Display Properties buttons each start one Display
# Properties on their page (Wine has no desk.cpl: a stand-in control-panel DLL
# in the system folder records the page it was given); "Launch Theme Manager"
# starts the stand-in theme manager put at the second location with /s and the
# default theme; "Restore Graphics" puts back the Windows 98 pictures; "Log Off
# Windows" asks its question, and Cancel ends the program.
# Runs 2 and 3 (winme, win2k): "Restore Graphics" with the folders such an
# installation has: ME deletes the pictures it does not put back, 2000 works in
# C:\WINNT and leaves C:\windows alone.
# Screenshots stay in ARTIFACT_FOLDER/e2e-utilities. Exits 0 only when every
# check passes.
# shellcheck source-path=SCRIPTDIR
set -u
build=$(readlink -m "$1") program=$(readlink -m "$2") artifacts=$(readlink -m "$3")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

out="$artifacts/e2e-utilities"
rm -rf "$out"
mkdir -p "$out"
standins="$build/tests/wine/standins"
failures=0
prefix=
run=
# shellcheck disable=SC2034  # wine-env.sh's xvfb_stop reads it
XVFB_PID=

fail() {
    echo "e2e-utilities: FAIL [$run]: $*" >&2
    failures=$((failures + 1))
}

# shellcheck disable=SC2317  # run by the EXIT trap
finish() {
    [ -n "$prefix" ] && wine_stop "$prefix"
    xvfb_stop
}
trap finish EXIT

# The Utilities page, in twips as the program places its controls
# (app/frmMain.cpp): the tab control at 120, 720; frames on the page; buttons
# in the frames. Centres of the buttons, 15 twips a pixel.
twips_per_pixel=15
px() { echo $((($1 + twips_per_pixel / 2) / twips_per_pixel)); }
tab_left=$(px 120) tab_top=$(px 720) tab_width=$(px 9000)
page_x=120 page_y=720
button_at() { # FRAME_LEFT FRAME_TOP BUTTON_LEFT BUTTON_TOP BUTTON_WIDTH
    echo "$(px $((page_x + $1 + $3 + $5 / 2))) $(px $((page_y + $2 + $4 + 187)))"
}
background=$(button_at 240 540 120 300 1920)
appearance=$(button_at 240 540 2160 300 1920)
screen_saver=$(button_at 240 540 120 780 1920)
settings=$(button_at 240 540 2160 780 1920)
theme_manager=$(button_at 240 1980 120 300 3960)
restore=$(button_at 240 2880 120 300 3960)
log_off=$(button_at 4560 540 120 1560 3960)

click_at() { # X Y (window-relative)
    xdotool mousemove $((win_x + $1)) $((win_y + $2))
    sleep 0.3
    xdotool click 1
}

same_file() {
    cmp -s "$1" "$2" || fail "$2 is not a copy of $1"
}

# A fresh prefix with the program installed and its main window on the
# Utilities tab; sets prefix, win_x, win_y.
start_program() { # VERSION
    prefix=$(wine_new_prefix "$build" "e2e-utilities-$run" "$1") || return 1
    wine_stop "$prefix"
    install="$prefix/drive_c/Program Files/Decorama"
    mkdir -p "$install"
    cp -r "$program/." "$install/"
}

open_utilities() {
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
    click_at $((tab_left + 2 + tab_share * 3 + tab_share / 2)) $((tab_top + 10))
    sleep 2
    wine_screenshot "$out/$run-utilities.png"
}

# The installed pictures before a restore, with content of their own.
install_pictures() { # WINDOWS_FOLDER
    local c="$prefix/drive_c"
    mkdir -p "$c/$1"
    printf 'installed logo' >"$c/logo.sys"
    printf 'installed logos' >"$c/$1/logos.sys"
    printf 'installed logow' >"$c/$1/logow.sys"
}

wine_check || exit 1
[ -f "$program/decorama.exe" ] || { echo "e2e-utilities: $program/decorama.exe not built" >&2; exit 1; }
for standin in cplstub.dll cmdrecord.exe; do
    [ -f "$standins/$standin" ] || { echo "e2e-utilities: $standins/$standin not built" >&2; exit 1; }
done
xvfb_start 1024x768x24 || exit 1

# ---- 1. Windows 98: the tools, the restore and the log-off question -------------------------
run=win98
if start_program win98; then
    c="$prefix/drive_c"
    cp "$standins/cplstub.dll" "$c/windows/system32/desk.cpl"
    mkdir -p "$c/Program Files/Plus!/themes"
    cp "$standins/cmdrecord.exe" "$c/Program Files/Plus!/themes/themes.exe"
    install_pictures windows
    if open_utilities; then
        expected=""
        for button in "$background 0" "$appearance 2" "$screen_saver 1" "$settings 3"; do
            # shellcheck disable=SC2086
            set -- $button
            click_at "$1" "$2"
            expected="${expected}page=$3"$'\n'
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
        sleep 3
        same_file "$program/98logo.sys" "$c/logo.sys"
        same_file "$program/98logos.sys" "$c/windows/logos.sys"
        same_file "$program/98logow.sys" "$c/windows/logow.sys"

        # shellcheck disable=SC2086
        click_at $log_off
        if question=$(wine_wait_window '^Decorama$' 30); then
            sleep 1
            wine_screenshot "$out/$run-log-off-question.png"
            xdotool windowactivate --sync "$question" >/dev/null 2>&1
            # Cancel is the default button.
            xdotool key --clearmodifiers Return
            ended=no
            for _ in $(seq 1 40); do
                if ! kill -0 "$WINE_PID" 2>/dev/null; then ended=yes; break; fi
                sleep 0.5
            done
            [ "$ended" = yes ] || fail "the program still runs after Cancel"
        else
            wine_screenshot "$out/$run-no-question.png"
            fail "Log Off Windows showed no question"
        fi
    fi
    wine_remove_prefix "$prefix"
else
    fail "no prefix"
fi

# ---- 2. Windows ME: the pictures ME does not put back are deleted ---------------------------
run=winme
if start_program winme; then
    c="$prefix/drive_c"
    install_pictures windows
    if open_utilities; then
        # shellcheck disable=SC2086
        click_at $restore
        sleep 3
        [ ! -e "$c/logo.sys" ] || fail "c:\\logo.sys was not deleted"
        [ ! -e "$c/windows/logow.sys" ] || fail "logow.sys was not deleted"
        same_file "$program/meLogos.sys" "$c/windows/logos.sys"
    fi
    wine_remove_prefix "$prefix"
else
    fail "no prefix"
fi

# ---- 3. Windows 2000: C:\WINNT, and C:\windows left alone --------------------------------------
run=win2k
if start_program win2k; then
    c="$prefix/drive_c"
    install_pictures WINNT
    printf 'kept' >"$c/windows/logos.sys"
    if open_utilities; then
        # shellcheck disable=SC2086
        click_at $restore
        sleep 3
        same_file "$program/2000logo.sys" "$c/logo.sys"
        same_file "$program/2000logos.sys" "$c/WINNT/logos.sys"
        same_file "$program/2000logow.sys" "$c/WINNT/logow.sys"
        [ "$(cat "$c/windows/logos.sys")" = kept ] || fail "C:\\windows\\logos.sys was touched"
    fi
    wine_remove_prefix "$prefix"
else
    fail "no prefix"
fi
prefix=

if [ "$failures" -ne 0 ]; then
    echo "e2e-utilities: $failures check(s) failed; screenshots in $out" >&2
    exit 1
fi
echo "e2e-utilities: all checks passed"
