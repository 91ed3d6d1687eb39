# SPDX-License-Identifier: GPL-3.0-or-later
"""Out-of-range readings raise their warning; Disable ends it; the case-open warning wants the
password before its latch is cleared."""

import os

from harness import (BOX_TITLE, MAIN_TITLE, PASSWORD_TITLE, WARNING_TITLE, case, check,
                     check_throughout, factory_record, wait_for)

PLUS5_BEEP = 0x08  # 0:56 bit 3
CASE_CLEAR = 0x80  # 0:46 bit 7 clears the case-open latch
CASE_OPEN = 0x10  # 0:42 bit 4
PASSWORD = 248  # offset of the 8-character password in the data file


@case("warning-ignore-disable")
def ignore_then_disable(session):
    app = session.start(scenario="volt-high.scn")
    first = session.wait_window(WARNING_TITLE, app)
    # Focus starts on Ignore; the reading is still high, so the next poll warns again.
    session.keys(first, "space")
    wait_for("Ignore to close the warning", lambda: first not in session.windows(WARNING_TITLE),
             abort=app.ensure_alive)
    again = session.wait_window(WARNING_TITLE, app)
    session.keys(again, "Tab", "space")
    session.wait_no_window(WARNING_TITLE, app)
    # Polling runs once a second: a few quiet ticks are the only proof it stays away.
    check_throughout(3.0, app, lambda: not session.windows(WARNING_TITLE),
                     "the disabled item's warning came back")
    dump = session.exit_from_menu(app)
    check((dump["0:56"] & PLUS5_BEEP) == 0,
          f"+5V still beeps after Disable: 0:56 = {dump['0:56']:02x}")


@case("case-open-password")
def case_open_password(session):
    # Ignore on the case-open warning asks for the stored password first. Case matters: the
    # wrong entry is refused and the prompt keeps it for correcting.
    record = factory_record()
    with open(os.path.join(session.data, "hmb.dat"), "wb") as f:
        f.write(record[:PASSWORD] + b"e2e     " + record[PASSWORD + 8:])
    app = session.start(scenario="case-open.scn")
    session.wait_window(MAIN_TITLE, app)
    warning = session.wait_window(WARNING_TITLE, app)
    session.keys(warning, "space")
    prompt = session.wait_window(PASSWORD_TITLE, app)
    check(session.windows(WARNING_TITLE), "the case-open warning closed before the password")
    session.keys(prompt, "E2E", action="type")
    session.keys(prompt, "Return")
    box = session.wait_window(BOX_TITLE, app)
    session.keys(box, "Return")
    session.wait_no_window(BOX_TITLE, app)
    check(session.windows(WARNING_TITLE), "a wrong password closed the case-open warning")
    check(prompt in session.windows(PASSWORD_TITLE), "a wrong password closed the prompt")
    session.keys(prompt, "ctrl+a")
    session.keys(prompt, "e2e", action="type")
    session.keys(prompt, "Return")
    session.wait_no_window(PASSWORD_TITLE, app)
    session.wait_no_window(WARNING_TITLE, app)
    dump = session.exit_from_menu(app)
    check(dump["0:46"] & CASE_CLEAR, f"case-open latch not cleared: 0:46 = {dump['0:46']:02x}")
    check((dump["0:42"] & CASE_OPEN) == 0, f"case still reads open: 0:42 = {dump['0:42']:02x}")
