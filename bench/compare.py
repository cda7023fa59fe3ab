#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Measures the program beside a bare Qt peer, in one run, on a desktop of
its own (the tests' harness: Xvfb and openbox, without the accessibility
bus, as a desktop without a screen reader runs).

    compare.py startup [RUNS]     exec to first painted frame, alternating runs
    compare.py idle [SECONDS]     CPU time and wake-ups with the clock ticking
    compare.py memory             peak RSS after start; growth after many games

Prints medians and ratios; nothing here passes or fails on time. The Windows
build, both programs cross-built the same way, is measured under Wine:

    BUILD_DIR=build-windows/target python3 tests/e2e/on_a_desktop.py --windows \
        python3 bench/compare.py startup 30
"""

import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from harness.desktop import start_desktop  # noqa: E402
from harness.processes import PROCESSES, scratch_folder  # noqa: E402

BUILD = os.environ.get("BUILD_DIR", os.path.join(HERE, "..", "build"))
# A Windows build runs in the Wine prefix and on the desktop the harness made,
# through the tests' runner, which finds Qt's DLLs.
WINE = os.path.join(BUILD, "tests", "wine-run") if "WINEPREFIX" in os.environ else None
if WINE:
    APP, PEER = (os.path.join(BUILD, name + ".exe") for name in ("bench_app", "bench_peer"))
else:
    APP, PEER = (os.path.join(BUILD, "bench", name) for name in ("bench_app", "bench_peer"))


class Desktop:
    """The harness's desktop, ended with everything it started; under Wine,
    the one the harness already made."""

    def __enter__(self):
        if WINE:
            self.env = dict(os.environ, LC_ALL="fr_FR.UTF-8")
        else:
            self.env = start_desktop(scratch_folder("bench-"), accessibility=False)
        return self

    def __exit__(self, *_):
        PROCESSES.end_all()

    def start(self, program, *args):
        command = [WINE, program] if WINE else [program]
        started = time.monotonic_ns()
        process = subprocess.Popen([*command, *map(str, args)], env=self.env,
                                   stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                                   start_new_session=True)
        return started, process

    @staticmethod
    def figures(started, process):
        # The program writes its first line once its first frame is painted.
        first = process.stdout.readline()
        first_frame = time.monotonic_ns()
        out = first + process.stdout.read()
        process.wait(timeout=600)
        figures = dict(line.split() for line in out.splitlines() if line.strip())
        # The programs print in the French locale they run in: 0,4 is 0.4.
        figures = {key: float(value.replace(",", ".")) for key, value in figures.items()}
        figures["startup_ms"] = (first_frame - started) / 1e6
        return figures


def row(name, app, peer, unit, digits=1):
    ratio = app / peer if peer else float("nan")
    print("%-32s program %10.*f %-5s peer %10.*f %-5s ratio %.2f"
          % (name, digits, app, unit, digits, peer, unit, ratio))


def startup(runs=20):
    results = {APP: [], PEER: []}
    with Desktop() as desktop:
        for _ in range(2):  # warm the caches for both
            for program in (APP, PEER):
                desktop.figures(*desktop.start(program))
        for run in range(runs):
            order = (APP, PEER) if run % 2 == 0 else (PEER, APP)
            for program in order:
                results[program].append(desktop.figures(*desktop.start(program)))
    print("start-up over %d alternating runs (median)" % runs)
    for key, name, unit in (("startup_ms", "exec to first painted frame", "ms"),
                            ("start_peak_rss_kb", "peak RSS at the first frame", "kB")):
        row(name, statistics.median(r[key] for r in results[APP]),
            statistics.median(r[key] for r in results[PEER]), unit)
    difference = (statistics.median(r["start_peak_rss_kb"] for r in results[APP])
                  - statistics.median(r["start_peak_rss_kb"] for r in results[PEER]))
    print("%-32s %+.0f kB" % ("peak RSS, program minus peer", difference))


def idle(seconds=60):
    with Desktop() as desktop:
        running = [desktop.start(APP, seconds), desktop.start(PEER, seconds)]
        app, peer = (desktop.figures(*run) for run in running)
    print("idle for %d s, both at once, the clock ticking" % seconds)
    row("CPU time", app["idle_cpu_ms"], peer["idle_cpu_ms"], "ms")
    row("main-thread wake-ups per second", app["idle_wakeups_per_s"], peer["idle_wakeups_per_s"],
        "/s", 2)
    row("context switches, all threads", app["idle_switches_per_s"], peer["idle_switches_per_s"],
        "/s", 2)


def memory(games=100000, help_cycles=1000):
    with Desktop() as desktop:
        app = desktop.figures(*desktop.start(APP, 1, games, help_cycles))
        peer = desktop.figures(*desktop.start(PEER, 1))
    row("peak RSS after start", app["start_peak_rss_kb"], peer["start_peak_rss_kb"], "kB", 0)
    print("%-32s %+.0f kB" % ("peak RSS, program minus peer",
                              app["start_peak_rss_kb"] - peer["start_peak_rss_kb"]))
    print("%-32s %+.0f kB (100 games and one help window, loaded once)"
          % ("RSS of first use", app["first_use_rss_kb"]))
    print("%-32s %+.0f kB after %d more games and %d help-window cycles"
          % ("RSS growth", app["work_rss_growth_kb"], games, help_cycles))


def main():
    commands = {"startup": startup, "idle": idle, "memory": memory}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    subprocess.run(["cmake", "--build", BUILD, "--target", "bench_app", "bench_peer"],
                   check=True, stdout=subprocess.DEVNULL)
    commands[sys.argv[1]](*map(int, sys.argv[2:]))


if __name__ == "__main__":
    main()
