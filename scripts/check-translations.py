#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that translations/*.ts are complete and current: lupdate run over the sources (on
copies) finds no text that is new, unfinished or gone, and every translation keeps the
placeholders (%1) and the accelerator (&) of its source. Names every text at fault.

--update writes lupdate's result into translations/ first: the one step after new texts
were added; what it prints is then what needs translating."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LUPDATE = "/usr/lib/qt6/bin/lupdate"
# Every layer but the guardian; the same options as the update_translations target.
SOURCES = ["app", "ui", "monitor", "chip", "settings", "platform", "main.cpp"]
OPTIONS = ["-no-obsolete", "-locations", "none", "-tr-function-alias", "translate+=Translated"]


def lupdate(ts_files):
    sources = [str(ROOT / "src" / s) for s in SOURCES]
    subprocess.run([LUPDATE, "-silent", *OPTIONS, "-I", str(ROOT / "src"), *sources, "-ts", *map(str, ts_files)],
                   check=True)


def messages(path):
    for context in ET.parse(path).getroot().iter("context"):
        for m in context.iter("message"):
            yield context.findtext("name"), m


def faults(committed, updated):
    before = {(c, m.findtext("source")) for c, m in messages(committed)}
    found = []
    for context, m in messages(updated):
        source = m.findtext("source")
        translation = m.find("translation")
        text = translation.text or ""
        kind = translation.get("type")
        if (context, source) not in before:
            found.append(("new", context, source))
        elif kind in ("unfinished", "vanished", "obsolete") or not text:
            found.append((kind or "empty", context, source))
        elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
            found.append(("placeholders differ", context, source))
        elif ("&" in source) != ("&" in text):
            found.append(("accelerator lost", context, source))
    now = {(c, m.findtext("source")) for c, m in messages(updated)}
    found += [("gone from the sources", c, s) for c, s in sorted(before - now)]
    return found


def main():
    update = "--update" in sys.argv[1:]
    ts_files = sorted((ROOT / "translations").glob("*.ts"))
    bad = 0
    with tempfile.TemporaryDirectory() as tmp:
        copies = [Path(tmp) / f.name for f in ts_files]
        for f, c in zip(ts_files, copies):
            shutil.copy(f, c)
        lupdate(copies)
        for f, c in zip(ts_files, copies):
            problems = faults(c if update else f, c)
            if update:
                shutil.copy(c, f)
            for kind, context, source in problems:
                print(f"{f.relative_to(ROOT)}: {kind}: {context}: {source!r}")
            bad += len(problems)
    if bad:
        print(f"{bad} text(s) to translate or refresh; see README.md, Translations.")
        return 1
    print(f"translations complete and current: {', '.join(f.name for f in ts_files)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
