#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Measures what a visit to the page for the browser costs, served by nginx
with the shipped configuration: the bytes the server sends and the time from
navigation to the game's first painted window, for a first visit (a new
browser, nothing kept) and the visit after it (the same browser: the service
worker's copy), on a slow 4G link (150 ms, 1.6 Mbit/s) and unthrottled, with
each encoding the server can send: Brotli (which Chromium takes from the
loopback address too), gzip, none. Medians of RUNS.

    web_loading.py path/to/the/page's/folder [RUNS]

Prints the figures; nothing here passes or fails on time.
"""

import os
import shutil
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
from harness.browser import Chromium, Server  # noqa: E402
from harness.processes import PROCESSES, scratch_folder, wait_for  # noqa: E402

# Each encoding from a copy of the folder that has no better one: the page
# and its service worker ask as the browser does.
ENCODINGS = {"brotli": (), "gzip": (".br",), "none": (".br", ".gz")}
NETWORKS = {"slow 4G": {"latency": 150, "downloadThroughput": 1.6e6 / 8,
                        "uploadThroughput": 0.75e6 / 8},
            "unthrottled": {"latency": 0, "downloadThroughput": -1, "uploadThroughput": -1}}
# The time of the first frame painted with the main window in it, kept by
# the page itself, frame by frame, from its very start.
PAINTED = """(function watch() {
    const window_ = document.getElementById("qt-shadow-container")
        ?.shadowRoot.querySelector(".qt-window");
    if (window_ && document.getElementById("loading")?.hidden)
        requestAnimationFrame(() => { self.painted = performance.now(); });
    else
        requestAnimationFrame(watch);
})();"""


def visit(browser, server, url):
    """Milliseconds to the first painted window, and bytes the server sent."""
    before = server.bytes_sent()
    browser.send("Page.navigate", url=url)
    painted = wait_for(lambda: browser.evaluate("self.painted"), "the window", timeout=300)
    # What the service worker asks for once the game runs counts too.
    wait_for(lambda: browser.evaluate("navigator.serviceWorker.ready.then(() => true)"),
             "the service worker")
    return painted, server.bytes_sent() - before


def without(folder, endings):
    """A copy of the folder without the files of these endings."""
    copy = os.path.join(scratch_folder("web-loading-"), "site")
    shutil.copytree(folder, copy, ignore=lambda _, names: [
        name for name in names if name.endswith(endings)])
    return copy


def measure(folder, network):
    """(first visit, repeat visit), each (ms, bytes)."""
    server = Server(folder)
    browser = Chromium()
    for domain in ("Network", "Page"):
        browser.send(domain + ".enable")
    browser.send("Network.emulateNetworkConditions", offline=False, **network)
    browser.send("Page.addScriptToEvaluateOnNewDocument", source=PAINTED)
    first = visit(browser, server, server.url)
    repeat = visit(browser, server, server.url)
    PROCESSES.end_all()
    return first, repeat


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 5
    print("navigation to the first painted window, and bytes sent; median of %d runs" % runs)
    for network_name, network in NETWORKS.items():
        for encoding_name, endings in ENCODINGS.items():
            results = [measure(without(folder, endings), network) for _ in range(runs)]
            for index, visit_name in enumerate(("first visit", "repeat visit")):
                times = [result[index][0] for result in results]
                sent = [result[index][1] for result in results]
                print("%-12s %-7s %-13s %9.0f ms %12.0f bytes"
                      % (network_name, encoding_name, visit_name, statistics.median(times),
                         statistics.median(sent)))


if __name__ == "__main__":
    main()
