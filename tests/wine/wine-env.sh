# Shell functions for running the Windows build under Wine; source this file.
# Every test works in a fresh prefix copied from a template made once per build
# folder; Wine's output goes to a file, never a pipe (the wineserver keeps inherited
# pipes open); every wait has a time limit; a wineserver that does not end is killed
# by process id, the processes of its own prefix only.
#
# Wine (PREFIX: a prefix folder; VERSION: win95 win98 winme nt40 win2k winxp win7):
#   wine_check; wine_make_template BUILD; wine_new_prefix BUILD NAME VERSION (prints
#   BUILD/wine/prefixes/NAME); wine_set_version PREFIX VERSION [EXE]; wine_run PREFIX LOG
#   SECONDS EXE ARGS (124: out of time); wine_start PREFIX LOG EXE ARGS (background,
#   WINE_PID); wine_stop PREFIX; wine_remove_prefix PREFIX; wine_windows_path PATH;
#   xvfb_start [WxHxD] (DISPLAY, XVFB_PID; 1024x768x24); xvfb_stop; wine_screenshot FILE;
#   wine_wait_settled SECONDS (the same picture twice, WINE_SETTLE_QUIET apart);
#   wine_wait_window NAME SECONDS, wine_wait_program_window EXE SECONDS (print an X window id).
# End-to-end scripts, run as e2e-NAME.sh BUILD PROGRAM_FOLDER ARTIFACT_FOLDER:
#   e2e_begin NAME BUILD PROGRAM ARTIFACTS (build, program, out, work; cleans up on exit);
#   fail MESSAGE; e2e_need FILE...; e2e_install VERSION [RUN] ($prefix, $install);
#   e2e_start [ARGS] (decorama.exe settled on a screen: main, win_x, win_y, WIDTH, HEIGHT);
#   e2e_shot SECONDS NAME; e2e_run_end; e2e_tab N; click_at X Y; px TWIPS; reg_value KEY
#   [NAME]; reg_is KEY NAME VALUE; expect_reg KEY NAME VALUE; same_file FROM COPY;
#   wait_for SECONDS COMMAND...; program_ended; e2e_end (status 1 when a check failed).
WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER64=${WINESERVER64:-/usr/lib/wine/wineserver64}

wine_check() {
    [ -x "$WINE64" ] && [ -x "$WINESERVER64" ] && return 0
    echo "wine64 not found ($WINE64, $WINESERVER64): install the Debian packages wine and wine64" >&2
    return 1
}

# A command in a prefix's environment: no Mono, Gecko or menu entries, no debug
# chatter, and not the template's lock (fd 9), which a wineserver would keep.
_wine_in() {
    local prefix=$1
    shift
    env WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINELOADER="$WINE64" \
        WINESERVER="$WINESERVER64" WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" "$@" 9>&-
}

wine_windows_path() {
    local path
    path=$(readlink -m "$1")
    printf 'Z:%s\n' "${path//\//\\}"
}

