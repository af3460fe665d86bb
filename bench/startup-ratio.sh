#!/usr/bin/env bash
# Start-up under Wine against the smallest Win32 program that shows a window:
# runs the shared measuring script (shared/bench/startup-ratio.sh, beside the
# checkout) on the program folder of a Windows build, ROUNDS times, each printing
# its pairs, medians and ratio.
# Usage: bench/startup-ratio.sh [BUILD] [ROUNDS]   (default build/win64, 3)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -m "${1:-$here/../build/win64}")
rounds=${2:-3}
shared=$(readlink -m "$here/../../shared/bench/startup-ratio.sh")
[ -f "$shared" ] || { echo "startup-ratio: $shared not found" >&2; exit 1; }
[ -f "$build/Decorama/decorama.exe" ] || { echo "startup-ratio: build $build first" >&2; exit 1; }
for round in $(seq 1 "$rounds"); do
    echo "== round $round"
    bash "$shared" "$build/Decorama" decorama.exe Brindlecove 7 | tail -n 1
done
