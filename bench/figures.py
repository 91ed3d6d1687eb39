# SPDX-License-Identifier: GPL-3.0-or-later
"""The measurements behind bench/run. Each adds its rows to a Table; one that fails adds
"failed: reason" instead and the rest go on."""

import contextlib
import json
import os
import re
import shutil
import signal
import statistics
import subprocess
import time

import procs
import xwatch
from procs import log

MODELS = ("hma", "hmb", "hmc", "hmdf")
PEERS = ("gkrellm", "xsensors", "psensor")
MAIN_TITLE = "hmdx"  # a part of the main window's title
WINDOW_TIMEOUT = 10.0  # a program with no window by then has none
TRAY_HEIGHT = 24


class Failure(Exception):
    pass


class Table:
    def __init__(self):
        self.rows = []  # (measurement, figure, how)
        self.notes = []
        self.raw = {}

    def add(self, what, figure, how):
        self.rows.append((what, figure, how))
        log(f"{what}: {figure}")

    def note(self, text):
        if text not in self.notes:
            self.notes.append(text)

    @contextlib.contextmanager
    def guard(self, what, how):
        """A row for `what` saying why, should the measurement inside fail."""
        try:
            yield
        except Exception as error:  # any fault of one measurement is reported, not raised
            reason = str(error) or type(error).__name__
            self.add(what, f"failed: {reason}", how)


# -- helpers -------------------------------------------------------------------------------


def need(binary):
    """A binary's path; a build problem is raised as this row's failure."""
    if not binary or not os.path.isabs(binary):
        raise Failure(binary or "not built")
    return binary


def median(values):
    return statistics.median(values) if values else None


def sig(value, digits=3):
    """A short number with no exponent: 12.3, 0.0123, 1,234."""
    if value == int(value) and abs(value) < 1e15:
        return f"{int(value):,}"
    if abs(value) >= 10 ** (digits - 1):
        return f"{value:,.0f}"
    decimals = digits - 1 - int(f"{abs(value):e}".split("e")[1])
    return f"{value:.{max(decimals, 0)}f}"


def mib(kib):
    return f"{kib / 1024:.1f}"


def tail(path, lines=3):
    try:
        with open(path, errors="replace") as f:
            text = [line.strip() for line in f if line.strip()]
        return " / ".join(text[-lines:])[:300]
    except OSError:
        return ""


def run_captured(argv, env, timeout, folder, name):
    """Runs to the end; (stdout, stderr file). Raises Failure on a bad exit or a hang."""
    err = os.path.join(folder, f"{name}.err")
    with open(err, "wb") as err_file:
        proc = procs.spawn(argv, env=env, stdout=subprocess.PIPE, stderr=err_file)
        try:
            out, _ = proc.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            procs.end(proc, grace=2)
            raise Failure(f"{os.path.basename(argv[0])} still running after {timeout:g} s")
        procs.end(proc)
    if proc.returncode != 0:
        raise Failure(f"{os.path.basename(argv[0])} {exit_text(proc.returncode)}: "
                      f"{tail(err)}")
    return out.decode(errors="replace"), err


def exit_text(code):
    if code is None:
        return "still running"
    if code < 0:
        try:
            return f"killed by {signal.Signals(-code).name}"
        except ValueError:
            return f"killed by signal {-code}"
    return f"exited with {code}"


def offscreen_env(folder, name):
    env = procs.fresh_home(folder, name)
    env["QT_QPA_PLATFORM"] = "offscreen"
    return env


def callgrind(argv):
    return ["valgrind", "--tool=callgrind"] + argv


def callgrind_total(path):
    """The instruction count of a callgrind output file."""
    if not os.path.exists(path):
        raise Failure("callgrind wrote no output file")
    found = {}
    with open(path, errors="replace") as f:
        for line in f:
            match = re.match(r"(totals|summary):\s*(\d+)", line)
            if match:
                found[match.group(1)] = int(match.group(2))
    if not found:
        raise Failure(f"no totals or summary line in {os.path.basename(path)}")
    return found.get("totals", found.get("summary"))


