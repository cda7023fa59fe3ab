#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Scores the page for the browser as Lighthouse does, served by nginx with
the shipped configuration, in Debian's Chromium, on a phone (Lighthouse's
own mobile emulation) and on a laptop (its desktop preset), and fails when
the page is not served, described and made usable as it should be:
accessibility, best practices or SEO below 100, or one of the audits below
failed. Performance is only said.

    lighthouse.py path/to/the/page's/folder

Lighthouse is the one tests/web/package.json pins: `npm ci --prefix tests/web`.
"""

import json
import os
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent / "e2e"))
from harness.browser import Server  # noqa: E402
from harness.processes import (PROCESSES, end_all_when_stopped,  # noqa: E402
                               scratch_folder, wait_for_exit)

LIGHTHOUSE = HERE / "node_modules" / ".bin" / "lighthouse"
DEVICES = {"phone": [], "laptop": ["--preset=desktop"]}
CATEGORIES = ("performance", "accessibility", "best-practices", "seo")
FULL_MARKS = ("accessibility", "best-practices", "seo")
# Whatever the scores: the files compressed and kept in the browser's cache,
# nothing in the head that holds the first paint back, a viewport for
# phones and a description for search engines. By the audits' names, which
# this Lighthouse shows: the insights that are to replace them it hides.
MUST_PASS = ("uses-text-compression", "uses-long-cache-ttl", "render-blocking-resources",
             "viewport", "meta-description")


def run_lighthouse(url, device):
    """Lighthouse's report on the page seen from this device."""
    report = scratch_folder("lighthouse-") + "/report.json"
    # Without Chromium's sandbox, which CI, running as root, cannot have.
    lighthouse = PROCESSES.start(
        [str(LIGHTHOUSE), url, *DEVICES[device], "--output=json", "--output-path=" + report,
         "--quiet", "--no-enable-error-reporting", "--chrome-flags=--headless --no-sandbox"],
        env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"), stderr=None)
    if wait_for_exit(lighthouse, "Lighthouse", timeout=300) != 0:
        sys.exit("Lighthouse could not score " + url)
    with open(report, encoding="utf-8") as written:
        return json.load(written)


def passed(audit):
    """As Lighthouse's report sorts them: passed from 0.9 on; what it does not
    score (not applicable, manual, informative) never fails."""
    if audit["scoreDisplayMode"] in ("notApplicable", "manual", "informative"):
        return True
    return audit["score"] is not None and audit["score"] >= 0.9


def percent(category):
    """The score as the report shows it; -1 where Lighthouse could not score."""
    return -1 if category["score"] is None else round(category["score"] * 100)


def print_scores(report):
    """A line per category, its failed audits under it, but those the report
    itself hides (the insights that are to replace the audits)."""
    for name in CATEGORIES:
        category = report["categories"][name]
        print("%s: %d" % (name, percent(category)))
        for ref in category["auditRefs"]:
            audit = report["audits"][ref["id"]]
            if ref.get("group") != "hidden" and not passed(audit):
                print("    %s: %s" % (audit["id"], audit["title"]))


def faults(report):
    """What the page or its server must mend, in words."""
    return (["%s below 100" % name for name in FULL_MARKS
             if percent(report["categories"][name]) < 100]
            + ["%s failed" % name for name in MUST_PASS if not passed(report["audits"][name])])


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: lighthouse.py FOLDER")
    end_all_when_stopped()
    try:
        url = Server(sys.argv[1]).url
        reports = {device: run_lighthouse(url, device) for device in DEVICES}
    finally:
        PROCESSES.end_all()
    found = []
    for device, report in reports.items():
        print(device)
        print_scores(report)
        found += ["%s: %s" % (device, fault) for fault in faults(report)]
    if found:
        sys.exit("; ".join(found))


if __name__ == "__main__":
    main()