# Everything Wine runs for a prefix carries the prefix in its environment.
_wine_pids() {
    local pid
    for pid in /proc/[0-9]*; do
        pid=${pid#/proc/}
        [ "$pid" = "$$" ] && continue
        { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$1" &&
            [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == *wine* ]] && echo "$pid"
    done
}

wine_stop() {
    local pids
    [ -d "$1" ] || return 0
    _wine_in "$1" timeout -k 5 20 "$WINESERVER64" -k >/dev/null 2>&1 </dev/null
    _wine_in "$1" timeout -k 5 30 "$WINESERVER64" -w >/dev/null 2>&1 </dev/null
    pids=$(_wine_pids "$1")
    [ -z "$pids" ] && return 0
    echo "wine_stop: killing leftover Wine processes of $1: $pids" >&2
    # shellcheck disable=SC2086
    kill -9 $pids 2>/dev/null
    return 0
}

wine_remove_prefix() { wine_stop "$1"; rm -rf "$1"; }

# Made by one caller at a time, and again when Wine's version changed.
wine_make_template() {
    local root="$1/wine" template="$1/wine/template" wine_version
    wine_check || return 1
    wine_version=$("$WINE64" --version 2>/dev/null)
    mkdir -p "$root"
    (
        flock -w 600 9 || { echo "wine_make_template: timed out waiting for $root/template.lock" >&2; exit 1; }
        [ "$(cat "$template/.decorama-ready" 2>/dev/null)" = "$wine_version" ] && exit 0
        wine_remove_prefix "$template"
        echo "wine_make_template: creating $template" >&2
        if ! _wine_in "$template" env -u DISPLAY timeout -k 10 300 "$WINE64" wineboot -i \
            >"$root/template.log" 2>&1 </dev/null; then
            echo "wine_make_template: wineboot failed, see $root/template.log" >&2
            wine_remove_prefix "$template"
            exit 1
        fi
        # The server's end writes the registry out to the prefix.
        _wine_in "$template" timeout -k 5 120 "$WINESERVER64" -w >/dev/null 2>&1 </dev/null
        wine_stop "$template"
        if [ ! -f "$template/system.reg" ] || [ ! -d "$template/drive_c/windows/system32" ]; then
            echo "wine_make_template: the prefix is incomplete, see $root/template.log" >&2
            exit 1
        fi
        printf '%s\n' "$wine_version" >"$template/.decorama-ready"
    ) 9>"$root/template.lock"
}

# The version Wine plays (HKCU\Software\Wine, or its AppDefaults\EXE for one program),
# written into the user registry file before the prefix's first run.
wine_set_version() { # PREFIX VERSION [EXE]
    local key='Software\\Wine'
    [ -n "${3:-}" ] && key="$key\\\\AppDefaults\\\\$3"
    printf '\n[%s] %s\n"Version"="%s"\n' "$key" "$(date +%s)" "$2" >>"$1/user.reg"
}

wine_new_prefix() { # BUILD NAME VERSION
    local prefix="$1/wine/prefixes/$2"
    wine_make_template "$1" || return 1
    wine_remove_prefix "$prefix"
    mkdir -p "$1/wine/prefixes"
    cp -a "$1/wine/template" "$prefix" || return 1
    rm -f "$prefix/.decorama-ready"
    if [ -n "$3" ] && ! wine_set_version "$prefix" "$3"; then
        echo "wine_new_prefix: could not set Windows version $3 in $prefix/user.reg" >&2
        return 1
    fi
    printf '%s\n' "$prefix"
}

wine_run() {
    local prefix=$1 log=$2 seconds=$3
    shift 3
    mkdir -p "$(dirname "$log")"
    _wine_in "$prefix" timeout -k 10 "$seconds" "$WINE64" "$@" >"$log" 2>&1 </dev/null
}

wine_start() {
    local prefix=$1 log=$2
    shift 2
    mkdir -p "$(dirname "$log")"
    _wine_in "$prefix" "$WINE64" "$@" >"$log" 2>&1 </dev/null &
    WINE_PID=$!
}

# A free display of its own; one lost to another starter is passed over.
xvfb_start() {
    local n i
    for n in $(seq 90 189); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 "${1:-1024x768x24}" -nolisten tcp >/dev/null 2>&1 </dev/null &
        XVFB_PID=$!
        for i in $(seq 1 50); do
            kill -0 "$XVFB_PID" 2>/dev/null || break
            timeout 5 xdpyinfo -display ":$n" >/dev/null 2>&1 && export DISPLAY=":$n" && return 0
            sleep 0.2
        done
        xvfb_stop
    done
    echo "xvfb_start: no free display" >&2
    return 1
}

xvfb_stop() {
    [ -n "$XVFB_PID" ] || return 0
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
}

wine_screenshot() {
    mkdir -p "$(dirname "$1")"
    timeout 30 import -display "$DISPLAY" -window root "$1"
}

wine_wait_settled() {
    local previous= current deadline=$(($(date +%s) + $1))
    while [ "$(date +%s)" -lt "$deadline" ]; do
        current=$(timeout 10 import -display "$DISPLAY" -window root -depth 8 rgb:- 2>/dev/null | md5sum)
        [ "$current" = "$previous" ] && return 0
        previous=$current
        sleep "${WINE_SETTLE_QUIET:-0.5}"
    done
    return 1
}

# The first visible window xdotool search finds with OPTIONS, for up to SECONDS.
_wine_wait_search() { # SECONDS OPTIONS...
    local id _
    for _ in $(seq 1 $(($1 * 4))); do
        id=$(timeout 5 xdotool search --onlyvisible "${@:2}" 2>/dev/null | head -n 1)
        [ -n "$id" ] && printf '%s\n' "$id" && return 0
        sleep 0.25
    done
    return 1
}

wine_wait_window() { _wine_wait_search "$2" --name "$1"; }

wine_wait_program_window() { _wine_wait_search "$2" --class "^$1\$"; }

# ---- end-to-end scripts -----------------------------------------------------------------

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
    _wine_in "$prefix" timeout 60 "$WINE64" reg query "$1" "${which[@]}" >"$prefix/reg.out" 2>&1 </dev/null
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
