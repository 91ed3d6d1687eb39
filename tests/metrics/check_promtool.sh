#!/usr/bin/env bash
# Checks the metrics text and the alert rules with Prometheus's own promtool.
#   check_promtool.sh metrics WRITE_SAMPLES_PROGRAM
#   check_promtool.sh rules RULES_FILE RULES_TEST_FILE
# Exits 77 (ctest's skip) when promtool is missing.
set -euo pipefail

if ! command -v promtool >/dev/null; then
    echo "SKIP: promtool is missing (package prometheus; scripts/install-deps.sh installs it)"
    exit 77
fi

case "${1:-}" in
metrics)
    folder=$(mktemp -d)
    trap 'rm -rf "$folder"' EXIT
    "$2" "$folder"
    count=0
    for file in "$folder"/*.prom; do
        # promtool reads stdin and fails on lint problems as well as on parse errors.
        if ! out=$(promtool check metrics <"$file" 2>&1); then
            echo "FAIL $(basename "$file"):"
            echo "$out"
            echo "--- text:"
            cat "$file"
            exit 1
        fi
        echo "ok $(basename "$file")"
        count=$((count + 1))
    done
    [ "$count" -eq 5 ] || { echo "expected 5 sample files, found $count"; exit 1; }
    ;;
rules)
    promtool check rules "$2"
    promtool test rules "$3"
    ;;
*)
    echo "usage: $0 metrics PROGRAM | rules FILE TEST_FILE" >&2
    exit 2
    ;;
esac
