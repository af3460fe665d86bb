# The end-to-end scripts' harness, over scripts/wine-env.sh; source this file.
# The scripts run as e2e-NAME.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER:
#   e2e_begin NAME BUILD PROGRAM ARTIFACTS (build, program, out, work; cleans up on exit);
#   fail MESSAGE; e2e_need FILE...; e2e_install VERSION [RUN] ($prefix, $install);
#   e2e_start [ARGS] (decorama.exe settled on a screen: main, win_x, win_y, WIDTH, HEIGHT);
#   e2e_shot SECONDS NAME; e2e_run_end; e2e_tab N; click_at X Y; px TWIPS; reg_value KEY
#   [NAME]; reg_is KEY NAME VALUE; expect_reg KEY NAME VALUE; same_file FROM COPY;
#   wait_for SECONDS COMMAND...; program_ended; e2e_end (status 1 when a check failed).
# shellcheck source=../../scripts/wine-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"

e2e_begin() {
    E2E_NAME=$1 build=$(readlink -m "$2") program=$(readlink -m "$3")
    out="$(readlink -m "$4")/$1" work="$build/$1"
    rm -rf "$out" "$work"
    mkdir -p "$out" "$work"
    failures=0 prefix= run= XVFB_PID=
    trap '[ -n "$prefix" ] && wine_remove_prefix "$prefix"; xvfb_stop' EXIT
    wine_check || exit 1
}

fail() {
    echo "$E2E_NAME: FAIL${run:+ [$run]}: $*" >&2
    failures=$((failures + 1))
}

e2e_need() { local f; for f; do [ -f "$f" ] || { echo "$E2E_NAME: $f not built" >&2; exit 1; }; done; }

e2e_run_end() { wine_stop "$prefix"; xvfb_stop; wine_remove_prefix "$prefix"; prefix=; }

# A fresh prefix with the program folder in C:\Program Files\Decorama.
e2e_install() { # VERSION [RUN]
    prefix=$(wine_new_prefix "$build" "$E2E_NAME${2:+-$2}" "$1") || { fail "no prefix"; return 1; }
    install="$prefix/drive_c/Program Files/Decorama"
    mkdir -p "$install" && cp -r "$program/." "$install/"
}

e2e_start() { # [ARGUMENT...] for decorama.exe
    [ -n "$XVFB_PID" ] || xvfb_start || { fail "no screen"; return 1; }
    wine_start "$prefix" "$out/${run:-decorama}.log" "$install/decorama.exe" "$@"
    main=$(wine_wait_window '^Brindlecove$' 90) || {
        wine_screenshot "$out/${run:+$run-}no-window.png"
        fail "no window Brindlecove within 90 s"
        return 1
    }
    wine_wait_settled 30
    eval "$(xdotool getwindowgeometry --shell "$main" | grep -E '^(X|Y|WIDTH|HEIGHT)=[0-9]+$')"
    win_x=$X win_y=$Y
}

e2e_shot() { wine_wait_settled "$1" || true; wine_screenshot "$out/$2.png"; }

px() { echo $((($1 + 7) / 15)); }

click_at() { xdotool mousemove $((win_x + $1)) $((win_y + $2)) sleep 0.3 click 1; }

# The tab control is at 120, 720 twips, 9000 wide, its four tabs side by side.
e2e_tab() {
    local share=$((($(px 9000) - 6) / 4))
    click_at $(($(px 120) + 2 + share * $1 + share / 2)) $(($(px 720) + 10))
    wine_wait_settled 20 || true
}

reg_value() { # KEY [NAME]: the default value without NAME
    local which=(/ve)
    [ -n "${2:-}" ] && which=(/v "$2")
    # reg ends with 0 or 1 (found or not); anything else is Wine's own trouble: once more.
    for _ in 1 2; do _wine_in "$prefix" timeout 60 "$WINE64" reg query "$1" "${which[@]}" >"$prefix/reg.out" 2>&1 </dev/null && break; [ $? -eq 1 ] && break; done
    tr -d '\r' <"$prefix/reg.out" | grep -E 'REG_(EXPAND_)?SZ' | head -n 1 | sed -E 's/^.*REG_(EXPAND_)?SZ[[:space:]]*//'
}

reg_is() { [ "$(reg_value "$1" "$2")" = "$3" ]; }

expect_reg() { # KEY NAME VALUE
    local got
    got=$(reg_value "$1" "$2")
    [ "$got" = "$3" ] || fail "$1 ${2:-(default)} is '$got', expected '$3'"
}

same_file() { cmp -s "$1" "$2" || fail "$2 is not a copy of $1"; }

wait_for() { # SECONDS COMMAND...: COMMAND polled four times a second
    local _
    for _ in $(seq 1 $(($1 * 4))); do "${@:2}" && return 0; sleep 0.25; done
    return 1
}

program_ended() { ! kill -0 "$WINE_PID" 2>/dev/null; }

e2e_end() {
    [ "$failures" -eq 0 ] && echo "$E2E_NAME: all checks passed; see $out" && exit 0
    echo "$E2E_NAME: $failures check(s) failed; see $out" >&2
    exit 1
}
