#!/usr/bin/env bash
# The pictures of docs/USER-GUIDE.md and of the README, made under Wine on a
# virtual screen (Xvfb) from the win64 build: the main window with a catalogue
# theme; the drawn previews of a Plus!-style theme file, of one saved by a later
# Windows and of one with refused values; the Settings and Details dialogs.
#   scripts/docs-screenshots.sh [BUILD]      (default build/win64; builds it first)
# The pictures go to docs/images; the Wine logs to BUILD/artifacts/docs-screenshots.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
if [ -z "${1:-}" ]; then
    (cd "$root" && cmake --preset win64 >/dev/null && cmake --build --preset win64 -j2 --target decorama) || exit 1
fi
. "$root/scripts/wine-env.sh"
e2e_begin docs-screenshots "$build" "$build/Decorama" "$build/artifacts"
images=$root/docs/images
data=$root/tests/data/themes
mkdir -p "$images"

# The window (or dialog) with that id, as it is on the screen.
shoot() { # WINDOW FILE
    wine_wait_settled 20
    timeout 30 import -display "$DISPLAY" -window "$1" "$images/$2" || fail "no picture $2"
}

# A Plus!-style theme, its files made from the sample collection's.
plus_theme() { # FOLDER
    cp "$data/plus95-jungle.theme" "$1/Jungle.theme"
    cp "$program/Fern Arrow.cur" "$1/Jungle arrow.cur"
    cp "$program/Fern Busy.ani" "$1/Jungle wait.ani"
    cp "$program/Fern Computer.ico" "$1/Jungle My Computer.ico"
    cp "$program/Fern Bin Full.ico" "$1/Jungle full.ico"
    cp "$program/Fern Bin Empty.ico" "$1/Jungle empty.ico"
    convert "$program/Fern Hollow 800x600.bmp" -quality 90 "$1/Jungle Wallpaper.jpg"
    cp "$program/Zuve Zivi ziz Odida.wav" "$1/Jungle Default.wav"
}

# A theme with its colours, wallpaper and icons, and a pointer and an icon that
# point past its own files.
refused_theme() { # FOLDER
    cp "$program/Harbour Dusk 800x600.bmp" "$1/Dusk.bmp"
    cp "$program/Harbour Computer.ico" "$1/Dusk Computer.ico"
    printf '%s\r\n' '[Control Panel\Colors]' 'Background=40 60 90' 'ActiveTitle=90 40 20' \
        'GradientActiveTitle=200 120 60' 'InactiveTitle=90 90 90' 'TitleText=255 255 255' \
        'Window=250 240 225' 'Menu=230 220 200' 'ButtonFace=230 220 200' 'Hilight=90 40 20' \
        '[Control Panel\Desktop]' 'Wallpaper=%ThemeDir%Dusk.bmp' 'WallpaperStyle=2' \
        '[Control Panel\Cursors]' 'Arrow=http://example.com/arrow.cur' \
        '[CLSID\{20D04FE0-3AEA-1069-A2D8-08002B30309D}\DefaultIcon]' 'DefaultValue=%ThemeDir%Dusk Computer.ico,0' \
        '[CLSID\{645FF040-5081-101B-9F08-00AA002F954E}\DefaultIcon]' 'full=\\fileserver\share\bin.ico,0' \
        >"$1/Dusk.theme"
}

# The sample collection's wallpapers are BMP files; its JPEG files are the
# catalogue's preview pictures. ImageMagick makes the JPEG wallpapers.
# Starts decorama.exe with the arguments on a fresh Windows of that version.
start() { # VERSION [ARGUMENT]
    e2e_install "$1" "$run" || return 1
    mkdir -p "$prefix/drive_c/Themes"
    plus_theme "$prefix/drive_c/Themes"
    refused_theme "$prefix/drive_c/Themes"
    local nature="$prefix/drive_c/windows/Resources/Themes/Nature"
    mkdir -p "$nature/DesktopBackground"
    cp "$data/later-windows-nature.theme" "$nature/Nature.theme"
    convert "$program/Glacier Light 1024x768.bmp" -quality 90 "$nature/DesktopBackground/img1.jpg"
    xvfb_start || { fail "no screen"; return 1; }
    e2e_start "${@:2}" || return 1
}
stop() {
    wine_stop "$prefix"
    xvfb_stop
    wine_remove_prefix "$prefix"
}

run=catalogue start win98 && shoot "$main" main-window.png
stop
run=plus start win98 'C:\Themes\Jungle.theme' && shoot "$main" preview-plus-style.png
stop
run=later start win2k 'C:\windows\Resources\Themes\Nature\Nature.theme' && shoot "$main" preview-later-windows.png
stop
run=refused start win98 'C:\Themes\Dusk.theme' && {
    shoot "$main" preview-refused.png
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus "$main" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+t
    if dialog=$(wine_wait_window '^Settings$' 30); then
        shoot "$dialog" settings-dialog.png
        xdotool key --clearmodifiers Escape
    else
        fail "no Settings dialog"
    fi
    sleep 1
    xdotool key --clearmodifiers alt+d
    if dialog=$(wine_wait_window '^Details' 30); then
        xdotool key --clearmodifiers Down
        shoot "$dialog" details-dialog.png
        xdotool key --clearmodifiers Escape
    else
        fail "no Details dialog"
    fi
}
stop
e2e_end