# -- 1. port accesses per tick -------------------------------------------------------------


def parse_pairs(text):
    for line in reversed(text.splitlines()):
        pairs = dict(p.split("=", 1) for p in line.split() if "=" in p)
        if "port_accesses_per_tick" in pairs:
            return pairs
    raise Failure(f"no port_accesses_per_tick in the driver's output {text.strip()[:200]!r}")


def port_accesses(table, binaries, args):
    folder = procs.temp_folder("hmdx-bench-ports-")
    raw = table.raw.setdefault("port_accesses_per_tick", {})
    how = (f"hmdx_tickdriver --model M --ticks {args.port_ticks}, every item enabled: the "
           "simulator's port count per tick; expected: 2 per register read + 4 per bank "
           "selection")
    for model in MODELS:
        with table.guard(f"Port accesses per tick, {model}", how):
            driver = need(binaries["hmdx_tickdriver"])
            out, _ = run_captured([driver, "--model", model, "--ticks", str(args.port_ticks)],
                                  offscreen_env(folder, model), 300, folder, f"ports-{model}")
            pairs = parse_pairs(out)
            accesses = float(pairs["port_accesses_per_tick"])
            reads = float(pairs.get("register_reads_per_tick", "nan"))
            banks = float(pairs.get("bank_selections_per_tick", "nan"))
            writes = float(pairs.get("register_writes_per_tick", "0"))
            expected = 2 * reads + 4 * banks + 2 * writes
            raw[model] = dict(pairs, expected=expected)
            parts = [f"{sig(reads)} reads", f"{sig(banks)} bank selections"]
            if writes:
                parts.append(f"{sig(writes)} writes")
            verdict = "as expected" if abs(accesses - expected) < 1e-9 else "NOT as expected"
            table.add(f"Port accesses per tick, {model}",
                      f"{sig(accesses)} (expected {sig(expected)}: {', '.join(parts)}; "
                      f"{verdict})", how)
    how = (f"hmdx_tickdriver --model M --ticks {args.port_ticks} --fan-control against the same "
           "without: output 1 at a fixed 60 %, its first write before the counted ticks")
    for model in ("hmb", "hmc"):
        with table.guard(f"Extra port accesses per tick, fan control on and steady, {model}", how):
            driver = need(binaries["hmdx_tickdriver"])
            out, _ = run_captured([driver, "--model", model, "--ticks", str(args.port_ticks),
                                   "--fan-control"], offscreen_env(folder, model), 300, folder,
                                  f"ports-fans-{model}")
            pairs = parse_pairs(out)
            extra = float(pairs["port_accesses_per_tick"]) - float(
                raw[model]["port_accesses_per_tick"])
            raw[f"{model} fan control"] = pairs
            table.add(f"Extra port accesses per tick, fan control on and steady, {model}",
                      f"{sig(extra)} (goal 0; {'met' if extra == 0 else 'NOT met'})", how)
    procs.remove_folder(folder)


# -- 2. instructions per tick --------------------------------------------------------------


