#!/usr/bin/env bash
# What each start-up step costs under Wine: startup_steps_bench.exe of a Windows
# build starts the program from a copy of the program folder, RUNS times, in a
# fresh prefix on a screen of its own, and prints its steps each time; then the
# median of every step. The first run (a cold prefix) is printed but left out of
# the medians, as the start-up ratio leaves it out.
# Usage: bench/startup-steps-under-wine.sh [BUILD] [RUNS] [VERSION]   (default build/win64, 9, win98)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -m "${1:-$here/../build/win64}")
runs=${2:-9}
version=${3:-win98}
. "$here/../scripts/wine-env.sh"
wine_check || exit 1
bench="$build/bench/startup_steps_bench.exe"
[ -x "$bench" ] || {
    echo "build $build first (target startup_steps_bench)" >&2
    exit 1
}
prefix=$(wine_new_prefix "$build" "startup-steps-$version" "$version") || exit 1
install="$prefix/drive_c/Program Files/Decorama"
mkdir -p "$install"
cp -r "$build/Decorama/." "$install/"
cp "$bench" "$install/"
xvfb_start || exit 1
trap 'wine_stop "$prefix"; xvfb_stop; wine_remove_prefix "$prefix"' EXIT

lines="$build/artifacts/startup-steps-$version.txt"
mkdir -p "$(dirname "$lines")"
: >"$lines"
echo "== start-up steps under Wine ($version), ms"
for run in $(seq 0 "$runs"); do
    log="$build/artifacts/startup-steps-$version-$run.log"
    wine_run "$prefix" "$log" 60 "$install/startup_steps_bench.exe" || echo "run $run failed, see $log"
    line=$(tr -d '\r' <"$log" | grep '^process ')
    echo "run $run: $line"
    [ "$run" -gt 0 ] && [ -n "$line" ] && echo "$line" >>"$lines"
done
# The lines read "process P  windows W  controls C  load L  show S  paint T  (ms)".
awk '{ for (i = 1; i + 1 <= NF; i += 2) if ($(i + 1) ~ /^[0-9.]+$/) { v[$i] = v[$i] " " $(i + 1); n[$i]++ } }
     END {
         split("process windows controls load show paint", order, " ")
         printf "median:"
         for (k = 1; k <= 6; k++) {
             m = split(substr(v[order[k]], 2), a, " ")
             for (i = 1; i <= m; i++) for (j = i + 1; j <= m; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
             printf " %s %s", order[k], a[int((m + 1) / 2)]
         }
         printf "  (ms, %d runs)\n", n["process"]
     }' "$lines"
