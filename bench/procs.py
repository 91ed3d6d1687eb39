# SPDX-License-Identifier: GPL-3.0-or-later
"""Children that cannot outlive the benchmark: each in its own process group, all ended on the
way out, and private X servers with fresh home folders."""

import ctypes
import os
import random
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import xwatch

_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1
CLK_TCK = os.sysconf("SC_CLK_TCK")

_children = []  # Popen objects still to be ended
_folders = []


def log(message):
    print(f"[bench] {message}", file=sys.stderr, flush=True)


def _die_with_us():
    # Killed with SIGKILL we get no chance to clean up; the kernel then ends the children.
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def spawn(argv, env=None, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs):
    proc = subprocess.Popen(argv, stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr,
                            env=env, start_new_session=True, preexec_fn=_die_with_us, **kwargs)
    _children.append(proc)
    return proc


def end(proc, grace=5.0, sig=signal.SIGTERM):
    """SIGTERM to the process itself (a clean exit), then SIGKILL to its whole group."""
    if proc.poll() is None:
        try:
            proc.send_signal(sig)
            proc.wait(grace)
        except subprocess.TimeoutExpired:
            pass
    try:
        os.killpg(proc.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    if proc.poll() is None:
        proc.wait()
    if proc in _children:
        _children.remove(proc)
    return proc.returncode


def end_all():
    for proc in reversed(list(_children)):
        end(proc, grace=2.0)
    for folder in _folders:
        shutil.rmtree(folder, ignore_errors=True)
    _folders.clear()


def temp_folder(prefix):
    path = tempfile.mkdtemp(prefix=prefix)
    _folders.append(path)
    return path


def remove_folder(path):
    shutil.rmtree(path, ignore_errors=True)
    if path in _folders:
        _folders.remove(path)


def fresh_home(root, name):
    """A home with empty XDG folders, so that no earlier configuration counts."""
    home = os.path.join(root, name)
    folders = {key: os.path.join(home, sub) for key, sub in (
        ("XDG_CONFIG_HOME", ".config"), ("XDG_DATA_HOME", ".local/share"),
        ("XDG_CACHE_HOME", ".cache"), ("XDG_STATE_HOME", ".local/state"),
        ("XDG_RUNTIME_DIR", "runtime"))}
    for path in folders.values():
        os.makedirs(path, mode=0o700, exist_ok=True)
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_", "GTK_", "GDK_"))
           and k not in ("DISPLAY", "XAUTHORITY", "SESSION_MANAGER", "DESKTOP_SESSION")}
    env.update(folders)
    # No session bus: Qt's tray icon is then the X11 notification area's, and GTK programs
    # do not wait for a bus to answer.
    env.update(HOME=home, DBUS_SESSION_BUS_ADDRESS=f"unix:path={home}/no-session-bus",
               NO_AT_BRIDGE="1", LC_ALL="C.UTF-8")
    return env


def _read_line(fd, timeout):
    # Xvfb writes its number and a newline once it takes clients; closing the pipe early
    # would kill it.
    data = b""
    deadline = time.monotonic() + timeout
    while not data.endswith(b"\n"):
        ready, _, _ = select.select([fd], [], [], max(0.0, deadline - time.monotonic()))
        chunk = os.read(fd, 16) if ready else b""
        if not chunk:
            break
        data += chunk
    return data


_next_display = random.randrange(200, 800)


class Xserver:
    """A private Xvfb on a display number of its own."""

    def __init__(self, size="1280x1024x24"):
        global _next_display
        for _ in range(40):
            number = _next_display
            _next_display = 200 + (_next_display - 199) % 700
            reader, writer = os.pipe()
            proc = spawn(["Xvfb", f":{number}", "-displayfd", str(writer), "-screen", "0", size,
                          "-nolisten", "tcp", "-noreset"], pass_fds=(writer,))
            os.close(writer)
            answer = _read_line(reader, 20)
            os.close(reader)
            if answer.strip() == str(number).encode():
                self.proc = proc
                self.display = f":{number}"
                if not xwatch.wait_connectable(self.display):
                    end(proc)
                    raise RuntimeError(f"Xvfb on {self.display} takes no clients")
                return
            end(proc)
        raise RuntimeError("no free display number for Xvfb")

    def close(self):
        end(self.proc)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def cpu_seconds(pid):
    """utime + stime of every thread so far."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # fields[0] is the state, the third field of the line.
    return (int(fields[11]) + int(fields[12])) / CLK_TCK


def on_cpu_seconds(pid):
    """Time on a CPU of the threads alive now, to the nanosecond (utime and stime count
    whole clock ticks)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                total += int(f.read().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return total / 1e9


def memory_kib(pid):
    """(RSS, PSS, anonymous) in KiB from smaps_rollup. Anonymous memory is the program's own
    (heap, stacks); the rest of RSS is mostly shared library code, shared with every other
    program on a desktop that uses the same toolkit."""
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0] in ("Rss:", "Pss:", "Anonymous:"):
                values[parts[0][:-1]] = int(parts[1])
    return values["Rss"], values["Pss"], values["Anonymous"]


def own_memory_kib(pid):
    """(own, RSS) in KiB from smaps_rollup: own is Private_Clean + Private_Dirty, the pages no
    other process shares, which leave when the process does."""
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if len(parts) >= 2 and parts[0] in ("Rss:", "Private_Clean:", "Private_Dirty:"):
                values[parts[0][:-1]] = int(parts[1])
    return values["Private_Clean"] + values["Private_Dirty"], values["Rss"]


def sleep_while_alive(proc, seconds):
    """Sleeps; False when the process ended meanwhile."""
    deadline = time.monotonic() + seconds
    while True:
        if proc.poll() is not None:
            return False
        left = deadline - time.monotonic()
        if left <= 0:
            return True
        time.sleep(min(left, 0.25))