def tick_instructions(table, binaries, args):
    folder = procs.temp_folder("hmdx-bench-callgrind-")
    raw = table.raw.setdefault("instructions_per_tick", {})
    n = args.ticks
    for hidden in (False, True):
        label = "window hidden" if hidden else "window shown (offscreen)"
        what = f"Instructions per polling tick, hmb, {label}"
        how = (f"callgrind on hmdx_tickdriver --model hmb{' --hidden' if hidden else ''}: "
               f"(I({2 * n} ticks) - I({n} ticks)) / {n}")
        with table.guard(what, how):
            driver = need(binaries["hmdx_tickdriver"])
            log(f"callgrind: {n} and {2 * n} ticks, {label}")
            # Instruction counts do not depend on the load, so both runs go at once.
            running = []
            for ticks in (n, 2 * n):
                name = f"ticks{ticks}{'-hidden' if hidden else ''}"
                out = os.path.join(folder, f"{name}.callgrind")
                argv = callgrind([f"--callgrind-out-file={out}", driver, "--model", "hmb",
                                  "--ticks", str(ticks)] + (["--hidden"] if hidden else []))
                err = open(os.path.join(folder, f"{name}.err"), "wb")
                proc = procs.spawn(argv, env=offscreen_env(folder, name), stderr=err)
                running.append((proc, out, err))
            totals = []
            try:
                for proc, out, err in running:
                    try:
                        code = proc.wait(timeout=900)
                    except subprocess.TimeoutExpired:
                        raise Failure("callgrind still running after 900 s")
                    if code != 0:
                        raise Failure(f"callgrind run {exit_text(code)}: {tail(err.name)}")
                    totals.append(callgrind_total(out))
            finally:
                for proc, _, err in running:
                    procs.end(proc, grace=1)
                    err.close()
            per_tick = (totals[1] - totals[0]) / n
            raw["hidden" if hidden else "shown"] = {"ticks": [n, 2 * n], "totals": totals,
                                                    "per_tick": per_tick}
            table.add(what, f"{per_tick:,.0f}",
                      f"{how}; I = {totals[0]:,} and {totals[1]:,}")
    procs.remove_folder(folder)


# -- 2b. the periodic read-back of the limits ----------------------------------------------


def readback_cost(table, binaries, args):
    """One read-back of the kept limit registers, and an hour of them at the default interval
    beside an hour of ticks."""
    folder = procs.temp_folder("hmdx-bench-readback-")
    raw = table.raw.setdefault("readback", {})
    n = max(args.ticks * 5, 100)
    what = "Limit read-back (--verify-interval, default 60 s), hmb"
    how = (f"hmdx_tickdriver --ticks 0 --readbacks N: the simulator's port count; callgrind "
           f"(I({2 * n}) - I({n})) / {n}; an hour is 60 read-backs beside 3600 ticks")
    with table.guard(what, how):
        driver = need(binaries["hmdx_tickdriver"])
        out, _ = run_captured([driver, "--model", "hmb", "--ticks", "0", "--readbacks", "10"],
                              offscreen_env(folder, "rb"), 300, folder, "readback-ports")
        pairs = dict(p.split("=", 1) for line in out.splitlines() for p in line.split()
                     if "=" in p)
        ports = float(pairs["readback_port_accesses"])
        totals = []
        for count in (n, 2 * n):
            cg = os.path.join(folder, f"rb{count}.callgrind")
            run_captured(callgrind([f"--callgrind-out-file={cg}", driver, "--model", "hmb",
                                    "--ticks", "0", "--readbacks", str(count)]),
                         offscreen_env(folder, f"rb{count}"), 900, folder, f"rb{count}")
            totals.append(callgrind_total(cg))
        instructions = (totals[1] - totals[0]) / n
        tick = table.raw.get("instructions_per_tick", {}).get("hidden", {}).get("per_tick")
        raw.update(kept=int(pairs["kept_registers"]), port_accesses=ports,
                   instructions=instructions)
        hour = (f"{ports * 60:,.0f} port accesses an hour ({ports * 60 / (72 * 3600):.1%} of "
                f"the ticks' {72 * 3600:,})")
        if tick:
            hour += (f", {instructions * 60:,.0f} instructions an hour "
                     f"({instructions * 60 / (tick * 3600):.2%} of the hidden window's ticks)")
        table.add(what, f"{ports:g} port accesses ({pairs['kept_registers']} registers), "
                  f"{instructions:,.0f} instructions per read-back; {hour}", how)
    procs.remove_folder(folder)


# -- running a program on its own display --------------------------------------------------


