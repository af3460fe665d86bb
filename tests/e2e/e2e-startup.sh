#!/usr/bin/env bash
# Start-up and the main window as a user sees them, under Wine: decorama.exe
# started from a copy of the program folder in C:\Program Files\Decorama, in a
# fresh prefix on a screen of its own. Once the window "Brindlecove" is up:
#   - no message box is showing and the window is centred (the load went through);
#   - its background is red 0, green 43, blue 17;
#   - the theme list holds the names of themes.txt in file order, the first one
#     selected (read from the live combo box by a small Win32 inspector);
#   - the preview picture is a visible child window at the layout the first
#     theme's name selects, and the screen there shows the first theme's preview
#     (close to the JPEG's pixels, clearly further from the second theme's);
#   - the help button opens a window "About ..." whose Close button closes it;
#   - each of the four tabs shows its own page; keys and mouse moves all over the
#     window leave the program running; the title strip's close button ends it.
# shellcheck source-path=SCRIPTDIR
set -u
# shellcheck source=../wine/wine-env.sh
. "$(dirname "$0")/../wine/wine-env.sh"
e2e_begin e2e-startup "$@"

# ---- what the catalogue says ------------------------------------------------------------
themes_file="$program/themes.txt"
[ -f "$themes_file" ] || { echo "e2e-startup: no $themes_file" >&2; exit 1; }
tr -d '\r' <"$themes_file" | awk -F, 'NF >= 6 {print $2}' >"$work/expected-names.txt"
first_name=$(sed -n 1p "$work/expected-names.txt")
first_preview=$(tr -d '\r' <"$themes_file" | awk -F, 'NR == 1 {print $4}')
second_preview=$(tr -d '\r' <"$themes_file" | awk -F, 'NR == 2 {print $4}')
# The preview layout of the first theme's name, in twips on the tab page.
case "$first_name" in
*800x600) layout="4920 1530 3585 2685" ;;
*1024x768) layout="4830 1410 3735 2925" ;;
*) echo "e2e-startup: the first theme '$first_name' has no preview layout" >&2; exit 1 ;;
esac
read -r lay_left lay_top lay_width lay_height <<<"$layout"
echo "first theme: $first_name, preview $first_preview at $layout twips"

# ---- the inspector: reads the live window's child controls --------------------------------
cat >"$work/inspect.cpp" <<'EOF'
// Lists the child windows of "Brindlecove": class, screen rectangle, visibility;
// for combo boxes also their items and selected position.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

static BOOL CALLBACK visit(HWND window, LPARAM) {
    char name[64] = {};
    ::GetClassNameA(window, name, sizeof name);
    RECT r;
    ::GetWindowRect(window, &r);
    const unsigned long long id = reinterpret_cast<std::uintptr_t>(window);
    std::printf("window|%llu|%s|%ld|%ld|%ld|%ld|%d\n", id, name, r.left, r.top, r.right - r.left,
                r.bottom - r.top, ::IsWindowVisible(window) ? 1 : 0);
    if (::lstrcmpiA(name, "ComboBox") == 0) {
        const LRESULT count = ::SendMessageA(window, CB_GETCOUNT, 0, 0);
        const LRESULT selected = ::SendMessageA(window, CB_GETCURSEL, 0, 0);
        std::printf("combo|%llu|%ld|%ld\n", id, static_cast<long>(count), static_cast<long>(selected));
        // Across processes the item text comes back whole in its wide form only.
        for (LRESULT i = 0; i < count; ++i) {
            const LRESULT length = ::SendMessageW(window, CB_GETLBTEXTLEN, i, 0);
            std::wstring wide(length > 0 ? static_cast<std::size_t>(length) + 1 : 1, L'\0');
            ::SendMessageW(window, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&wide[0]));
            char text[1024] = {};
            ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
            std::printf("item|%llu|%s\n", id, text);
        }
    }
    return TRUE;
}

