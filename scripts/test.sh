#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks that every C++ file is formatted, that every include stays in
# its layer or below, that shellcheck passes every shell script and that test code is at most a
# third of all code, then builds and runs every test: the unit, widget and end-to-end tests with
# warnings as errors; the unit and widget tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer; the Debian package; the fuzzers for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs="$(nproc)"

build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHMDX_WERROR=ON "$@"
    cmake --build "$dir" -j"$jobs"
}

echo "== Formatting"
bash scripts/check-format.sh

echo "== Layers"
python3 scripts/check-layers.py
python3 scripts/check-layers.py --planted

echo "== Translations complete and current"
python3 scripts/check-translations.py

echo "== Shell scripts"
git ls-files -z '*.sh' .ci/run | xargs -0 shellcheck

echo "== Test code at most a third of all code"
python3 scripts/test-share.py --max 33.3

echo "== Build with warnings as errors; every test"
build build-test
ctest --test-dir build-test --output-on-failure -j"$jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
build build-asan -DHMDX_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$jobs" -LE e2e

for stage in scripts/package-check.sh scripts/fuzz.sh; do
    if [ -f "$stage" ]; then
        echo "== $stage"
        bash "$stage"
    fi
done
