# SPDX-License-Identifier: GPL-3.0-or-later
"""A resume reprograms the chip with the limits from the user's file and the event log says so;
File > Default and File > Save, typed, then write the factory record into the data folder."""

import json
import os

from harness import MAIN_TITLE, case, check, factory_record, put_float, wait_for

VCORE_LOW, VCORE_HIGH = 80, 120  # offsets of the Vcore A limits
TEMP1_LOW, TEMP1_HIGH = 216, 232  # offsets of the Temp1 limits


@case("settings-resume-default-save")
def resume_default_save(session):
    path = os.path.join(session.data, "hmb.dat")
    factory = factory_record()
    with open(path, "wb") as f:
        f.write(put_float(put_float(factory, TEMP1_LOW, 45.0), TEMP1_HIGH, 45.0))
    log = os.path.join(session.dir, "events.jsonl")
    app = session.start("--event-log", log, scenario="resume.scn")
    session.wait_window(MAIN_TITLE, app)

    def events():
        if not os.path.exists(log):
            return []
        with open(log, encoding="utf-8") as f:
            return [json.loads(line) for line in f]

    wait_for("the chip to be reprogrammed after the resume",
             lambda: any(e["event"] == "chip reprogrammed" for e in events()),
             abort=app.ensure_alive)
    session.menu(app, "alt+t", "e")
    session.wait_window("Event Log", app)
    session.menu(app, "alt+f", "d")
    session.menu(app, "alt+f", "s")
    session.exit_from_menu(app)

    names = [e["event"] for e in events()]
    check(names[0] == "start" and names[-1] == "end" and "save" in names, f"events: {names}")
    # Temp1's limits are the user's, not the factory's 40 nor the chip's power-on 0.
    again = next(e for e in events() if e["event"] == "chip reprogrammed")
    check(again["detail"].startswith("resume;") and "bank 0 0x39 0x00 -> 0x2D" in again["detail"],
          f"reprogramming record: {again}")
    # The simulated CPU asks for 1.75 V, which Default turns into Vcore limits 1.55..1.95 V.
    factory = put_float(put_float(factory, VCORE_LOW, 1.75 - 0.2), VCORE_HIGH, 1.75 + 0.2)
    with open(path, "rb") as f:
        saved = f.read()
    wrong = [f"byte {i}: {a:02x} (want {e:02x})"
             for i, (a, e) in enumerate(zip(saved, factory)) if a != e]
    check(len(saved) == len(factory) and not wrong,
          f"File > Default, File > Save: {len(saved)} bytes; {', '.join(wrong)}")
