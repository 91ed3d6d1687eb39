"""The installed hmdx, headless on a simulated chip, writes its metrics file, and a real
node_exporter serves every sample of it unchanged. SIGTERM then ends hmdx with status 0.

metrics_node_exporter.py --prefix DIR"""

import argparse
import ctypes
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

SKIP = 77  # ctest's SKIP_RETURN_CODE for this test
EXPORTER = "prometheus-node-exporter"
SAMPLE = re.compile(r"^([a-zA-Z_:][a-zA-Z0-9_:]*)(?:\{(.*)\})? (\S+)$")
LABEL = re.compile(r'([a-zA-Z_][a-zA-Z0-9_]*)="((?:[^"\\]|\\.)*)",?')

_libc = ctypes.CDLL(None, use_errno=True)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def die_with_driver():
    # A driver killed by the test timeout must leave neither program behind.
    _libc.prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


def samples(text, prefix="hmdx_"):
    """{(name, ((label, raw value), ...)): float} of the sample lines whose name starts so."""
    found = {}
    for line in text.splitlines():
        if not line.startswith(prefix):
            continue
        match = SAMPLE.match(line)
        check(match, f"not a sample line: {line!r}")
        name, labels, value = match.groups()
        pairs = tuple(sorted(LABEL.findall(labels or "")))
        found[(name, pairs)] = float(value)
    return found


def free_port():
    with socket.socket(socket.AF_INET, socket.SOCK_STREAM) as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_for(what, predicate, timeout, abort):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        abort()
        if time.monotonic() > deadline:
            raise Failure(f"gave up after {timeout:g} s waiting for {what}")
        time.sleep(0.1)


def read(path):
    try:
        with open(path, encoding="utf-8") as f:
            return f.read()
    except FileNotFoundError:
        return None


def scrape(url):
    try:
        with urllib.request.urlopen(url, timeout=5) as response:
            return response.read().decode("utf-8")
    except OSError:
        return None


def run(prefix, work):
    binary = os.path.join(prefix, "bin", "hmdx")
    textfiles = os.path.join(work, "textfile")
    runtime = os.path.join(work, "runtime")
    data = os.path.join(work, "data")
    for folder in (textfiles, data):
        os.mkdir(folder)
    os.mkdir(runtime, 0o700)
    metrics = os.path.join(textfiles, "hmdx.prom")
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("XDG_", "DBUS_", "QT_", "WAYLAND_", "DISPLAY"))}
    env["XDG_RUNTIME_DIR"] = runtime  # its own instance lock, whatever else runs

    logs = {name: open(os.path.join(work, name + ".log"), "w+b") for name in ("hmdx", "exporter")}
    procs = {}

    def tail(name, limit=2000):
        logs[name].flush()
        logs[name].seek(0)
        return logs[name].read().decode("utf-8", "replace")[-limit:]

    def alive():
        for name, proc in procs.items():
            if proc.poll() is not None:
                raise Failure(f"{name} ended early with status {proc.returncode}:\n{tail(name)}")

    try:
        procs["hmdx"] = subprocess.Popen(
            [binary, "--headless", "--simulate", "--metrics-file", metrics,
             "--metrics-interval", "1", "--data-dir", data],
            stdin=subprocess.DEVNULL, stdout=logs["hmdx"], stderr=logs["hmdx"], env=env,
            preexec_fn=die_with_driver)
        # The first file may come before the first reading.
        wait_for(f"a reading in {metrics}",
                 lambda: "\nhmdx_voltage_volts{" in (read(metrics) or ""), 20, alive)

        port = free_port()
        procs["exporter"] = subprocess.Popen(
            [EXPORTER, "--collector.disable-defaults", "--collector.textfile",
             f"--collector.textfile.directory={textfiles}",
             f"--web.listen-address=127.0.0.1:{port}"],
            stdin=subprocess.DEVNULL, stdout=logs["exporter"], stderr=logs["exporter"],
            preexec_fn=die_with_driver)
        url = f"http://127.0.0.1:{port}/metrics"
        wait_for(url, lambda: scrape(url), 20, alive)

        # hmdx rewrites the file every second: compare a scrape with the file as it was both
        # just before and just after it.
        for _ in range(20):
            before = read(metrics)
            served = scrape(url)
            if served is not None and before == read(metrics):
                break
            time.sleep(0.2)
        else:
            raise Failure("the file changed during every one of 20 scrapes")

        written = samples(before)
        shown = samples(served)
        check(("hmdx_info", (("chip_id", "0x30"), ("model", "HMB"))) in written,
              f"no hmdx_info for the simulated HMB in:\n{before[:600]}")
        volts = [key for key in written
                 if key[0] == "hmdx_voltage_volts" and ("caption", "+5V") in key[1]]
        check(len(volts) == 1, f"expected one +5V reading, found {volts}")
        check(3.0 < written[volts[0]] < 7.0, f"+5V reads {written[volts[0]]}")
        missing = sorted(set(written) - set(shown))
        check(not missing, f"node_exporter leaves out {missing[:5]}")
        differ = [(key, written[key], shown[key]) for key in written if written[key] != shown[key]]
        check(not differ, f"node_exporter shows other values: {differ[:5]}")
        check(samples(served, "node_textfile_scrape_error").get(
            ("node_textfile_scrape_error", ())) == 0, "node_exporter could not read the file")
        # What the stale-metrics alert matches on (file=~".*hmdx.*").
        mtimes = samples(served, "node_textfile_mtime_seconds")
        check(any(re.fullmatch(".*hmdx.*", dict(labels).get("file", ""))
                  for _, labels in mtimes), f"no hmdx file among {list(mtimes)}")

        procs["hmdx"].send_signal(signal.SIGTERM)
        try:
            status = procs["hmdx"].wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("hmdx still running 15 s after SIGTERM")
        check(status == 0, f"hmdx ended with status {status} after SIGTERM:\n{tail('hmdx')}")
        print(f"ok: {len(written)} hmdx samples served unchanged; hmdx ended with 0")
    finally:
        for proc in procs.values():
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        for log in logs.values():
            log.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--prefix", required=True, help="install prefix holding bin/hmdx")
    args = parser.parse_args()
    if not shutil.which(EXPORTER):
        print(f"SKIP: {EXPORTER} is missing; scripts/install-deps.sh installs it")
        return SKIP
    binary = os.path.join(args.prefix, "bin", "hmdx")
    if not os.access(binary, os.X_OK):
        print(f"{binary} is not installed (the e2e.install fixture puts it there)")
        return 1
    work = tempfile.mkdtemp(prefix="hmdx-metrics-")
    try:
        run(args.prefix, work)
    except Failure as failure:
        print(f"FAIL metrics-node-exporter: {failure}")
        return 1
    finally:
        shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
