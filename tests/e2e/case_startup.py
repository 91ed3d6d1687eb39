"""Start-up that cannot go on says why in a message box and on standard error, and ends with
its exit code; a second copy ends at once. What each failure leaves untouched in the chip is
the start-up unit tests' to check."""

import os

from harness import BOX_TITLE, HERE, MAIN_TITLE, case, check

# Case, scenario file (None: one that does not exist), exit code, and what standard error
# says ({} is the scenario's path).
FAILURES = [
    ("startup-driver-fail", "driver-fail.scn", 1, "LOAD Device Driver fail!"),
    ("startup-bus-fail", "bus-fail.scn", 1, "Initialize Bus Fail!"),
    ("startup-wrong-vendor", "wrong-vendor.scn", 1,
     "Norvane Hardware Monitor chip does not exist!"),
    ("startup-unknown-chip", "unknown-chip.scn", 1, "Unsupported hardware monitor chip (ID 0x55)."),
    ("startup-ports-claimed", "claimed.scn", 1, 'kernel driver "somedriver"'),
    ("scenario-bad-number", "bad-number.scn", 2, "hmdx: {}: scenario line 3: "),
    ("scenario-unknown-statement", "unknown-statement.scn", 2, "hmdx: {}: scenario line 4: "),
    ("scenario-missing-file", None, 2, "hmdx: Cannot read"),
]


def _register(name, scenario, code, says):
    @case(name)
    def run(session):
        path = os.path.join(HERE, "scenarios", scenario or os.path.join(session.dir, "none.scn"))
        app = session.start(scenario=path)
        box = session.wait_window(BOX_TITLE, app)
        check(not session.windows(MAIN_TITLE), "the main window opened despite the failure")
        session.keys(box, "Return")
        app.ends_with(code, "the message box")
        want, said = says.format(path), app.stderr()
        # A bad scenario is the first thing hmdx says.
        check(said.startswith(want) if code == 2 else want in said,
              f"stderr {said!r}, want {want!r}")
        check(not os.listdir(session.data), "a failed start wrote to the data folder")
        check(code == 1 or not os.path.exists(app.dump_file), "a simulation ran on a bad scenario")


for _failure in FAILURES:
    _register(*_failure)


@case("second-instance")
def second_instance(session):
    first = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, first)
    second = session.start("--simulate=hmb")
    second.ends_with(0, "a second start")
    check("already running" in second.stderr(), f"stderr {second.stderr()!r}")
    check(second.dump()["ports"] == 0, "the second copy touched the chip")
    check(not session.windows(BOX_TITLE), "the second copy showed a message box")
    check(len(session.windows(MAIN_TITLE)) == 1, "not exactly one main window")
    session.exit_from_menu(first)
