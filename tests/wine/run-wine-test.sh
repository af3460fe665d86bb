#!/bin/bash
# run-wine-test.sh BUILD NAME VERSION SECONDS EXE [ARGS...]: one Windows test program
# under Wine in a fresh prefix, reported as CTest expects (its output on stdout, its
# status as ours). The output is kept in BUILD/artifacts/wine/NAME.log, a GoogleTest
# report in NAME.xml beside it; the prefix is kept in BUILD/wine/prefixes/NAME when
# the test fails. WINE_TEST_SCREEN=1 gives the program a screen of its own (the
# native window tests need real windows); the other tests must not depend on one.
set -u
. "$(dirname "$0")/../../scripts/wine-env.sh"

build=$1 name=$2 version=$3 seconds=$4
shift 4
log="$build/artifacts/wine/$name.log"
mkdir -p "$build/artifacts/wine"
# A Windows program reads the report's path as a Windows path.
GTEST_OUTPUT="xml:$(wine_windows_path "$build/artifacts/wine/$name.xml")"
export GTEST_OUTPUT

wine_check || exit 1
prefix=$(wine_new_prefix "$build" "$name" "$version") || exit 1
XVFB_PID=
if [ "${WINE_TEST_SCREEN:-0}" = 1 ]; then xvfb_start || exit 1; else unset DISPLAY; fi
wine_run "$prefix" "$log" "$seconds" "$@"
status=$?
wine_stop "$prefix"
xvfb_stop

cat "$log"
if [ "$status" -eq 124 ]; then
    echo "run-wine-test: $name ran out of its $seconds seconds" >&2
fi
if [ "$status" -eq 0 ]; then
    rm -rf "$prefix"
else
    echo "run-wine-test: $name failed with status $status; prefix kept in $prefix" >&2
fi
exit "$status"