class Session:
    """A fresh Xvfb and a fresh home; the program, trayer and the X server end with it."""

    def __init__(self, name):
        self.folder = procs.temp_folder(f"hmdx-bench-{name}-")
        self.env = procs.fresh_home(self.folder, "home")
        self.x = procs.Xserver()
        self.env.update(DISPLAY=self.x.display, QT_QPA_PLATFORM="xcb")
        self.watcher = xwatch.Watcher(self.x.display)
        self.children = []

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for proc in reversed(self.children):
            procs.end(proc, grace=3)
        self.watcher.close()
        self.x.close()
        procs.remove_folder(self.folder)

    def start_tray(self):
        self.children.append(procs.spawn(
            ["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "pixel",
             "--width", "120", "--height", str(TRAY_HEIGHT)], env=self.env))
        deadline = time.monotonic() + 10
        while not self.watcher.tray_running():
            if time.monotonic() > deadline:
                raise Failure("trayer did not take the notification area")
            time.sleep(0.05)

    def start(self, argv, title=None, timeout=WINDOW_TIMEOUT, stderr_name="program"):
        """Starts the program and waits for its first top-level window. Returns
        (proc, window or None, seconds from exec to the map, or "exited"/"no window")."""
        err = open(os.path.join(self.folder, f"{stderr_name}.err"), "wb")
        started = time.monotonic()
        proc = procs.spawn(argv, env=self.env, stderr=err)
        err.close()
        self.children.append(proc)
        found = self.watcher.wait_map(started + timeout, pid=proc.pid, title=title,
                                      alive=lambda: proc.poll() is None)
        if found == "exited":
            return proc, None, "exited"
        if found is None:
            return proc, None, "no window"
        window, mapped = found
        return proc, window, mapped - started

    def stderr(self, name="program"):
        return tail(os.path.join(self.folder, f"{name}.err"))

    def stop(self, proc, grace=10.0):
        code = procs.end(proc, grace=grace)
        if proc in self.children:
            self.children.remove(proc)
        return code


def hmdx_argv(hmdx, folder):
    data = os.path.join(folder, "data")
    os.makedirs(data, exist_ok=True)
    return [hmdx, "--simulate=hmb", "--data-dir", data]


def monitor_run(name, argv_for, args, title=None, hide=False, memory_after=None):
    """One program on its own display for settle + D seconds. Returns a dict: startup (s, or
    "exited"/"no window"), cpu_per_hour, rss/pss at the end, and rss/pss `memory_after`
    seconds after the window mapped when asked; "exited" figures for a program gone early."""
    result = {}
    with Session(name) as session:
        if hide:
            session.start_tray()
        proc, window, startup = session.start(argv_for(session.folder), title=title)
        result["startup"] = startup
        if startup == "exited":
            result["exit_code"] = proc.returncode
            result["stderr"] = session.stderr()
            return result
        mapped = time.monotonic()
        if window is not None:
            result["window_title"] = session.watcher.title(window)
        if hide:
            if window is None:
                raise Failure("no window to hide")
            session.watcher.request_close(window)
            if not session.watcher.wait_unmap(window, time.monotonic() + 10):
                raise Failure("closing the window did not hide it to the tray")
            if proc.poll() is not None:
                raise Failure(f"{name} ended when its window was closed")
        begin = time.monotonic() + args.settle
        end = begin + args.duration
        checkpoints = [(begin, "cpu0"), (end, "cpu1")]
        if memory_after is not None:
            checkpoints.append((mapped + memory_after, "memory"))
        for when, what in sorted(checkpoints):
            if not procs.sleep_while_alive(proc, when - time.monotonic()):
                result.update(exited_after=round(time.monotonic() - mapped, 1),
                              exit_code=proc.returncode, stderr=session.stderr())
                return result
            if what == "memory":
                result["memory_at"] = round(time.monotonic() - mapped, 1)
                result["rss_then"], result["pss_then"], result["anon_then"] = \
                    procs.memory_kib(proc.pid)
            else:
                result[what] = (time.monotonic(), procs.cpu_seconds(proc.pid),
                                procs.on_cpu_seconds(proc.pid))
        (t0, c0, s0), (t1, c1, s1) = result.pop("cpu0"), result.pop("cpu1")
        result["cpu_seconds"] = c1 - c0
        result["measured_seconds"] = t1 - t0
        result["cpu_per_hour"] = (c1 - c0) / (t1 - t0) * 3600
        result["schedstat_per_hour"] = (s1 - s0) / (t1 - t0) * 3600
        result["rss"], result["pss"], result["anon"] = procs.memory_kib(proc.pid)
        result["exit_code"] = session.stop(proc)
    return result


