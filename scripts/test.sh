#!/bin/bash
# Builds and tests everything: the Linux build (logic against the fake Windows),
# the same with AddressSanitizer and UndefinedBehaviorSanitizer, the 64-bit
# Windows build with its tests under Wine, the 32-bit Windows build (built
# only), and the libFuzzer targets of the list-file and theme-file readers built
# with clang: their corpora replayed, then fuzzed for a bounded time
# (DECORAMA_FUZZ_SECONDS, 60 by default, shared between them). Each step's
# output goes to build/logs/<step>.log; a failed step shows the end of its log.
# The Wine tests run while the 32-bit release and the fuzz targets build, so
# their step's time is what was left of them after those.
# Exits non-zero when any step fails.
set -u
cd "$(dirname "$0")/.." || exit 1
root=$(pwd)
logs="$root/build/logs"
mkdir -p "$logs"
rm -f "$logs"/*.log

names=()
results=()
times=()
failed=0

# step NAME COMMAND...: runs one step, records its result and time.
step() {
    local name=$1
    shift
    local log="$logs/$name.log" start end status
    printf '==> %-18s ' "$name"
    start=$(date +%s)
    "$@" >"$log" 2>&1 </dev/null
    status=$?
    end=$(date +%s)
    names+=("$name")
    times+=($((end - start)))
    if [ "$status" -eq 0 ]; then
        results+=("ok")
        printf 'ok      %4ss\n' $((end - start))
    else
        results+=("FAILED")
        failed=1
        printf 'FAILED  %4ss  (log: %s)\n' $((end - start)) "$log"
        echo "---- end of $log (passing tests left out) ----"
        grep -v -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed|^ +Start +[0-9]+: ' "$log" | tail -n 80
        echo "----"
    fi
    return "$status"
}

configure_and_build() {
    cmake --preset "$1" && cmake --build --preset "$1"
}

# The Wine tests mostly wait on Wine, so they run in the background while the
# 32-bit release and the fuzz targets build and fuzz; `finished` is their step.
finished() { # PID OUTPUT
    wait "$1"
    local status=$?
    cat "$2"
    rm -f "$2"
    return "$status"
}

# The fuzz targets alone, in their own clang build folder.
build_fuzz() {
    cmake -S . -B build/fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDECORAMA_FUZZ=ON \
        -DDECORAMA_FUZZ_SECONDS="${DECORAMA_FUZZ_SECONDS:-60}" &&
        cmake --build build/fuzz --target list_file_fuzz theme_file_fuzz picture_fuzz -j 2
}

total_start=$(date +%s)

step deps bash scripts/deps.sh || {
    echo "test: the needed packages are missing; see above" >&2
    exit 1
}

for preset in linux linux-asan; do
    step "build-$preset" configure_and_build "$preset" && step "test-$preset" ctest --preset "$preset"
done

wine_tests=
if step build-win64 configure_and_build win64; then
    ctest --preset win64 >"$logs/test-win64.running" 2>&1 </dev/null &
    wine_tests=$!
fi

step build-win32 configure_and_build win32 && step check-win32 bash scripts/check-release.sh build/win32

if step build-fuzz build_fuzz; then
    step test-fuzz ctest --test-dir build/fuzz -L fuzz --output-on-failure
fi

[ -n "$wine_tests" ] && step test-win64 finished "$wine_tests" "$logs/test-win64.running"

total=$(($(date +%s) - total_start))
echo
echo "Summary"
for i in "${!names[@]}"; do
    printf '  %-18s %-7s %5ss\n' "${names[$i]}" "${results[$i]}" "${times[$i]}"
done
printf '  %-18s %-7s %5ss\n' "total" "" "$total"
echo "Logs: $logs; Wine test output and screenshots: build/win64/artifacts"

# One closing line over every test run: "tests: N passed, N failed".
passed=0
failures=0
for log in "$logs"/test-*.log; do
    [ -f "$log" ] || continue
    line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    [ -n "$line" ] || continue
    out_of=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/')
    passed=$((passed + out_of - bad))
    failures=$((failures + bad))
done
if [ "$failed" -ne 0 ]; then
    echo "test: FAILED"
else
    echo "test: all passed"
fi
echo "tests: $passed passed, $failures failed"
exit "$failed"
