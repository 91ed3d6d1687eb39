#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file under src/, tests/, fuzz/ or bench/ is not formatted as the repository's
# .clang-format says, and names those files. CLANG_FORMAT picks another clang-format binary.
set -euo pipefail
cd "$(dirname "$0")/.."

clang_format="${CLANG_FORMAT:-clang-format}"
if ! command -v "$clang_format" >/dev/null; then
    echo "check-format: $clang_format is not installed (Debian: apt-get install clang-format)"
    exit 1
fi

unformatted=()
while IFS= read -r -d '' file; do
    "$clang_format" --style=file --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done < <(find src tests fuzz bench -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' \
    -o -name '*.cc' \) -print0 | sort -z)

if [ ${#unformatted[@]} -gt 0 ]; then
    echo "check-format: ${#unformatted[@]} file(s) not formatted; clang-format -i fixes them:"
    printf '  %s\n' "${unformatted[@]}"
    exit 1
fi
echo "check-format: every C++ file is formatted"
