#!/bin/bash
# Makes sure the Debian packages that build and test Decorama are installed.
# As root it installs what is missing (apt-get update first); otherwise it names
# the missing packages and fails. Quick when everything is there.
set -u

packages=(
    cmake ninja-build ccache g++ clang googletest libstb-dev # the Linux build and its tests
    g++-mingw-w64-x86-64 g++-mingw-w64-i686           # the Windows builds
    wine wine64                                       # running the Windows build
    xvfb x11-utils xdotool imagemagick                # screens, windows and screenshots under Wine
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null)
    if [ "$status" != "installed" ]; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "deps: missing Debian packages: ${missing[*]}" >&2
    echo "deps: install them as root with: apt-get update && apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! apt-get update -q >/dev/null || ! apt-get install -y -q "${missing[@]}"; then
    echo "deps: apt-get could not install ${missing[*]}" >&2
    exit 1
fi
