#!/bin/bash
# Builds the 64-bit Windows program and starts it under Wine.
#
# With a display (DISPLAY set) the program opens there and the script waits until
# it is closed. Without one it runs on a virtual screen, takes a screenshot once
# the window is drawn, prints where the picture is, and ends the program.
#
# Environment: DECORAMA_WINE_VERSION, the Windows version Wine reports (win98 by
# default; win95 winme nt40 win2k winxp win7).
set -u
cd "$(dirname "$0")/.." || exit 1
root=$(pwd)
. "$root/scripts/wine-env.sh"

build="$root/build/win64"
program="$build/Decorama/decorama.exe"
artifacts="$build/artifacts"
version=${DECORAMA_WINE_VERSION:-win98}

bash scripts/deps.sh || exit 1
echo "start: building the win64 preset"
mkdir -p "$root/build"
if ! { cmake --preset win64 && cmake --build --preset win64; } >"$root/build/start-build.log" 2>&1; then
    tail -n 60 "$root/build/start-build.log"
    echo "start: the build failed (log: build/start-build.log)" >&2
    exit 1
fi
if [ ! -f "$program" ]; then
    echo "start: $program was not built" >&2
    exit 1
fi

# One prefix for interactive runs, kept between them like a machine of its own.
prefix="$build/wine/prefixes/start-$version"
if [ ! -f "$prefix/system.reg" ]; then
    echo "start: preparing a Wine prefix for $version (the first time takes a while)"
    wine_new_prefix "$build" "start-$version" "$version" >/dev/null || exit 1
fi
mkdir -p "$artifacts"
log="$artifacts/start-wine.log"

if [ -n "${DISPLAY:-}" ]; then
    echo "start: running $program on $DISPLAY (Wine output: $log)"
    wine_start "$prefix" "$log" "$program"
    wait "$WINE_PID"
    status=$?
    wine_stop "$prefix"
    exit "$status"
fi

xvfb_start || exit 1
trap 'wine_stop "$prefix"; xvfb_stop' EXIT
echo "start: no display; running $program on the virtual screen $DISPLAY"
wine_start "$prefix" "$log" "$program"
if ! wine_wait_program_window decorama.exe 60 >/dev/null; then
    echo "start: no window of decorama.exe after 60 s (Wine output: $log)" >&2
elif ! wine_wait_settled 30; then
    echo "start: the screen was still changing after 30 s" >&2
fi
screenshot="$artifacts/start.png"
if wine_screenshot "$screenshot"; then
    echo "start: screenshot in $screenshot"
else
    echo "start: the screenshot failed" >&2
    exit 1
fi
