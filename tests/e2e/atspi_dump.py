# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what a screen reader reads of the applications named on the command line, one JSON
object per accessible: its window, role, name and description. Runs in a process of its own
so that pyatspi finds the case's session bus."""

import json
import sys

import pyatspi


def walk(node, window, depth=0):
    if node is None or depth > 40:
        return
    try:
        role, name, description = node.getRoleName(), node.name, node.description
        states = node.getState()
    except Exception:  # an accessible that went away while we read
        return
    if role in ("frame", "dialog", "window"):
        window = name
    if states.contains(pyatspi.STATE_SHOWING):
        print(json.dumps({"window": window, "role": role, "name": name,
                          "description": description}))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), window, depth + 1)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name in sys.argv[1:]:
        walk(app, None)
