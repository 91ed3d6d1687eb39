#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Counts code lines (non-blank, not only a comment) of C++ and Python in src/, tests/, fuzz/
and bench/, and prints the share that is test code (tests/ and fuzz/). With --max PERCENT it
fails when the share is above that."""

import argparse
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CPP = (".cpp", ".h", ".hpp", ".cc")


def language(path):
    if path.endswith(CPP):
        return "cpp"
    if path.endswith(".py"):
        return "py"
    try:
        with open(path, encoding="utf-8") as f:
            first = f.readline()
    except (OSError, UnicodeDecodeError):
        return None
    return "py" if first.startswith("#!") and "python" in first else None


def code_lines(path, lang):
    count = 0
    in_block = False
    with open(path, encoding="utf-8") as f:
        for line in f:
            s = line.strip()
            if lang == "py":
                count += bool(s) and not s.startswith("#")
                continue
            if in_block:
                if "*/" in s:
                    in_block = False
                    s = s.split("*/", 1)[1].strip()
                else:
                    continue
            if s.startswith("/*") and "*/" not in s:
                in_block = True
                continue
            s = re.sub(r"^/\*.*?\*/", "", s).strip()
            count += bool(s) and not s.startswith("//")
    return count


def tree(folder):
    total = 0
    for base, _, files in os.walk(os.path.join(ROOT, folder)):
        for name in files:
            path = os.path.join(base, name)
            lang = language(path)
            if lang:
                total += code_lines(path, lang)
    return total


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--max", type=float)
    args = parser.parse_args()
    counts = {folder: tree(folder) for folder in ("src", "tests", "fuzz", "bench")}
    tests = counts["tests"] + counts["fuzz"]
    total = sum(counts.values())
    share = 100.0 * tests / total
    print(" ".join(f"{k}={v}" for k, v in counts.items()),
          f"tests={tests} all={total} share={share:.1f}%")
    if args.max is not None and share > args.max:
        print(f"test code is {share:.1f}% of all code, above {args.max:g}%", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
