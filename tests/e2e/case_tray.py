# SPDX-License-Identifier: GPL-3.0-or-later
"""Closing the window hides it to the notification area while monitoring goes on; the icon
brings it back, and the icon's Exit ends hmdx (what it leaves in the chip is the golden runs'
to check)."""

from harness import MAIN_TITLE, WARNING_TITLE, case, check, wait_for


def close_to_tray(session, app):
    session.request_close(session.wait_window(MAIN_TITLE, app))
    session.wait_no_window(MAIN_TITLE, app)
    return session.tray_icon(app)


@case("tray-close-restore-exit")
def close_restore_exit(session):
    session.start_tray()
    app = session.start(scenario="tray-hma.scn")
    close_to_tray(session, app)
    check(not session.windows(WARNING_TITLE),
          "the scenario's warning came before the window reached the tray (machine too slow)")

    warning = session.wait_window(WARNING_TITLE, app)
    check(not session.windows(MAIN_TITLE), "the warning brought the main window back")
    session.keys(warning, "Tab", "space")  # Disable, so that it does not come back
    session.wait_no_window(WARNING_TITLE, app)

    session.click(session.tray_icon(app), times=2)
    session.wait_window(MAIN_TITLE, app)
    wait_for("the tray icon to go", lambda: not session.tray_icons(), abort=app.ensure_alive)

    close_to_tray(session, app)
    session.tray_menu(app, "x")
    app.ends_with(0, "the tray's Exit")
    check(app.dump()["0:40"] & 0x01, "monitoring was stopped while the window was in the tray")
