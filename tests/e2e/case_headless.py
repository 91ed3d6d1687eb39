# SPDX-License-Identifier: GPL-3.0-or-later
"""hmdx without a display: warnings go to standard error and the event log, the metrics file
passes Prometheus's own checker and is served by a real node_exporter (the case is skipped
without them), and SIGTERM ends it with exit code 0."""

import json
import os
import re
import shutil
import signal
import socket
import subprocess
import time
import urllib.request

from harness import MAIN_TITLE, Failure, Skip, case, check, wait_for

EXPORTER = "prometheus-node-exporter"
SAMPLE = re.compile(r"^([a-zA-Z_:][a-zA-Z0-9_:]*)(?:\{(.*)\})? (\S+)$")
LABEL = re.compile(r'([a-zA-Z_][a-zA-Z0-9_]*)="((?:[^"\\]|\\.)*)",?')


def samples(text, prefix="hmdx_"):
    """{(name, ((label, raw value), ...)): float} of the sample lines whose name starts so."""
    found = {}
    for line in (text or "").splitlines():
        if line.startswith(prefix):
            match = SAMPLE.match(line)
            check(match, f"not a sample line: {line!r}")
            name, labels, value = match.groups()
            found[(name, tuple(sorted(LABEL.findall(labels or ""))))] = float(value)
    return found


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


@case("headless")
def headless(session):
    log = os.path.join(session.dir, "events.jsonl")
    folder = os.path.join(session.dir, "textfile")
    os.mkdir(folder)
    metrics = os.path.join(folder, "hmdx.prom")
    app = session.start("--headless", "--event-log", log, "--metrics-file", metrics,
                        "--metrics-interval", "1", scenario="volt-high.scn", display=False)
    wait_for("the +5V warning on standard error", lambda: "hmdx: warning: +5V" in app.stderr(),
             abort=app.ensure_alive)
    check(not session.windows(MAIN_TITLE), "a headless hmdx opened a window")
    missing = [tool for tool in (EXPORTER, "promtool") if not shutil.which(tool)]
    if not missing:
        read_by_prometheus_tools(session, app, folder, metrics)
    app.proc.send_signal(signal.SIGTERM)
    app.ends_with(0, "SIGTERM")
    with open(log, encoding="utf-8") as f:
        names = [json.loads(line)["event"] for line in f]
    check(names == ["start", "warning raised", "end"], f"events: {names}")
    if missing:
        raise Skip(f"{', '.join(missing)} missing; scripts/install-deps.sh installs them")


def read_by_prometheus_tools(session, app, folder, metrics):
    # The first file may come before the first reading.
    wait_for(f"a reading in {metrics}", lambda: "\nhmdx_voltage_volts{" in (read(metrics) or ""),
             20, abort=app.ensure_alive)
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    exporter = session.helper(EXPORTER, [EXPORTER, "--collector.disable-defaults",
                                         "--collector.textfile",
                                         f"--collector.textfile.directory={folder}",
                                         f"--web.listen-address=127.0.0.1:{port}"])
    url = f"http://127.0.0.1:{port}/metrics"

    def alive():
        app.ensure_alive()
        check(exporter.poll() is None, f"{EXPORTER} ended early")
    wait_for(url, lambda: scrape(url), 20, abort=alive)

    # hmdx rewrites the file every second: compare a scrape with the file as it was both just
    # before and just after it.
    for _ in range(20):
        before = read(metrics)
        served = scrape(url)
        if served is not None and before == read(metrics):
            break
        time.sleep(0.2)
    else:
        raise Failure("the file changed during every one of 20 scrapes")
    lint = subprocess.run(["promtool", "check", "metrics"], input=before, text=True,
                          capture_output=True)
    check(lint.returncode == 0, f"promtool check metrics: {lint.stdout}{lint.stderr}")
    written, shown = samples(before), samples(served)
    check(("hmdx_info", (("chip_id", "0x30"), ("model", "HMB"))) in written,
          f"no hmdx_info for the simulated HMB in:\n{before[:600]}")
    volts = [key for key in written
             if key[0] == "hmdx_voltage_volts" and ("caption", "+5V") in key[1]]
    check(len(volts) == 1 and 3.0 < written[volts[0]] < 7.0, f"+5V readings: {volts}")
    differ = [(key, value, shown.get(key)) for key, value in written.items()
              if shown.get(key) != value]
    check(not differ, f"node_exporter leaves out or changes {differ[:5]}")
    check(samples(served, "node_textfile_scrape_error").get(
        ("node_textfile_scrape_error", ())) == 0, "node_exporter could not read the file")
    # What the stale-metrics alert matches on (file=~".*hmdx.*").
    mtimes = samples(served, "node_textfile_mtime_seconds")
    check(any(re.fullmatch(".*hmdx.*", dict(labels).get("file", "")) for _, labels in mtimes),
          f"no hmdx file among {list(mtimes)}")
