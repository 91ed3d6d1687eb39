"""A resume from suspend keeps the user's limits in the chip, and the event log says so."""

import json
import os
import signal

from case_models import check_registers, exit_from_file_menu
from case_settings import TEMP1_HIGH, TEMP1_LOW, put_float
from harness import MAIN_TITLE, case, check, wait_for


@case("resume-keeps-limits")
def resume_keeps_limits(session):
    path = session.data_file("hmb.dat")
    moved = put_float(put_float(session.reference("defaults-hmb.dat"), TEMP1_LOW, 45.0),
                      TEMP1_HIGH, 45.0)
    with open(path, "wb") as f:
        f.write(moved)
    log = os.path.join(session.dir, "events.jsonl")

    app = session.start("--event-log", log, scenario=session.scenario("resume.scn"))
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
    dump = exit_from_file_menu(session, app)
    # Temp1's limits are the user's, not the factory's 40 nor the chip's power-on 0.
    check_registers(dump, {"0:39": 45, "0:3a": 45, "0:2c": 97, "0:2b": 122})

    names = [e["event"] for e in events()]
    check(names[0] == "start" and names[-1] == "end", f"events: {names}")
    again = next(e for e in events() if e["event"] == "chip reprogrammed")
    check(again["detail"].startswith("resume;") and "bank 0 0x39 0x00 -> 0x2D" in again["detail"],
          f"reprogramming record: {again}")
    check(oct(os.stat(log).st_mode & 0o777) == "0o600", "event log readable by others")


@case("headless-warning-sigterm")
def headless_warning_sigterm(session):
    log = os.path.join(session.dir, "events.jsonl")
    app = session.start("--headless", "--event-log", log,
                        scenario=session.scenario("volt-high.scn"), display=False)
    wait_for("the +5V warning on standard error", lambda: "hmdx: warning: +5V" in app.stderr(),
             abort=app.ensure_alive)
    check(not session.windows(MAIN_TITLE), "a headless hmdx opened a window")
    app.proc.send_signal(signal.SIGTERM)
    code = app.wait_exit()
    check(code == 0, f"SIGTERM ended headless hmdx with exit code {code}")
    check(app.dump()["0:32"] == 167, "the +5V low limit was not programmed")
    with open(log, encoding="utf-8") as f:
        names = [json.loads(line)["event"] for line in f]
    check(names == ["start", "warning raised", "end"], f"events: {names}")
