# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader reads, through AT-SPI itself as Orca would: every row's status by its
item with a description of its state, the limit up-downs by name, and the warning's message."""

import json
import os
import shutil
import subprocess

from harness import HERE, MAIN_TITLE, WARNING_TITLE, Skip, case, check, wait_for

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
ROWS = ["Vcore", "+3.3V", "+5V", "+12V", "-12V", "-5V", "5Vsb", "Vbat", "CPU FAN", "FAN2",
        "System", "CPU", "Other"]


def read_aloud(session):
    out = subprocess.run(["/usr/bin/python3", os.path.join(HERE, "atspi_dump.py"), "hmdx"],
                         env=session.env, timeout=60, capture_output=True, text=True)
    check(out.returncode == 0, f"reading AT-SPI failed: {out.stderr[-800:]}")
    return [json.loads(line) for line in out.stdout.splitlines()]


@case("screen-reader")
def screen_reader(session):
    if not os.path.exists(LAUNCHER) or not shutil.which("dbus-daemon"):
        raise Skip("at-spi2-core missing; scripts/install-deps.sh installs it")
    try:
        import pyatspi  # noqa: F401  (only whether it is there)
    except ImportError:
        raise Skip("python3-pyatspi missing; scripts/install-deps.sh installs it")
    session.start_bus()
    session.helper("at-spi-bus-launcher", [LAUNCHER, "--launch-immediately"], env=session.env)
    session.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    app = session.start(scenario="volt-high.scn")
    session.wait_window(MAIN_TITLE, app)
    session.wait_window(WARNING_TITLE, app)

    def everything_read():
        seen = read_aloud(session)
        names = {(n["role"], n["name"]) for n in seen}
        return seen if ("dialog", WARNING_TITLE) in names and any(
            n["name"] == "Vbat" and n["description"] for n in seen) else None
    seen = wait_for("the window and the warning on the accessibility bus", everything_read,
                    timeout=30, interval=1.0, abort=app.ensure_alive)
    main = [n for n in seen if n["window"] == MAIN_TITLE]
    for caption in ROWS:
        status = [n for n in main if n["name"] == caption and n["description"]]
        check(status, f"no status read as {caption!r} with a description")
        check(status[0]["role"] == "label", f"{caption} read as a {status[0]['role']}")
    plus5 = next(n for n in main if n["name"] == "+5V" and n["description"])
    check("out of range" in plus5["description"].lower() or "outside" in
          plus5["description"].lower(), f"+5V above its limit reads {plus5['description']!r}")
    limits = {n["name"] for n in main if n["role"] == "spin button"}
    for name in ("+5V low limit", "+5V high limit", "CPU FAN low limit", "System high limit"):
        check(name in limits, f"no up-down read as {name!r}: {sorted(limits)[:6]}")
    warning = [n for n in seen if n["window"] == WARNING_TITLE]
    check(any("+5V voltage exceed the limits" in n["name"] for n in warning),
          f"the warning's message is not read: {[n['name'] for n in warning]}")
    check(any(n["role"] == "push button" and n["name"] == "Ignore" for n in warning),
          "the warning's Ignore button is not read")
    session.keys(session.wait_window(WARNING_TITLE, app), "Tab", "space")  # Disable
    session.wait_no_window(WARNING_TITLE, app)
    session.exit_from_menu(app)