# -- 3. start-up ---------------------------------------------------------------------------


def startup_time(table, binaries, args):
    what = "Start-up: exec to main window mapped"
    how = (f"Xvfb; Xlib MapNotify on the root window, hmdx --simulate=hmb with a fresh data "
           f"folder; SIGTERM after each; median of {args.startup_runs}")
    with table.guard(what, how):
        hmdx = need(binaries["hmdx"])
        times, codes = [], []
        with Session("startup") as session:
            for run in range(args.startup_runs):
                run_folder = os.path.join(session.folder, f"run{run}")
                proc, _, startup = session.start(hmdx_argv(hmdx, run_folder), title=MAIN_TITLE,
                                                 stderr_name=f"run{run}")
                if isinstance(startup, str):
                    raise Failure(f"no window: hmdx {exit_text(proc.poll())}; "
                                  f"{session.stderr(f'run{run}')}")
                times.append(startup * 1000)
                codes.append(session.stop(proc))
        table.raw["startup_ms"] = {"runs": times, "exit_codes": codes}
        check_exit_codes(table, codes)
        table.add(what, f"{median(times):.0f} ms",
                  f"{how} (min {min(times):.0f}, max {max(times):.0f})")


def check_exit_codes(table, codes):
    bad = [c for c in codes if c != 0]
    if bad:
        table.note(f"hmdx ended with exit code {bad[0]} after SIGTERM in {len(bad)} run(s).")


def startup_instructions(table, binaries, args):
    what = "Instructions of start-up"
    how = ("callgrind on hmdx --simulate=hmb on Xvfb, SIGTERM as soon as its window maps; "
           "includes process start, Qt's initialisation and the clean exit")
    with table.guard(what, how):
        hmdx = need(binaries["hmdx"])
        with Session("startup-callgrind") as session:
            out = os.path.join(session.folder, "startup.callgrind")
            log("callgrind: hmdx start-up")
            proc, _, startup = session.start(
                callgrind([f"--callgrind-out-file={out}"] + hmdx_argv(hmdx, session.folder)),
                title=MAIN_TITLE, timeout=300)
            if isinstance(startup, str):
                raise Failure(f"no window: hmdx under callgrind {exit_text(proc.poll())}; "
                              f"{session.stderr()}")
            code = session.stop(proc, grace=120)
            if code != 0:
                raise Failure(f"hmdx {exit_text(code)} after SIGTERM: {session.stderr()}")
            total = callgrind_total(out)
        table.raw["startup_instructions"] = total
        table.add(what, f"{total:,}", how)


# -- 4, 5. memory and idle cost ------------------------------------------------------------


