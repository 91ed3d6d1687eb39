"""Every chip model starts, shows its window, and File > Exit leaves the chip as it must."""

from harness import MAIN_TITLE, case, check

# Factory limits as register counts: +5V 4.5..5.5 V, +12V 11..13 V, Temp1 40 C both ways,
# CPU fan count 160. Vcore comes from the simulated CPU's VID: 1.75 V +- 0.2 V in 16 mV steps.
FACTORY_REGISTERS = {"0:32": 0xA7, "0:31": 0xCD, "0:34": 0xB5, "0:33": 0xD6,
                     "0:39": 0x28, "0:3a": 0x28, "0:3b": 0xA0, "0:2c": 97, "0:2b": 122}


def exit_from_file_menu(session, app):
    session.wait_window(MAIN_TITLE, app)
    session.menu(app, "alt+f", "e")
    code = app.wait_exit()
    check(code == 0, f"File > Exit ended hmdx with exit code {code}")
    return app.dump()


def check_registers(dump, expected):
    wrong = [f"{reg} = {dump[reg]:02x} (want {want:02x})"
             for reg, want in expected.items() if dump[reg] != want]
    check(not wrong, "registers after exit: " + ", ".join(wrong))


def check_left_monitoring(dump):
    check(dump["0:40"] & 0x01, f"monitoring stopped at exit: 0:40 = {dump['0:40']:02x}")
    check(dump["0:4d"] & 0x80, f"0:4d bit 7 not set at start-up: {dump['0:4d']:02x}")
    check_registers(dump, FACTORY_REGISTERS)
    check(dump["shutdown"] == 0, "a power-off was requested")


def start_and_exit(session, options, silenced, scenario=None):
    app = session.start(*options, scenario=scenario and session.scenario(scenario))
    dump = exit_from_file_menu(session, app)
    check_left_monitoring(dump)
    beep = dump["0:57"]
    if silenced:
        check(beep == 0, f"File > Exit left the beep register 0:57 at {beep:02x}")
    else:
        check(beep & 0x80, f"File > Exit changed the beep register 0:57 to {beep:02x}")
    return dump


def _register(model, silenced):
    @case(f"start-{model}")
    def run(session):
        start_and_exit(session, [f"--simulate={model}"], silenced)


_register("hma", silenced=False)  # HMA keeps beeping: File > Exit silences only the others
_register("hmb", silenced=True)
_register("hmc", silenced=True)


@case("start-hmdf")
def start_hmdf(session):
    dump = start_and_exit(session, ["--simulate=hmdf"], silenced=True)
    check(dump["sio:30"] == 1, f"the monitor device found active was switched off: "
                               f"sio:30 = {dump['sio:30']:02x}")


@case("start-hmdf-inactive")
def start_hmdf_inactive(session):
    dump = start_and_exit(session, [], silenced=True, scenario="hmdf-inactive.scn")
    check(dump["sio:30"] == 0, f"the monitor device hmdx switched on was not given back: "
                               f"sio:30 = {dump['sio:30']:02x}")
