#!/usr/bin/env bash
# Times the theme application in-process under Wine with the real Windows backend:
# theme_apply_bench.exe of a Windows build applies every theme of the program
# folder (each with its snapshot of the current settings), the snapshot alone, then a
# theme file with a 1024x768 JPEG wallpaper as decocmd applies it, then restores
# "Previous settings", in a scratch prefix per Windows version, and prints its numbers.
# Usage: bench/theme-apply-under-wine.sh [BUILD] [ROUNDS]   (default build/win64, 3)
set -u
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -m "${1:-$here/../build/win64}")
rounds=${2:-3}
. "$here/../scripts/wine-env.sh"
wine_check || exit 1
[ -x "$build/bench/theme_apply_bench.exe" ] || {
    echo "build $build first (target theme_apply_bench)" >&2
    exit 1
}
wine_make_template "$build" || exit 1
status=0
for version in win98 win2k; do
    prefix=$(wine_new_prefix "$build" "theme-apply-bench-$version" "$version") || exit 1
    # The folders such an installation has, and the program installed as a user would.
    mkdir -p "$prefix/drive_c/windows/web" "$prefix/drive_c/WINNT/web" "$prefix/drive_c/Program Files/Decorama"
    cp -r "$build/Decorama/." "$prefix/drive_c/Program Files/Decorama/"
    cp "$build/bench/theme_apply_bench.exe" "$prefix/drive_c/"
    log="$build/artifacts/theme-apply-bench-$version.log"
    mkdir -p "$(dirname "$log")"
    wine_run "$prefix" "$log" 900 "$prefix/drive_c/theme_apply_bench.exe" 'C:\Program Files\Decorama' "$rounds" ||
        status=1
    echo "== $version"
    tr -d '\r' <"$log" | grep -v '^$'
    wine_remove_prefix "$prefix"
done
exit "$status"
