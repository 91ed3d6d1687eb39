# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs one end-to-end case against an installed hmdx: run_case.py --prefix DIR CASE."""

import argparse
import glob
import importlib
import os
import shutil
import sys
import time

import harness

SKIP = 77  # ctest's SKIP_RETURN_CODE


def main():
    # Each case module registers its cases with harness.case when imported.
    for path in sorted(glob.glob(os.path.join(harness.HERE, "case_*.py"))):
        importlib.import_module(os.path.basename(path)[:-3])
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--prefix", required=True, help="install prefix holding bin/hmdx")
    parser.add_argument("--artifacts", required=True,
                        help="where a failing case leaves its screenshot")
    parser.add_argument("case", choices=sorted(harness.CASES))
    args = parser.parse_args()

    missing = [tool for tool in ("Xvfb", "xdotool", "trayer") if not shutil.which(tool)]
    if missing:
        print(f"missing {', '.join(missing)}: run scripts/install-deps.sh")
        return 1
    binary = os.path.join(args.prefix, "bin", "hmdx")
    if not os.access(binary, os.X_OK):
        print(f"{binary} is not installed (the e2e.install fixture puts it there)")
        return 1

    started = time.monotonic()
    try:
        with harness.Session(args.prefix, args.artifacts, args.case) as session:
            harness.CASES[args.case](session)
    except harness.Skip as skip:
        print(f"SKIP {args.case}: {skip}")
        return SKIP
    except harness.Failure as failure:
        print(f"FAIL {args.case}: {failure}")
        return 1
    print(f"ok {args.case} ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
