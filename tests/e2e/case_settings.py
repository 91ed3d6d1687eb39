"""File > Default and File > Save write the factory record, and a restart reads it back."""

import os
import stat
import struct

from case_models import check_registers, exit_from_file_menu
from harness import MAIN_TITLE, case, check, wait_for

VCORE_LOW, VCORE_HIGH = 80, 120  # offsets of the Vcore A limits
TEMP1_LOW, TEMP1_HIGH = 216, 232  # offsets of the Temp1 limits
VID_FLAG = 320  # take the Vcore limits from the VID at the next start: FF FF or 00 00


def put_float(record, offset, value):
    return record[:offset] + struct.pack("<f", value) + record[offset + 4:]


def differences(actual, expected):
    if len(actual) != len(expected):
        return f"{len(actual)} bytes instead of {len(expected)}"
    return ", ".join(f"byte {i}: {a:02x} (want {e:02x})"
                     for i, (a, e) in enumerate(zip(actual, expected)) if a != e)


def check_file(path, expected, what):
    with open(path, "rb") as f:
        actual = f.read()
    problems = differences(actual, expected)
    check(not problems, f"{what}: {problems}")


def save(session, app, path):
    """File > Save, and wait for the file to be replaced."""
    def state():
        return (os.stat(path).st_ino, os.stat(path).st_mtime_ns) if os.path.exists(path) else None
    before = state()
    session.menu(app, "alt+f", "s")
    wait_for(f"{os.path.basename(path)} to be written", lambda: state() not in (None, before),
             abort=app.ensure_alive)


@case("settings-default-save")
def default_save_restart(session):
    path = session.data_file("hmb.dat")
    # The simulated CPU asks for 1.75 V, which Default turns into Vcore limits 1.55..1.95 V.
    factory = session.reference("defaults-hmb.dat")
    factory = put_float(put_float(factory, VCORE_LOW, 1.75 - 0.2), VCORE_HIGH, 1.75 + 0.2)

    app = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, app)
    check(not os.path.exists(path), "hmb.dat written before any Save")
    session.menu(app, "alt+f", "d")
    save(session, app, path)
    exit_from_file_menu(session, app)
    check_file(path, factory, "File > Default, File > Save")
    mode = stat.S_IMODE(os.stat(path).st_mode)
    check((mode & 0o077) == 0, f"the file with the password is readable by others: {mode:o}")

    # Moved Temp1 limits must reach the chip, and the VID flag is spent by the start.
    moved = put_float(put_float(factory, TEMP1_LOW, 45.0), TEMP1_HIGH, 45.0)
    with open(path, "wb") as f:
        f.write(moved)
    app = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, app)
    save(session, app, path)
    dump = exit_from_file_menu(session, app)
    check_registers(dump, {"0:39": 45, "0:3a": 45, "0:2c": 97, "0:2b": 122})
    spent = moved[:VID_FLAG] + b"\0\0"
    check_file(path, spent, "restart on a saved file, File > Save")

    app = session.start("--simulate=hmb")
    session.wait_window(MAIN_TITLE, app)
    save(session, app, path)
    exit_from_file_menu(session, app)
    check_file(path, spent, "second restart, File > Save without changes")
