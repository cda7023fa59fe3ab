#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Measures the program built for the browser beside a bare Qt peer built the
same way: the time from the page's start to the window's first painted frame,
in headless Chromium, each run in a fresh browser (nothing cached), the two
alternating. The folder is the program's build for the browser, whose bench
targets it builds first (scripts/web/package.sh makes it, on Debian 13):

    web_startup.py build-web/target [RUNS [PEER_BUILD]]

PEER_BUILD, a build of this tree against another Qt for the browser (one of
Qt's default configuration, say: CONTRIBUTING.md tells how), gives the peer
instead, built there.

Prints medians and their ratio; nothing here passes or fails on time.
"""

import os
import statistics
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from harness.browser import Chromium, Server  # noqa: E402
from harness.processes import PROCESSES, wait_for  # noqa: E402


def first_frame_ms(address):
    """Milliseconds from the page's start to the probe's line, which the
    program writes to the console once its first frame is painted."""
    browser = Chromium()
    browser.send("Runtime.enable")
    browser.send("Page.navigate", url=address)

    def said():
        browser.evaluate("1")  # takes in the events sent meanwhile
        return next((event["params"]["timestamp"] for event in browser.events
                     if event.get("method") == "Runtime.consoleAPICalled"
                     and "first_frame" in str(event["params"]["args"][0].get("value"))), None)

    said_at = wait_for(said, "the first frame of " + address, timeout=120)
    started = browser.evaluate("performance.timeOrigin")
    PROCESSES.end_all()
    return said_at - started


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    build, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10
    peer_build = sys.argv[3] if len(sys.argv) > 3 else build
    for folder, target in ((build, "bench_app"), (peer_build, "bench_peer")):
        subprocess.run(["cmake", "--build", folder, "--target", target],
                       check=True, stdout=subprocess.DEVNULL)
    folders = {"bench_app": os.path.join(build, "bench"),
               "bench_peer": os.path.join(peer_build, "bench")}
    times = {"bench_app": [], "bench_peer": []}
    for run in range(runs):
        order = sorted(times, reverse=run % 2 == 1)
        for name in order:
            # A server a run, since ending the browser ends what the test started.
            times[name].append(first_frame_ms(Server(folders[name]).url + name + ".html"))
    app, peer = (statistics.median(times[name]) for name in ("bench_app", "bench_peer"))
    print("page start to first painted frame, %d alternating runs (median)" % runs)
    print("%-32s program %8.1f ms   peer %8.1f ms   ratio %.2f"
          % ("headless Chromium", app, peer, app / peer))
    for name in ("bench_app", "bench_peer"):
        size = os.path.getsize(os.path.join(folders[name], name + ".wasm"))
        print("%-32s %8.0f kB" % (name + ".wasm", size / 1024))


if __name__ == "__main__":
    main()
