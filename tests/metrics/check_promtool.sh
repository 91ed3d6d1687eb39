#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the alert rules with Prometheus's own promtool: check_promtool.sh RULES_FILE TEST_FILE
# Exits 77 (ctest's skip) when promtool is missing.
set -euo pipefail

if ! command -v promtool >/dev/null; then
    echo "SKIP: promtool is missing (package prometheus; scripts/install-deps.sh installs it)"
    exit 77
fi
promtool check rules "$1"
promtool test rules "$2"
