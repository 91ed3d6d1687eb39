"""Every chip model starts, shows its window, and File > Exit leaves the chip as it must."""

from harness import MAIN_TITLE, case, check, check_registers

# Factory limits as register counts: +5V 4.5..5.5 V, +12V 11..13 V, Temp1 40 C both ways,
# CPU fan count 160. Vcore comes from the simulated CPU's VID: 1.75 V +- 0.2 V in 16 mV steps.
FACTORY_REGISTERS = {"0:32": 0xA7, "0:31": 0xCD, "0:34": 0xB5, "0:33": 0xD6,
                     "0:39": 0x28, "0:3a": 0x28, "0:3b": 0xA0, "0:2c": 97, "0:2b": 122}

# Case, option or scenario, whether File > Exit silences the beep (HMA keeps beeping: only the
# tray's Exit silences it), and the monitor device's activation left behind (Super I/O only):
# one found active stays on; one hmdx switched on is given back switched off.
MODELS = [
    ("start-hma", "--simulate=hma", False, None),
    ("start-hmb", "--simulate=hmb", True, None),
    ("start-hmc", "--simulate=hmc", True, None),
    ("start-hmdf", "--simulate=hmdf", True, 1),
    ("start-hmdf-inactive", "hmdf-inactive.scn", True, 0),
]


def _register(name, how, silenced, active):
    @case(name)
    def run(session):
        app = session.start(scenario=how) if how.endswith(".scn") else session.start(how)
        session.wait_window(MAIN_TITLE, app)
        dump = session.exit_from_menu(app)
        check(dump["0:40"] & 0x01, f"monitoring stopped at exit: 0:40 = {dump['0:40']:02x}")
        check(dump["0:4d"] & 0x80, f"0:4d bit 7 not set at start-up: {dump['0:4d']:02x}")
        check_registers(dump, FACTORY_REGISTERS)
        check(dump["shutdown"] == 0, "a power-off was requested")
        beep = dump["0:57"]
        check(beep == 0 if silenced else beep & 0x80, f"File > Exit left 0:57 at {beep:02x}")
        if active is not None:
            check(dump["sio:30"] == active, f"the monitor device left at {dump['sio:30']:02x}")


for _model in MODELS:
    _register(*_model)
