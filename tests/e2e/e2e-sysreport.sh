#!/bin/bash
# End to end under Wine: sysreport.exe prints what the settings library reads.
#
# Runs BUILD/tools/sysreport.exe as Windows 95, 98, NT 4 and 2000, one after the
# other in one fresh prefix (a copy of the program per version, which Wine's
# per-program settings give its version). Each report has every class, every line "Class.Property = value", no
# error but "unsupported" (and the overflow of memory counts beyond 2 GiB), the
# version line of its Windows, and "unsupported" exactly for the sampled members
# the version lacks. Reports stay in ARTIFACT_FOLDER/e2e-sysreport.
# shellcheck source=../wine/e2e-harness.sh
set -u
. "$(dirname "$0")/../wine/e2e-harness.sh"
e2e_begin e2e-sysreport "$@"
report_exe="$build/tools/sysreport.exe"
e2e_need "$report_exe"

value_of() { # REPORT NAME
    grep -F -m1 "$2 = " "$1" | sed 's/^[^=]* = //' | tr -d '\r'
}

# Members the version lacks, then "--", then members it has.
expect_gates() { # REPORT VERSION NAME... -- NAME...
    local report=$1 version=$2 name value lacking=1
    shift 2
    for name in "$@"; do
        [ "$name" = -- ] && { lacking=0; continue; }
        value=$(value_of "$report" "$name")
        if { [ $lacking = 1 ] && [ "$value" != unsupported ]; } ||
            { [ $lacking = 0 ] && { [ -z "$value" ] || [ "$value" = unsupported ]; }; }; then
            fail "$version: $name reads '$value'"
        fi
    done
}

versions=(win95 win98 nt40 win2k)
prefix=$(wine_new_prefix "$build" e2e-sysreport "") || exit 1
for version in "${versions[@]}"; do
    cp "$report_exe" "$prefix/drive_c/sysreport-$version.exe"
    wine_set_version "$prefix" "$version" "sysreport-$version.exe"
done
for version in "${versions[@]}"; do
    report="$out/sysreport-$version.txt"
    wine_run "$prefix" "$report" 120 "C:\\sysreport-$version.exe"
    status=$?
    [ "$status" -eq 0 ] || fail "$version: sysreport.exe ended with status $status"

    bad=$(grep -c -v -E '^[A-Za-z]+\.[A-Za-z0-9_.]+(\([^)]*\))? = ' "$report")
    [ "$bad" -eq 0 ] || fail "$version: $bad lines are not 'Class.Property = value'"
    for class in NonClientMetrics SystemInfo Mouse Keyboard Accessibility MemoryStatus PowerStatus; do
        grep -q "^$class\." "$report" || fail "$version: no $class lines"
    done
    # Memory counts beyond 2 GiB fail with the overflow error by design (this
    # machine has more, and a 64-bit build sees a 128 TiB address space).
    errors=$(grep ' = error' "$report" | grep -v '^MemoryStatus\.[A-Za-z]* = error 6: Overflow')
    if [ -n "$errors" ]; then
        printf '%s\n' "$errors" | sed "s/^/e2e-sysreport: $version: /" >&2
        fail "$version: members failed with errors"
    fi

    case $version in
    win95)
        [ "$(value_of "$report" SystemInfo.OSVersion)" = "Microsoft Windows 95" ] || fail "win95: version line"
        expect_gates "$report" $version Mouse.HoverX Mouse.WheelPresent SystemInfo.ScreenSaverRunning \
            Accessibility.skLeftAltLatched MemoryStatus.AvailableExtendedVirtual PowerStatus.IsSystemResumeAuto \
            -- Mouse.MouseTrails Accessibility.ssFSTextEffect PowerStatus.ACLineStatus
        ;;
    win98)
        [ "$(value_of "$report" SystemInfo.OSVersion)" = "Microsoft Windows 98" ] || fail "win98: version line"
        # The build is the low word of the field whose high word repeats 4.10.
        number=$(value_of "$report" SystemInfo.OSBuild)
        [ -n "$number" ] && [ "$number" -lt 65536 ] || fail "win98: build number '$number'"
        expect_gates "$report" $version SystemInfo.IsIMMEnabled MemoryStatus.AvailableExtendedVirtual \
            -- Mouse.HoverX Mouse.MouseTrails Accessibility.skLeftAltLatched SystemInfo.ScreenSaverRunning \
            PowerStatus.IsSystemResumeAuto
        ;;
    nt40)
        # NT 4 names its product from the registry: no Windows 2000 "Professional".
        value_of "$report" SystemInfo.OSVersion |
            grep -q '^Microsoft Windows NT Workstation version 4\.0 .*(Build [0-9]*)$' || fail "nt40: version line"
        expect_gates "$report" $version PowerStatus.ACLineStatus PowerStatus.IsSystemResumeAuto \
            Accessibility.fkIndicator Accessibility.ssFSTextEffect Mouse.MouseTrails SystemInfo.ProductType \
            -- Mouse.HoverX Accessibility.fkActive
        ;;
    win2k)
        value_of "$report" SystemInfo.OSVersion | grep -q '^Microsoft Windows 2000 .*version 5\.0 .*(Build 2195)$' ||
            fail "win2k: version line"
        expect_gates "$report" $version Mouse.MouseTrails Accessibility.ssFSTextEffect \
            -- SystemInfo.ProductType MemoryStatus.AvailableExtendedVirtual PowerStatus.ACLineStatus Mouse.HoverDelay
        ;;
    esac
done

e2e_end
