# Shell functions for running the Windows build under Wine: the start command, the
# benchmarks and the tests use them; source this file. Every run works in a fresh prefix
# copied from a template made once per build folder; Wine's output goes to a file, never
# a pipe (the wineserver keeps inherited pipes open); every wait has a time limit; a
# wineserver that does not end is killed by process id, the processes of its own prefix
# only.
#
# Wine (PREFIX: a prefix folder; VERSION: win95 win98 winme nt40 win2k winxp win7):
#   wine_check; wine_make_template BUILD; wine_new_prefix BUILD NAME VERSION (prints
#   BUILD/wine/prefixes/NAME); wine_set_version PREFIX VERSION [EXE]; wine_run PREFIX LOG
#   SECONDS EXE ARGS (124: out of time); wine_start PREFIX LOG EXE ARGS (background,
#   WINE_PID); wine_stop PREFIX; wine_remove_prefix PREFIX; wine_windows_path PATH;
#   xvfb_start [WxHxD] (DISPLAY, XVFB_PID; 1024x768x24); xvfb_stop; wine_screenshot FILE;
#   wine_wait_settled SECONDS (the same picture twice, WINE_SETTLE_QUIET apart);
#   wine_wait_window NAME SECONDS, wine_wait_program_window EXE SECONDS (print an X window id).
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