def idle(table, binaries, args):
    runs = {"shown": [], "hidden": []}
    problems = {}
    hmdx = binaries["hmdx"]
    for repeat in range(args.repeats):
        for kind in runs:
            if kind in problems:
                continue
            log(f"idle run {repeat + 1}/{args.repeats}, window {kind}: "
                f"{args.settle:g} + {args.duration:g} s")
            try:
                result = monitor_run(
                    "idle", lambda folder: hmdx_argv(need(hmdx), folder), args,
                    title=MAIN_TITLE, hide=kind == "hidden",
                    memory_after=args.memory_after if kind == "shown" else None)
                if "cpu_per_hour" not in result:
                    when = (f"{result['exited_after']:g} s after its window mapped"
                            if "exited_after" in result else "before its window mapped")
                    raise Failure(f"hmdx {exit_text(result.get('exit_code'))} {when}; "
                                  f"{result.get('stderr', '')}")
                runs[kind].append(result)
            except Exception as error:
                problems[kind] = str(error) or type(error).__name__
    table.raw["idle"] = runs
    check_exit_codes(table, [r["exit_code"] for rs in runs.values() for r in rs])

    settle = f"after a {args.settle:g} s settle"
    shown = runs["shown"]
    what = f"Memory after {args.memory_after:g} s of monitoring, window shown"
    how = ("/proc/PID/smaps_rollup of hmdx --simulate=hmb on Xvfb, "
           f"median of {args.repeats}")
    with table.guard(what, how):
        if "shown" in problems:
            raise Failure(problems["shown"])
        taken = [r for r in shown if "rss_then" in r]
        if not taken:
            raise Failure("the runs ended before memory was read")
        table.add(what, f"RSS {mib(median([r['rss_then'] for r in taken]))} MiB, "
                  f"PSS {mib(median([r['pss_then'] for r in taken]))} MiB, "
                  f"anonymous {mib(median([r['anon_then'] for r in taken]))} MiB", how)

    for kind, label in (("shown", "window shown"),
                        ("hidden", "hidden in the tray")):
        what = f"CPU time per hour of monitoring, {label}"
        how = (f"utime+stime from /proc/PID/stat over {args.duration:g} s {settle}, "
               f"scaled to 3600 s (whole clock ticks: one is "
               f"{3600 / procs.CLK_TCK / args.duration:.2g} s/h); in brackets the "
               "nanosecond on-CPU time of its threads from /proc/PID/task/*/schedstat")
        if kind == "hidden":
            how += "; trayer running, window closed with WM_DELETE_WINDOW"
        with table.guard(what, how):
            if kind in problems:
                raise Failure(problems[kind])
            figures = [r["cpu_per_hour"] for r in runs[kind]]
            precise = median([r["schedstat_per_hour"] for r in runs[kind]])
            table.add(what, f"{median(figures):.2f} s/h ({precise:.2f} s/h)",
                      f"{how}; median of {len(figures)} "
                      f"({', '.join(f'{f:.2f}' for f in figures)})")

    what = "Memory at the end of a run, hidden in the tray"
    how = (f"/proc/PID/smaps_rollup, {args.settle + args.duration:g} s after the window was "
           f"closed to the tray, median of {args.repeats}")
    with table.guard(what, how):
        if "hidden" in problems:
            raise Failure(problems["hidden"])
        hidden = runs["hidden"]
        table.add(what, f"RSS {mib(median([r['rss'] for r in hidden]))} MiB, "
                  f"PSS {mib(median([r['pss'] for r in hidden]))} MiB", how)