int main() {
    HWND form = ::FindWindowA(nullptr, "Brindlecove");
    if (form == nullptr) {
        std::printf("no window\n");
        return 1;
    }
    ::EnumChildWindows(form, visit, 0);
    return 0;
}
EOF
if ! x86_64-w64-mingw32-g++-posix -O1 -static -o "$work/inspect.exe" "$work/inspect.cpp" >"$work/inspect-build.log" 2>&1; then
    cat "$work/inspect-build.log" >&2
    echo "e2e-startup: could not build the inspector" >&2
    exit 1
fi

# ---- start the program --------------------------------------------------------------------
e2e_install win98 || exit 1
xvfb_start || exit 1
e2e_start || exit 1
wine_screenshot "$out/01-start.png" || fail "no screenshot"

# A complete load centres the window on the 1024 x 768 screen.
[ -n "${WIDTH:-}" ] || { fail "could not read the window's place"; exit 1; }
echo "window at ${X},${Y}, ${WIDTH}x${HEIGHT}"
off_x=$((2 * X + WIDTH - 1024)) off_y=$((2 * Y + HEIGHT - 768))
if [ "${off_x#-}" -gt 2 ] || [ "${off_y#-}" -gt 2 ]; then
    fail "the window at ${X},${Y} (${WIDTH}x${HEIGHT}) is not centred"
fi

# A message box of the load would be a window of its own named after the program.
if timeout 5 xdotool search --onlyvisible --name '^Decorama$' >/dev/null 2>&1; then
    fail "a message box is showing after start-up"
fi

# The window's own background: the corners beside the title strip and below the
# tab control, and the gap between them.
convert "$out/01-start.png" -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/main-window.png"
for point in "3,3" "$(px 9000),3" "3,$(px 5960)" "$(px 6000),$(px 660)"; do
    colour=$(convert "$work/main-window.png" -format "%[pixel:p{${point%,*},${point#*,}}]" info: 2>/dev/null)
    [ "$colour" = "srgb(0,43,17)" ] || fail "background at $point is $colour, not srgb(0,43,17)"
done

wine_run "$prefix" "$out/inspect.txt" 60 "$work/inspect.exe" || fail "the inspector could not read the window"
tr -d '\r' <"$out/inspect.txt" >"$work/inspect.txt"

# ---- the theme list -----------------------------------------------------------------------
# The visible combo box whose items are the theme names (the wallpaper list on
# the hidden Mix - N - Match page may carry the same names).
theme_combo=
for id in $(awk -F'|' '$1 == "window" && tolower($3) == "combobox" && $8 == 1 {print $2}' "$work/inspect.txt"); do
    awk -F'|' -v id="$id" '$1 == "item" && $2 == id {print $3}' "$work/inspect.txt" >"$work/items-$id.txt"
    cmp -s "$work/items-$id.txt" "$work/expected-names.txt" && theme_combo=$id
done
if [ -z "$theme_combo" ]; then
    fail "no list holds the $(wc -l <"$work/expected-names.txt") theme names of themes.txt in order"
else
    selected=$(awk -F'|' -v id="$theme_combo" '$1 == "combo" && $2 == id {print $4}' "$work/inspect.txt")
    [ "$selected" = 0 ] || fail "the theme list's selection is '$selected', expected the first theme (0)"
fi

# ---- the preview's place and pixels --------------------------------------------------------
tabs=$(awk -F'|' '$1 == "window" && tolower($3) == "systabcontrol32" {print $4, $5; exit}' "$work/inspect.txt")
[ -n "$tabs" ] || { fail "no tab control on the window"; exit 1; }
read -r tabs_x tabs_y <<<"$tabs"
pre_x=$((tabs_x + $(px "$lay_left"))) pre_y=$((tabs_y + $(px "$lay_top")))
pre_w=$(px "$lay_width") pre_h=$(px "$lay_height")
echo "preview expected at ${pre_w}x${pre_h}+${pre_x}+${pre_y} on the screen"
awk -F'|' -v x="$pre_x" -v y="$pre_y" -v w="$pre_w" -v h="$pre_h" \
    '$1 == "window" && $4 == x && $5 == y && $6 == w && $7 == h && $8 == 1 {found = 1} END {exit !found}' \
    "$work/inspect.txt" || fail "no visible child window at the preview layout ${pre_w}x${pre_h}+${pre_x}+${pre_y}"

