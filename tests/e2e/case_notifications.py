# SPDX-License-Identifier: GPL-3.0-or-later
"""Warnings as desktop notifications, through a real notification server (dunst) on a session
bus of the case's own: raised with the reading and limits, closed when the item is back in
range, its action bringing up the warning, and none left behind when hmdx ends."""

import json
import os
import shutil
import subprocess

from harness import BOX_TITLE, MAIN_TITLE, SCREEN, WARNING_TITLE, Skip, case, check, wait_for

# What the case relies on, not the machine's own taste: the middle button runs the action, and
# the body is markup.
DUNSTRC = """[global]
    markup = full
    origin = top-right
    offset = 10x50
    width = 300
    mouse_middle_click = do_action, close_current
[urgency_normal]
    timeout = 0
[urgency_critical]
    timeout = 0
"""


def start_server(session):
    missing = [tool for tool in ("dunst", "dunstctl") if not shutil.which(tool)]
    if missing:
        raise Skip(f"{', '.join(missing)} missing; scripts/install-deps.sh installs them")
    session.start_bus()
    config = os.path.join(session.dir, "dunstrc")
    with open(config, "w", encoding="utf-8") as f:
        f.write(DUNSTRC)
    session.helper("dunst", ["dunst", "-config", config], env=session.env)
    wait_for("dunst on the bus", lambda: displayed(session) >= 0)


def dunstctl(session, *args):
    return subprocess.run(["dunstctl", *args], env=session.env, timeout=10, capture_output=True,
                          text=True).stdout.strip()


def displayed(session):
    return int(dunstctl(session, "count", "displayed") or -1)


@case("notifications")
def notifications(session):
    start_server(session)
    session.data = os.path.join(session.dir, "R&D <old>")
    os.makedirs(session.data)
    app = session.start(scenario="volt-flap.scn")
    main = session.wait_window(MAIN_TITLE, app)

    # 2 s: +5V high. 6 s: back in range, its notification closed by hmdx (critical ones stay).
    wait_for("the +5V notification", lambda: displayed(session) == 1, abort=app.ensure_alive)
    wait_for("the notification closed", lambda: displayed(session) == 0, abort=app.ensure_alive)
    # The notifications dunst has closed, newest first.
    got = [{key: field["data"] for key, field in entry.items()}
           for entry in json.loads(dunstctl(session, "history"))["data"][0]]
    check(len(got) == 1, f"dunst's history: {got}")
    want = {"appname": "hmdx", "summary": "+5V out of range",
            "body": "Reading: 6.18 V\nLimits: 4.49 to 5.51 V", "default_action_name": "default",
            "timeout": 0}
    check({k: got[0].get(k) for k in want} == want, f"the notification: {got[0]}")
    check(got[0]["icon_path"].endswith("/hicolor/128x128/apps/hmdx.png"),
          f"the notification's icon: {got[0]['icon_path']!r}")

    # 10 s: high again. The bubble's action brings the warning to the keyboard.
    warning = session.wait_window(WARNING_TITLE, app)
    wait_for("the second notification", lambda: displayed(session) == 1, abort=app.ensure_alive)
    session.xdotool("windowfocus", "--sync", main)
    session.click((SCREEN[0] - 160, 70), button=2)  # in the bubble, as DUNSTRC places it
    wait_for("the warning to have the keyboard",
             lambda: session.xdotool("getwindowfocus").strip() == str(warning),
             abort=app.ensure_alive)

    # Ignore: the next poll warns again with a new bubble, which the end takes away.
    session.keys(warning, "space")
    wait_for("the third notification", lambda: displayed(session) == 1, abort=app.ensure_alive)
    # A folder where the settings file should be: File > Save fails, naming the file, whose
    # '&' and '<' go as entities to a server that reads the body as markup.
    os.mkdir(settings := os.path.join(session.data, "hmb.dat"))
    session.menu(app, "alt+f", "s")
    session.keys(session.wait_window(BOX_TITLE, app), "Return")
    wait_for("the failed save's notification", lambda: displayed(session) == 2)
    session.exit_from_menu(app)
    wait_for("only the failed save's notification left", lambda: displayed(session) == 1)
    dunstctl(session, "close-all")
    saved = json.loads(dunstctl(session, "history"))["data"][0][0]
    as_markup = settings.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    check(f'"{as_markup}"' in saved["body"]["data"], f"the failed save's notification: {saved}")
    check(not app.stderr().strip(), f"hmdx said: {app.stderr()!r}")
