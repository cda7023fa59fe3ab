#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Takes docs/screenshot.png again, or the file named: the real window, frame
included, on a desktop of the tests' harness, after a won game, with the
time and today's date shown. Needs build/bandit-manchot and what the
end-to-end tests need (scripts/install-deps.sh test).

    scripts/screenshot.py [FILE]
"""

import os
import subprocess
import sys

TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
sys.path.insert(0, os.path.join(TOP, "tests", "e2e"))
from harness.desktop import start_desktop  # noqa: E402
from harness.main_window import MainWindow, shown_frame  # noqa: E402
from harness.processes import PROCESSES, scratch_folder, wait_for  # noqa: E402
from harness.tables import TITLE  # noqa: E402
from harness.x11_windows import frame_geometry, title_start, window_id  # noqa: E402


def take(out):
    try:
        env = start_desktop(scratch_folder("screenshot-"))
        import pyatspi  # reads the session bus address from the environment

        program = PROCESSES.start([os.path.join(TOP, "build", "bandit-manchot")], env=env)
        window = MainWindow(pyatspi, wait_for(lambda: shown_frame(pyatspi, program, TITLE),
                                              "the main window"))
        wait_for(lambda: window.control("Command1").getState().contains(pyatspi.STATE_FOCUSED),
                 "the focus on Jouer")
        window.open_menu_entry("Horloge", "Date")
        wait_for(lambda: window.text("Label6"), "the date")
        played = won = 0
        while not won:
            _, won = window.next_game(window.press_jouer_with_the_keyboard, played, won)
            played += 1
        wait_for(window.coins_shown, "the coins on the screen")
        wait_for(lambda: window.text("Label5"), "the time")
        x, y, width, height = frame_geometry(window_id(title_start(TITLE)))
        subprocess.run(["import", "-window", "root", "-crop",
                        "%dx%d+%d+%d" % (width, height, x, y), "+repage", out], check=True)
        print(out)
    finally:
        PROCESSES.end_all()


if __name__ == "__main__":
    take(sys.argv[1] if len(sys.argv) > 1 else os.path.join(TOP, "docs", "screenshot.png"))
