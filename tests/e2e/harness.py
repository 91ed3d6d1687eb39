# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the installed hmdx on a private X server and drives it as a user would: keys, mouse
clicks on the tray icon and the close request a window manager sends."""

import ctypes
import os
import re
import shutil
import signal
import struct
import subprocess
import tempfile
import time

import xlib

SCREEN = (1024, 768)
TRAY_HEIGHT = 24
MAIN_TITLE = "r810/hmdx Hardware Monitor"
WARNING_TITLE = "Warning !!!"
PASSWORD_TITLE = "Confirm Psssword"
BOX_TITLE = "hmdx"  # message boxes carry the application's name

HERE = os.path.dirname(os.path.abspath(__file__))
CASES = {}


class Failure(Exception):
    pass


class Skip(Exception):
    """A tool the case needs is missing here."""


def case(name):
    def register(function):
        CASES[name] = function
        return function
    return register


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, predicate, timeout=15.0, interval=0.1, abort=None):
    """Polls until predicate() is truthy and returns its value; abort() may raise early."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if abort:
            abort()
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {timeout:g} s waiting for {what}")
        time.sleep(interval)
    return value


def check_throughout(seconds, app, condition, message):
    """For something that must not happen: watches it for a while with hmdx running."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        app.ensure_alive()
        check(condition(), message)
        time.sleep(0.2)


def factory_record():
    """The HMB factory record of tests/data, the file the unit tests hold the encoder to."""
    with open(os.path.join(HERE, "..", "data", "defaults-hmb.dat"), "rb") as f:
        return f.read()


def put_float(record, offset, value):
    return record[:offset] + struct.pack("<f", value) + record[offset + 4:]


_libc = ctypes.CDLL(None)


def _die_with_driver():
    # A driver killed by a test timeout must not leave an X server or hmdx behind.
    _libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


class Hmdx:
    def __init__(self, proc, dump, stderr):
        self.proc = proc
        self.dump_file = dump
        self.stderr_file = stderr

    def alive(self):
        return self.proc.poll() is None

    def ensure_alive(self):
        if not self.alive():
            raise Failure(f"hmdx ended with exit code {self.proc.returncode}; "
                          f"stderr: {self.stderr()!r}")

    def ends_with(self, code, after):
        try:
            got = self.proc.wait(15)
        except subprocess.TimeoutExpired:
            raise Failure(f"hmdx still running 15 s after {after}")
        check(got == code, f"{after} ended hmdx with exit code {got}, want {code}")

    def stderr(self):
        with open(self.stderr_file, encoding="utf-8", errors="replace") as f:
            return f.read()

    def dump(self):
        """Registers as written at exit: {'0:4d': 0x95, 'sio:30': 0, 'ports': 1234, ...}."""
        check(os.path.exists(self.dump_file), "hmdx wrote no --sim-dump file")
        with open(self.dump_file, encoding="ascii") as f:
            pairs = [line.split() for line in f]
        return {k: int(v) if k in ("shutdown", "ports") else int(v, 16) for k, v in pairs}


class Session:
    """A private X server, data folder and runtime folder for one test case."""

    def __init__(self, prefix, artifacts, name):
        self.binary = os.path.join(prefix, "bin", "hmdx")
        self.artifacts = artifacts
        self.name = name
        self.dir = tempfile.mkdtemp(prefix=f"hmdx-e2e-{name}-")
        self.data = self._folder("data")
        self.display = None
        self._helpers = []  # Xvfb, trayer, node_exporter: ended by the session
        self._apps = []  # hmdx: each must have ended by itself

    def _folder(self, name, mode=0o755):
        path = os.path.join(self.dir, name)
        os.makedirs(path, mode=mode)
        return path

    def __enter__(self):
        try:
            self._start_x()
        except BaseException:
            self._teardown()
            raise
        return self

    def __exit__(self, kind, error, tb):
        if kind is not None and kind is not Skip:
            self._keep_evidence()
        problems = self._teardown()
        if problems and kind is None:
            raise Failure("; ".join(problems))
        for problem in problems:
            print(f"also: {problem}")
        return False

    # -- processes ---------------------------------------------------------------------------

    def helper(self, name, argv, **kwargs):
        """A program the case needs beside hmdx, its output in NAME.log."""
        with open(os.path.join(self.dir, f"{name}.log"), "wb") as out:
            proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=out, stderr=out,
                                    preexec_fn=_die_with_driver, **kwargs)
        self._helpers.append((name, proc))
        return proc

    def _start_x(self):
        reader, writer = os.pipe()
        # -noreset: by default the server resets when its last client leaves, and a client
        # connecting meanwhile (hmdx after an xdotool call) is turned away.
        self.helper("Xvfb", ["Xvfb", "-displayfd", str(writer), "-screen", "0",
                             f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
                    pass_fds=(writer,))
        os.close(writer)
        # Xvfb takes the first free display and writes its number once it accepts clients.
        with os.fdopen(reader, "rb") as answer:
            number = answer.readline().strip().decode()
        check(number.isdigit(), "Xvfb did not start")
        self.display = f":{number}"
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_"))
                    and k not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER")}
        self.env.update(DISPLAY=self.display, QT_QPA_PLATFORM="xcb",
                        XDG_RUNTIME_DIR=self._folder("runtime", 0o700),
                        XDG_CONFIG_HOME=self._folder("config"),
                        XDG_DATA_HOME=self._folder("share"),
                        XDG_CACHE_HOME=self._folder("cache"),
                        # No session bus: the tray must be the X11 notification area under test.
                        DBUS_SESSION_BUS_ADDRESS=f"unix:path={self.dir}/no-session-bus")

    def start_tray(self):
        self.helper("trayer", ["trayer", "--edge", "bottom", "--align", "right", "--widthtype",
                               "pixel", "--width", "120", "--height", str(TRAY_HEIGHT)],
                    env=self.env)
        wait_for("the notification area", lambda: xlib.tray_running(self.display))

    def start_bus(self):
        """A session bus of the case's own, for the programs started after this."""
        if not shutil.which("dbus-daemon"):
            raise Skip("dbus-daemon missing; scripts/install-deps.sh installs it")
        socket = os.path.join(self.dir, "bus")
        self.helper("dbus-daemon", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                    f"--address=unix:path={socket}"], env=self.env)
        wait_for("the session bus", lambda: os.path.exists(socket))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = f"unix:path={socket}"

    def start(self, *options, scenario=None, display=True):
        """Starts hmdx with the given options and a file of scenarios/ (or any path), with no
        X display at all when display is False."""
        run = len(self._apps) + 1
        dump = os.path.join(self.dir, f"dump{run}.txt")
        argv = [self.binary, "--data-dir", self.data, "--sim-dump", dump]
        if scenario:
            argv += ["--scenario", os.path.join(HERE, "scenarios", scenario)]
        stderr = os.path.join(self.dir, f"hmdx{run}.err")
        env = {k: v for k, v in self.env.items() if display or k != "DISPLAY"}
        with open(stderr, "wb") as err:
            proc = subprocess.Popen(argv + list(options), stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=err, env=env,
                                    preexec_fn=_die_with_driver)
        app = Hmdx(proc, dump, stderr)
        self._apps.append(app)
        return app

    # -- windows -----------------------------------------------------------------------------

    def xdotool(self, *args, ok_codes=(0,)):
        try:
            result = subprocess.run(["xdotool", *map(str, args)], env=self.env, timeout=15,
                                    capture_output=True, text=True)
        except subprocess.TimeoutExpired:
            raise Failure(f"xdotool {' '.join(map(str, args))} hung")
        if result.returncode not in ok_codes:
            raise Failure(f"xdotool {' '.join(map(str, args))}: {result.stderr.strip()}")
        return result.stdout

    def windows(self, title=None, cls=None):
        """Ids of the viewable windows with this exact title or WM_CLASS."""
        query = ["--name", f"^{re.escape(title)}$"] if title else ["--class", cls]
        out = self.xdotool("search", "--onlyvisible", *query, ok_codes=(0, 1))
        return [int(w) for w in out.split()]

    def wait_window(self, title, app, timeout=15.0):
        found = wait_for(f'a window titled "{title}"', lambda: self.windows(title), timeout,
                         abort=app.ensure_alive)
        return found[0]

    def wait_no_window(self, title, app, timeout=10.0):
        wait_for(f'no window titled "{title}"', lambda: not self.windows(title), timeout,
                 abort=app.ensure_alive)

    def keys(self, window, *keys, action="key"):
        """Gives the window the keyboard (there is no window manager to do it) and presses the
        keys, or types the text with action="type"."""
        self.xdotool("windowfocus", "--sync", window)
        self.xdotool(action, "--delay", "40", *keys)

    def _pick(self, app, what, open_menu, item):
        """Opens a menu, waits for it, types the entry's mnemonic and waits for it to close,
        so that the next menu cannot be mistaken for this one (Qt reuses the window)."""
        before = set(self.windows(cls="hmdx"))
        open_menu()
        menu = wait_for(what, lambda: set(self.windows(cls="hmdx")) - before,
                        abort=app.ensure_alive)
        self.xdotool("key", item)
        # The entry may have ended hmdx, taking the menu with it.
        wait_for(f"{what} to close",
                 lambda: not app.alive() or not menu & set(self.windows(cls="hmdx")))

    def menu(self, app, opener, item):
        """A main-window menu entry by keyboard: menu("alt+f", "s") is File > Save."""
        window = self.wait_window(MAIN_TITLE, app)
        self._pick(app, f"the menu of {opener}", lambda: self.keys(window, opener), item)

    def exit_from_menu(self, app):
        """File > Exit; the registers hmdx left in the simulated chip."""
        self.menu(app, "alt+f", "e")
        app.ends_with(0, "File > Exit")
        return app.dump()

    def request_close(self, window):
        xlib.request_close(self.display, window)

    def tray_icons(self):
        """Centres of hmdx's icons in the notification area at the bottom of the screen."""
        out = self.xdotool("search", "--onlyvisible", "--class", "hmdx",
                           "getwindowgeometry", "--shell", "%@", ok_codes=(0, 1))
        icons = []
        for block in out.split("WINDOW=")[1:]:
            g = dict(line.split("=", 1) for line in block.split()[1:] if "=" in line)
            x, y, w, h = (int(g.get(k, 0)) for k in ("X", "Y", "WIDTH", "HEIGHT"))
            if y >= SCREEN[1] - TRAY_HEIGHT and 0 < h <= TRAY_HEIGHT:
                icons.append((x + w // 2, y + h // 2))
        return icons

    def tray_icon(self, app, timeout=10.0):
        """The icon once it holds still: the tray lays out its icons again as they come and go."""
        seen = [None]

        def settled():
            icons = self.tray_icons()
            now = icons[0] if len(icons) == 1 else None
            still = now is not None and now == seen[0]
            seen[0] = now
            return now if still else None
        return wait_for("hmdx's icon in the notification area", settled, timeout, interval=0.3,
                        abort=app.ensure_alive)

    def click(self, point, button=1, times=1):
        self.xdotool("mousemove", point[0], point[1], "click", "--repeat", times,
                     "--delay", "80", button)

    def tray_menu(self, app, item):
        icon = self.tray_icon(app)
        self._pick(app, "the tray icon's menu", lambda: self.click(icon, button=3), item)

    # -- the end -----------------------------------------------------------------------------

    def _keep_evidence(self):
        os.makedirs(self.artifacts, exist_ok=True)
        if self.display:
            shot = os.path.join(self.artifacts, f"{self.name}.png")
            subprocess.run(["import", "-display", self.display, "-window", "root", shot],
                           env=self.env, timeout=15, capture_output=True)
            print(f"screen at the failure: {shot}")
        for app in self._apps:
            print(f"hmdx {' '.join(app.proc.args[1:])}\n  stderr: {app.stderr()!r}")
        for name, proc in self._helpers:
            with open(os.path.join(self.dir, f"{name}.log"), errors="replace") as f:
                log = f.read()[-1500:]
            state = "running" if proc.poll() is None else f"ended ({proc.returncode})"
            print(f"{name} {state}; its log ends: {log!r}")

    def _teardown(self):
        problems = []
        for app in self._apps:
            if app.alive():
                problems.append(f"hmdx (pid {app.proc.pid}) was still running at the end")
        for proc in [app.proc for app in self._apps] + [p for _, p in reversed(self._helpers)]:
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as f:
                    cmd = f.read().replace(b"\0", b" ").decode(errors="replace")
            except OSError:
                continue
            if self.dir in cmd:
                problems.append(f"stray process {pid}: {cmd.strip()}")
        shutil.rmtree(self.dir, ignore_errors=True)
        return problems
