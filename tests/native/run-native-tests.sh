#!/bin/bash
# Runs the native window system's tests under Wine on a screen of their own: real
# windows need a display (Wine creates none without one).
#
#   run-native-tests.sh BUILD SECONDS EXE
#
# The output is kept in BUILD/artifacts/wine/native_tests.log and the GoogleTest
# report in BUILD/artifacts/wine/native_tests.xml; the prefix stays in
# BUILD/wine/prefixes/native_tests when a test fails.
# shellcheck source-path=SCRIPTDIR/../wine
set -u
build=$(readlink -m "$1") seconds=$2 exe=$(readlink -m "$3")
# shellcheck source=../wine/wine-env.sh
. "$(dirname "$0")/../wine/wine-env.sh"

name=native_tests
log="$build/artifacts/wine/$name.log"
mkdir -p "$build/artifacts/wine"
GTEST_OUTPUT="xml:$(wine_windows_path "$build/artifacts/wine/$name.xml")"
export GTEST_OUTPUT
# shellcheck disable=SC2034  # wine-env.sh's xvfb_stop reads it
XVFB_PID=

wine_check || exit 1
prefix=$(wine_new_prefix "$build" "$name" win98) || exit 1
xvfb_start 1024x768x24 || exit 1
wine_run "$prefix" "$log" "$seconds" "$exe"
status=$?
wine_stop "$prefix"
xvfb_stop

cat "$log"
[ "$status" -eq 124 ] && echo "run-native-tests: the tests ran out of their $seconds seconds" >&2
if [ "$status" -eq 0 ]; then
    rm -rf "$prefix"
else
    echo "run-native-tests: failed with status $status; prefix kept in $prefix" >&2
fi
exit "$status"
