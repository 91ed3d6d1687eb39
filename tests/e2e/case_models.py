# SPDX-License-Identifier: GPL-3.0-or-later
"""Every chip model starts in a real window; with no notification area to hide in, the window
manager's close request leaves it on screen; File > Exit, typed, ends it. The registers each
model is left with are the golden runs' to check."""

from harness import MAIN_TITLE, case, check_throughout


@case("start-close-exit-each-model")
def start_close_exit_each_model(session):
    for model in ("hma", "hmb", "hmc", "hmdf"):
        app = session.start(f"--simulate={model}")
        session.request_close(session.wait_window(MAIN_TITLE, app))
        # Hidden, it could never come back: it may only be minimised, and without a window
        # manager that leaves it on screen.
        check_throughout(1.5, app, lambda: session.windows(MAIN_TITLE),
                         "closing without a notification area took the window away")
        session.exit_from_menu(app)
