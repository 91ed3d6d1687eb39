# SPDX-License-Identifier: GPL-3.0-or-later
"""hmdx started with capabilities (as root, or setcap'd and run by nobody) holds none once it
is up: not when Qt loads a plugin the caller's environment names, not in the alert command it
starts, not when the real chip cannot be had. The machine-wide claim keeps a second hmdx of
another user off the chip before it touches a port."""

import os
import pwd
import re
import shutil
import signal
import subprocess
import tempfile

from harness import HERE, Failure, Hmdx, Skip, case, check, wait_for

CAPS = ("CapInh", "CapPrm", "CapEff", "CapAmb")

# $$: the alert command's own process, not grep's.
ALERT = "#!/bin/sh\ngrep ^Cap /proc/$$/status >>'{}'\n"

CLAIM = "model hmb\nhold\nclaim machine\n"
VOLT_HIGH = "volt-high.scn"  # a warning two seconds in

# Asks for ports as hmdx does (granting touches no port): refused, or the real backend is
# never run here.
PORTS_REFUSED = """
import ctypes, sys
libc = ctypes.CDLL(None, use_errno=True)
sys.exit(libc.ioperm(0x80, 1, 1) != -1)
"""


def need_root():
    # Only root has capabilities to lose, and only root can start hmdx as another user.
    if os.geteuid() != 0:
        raise Skip("needs root")


