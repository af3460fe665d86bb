#!/usr/bin/env bash
# The processor time each screen saver uses per second of running full screen
# under Wine (1024x768), and the size of each saver program. The saver's own
# process and the X server (which puts the frames on the screen) are counted
# separately.
# Usage: bench/saver-cpu-under-wine.sh [BUILD] [SECONDS]   (default build/win64, 10)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -m "${1:-$here/../build/win64}")
seconds=${2:-10}
. "$here/../scripts/wine-env.sh"
wine_check || exit 1
program="$build/Decorama"
[ -f "$program/samples" ] || {
    echo "build $build first (the screen savers and samples)" >&2
    exit 1
}

# User plus system time of a process, in clock ticks.
ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
hz=$(getconf CLK_TCK)
# The Wine process that runs the saver (the loader started by wine_start hands
# the program to a process of its own).
saver_pid() {
    local pid
    for pid in $(_wine_pids "$prefix"); do
        tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "$1.scr" && { echo "$pid"; return; }
    done
    echo "$WINE_PID"
}

prefix=$(wine_new_prefix "$build" saver-cpu-bench win98) || exit 1
xvfb_start 1024x768x24 || exit 1
trap 'wine_remove_prefix "$prefix"; xvfb_stop' EXIT
printf '%-16s %10s %18s %18s\n' saver bytes "saver ms CPU/s" "X server ms CPU/s"
for name in "Orlo Aurora" "Orlo Starfield" "Orlo Bubbles" "Orlo Ribbons"; do
    log="$build/artifacts/saver-cpu-${name// /-}.log"
    mkdir -p "$(dirname "$log")"
    wine_start "$prefix" "$log" "$program/$name.scr" /s
    wine_wait_window "^$name\$" 30 >/dev/null || {
        echo "$name: no window" >&2
        wine_stop "$prefix"
        continue
    }
    sleep 2 # past start-up
    pid=$(saver_pid "$name")
    s0=$(ticks "$pid") x0=$(ticks "$XVFB_PID")
    sleep "$seconds"
    s1=$(ticks "$pid") x1=$(ticks "$XVFB_PID")
    printf '%-16s %10d %18.1f %18.1f\n' "$name" "$(stat -c %s "$program/$name.scr")" \
        "$(echo "($s1 - $s0) * 1000 / $hz / $seconds" | bc -l)" "$(echo "($x1 - $x0) * 1000 / $hz / $seconds" | bc -l)"
    wine_stop "$prefix"
done
printf '%-16s %10d\n' samples "$(stat -c %s "$program/samples")"
