"""File > Default and File > Save write the factory record into the data folder; a resume from
suspend keeps the user's limits from that file in the chip, and the event log says so."""

import json
import os
import stat

from harness import MAIN_TITLE, case, check, check_registers, put_float, wait_for

VCORE_LOW, VCORE_HIGH = 80, 120  # offsets of the Vcore A limits
TEMP1_LOW, TEMP1_HIGH = 216, 232  # offsets of the Temp1 limits


@case("settings-default-save")
def default_save(session):
    path = os.path.join(session.data, "hmb.dat")
    # The simulated CPU asks for 1.75 V, which Default turns into Vcore limits 1.55..1.95 V.
    factory = session.reference("defaults-hmb.dat")
    factory = put_float(put_float(factory, VCORE_LOW, 1.75 - 0.2), VCORE_HIGH, 1.75 + 0.2)
    app = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, app)
    check(not os.path.exists(path), "hmb.dat written before any Save")
    session.menu(app, "alt+f", "d")
    session.menu(app, "alt+f", "s")
    wait_for("hmb.dat to be written", lambda: os.path.exists(path), abort=app.ensure_alive)
    session.exit_from_menu(app)
    with open(path, "rb") as f:
        saved = f.read()
    wrong = [f"byte {i}: {a:02x} (want {e:02x})"
             for i, (a, e) in enumerate(zip(saved, factory)) if a != e]
    check(len(saved) == len(factory) and not wrong,
          f"File > Default, File > Save: {len(saved)} bytes; {', '.join(wrong)}")
    mode = stat.S_IMODE(os.stat(path).st_mode)
    check((mode & 0o077) == 0, f"the file with the password is readable by others: {mode:o}")


@case("resume-keeps-limits")
def resume_keeps_limits(session):
    moved = put_float(put_float(session.reference("defaults-hmb.dat"), TEMP1_LOW, 45.0),
                      TEMP1_HIGH, 45.0)
    with open(os.path.join(session.data, "hmb.dat"), "wb") as f:
        f.write(moved)
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
    dump = session.exit_from_menu(app)
    # Temp1's limits are the user's, not the factory's 40 nor the chip's power-on 0.
    check_registers(dump, {"0:39": 45, "0:3a": 45, "0:2c": 97, "0:2b": 122})

    names = [e["event"] for e in events()]
    check(names[0] == "start" and names[-1] == "end", f"events: {names}")
    again = next(e for e in events() if e["event"] == "chip reprogrammed")
    check(again["detail"].startswith("resume;") and "bank 0 0x39 0x00 -> 0x2D" in again["detail"],
          f"reprogramming record: {again}")
    check(oct(os.stat(log).st_mode & 0o777) == "0o600", "event log readable by others")