def guardian_memory(table, binaries, args):
    """The fan guardian as hmdx runs it, with this script standing in for hmdx: a heartbeat a
    second, then its memory, then the quit byte."""
    seconds = 3 if args.quick else 10
    what = "Fan guardian's memory"
    how = (f"/proc/PID/smaps_rollup of hmdx-guardian after {seconds} s of heartbeats (this "
           "script as its parent, a simulation trace as its target); its own memory is "
           "Private_Clean + Private_Dirty; goal under 1 MiB of its own")
    with table.guard(what, how):
        guardian = need(binaries["hmdx-guardian"])
        folder = procs.temp_folder("hmdx-bench-guardian-")
        trace = os.path.join(folder, "trace")
        open(trace, "w").close()
        reader, writer = os.pipe()
        proc = procs.spawn([guardian, f"--parent={os.getpid()}", f"--pipe={reader}",
                            "--writes=0x295:0x5b,0x296:0xff", f"--trace={trace}"],
                           pass_fds=(reader,))
        os.close(reader)
        try:
            for _ in range(seconds):
                os.write(writer, b".")
                if not procs.sleep_while_alive(proc, 1.0):
                    raise Failure(f"hmdx-guardian {exit_text(proc.returncode)}")
            own, rss = procs.own_memory_kib(proc.pid)
            os.write(writer, b"q")
        finally:
            os.close(writer)
        if procs.end(proc) != 0 or os.path.getsize(trace):
            raise Failure("it did not quit cleanly when told to")
        procs.remove_folder(folder)
        table.raw["guardian_memory_kib"] = {"own": own, "rss": rss}
        verdict = "met" if own < 1024 else "NOT met"
        table.add(what, f"{own} KiB of its own, RSS {rss} KiB (goal under 1024 KiB of its own: "
                  f"{verdict})", how)


# -- 6. Google Benchmark -------------------------------------------------------------------


def microbench(table, binaries, args):
    what = "Google Benchmark (hmdx_microbench)"
    how = f"hmdx_microbench --benchmark_min_time={args.min_time:g}"
    with table.guard(what, how):
        binary = binaries["hmdx_microbench"]
        if not binary or not os.path.isabs(binary):
            table.add(what, f"skipped: {binary}", how)
            return
        folder = procs.temp_folder("hmdx-bench-micro-")
        log("hmdx_microbench")
        out, _ = run_captured([binary, "--benchmark_format=json",
                               f"--benchmark_min_time={args.min_time:g}"],
                              offscreen_env(folder, "micro"), 1800, folder, "micro")
        procs.remove_folder(folder)
        try:
            report = json.loads(out)
        except ValueError as error:
            raise Failure(f"its JSON does not parse: {error}")
        table.raw["microbench"] = report.get("benchmarks", [])
        for bench in report.get("benchmarks", []):
            if bench.get("run_type") == "aggregate":
                continue
            unit = bench.get("time_unit", "ns")
            # CPU time: on a shared machine the wall time also counts others' work.
            table.add(f"micro: {bench['name']}",
                      f"{sig(bench['cpu_time'])} {unit}",
                      f"{how}; CPU time per iteration over {bench['iterations']:,} "
                      f"iterations (wall {sig(bench['real_time'])} {unit})")
        if not table.raw["microbench"]:
            raise Failure("it ran no benchmark")


# -- side by side --------------------------------------------------------------------------


def package_version(name):
    try:
        result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name],
                                capture_output=True, text=True)
    except OSError:
        return None
    return result.stdout.strip() if result.returncode == 0 else None