def read(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except FileNotFoundError:
        return ""


def check_no_capability(record, who):
    """record: the Cap* lines of /proc/PID/status, one block for each process."""
    pairs = [line.split(":", 1) for line in record.splitlines() if ":" in line]
    check(set(CAPS) <= {key for key, _ in pairs}, f"no capability lines in {record!r}")
    held = sorted({f"{key} {value.strip()}" for key, value in pairs
                   if key in CAPS and int(value, 16)})
    check(not held, f"{who} held capabilities: {', '.join(held)}")


def check_record(app, record, who, events):
    """Once the record is there and the event loop runs (the scenario's warning was raised in
    a tick), hmdx ends on SIGTERM and the record shows no capability."""
    for what, ready in (("the record of " + who, lambda: "CapAmb" in read(record)),
                        ("a warning raised", lambda: "warning raised" in read(events))):
        wait_for(what, ready, 20, abort=app.ensure_alive)
    app.proc.send_signal(signal.SIGTERM)
    app.ends_with(0, "SIGTERM")
    check_no_capability(read(record), who)


@case("privilege-plugins")
def plugins(session):
    need_root()
    folder = os.environ.get("HMDX_E2E_PLUGINS", "")
    check(os.path.exists(os.path.join(folder, "generic", "libhmdxcapprobe.so")),
          f"no probe plugin under HMDX_E2E_PLUGINS={folder!r} (ctest sets it; built with all)")
    record = os.path.join(session.dir, "plugin-caps.txt")
    session.env.update(QT_PLUGIN_PATH=folder, QT_QPA_GENERIC_PLUGINS="hmdxcapprobe",
                       HMDX_CAPPROBE_FILE=record)
    events = os.path.join(session.dir, "events")
    # With its window: headless, hmdx loads no Qt plugin at all.
    app = session.start("--event-log", events, scenario=VOLT_HIGH)
    check_record(app, record, "hmdx, when Qt loaded a plugin the environment named,", events)


@case("privilege-alert-child")
def alert_child(session):
    need_root()
    record = os.path.join(session.dir, "alert-caps.txt")
    script = os.path.join(session.dir, "alert.sh")
    with open(script, "w", encoding="utf-8") as f:
        f.write(ALERT.format(record))
    os.chmod(script, 0o755)
    events = os.path.join(session.dir, "events")
    app = session.start("--headless", "--alert-command", script, "--event-log", events,
                        scenario=VOLT_HIGH, display=False)
    check_record(app, record, "the alert command", events)


@case("privilege-setcap-nobody")
def setcap_nobody(session):
    need_root()
    shared = tempfile.mkdtemp(prefix="hmdx-e2e-setcap-")
    try:
        os.chmod(shared, 0o755)
        plugins = os.path.join(shared, "plugins")
        shutil.copytree(os.environ.get("HMDX_E2E_PLUGINS", ""), plugins)
        files = os.path.join(shared, "files")
        os.mkdir(files, 0o777)
        os.chmod(files, 0o777)
        binary = shutil.copy(session.binary, shared)
        if subprocess.run(["setcap", "cap_sys_rawio+ep", binary]).returncode != 0:
            raise Skip("no file capabilities here")
        # With a window, offscreen: headless, hmdx loads no Qt plugin at all.
        env = dict(PATH="/usr/bin:/bin", QT_PLUGIN_PATH=plugins, QT_QPA_PLATFORM="offscreen",
                   QT_QPA_GENERIC_PLUGINS="hmdxcapprobe")
        # setpriv execs: the pid signalled is hmdx's own.
        nobody = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"]
        scenario = shutil.copy(os.path.join(HERE, "scenarios", VOLT_HIGH), shared)
        events = os.path.join(files, "events")
        for name, argv in (("simulated", [binary, "--scenario", scenario, "--event-log", events]),
                           ("no-chip", ["unshare", "--user", binary])):
            record = os.path.join(files, name)
            run_env = dict(env, HMDX_CAPPROBE_FILE=record)
            if name == "no-chip" and subprocess.run(
                    nobody + ["unshare", "--user", "--map-root-user", "python3", "-c",
                              PORTS_REFUSED], env=run_env).returncode != 0:
                raise Failure("ports can be had in nobody's own user namespace")
            app = session.helper(f"hmdx-{name}", nobody + argv + ["--data-dir", files],
                                 env=run_env)
            if name == "simulated":
                check_record(hmdx_of(app, session, name), record, "setcap'd hmdx of nobody",
                             events)
                continue
            # Its message box waits for an OK no one gives.
            log = os.path.join(session.dir, f"hmdx-{name}.log")
            wait_for("the start-up failure", lambda: "LOAD Device Driver fail!" in read(log)
                     and "CapAmb" in read(record), 30)
            app.kill()
            check_no_capability(read(record), "setcap'd hmdx of nobody without the chip")
    finally:
        shutil.rmtree(shared, ignore_errors=True)


def hmdx_of(proc, session, name):
    return Hmdx(proc, None, os.path.join(session.dir, f"hmdx-{name}.log"))


@case("claim-two-users")
def claim_two_users(session):
    need_root()
    if not os.path.isdir("/run/lock"):
        raise Skip("no /run/lock for the machine-wide claim")
    # The case's own folder is root's alone: nobody's files live in one it can reach.
    shared = tempfile.mkdtemp(prefix="hmdx-e2e-claim-")
    try:
        two_users(session, shared, pwd.getpwnam("nobody"))
    finally:
        shutil.rmtree(shared, ignore_errors=True)


def two_users(session, shared, nobody):
    os.chmod(shared, 0o755)
    scenario = os.path.join(shared, "claim.scn")
    with open(scenario, "w", encoding="utf-8") as f:
        f.write(CLAIM)
    own = os.path.join(shared, "files")
    os.mkdir(own)
    os.chmod(own, 0o777)
    # Its own runtime folder: root's would hold root's instance lock, not the claim under test.
    runtime = os.path.join(shared, "runtime")
    os.mkdir(runtime, 0o700)
    os.chown(runtime, nobody.pw_uid, nobody.pw_gid)
    as_nobody = ["runuser", "-u", "nobody", "--"]
    if subprocess.run(as_nobody + ["test", "-x", session.binary]).returncode != 0:
        raise Skip(f"nobody cannot run {session.binary}")

    trace = os.path.join(session.dir, "trace1.txt")
    first = session.start("--headless", "--sim-trace", trace, scenario=scenario, display=False)
    wait_for("the first hmdx's port accesses", lambda: read(trace), abort=first.ensure_alive)

    trace2, dump2 = os.path.join(own, "trace"), os.path.join(own, "dump")
    env = {k: v for k, v in session.env.items() if not k.startswith("XDG_") and k != "DISPLAY"}
    second = session.helper("hmdx-nobody", as_nobody + [
        session.binary, "--headless", "--scenario", scenario, "--data-dir", own,
        "--sim-trace", trace2, "--sim-dump", dump2], env=dict(env, XDG_RUNTIME_DIR=runtime))
    try:
        code = second.wait(30)
    except subprocess.TimeoutExpired:
        raise Failure("the second hmdx, of nobody, was still running 30 s on")
    said = read(os.path.join(session.dir, "hmdx-nobody.log"))
    check(code == 1, f"the second hmdx ended with exit code {code}, want 1; it said {said!r}")
    for want in (rf"\bprocess {first.proc.pid}\b", r"\broot\b"):
        check(re.search(want, said), f"the second hmdx's message lacks {want!r}: {said!r}")
    check(not read(trace2), "the second hmdx touched the chip's ports")
    check(not os.path.exists(dump2) or re.search(r"^ports 0$", read(dump2), re.M),
          f"the second hmdx's dump counts port accesses: {read(dump2)!r}")
    first.proc.send_signal(signal.SIGTERM)
    first.ends_with(0, "SIGTERM")
