#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds a Release binary and starts hmdx on the simulated chip.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DHMDX_BUILD_TESTS=OFF -DHMDX_BUILD_BENCH=OFF
cmake --build build-release -j"$(nproc)"
exec build-release/src/hmdx --simulate "$@"
