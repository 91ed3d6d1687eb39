#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer) and
# runs each on its committed seed corpus for FUZZ_SECONDS (default 60). Fails on any crash,
# sanitizer finding, timeout or leak. New inputs go to build-fuzz/corpus, never into the repo;
# a failing input is kept in build-fuzz/artifacts.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds="${FUZZ_SECONDS:-60}"
build="build-fuzz"
targets=(settings scenario fan_control desktop_conf)

if ! cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
    ! cmake --build "$build" -j"$(nproc)"; then
    echo "fuzz: the fuzzers did not build"
    echo "0 passed, ${#targets[@]} failed"
    exit 1
fi

passed=0
failed=0
for name in "${targets[@]}"; do
    corpus="$build/corpus/$name"
    artifacts="$build/artifacts/$name"
    mkdir -p "$corpus" "$artifacts"
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
        -artifact_prefix="$artifacts/")
    [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
    echo "== fuzz $name for ${seconds}s"
    log="$build/$name.log"
    if "$build/${name}_fuzzer" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
        passed=$((passed + 1))
        # Inputs run, coverage and the corpus size at the end.
        grep -E '^#[0-9]+[[:space:]]+DONE' "$log"
    else
        failed=$((failed + 1))
        tail -n 60 "$log"
        echo "fuzz $name FAILED; the input is in $artifacts"
    fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