def side_by_side(table, binaries, args):
    programs = {"hmdx": None}
    for peer in PEERS:
        programs[peer] = shutil.which(peer)
    runs = {name: [] for name in programs}
    for repeat in range(args.repeats):
        for name, path in programs.items():
            log(f"side by side {repeat + 1}/{args.repeats}: {name}, "
                f"{args.settle:g} + {args.duration:g} s")
            try:
                if name == "hmdx":
                    hmdx = need(binaries["hmdx"])
                    argv_for, title = (lambda folder: hmdx_argv(hmdx, folder)), MAIN_TITLE
                else:
                    if not path:
                        raise Failure("not installed")
                    argv_for, title = (lambda folder, path=path: [path]), None
                runs[name].append(monitor_run(f"peer-{name}", argv_for, args, title=title))
            except Exception as error:
                runs[name].append({"failed": str(error) or type(error).__name__})
    table.raw["side_by_side"] = runs

    def figure(name, key, scale):
        """The median over the runs, or what became of the program instead."""
        results = runs[name]
        values = [r[key] for r in results if isinstance(r.get(key), (int, float))]
        if values:
            return scale(median(values))
        for r in results:
            if "failed" in r:
                return f"failed: {r['failed']}"
        for r in results:
            if isinstance(r.get("startup"), str) and key == "startup":
                return r["startup"]
            if r.get("startup") == "exited" or "exited_after" in r:
                return "exited"
        return "no figure"

    common = (f"each program on its own Xvfb with a fresh HOME, one after the other, median "
              f"of {args.repeats}; (peer / hmdx) in brackets, > 1: hmdx is cheaper")
    span = f"over {args.duration:g} s after a {args.settle:g} s settle"
    metrics = (
        ("CPU time per hour", "cpu_per_hour", lambda v: v, lambda v: f"{v:.2f} s/h",
         f"utime+stime from /proc/PID/stat {span}"),
        ("on-CPU time per hour", "schedstat_per_hour", lambda v: v,
         lambda v: f"{v:.2f} s/h", f"/proc/PID/task/*/schedstat (ns) {span}"),
        ("RSS after the run", "rss", lambda v: v, lambda v: f"{mib(v)} MiB",
         "/proc/PID/smaps_rollup at the end of the run"),
        ("PSS after the run", "pss", lambda v: v, lambda v: f"{mib(v)} MiB",
         "/proc/PID/smaps_rollup at the end of the run"),
        ("anonymous (own) memory after the run", "anon", lambda v: v,
         lambda v: f"{mib(v)} MiB",
         "Anonymous in /proc/PID/smaps_rollup: heap and stacks, not shared library code"),
        ("start-up to first window", "startup", lambda v: v * 1000, lambda v: f"{v:.0f} ms",
         f"exec to the first top-level MapNotify (none in {WINDOW_TIMEOUT:g} s: no window)"),
    )
    for title, key, scale, show, method in metrics:
        what = f"Side by side: {title}"
        how = f"{method}; {common}"
        with table.guard(what, how):
            base = figure("hmdx", key, scale)
            parts = []
            for name in programs:
                value = figure(name, key, scale)
                if not isinstance(value, (int, float)):
                    parts.append(f"{name} {value}")
                elif name == "hmdx" or not isinstance(base, (int, float)) or base == 0:
                    parts.append(f"{name} {show(value)}")
                else:
                    parts.append(f"{name} {show(value)} ({sig(value / base, 2)})")
            table.add(what, "; ".join(parts), how)

    versions = [f"{p} {package_version(p)}" for p in PEERS if package_version(p)]
    if versions:
        table.note("Side by side: Debian's " + ", ".join(versions) + ", each with its "
                   "defaults; hmdx ran --simulate=hmb.")
    hwmon = "/sys/class/hwmon"
    no_sensors = not os.path.isdir(hwmon) or not os.listdir(hwmon)
    for r in runs.get("xsensors", []):
        if r.get("startup") == "exited":
            reason = f" ({r['stderr']})" if r.get("stderr") else ""
            table.note("xsensors exits at once here" +
                       (", as this machine has no /sys/class/hwmon" if no_sensors else "") +
                       f"{reason}: no figures.")
            break
    if no_sensors:
        table.note("psensor finds no hardware sensor on this machine (no /sys/class/hwmon) and "
                   "idles, showing only CPU usage and free memory; gkrellm still draws its "
                   "default clock, CPU, process, disk, network and memory charts.")
    if any(r.get("window_title") == "gkrellm" for r in runs.get("gkrellm", [])):
        table.note("gkrellm opens an introduction box on its first run (each run has a fresh "
                   "HOME); its start-up is to its own main window, which maps first.")


def run_all(table, binaries, args):
    steps = [port_accesses, tick_instructions, readback_cost, startup_time, startup_instructions, idle,
             guardian_memory, microbench]
    if args.peers:
        steps.append(side_by_side)
    for step in steps:
        try:
            step(table, binaries, args)
        except Exception as error:  # a step's own guard failed: still go on
            table.add(step.__name__, f"failed: {error}", "")
