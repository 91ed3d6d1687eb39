# SPDX-License-Identifier: GPL-3.0-or-later
"""With fan outputs controlled, every way hmdx can end leaves them at full speed, as the
simulation's trace shows: killed, the guardian writes; crashed, hmdx's own handler writes and
then the guardian; ended in order, hmdx writes and the guardian quits without a word."""

import os
import resource
import signal

from harness import case, check, wait_for

CONTROL = "[output1]\nmode=fixed\nduty=60\nsensor=1\n[output2]\nmode=fixed\nduty=30\nsensor=1\n"
# HMC's outputs 1 and 2 (registers 0x5a, 0x5b) to 0xff, each after selecting bank 0.
FULL = [line for reg in ("0x5a", "0x5b") for line in (
    "out 0x295 0x4e", "out 0x295 0x4e", "out 0x296 0x00", f"out 0x295 {reg}", "out 0x296 0xff")]
SAID = "hmdx-guardian: hmdx (pid {}) ended without stopping fan control"


def lines(path):
    with open(path, encoding="ascii") as f:
        return f.read().splitlines()


def guardian_of(pid):
    """The pid of hmdx's guardian child, or None."""
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/stat") as f:
                stat = f.read()
        except OSError:
            continue
        name, fields = stat[stat.find("(") + 1:stat.rfind(")")], stat[stat.rfind(")") + 2:].split()
        if name == "hmdx-guardian" and int(fields[1]) == pid:
            return int(entry)
    return None


def controlled_run(session):
    """hmdx on a simulated HMC with both outputs controlled, once its guardian runs."""
    with open(os.path.join(session.data, "fan-control.ini"), "w") as f:
        f.write(CONTROL)
    trace = os.path.join(session.dir, "trace")
    app = session.start("--simulate=hmc", "--headless", "--sim-trace", trace, display=False)
    wait_for("the duty of 60 % written",
             lambda: "out 0x296 0x99" in lines(trace) if os.path.exists(trace) else False,
             abort=app.ensure_alive)
    guardian = wait_for("the guardian", lambda: guardian_of(app.proc.pid), abort=app.ensure_alive)
    return app, trace, guardian


# Case, signal, how hmdx ends, copies of the full-speed writes ending the trace.
ENDINGS = [("fan-kill", signal.SIGKILL, -signal.SIGKILL, 1),
           ("fan-crash", signal.SIGSEGV, -signal.SIGSEGV, 2)]


def _register(name, sig, code, copies):
    @case(name)
    def run(session):
        # A crash must not leave a core file behind.
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
        app, trace, _ = controlled_run(session)
        app.proc.send_signal(sig)
        app.ends_with(code, signal.Signals(sig).name)
        want = SAID.format(app.proc.pid)
        wait_for("the guardian's word", lambda: want in app.stderr())
        check(lines(trace)[-len(FULL) * copies:] == FULL * copies,
              f"the trace ends {lines(trace)[-len(FULL) * copies:]}")


for _ending in ENDINGS:
    _register(*_ending)


@case("fan-term")
def term(session):
    app, trace, guardian = controlled_run(session)
    app.proc.send_signal(signal.SIGTERM)
    app.ends_with(0, "SIGTERM")
    dump = app.dump()
    check((dump["0:5a"], dump["0:5b"]) == (0xFF, 0xFF), "the outputs were not left full")
    check(not os.path.exists(f"/proc/{guardian}"), "the guardian outlived hmdx")
    check("hmdx-guardian" not in app.stderr(), f"the guardian spoke: {app.stderr()!r}")
