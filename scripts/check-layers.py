#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when a file in src/ includes a header of a layer above its own, or when the windows
(ui/) or the program wiring (app/) reach past the chip's named routines to its registers.

Layers, lowest first: platform; chip and settings (chip may use settings, not the reverse);
monitor; ui; app. src/main.cpp stands above them all; the guardian (src/guardian) uses only
chip/ and platform/. Inside ui/, the dialogs reach the main
window only through ui/dialogs/MainView.h: ui/dialogs never includes ui/main. The windows change
the settings, the monitoring state and the event log only through the model's operations: a
write into them from ui/ fails. --planted checks that planted writes are caught."""

import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src")
ALLOWED = {
    "platform": {"platform"},
    "settings": {"settings", "platform"},
    "chip": {"chip", "settings", "platform"},
    "monitor": {"monitor", "chip", "settings", "platform"},
    "ui": {"ui", "monitor", "chip", "settings", "platform"},
    "app": {"app", "ui", "monitor", "chip", "settings", "platform"},
    # The fan guardian, a program of its own that loads libc alone.
    "guardian": {"guardian", "chip", "platform"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
# Register-level access has no place above the monitor: windows ask by name.
REGISTER_LEVEL = [
    (re.compile(r'#\s*include\s+"chip/(RegisterMap|ChipBus|ChipReading|SuperIo)\.h"'),
     "includes a register-level chip header"),
    (re.compile(r"\b(selectBank|readRegister|writeRegister|writeKept)\s*\("),
     "accesses a chip register"),
    (re.compile(r"\b(reg|sio)::"), "names a register"),
    (re.compile(r"\bchipId\s*(==|!=|<|>)|\bModel::HM"), "checks the chip model by ID"),
]


# Writes into the model's records from ui/; reads stay allowed.
_RECORD = r"\b(settings|state)\s*(\.|->)\s*\w+(\s*\[[^\]]*\])*"
MODEL_WRITES = [
    (re.compile(_RECORD + r"\s*([-+*/|&^]?=(?!=)|\+\+|--)"), "writes into the settings or state"),
    (re.compile(r"(\+\+|--)\s*[\w.>-]*\b(settings|state)\s*(\.|->)"),
     "writes into the settings or state"),
    (re.compile(r"(\.|->)\s*(settings|state)\s*=(?!=)"), "replaces the settings or state"),
    (re.compile(r"\b(fill|memset|memcpy|swap)\s*\([^;]*\b(settings|state)\s*(\.|->)"),
     "writes into the settings or state"),
    (re.compile(r"(?<!const )\b(SettingsModel|MonitorState)\s*[&*]"),
     "holds the settings or state writable"),
    (re.compile(r"\bevents\s*(\.|->)\s*record\s*\("), "records an event itself"),
]
PLANTED = [
    "    machine().settings.ItemEnabled[i] = 0;",
    "    m.settings.ItemBeep[k] |= 1;",
    "    ++m_machine.state.faultCounts[item];",
    "    m.state.faultCounts[item]++;",
    "    SettingsModel& s = machine().settings;",
    "    std::fill(m.settings.ItemEnabled.begin(), m.settings.ItemEnabled.end(), 1);",
    "    m_machine.events.record({});",
    "    m.settings = SettingsModel{};",
]
ALLOWED_READS = [
    "    const SettingsModel& s = machine().settings;",
    "    if (m.settings.ItemEnabled[i] == 1)",
    "    const TrayState state = StatusWords::tray(m_monitor);",
]


def model_writes(line):
    return [what for pattern, what in MODEL_WRITES if pattern.search(line)]


def layer_of(path):
    rel = os.path.relpath(path, ROOT)
    first = rel.split(os.sep)[0]
    return first if first in ALLOWED else None


def check(path):
    problems = []
    layer = layer_of(path)
    with open(path, encoding="utf-8") as f:
        lines = f.readlines()
    for number, line in enumerate(lines, 1):
        where = f"{os.path.relpath(path, os.path.dirname(ROOT))}:{number}"
        match = INCLUDE.match(line)
        if match and layer:
            name = match.group(1)
            local = os.path.normpath(os.path.join(os.path.dirname(path), name))
            target = layer_of(local) if os.path.exists(local) else None
            if target is None:
                first = name.split("/")[0]
                target = first if first in ALLOWED else None
            if target and target not in ALLOWED[layer]:
                problems.append(f"{where}: {layer}/ includes {name} of the higher layer {target}/")
            below_main = os.path.join(ROOT, "ui", "dialogs") + os.sep
            if path.startswith(below_main) and (name.startswith("ui/main/") or
                                                local.startswith(os.path.join(ROOT, "ui", "main"))):
                problems.append(f"{where}: ui/dialogs/ includes the main window's {name}")
        if layer == "ui":
            problems += [f"{where}: ui/ {what}: {line.strip()}" for what in model_writes(line)]
        if layer in ("ui", "app"):
            for pattern, what in REGISTER_LEVEL:
                if pattern.search(line):
                    problems.append(f"{where}: {layer}/ {what}: {line.strip()}")
    return problems


def planted():
    missed = [line for line in PLANTED if not model_writes(line)]
    missed += [line for line in ALLOWED_READS if model_writes(line)]
    for line in missed:
        print(f"check-layers: judged wrongly: {line.strip()}")
    return 1 if missed else 0


def main():
    if sys.argv[1:] == ["--planted"]:
        return planted()
    problems = []
    for base, _, files in os.walk(ROOT):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                problems += check(os.path.join(base, name))
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} problem(s)", file=sys.stderr)
        return 1
    print("check-layers: every include stays in its layer or below; the windows write the model "
          "only through its operations")
    return 0


if __name__ == "__main__":
    sys.exit(main())
