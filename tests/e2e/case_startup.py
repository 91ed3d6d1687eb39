# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up that cannot go on says why in a message box and on standard error, and ends with
its exit code; a second copy ends at once. What each failure leaves in the chip and the data
folder is the golden runs' to check."""

import os

from harness import BOX_TITLE, HERE, MAIN_TITLE, case, check

# Case, scenario file (None: one that does not exist), exit code, and what standard error
# says ({} is the scenario's path). One case for each way out: the golden runs record every
# failure's message and exit code.
FAILURES = [
    ("startup-driver-fail", "driver-fail.scn", 1, "LOAD Device Driver fail!"),
    ("scenario-bad-number", "bad-number.scn", 2, "hmdx: {}: scenario line 3: "),
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


for _failure in FAILURES:
    _register(*_failure)


@case("second-instance")
def second_instance(session):
    session.start_bus()
    session.start_tray()
    first = session.start("--simulate=hmb", "--minimized")
    session.tray_icon(first)
    second = session.start("--simulate=hmb")
    second.ends_with(0, "a second start")
    check("already running" in second.stderr(), f"stderr {second.stderr()!r}")
    check(second.dump()["ports"] == 0, "the second copy touched the chip")
    # It asked the first, in the tray, to bring its window back.
    session.wait_window(MAIN_TITLE, first)
    check(not session.windows(BOX_TITLE), "the second copy showed a message box")
    check(len(session.windows(MAIN_TITLE)) == 1, "not exactly one main window")
    session.exit_from_menu(first)
