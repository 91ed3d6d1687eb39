"""Start-up that cannot go on says why in a message box and ends; a second copy ends at once."""

import os

from case_models import exit_from_file_menu
from harness import BOX_TITLE, MAIN_TITLE, case, check

MONITOR_PORTS = ("0x295", "0x296")


def ports_touched(app):
    return {line.split()[1] for line in app.trace()}


def no_port_access(app):
    check(app.dump()["ports"] == 0, "ports were accessed without the driver")


def chip_untouched(app):
    touched = ports_touched(app) & set(MONITOR_PORTS)
    check(not touched, f"the chip's ports were used: {sorted(touched)}")


def chip_id_unread(app):
    check("out 0x295 0x58" not in app.trace(), "the chip ID was read from a chip of another vendor")


def nothing_programmed(app):
    trace = app.trace()
    check("out 0x295 0x58" in trace, "the chip ID was never read")
    # The limits 0x2b..0x3f and the configuration register 0x40 are a known model's only.
    selected = [line for line in trace if line.startswith("out 0x295 ")
                and 0x2B <= int(line.split()[2], 16) <= 0x40]
    check(not selected, f"an unknown chip was programmed: {selected[:3]}")


# Case, scenario, the message hmdx shows (echoed on the console), and what it must not have
# done.
STARTUP_FAILURES = [
    ("startup-driver-fail", "driver-fail.scn", "LOAD Device Driver fail!", no_port_access),
    ("startup-bus-fail", "bus-fail.scn", "Initialize Bus Fail!", chip_untouched),
    ("startup-wrong-vendor", "wrong-vendor.scn",
     "Norvane Hardware Monitor chip does not exist!", chip_id_unread),
    ("startup-unknown-chip", "unknown-chip.scn",
     "Unsupported hardware monitor chip (ID 0x55).", nothing_programmed),
    ("startup-ports-claimed", "claimed.scn", 'kernel driver "somedriver"', chip_untouched),
]


def dismiss_box(session, app):
    box = session.wait_window(BOX_TITLE, app)
    check(not session.windows(MAIN_TITLE), "the main window opened despite the failure")
    session.keys(box, "Return")
    return app.wait_exit()


def _register_failure(name, scenario, console, untouched):
    @case(name)
    def run(session):
        app = session.start(scenario=session.scenario(scenario), trace=True)
        code = dismiss_box(session, app)
        check(code == 1, f"exit code {code}, want 1")
        if console:
            check(console in app.stderr(), f"no console hint {console!r}: {app.stderr()!r}")
        untouched(app)
        check(not os.listdir(session.data), "a failed start wrote to the data folder")


for _failure in STARTUP_FAILURES:
    _register_failure(*_failure)


# Case, scenario file (None: one that does not exist), line hmdx must name.
BAD_SCENARIOS = [
    ("scenario-bad-number", "bad-number.scn", 3),
    ("scenario-unknown-statement", "unknown-statement.scn", 4),
    ("scenario-missing-file", None, None),
]


def _register_bad_scenario(name, scenario, line):
    @case(name)
    def run(session):
        path = session.scenario(scenario) if scenario else os.path.join(session.dir, "none.scn")
        app = session.start(scenario=path)
        code = dismiss_box(session, app)
        check(code == 2, f"exit code {code}, want 2")
        expected = f"hmdx: {path}: scenario line {line}: " if line else "hmdx: Cannot read"
        check(app.stderr().startswith(expected), f"stderr {app.stderr()!r}, want {expected!r}…")
        check(not os.path.exists(app.dump_file), "a simulation ran on a bad scenario")


for _bad in BAD_SCENARIOS:
    _register_bad_scenario(*_bad)


@case("second-instance")
def second_instance(session):
    first = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, first)
    second = session.start("--simulate=hmb")
    code = second.wait_exit()
    check(code == 0, f"the second copy ended with exit code {code}")
    check("already running" in second.stderr(), f"stderr {second.stderr()!r}")
    check(second.dump()["ports"] == 0, "the second copy touched the chip")
    check(not session.windows(BOX_TITLE), "the second copy showed a message box")
    check(len(session.windows(MAIN_TITLE)) == 1, "not exactly one main window")
    exit_from_file_menu(session, first)
