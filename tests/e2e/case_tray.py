"""Closing the window hides it to the notification area while monitoring goes on; the icon
brings it back, and the icon's Exit silences the chip."""

from harness import MAIN_TITLE, WARNING_TITLE, case, check, check_throughout, wait_for


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
    dump = app.dump()
    # HMA: File > Exit would leave the beep on; the tray's Exit silences every model.
    check(dump["0:57"] == 0, f"the tray's Exit left the beep register 0:57 at {dump['0:57']:02x}")
    check(dump["0:40"] & 0x01, "monitoring was stopped while the window was in the tray")


@case("close-without-tray")
def close_without_tray(session):
    # With no notification area a hidden window could never come back: it may only be
    # minimised, and without a window manager that leaves it on screen.
    app = session.start("--simulate=hmb")
    session.request_close(session.wait_window(MAIN_TITLE, app))
    check_throughout(1.5, app, lambda: session.windows(MAIN_TITLE),
                     "closing without a notification area took the window away")
    session.exit_from_menu(app)
