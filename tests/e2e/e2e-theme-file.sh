#!/usr/bin/env bash
# A theme file opened from the shell and applied as a user would, under Wine:
# "decorama.exe C:\Themes\E2E.theme" starts with the file opened (kept among the
# user's opened files) and selected, its preview drawn; Alt+T opens the Settings
# dialog, Alt+C switches the colours off, Enter keeps the choice; a click on
# "Apply Theme" applies the file. The registry is read back: the wallpaper and the
# sound set, the colours left as they were, no message box. Then Down selects
# "Previous settings", the entry after the file, and Enter applies it: the wallpaper
# and the sound are back as they were before. Runs on win98 and win2k.
set -u
. "$(dirname "$0")/../wine/e2e-harness.sh"
e2e_begin e2e-theme-file "$@"

wallpaper_source=$(ls "$program"/*1024x768.bmp | head -n 1)
theme='C:\Themes\E2E.theme' asterisk='HKCU\AppEvents\Schemes\Apps\.Default\SystemAsterisk\.Current'
no_message_box() { ! xdotool search --onlyvisible --name '^Decorama$' >/dev/null 2>&1 || fail "a message box was shown"; }

apply_file() {
    local version=$1 got colours_before wallpaper_before sound_before
    e2e_install "$version" "$run" || return
    local themes="$prefix/drive_c/Themes"
    mkdir -p "$themes"
    cp "$wallpaper_source" "$themes/E2E wallpaper.bmp"
    cp "$program/Zuve Zivi ziz Odida.wav" "$themes/E2E ding.wav"
    printf '%s\r\n' '[Control Panel\Colors]' 'Window=10 20 30' 'ButtonFace=10 20 30' \
        '[Control Panel\Desktop]' 'Wallpaper=%ThemeDir%E2E wallpaper.bmp' 'TileWallpaper=0' \
        '[AppEvents\Schemes\Apps\.Default\SystemAsterisk\.Current]' 'DefaultValue=%ThemeDir%E2E ding.wav' \
        >"$themes/E2E.theme"
    colours_before=$(reg_value 'HKCU\Control Panel\Colors' Window)
    wallpaper_before=$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)
    sound_before=$(reg_value "$asterisk" '')
    e2e_start "$theme" || { wine_stop "$prefix"; xvfb_stop; return; }
    wine_screenshot "$out/$run-selected.png"
    expect_reg 'HKCU\Software\Decorama' 'Theme file 1' "$theme"

    # Settings: colours off, kept with Enter.
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus "$main" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+t
    if settings=$(wine_wait_window '^Settings$' 30); then
        e2e_shot 10 "$run-settings"
        xdotool key --clearmodifiers alt+c
        sleep 0.5
        xdotool key --clearmodifiers Return
        wait_for 20 bash -c "! xdotool search --onlyvisible --name '^Settings\$' >/dev/null 2>&1" ||
            fail "the Settings dialog did not close on Enter"
    else
        fail "Alt+T opened no Settings dialog"
    fi

    # "Apply Theme", below the theme list.
    click_at $(px $((120 + 240 + 2220))) $(px $((720 + 4560 + 187)))
    wait_for 60 reg_is 'HKCU\Control Panel\Desktop' Wallpaper 'C:\Themes\E2E wallpaper.bmp' ||
        fail "the wallpaper is '$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)'"
    e2e_shot 20 "$run-applied"
    no_message_box
    expect_reg "$asterisk" '' 'C:\Themes\E2E ding.wav'
    expect_reg 'HKCU\Control Panel\Colors' Window "$colours_before" # switched off

    # "Previous settings", after the file in the list, which has the focus again.
    xdotool key --clearmodifiers Down
    e2e_shot 20 "$run-previous"
    xdotool key --clearmodifiers Return
    wait_for 60 reg_is 'HKCU\Control Panel\Desktop' Wallpaper "$wallpaper_before" ||
        fail "the wallpaper is '$(reg_value 'HKCU\Control Panel\Desktop' Wallpaper)' after Previous settings, expected '$wallpaper_before'"
    e2e_shot 20 "$run-restored"
    no_message_box
    expect_reg "$asterisk" '' "$sound_before"
    expect_reg 'HKCU\Control Panel\Colors' Window "$colours_before"
    e2e_run_end
}

run=win98 apply_file win98
run=win2k apply_file win2k

e2e_end
