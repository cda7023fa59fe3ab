#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Runs a command on a desktop of the tests' own and ends everything the
desktop started with it, whatever happens:

    on_a_desktop.py [--windows] [--no-accessibility] COMMAND [ARGUMENT...]

--windows adds a fresh Wine prefix that says it is Windows 11, with the fonts
Windows has (its programs reach no accessibility bus, so it starts none);
--no-accessibility leaves the session bus out, as a desktop without a screen
reader runs.
"""

import argparse
import subprocess
import sys

from harness.desktop import start_desktop
from harness.processes import PROCESSES, end_all_when_stopped, scratch_folder
from harness.wine import start_windows


def run_on_a_desktop():
    parser = argparse.ArgumentParser(usage="%(prog)s [--windows] [--no-accessibility] "
                                           "COMMAND [ARGUMENT...]")
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--no-accessibility", action="store_true")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    options = parser.parse_args()
    if not options.command:
        parser.error("no command")

    end_all_when_stopped()
    try:
        # Wine's prefix is some 700 MB: not for a /tmp in memory.
        scratch = scratch_folder("desktop-", "/var/tmp")
        # Wine makes its prefix in the caller's locale, whose folder names it takes.
        env = start_desktop(scratch,
                            accessibility=not (options.windows or options.no_accessibility),
                            locale=None if options.windows else "fr_FR.UTF-8")
        if options.windows:
            env = start_windows(scratch, env)
        status = subprocess.run(options.command, env=env).returncode
    finally:
        PROCESSES.end_all()
    sys.exit(status if status >= 0 else 128 - status)


if __name__ == "__main__":
    run_on_a_desktop()
