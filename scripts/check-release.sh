#!/bin/bash
# Checks the 32-bit release in BUILD (build/win32 by default): every program of
# the program folder is stripped, decorama.exe is below 1 MiB, each imports
# only DLLs that Windows 95 to 2000 have (msvcrt.dll included: a bare first
# release of Windows 95 lacks it, see the README), and decorama.exe imports none
# of the functions the layer looks up at first use (src/platform/win32).
set -u
cd "$(dirname "$0")/.." || exit 1
build=${1:-build/win32}
folder="$build/Decorama"
objdump=i686-w64-mingw32-objdump
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|winmm|version|comctl32|comdlg32|msvcrt)\.dll$'
limit=$((1024 * 1024))
status=0

[ -f "$folder/decorama.exe" ] || { echo "check-release: $folder/decorama.exe is missing" >&2; exit 1; }
size=$(stat -c %s "$folder/decorama.exe")
echo "decorama.exe: $size bytes"
if [ "$size" -ge "$limit" ]; then
    echo "check-release: decorama.exe is $size bytes, not below 1 MiB" >&2
    status=1
fi

for program in "$folder"/*.exe "$folder"/*.scr "$folder"/*.SCR; do
    [ -f "$program" ] || continue
    if "$objdump" -h "$program" | grep -q '\.debug_'; then
        echo "check-release: $program carries debugging sections (not stripped)" >&2
        status=1
    fi
    for dll in $("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
        if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
            echo "check-release: $program imports $dll, which Windows 95 to 2000 do not all have" >&2
            status=1
        fi
    done
done
# A Windows that lacks one of those (Windows 95 has no GetDiskFreeSpaceExA before
# OSR2) would not start a program that imports it.
late=$(cat src/platform/win32/*.cpp | tr '\n' ' ' | grep -o 'LateFunction<[^>]*> function( *"[^"]*", *"[^"]*"' |
    sed 's/.*"\([^"]*\)"$/\1/' | sort -u)
imported=$("$objdump" -p "$folder/decorama.exe" | awk 'NF == 3 && $1 ~ /^[0-9a-f]+$/ && $2 ~ /^[0-9]+$/ { print $3 }')
[ -n "$late" ] && [ -n "$imported" ] || { echo "check-release: no late-bound functions or no imports found" >&2; status=1; }
for name in $late; do
    if printf '%s\n' "$imported" | grep -qxF "$name"; then
        echo "check-release: decorama.exe imports $name, which the layer looks up at first use" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "check-release: the release is stripped, small enough and imports only what Windows 95 to 2000 have"
exit "$status"