# Normalised root-mean-square difference of two pictures of the same size (0 same, 1 opposite).
difference() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p'; }
convert "$out/01-start.png" -crop "${pre_w}x${pre_h}+${pre_x}+${pre_y}" +repage "$out/preview-shown.png"
convert "$program/$first_preview" -resize "${pre_w}x${pre_h}!" "$work/preview-first.png"
convert "$program/$second_preview" -resize "${pre_w}x${pre_h}!" "$work/preview-second.png"
to_first=$(difference "$out/preview-shown.png" "$work/preview-first.png")
to_second=$(difference "$out/preview-shown.png" "$work/preview-second.png")
echo "difference to $first_preview: $to_first, to $second_preview: $to_second"
if [ -z "$to_first" ] || [ -z "$to_second" ]; then
    fail "could not compare the preview pixels"
else
    awk -v d="$to_first" 'BEGIN {exit !(d < 0.06)}' || fail "the preview differs from $first_preview by $to_first"
    awk -v d="$to_first" -v e="$to_second" 'BEGIN {exit !(e > 3 * d && e > 0.1)}' ||
        fail "the preview is not told apart from $second_preview ($to_second against $to_first)"
fi

# ---- the user's clicks and keys ------------------------------------------------------------
program_alive() { kill -0 "$WINE_PID" 2>/dev/null && xdotool search --name '^Brindlecove$' >/dev/null 2>&1; }
# Polls CONDITION four times a second for at most SECONDS.
wait_for() { # SECONDS CONDITION...
    local _
    for _ in $(seq 1 $(($1 * 4))); do "${@:2}" && return 0; sleep 0.25; done
    return 1
}
about_closed() { ! xdotool search --onlyvisible --name '^About ' >/dev/null 2>&1; }
program_ended() { ! kill -0 "$WINE_PID" 2>/dev/null; }

# The help button opens the About box, and its Close button closes it.
click_at "$(px 8325)" "$(px 300)"
if about=$(wine_wait_window '^About ' 30); then
    wine_wait_settled 20
    wine_screenshot "$out/02-about.png"
    eval "$(xdotool getwindowgeometry --shell "$about")"
    xdotool mousemove $((X + $(px 6600))) $((Y + $(px 5287)))
    sleep 0.3
    xdotool click 1
    wait_for 10 about_closed || fail "the About box's Close button left it open"
else
    wine_screenshot "$out/02-no-about.png"
    fail "the help button opened no window named About ..."
fi

# Each tab shows its own page.
previous=
for tab in 0 1 2 3; do
    e2e_tab $tab
    shot="$out/03-tab$tab.png"
    wine_screenshot "$shot"
    convert "$shot" -crop "${WIDTH}x$HEIGHT+$win_x+$win_y" +repage "$shot"
    if [ -n "$previous" ]; then
        changed=$(compare -metric AE "$previous" "$shot" null: 2>&1 | cut -d' ' -f1)
        [ "${changed:-0}" != 0 ] || fail "tab $tab looks the same as the tab before it"
    fi
    previous=$shot
    program_alive || fail "the program ended after a click on tab $tab"
done

# Tab through every control with Enter and the arrow keys, and the pointer across
# the title strip and the tabs.
e2e_tab 0
for _ in $(seq 1 12); do
    xdotool key Tab Down Up
    sleep 0.1
done
xdotool key shift+Tab shift+Tab Right Left
for y in 5 20 60 150 300 390; do
    for x in 5 100 300 500 540 555 570 610; do
        xdotool mousemove $((win_x + x)) $((win_y + y))
        sleep 0.05
    done
done
wine_wait_settled 20
wine_screenshot "$out/04-after-input.png"
if program_alive; then
    click_at "$(px 8985)" "$(px 300)"
    wait_for 15 program_ended || fail "the close button did not end the program"
else
    fail "the program ended under keyboard and mouse input"
fi

e2e_end
